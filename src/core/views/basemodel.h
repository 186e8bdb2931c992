#pragma once
// The Base view without widgets: the source in SI core units, each core unit with a base
// definition replaced by it in the target, and named units the user includes again
// (times the unit, divided by its definition, so the value does not change).

#include "core/engine/baseunits.h"
#include "core/session/convertersession.h"
#include "core/views/iopanelmodel.h"
#include "core/views/unitmodule.h"

#include <functional>
#include <string>
#include <vector>

namespace tarnel {

class TfmBaseModel : public UnitModule {
  public:
    static constexpr int kRowsStep = 10;

    TfmBaseModel(ConverterSession& session, TfmIOModel& io);

    void Init() override;
    void PageChanging(TPageType oldPage, TPageType newPage) override;
    void Execute() override;
    void OnSourceChange() override;
    /// The panel's sign cell on this tab: start over.
    void OnReExecute() { Execute(); }

    /// The right grid: every core unit with a base definition (degree unused).
    const std::vector<BaseRow>& allBaseUnits() const { return fAll; }
    /// The units of the source that the target shows in base units.
    const std::vector<BaseRow>& replaced() const { return fReplaced; }
    /// The units the user included, with their accumulated degrees.
    const std::vector<BaseRow>& included() const { return fIncluded; }
    /// Rows the grids show (the rest of the used rows are empty).
    int replacedRowCount() const {
        return fReplaced.empty() ? 1 : static_cast<int>(fReplaced.size());
    }
    int includedRowCount() const { return fIncludedRows; }

    /// Numerator (+1) or Denominator (-1) for row `row` of the right grid (clamped).
    void include(int row, int sign);

    /// Layout: the left part's width for a frame width; the splitter's new ratio.
    int leftWidth(int frameWidth) const;
    void splitterMoved(int leftWidth, int frameWidth);

    float SplitRatio = 0.5f;

    /// The grids changed.
    std::function<void()> OnChanged;
    /// The first engine message of an operation, for one status line.
    std::function<void(const std::string&)> OnMessage;

  private:
    void changed() const;

    ConverterSession& fSession;
    TfmIOModel& fIO;
    std::vector<BaseRow> fAll;
    std::vector<BaseRow> fReplaced;
    std::vector<BaseRow> fIncluded;
    int fIncludedRows = kRowsStep;
};

} // namespace tarnel
