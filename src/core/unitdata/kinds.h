#pragma once
// Kinds of units and categories, and the kind words of the unit data file.

#include <string_view>

namespace tarnel {

enum class TUnitKind { ukUnknown, ukCore, ukFactor, ukRule };
enum class TCatKind { ckUnknown, ckRoot, ckSup, ckComp };

/// "si-unit", "factor", "rule" compared without case.
TUnitKind unitKindOf(std::string_view type);
/// "root", "sup", "comp" compared without case.
TCatKind catKindOf(std::string_view type);
/// Position of the first word equal to text ignoring case, or -1 (0 root/si-unit, 1 sup/factor, 2
/// comp/rule).
int KindIndexCat(std::string_view text);
int KindIndexUnit(std::string_view text);

} // namespace tarnel
