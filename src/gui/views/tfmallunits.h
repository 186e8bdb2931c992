#pragma once
// The All Units tab and, in compose mode, the Edit tab: the category tree left of a
// splitter, the source grid (with the Numerator / Denominator bar when composing) and
// the target grid right of it. Everything it shows comes from TfmAllUnitsModel.

#include "core/views/allunitsmodel.h"

#include <QWidget>

class QGroupBox;
class QSplitter;
class QTableWidget;
class QToolButton;

namespace tarnel {

class CategoryTree;
class ILinkOpener;

class TfmAllUnits : public QWidget, public UnitModule {
    Q_OBJECT
  public:
    TfmAllUnits(const QString& name, ConverterSession& session, TfmIOModel& io,
                QWidget* parent = nullptr);

    TfmAllUnitsModel& model() { return fModel; }
    /// Compose mode (the Edit tab); set before Init.
    void setComposeMode(bool v) { fModel.setComposeMode(v); }
    /// Where the web search buttons open their address (tests); null: the desktop.
    void setLinkOpener(ILinkOpener* opener) { fLinkOpener = opener; }

    void Init() override;
    void PageChanging(TPageType oldPage, TPageType newPage) override;
    void Execute() override;
    void OnSourceChange() override;

  signals:
    /// An engine message of the last operation, for the status bar.
    void message(const QString& text);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void fillGrid(QTableWidget* grid);
    void selectRow(QTableWidget* grid, int row);
    std::string selectedCategoryName() const;

    TfmAllUnitsModel fModel;
    CategoryTree* fTree;
    QSplitter* Splitter1;
    QWidget* pnlDimentions;
    QGroupBox* gbSource;
    QWidget* tbarDegree;
    QToolButton* tbNomer;
    QToolButton* tbDenomin;
    QToolButton* sbSearch4Unit;
    QTableWidget* sgSource;
    QGroupBox* gbTarget;
    QTableWidget* sgTarget;
    ILinkOpener* fLinkOpener = nullptr;
    int fShownRows = -1;
    bool fRefreshing = false;
};

} // namespace tarnel
