#pragma once
// The converter's main window: a thin shell that wires the From/To panel, the five tab
// views and the tab protocol over one converter session, and keeps the window's own
// duties: the two layouts, the button rows and their hints, Copy, Help, the Ctrl key,
// the tray, the window-size file and the options dialog's aftermath.

#include "core/views/iopanelmodel.h"
#include "core/views/tabprotocol.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class QFrame;
class QLineEdit;
class QPushButton;
class QSystemTrayIcon;
class QTabWidget;
class QVBoxLayout;

namespace tarnel {

class ConverterSession;
class HelpWindow;
class IMessages;
class StandInView;
class TfmIO;

/// What start-up decided before the window exists.
struct ShellStart {
    bool standalone = true;
    /// The early tray flag: minimising hides the window into the tray.
    bool minimOnTray = false;
    /// The command-line parameters, program name excluded.
    QStringList params;
};

class TfrmUnitsConvert : public QMainWindow {
    Q_OBJECT
  public:
    TfrmUnitsConvert(ConverterSession& session, IMessages& messages, const ShellStart& start,
                     QWidget* parent = nullptr);
    ~TfrmUnitsConvert() override;

    /// Stand-alone start-up could not complete: the program ends without a window.
    bool startFailed() const { return fStartFailed; }

    void Init(bool sa);
    /// Applies the layout of the option MultiTabMode.
    void SetUserMode();
    bool MultiTabMode();
    std::string UnitFile();
    /// Loads another unit file into both engines and shows the conversion again.
    void SetUnitFile(const std::string& path);

    /// The wake-up from a later start: restore when minimised, come to the front.
    void wakeUp();

    TfmIOModel& io() { return fIOModel; }
    TabProtocol& protocol() { return *fProtocol; }
    /// The view of a tab while it is a stand-in; null for a real view.
    StandInView* view(int tab) const;
    UnitModule* module(int tab) const { return fViews[static_cast<size_t>(tab)]; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    QWidget* createApplicationRow();
    QWidget* createAttachedRow();
    void wireViews();
    void reinitViews();
    void showConversionAgain();
    void activateTab(int index);
    void tabChanged(int index);
    void optionsClicked();
    void copyClicked();
    /// A view's engine message: one status line, never a box per keystroke.
    void showViewMessage(const QString& text);
    void helpClicked();
    void showHelp(int context);
    void validateOnRequest();
    void restoreWindowSize();
    void hideIntoTray();
    void restoreFromTray();
    QLineEdit* sourceBox() const;

    ConverterSession& fSession;
    IMessages& fMessages;
    ShellStart fStart;
    TfmIOModel fIOModel;
    std::unique_ptr<TabProtocol> fProtocol;
    std::array<UnitModule*, 5> fViews{};
    int fCurrentTab = TabProtocol::EditTab;
    bool fStartFailed = false;

    QVBoxLayout* fMainLayout = nullptr;
    QTabWidget* pcMain = nullptr;
    TfmIO* fmIO1 = nullptr;
    QFrame* fmIntegConv1 = nullptr;
    QVBoxLayout* fIntegLayout = nullptr;
    QWidget* pnlApplication = nullptr;
    QWidget* pnlAttached = nullptr;
    QSystemTrayIcon* TrayIcon1 = nullptr;
    HelpWindow* fHelp = nullptr;
};

} // namespace tarnel
