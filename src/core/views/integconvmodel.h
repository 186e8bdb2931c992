#pragma once
// The integrated converter as data: the From/To panel and the Simple view's rows on one
// side, the category tree on the other. Here the panel's edit mode is switched freely,
// and a category picked in the tree multiplies its SI unit into the numerator or the
// denominator of the source, merged with a unit of the same category already there.

#include "core/session/convertersession.h"
#include "core/views/categorytreemodel.h"
#include "core/views/iopanelmodel.h"

#include <functional>
#include <string>
#include <vector>

namespace tarnel {

class TfmSimpleModel;

class TfmIntegConvModel {
  public:
    using Notify = std::function<void()>;

    TfmIntegConvModel(ConverterSession& session, TfmIOModel& io, TfmSimpleModel& sm);

    /// Takes the panel over (value mode, mode unlocked) and builds the tree afresh.
    void Init();
    /// Builds tree and buttons again without touching the panel (after a reload).
    void buildTree();
    /// Shows src as the source without reconverting on the way, then converts.
    void Execute(const std::string& src);

    /// The integrated layout is on screen: the panel's mode changes concern this frame.
    bool Active = false;

    /// The Edit button.
    void setEditDown(bool down);
    bool editDown() const { return fEditDown; }
    bool nomerEnabled() const { return fNomerEnabled; }

    const CategoryTreeModel& tree() const { return fTree; }
    const std::vector<bool>& expanded() const { return fExpanded; }
    void domainButtonClicked(const std::string& hint);
    TreeMatch selected() const { return fSelected; }
    /// The tree selection; an invalid node unselects.
    void selectNode(int domain, int category);
    void setSearchText(const std::string& text);
    const std::string& searchText() const { return fSearch; }
    const std::vector<TreeMatch>& visible() const { return fVisible; }

    /// The selected category's SI unit into the numerator (+1) or the denominator (-1).
    void include(int sign);
    /// d's unit to multiply by e so that it merges with a unit of e's category in d; a
    /// supplementary unit of that category in d is rewritten there in the SI unit.
    TUnitRec MatchUnit(TDimRec& d, const TUnitRec& e) const;

    /// The panel's source changed: reconvert, rebuilding the rows when its units changed.
    void sourceChanged();

    /// Right-hand part's width ÷ frame width.
    double SplitRatio = 0.41;
    int pageWidth(int frameWidth) const;
    void splitterMoved(int pageWidth, int frameWidth);

    std::string LastCat;

    /// The panel changed its pair through this frame: the History view records it.
    Notify LogIt;
    /// Buttons, tree or selection changed.
    Notify OnChanged;
    /// Runs when Init shows the tree page (the widget selects it).
    Notify OnShowCategories;

  private:
    void editModeChanged();
    void executeSimple();
    void changed() const;

    ConverterSession& fSession;
    TfmIOModel& fIO;
    TfmSimpleModel& fSm;
    CategoryTreeModel fTree;
    std::vector<bool> fExpanded;
    TreeMatch fSelected;
    std::string fSearch;
    std::vector<TreeMatch> fVisible;
    std::string fRowsUnits; // the source's unit part the Simple rows were built for
    bool fEditDown = false;
    bool fNomerEnabled = false;
};

} // namespace tarnel
