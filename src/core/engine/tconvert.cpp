#include "core/engine/tconvert.h"

#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"

#include <cmath>
#include <limits>

namespace tarnel {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
int sign(int d) {
    return d < 0 ? -1 : 1;
}
} // namespace

TConvert::TConvert(TParser& parser, IMessages& messages) : fParser(&parser), fMessages(&messages) {
    setMessages(fMessages);
}

TConvert::TConvert(TParser& parser, IMessages& messages, const std::string& filename)
    : TConvert(parser, messages) {
    LoadFromFile(filename);
}

IMessages& TConvert::redirectMessages(IMessages& to) {
    IMessages& old = *fMessages;
    fMessages = &to;
    setMessages(fMessages);
    return old;
}

void TConvert::Clear() {
    // Dimensions refer to the categories: they go first.
    fDims.clear();
    TCats::Clear();
}

void TConvert::message(const std::string& text) const {
    if (!fQuiet) fMessages->info(text);
}

void TConvert::setField(const std::string& v) {
    fEnabled = false;
    fDims.clear();
    const size_t k = v.find('[');
    fValStr = trim(k == std::string::npos ? v : v.substr(0, k));
    fValue = ValueOfField(v);
    std::string units = v;
    if (!UnitsOfField(units)) return;
    insertUnits(units);
}

void TConvert::setField(const TDimRec& r, const std::string& text) {
    // A unit part that did not read goes the long way, which reports why.
    if (r.units.empty() && !trimView(r.UnitsStr).empty()) {
        setField(text);
        return;
    }
    fEnabled = false;
    fDims.clear();
    fValStr = r.ValuStr;
    fValue = r.Valu;
    if (text.find('[') == std::string::npos) return;
    insertEntries(r.units);
}

void TConvert::setFieldParts(std::string valueText, const std::string& units) {
    // The same as writing valueText + " [" + units + "]" for a units text without brackets;
    // the caller sets the value.
    if (units.find_first_of("[]") != std::string::npos) {
        setField(valueText + " [" + units + "]");
        return;
    }
    fEnabled = false;
    fDims.clear();
    fValStr = std::move(valueText);
    insertUnits(units);
}

void TConvert::insertUnits(const std::string& units) {
    UnitEntries list;
    std::string why;
    if (!ParseUnits(units, list, &why)) {
        message(why);
        return;
    }
    insertEntries(list);
}

void TConvert::insertEntries(const UnitEntries& list) {
    fEnabled = true;
    for (const TUnitRec& e : list) {
        fEnabled = InsertUnit(kAppend, e);
        if (!fEnabled) break;
    }
    if (!fEnabled) {
        fDims.clear();
        fValStr.clear();
        fValue = kNaN;
    }
}

std::string TConvert::Field() const {
    std::string out;
    if (!fValStr.empty())
        out = fValStr;
    else if (!(std::isnan(fValue) && ValFix))
        out = FormatNum(fValue, fPrec);
    out += " [";
    out += unitPart();
    out += ']';
    return out;
}

std::string TConvert::unitPart() const {
    return UnitListText(unitEntries());
}

UnitEntries TConvert::unitEntries() const {
    UnitEntries list;
    list.reserve(fDims.size());
    for (const auto& d : fDims) {
        if (d->Kind() == TCatKind::ckUnknown) {
            list.push_back({d->UnknownUnit, d->fDegree});
        } else if (d->IsInSupCat()) {
            TUnit* u = d->UnitAt(d->fUnitIdx);
            if (!u) throw EM("56");
            list.push_back({u->Symbol(), sign(d->fDegree)});
        } else {
            TUnit* u = d->UnitAt(d->fUnitIdx);
            list.push_back({u ? u->Symbol() : std::string(), d->fDegree});
        }
    }
    return list;
}

