#include "core/engine/quantityconverter.h"

#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"

#include <cmath>
#include <limits>
#include <map>

namespace tarnel {

namespace {

// Messages raised while converting become the result's error instead of popping up.
class Capture {
  public:
    Capture() : fScope(fRec) {}
    std::string first() const { return fRec.texts.empty() ? std::string() : fRec.texts.front(); }
    bool any() const { return !fRec.texts.empty(); }

  private:
    RecordingMessages fRec;
    ScopedMessages fScope;
};

// Restores ValFix on every exit path.
class ValFixCleared {
  public:
    explicit ValFixCleared(TConvert& e) : fEng(e), fOld(e.ValFix) { e.ValFix = false; }
    ~ValFixCleared() { fEng.ValFix = fOld; }

  private:
    TConvert& fEng;
    bool fOld;
};

ConvertResult failure(std::string msg) {
    return {false, {}, std::move(msg)};
}
ConvertResult success(std::string text) {
    return {true, std::move(text), {}};
}

int32_t saturate(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// Symbol of a dimension's current unit as the engine prints it.
std::string dimSymbol(const TDim& d) {
    if (d.Kind() == TCatKind::ckUnknown) return d.UnknownUnit;
    TUnit* u = d.UnitAt(d.fUnitIdx);
    return u ? u->Symbol() : std::string();
}

std::string notANumber(const std::string& quantity) {
    const size_t k = quantity.find('[');
    if (trimView(std::string_view(quantity).substr(0, k)).empty())
        return "No value - " + trim(quantity);
    std::string msg =
        "Not a number - " + trim(k == std::string::npos ? quantity : quantity.substr(0, k));
    // "5 m": the unit was meant, but a unit part stands in brackets.
    if (k == std::string::npos) {
        const std::string t = trim(quantity);
        const size_t blank = t.find(' ');
        if (blank != std::string::npos && !std::isnan(realOrNaN(t.substr(0, blank))))
            msg += " (write the unit in brackets: " + t.substr(0, blank) + " [" +
                   trim(t.substr(blank)) + "])";
    }
    return msg;
}

// Loads the quantity and checks that every dimension can convert; "" when all can.
std::string loadQuantity(TConvert& e, const std::string& quantity, const Capture& cap) {
    if (std::isnan(ValueOfField(quantity))) return notANumber(quantity);
    e.setField(quantity);
    if (cap.any()) return cap.first();
    std::string u = quantity;
    if (!UnitsOfField(u)) return "No unit part in " + trim(quantity);
    for (int k = 0; k < e.DimCount(); ++k) {
        const TDim* d = e.Dims(k);
        if (d->Ready()) continue;
        if (!d->UnknownUnit.empty()) return "Unknown unit - " + d->UnknownUnit;
        if (d->Kind() == TCatKind::ckUnknown)
            return "A compound unit cannot stand inside a unit part - " + u;
        if (d->Cat()->IsRule()) {
            const TUnit* unit = d->UnitAt(d->fUnitIdx);
            if (unit && unit->Kind() == TUnitKind::ukRule)
                return "A rule unit converts only alone - " + dimSymbol(*d);
            return d->Cat()->Name() + " has rule-based units and converts only alone - " +
                   dimSymbol(*d);
        }
        return "Cannot convert unit - " + dimSymbol(*d);
    }
    return "";
}

// A scale with an offset has no factor to SI: it converts only within its category.
std::string ruleUnitIn(const TConvert& e) {
    for (int k = 0; k < e.DimCount(); ++k) {
        const TDim* d = e.Dims(k);
        const TUnit* u = d->UnitAt(d->fUnitIdx);
        if (u && u->Kind() == TUnitKind::ukRule) return u->Symbol();
    }
    return "";
}

// The radian and the steradian are 1 in SI, yet an angle is not a ratio and a turn is
// not a cycle: through SI they count as symbols of their own, read from the core unit's
// symbol (rad, rad/s, sr).
void addAngleDegrees(const TUnit& core, int64_t degree, std::map<std::string, int64_t>& out) {
    RecordingMessages quiet;
    ScopedMessages scope(quiet);
    UnitEntries entries;
    if (!ParseUnits(core.Symbol(), entries)) return;
    for (const TUnitRec& e : entries)
        if (e.UnitStr == "rad" || e.UnitStr == "sr") out[e.UnitStr] += int64_t(e.UnitDeg) * degree;
}

// Degrees over base symbols (and over core units without a base definition) of the
// engine's dimensions, which must all stand in their core units.
std::map<std::string, int64_t> baseDegrees(TConvert& e) {
    std::map<std::string, int64_t> out;
    for (int k = 0; k < e.DimCount(); ++k) {
        TDim* d = e.Dims(k);
        TUnit* u = d->UnitAt(d->fUnitIdx);
        if (!u) continue;
        const TBaseUnits b = u->In_base_units();
        if (u->fIsBaseUnits) {
            for (size_t i = 0; i < 7; ++i)
                if (b[i]) out[SIBaseSymbols[i]] += int64_t(b[i]) * d->fDegree;
            addAngleDegrees(*u, d->fDegree, out);
        } else {
            out[u->Symbol()] += d->fDegree;
        }
    }
    for (auto it = out.begin(); it != out.end();)
        it = it->second ? std::next(it) : out.erase(it);
    return out;
}

std::string degreesText(const std::map<std::string, int64_t>& m) {
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

// A result counts only when it names exactly the target's units with their degrees.
bool hasUnitsOf(const TConvert& e, const std::string& target) {
    RecordingMessages quiet;
    ScopedMessages scope(quiet);
    UnitEntries got, want;
    return ParseUnits(e.unitPart(), got) && ParseUnits(target, want) && got == want;
}

// Which of two units of one category the engine could not convert.
std::string unconvertible(TConvert& e, int cs, int us, int ct, int ut) {
    TUnit* src = e.Items(cs)->Units.Items(us);
    TUnit* trg = e.Items(ct)->Units.Items(ut);
    return "Cannot convert unit - " +
           (src->Kind() == TUnitKind::ukUnknown ? src->Symbol() : trg->Symbol());
}

} // namespace

std::string targetUnitPart(const std::string& target) {
    std::string t = target;
    if (UnitsOfField(t)) return t;
    return trim(target);
}

TypedText QuantityConverter::typed() const {
    return TypedText(
        [this](const std::string& s) {
            int c, u;
            return fEng.WhereIsUnit(s, c, u);
        },
        fSpellings);
}

ConvertResult QuantityConverter::convert(const std::string& quantity, const std::string& target) {
    const TypedText reader = typed();
    const TypedReading q = reader.quantity(quantity);
    if (!q.ok) return failure(q.error);
    const TypedReading t = reader.target(target);
    if (!t.ok) return failure(t.error);
    return convertStored(q.text, t.text);
}

ConvertResult QuantityConverter::convertStored(const std::string& quantity,
                                               const std::string& trg) {
    Capture cap;
    ValFixCleared fix(fEng);
    const double value = ValueOfField(quantity);
    if (std::isnan(value)) return failure(notANumber(quantity));
    try {
        // A single unit to a single unit of its category, compound categories included:
        // the unit part is that unit, so the value converts from it directly.
        std::string src = quantity;
        int cs, us, ct, ut;
        if (UnitsOfField(src) && fEng.WhereIsUnit(src, cs, us) && fEng.WhereIsUnit(trg, ct, ut) &&
            cs == ct) {
            if (us == ut) { // nothing to convert: the quantity as the engine prints it
                fEng.setField(quantity);
            } else {
                fEng.fValue = value;
                if (!fEng.Convert2AnyUnit(cs, us, ct, ut, trg) && !cap.any())
                    return failure(unconvertible(fEng, cs, us, ct, ut));
            }
            if (cap.any()) return failure(cap.first());
            if (!hasUnitsOf(fEng, trg)) return failure("Cannot convert unit - " + trg);
            return success(fEng.Field());
        }
        if (std::string why = loadQuantity(fEng, quantity, cap); !why.empty()) return failure(why);
        if (fEng.Convert2Dim(trg, false) && hasUnitsOf(fEng, trg)) return success(fEng.Field());
        if (cap.any()) return failure(cap.first()); // the target did not parse
        return throughSI(quantity, trg);
    } catch (const std::exception& e) {
        return failure(e.what());
    }
}

TConvert& QuantityConverter::scratch() {
    if (!fAux || fAux->Document() != fEng.Document()) {
        fAux = std::make_unique<TConvert>(fEng.parser());
        fAux->LoadFromDocument(fEng.Document());
    }
    fAux->setPrec(fEng.Prec());
    return *fAux;
}

ConvertResult QuantityConverter::throughSI(const std::string& quantity, const std::string& trg) {
    Capture cap;
    if (std::string why = loadQuantity(fEng, quantity, cap); !why.empty()) return failure(why);
    std::string rule = ruleUnitIn(fEng);
    fEng.Convert2SI();
    const auto srcBase = baseDegrees(fEng);
    const double v = fEng.Value();

    TConvert& aux = scratch();
    ValFixCleared fix(aux);
    if (std::string why = loadQuantity(aux, "1 [" + trg + "]", cap); !why.empty())
        return failure(why);
    if (rule.empty()) rule = ruleUnitIn(aux);
    if (!rule.empty()) return failure("A rule unit converts only within its category - " + rule);
    aux.Convert2SI();
    const auto trgBase = baseDegrees(aux);
    if (srcBase != trgBase)
        return failure("Units do not match: " + degreesText(srcBase) + " vs " +
                       degreesText(trgBase));
    UnitEntries entries;
    ParseUnits(trg, entries);
    return success(FormatNum(v / aux.Value(), fEng.Prec()) + " [" + UnitListText(entries) + "]");
}

ConvertResult QuantityConverter::base(const std::string& typedQuantity) {
    const TypedReading q = typed().quantity(typedQuantity);
    if (!q.ok) return failure(q.error);
    const std::string& quantity = q.text;
    Capture cap;
    ValFixCleared fix(fEng);
    try {
        if (std::string why = loadQuantity(fEng, quantity, cap); !why.empty()) return failure(why);
        fEng.Convert2SI();
        const TDimRec s = ParseField(fEng.Field());
        // Core units with a base definition are replaced by it; "1" drops the unit.
        struct Replaced {
            std::string sym;
            int32_t degree;
            std::string def;
        };
        std::vector<Replaced> rows;
        for (const TUnitRec& u : s.units) {
            int ci, ui;
            if (!fEng.WhereIsUnit(u.UnitStr, ci, ui)) continue;
            TUnit* unit = fEng.Items(ci)->Units.Items(ui);
            if (unit->Kind() != TUnitKind::ukCore) continue;
            const TBaseUnits b = unit->In_base_units();
            if (unit->fIsBaseUnits) rows.push_back({u.UnitStr, u.UnitDeg, BaseVectorText(b)});
        }
        TDimRec r = PowerDim(s, 0);
        for (const TUnitRec& u : s.units) {
            // Symbols compare exactly: s (second) and S (siemens) are different rows.
            const Replaced* row = nullptr;
            for (const auto& x : rows)
                if (!row && x.sym == u.UnitStr) row = &x;
            if (!row) {
                r = AddUnitToDim(r, u);
            } else if (trim(row->def) != "1") {
                r = MulDims(r, PowerDim(ParseField("1 [" + row->def + "]"), row->degree));
            }
        }
        return success(DimRecText(r, fEng.Prec()));
    } catch (const std::exception& e) {
        return failure(e.what());
    }
}

std::vector<ConvertResult> QuantityConverter::all(const std::string& typedQuantity) {
    const TypedReading q = typed().quantity(typedQuantity);
    if (!q.ok) return {failure(q.error)};
    const std::string& quantity = q.text;
    Capture cap;
    ValFixCleared fix(fEng);
    std::string src = quantity;
    int ci, ui;
    if (!UnitsOfField(src) || !fEng.WhereIsUnit(src, ci, ui))
        return {failure("Not a single unit of the unit data: " + trim(quantity))};
    const double x = ValueOfField(quantity);
    if (std::isnan(x)) return {failure(notANumber(quantity))};
    std::vector<ConvertResult> out;
    for (int k = 0; k < fEng.Items(ci)->Units.Count(); ++k) {
        const std::string sym = fEng.Items(ci)->Units.Items(k)->Symbol();
        try {
            fEng.fValue = x;
            const bool made = fEng.Convert2AnyUnit(ci, ui, ci, k, sym);
            if (cap.any()) return {failure(cap.first())};
            if (!made) {
                out.push_back(failure(unconvertible(fEng, ci, ui, ci, k)));
            } else {
                if (k == ui) fEng.setField(FormatNum(x, 15) + " [" + sym + "]");
                if (cap.any()) return {failure(cap.first())};
                out.push_back(hasUnitsOf(fEng, sym) ? success(fEng.Field())
                                                    : failure("Cannot convert unit - " + sym));
            }
        } catch (const std::exception& e) {
            out.push_back(failure(e.what()));
        }
    }
    return out;
}

ConvertResult QuantityConverter::batchLine(const std::string& line) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) return failure("expected QUANTITY<TAB>TARGET");
    return convert(line.substr(0, tab), line.substr(tab + 1));
}

} // namespace tarnel
