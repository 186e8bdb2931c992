#pragma once
// The about box's frame: a stay-on-top tool window that serves as the start-up splash
// (shown without waiting) and as the modal About. It owns the program-information logic
// and the fetcher of the update check, and draws the bottom status line; the converter's
// own box (TAboutUC) lays out the rest and decides what UpdateVis shows.

#include "core/appinfo/aboutinfo.h"
#include "core/platform/weblinks.h"
#include "gui/about/desktoplinkopener.h"
#include "gui/about/qtdocumentfetcher.h"

#include <QDialog>

#include <memory>

namespace tarnel {

class ClickLabel;

class TAboutBase : public QDialog {
    Q_OBJECT
  public:
    /// `opener`: where links go (the desktop when null).
    TAboutBase(AboutConfig config, IMessages& messages, ILinkOpener* opener = nullptr,
               QWidget* parent = nullptr);
    ~TAboutBase() override;

    /// wait: modal, true when closed with OK; otherwise shown as the splash, false.
    bool Execute(bool wait, const QString& Info = QString());
    virtual void UpdateVis() = 0;

    AboutInfo& info() { return *fInfo; }
    bool InternetConnection() { return fInfo->InternetConnection(); }
    /// Opens http, https and mailto addresses; anything else is refused with a message.
    void OpenLink(const std::string& url);

    bool WaitMode = false;

  protected:
    /// A click on the picture, a label of the top band or a panel.
    void dismiss();
    /// Shows why the update check failed on the bottom line (the whole text as tool tip).
    void showCheckError(const std::string& error);
    /// Makes clicks on `w` dismiss the box.
    void dismissOnClick(QWidget* w);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    ClickLabel* sttBottom = nullptr;

  private:
    void bottomClicked();
    void centreOnScreen();

    IMessages& fMessages;
    DesktopLinkOpener fDesktop;
    ILinkOpener* fOpener;
    QtDocumentFetcher fFetcher; // outlives fInfo: no answer reaches a dead box
    std::unique_ptr<AboutInfo> fInfo;
};

} // namespace tarnel
