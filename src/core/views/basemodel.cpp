#include "core/views/basemodel.h"

#include "core/engine/messagecapture.h"
#include "core/text/strutil.h"
#include "core/views/flagguard.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tarnel {

TfmBaseModel::TfmBaseModel(ConverterSession& session, TfmIOModel& io)
    : fSession(session), fIO(io) {}

void TfmBaseModel::changed() const {
    if (OnChanged) OnChanged();
}

void TfmBaseModel::Init() {
    SplitRatio = 0.5f;
    fAll.clear();
    for (auto& [sym, def] : baseDefinitions(fSession.iConvert()))
        fAll.push_back({sym, 0, def});
    changed();
}

void TfmBaseModel::PageChanging(TPageType, TPageType newPage) {
    if (newPage != TPageType::ptBase) return;
    Execute();
    fIO.OnReExecute = [this] { OnReExecute(); };
}

void TfmBaseModel::Execute() {
    fReplaced.clear();
    fIncluded.clear();
    fIncludedRows = kRowsStep;
    TConvert& in = fSession.iConvert();
    std::string message;
    {
        MessageCapture cap(in);
        in.setField(fIO.Source());
        {
            // A rule error must not leave the source engine converting its value.
            FlagGuard fix(in.ValFix, false);
            try {
                in.Convert2SI();
            } catch (const std::exception& e) {
                message = e.what();
            }
        }
        if (message.empty()) message = cap.first();
    }
    fIO.setSource(in.Field());
    for (const TUnitRec& u : fIO.DimRec(TSrcTrg::Src).units)
        for (const BaseRow& a : fAll)
            if (a.sym == u.UnitStr) {
                fReplaced.push_back({u.UnitStr, u.UnitDeg, a.def});
                break;
            }
    changed();
    OnSourceChange();
    if (!message.empty() && OnMessage) OnMessage(message);
}

void TfmBaseModel::OnSourceChange() {
    const TDimRec s = fIO.DimRec(TSrcTrg::Src);
    fIO.setDimRec(TSrcTrg::Trg, inBaseUnits(s, fReplaced, fIncluded));
}

void TfmBaseModel::include(int row, int sign) {
    if (fAll.empty()) return;
    const int n = static_cast<int>(fAll.size());
    const BaseRow& pick = fAll[static_cast<size_t>(row < 0 ? 0 : row >= n ? n - 1 : row)];
    auto match = fIncluded.begin();
    while (match != fIncluded.end() && trim(match->sym) != pick.sym)
        ++match;
    if (match == fIncluded.end()) {
        if (static_cast<int>(fIncluded.size()) >= fIncludedRows) fIncludedRows += kRowsStep;
        fIncluded.push_back({pick.sym, sign, pick.def});
    } else {
        const int64_t d = static_cast<int64_t>(match->degree) + sign;
        if (d == 0) {
            fIncluded.erase(match);
            if (fIncludedRows > 1) --fIncludedRows;
        } else {
            match->degree = static_cast<int32_t>(
                std::max<int64_t>(std::numeric_limits<int32_t>::min(),
                                  std::min<int64_t>(std::numeric_limits<int32_t>::max(), d)));
        }
    }
    changed();
    OnSourceChange();
}

int TfmBaseModel::leftWidth(int frameWidth) const {
    return static_cast<int>(std::nearbyint(frameWidth * SplitRatio));
}

void TfmBaseModel::splitterMoved(int leftWidth, int frameWidth) {
    if (frameWidth > 0) SplitRatio = static_cast<float>(leftWidth) / frameWidth;
}

} // namespace tarnel