bool TConvert::InsertUnit(int idx, const TUnitRec& ur) {
    const bool quiet = idx == kAppendQuietly;
    struct Quiet {
        bool& flag;
        bool old;
        ~Quiet() { flag = old; }
    } restore{fQuiet, fQuiet};
    if (quiet) fQuiet = true;

    const int pos = idx < 0 ? 0 : idx > DimCount() ? DimCount() : idx;
    int ci = -1, ui = -1;
    auto at = [&](int p, std::unique_ptr<TDim> d) {
        fDims.insert(fDims.begin() + p, std::move(d));
    };
    if (!WhereIsUnit(ur.UnitStr, ci, ui)) {
        auto d = std::make_unique<TDim>();
        d->UnknownUnit = ur.UnitStr;
        d->fDegree = ur.UnitDeg;
        at(pos, std::move(d));
        return true;
    }
    TCat* c = Items(ci);
    if (c->IsRule() && ur.UnitDeg != 1) {
        message("Category with rule-based units cannot have exponent");
        return false;
    }
    const int64_t absDeg = std::llabs(static_cast<int64_t>(ur.UnitDeg));
    if (c->Kind() == TCatKind::ckSup && absDeg >= 2) {
        message("Unit from supplemental categories cannot have exponent.");
        return false;
    }
    for (int k = 0; k < pos; ++k) {
        const TDim* d = fDims[static_cast<size_t>(k)].get();
        if (d->Kind() == TCatKind::ckUnknown) continue;
        bool collides = false;
        if (c->Kind() == TCatKind::ckRoot) collides = d->fCatIdx == ci;
        if (c->Kind() == TCatKind::ckSup) {
            if (!c->SupBase) throw EM("357");
            collides = c->SupBase == Items(d->fCatIdx);
        }
        if (collides) {
            message("Duplicated units categories - " + c->Name() + " / " +
                    Items(d->fCatIdx)->Name());
            return false;
        }
    }
    switch (c->Kind()) {
    case TCatKind::ckRoot: {
        auto d = std::make_unique<TDim>(c);
        d->ParentCnv = this;
        d->fUnitIdx = ui;
        d->fCatIdx = ci;
        d->setDegree(ur.UnitDeg);
        at(pos, std::move(d));
        return true;
    }
    case TCatKind::ckSup: {
        TCat* r = c->SupBase;
        if (!r) throw EM("357");
        if (r->Kind() != TCatKind::ckRoot) throw EM("358");
        auto d = std::make_unique<TDim>(r);
        d->ParentCnv = this;
        d->fCatIdx = IndexOf(r);
        d->setDegree(std::abs(c->SupDegree) * sign(ur.UnitDeg));
        d->SupCat = c; // the unit came from this category, whichever else has that degree
        d->fUnitIdx = r->Units.Count() + ui;
        at(pos, std::move(d));
        return true;
    }
    case TCatKind::ckComp:
        at(pos, std::make_unique<TDim>());
        return true;
    default: {
        // A category of unknown kind cannot convert: keep the symbol as written.
        auto d = std::make_unique<TDim>();
        d->UnknownUnit = ur.UnitStr;
        d->fDegree = ur.UnitDeg;
        at(pos, std::move(d));
        return true;
    }
    }
}

void TConvert::Convert2SI() {
    for (auto& d : fDims)
        d->Convert2SI();
}

bool TConvert::Convert2AnyUnit(const std::string& target) {
    return Convert2AnyUnit(unitPart(), target);
}

bool TConvert::Convert2AnyUnit(const std::string& source, const std::string& target) {
    int cs, us, ct, ut;
    if (!WhereIsUnit(source, cs, us) || !WhereIsUnit(target, ct, ut)) return false;
    return Convert2AnyUnit(cs, us, ct, ut, target);
}

bool TConvert::Convert2AnyUnit(double value, int cs, int us, int ct, int ut,
                               const std::string& target) {
    fValue = value;
    return Convert2AnyUnit(cs, us, ct, ut, target);
}

bool TConvert::Convert2AnyUnit(int cs, int us, int ct, int ut, const std::string& target) {
    if (cs != ct) throw EM("Categories don't match.");
    if (us == ut) return true;
    TUnit* src = Items(cs)->Units.Items(us);
    TUnit* trg = Items(ct)->Units.Items(ut);
    if (src->Kind() == TUnitKind::ukUnknown || trg->Kind() == TUnitKind::ukUnknown) return false;
    const double v = fromCore(*trg, toCore(*src, fValue));
    // Field := the formatted value and the target, then the full value (not the text's).
    setFieldParts(FormatNum(v, fPrec), target);
    fValue = v;
    return true;
}

bool TConvert::Convert2Dim(const std::string& target, bool errMsg) {
    UnitEntries list;
    std::string why;
    if (!ParseUnits(target, list, &why)) {
        message(why);
        return false;
    }
    if (static_cast<int>(list.size()) != DimCount()) {
        if (errMsg) throw EM("Different number of units.");
        return false;
    }
    for (int k = 0; k < DimCount(); ++k) {
        const TUnitRec& e = list[static_cast<size_t>(k)];
        TDim* d = Dims(k);
        if (d->Kind() == TCatKind::ckUnknown) continue;
        int j = -1;
        if (d->IsInSupCat()) {
            const int n = d->OwnCount();
            j = d->SupCat->Units.IndexOfSymbol(e.UnitStr);
            if (j >= 0) {
                j += n;
            } else {
                const std::string pow =
                    e.UnitStr + "^" + std::to_string(std::llabs(static_cast<int64_t>(d->fDegree)));
                const int p = d->SupCat->Units.IndexOfSymbol(pow);
                if (p >= 0)
                    j = p == d->SupCat->Units.IndexOfSI() ? d->Cat()->Units.IndexOfSI() : n + p;
                else if (e.UnitDeg == d->fDegree)
                    j = d->Cat()->Units.IndexOfSymbol(e.UnitStr);
            }
        } else {
            j = d->Cat()->Units.IndexOfSymbol(e.UnitStr);
        }
        if (j < 0) {
            if (errMsg) throw EM("Unknown unit - " + e.UnitStr);
            return false;
        }
        d->setUnitIdx(j);
    }
    return true;
}

} // namespace tarnel
