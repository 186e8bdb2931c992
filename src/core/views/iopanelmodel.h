#pragma once
// The From/To panel without widgets. Views read and write the source and target here in
// stored form; the cells hold what the grid shows, in display form. Writing the edit box
// text runs the source change step just as the edit box's change event does, so
// `protege` is what keeps a view's own writes from reconverting. Messages of the unit
// notation (a typing error in the unit part) are kept in lastError() for a status line
// instead of being shown once per keystroke.

#include "core/notation/abbreviations.h"
#include "core/views/flagguard.h"

#include <functional>
#include <string>

namespace tarnel {

enum class TSrcTrg { Src, Trg };

/// What the edit box does with a typed character.
enum class KeyAction { Pass, Swallow, ToggleEditMode, EditModeOn };

/// The edit box colour: normal, not a number (tooltip background), edit mode (pale green).
enum class EditColour { Normal, Invalid, EditMode };

/// What a mouse release on the grid does.
struct MouseAction {
    enum Kind { None, Clear, DeleteUnits, ReExecute } kind = None;
    bool popup = false;      // pop the Copy Source / Target / Both menu up at the pointer
    bool copyTarget = false; // "Copy Target" enabled
    bool copyBoth = false;   // "Copy Both" enabled
};

class TfmIOModel {
  public:
    using Notify = std::function<void()>;

    /// `prec` gives the precision option when a number has to be printed.
    TfmIOModel(const AbbrevList& abbr, std::function<int()> prec);

    /// Clears ModeLocked; the panel starts in value mode.
    void Init();

    /// A grid cell (column, row) as shown.
    std::string cell(int col, int row) const;
    const std::string& editText() const { return fEditText; }
    EditColour editColour() const { return fEditColour; }
    /// The sign cell "X" on the tooltip background (edit mode) or "=" on white.
    bool signCellEditColours() const { return fEditMode; }

    std::string Source() const;
    void setSource(const std::string& v);
    std::string Target() const;
    void setTarget(const std::string& v);
    bool TargetEmpty() const;
    void setTargetEmpty(bool empty);
    TDimRec DimRec(TSrcTrg st) const;
    void setDimRec(TSrcTrg st, const TDimRec& r);

    bool EditMode() const { return fEditMode; }
    /// Does nothing while ModeLocked is set or when the mode is already w.
    void setEditMode(bool w);
    /// Sets the mode even when locked (the lock is put back afterwards).
    void forceEditMode(bool w);
    bool Swapping() const { return fSwapping; }
    /// Shows or hides the "<-" hint.
    void setSwapping(bool s);

    /// Edit mode only: the source keeps its value and loses its unit part.
    void DeleteUnits();
    /// Edit mode only: the source loses value and unit part.
    void Clear();

    /// The edit box's change event for a text the user typed or pasted.
    void userEdited(const std::string& text);
    /// The key filter's decision for a typed character (Enter is '\r' or '\n').
    KeyAction filterKey(char32_t c) const;
    /// Applies the key filter; true when the character goes into the edit box.
    bool keyPress(char32_t c);
    /// The grid's mouse release on cell (col, row); runs Clear, DeleteUnits or
    /// OnReExecute and answers what the widget still has to do.
    MouseAction mouseUp(int col, int row, bool rightButton);

    /// "Copy Both": source " = " target, in stored form.
    std::string bothText() const;
    /// The main window's Copy: the pair with CopyBoth, else the target alone.
    std::string copyText(bool copyBoth) const;

    /// Width of the unit column: half the grid beside the sign column, less the value
    /// column and a margin; never negative.
    static int unitColumnWidth(int gridWidth, int signWidth, int valueWidth);

    /// The last message of the unit notation, empty when none since clearLastError().
    const std::string& lastError() const { return fLastError; }
    void clearLastError() { fLastError.clear(); }

    /// While the guard lives, edit box changes fire nothing.
    FlagGuard protect() { return FlagGuard(fProtege, true); }
    bool protege() const { return fProtege; }

    bool ModeLocked = false;
    Notify OnValueChange;
    Notify OnEditModeChange;
    Notify OnReExecute;
    /// The shown data changed: the widget lays out and repaints.
    Notify OnCellsChanged;

  private:
    template <class F> auto notation(F&& f) const;
    std::string display(const std::string& t) const;
    std::string store(const std::string& t) const;
    TDimRec parse(const std::string& t) const;
    void setEditBox(const std::string& text);
    void sourceChanged();
    void changed() const;

    const AbbrevList& fAbbr;
    std::function<int()> fPrec;
    std::string fEditText, fUnitCell, fTargetCell;
    EditColour fEditColour = EditColour::Normal;
    bool fEditMode = false;
    bool fSwapping = false;
    bool fProtege = false;
    mutable std::string fLastError;
};

} // namespace tarnel
