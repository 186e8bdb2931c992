#include "core/views/allunitsmodel.h"

#include "core/engine/messagecapture.h"
#include "core/text/strutil.h"
#include "core/views/flagguard.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tarnel {

TfmAllUnitsModel::TfmAllUnitsModel(ConverterSession& session, TfmIOModel& io)
    : fSession(session), fIO(io) {}

void TfmAllUnitsModel::changed() const {
    if (OnChanged) OnChanged();
}

void TfmAllUnitsModel::report(const std::string& message) const {
    if (!message.empty() && OnMessage) OnMessage(message);
}

void TfmAllUnitsModel::Init() {
    SplitRatio = 0.5;
    Protege = false;
    fTree.build(fSession.iConvert());
    fExpanded.assign(fTree.domains().size(), false);
    if (!fExpanded.empty()) fExpanded[0] = true;
    fSelected = {};
    // The grids' rows refer to the old data's units: they go with it.
    fillRows(nullptr);
    LastCat.clear();
    LastUnit.clear();
    fVisible = fTree.search(fSearch);
    changed();
}

void TfmAllUnitsModel::setComposeMode(bool v) {
    fComposeMode = v;
    changed();
}

std::string TfmAllUnitsModel::sourceCaption() const {
    return fComposeMode ? " Units to be included " : " Source (From) units ";
}

void TfmAllUnitsModel::domainButtonClicked(const std::string& hint) {
    fExpanded = fTree.expandedAfter(hint);
    changed();
}

void TfmAllUnitsModel::fillRows(const TCat* cat) {
    fRows.clear();
    fSourceRow = fTargetRow = -1;
    ++fRowsVersion;
    if (!cat) return;
    int si = -1;
    for (const TUnit* u : cat->Units.items()) {
        if (u->Data.type() == "si-unit") si = static_cast<int>(fRows.size());
        fRows.push_back({u->Name(), u->Symbol()});
    }
    fSourceRow = fTargetRow = fRows.empty() ? -1 : (si < 0 ? 0 : si);
}

void TfmAllUnitsModel::selectNode(int domain, int category) {
    const TreeCategory* node = fTree.category(domain, category);
    if (!node) {
        fSelected = {};
        changed();
        return;
    }
    fSelected = {domain, category, -1};
    LastCat = node->name;
    fillRows(node->cat);
    fScrollRow = scrollRowOf(fSelected);
    changed();
    // The first listed unit becomes the source unit while the SI row stays highlighted.
    if (!fRows.empty()) {
        Recalc(0, -1);
        LastUnit = trim(fRows[0].name);
    }
}

int TfmAllUnitsModel::clampRow(int r, int selected) const {
    const int n = static_cast<int>(fRows.size());
    if (r >= 0 && r < n) return r;
    if (selected < 0) return 0;
    return selected >= n ? n - 1 : selected;
}

void TfmAllUnitsModel::selectSourceRow(int r) {
    if (r < 0 || r >= static_cast<int>(fRows.size())) return;
    fSourceRow = r;
    changed();
    Recalc(r, -1);
    LastUnit = trim(fRows[static_cast<size_t>(r)].name);
}

void TfmAllUnitsModel::selectTargetRow(int r) {
    if (r < 0 || r >= static_cast<int>(fRows.size())) return;
    fTargetRow = r;
    changed();
    Recalc(-1, r);
}

void TfmAllUnitsModel::Recalc(int srcRow, int trgRow) {
    if (fComposeMode || Protege) return;
    struct LogOnExit {
        TfmAllUnitsModel& m;
        ~LogOnExit() {
            if (m.OnLogIt) m.OnLogIt();
        }
    };
    LogOnExit log{*this};
    FlagGuard guard(Protege, true);
    const std::string S = fIO.Source();
    const double x = ValueOfField(S);
    const size_t p = S.find('[');
    // Without rows there is no unit to put in: the typed unit part stays.
    if (p == std::string::npos || fRows.empty()) return;
    TConvert& o = fSession.oConvert();
    MessageCapture cap(o);
    const std::string& src = fRows[static_cast<size_t>(clampRow(srcRow, fSourceRow))].symbol;
    o.setField(FormatNum(x, 15) + " [" + src + "]");
    fIO.setSource(S.substr(0, p) + "[" + src + "]");
    const std::string& trg = fRows[static_cast<size_t>(clampRow(trgRow, fTargetRow))].symbol;
    o.Convert2AnyUnit(trg);
    fIO.setTarget(o.Field());
    report(cap.first());
}

