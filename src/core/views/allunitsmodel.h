#pragma once
// The All Units view and, in compose mode, the Edit tab's composer, without widgets. The
// tree selects a category; both grids list its enabled units (a row is a unit index of
// the category). Picking a source row re-labels the typed number, picking a target row
// converts it; in compose mode the picked unit is multiplied into the numerator or the
// denominator of the source's unit part instead.

#include "core/session/convertersession.h"
#include "core/views/categorytreemodel.h"
#include "core/views/iopanelmodel.h"
#include "core/views/unitmodule.h"

#include <functional>
#include <string>
#include <vector>

namespace tarnel {

struct UnitRow {
    std::string name;
    std::string symbol;
};

class TfmAllUnitsModel : public UnitModule {
  public:
    using Notify = std::function<void()>;

    TfmAllUnitsModel(ConverterSession& session, TfmIOModel& io);

    void Init() override;
    void PageChanging(TPageType oldPage, TPageType newPage) override;
    void Execute() override;
    void OnSourceChange() override { Recalc(-1, -1); }

    bool ComposeMode() const { return fComposeMode; }
    void setComposeMode(bool v);
    std::string sourceCaption() const;
    bool targetVisible() const { return !fComposeMode; }
    bool degreeBarVisible() const { return fComposeMode; }

    const CategoryTreeModel& tree() const { return fTree; }
    /// Roots expanded, one flag per domain.
    const std::vector<bool>& expanded() const { return fExpanded; }
    /// A click on a domain tool button (by its hint).
    void domainButtonClicked(const std::string& hint);
    /// The selected category node ({-1, -1} when none).
    TreeMatch selected() const { return fSelected; }
    /// The tree selection step; an invalid node unselects.
    void selectNode(int domain, int category);
    bool searchCatEnabled() const { return fSelected.category >= 0; }

    /// Rows of both grids; a new category changes rowsVersion().
    const std::vector<UnitRow>& rows() const { return fRows; }
    int rowsVersion() const { return fRowsVersion; }
    int sourceRow() const { return fSourceRow; }
    int targetRow() const { return fTargetRow; }
    /// The row the grids should scroll to (a unit the search found), or -1.
    int scrollRow() const { return fScrollRow; }
    /// The user picked a row of the source grid / the target grid.
    void selectSourceRow(int r);
    void selectTargetRow(int r);
    /// The conversion; a negative or out-of-range row means the selected row.
    void Recalc(int srcRow, int trgRow);
    /// Compose mode: the selected source unit into the numerator (+1) or denominator (-1).
    void include(int sign);

    /// The search box's text: the tree keeps the matching categories.
    void setSearchText(const std::string& text);
    const std::string& searchText() const { return fSearch; }
    const std::vector<TreeMatch>& visible() const { return fVisible; }

    /// Layout: the tree's width for a frame width, the splitter's new ratio, the target
    /// box's height for the dimensions panel's height.
    int treeWidth(int frameWidth) const;
    void splitterMoved(int treeWidth, int frameWidth);
    static int targetHeight(int panelHeight);

    double SplitRatio = 0.5;
    bool Protege = false;
    std::string LastCat;
    std::string LastUnit;

    /// The history's recording hook (the panel's LogIt).
    Notify OnLogIt;
    /// The tree, the grids or their selection changed.
    Notify OnChanged;
    /// The first engine message of an operation (a typing error: one status line).
    std::function<void(const std::string&)> OnMessage;

  private:
    void fillRows(const TCat* cat);
    int clampRow(int r, int selected) const;
    /// The row of the unit through which the search found this node, or -1.
    int scrollRowOf(const TreeMatch& node) const;
    void report(const std::string& message) const;
    void changed() const;

    ConverterSession& fSession;
    TfmIOModel& fIO;
    CategoryTreeModel fTree;
    std::vector<bool> fExpanded;
    TreeMatch fSelected;
    std::vector<UnitRow> fRows;
    int fRowsVersion = 0;
    int fSourceRow = -1;
    int fTargetRow = -1;
    int fScrollRow = -1;
    std::string fSearch;
    std::vector<TreeMatch> fVisible;
    bool fComposeMode = false;
};

} // namespace tarnel
