#include "gui/about/taboutbase.h"

#include "core/text/strutil.h"
#include "gui/about/clicklabel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

namespace tarnel {

namespace {
AboutConfig withBusyCursor(AboutConfig config, QWidget* w) {
    auto outer = config.busy;
    config.busy = [w, outer](bool busy) {
        if (busy)
            w->setCursor(Qt::BusyCursor);
        else
            w->unsetCursor();
        if (outer) outer(busy);
    };
    return config;
}
} // namespace

TAboutBase::TAboutBase(AboutConfig config, IMessages& messages, ILinkOpener* opener,
                       QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      fMessages(messages), fOpener(opener ? opener : &fDesktop),
      fFetcher(config.timeoutMs, config.maxBytes) {
    setObjectName("AboutBase");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    fInfo =
        std::make_unique<AboutInfo>(withBusyCursor(std::move(config), this), fFetcher, messages);
    sttBottom = new ClickLabel(this);
    sttBottom->setObjectName("sttBottom");
    sttBottom->setAutoFillBackground(true);
    sttBottom->setFrameShape(QFrame::Panel);
    sttBottom->setFrameShadow(QFrame::Sunken);
    sttBottom->setFixedHeight(19);
    connect(sttBottom, &ClickLabel::clicked, this, &TAboutBase::bottomClicked);
}

TAboutBase::~TAboutBase() = default;

bool TAboutBase::Execute(bool wait, const QString& Info) {
    WaitMode = wait;
    // The bottom line shows the notice of the previous check, or the text given.
    QFont font = sttBottom->font();
    font.setUnderline(false);
    sttBottom->setFont(font);
    sttBottom->unsetCursor();
    sttBottom->setToolTip(QString());
    QPalette p = sttBottom->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Button));
    p.setColor(QPalette::WindowText, palette().color(QPalette::ButtonText));
    if (!Info.trimmed().isEmpty()) {
        sttBottom->setText(" " + Info);
    } else {
        const QString warning = QString::fromStdString(info().Warning);
        sttBottom->setText(" " + warning);
        if (!warning.trimmed().isEmpty()) {
            p.setColor(QPalette::Window, palette().color(QPalette::ToolTipBase));
            if (!info().ChangeURL.empty()) {
                font.setUnderline(true);
                sttBottom->setFont(font);
                p.setColor(QPalette::WindowText, QColor(0, 0, 255));
                sttBottom->setCursor(Qt::PointingHandCursor);
            }
        }
    }
    sttBottom->setPalette(p);
    UpdateVis();
    centreOnScreen();
    if (wait) {
        if (isVisible()) hide(); // the splash becomes the modal box
        return exec() == QDialog::Accepted;
    }
    show();
    repaint();
    // Let the window system map it before the data loads; no input is taken meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return false;
}

void TAboutBase::centreOnScreen() {
    adjustSize();
    if (QScreen* screen =
            parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void TAboutBase::OpenLink(const std::string& url) {
    tarnel::OpenLink(*fOpener, fMessages, url);
}

void TAboutBase::bottomClicked() {
    if (sttBottom->font().underline() && !trim(info().ChangeURL).empty())
        OpenLink(trim(info().ChangeURL));
}

void TAboutBase::showCheckError(const std::string& error) {
    const QString text = "Update check failed: " + QString::fromStdString(error);
    sttBottom->setText(" " + text.simplified());
    sttBottom->setToolTip(text);
}

void TAboutBase::dismiss() {
    if (WaitMode)
        accept();
    else
        hide();
}

void TAboutBase::dismissOnClick(QWidget* w) {
    w->installEventFilter(this);
}

bool TAboutBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        dismiss();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBase::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && WaitMode) accept();
}

} // namespace tarnel
