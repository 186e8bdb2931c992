#include "core/unitdata/tunit.h"

#include "core/text/em.h"
#include "core/text/strutil.h"

namespace tarnel {

TUnit::TUnit(const IXMLUnitType& data, TCat* parent) : Data(data), ParentCat(parent) {
    if (data.isNull()) throw EM("Unit data is missing");
    fKind = unitKindOf(Data.type());
    fSymbol = Data.symbol();
    if (trimView(fSymbol).empty()) fSymbol = replaceAll(Data.name(), " ", "_");
    fFactor = realOrNaN(Data.factor());
}

TBaseUnits TUnit::In_base_units() {
    TBaseUnits v{};
    fIsBaseUnits = false;
    const std::string text = trim(Data.in_base_units());
    if (text == "1") {
        fIsBaseUnits = true;
        return v;
    }
    if (fKind != TUnitKind::ukCore || text.empty()) return v;
    UnitEntries list;
    if (!ParseUnits(text, list)) return v;
    for (const auto& e : list) {
        fIsBaseUnits = false;
        for (size_t i = 0; i < 7; ++i)
            if (e.UnitStr == SIBaseSymbols[i]) {
                fIsBaseUnits = true;
                v[i] = e.UnitDeg;
            }
        if (!fIsBaseUnits) break;
    }
    return v;
}

} // namespace tarnel
