#include "gui/editor/tfrmprogressmsg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tarnel {

namespace {
QPointer<TfrmProgressMsg> theWindow;

// Letting events through after every category would cost more than the check itself on
// a large file; a few dozen times a second keeps the window alive.
constexpr int kEventsEveryMs = 30;
} // namespace

TfrmProgressMsg::TfrmProgressMsg(QWidget* centreOn)
    : QWidget(centreOn,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      fCentreOn(centreOn) {
    setObjectName(QStringLiteral("frmProgressMsg"));
    setWindowTitle(tr(" Validating..."));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(255, 64);
    auto* box = new QVBoxLayout(this);
    Msg = new QLabel;
    Msg->setObjectName(QStringLiteral("Msg"));
    Msg->setFrameShape(QFrame::StyledPanel);
    Msg->setAlignment(Qt::AlignCenter);
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    box->addWidget(Msg);
    box->addWidget(ProgressBar1);
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TfrmProgressMsg::tick);
    if (!theWindow) theWindow = this;
}

TfrmProgressMsg* TfrmProgressMsg::instance(QWidget* owner) {
    if (theWindow) return theWindow;
    QWidget* top = owner ? owner->window() : nullptr;
    while (top && top->parentWidget())
        top = top->parentWidget()->window();
    return new TfrmProgressMsg(top);
}

void TfrmProgressMsg::during(const std::function<void(const ProgressFn&)>& work) {
    struct Shown {
        TfrmProgressMsg* w;
        ~Shown() {
            w->fRunning = false;
            w->hide();
        }
    } shown{this};
    fRunning = true;
    Msg->clear();
    show();
    fSinceEvents.start();
    QApplication::processEvents();
    work([this](const std::string& name, int, int count) { step(name, count); });
}

void TfrmProgressMsg::step(const std::string& categoryName, int count) {
    ProgressBar1->setMaximum(count);
    const QString text = QString::fromStdString(categoryName);
    Msg->setText(text);
    emit messageShown(text);
    if (fSinceEvents.elapsed() < kEventsEveryMs) return;
    fSinceEvents.restart();
    QApplication::processEvents();
}

void TfrmProgressMsg::tick() {
    if (!isVisible()) return;
    ProgressBar1->setValue(fTicks++);
}

void TfrmProgressMsg::showEvent(QShowEvent* e) {
    if (fCentreOn) {
        QRect r = rect();
        r.moveCenter(fCentreOn->frameGeometry().center());
        move(r.topLeft());
    }
    fTicks = 0;
    ProgressBar1->setValue(0);
    Timer1->start();
    QWidget::showEvent(e);
}

void TfrmProgressMsg::hideEvent(QHideEvent* e) {
    Timer1->stop();
    QWidget::hideEvent(e);
}

void TfrmProgressMsg::closeEvent(QCloseEvent* e) {
    // The validation runs on behind it; the window goes when the validation ends.
    if (fRunning) e->ignore();
}

int TfrmProgressMsg::maximum() const {
    return ProgressBar1->maximum();
}

} // namespace tarnel
