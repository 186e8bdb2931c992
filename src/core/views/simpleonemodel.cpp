#include "core/views/simpleonemodel.h"

#include "core/engine/tconvert.h"
#include "core/text/strutil.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarnel {

namespace {
/// The symbol part of a list entry: after the first "[" up to the next "]" or "^".
std::string itemSymbol(const std::string& text) {
    const size_t open = text.find('[');
    if (open == std::string::npos) return "";
    const size_t end = text.find_first_of("]^", open + 1);
    return text.substr(open + 1, end == std::string::npos ? std::string::npos : end - open - 1);
}

int absDegree(const TDim& d) {
    return static_cast<int>(std::llabs(static_cast<long long>(d.Degree())));
}
} // namespace

TfmSimpleOneModel::TfmSimpleOneModel(TConvert& cnv, int dimIdx) : fCnv(cnv), fDimIdx(dimIdx) {
    TDim* d = Dim();
    if (!d) return;
    fLower = d->Degree() < 1;
    name = "iSimples" + std::to_string(dimIdx);
    if (d->Kind() == TCatKind::ckUnknown || d->Kind() == TCatKind::ckComp) return;
    const int k = d->UnitIdx();
    UpdateDegree();
    fInPos = fOutPos = posOfUnit(k);
    sourceUnitChanged();
}

TDim* TfmSimpleOneModel::Dim() const {
    return fCnv.Dims(fDimIdx);
}

int TfmSimpleOneModel::posOfUnit(int unitIdx) const {
    for (size_t p = 0; p < fItems.size(); ++p)
        if (fItems[p].unitIdx == unitIdx) return static_cast<int>(p);
    // The supplementary core unit is not listed: it is the root core unit's entry.
    const TDim* d = Dim();
    if (d && d->SupCat && d->Cat() && unitIdx == d->OwnCount() + d->SupCat->Units.IndexOfSI()) {
        const int core = d->Cat()->Units.IndexOfSI();
        for (size_t p = 0; p < fItems.size(); ++p)
            if (fItems[p].unitIdx == core) return static_cast<int>(p);
    }
    return 0;
}

int TfmSimpleOneModel::findUnitIdx(int pos, std::string& hint) const {
    if (pos < 0 || pos >= static_cast<int>(fItems.size())) return -1;
    const std::string& text = fItems[static_cast<size_t>(pos)].text;
    const size_t open = text.find('[');
    const size_t close = open == std::string::npos ? open : text.find(']', open + 1);
    if (close == std::string::npos) return -1;
    std::string s = text.substr(open + 1, close - open - 1);
    s = trim(s.substr(0, s.find('^')));
    const TDim* d = Dim();
    if (!d || !d->Cat()) return 0;
    const TUnitList& own = d->Cat()->Units;
    for (int i = 0; i < own.Count(); ++i)
        if (trim(own.Items(i)->Symbol()) == s) {
            hint = "| " + own.Items(i)->Comment();
            return i;
        }
    if (d->SupCat)
        for (int i = 0; i < d->SupCat->Units.Count(); ++i)
            if (trim(d->SupCat->Units.Items(i)->Symbol()) == s) {
                hint = "| " + d->SupCat->Units.Items(i)->Comment();
                return i + own.Count();
            }
    return 0;
}

int TfmSimpleOneModel::InIdx() {
    return findUnitIdx(fInPos, fInHint);
}

int TfmSimpleOneModel::OutIdx() {
    return findUnitIdx(fOutPos, fOutHint);
}

void TfmSimpleOneModel::setOutIdx(int k) {
    fOutPos = posOfUnit(k);
    changed();
}

void TfmSimpleOneModel::UpdateDegree() {
    TDim* d = Dim();
    if (!d || !d->Cat()) return;
    const TCat& cat = *d->Cat();
    fDegreeButtons = !cat.IsRule();
    const auto textAt = [this](int pos) {
        return pos >= 0 && pos < static_cast<int>(fItems.size())
                   ? fItems[static_cast<size_t>(pos)].text
                   : std::string();
    };
    const std::string inSym = itemSymbol(textAt(fInPos)), outSym = itemSymbol(textAt(fOutPos));
    const int deg = absDegree(*d);
    fDegreeText = std::to_string(deg);
    fItems.clear();
    ++fItemsVersion;
    if (!d->SupCat) {
        fCatCaption = "  " + cat.Name();
        fSupShown = false;
        for (int i = 0; i < cat.Units.Count(); ++i)
            fItems.push_back({cat.Units.Items(i)->FullName(), i});
    } else {
        fCatCaption.clear();
        fSupShown = true;
        fPlusCaption = "  " + cat.Name() + "^" + fDegreeText;
        fL2Caption = " = " + d->SupCat->Name();
        const std::string prefix = deg == 2 ? "sq." : deg == 3 ? "cub." : "";
        for (int i = 0; i < cat.Units.Count(); ++i) {
            const TUnit* u = cat.Units.Items(i);
            fItems.push_back(
                {prefix + u->Name() + " [" + u->Symbol() + "^" + fDegreeText + "]", i});
        }
        // The supplementary core unit is the root core unit to this degree: listed once.
        const TUnitList& sup = d->SupCat->Units;
        const int core = sup.IndexOfSI();
        for (int j = 0; j < sup.Count(); ++j)
            if (j != core) fItems.push_back({sup.Items(j)->FullName(), cat.Units.Count() + j});
    }
    const auto reselect = [this](const std::string& sym) {
        int pos = 0;
        for (size_t p = 0; p < fItems.size(); ++p)
            if (itemSymbol(fItems[p].text) == sym) pos = static_cast<int>(p);
        return pos;
    };
    fInPos = reselect(inSym);
    fOutPos = reselect(outSym);
    sourceUnitChanged();
}

void TfmSimpleOneModel::sourceUnitChanged() {
    // The source engine keeps its value: the typed number now means the chosen unit.
    if (TDim* d = Dim()) d->setUnitIdx(InIdx());
    changed();
    if (OnInChange) OnInChange(*this);
}

void TfmSimpleOneModel::chooseIn(int pos) {
    if (pos < 0 || pos >= static_cast<int>(fItems.size())) return;
    fInPos = pos;
    sourceUnitChanged();
}

void TfmSimpleOneModel::chooseOut(int pos) {
    if (pos < 0 || pos >= static_cast<int>(fItems.size())) return;
    fOutPos = pos;
    OutIdx(); // the hint follows the choice
    changed();
    if (OnOutChange) OnOutChange(*this);
}

void TfmSimpleOneModel::stepDegree(int step) {
    TDim* d = Dim();
    if (!d || !d->Cat() || d->Cat()->IsRule()) return;
    const int sign = d->Degree() < 0 ? -1 : 1;
    d->setDegree(sign * std::clamp(absDegree(*d) + step, 1, 9));
    UpdateDegree();
}

void TfmSimpleOneModel::changed() const {
    if (OnChanged) OnChanged();
}

TSimpleRowLayout TfmSimpleOneModel::layout(int rowWidth, int degreeWidth, int arrowWidth,
                                           int siWidth, bool expanded) {
    TSimpleRowLayout l;
    const double a = std::nearbyint((rowWidth - degreeWidth - arrowWidth) / 3.0);
    if (a <= 0) return l;
    l.cat = static_cast<int>(std::trunc(a * 28 / 33.33));
    l.source = std::max(0, static_cast<int>(std::trunc(a * 36 / 33.33)) - 1);
    l.list = std::max(0, expanded ? l.source - siWidth - 9 : l.source - 6);
    l.siLeft = l.list + 6;
    return l;
}

} // namespace tarnel
