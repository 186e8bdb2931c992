#pragma once
// The converter's main window: a thin shell that wires the From/To panel, the five tab
// views and the tab protocol over one converter session, and keeps the window's own
// duties: the two layouts, the button rows and their hints, Copy, Help, the Ctrl key,
// the tray, the window-size file and the options dialog's aftermath.

#include "core/appinfo/aboutinfo.h"
#include "core/views/hostoperations.h"
#include "core/views/iopanelmodel.h"
#include "core/views/tabprotocol.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QEventLoop;
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
class TAboutUC;
class TfmIO;
class TfmIntegConv;
class TfmSimple;
class TfmUnitLog;

/// What start-up decided before the window exists.
struct ShellStart {
    bool standalone = true;
    /// The early tray flag: minimising hides the window into the tray.
    bool minimOnTray = false;
    /// The command-line parameters, program name excluded.
    QStringList params;
    /// Stand-alone only: the about box's addresses and clock; none, no about box.
    std::optional<AboutConfig> about;
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

    // What a host program calls on an attached converter.

    /// Shows the window modally with dimStr as the source; the first call initialises the
    /// window. OK (or Enter) makes dimStr the target and answers true; Cancel, Escape and
    /// closing the window answer false and leave dimStr alone. EM when the window is
    /// disabled (no unit-converter folder, or the unit data did not load).
    bool Execute(QString& dimStr);
    /// Converts without showing anything; false (value unchanged) on a refusal, which is
    /// reported only with errMsg.
    bool ConvertDim2Dim(double& value, const std::string& sourceDim, const std::string& targetDim,
                        bool errMsg);
    /// ul := one line per core, factor or rule unit (full name or symbol); before the
    /// engines exist it is left alone.
    void AllUnitList(bool fullText, std::vector<std::string>& ul);
    /// The non-rule units of the category of the unit with that symbol; nothing for an
    /// unknown symbol, a rule unit with simpleOnly, or before the engines exist.
    std::optional<std::vector<std::string>> UnitList(const std::string& unitAbrv, bool simpleOnly,
                                                     bool fullName);
    /// The host's options handler, called by the attached "Options..." with the page
    /// "Unit Converter"; true when the options were changed and are to be applied.
    std::function<bool(const std::string& page)> OnCallOptions;

    /// The wake-up from a later start: restore when minimised, come to the front.
    void wakeUp();

    TfmIOModel& io() { return fIOModel; }
    TabProtocol& protocol() { return *fProtocol; }
    UnitModule* module(int tab) const { return fViews[static_cast<size_t>(tab)]; }
    TfmSimple* simpleView() const { return fmSimple1; }
    TfmUnitLog* historyView() const { return fmUnitLog1; }
    TfmIntegConv* integratedView() const { return fmIntegConv1; }
    TAboutUC* about() const { return fAbout; }

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
    void extraOptionsClicked();
    /// Applies the options after `accepted` (a dialog or the host's handler) said yes.
    void applyChangedOptions(const std::function<bool()>& accepted);
    void finishExecute(bool ok);
    bool executeKey(QWidget* widget, int key);
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
    HostOperations fHost;
    TfmSimple* fmSimple1 = nullptr;
    TfmUnitLog* fmUnitLog1 = nullptr;
    int fCurrentTab = TabProtocol::EditTab;
    bool fStartFailed = false;
    bool fInitRun = false;
    // Set while Execute shows the window.
    QEventLoop* fExecLoop = nullptr;
    bool fExecResult = false;

    QVBoxLayout* fMainLayout = nullptr;
    QTabWidget* pcMain = nullptr;
    TfmIO* fmIO1 = nullptr;
    TfmIntegConv* fmIntegConv1 = nullptr;
    QWidget* pnlApplication = nullptr;
    QWidget* pnlAttached = nullptr;
    QSystemTrayIcon* TrayIcon1 = nullptr;
    HelpWindow* fHelp = nullptr;
    TAboutUC* fAbout = nullptr;
};

} // namespace tarnel
