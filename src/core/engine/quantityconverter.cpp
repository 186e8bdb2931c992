#include "core/engine/quantityconverter.h"

#include "core/engine/baseunits.h"
#include "core/engine/messagecapture.h"
#include "core/engine/sireduction.h"

#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace tarnel {

namespace {

// The engine's messages while converting become the result's error instead of popping up.
using Capture = MessageCapture;

// Restores ValFix on every exit path.
class ValFixCleared {
  public:
    explicit ValFixCleared(TConvert& e) : fEng(e), fOld(e.ValFix) { e.ValFix = false; }
    ~ValFixCleared() { fEng.ValFix = fOld; }

  private:
    TConvert& fEng;
    bool fOld;
};

const char* const kDuplicated = "Duplicated units categories";

ConvertResult failure(std::string msg) {
    return {false, {}, std::move(msg), {}, {}};
}
ConvertResult success(std::string text) {
    return {true, std::move(text), {}, {}, {}};
}

// Symbol of a dimension's current unit as the engine prints it.
std::string dimSymbol(const TDim& d) {
    if (d.Kind() == TCatKind::ckUnknown) return d.UnknownUnit;
    TUnit* u = d.Unit();
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
std::string loadQuantity(TConvert& e, const TDimRec& q, const std::string& quantity,
                         const Capture& cap) {
    if (std::isnan(q.Valu)) return notANumber(quantity);
    e.setField(q, quantity);
    if (cap.any()) return cap.first();
    const std::string& u = q.UnitsStr;
    if (quantity.find('[') == std::string::npos) return "No unit part in " + trim(quantity);
    for (int k = 0; k < e.DimCount(); ++k) {
        const TDim* d = e.Dims(k);
        if (d->Ready()) continue;
        if (!d->UnknownUnit.empty()) return "Unknown unit - " + d->UnknownUnit;
        if (d->Kind() == TCatKind::ckUnknown)
            return "A compound unit cannot stand inside a unit part - " + u;
        if (d->Cat()->IsRule()) {
            const TUnit* unit = d->Unit();
            if (unit && unit->Kind() == TUnitKind::ukRule)
                return "A rule unit converts only alone - " + dimSymbol(*d);
            return d->Cat()->Name() + " has rule-based units and converts only alone - " +
                   dimSymbol(*d);
        }
        return "Cannot convert unit - " + dimSymbol(*d);
    }
    return "";
}

std::string loadQuantity(TConvert& e, const std::string& quantity, const Capture& cap) {
    return loadQuantity(e, ParseField(quantity), quantity, cap);
}

// A result counts only when it names exactly the target's units with their degrees.
bool hasUnitsOf(const TConvert& e, const UnitEntries& want) {
    UnitEntries got = e.unitEntries();
    // As printed: a dimension of degree 0 shows nothing.
    got.erase(
        std::remove_if(got.begin(), got.end(), [](const TUnitRec& u) { return u.UnitDeg == 0; }),
        got.end());
    return got == want;
}

// Which of two units of one category the engine could not convert.
std::string unconvertible(TConvert& e, int cs, int us, int ct, int ut) {
    TUnit* src = e.Items(cs)->Units.Items(us);
    TUnit* trg = e.Items(ct)->Units.Items(ut);
    return "Cannot convert unit - " +
           (src->Kind() == TUnitKind::ukUnknown ? src->Symbol() : trg->Symbol());
}

} // namespace

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
    ConvertResult r = convertStored(q.text, t.text);
    // The kelvin of the scales takes no degree; thermal units are built on differences.
    int c, u;
    if (!r.ok && r.error == "Category with rule-based units cannot have exponent" &&
        fEng.WhereIsUnit("dK", c, u))
        r.hint = "write temperature differences with dK, d°C or d°F, as in 1 [W/m.dK]";
    return r;
}

std::string QuantityConverter::belowAbsoluteZero(const std::string& quantity) const {
    std::string units = quantity;
    int ci, ui;
    if (!UnitsOfField(units) || !fEng.WhereIsUnit(units, ci, ui)) return "";
    return belowAbsoluteZero(ci, ui, ValueOfField(quantity), quantity);
}

