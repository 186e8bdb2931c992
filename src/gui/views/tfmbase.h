#pragma once
// The Base tab: the replaced and the included units left, the list of every core unit
// with a base definition right, with Numerator and Denominator between them. What it
// shows comes from TfmBaseModel.

#include "core/views/basemodel.h"

#include <QWidget>

class QSplitter;
class QTableWidget;
class QToolButton;

namespace tarnel {

class TfmBase : public QWidget, public UnitModule {
    Q_OBJECT
  public:
    TfmBase(ConverterSession& session, TfmIOModel& io, QWidget* parent = nullptr);

    TfmBaseModel& model() { return fModel; }

    void Init() override;
    void PageChanging(TPageType oldPage, TPageType newPage) override;
    void Execute() override;
    void OnSourceChange() override;

  signals:
    /// An engine message of the last operation, for the status bar.
    void message(const QString& text);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void refresh();
    void includeSelected(int sign);

    TfmBaseModel fModel;
    QSplitter* Splitter1;
    QWidget* Panel5;
    QTableWidget* sgReplacedUnits;
    QTableWidget* sgIncludedUnits;
    QTableWidget* sgAllBaseUnits;
    QToolButton* tbNomin;
    QToolButton* tbDenomin;
};

} // namespace tarnel
