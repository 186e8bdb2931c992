#pragma once
// The From/To panel on screen: a 4 x 2 grid with the edit box over the value cell. Every
// decision (what a key does, what a click on the grid does, what the cells show) is the
// model's; this widget only paints the model's cells and forwards events to it.

#include "core/views/iopanelmodel.h"

#include <QWidget>

class QLineEdit;
class QMenu;
class QTableWidget;

namespace tarnel {

class TfmIO : public QWidget {
    Q_OBJECT
  public:
    TfmIO(TfmIOModel& model, QWidget* parent = nullptr);
    ~TfmIO() override;

    TfmIOModel& model() { return fModel; }
    /// Once after creation: value mode, mode unlocked.
    void Init();
    /// Asks the history view to record the current pair.
    void LogIt() { emit logRequested(); }
    /// Shows the model's cells and lays the panel out again.
    void refresh();

  signals:
    /// The notation's message for what the user typed changed ("" when it went away).
    void typingError(const QString& text);
    void logRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void layOut();
    void reportError();
    bool sourceKey(class QKeyEvent* key);
    void gridMouseUp(class QMouseEvent* mouse);
    void copy(const std::string& text);

    TfmIOModel& fModel;
    QTableWidget* sgIO;
    QLineEdit* eSource;
    QMenu* pmIOEdit;
    QMenu* pmIOTable;
    QAction *piCopyTarget, *piCopyBoth;
    std::string fReported; // the message last sent with typingError
};

} // namespace tarnel