void TfmAllUnitsModel::Execute() {
    const std::string S = fIO.Source(), T = fIO.Target();
    TConvert& in = fSession.iConvert();
    TreeMatch node = fTree.firstCategory();
    int u = 0;
    {
        MessageCapture cap(in);
        in.setField(S);
        std::string part = S;
        int ci = -1, ui = -1;
        if (UnitsOfField(part) && in.WhereIsUnit(part, ci, ui)) {
            node = fTree.find(in.Items(ci));
            u = ui;
        }
        report(cap.first());
    }
    if (node.category < 0) return;
    if (node.domain < static_cast<int>(fExpanded.size()))
        fExpanded[static_cast<size_t>(node.domain)] = true;
    fSelected = {};
    selectNode(node.domain, node.category);
    if (u < 0 || u >= static_cast<int>(fRows.size())) return;
    fSourceRow = u;
    std::string tpart = T;
    int ct = -1, ut = -1;
    if (UnitsOfField(tpart) && in.WhereIsUnit(tpart, ct, ut) &&
        fTree.find(in.Items(ct)).category == node.category &&
        fTree.find(in.Items(ct)).domain == node.domain && ut < static_cast<int>(fRows.size()))
        fTargetRow = ut;
    changed();
    selectSourceRow(u);
}

void TfmAllUnitsModel::PageChanging(TPageType oldPage, TPageType newPage) {
    if (fComposeMode) {
        fIO.ModeLocked = false;
        if (newPage == TPageType::ptEdit) fIO.setEditMode(true);
        if (oldPage == TPageType::ptEdit && newPage != TPageType::ptEdit) fIO.setEditMode(false);
        fIO.ModeLocked = true;
        if (oldPage == TPageType::ptEdit && newPage == TPageType::ptEdit) {
            const TreeMatch first = fTree.firstCategory();
            if (first.category >= 0) {
                fExpanded[static_cast<size_t>(first.domain)] = true;
                selectNode(first.domain, first.category);
            }
        }
        return;
    }
    if (newPage != TPageType::ptAll) return;
    if (oldPage == TPageType::ptAll)
        Recalc(-1, -1);
    else
        Execute();
}

void TfmAllUnitsModel::include(int sign) {
    if (!fComposeMode) return;
    const int r = fSourceRow;
    if (r < 0 || r >= static_cast<int>(fRows.size())) return;
    const std::string& sym = fRows[static_cast<size_t>(r)].symbol;
    if (trim(sym).empty()) return;
    UnitEntries entries;
    std::string why;
    if (!ParseUnits(sym, entries, &why)) {
        report(why);
        return;
    }
    TDimRec d = fIO.DimRec(TSrcTrg::Src);
    auto clamp = [](int64_t v) {
        if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
        if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
        return static_cast<int32_t>(v);
    };
    for (const TUnitRec& e : entries) {
        const int64_t add = static_cast<int64_t>(sign) * e.UnitDeg;
        bool found = false;
        for (TUnitRec& have : d.units)
            if (have.UnitStr == e.UnitStr) {
                have.UnitDeg = clamp(have.UnitDeg + add);
                found = true;
            }
        if (!found) d.units.push_back({e.UnitStr, clamp(add)});
    }
    fIO.setDimRec(TSrcTrg::Src, d);
}

void TfmAllUnitsModel::setSearchText(const std::string& text) {
    fSearch = text;
    fVisible = fTree.search(text);
    fScrollRow = scrollRowOf(fSelected);
    changed();
}

int TfmAllUnitsModel::scrollRowOf(const TreeMatch& node) const {
    if (trim(fSearch).empty()) return -1;
    for (const TreeMatch& m : fVisible)
        if (m.domain == node.domain && m.category == node.category) return m.unit;
    return -1;
}

int TfmAllUnitsModel::treeWidth(int frameWidth) const {
    return static_cast<int>(std::nearbyint(frameWidth * SplitRatio));
}

void TfmAllUnitsModel::splitterMoved(int treeWidth, int frameWidth) {
    if (frameWidth > 0) SplitRatio = static_cast<double>(treeWidth) / frameWidth;
}

int TfmAllUnitsModel::targetHeight(int panelHeight) {
    return static_cast<int>(std::nearbyint(panelHeight / 2.0));
}

} // namespace tarnel
