#include "core/views/tabprotocol.h"

#include "core/engine/tconvert.h"
#include "core/settings/unitoptions.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"

namespace tarnel {

namespace {
bool converts(TPageType p) {
    return p == TPageType::ptSimple || p == TPageType::ptAll || p == TPageType::ptBase;
}
} // namespace

TabProtocol::TabProtocol(TfmIOModel& io, TConvert& iConvert, TConvert& oConvert,
                         TfmUnitOptions& options, IMessages& msgs,
                         const std::array<UnitModule*, 5>& views)
    : fIO(io), fIConvert(iConvert), fOConvert(oConvert), fOptions(options), fMessages(msgs),
      fViews(views) {}

UnitModule* TabProtocol::view(int tab) const {
    return tab >= 0 && tab < 5 ? fViews[static_cast<size_t>(tab)] : nullptr;
}

void TabProtocol::freshArrival() {
    OldPage = EditTab;
    tabChanged(EditTab);
}

void TabProtocol::tabChanged(int entered) {
    fIO.OnValueChange = nullptr;
    const TPageType n = pageOfTab(entered), o = pageOfTab(OldPage);
    if (converts(o) || converts(n))
        if (UnitModule* history = view(HistoryTab)) history->Execute(); // records the pair
    if (o == TPageType::ptBase) fIO.setSource(fIO.Target());
    const TUOpts opts = fOptions.Opts();
    if ((o == TPageType::ptSimple || o == TPageType::ptAll) && n == TPageType::ptEdit &&
        (opts.SwapSrcTrg || fIO.Swapping()))
        fIO.setSource(fIO.Target());
    if (fIO.TargetEmpty()) fIO.setTarget(fIO.Source());
    if (n == TPageType::ptEdit || n == TPageType::ptLog) fIO.setTarget("");
    if (n == TPageType::ptAll && opts.PromptB4Delete && !keepUnitForAll()) {
        if (OnActivateTab) OnActivateTab(OldPage);
        // The tab is back without a change event: connect its view again, or typing in
        // the panel would reach no view at all.
        if (UnitModule* back = view(OldPage))
            fIO.OnValueChange = [back] { back->OnSourceChange(); };
        return;
    }
    UnitModule* entering = view(entered);
    if (!entering) return;
    fIO.OnValueChange = [entering] { entering->OnSourceChange(); };
    if (UnitModule* leaving = view(OldPage)) leaving->PageChanging(o, n);
    fIO.OnReExecute = nullptr;
    entering->PageChanging(o, n);
}

bool TabProtocol::keepUnitForAll() {
    const std::string source = fIO.Source();
    fOConvert.setField(source);
    std::string part = source;
    if (!UnitsOfField(part) || trim(part).empty() || !fOConvert.Enabled()) return true;
    int cat = 0, unit = 0;
    if (fIConvert.WhereIsUnit(part, cat, unit)) return true;
    return fMessages.yesNo("Cannot find [" + part +
                           "] in all units list. Continue ?\n\nDelete it and continue(Yes) or "
                           "go back to the last tab (No)?");
}

void TabProtocol::ctrlDown(int activeTab) {
    const TPageType p = pageOfTab(activeTab);
    if (p == TPageType::ptSimple || p == TPageType::ptAll) fIO.setSwapping(true);
}

void TabProtocol::ctrlUp() {
    fIO.setSwapping(false);
}

int TabProtocol::helpContext(bool multiTab, int activeTab) {
    return multiTab ? 3213 + activeTab : 3211;
}

std::string TabProtocol::copyText() {
    return fIO.copyText(fOptions.Opts().CopyBoth);
}

} // namespace tarnel
