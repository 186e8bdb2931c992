#pragma once
// The History view on screen: a strip of buttons over the grid of recorded conversions,
// newest first. The log model records, keeps and stores the entries; this widget shows
// them and hands the user's picks back to the From/To panel or the clipboard.

#include "core/views/unitlogmodel.h"
#include "core/views/unitmodule.h"

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace tarnel {

class TfmIOModel;

class TfmUnitLog : public QWidget, public UnitModule {
    Q_OBJECT
  public:
    /// `file` is the log file (TarnelUC.log in the unit-converter directory).
    TfmUnitLog(TfmIOModel& io, const std::string& file, IMessages& messages,
               QWidget* parent = nullptr);
    /// Saves the entries once more when the directory still exists.
    ~TfmUnitLog() override;

    TfmUnitLogModel& model() { return fModel; }

    void Init() override;
    void PageChanging(TPageType oldPage, TPageType newPage) override;
    void Execute() override;
    void OnSourceChange() override {}

    bool Dated() const { return fDated; }
    /// Shows or hides the date column; columns are sized to their content.
    void setDated(bool v);

    /// " " + short date + " " + long time without the zone + two blanks.
    static std::string nowText();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void refresh();
    void sizeColumns();
    /// The model row of the selected entry; -1 when none.
    int selectedRow() const;
    /// Model row r back into the panel (ignored below 1).
    void putBack(int r, bool targetButton, bool doubleClick);
    void copySelection();

    TfmIOModel& fIO;
    std::string fFile;
    TfmUnitLogModel fModel;
    bool fDated = true;
    bool fInitDone = false;
    QWidget* FlowPanel1;
    QPushButton *atbSourceBack, *atbTargetBack, *atbCopy;
    QTableWidget* sgLog;
};

} // namespace tarnel
