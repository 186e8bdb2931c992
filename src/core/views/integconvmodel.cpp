#include "core/views/integconvmodel.h"

#include "core/engine/tconvert.h"
#include "core/views/simplemodel.h"

#include <cmath>

namespace tarnel {

namespace {
/// The category's enabled SI unit: the first one, or the last when `last` is set.
const TUnit* siUnit(const TCat* cat, bool last) {
    const TUnit* found = nullptr;
    if (!cat) return nullptr;
    for (const TUnit* u : cat->Units.items())
        if (u->Kind() == TUnitKind::ukCore) {
            found = u;
            if (!last) break;
        }
    return found;
}
} // namespace

TfmIntegConvModel::TfmIntegConvModel(ConverterSession& session, TfmIOModel& io, TfmSimpleModel& sm)
    : fSession(session), fIO(io), fSm(sm) {}

void TfmIntegConvModel::changed() const {
    if (OnChanged) OnChanged();
}

void TfmIntegConvModel::Init() {
    fIO.OnEditModeChange = [this] { editModeChanged(); };
    fIO.OnValueChange = [this] { sourceChanged(); };
    fIO.ModeLocked = false;
    fIO.setEditMode(false);
    fEditDown = fIO.EditMode();
    SplitRatio = 0.41;
    buildTree();
    fSm.setExpanded(false);
    if (OnShowCategories) OnShowCategories();
}

void TfmIntegConvModel::buildTree() {
    fTree.build(fSession.iConvert(), CategoryTreeModel::SiLabels);
    fExpanded.assign(fTree.domains().size(), false);
    if (!fExpanded.empty()) fExpanded[0] = true;
    fSelected = {};
    fNomerEnabled = false;
    LastCat.clear();
    fVisible = fTree.search(fSearch);
    changed();
}

void TfmIntegConvModel::Execute(const std::string& src) {
    {
        const FlagGuard quiet = fIO.protect();
        fIO.setSource(src);
    }
    if (fIO.TargetEmpty()) fIO.setTarget(fIO.Source());
    if (!fIO.EditMode()) executeSimple();
}

void TfmIntegConvModel::executeSimple() {
    // The rows are built for the source's units; only Execute makes them match again.
    fSm.Execute();
}

void TfmIntegConvModel::sourceChanged() {
    if (fIO.EditMode()) return;
    // A source put back from elsewhere (the History view) may bring other units: the
    // rows would no longer match them.
    TConvert& in = fSession.iConvert();
    if (ParseField(fIO.Source()).units != ParseField(in.Field()).units)
        executeSimple();
    else
        fSm.OnSourceChange();
}

void TfmIntegConvModel::editModeChanged() {
    // In the multi-tab layout the tabs themselves decide what a mode change shows.
    if (!Active) return;
    if (fIO.EditMode())
        fSm.Init(); // no rows while the unit part is being edited
    else
        Execute(fIO.Source());
    fNomerEnabled = fSelected.category >= 0;
    fEditDown = fIO.EditMode();
    changed();
}

void TfmIntegConvModel::setEditDown(bool down) {
    fEditDown = down;
    fIO.setEditMode(down);
    fEditDown = fIO.EditMode();
    changed();
}

void TfmIntegConvModel::domainButtonClicked(const std::string& hint) {
    fExpanded = fTree.expandedAfter(hint);
    changed();
}

void TfmIntegConvModel::selectNode(int domain, int category) {
    const TreeCategory* node = fTree.category(domain, category);
    fSelected = node ? TreeMatch{domain, category, -1} : TreeMatch{};
    fNomerEnabled = node != nullptr;
    if (node) LastCat = node->text;
    changed();
}

void TfmIntegConvModel::setSearchText(const std::string& text) {
    fSearch = text;
    fVisible = fTree.search(text);
    changed();
}

TUnitRec TfmIntegConvModel::MatchUnit(TDimRec& d, const TUnitRec& e) const {
    TUnitRec result = e;
    const TConvert& db = fSession.iConvert();
    int ci = -1, ui = -1;
    if (!db.WhereIsUnit(e.UnitStr, ci, ui)) return result;
    const TCat* c = db.Items(ci);
    for (TUnitRec& u : d.units) {
        int ki = -1, kui = -1;
        if (!db.WhereIsUnit(u.UnitStr, ki, kui)) continue;
        const TCat* k = db.Items(ki);
        if (k->Kind() == TCatKind::ckSup && k->SupBase == c) {
            // A hectare beside a length becomes m^2 so that the two merge; the number
            // stays as typed and is relabelled.
            const TUnit* si = siUnit(c, false);
            if (!si) continue;
            const int32_t sign = u.UnitDeg < 0 ? -1 : 1;
            u = {si->Symbol(), sign * k->SupDegree};
            result.UnitStr = si->Symbol();
        } else if (k == c) {
            result.UnitStr = u.UnitStr;
        }
    }
    return result;
}

void TfmIntegConvModel::include(int sign) {
    const TreeCategory* node = fTree.category(fSelected.domain, fSelected.category);
    if (!node || !node->cat || !node->cat->Enabled()) return;
    const TUnit* si = siUnit(node->cat, true);
    if (!si) return;
    TConvert& in = fSession.iConvert();
    TDimRec a = ParseField(fIO.Source());
    TDimRec b = ParseField(fIO.Target());
    const TDimRec e = ParseField("1 [" + si->Symbol() + "]");
    for (TUnitRec u : e.units) {
        int ci = -1, ui = -1;
        if (!in.WhereIsUnit(u.UnitStr, ci, ui)) continue;
        u.UnitDeg *= sign;
        a = AddUnitToDim(a, MatchUnit(a, u));
        b = AddUnitToDim(b, MatchUnit(b, u));
    }
    {
        const FlagGuard quiet = fIO.protect();
        fIO.setDimRec(TSrcTrg::Src, a);
    }
    in.setField(fIO.Source());
    if (fIO.EditMode()) return;
    fIO.setDimRec(TSrcTrg::Trg, b);
    Execute(fIO.Source());
    if (LogIt) LogIt();
}

int TfmIntegConvModel::pageWidth(int frameWidth) const {
    return static_cast<int>(std::nearbyint(frameWidth * SplitRatio));
}

void TfmIntegConvModel::splitterMoved(int pageWidth, int frameWidth) {
    if (frameWidth > 0) SplitRatio = static_cast<double>(pageWidth) / frameWidth;
}

} // namespace tarnel
