#pragma once
// The Simple view as data: one row per dimension of the source, numerator rows above
// the fraction bar and denominator rows below it. Picking a unit in a row converts; the
// target is the source with each row's unit replaced by the row's target unit. Engine
// messages met while converting are kept for a status line, not shown as boxes.

#include "core/views/iopanelmodel.h"
#include "core/views/simpleonemodel.h"
#include "core/views/unitmodule.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarnel {

class TConvert;

class TfmSimpleModel : public UnitModule {
  public:
    using Notify = std::function<void()>;

    /// `iCnv` is the source engine (ValFix set), `oCnv` the target engine.
    TfmSimpleModel(TfmIOModel& io, TConvert& iCnv, TConvert& oCnv);

    /// Drops the rows: they refer to the engine's dimensions, which a reload frees.
    void Init() override;
    void PageChanging(TPageType oldPage, TPageType newPage) override;
    /// Rebuilds the rows from the panel's texts and converts.
    void Execute() override;
    /// Reconverts with the existing rows.
    void OnSourceChange() override;

    bool Expanded() const { return fExpanded; }
    void setExpanded(bool v);

    /// One slot per dimension of the source engine; null where a dimension has no row.
    const std::vector<std::unique_ptr<TfmSimpleOneModel>>& sOnes() const { return fOnes; }
    /// The rows of the numerator (upper) or denominator panel, top to bottom.
    std::vector<TfmSimpleOneModel*> rows(bool lower) const;
    /// The numerator panel's caption: "1" when the numerator has no row.
    const std::string& upperCaption() const { return fUpperCaption; }

    /// The first engine message of the last conversion; empty when there was none.
    const std::string& lastMessage() const { return fLastMessage; }

    /// The rows were rebuilt: the widget recreates its row widgets.
    Notify OnRowsRebuilt;
    /// A conversion ran (the target and lastMessage() are new).
    Notify OnConverted;
    /// The panel's pair changed through a row: the History view records it.
    Notify LogIt;

  private:
    void addOne(int i, int& upper, int& lower);
    void convert();
    void oneInChange(TfmSimpleOneModel& row);
    void oneOutChange(TfmSimpleOneModel& row);

    TfmIOModel& fIO;
    TConvert& fICnv;
    TConvert& fOCnv;
    std::vector<std::unique_ptr<TfmSimpleOneModel>> fOnes;
    std::string fUpperCaption = "1";
    std::string fLastMessage;
    std::string fCarried; // Execute's message, reported with its conversion
    bool fExpanded = false;
};

} // namespace tarnel
