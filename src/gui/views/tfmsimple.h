#pragma once
// The Simple view on screen: the numerator rows, the fraction bar, the denominator rows.
// The view's model holds the rows and converts; this widget makes one row widget per row
// of the model and refreshes them.

#include "core/views/simplemodel.h"

#include <QWidget>

#include <vector>

class QFrame;
class QLabel;
class QVBoxLayout;

namespace tarnel {

class TfmSimpleOne;

class TfmSimple : public QWidget, public UnitModule {
    Q_OBJECT
  public:
    TfmSimple(TfmIOModel& io, TConvert& iCnv, TConvert& oCnv, QWidget* parent = nullptr);

    TfmSimpleModel& model() { return fModel; }

    void Init() override;
    void PageChanging(TPageType oldPage, TPageType newPage) override;
    void Execute() override;
    void OnSourceChange() override;

    bool Expanded() const { return fModel.Expanded(); }
    void setExpanded(bool v) { fModel.setExpanded(v); }

    /// Shows every row's state again (after a conversion).
    void refreshRows();
    const std::vector<TfmSimpleOne*>& rowWidgets() const { return fRows; }

  signals:
    /// An engine message met while converting (a typing error), for the status bar.
    void conversionMessage(const QString& text);
    /// A unit list's hint for the status bar.
    void hintChanged(const QString& text);

  private:
    void rebuildRows();
    void afterConversion();

    TfmSimpleModel fModel;
    QFrame *pnlUpper, *ShapeDiv, *pnlLower;
    QLabel* lbOne;
    QVBoxLayout *fUpperRows, *fLowerRows;
    std::vector<TfmSimpleOne*> fRows;
};

} // namespace tarnel
