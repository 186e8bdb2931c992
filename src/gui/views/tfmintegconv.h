#pragma once
// The integrated converter on screen: on the left the From/To panel over the Simple
// view's rows, on the right a page with the category tree and its tool bars and a page
// with the History view. The main window lends it the panel and both views; the model
// holds the state and does the work.

#include "core/views/integconvmodel.h"

#include <QFrame>

class QSplitter;
class QTabWidget;
class QToolButton;
class QVBoxLayout;

namespace tarnel {

class CategoryTree;
class ILinkOpener;

class TfmIntegConv : public QFrame {
    Q_OBJECT
  public:
    TfmIntegConv(ConverterSession& session, TfmIOModel& io, TfmSimpleModel& sm,
                 QWidget* parent = nullptr);

    TfmIntegConvModel& model() { return fModel; }
    void Init();
    void Execute(const std::string& src) { fModel.Execute(src); }
    /// Builds the tree again after a reload without taking the panel over.
    void rebuildTree();

    /// Take the shared panel and the two views into this frame.
    void placePanel(QWidget* io);
    void placeSimple(QWidget* simple);
    void placeHistory(QWidget* history);

    CategoryTree* categoryTree() const { return fTree; }
    /// Where the web search button opens its address (tests); null: the desktop.
    void setLinkOpener(ILinkOpener* opener) { fLinkOpener = opener; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void refresh();
    void layOut();

    TfmIntegConvModel fModel;
    bool fRefreshing = false;
    QSplitter* Splitter1;
    QWidget* Panel1;
    QWidget* pnlIO;
    QVBoxLayout* fLeftLayout;
    QVBoxLayout* fIOLayout;
    QTabWidget* PageControl1;
    QWidget* tsCategories;
    QWidget* tsILog;
    QVBoxLayout* fLogLayout;
    QToolButton *tbEditMode, *tbNomer, *tbDenomin;
    CategoryTree* fTree;
    ILinkOpener* fLinkOpener = nullptr;
};

} // namespace tarnel
