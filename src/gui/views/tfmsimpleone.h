#pragma once
// One row of the Simple view on screen, 45 px high: the category caption, the source
// unit list with its SI button, ">>", the target unit list with its SI button, and the
// degree with its up/down buttons. The row's model decides; this widget shows it.

#include <QFrame>

class QComboBox;
class QLabel;
class QToolButton;

namespace tarnel {

class TfmSimpleOneModel;

class TfmSimpleOne : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kHeight = 45;

    TfmSimpleOne(TfmSimpleOneModel& model, QWidget* parent = nullptr);

    TfmSimpleOneModel& model() { return fModel; }
    /// Shows the model's captions, lists and choices again.
    void refresh();

  signals:
    /// A list's hint for the status bar changed.
    void hintChanged(const QString& text);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layOut();
    void fillLists();

    TfmSimpleOneModel& fModel;
    QWidget *pnlCat, *pnlSource, *pnlDoubleArrow, *pnlTarget, *pnlDegree;
    QLabel *lbCat, *sttPlus, *sttL2, *lbArrows, *lbDegree, *lbX;
    QComboBox *cbInUnit, *cbOutUnit;
    QToolButton *sbSI_Source, *sbSI_Target;
    QWidget* sbDegree;
    QFrame* Shape1;
    unsigned fItemsVersion = 0; // the lists' contents last shown
    bool fFilled = false;
};

} // namespace tarnel
