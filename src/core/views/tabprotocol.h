#pragma once
// The main window's tab change over the five views: what moves between source and
// target, when the History view records, which view the panel's edits reach, and the
// question before the All Units tab drops a unit it cannot show. Also the window's small
// rules around it: Ctrl shows the swap hint, the help context, the Copy text.

#include "core/views/iopanelmodel.h"
#include "core/views/unitmodule.h"

#include <array>
#include <functional>

namespace tarnel {

class IMessages;
class TConvert;
class TfmUnitOptions;

class TabProtocol {
  public:
    static constexpr int EditTab = 3;
    static constexpr int HistoryTab = 4;

    /// views in tab order: Simple, All Units, Base, Edit, History.
    TabProtocol(TfmIOModel& io, TConvert& iConvert, TConvert& oConvert, TfmUnitOptions& options,
                IMessages& msgs, const std::array<UnitModule*, 5>& views);

    /// Before a change: remembers the tab being left.
    void tabChanging(int leaving) { OldPage = leaving; }
    /// After a change to tab `entered`.
    void tabChanged(int entered);
    /// The handler called without a sender: a fresh arrival on the Edit tab.
    void freshArrival();

    /// Ctrl pressed on the active tab / released.
    void ctrlDown(int activeTab);
    void ctrlUp();

    /// The help page for the layout and the active tab.
    static int helpContext(bool multiTab, int activeTab);
    /// The Copy button's text, after the option CopyBoth.
    std::string copyText();

    int OldPage = 0;
    /// Makes tab i active without a second change event (the answer No).
    std::function<void(int)> OnActivateTab;

  private:
    /// False when the user answers No to losing a unit the All Units view cannot show.
    bool keepUnitForAll();
    UnitModule* view(int tab) const;

    TfmIOModel& fIO;
    TConvert& fIConvert;
    TConvert& fOConvert;
    TfmUnitOptions& fOptions;
    IMessages& fMessages;
    std::array<UnitModule*, 5> fViews;
};

} // namespace tarnel