std::string QuantityConverter::belowAbsoluteZero(int ci, int ui, double value,
                                                 const std::string& quantity) const {
    TCat* cat = fEng.Items(ci);
    TUnit* core = cat->Units.Items(cat->Units.IndexOfSI());
    if (!cat->IsRule() || !core) return "";
    BaseDegrees kelvin;
    addCoreDegrees(*core, 1, kelvin);
    if (kelvin != BaseDegrees{{"K", 1}}) return "";
    const double k = fEng.toCore(*cat->Units.Items(ui), value);
    // The scales' formulas leave rounding dust at absolute zero itself (-459.67 °F).
    if (!(k < -1e-9)) return "";
    return "Below absolute zero - " + trim(quantity) + " is " + FormatNum(k, fEng.Prec()) + " [" +
           core->Symbol() + "]";
}

ConvertResult QuantityConverter::convertStored(const std::string& quantity,
                                               const std::string& trg) {
    Capture cap(fEng);
    ValFixCleared fix(fEng);
    // Each text is read once; the record and the entries travel on.
    const TDimRec q = ParseField(quantity);
    if (std::isnan(q.Valu)) return failure(notANumber(quantity));
    std::string why;
    UnitEntries te;
    const bool targetReads = ParseUnits(trg, te, &why);
    try {
        // A single unit to a single unit of its category, compound categories included:
        // the unit part is that unit, so the value converts from it directly.
        int cs, us, ct, ut;
        const bool single =
            quantity.find('[') != std::string::npos && fEng.WhereIsUnit(q.UnitsStr, cs, us);
        if (single) {
            if (std::string low = belowAbsoluteZero(cs, us, q.Valu, quantity); !low.empty())
                return failure(low);
        }
        if (single && fEng.WhereIsUnit(trg, ct, ut) && cs == ct) {
            if (us == ut) { // nothing to convert: the quantity as the engine prints it
                fEng.setField(q, quantity);
            } else {
                if (!fEng.Convert2AnyUnit(q.Valu, cs, us, ct, ut, trg) && !cap.any())
                    return failure(unconvertible(fEng, cs, us, ct, ut));
            }
            if (cap.any()) return failure(cap.first());
            if (!targetReads || !hasUnitsOf(fEng, te))
                return failure("Cannot convert unit - " + trg);
            return success(fEng.Field());
        }
        // Two units of one category (mg/kg) make no engine field, but a ratio through SI.
        if (std::string err = loadQuantity(fEng, q, quantity, cap); !err.empty())
            return err.rfind(kDuplicated, 0) == 0 ? throughSI(q, te, targetReads ? "" : why)
                                                  : failure(err);
        if (!targetReads) return failure(why);
        if (fEng.Convert2Dim(trg, false) && hasUnitsOf(fEng, te)) return success(fEng.Field());
        if (cap.any()) return failure(cap.first());
        return throughSI(q, te, "");
    } catch (const std::exception& e) {
        return failure(e.what());
    }
}

ConvertResult QuantityConverter::throughSI(const TDimRec& q, const UnitEntries& te,
                                           const std::string& targetError) {
    if (!targetError.empty()) return failure(targetError);
    const std::string quantity = DimRecText(q, fEng.Prec());
    const UnitEntries& se = q.units;
    const SIReduction s = reduceToSI(fEng, se);
    if (!s.ok) return failure(s.error);
    const SIReduction t = reduceToSI(fEng, te);
    if (!t.ok) return failure(t.error);
    const std::string rule = s.ruleUnit.empty() ? t.ruleUnit : s.ruleUnit;
    if (!rule.empty()) return failure("A rule unit converts only within its category - " + rule);
    const double si = q.Valu * s.factor;
    const std::string shown = " [" + UnitListText(te) + "]";
    if (s.base == t.base) return success(FormatNum(si / t.factor, fEng.Prec()) + shown);
    // Fuel economy and consumption, pace and speed, frequency and period: the same
    // quantity seen upside down.
    if (!s.base.empty() && s.base == inverted(t.base)) {
        if (si == 0) return failure("Zero has no reciprocal - " + trim(quantity));
        ConvertResult r = success(FormatNum(1 / si / t.factor, fEng.Prec()) + shown);
        r.note = "reciprocal conversion";
        return r;
    }
    return failure("Units do not match: " + baseDegreesText(s.base) + " vs " +
                   baseDegreesText(t.base));
}

