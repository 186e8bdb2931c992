#include "core/views/simplemodel.h"

#include "core/engine/tconvert.h"
#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"

namespace tarnel {

namespace {
/// Sends both engines' messages to `to` while it lives.
class Listen {
  public:
    Listen(TConvert& a, TConvert& b, IMessages& to)
        : fA(a), fB(b), fOldA(a.redirectMessages(to)), fOldB(b.redirectMessages(to)) {}
    ~Listen() {
        fA.redirectMessages(fOldA);
        fB.redirectMessages(fOldB);
    }
    Listen(const Listen&) = delete;
    Listen& operator=(const Listen&) = delete;

  private:
    TConvert &fA, &fB;
    IMessages &fOldA, &fOldB;
};
} // namespace

TfmSimpleModel::TfmSimpleModel(TfmIOModel& io, TConvert& iCnv, TConvert& oCnv)
    : fIO(io), fICnv(iCnv), fOCnv(oCnv) {}

void TfmSimpleModel::Init() {
    fOnes.clear();
    fUpperCaption = "1";
    if (OnRowsRebuilt) OnRowsRebuilt();
}

void TfmSimpleModel::PageChanging(TPageType, TPageType newPage) {
    if (newPage == TPageType::ptSimple) Execute();
}

void TfmSimpleModel::setExpanded(bool v) {
    fExpanded = v;
    for (auto& row : fOnes)
        if (row) {
            row->Expanded = v;
            if (row->OnChanged) row->OnChanged();
        }
}

std::vector<TfmSimpleOneModel*> TfmSimpleModel::rows(bool lower) const {
    std::vector<TfmSimpleOneModel*> out;
    for (const auto& row : fOnes)
        if (row && row->lower() == lower) out.push_back(row.get());
    return out;
}

void TfmSimpleModel::Execute() {
    RecordingMessages heard;
    {
        const Listen listen(fICnv, fOCnv, heard);
        fICnv.setField(fIO.Source());
        if (fIO.TargetEmpty()) fIO.setTarget(fIO.Source());
        fOCnv.setField(fIO.Target());
    }
    const int n = fICnv.DimCount();
    // The old rows' widgets go with them.
    fOnes.clear();
    if (OnRowsRebuilt) OnRowsRebuilt();
    fOnes.resize(static_cast<size_t>(n));

    int rule = -1, upper = -1, lower = -1, rules1 = 0, others = 0;
    for (int i = 0; i < n; ++i) {
        const TDim* d = fICnv.Dims(i);
        if (d->Kind() == TCatKind::ckUnknown) continue;
        if (d->Cat()->IsRule()) {
            rule = upper = i;
            if (d->Degree() == 1) ++rules1;
        } else {
            ++others;
        }
    }
    if (rules1 == 1 && others == 0) {
        addOne(rule, upper, lower);
    } else {
        // A rule unit converts only on its own: combined, it gets no row.
        for (int i = 0; i < n; ++i) {
            const TDim* d = fICnv.Dims(i);
            if (d->Kind() != TCatKind::ckUnknown && !d->Cat()->IsRule()) addOne(i, upper, lower);
        }
    }
    fUpperCaption = upper == -1 ? "1" : "";
    // Within each panel every row but the last shows the multiplication sign.
    if (upper != -1 && fOnes[static_cast<size_t>(upper)])
        fOnes[static_cast<size_t>(upper)]->xShown = false;
    if (lower != -1) fOnes[static_cast<size_t>(lower)]->xShown = false;

    if (OnRowsRebuilt) OnRowsRebuilt();
    fCarried = heard.texts.empty() ? std::string() : heard.texts.front();
    OnSourceChange();
}

void TfmSimpleModel::addOne(int i, int& upper, int& lower) {
    auto row = std::make_unique<TfmSimpleOneModel>(fICnv, i);
    (row->lower() ? lower : upper) = i;
    // The target keeps its unit while it names a unit this row lists: the same category,
    // and for a supplementary unit the same supplementary category.
    const TDim* in = fICnv.Dims(i);
    const TDim* out = fOCnv.Dims(i);
    if (out && out->CatIdx() == in->CatIdx() && (!out->IsInSupCat() || out->SupCat == in->SupCat))
        row->setOutIdx(out->UnitIdx());
    row->Expanded = fExpanded;
    row->OnInChange = [this](TfmSimpleOneModel& r) { oneInChange(r); };
    row->OnOutChange = [this](TfmSimpleOneModel& r) { oneOutChange(r); };
    fOnes[static_cast<size_t>(i)] = std::move(row);
}

void TfmSimpleModel::OnSourceChange() {
    const std::string carried = std::move(fCarried);
    fCarried.clear();
    if (fIO.EditMode()) return;
    RecordingMessages heard;
    {
        const Listen listen(fICnv, fOCnv, heard);
        convert();
    }
    fLastMessage = !carried.empty() ? carried : heard.texts.empty() ? "" : heard.texts.front();
    if (OnConverted) OnConverted();
}

void TfmSimpleModel::convert() {
    const TDimRec d = fIO.DimRec(TSrcTrg::Src);
    fICnv.setValue(d.Valu);
    // The typed text, not the value printed at the precision: a unit picked for the
    // source relabels the number as the user wrote it.
    fICnv.setValStr(trim(d.ValuStr));
    fOCnv.setField(fIO.Source());
    const size_t n = fOnes.size();
    if (static_cast<size_t>(fICnv.DimCount()) != n || static_cast<size_t>(fOCnv.DimCount()) != n)
        throw EM("Assertion failed: the Simple view's rows do not match the units of the source "
                 "(" +
                 std::to_string(n) + " rows, " + std::to_string(fICnv.DimCount()) + " and " +
                 std::to_string(fOCnv.DimCount()) + " units).");
    for (size_t i = 0; i < n; ++i)
        if (fOnes[i]) fOCnv.Dims(static_cast<int>(i))->setUnitIdx(fOnes[i]->OutIdx());
    fIO.setTarget(fOCnv.Field());
}

void TfmSimpleModel::oneInChange(TfmSimpleOneModel&) {
    {
        // Our own write: the panel's change event must not convert a second time.
        const FlagGuard quiet = fIO.protect();
        fIO.setSource(fICnv.Field());
    }
    OnSourceChange();
    if (LogIt) LogIt();
}

void TfmSimpleModel::oneOutChange(TfmSimpleOneModel&) {
    OnSourceChange();
    if (LogIt) LogIt();
}

} // namespace tarnel
