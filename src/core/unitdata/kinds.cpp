#include "core/unitdata/kinds.h"

#include "core/text/strutil.h"

namespace tarnel {

int KindIndexCat(std::string_view t) {
    return sameText(t, "root") ? 0 : sameText(t, "sup") ? 1 : sameText(t, "comp") ? 2 : -1;
}

int KindIndexUnit(std::string_view t) {
    return sameText(t, "si-unit") ? 0 : sameText(t, "factor") ? 1 : sameText(t, "rule") ? 2 : -1;
}

TUnitKind unitKindOf(std::string_view type) {
    switch (KindIndexUnit(type)) {
    case 0:
        return TUnitKind::ukCore;
    case 1:
        return TUnitKind::ukFactor;
    case 2:
        return TUnitKind::ukRule;
    default:
        return TUnitKind::ukUnknown;
    }
}

TCatKind catKindOf(std::string_view type) {
    switch (KindIndexCat(type)) {
    case 0:
        return TCatKind::ckRoot;
    case 1:
        return TCatKind::ckSup;
    case 2:
        return TCatKind::ckComp;
    default:
        return TCatKind::ckUnknown;
    }
}

} // namespace tarnel
