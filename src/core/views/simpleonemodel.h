#pragma once
// One row of the Simple view as data: a dimension of the source engine with its
// category caption, the unit lists for source and target, the degree and its buttons.
// The row finds its dimension through the engine on every use, so an engine that was
// rebuilt meanwhile (another view wrote its Field) leaves the row idle, never pointing
// at a freed dimension.

#include <functional>
#include <string>
#include <vector>

namespace tarnel {

class TConvert;
class TDim;

/// One entry of the unit lists: its text and the unit index it stands for.
struct TUnitItem {
    std::string text;
    int unitIdx = 0;
};

/// Column widths of a row laid out at some width.
struct TSimpleRowLayout {
    int cat = 0, source = 0, list = 0, siLeft = 0;
};

class TfmSimpleOneModel {
  public:
    using Event = std::function<void(TfmSimpleOneModel&)>;

    /// The row of dimension `dimIdx` of `cnv` (the source engine, ValFix set): builds
    /// the lists and selects the dimension's unit in both.
    TfmSimpleOneModel(TConvert& cnv, int dimIdx);

    /// The dimension this row edits; null once the engine no longer has it.
    TDim* Dim() const;
    int dimIndex() const { return fDimIdx; }

    /// Unit index of the chosen entry (-1 when its text has no bracketed symbol); also
    /// sets the list's hint.
    int InIdx();
    int OutIdx();
    /// Selects the entry of unit index k (the first entry when the list has none).
    void setOutIdx(int k);
    /// Captions and lists after a degree change; runs the source-unit change.
    void UpdateDegree();

    // What the user does.
    void chooseIn(int pos);
    void chooseOut(int pos);
    void siSource() { chooseIn(0); }
    void siTarget() { chooseOut(0); }
    void degreeUp() { stepDegree(+1); }
    void degreeDown() { stepDegree(-1); }

    // What the row shows.
    const std::string& catCaption() const { return fCatCaption; }
    /// With a supplementary category: the two lines at the caption's bottom.
    bool supShown() const { return fSupShown; }
    const std::string& plusCaption() const { return fPlusCaption; }
    const std::string& l2Caption() const { return fL2Caption; }
    const std::string& degreeText() const { return fDegreeText; }
    bool degreeButtonsShown() const { return fDegreeButtons; }
    const std::vector<TUnitItem>& items() const { return fItems; }
    /// Changes whenever items() does.
    unsigned itemsVersion() const { return fItemsVersion; }
    int inPos() const { return fInPos; }
    int outPos() const { return fOutPos; }
    const std::string& inHint() const { return fInHint; }
    const std::string& outHint() const { return fOutHint; }
    /// Below the fraction bar (negative degree).
    bool lower() const { return fLower; }

    bool Expanded = false;
    bool xShown = true;
    std::string name;
    Event OnInChange, OnOutChange;
    /// The shown data changed.
    std::function<void()> OnChanged;

    /// Widths per the row's width, the fixed panels and the SI button.
    static TSimpleRowLayout layout(int rowWidth, int degreeWidth, int arrowWidth, int siWidth,
                                   bool expanded);

  private:
    int findUnitIdx(int pos, std::string& hint) const;
    void sourceUnitChanged();
    void stepDegree(int step);
    /// The entry of a unit index; the first entry when none shows it.
    int posOfUnit(int unitIdx) const;
    void changed() const;

    TConvert& fCnv;
    int fDimIdx;
    std::string fCatCaption, fPlusCaption, fL2Caption, fDegreeText, fInHint, fOutHint;
    bool fSupShown = false;
    bool fDegreeButtons = true;
    bool fLower = false;
    std::vector<TUnitItem> fItems;
    int fInPos = -1, fOutPos = -1;
    unsigned fItemsVersion = 0;
};

} // namespace tarnel
