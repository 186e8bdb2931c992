#pragma once
// The unit data file's fixed text layout. Every attribute value is escaped so that the
// file always parses back to the same values; comments are unescaped first, so a
// comment the editor stored escaped is written exactly like the same comment stored plain.

#include "core/unitdata/itemtree.h"

#include <string>

namespace tarnel {

/// The complete file text, CR LF after every line. Marks every unit whose type is
/// exactly "si-unit" enabled in the document.
std::string WriteUnitsData(const IXMLUnitsDataType& root, const ItemTree& tree);

} // namespace tarnel
