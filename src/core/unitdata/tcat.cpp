#include "core/unitdata/tcat.h"

#include "core/text/em.h"

namespace tarnel {

TCat::TCat(const IXMLCategoryType& data) {
    SetData(data);
}

void TCat::SetData(const IXMLCategoryType& value) {
    if (value.isNull()) throw EM("Cat. data is missing");
    fData = value;
    fKind = catKindOf(fData.type());
    for (const IXMLUnitType& u : fData.units()) {
        if (u.enabled() == 0) continue;
        fOwned.push_back(std::make_unique<TUnit>(u, this));
        Units.Add(fOwned.back().get());
        if (fOwned.back()->Kind() == TUnitKind::ukRule) fIsRule = true;
    }
}

void TCat::Clear() {
    Units.Clear();
    fOwned.clear();
    SupBase = nullptr;
    SupDegree = 0;
    SupCats.clear();
    fData = IXMLCategoryType();
    fKind = TCatKind::ckUnknown;
    fIsRule = false;
}

TBaseUnits TCat::In_base_units() {
    fIsBaseUnits = false;
    TUnit* core = Units.Items(Units.IndexOfSI());
    if (fKind != TCatKind::ckRoot || !core) return TBaseUnits{};
    TBaseUnits v = core->In_base_units();
    fIsBaseUnits = core->fIsBaseUnits;
    return v;
}

bool TCat::IsBaseUnits() {
    In_base_units();
    return fIsBaseUnits;
}

int CoreUnitIndex(const IXMLCategoryType& cat) {
    int i = 0;
    for (const IXMLUnitType& u : cat.units()) {
        if (u.type() == "si-unit") return i;
        ++i;
    }
    return -1;
}

} // namespace tarnel
