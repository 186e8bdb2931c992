#include "core/engine/baseunits.h"

#include "core/text/strutil.h"

namespace tarnel {

std::vector<std::pair<std::string, std::string>> baseDefinitions(TCats& db) {
    std::vector<std::pair<std::string, std::string>> out;
    for (TUnit* u : db.AllUnits.items())
        if (u->Kind() == TUnitKind::ukCore && u->IsBaseUnits())
            out.emplace_back(u->Symbol(), BaseVectorText(u->In_base_units()));
    return out;
}

namespace {
TDimRec definition(const std::string& def, int32_t degree) {
    return PowerDim(ParseField("1 [" + def + "]"), degree);
}
} // namespace

TDimRec inBaseUnits(const TDimRec& s, const std::vector<BaseRow>& replaced,
                    const std::vector<BaseRow>& included) {
    TDimRec r = PowerDim(s, 0);
    for (const TUnitRec& u : s.units) {
        // Symbols compare exactly: s (second) and S (siemens) are different rows.
        const BaseRow* row = nullptr;
        for (const BaseRow& x : replaced)
            if (!row && x.sym == u.UnitStr) row = &x;
        if (!row)
            r = AddUnitToDim(r, u);
        else if (trim(row->def) != "1")
            r = MulDims(r, definition(trim(row->def), row->degree));
    }
    for (const BaseRow& x : included) {
        r = AddUnitToDim(r, {x.sym, x.degree});
        const std::string d = trim(x.def);
        if (d != "1") r = MulDims(r, definition(d, -x.degree));
    }
    return r;
}

} // namespace tarnel
