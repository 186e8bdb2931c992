#include "core/engine/sireduction.h"

#include <cmath>
#include <limits>

namespace tarnel {

namespace {

int32_t saturate(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

SIReduction refuse(std::string msg) {
    SIReduction r;
    r.error = std::move(msg);
    return r;
}

} // namespace

void addCoreDegrees(TUnit& core, int64_t degree, BaseDegrees& out) {
    const TBaseUnits b = core.In_base_units();
    if (!core.fIsBaseUnits) {
        out[core.Symbol()] += degree;
        return;
    }
    for (size_t i = 0; i < 7; ++i)
        if (b[i]) out[SIBaseSymbols[i]] += int64_t(b[i]) * degree;
    // rad, rad/s, sr: their base definition is a ratio, but their symbol tells the angle.
    UnitEntries parts;
    if (!ParseUnits(core.Symbol(), parts)) return;
    for (const TUnitRec& p : parts)
        if (p.UnitStr == "rad" || p.UnitStr == "sr") out[p.UnitStr] += int64_t(p.UnitDeg) * degree;
}

SIReduction reduceToSI(const TCats& db, const UnitEntries& entries) {
    SIReduction r;
    for (const TUnitRec& e : entries) {
        int ci, ui;
        if (!db.WhereIsUnit(e.UnitStr, ci, ui)) return refuse("Unknown unit - " + e.UnitStr);
        TCat* cat = db.Items(ci);
        TUnit* unit = cat->Units.Items(ui);
        if (cat->IsRule()) {
            if (e.UnitDeg != 1)
                return refuse("Category with rule-based units cannot have exponent");
            if (entries.size() > 1)
                return refuse(cat->Name() + " has rule-based units and converts only alone - " +
                              e.UnitStr);
        }
        TCat* root = cat;
        int64_t degree = e.UnitDeg;
        if (cat->Kind() == TCatKind::ckSup) {
            if (std::llabs(degree) >= 2)
                return refuse("Unit from supplemental categories cannot have exponent.");
            root = cat->SupBase;
            if (!root) return refuse("Cannot convert unit - " + e.UnitStr);
            degree *= cat->SupDegree;
        } else if (cat->Kind() != TCatKind::ckRoot) {
            return refuse("A compound unit cannot stand inside a unit part - " + e.UnitStr);
        }
        TUnit* core = root->Units.Items(root->Units.IndexOfSI());
        if (!core) return refuse("Cannot convert unit - " + e.UnitStr);
        switch (unit->Kind()) {
        case TUnitKind::ukCore:
            break;
        case TUnitKind::ukFactor:
            r.factor *= std::pow(unit->Factor(), e.UnitDeg);
            break;
        case TUnitKind::ukRule:
            r.ruleUnit = unit->Symbol();
            break;
        case TUnitKind::ukUnknown:
            return refuse("Cannot convert unit - " + e.UnitStr);
        }
        addCoreDegrees(*core, degree, r.base);
    }
    for (auto it = r.base.begin(); it != r.base.end();)
        it = it->second ? std::next(it) : r.base.erase(it);
    r.ok = true;
    return r;
}

std::string baseDegreesText(const BaseDegrees& m) {
    TBaseUnits v{};
    std::vector<TUnitRec> extra;
    for (const auto& [sym, deg] : m) {
        bool base = false;
        for (size_t i = 0; i < 7; ++i)
            if (sym == SIBaseSymbols[i]) {
                v[i] = saturate(deg);
                base = true;
            }
        if (!base) extra.push_back({sym, saturate(deg)});
    }
    std::vector<TUnitRec> all;
    for (size_t i = 0; i < 7; ++i)
        all.push_back({SIBaseSymbols[i], v[i]});
    all.insert(all.end(), extra.begin(), extra.end());
    const std::string t = UnitListText(all);
    return t.empty() ? "1" : t;
}

BaseDegrees inverted(const BaseDegrees& m) {
    BaseDegrees out;
    for (const auto& [sym, deg] : m)
        out[sym] = -deg;
    return out;
}

} // namespace tarnel
