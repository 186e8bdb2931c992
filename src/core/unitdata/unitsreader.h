#pragma once
// Turns the text of a unit data file into a parsed document. The decoded text is handed
// to the parser as UTF-8, so the file's encoding declaration has no effect; no DTD or
// external entity is ever loaded.

#include "core/unitdata/unitsdata.h"

#include <string>

namespace tarnel {

/// Parses the text; on a parse error shows a readable message (description, line and
/// column) through the message interface and returns null.
XmlDocPtr parseUnitsText(const std::string& text);
/// The same, parsing in place: the document keeps the text (no second copy).
XmlDocPtr parseUnitsText(std::string&& text);
/// The parse error text for `text`, or "" when it parses (used by the editor's checks).
std::string unitsParseError(const std::string& text);
/// Reads a unit data file as the editor does (decoded, not narrowed); "" when missing.
std::string readUnitsFileText(const std::string& path);

} // namespace tarnel