ConvertResult QuantityConverter::base(const std::string& typedQuantity) {
    const TypedReading q = typed().quantity(typedQuantity);
    if (!q.ok) return failure(q.error);
    const std::string& quantity = q.text;
    Capture cap(fEng);
    ValFixCleared fix(fEng);
    try {
        if (std::string why = loadQuantity(fEng, quantity, cap); !why.empty()) return failure(why);
        if (std::string why = belowAbsoluteZero(quantity); !why.empty()) return failure(why);
        fEng.Convert2SI();
        // The dimensions' core units as entries: printing them and reading the text back
        // would fail for a compound core (m/s followed by /s).
        TDimRec s;
        s.ValuStr = ParseField(fEng.Field()).ValuStr;
        s.Valu = fEng.Value();
        for (int k = 0; k < fEng.DimCount(); ++k) {
            const TDim* d = fEng.Dims(k);
            s.units.push_back({d->Unit()->Symbol(), d->Degree()});
        }
        // Core units with a base definition are replaced by it; "1" drops the unit.
        std::vector<BaseRow> rows;
        for (const TUnitRec& u : s.units) {
            int ci, ui;
            if (!fEng.WhereIsUnit(u.UnitStr, ci, ui)) continue;
            TUnit* unit = fEng.Items(ci)->Units.Items(ui);
            if (unit->Kind() != TUnitKind::ukCore) continue;
            const TBaseUnits b = unit->In_base_units();
            if (unit->fIsBaseUnits) rows.push_back({u.UnitStr, u.UnitDeg, BaseVectorText(b)});
        }
        const TDimRec r = inBaseUnits(s, rows, {});
        return success(DimRecText(r, fEng.Prec()));
    } catch (const std::exception& e) {
        return failure(e.what());
    }
}

std::vector<ConvertResult> QuantityConverter::all(const std::string& typedQuantity) {
    const TypedReading q = typed().quantity(typedQuantity);
    if (!q.ok) return {failure(q.error)};
    const std::string& quantity = q.text;
    Capture cap(fEng);
    ValFixCleared fix(fEng);
    std::string src = quantity;
    int ci, ui;
    if (!UnitsOfField(src) || !fEng.WhereIsUnit(src, ci, ui))
        return {failure("Not a single unit of the unit data: " + trim(quantity))};
    const double x = ValueOfField(quantity);
    if (std::isnan(x)) return {failure(notANumber(quantity))};
    if (std::string why = belowAbsoluteZero(ci, ui, x, quantity); !why.empty())
        return {failure(why)};
    std::vector<ConvertResult> out;
    for (int k = 0; k < fEng.Items(ci)->Units.Count(); ++k) {
        const std::string sym = fEng.Items(ci)->Units.Items(k)->Symbol();
        try {
            const bool made = fEng.Convert2AnyUnit(x, ci, ui, ci, k, sym);
            if (cap.any()) return {failure(cap.first())};
            if (!made) {
                out.push_back(failure(unconvertible(fEng, ci, ui, ci, k)));
            } else {
                if (k == ui) fEng.setField(FormatNum(x, 15) + " [" + sym + "]");
                if (cap.any()) return {failure(cap.first())};
                UnitEntries want;
                ParseUnits(sym, want);
                out.push_back(hasUnitsOf(fEng, want) ? success(fEng.Field())
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
    ConvertResult r = convert(line.substr(0, tab), line.substr(tab + 1));
    if (!r.hint.empty()) r.error += " (" + r.hint + ")"; // one line per input line
    return r;
}

} // namespace tarnel
