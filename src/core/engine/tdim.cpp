#include "core/engine/tdim.h"

#include "core/engine/tconvert.h"
#include "core/text/em.h"

#include <cmath>
#include <cstdlib>

namespace tarnel {

namespace {
int sign(int d) {
    return d < 0 ? -1 : 1;
}
} // namespace

TUnit* TDim::UnitAt(int i) const {
    const int n = OwnCount();
    if (i < n) return fCat ? fCat->Units.Items(i) : nullptr;
    return SupCat ? SupCat->Units.Items(i - n) : nullptr;
}

int TDim::IndexOfSymbol(const std::string& symbol) const {
    for (int i = 0; i < UnitCount(); ++i)
        if (UnitAt(i)->Symbol() == symbol) return i;
    return -1;
}

void TDim::setDegree(int v) {
    if (fCat && fCat->IsRule()) {
        fDegree = 1;
        return;
    }
    fDegree = v;
    if (Kind() != TCatKind::ckRoot) throw EM("554");
    TCat* const old = SupCat;
    SupCat = nullptr;
    const int64_t a = std::llabs(static_cast<int64_t>(v));
    for (TCat* s : fCat->SupCats)
        if (s->SupDegree == a) SupCat = s;
    // A unit of the old supplementary category (a litre) means nothing at another degree:
    // its index would name some other unit (a hectare) or none at all. The dimension
    // falls back to the core unit, which every degree has.
    if (fUnitIdx >= OwnCount() && SupCat != old) fUnitIdx = fCat->Units.IndexOfSI();
}

bool TDim::Ready() const {
    return fCatIdx != -1 && fUnitIdx != -1 && fDegree != 0 && UnknownUnit.empty() && ParentCnv &&
           Kind() != TCatKind::ckUnknown && !(fCat->IsRule() && ParentCnv->DimCount() > 1);
}

void TDim::Convert2SI() {
    if (!Ready()) return;
    const int core = fCat->Units.IndexOfSI();
    if (fUnitIdx == core) return;
    double v = ParentCnv->fValue;
    const int n = OwnCount();
    if (fUnitIdx < n) {
        v = ParentCnv->toCore(*fCat->Units.Items(fUnitIdx), v, fDegree);
    } else {
        if (!SupCat) throw EM("56");
        TUnit* u = SupCat->Units.Items(fUnitIdx - n);
        if (!u) throw EM("56");
        v = ParentCnv->toCore(*u, v, sign(fDegree));
    }
    fUnitIdx = core;
    if (!ParentCnv->ValFix) {
        ParentCnv->fValue = v;
        ParentCnv->fValStr.clear();
    }
}

void TDim::setUnitIdx(int i) {
    if (fUnitIdx == -1) {
        fUnitIdx = i;
        return;
    }
    const int n = OwnCount();
    const int m = SupCat ? SupCat->Units.Count() : 0;
    if (i < 0 || i >= n + m || !Ready()) return;
    if (ParentCnv->ValFix) {
        fUnitIdx = i;
        return;
    }
    Convert2SI();
    if (i < n && i == fCat->Units.IndexOfSI()) return;
    double v = ParentCnv->fValue;
    if (i < n)
        v = ParentCnv->fromCore(*fCat->Units.Items(i), v, fDegree);
    else
        v = ParentCnv->fromCore(*SupCat->Units.Items(i - n), v, sign(fDegree));
    fUnitIdx = i;
    ParentCnv->fValue = v;
    ParentCnv->fValStr.clear();
}

} // namespace tarnel
