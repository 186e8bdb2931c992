#pragma once
// Turns the text of a unit data file into a parsed document. The decoded text is handed
// to the parser as UTF-8, so the file's encoding declaration has no effect; no DTD or
// external entity is ever loaded.

#include "core/unitdata/unitsdata.h"

#include <string>

namespace tarnel {

struct UnitsParse {
    XmlDocPtr doc;     // null when the text does not parse
    std::string error; // then the parser's message: description, line and column
};

/// Parses the text in place: the document keeps it (no second copy).
UnitsParse parseUnitsText(std::string text);
/// Reads a unit data file as the editor does (decoded, not narrowed); "" when missing.
std::string readUnitsFileText(const std::string& path);

} // namespace tarnel
