#pragma once
// The small window shown while the unit data is validated: the category being checked
// above a bar that a timer moves on. While it is up it is application-modal, so nothing
// can be edited, yet the program keeps painting and answering.

#include "core/unitdata/validation.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

namespace tarnel {

class TfrmProgressMsg : public QWidget {
    Q_OBJECT
  public:
    /// `centreOn` is the window it appears centred on (the main window).
    explicit TfrmProgressMsg(QWidget* centreOn);

    /// The program's one progress window, created (centred on the top window above
    /// `owner`) when there is none yet.
    static TfrmProgressMsg* instance(QWidget* owner);

    /// Shows the window, runs `work` with a progress callback for the validator, and
    /// hides the window again, also when `work` throws.
    void during(const std::function<void(const ProgressFn&)>& work);

    int maximum() const;

  signals:
    /// A category name was written into the message panel.
    void messageShown(const QString& text);

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void step(const std::string& categoryName, int count);
    void tick();

    QWidget* fCentreOn;
    QLabel* Msg;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;
    int fTicks = 0;
    bool fRunning = false;
    QElapsedTimer fSinceEvents;
};

} // namespace tarnel
