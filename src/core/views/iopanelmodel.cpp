#include "core/views/iopanelmodel.h"

#include "core/text/messages.h"
#include "core/text/strutil.h"

#include <cmath>
#include <limits>

namespace tarnel {

TfmIOModel::TfmIOModel(const AbbrevList& abbr, std::function<int()> prec)
    : fAbbr(abbr), fPrec(std::move(prec)) {}

void TfmIOModel::Init() {
    ModeLocked = false;
    changed();
}

// The one place where the notation's messages are caught: they become lastError()
// rather than a message box for every keystroke.
template <class F> auto TfmIOModel::notation(F&& f) const {
    std::string why;
    auto result = f(&why);
    if (!why.empty()) fLastError = why;
    return result;
}

std::string TfmIOModel::display(const std::string& t) const {
    return notation([&](std::string* why) { return DisplayField(t, fAbbr, fPrec(), why); });
}

std::string TfmIOModel::store(const std::string& t) const {
    return notation([&](std::string* why) { return StoreField(t, fAbbr, fPrec(), why); });
}

TDimRec TfmIOModel::parse(const std::string& t) const {
    return notation([&](std::string* why) { return ParseField(t, why); });
}

void TfmIOModel::changed() const {
    if (OnCellsChanged) OnCellsChanged();
}

std::string TfmIOModel::cell(int col, int row) const {
    if (row == 0) {
        if (col == 0) return " F r o m";
        if (col == 2) return fSwapping ? "<-" : "";
        if (col == 3) return " T o";
        return "";
    }
    if (row != 1) return "";
    switch (col) {
    case 0:
        return fEditText;
    case 1:
        return fUnitCell;
    case 2:
        return fEditMode ? "X" : "=";
    case 3:
        return fTargetCell;
    default:
        return "";
    }
}

std::string TfmIOModel::Source() const {
    if (fEditMode) return fEditText;
    if (!trim(fUnitCell).empty()) return store(fEditText + " " + fUnitCell);
    return fEditText + "[]";
}

void TfmIOModel::setSource(const std::string& v) {
    if (fEditMode) {
        setEditBox(v);
        return;
    }
    const size_t p = v.find('[');
    if (p == std::string::npos) {
        fUnitCell.clear();
        setEditBox(v);
        changed();
        return;
    }
    // The unit cell is written before the edit box: its change event may reconvert, and
    // must then see the new unit part with the new value.
    std::string t = display("1 " + trim(std::string_view(v).substr(p)));
    fUnitCell = UnitsOfField(t) ? "[" + t + "]" : "[]";
    setEditBox(trim(std::string_view(v).substr(0, p)));
    changed();
}

std::string TfmIOModel::Target() const {
    return store(fTargetCell);
}

void TfmIOModel::setTarget(const std::string& v) {
    std::string t = display(v);
    if (trim(DimRec(TSrcTrg::Src).ValuStr).empty()) {
        // No value given: the engine's "NAN" says nothing the user wants to see.
        const std::string up = upperAscii(t);
        const size_t k = up.find("NAN");
        if (k != std::string::npos) t.erase(k, 3);
    }
    if (trim(t) == "[]") t.clear();
    fTargetCell = t;
    changed();
}

bool TfmIOModel::TargetEmpty() const {
    const std::string t = trim(Target());
    return t.empty() || t == "[]";
}

void TfmIOModel::setTargetEmpty(bool empty) {
    setTarget(empty ? std::string() : Source());
}

TDimRec TfmIOModel::DimRec(TSrcTrg st) const {
    return parse(st == TSrcTrg::Src ? Source() : Target());
}

void TfmIOModel::setDimRec(TSrcTrg st, const TDimRec& r) {
    const std::string t = DimRecText(r, fPrec());
    if (st == TSrcTrg::Src)
        setSource(t);
    else
        setTarget(t);
}

void TfmIOModel::setEditMode(bool w) {
    if (ModeLocked || w == fEditMode) return;
    {
        FlagGuard quiet(fProtege, true);
        fEditMode = w;
        if (w) {
            fEditColour = EditColour::EditMode;
            setTarget("");
            // The stored unit part prints with a leading blank where the value would be.
            const std::string u = trim(fUnitCell).empty() ? "[]" : trim(store(fUnitCell));
            setEditBox(fEditText + " " + u);
        } else {
            fEditColour = EditColour::Normal;
            setSource(std::string(fEditText)); // splits value and unit part
            setTarget(Source());
        }
    }
    changed();
    if (OnEditModeChange) OnEditModeChange();
}

void TfmIOModel::forceEditMode(bool w) {
    FlagGuard unlocked(ModeLocked, false);
    setEditMode(w);
}

void TfmIOModel::setSwapping(bool s) {
    fSwapping = s;
    changed();
}

void TfmIOModel::DeleteUnits() {
    if (!fEditMode) return;
    TDimRec d = DimRec(TSrcTrg::Src);
    d.units.clear();
    setDimRec(TSrcTrg::Src, d);
}

void TfmIOModel::Clear() {
    if (!fEditMode) return;
    TDimRec d = DimRec(TSrcTrg::Src);
    d.units.clear();
    d.ValuStr.clear();
    d.Valu = std::numeric_limits<double>::quiet_NaN();
    setDimRec(TSrcTrg::Src, d);
}

void TfmIOModel::setEditBox(const std::string& text) {
    if (text == fEditText) return; // an edit box reports no change for the same text
    fEditText = text;
    sourceChanged();
}

void TfmIOModel::userEdited(const std::string& text) {
    setEditBox(text);
}

void TfmIOModel::sourceChanged() {
    changed();
    if (fProtege) return;
    if (!fEditMode) {
        const std::string t = trim(fEditText);
        fEditColour = !t.empty() && !isDecimalLiteral(t) ? EditColour::Invalid : EditColour::Normal;
    }
    if (OnValueChange) OnValueChange();
}

KeyAction TfmIOModel::filterKey(char32_t c) const {
    if (c == U'\r' || c == U'\n') return KeyAction::ToggleEditMode;
    if (fEditMode) return KeyAction::Pass;
    if (c == U'[') return KeyAction::EditModeOn;
    const bool number = c == U'\b' || c == U'+' || c == U'-' || c == U'.' ||
                        (c >= U'0' && c <= U'9') || c == U'E' || c == U'e';
    return number ? KeyAction::Pass : KeyAction::Swallow;
}

bool TfmIOModel::keyPress(char32_t c) {
    switch (filterKey(c)) {
    case KeyAction::Pass:
        return true;
    case KeyAction::Swallow:
        return false;
    case KeyAction::ToggleEditMode:
        setEditMode(!fEditMode);
        return false;
    case KeyAction::EditModeOn:
        setEditMode(true);
        return false;
    }
    return false;
}

MouseAction TfmIOModel::mouseUp(int col, int row, bool rightButton) {
    MouseAction a;
    const bool sign = col == 2 && row == 1;
    if (sign && fEditMode) {
        a.kind = rightButton ? MouseAction::Clear : MouseAction::DeleteUnits;
        if (rightButton)
            Clear();
        else
            DeleteUnits();
        return a;
    }
    if (sign && OnReExecute) {
        a.kind = MouseAction::ReExecute;
        OnReExecute();
    }
    if (rightButton && row == 1) {
        a.popup = true;
        a.copyTarget = !TargetEmpty();
        a.copyBoth = a.copyTarget;
    }
    return a;
}

std::string TfmIOModel::bothText() const {
    return Source() + " = " + Target();
}

std::string TfmIOModel::copyText(bool copyBoth) const {
    return copyBoth ? bothText() : Target();
}

int TfmIOModel::unitColumnWidth(int gridWidth, int signWidth, int valueWidth) {
    // Halves go to even, as the layout always did.
    const int half = static_cast<int>(std::nearbyint((gridWidth - signWidth) / 2.0));
    const int w = half - valueWidth - 20;
    return w > 0 ? w : 0;
}

} // namespace tarnel
