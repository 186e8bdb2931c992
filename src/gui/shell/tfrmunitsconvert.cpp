#include "gui/shell/tfrmunitsconvert.h"

#include "core/appinfo/buildinfo.h"
#include "core/appinfo/tceversioninfo.h"
#include "core/notation/notation.h"
#include "core/session/convertersession.h"
#include "core/settings/windowsize.h"
#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"
#include "core/unitdata/validation.h"
#include "gui/about/clicklabel.h"
#include "gui/about/taboutuc.h"
#include "gui/editor/tfrmprogressmsg.h"
#include "gui/shell/helpwindow.h"
#include "gui/shell/tfrmoptcont.h"
#include "gui/views/tfmallunits.h"
#include "gui/views/tfmbase.h"
#include "gui/views/tfmintegconv.h"
#include "gui/views/tfmio.h"
#include "gui/views/tfmsimple.h"
#include "gui/views/tfmunitlog.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>

namespace tarnel {

namespace {
constexpr int kMinWidth = 333;
constexpr int kMinHeight = 203;

/// A hint "short|long": the short part as tool tip, the long part (after one leading
/// blank) in the status bar while the pointer rests on the control.
void setHint(QWidget* w, const QString& hint) {
    const int bar = hint.indexOf('|');
    const QString shortPart = bar < 0 ? hint : hint.left(bar);
    QString longPart = bar < 0 ? hint : hint.mid(bar + 1);
    if (longPart.startsWith(' ')) longPart.remove(0, 1);
    if (!shortPart.trimmed().isEmpty()) w->setToolTip(shortPart);
    w->setStatusTip(longPart);
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TfrmUnitsConvert::TfrmUnitsConvert(ConverterSession& session, IMessages& messages,
                                   const ShellStart& start, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      fSession(session), fMessages(messages), fStart(start),
      fIOModel(session.abbreviations(), [&session] { return session.prec(); }), fHost(session) {
    setObjectName("frmUnitsConvert");
    setWindowTitle("Unit Converter");
    setMinimumSize(kMinWidth, kMinHeight);

    const std::string unitDir = session.dirs() ? session.dirs()->UnitConverter() : std::string();
    setEnabled(dirExists(unitDir));
    if (!isEnabled()) {
        if (fStart.standalone) {
            fMessages.info("Fatal error: <" + unitDir +
                           "> configuration directory does not exist.");
            fStartFailed = true;
        }
        return;
    }
    createControls();
    wireViews();
    TfrmProgressMsg::instance(this); // the validation's window, centred on this one
    fmIO1->Init();
    if (fStart.standalone) {
        // The about box doubles as the splash while the data loads.
        if (fStart.about) {
            fAbout = new TAboutUC(*fStart.about, unitDir + "verUC.xml", fMessages, nullptr, this);
            fAbout->Execute(false);
        }
        setWindowTitle(QString(" Tarnel Unit Converter v%1")
                           .arg(QString::fromStdString(TCEVersionInfo().CompVersion())));
        Init(true);
        if (fAbout) {
            fAbout->hide();
            if (!fStartFailed && fSession.options().Opts().MonthlyCheck)
                fAbout->info().Checking4Updates(false, [this](const UpdateOutcome& o) {
                    if (!o.error.empty()) fMessages.info("The update check failed:\n" + o.error);
                });
        }
    }
}

TfrmUnitsConvert::~TfrmUnitsConvert() = default;

void TfrmUnitsConvert::createControls() {
    auto* central = new QWidget(this);
    fMainLayout = new QVBoxLayout(central);
    fMainLayout->setContentsMargins(0, 0, 0, 0);
    fMainLayout->setSpacing(0);
    setCentralWidget(central);

    fmIO1 = new TfmIO(fIOModel, central);
    fMainLayout->addWidget(fmIO1);

    pcMain = new QTabWidget(central);
    pcMain->setObjectName("pcMain");
    pcMain->setTabPosition(QTabWidget::South);
    pcMain->setDocumentMode(true);
    pcMain->setStyleSheet("QTabBar::tab { width: 80px; height: 30px; }");
    const char* names[] = {"fmSimple1", "fmAllUnits1", "fmBase1", "fmCompose1", "fmUnitLog1"};
    const char* captions[] = {" Simple", " All Units", " Base", " Edit", " History"};
    for (size_t i = 0; i < fViews.size(); ++i) {
        QWidget* page = nullptr;
        if (i == 0) {
            page = fmSimple1 =
                new TfmSimple(fIOModel, fSession.iConvert(), fSession.oConvert(), pcMain);
        } else if (i == TabProtocol::HistoryTab) {
            const std::string dir = fSession.dirs()->UnitConverter();
            page = fmUnitLog1 = new TfmUnitLog(fIOModel, dir + "TarnelUC.log", fMessages, pcMain);
        } else if (i == 1 || i == 3) { // All Units, and Edit: the same view composing
            auto* all = new TfmAllUnits(names[i], fSession, fIOModel, pcMain);
            all->setComposeMode(i == 3);
            all->model().OnLogIt = [this] { fmIO1->LogIt(); };
            connect(all, &TfmAllUnits::message, this, &TfrmUnitsConvert::showViewMessage);
            page = all;
        } else {
            auto* base = new TfmBase(fSession, fIOModel, pcMain);
            connect(base, &TfmBase::message, this, &TfrmUnitsConvert::showViewMessage);
            page = base;
        }
        fViews[i] = dynamic_cast<UnitModule*>(page);
        pcMain->addTab(page, captions[i]);
    }
    fMainLayout->addWidget(pcMain, 1);

    fmIntegConv1 = new TfmIntegConv(fSession, fIOModel, fmSimple1->model(), central);
    fmIntegConv1->model().LogIt = [this] { fmIO1->LogIt(); };
    fmIntegConv1->hide();
    fMainLayout->addWidget(fmIntegConv1, 1);

    pnlApplication = createApplicationRow();
    pnlAttached = createAttachedRow();
    fMainLayout->addWidget(pnlApplication);
    fMainLayout->addWidget(pnlAttached);
    pnlAttached->hide();

    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(false);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TfrmUnitsConvert::helpClicked);
    // The window sees Ctrl before its controls do.
    qApp->installEventFilter(this);
}

QWidget* TfrmUnitsConvert::createApplicationRow() {
    auto* row = new QWidget(centralWidget());
    row->setObjectName("pnlApplication");
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 3, 4, 3);
    auto* about = new ClickLabel(row);
    about->setObjectName("imgAbout");
    about->setCursor(Qt::PointingHandCursor);
    connect(about, &ClickLabel::clicked, this, [this] {
        if (fAbout) fAbout->Execute(true);
    });
    about->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(22, 22));
    setHint(about, "| About Tarnel Unit Converter");
    auto* options = button("btnOptAlone", "Options...", row);
    setHint(options, "| Change the operating mode, edit unit rule of conversion, etc.");
    auto* copy = button("btnCopy", "Copy", row);
    setHint(copy, "|Copy \"From\" = \"To\" to the clipboard ");
    auto* help = button("btnHelp1", "&Help", row);
    layout->addWidget(about);
    layout->addWidget(options);
    layout->addStretch(1);
    layout->addWidget(copy);
    layout->addWidget(help);
    connect(options, &QPushButton::clicked, this, &TfrmUnitsConvert::optionsClicked);
    connect(copy, &QPushButton::clicked, this, &TfrmUnitsConvert::copyClicked);
    connect(help, &QPushButton::clicked, this, &TfrmUnitsConvert::helpClicked);
    return row;
}

QWidget* TfrmUnitsConvert::createAttachedRow() {
    // The row of a converter driven by a host program.
    auto* row = new QWidget(centralWidget());
    row->setObjectName("pnlAttached");
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 3, 4, 3);
    auto* options = button("btnOptExtra", "Options...", row);
    setHint(options, "| Change the operating mode, edit unit rule of conversion, etc.");
    auto* ok = button("btnOK", "OK", row);
    ok->setDefault(true);
    setHint(ok, "| Accept units conversion");
    auto* cancel = button("btnCancel", "Cancel", row);
    setHint(cancel, "| Cancel units conversion");
    auto* help = button("btnHelp2", "&Help", row);
    layout->addWidget(options);
    layout->addStretch(1);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    layout->addWidget(help);
    connect(options, &QPushButton::clicked, this, &TfrmUnitsConvert::extraOptionsClicked);
    connect(ok, &QPushButton::clicked, this, [this] { finishExecute(true); });
    connect(cancel, &QPushButton::clicked, this, [this] { finishExecute(false); });
    connect(help, &QPushButton::clicked, this, &TfrmUnitsConvert::helpClicked);
    return row;
}

void TfrmUnitsConvert::wireViews() {
    fProtocol = std::make_unique<TabProtocol>(fIOModel, fSession.iConvert(), fSession.oConvert(),
                                              fSession.options(), fMessages, fViews);
    fProtocol->OnActivateTab = [this](int index) { activateTab(index); };
    connect(pcMain, &QTabWidget::currentChanged, this, &TfrmUnitsConvert::tabChanged);
    TfmUnitLog* history = fmUnitLog1;
    connect(fmIO1, &TfmIO::logRequested, this, [history] { history->Execute(); });
    fmSimple1->model().LogIt = [this] { fmIO1->LogIt(); };
    connect(fmSimple1, &TfmSimple::conversionMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(fmSimple1, &TfmSimple::hintChanged, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    // A typing error is reported once, where it does not stop the typing.
    connect(fmIO1, &TfmIO::typingError, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });
    fSession.onReload([this] {
        reinitViews();
        SetUserMode();
        showConversionAgain();
    });
}

void TfrmUnitsConvert::Init(bool sa) {
    fInitRun = true;
    if (!isEnabled()) return;
    try {
        // Options, then the unit data into both engines.
        if (!fSession.load()) {
            if (sa)
                fStartFailed = true;
            else
                setEnabled(false);
            return;
        }
        fHost.setReady(true);
        reinitViews();
        activateTab(TabProtocol::EditTab);
        fProtocol->freshArrival();
        SetUserMode();
        pnlApplication->setVisible(sa);
        pnlAttached->setVisible(!sa);
        if (QLineEdit* source = sourceBox()) source->setFocus();
        if (sa) validateOnRequest();
        restoreWindowSize();
    } catch (const std::exception& e) {
        fMessages.info(e.what());
    }
}

void TfrmUnitsConvert::reinitViews() {
    for (UnitModule* v : fViews)
        v->Init();
    // The tree's categories belong to the data just replaced.
    fmIntegConv1->rebuildTree();
}

void TfrmUnitsConvert::showViewMessage(const QString& text) {
    statusBar()->showMessage(text);
}

void TfrmUnitsConvert::showConversionAgain() {
    if (MultiTabMode()) {
        activateTab(TabProtocol::EditTab);
        fProtocol->freshArrival();
    } else
        fmIntegConv1->Execute(fIOModel.Source());
}

void TfrmUnitsConvert::validateOnRequest() {
    for (const QString& p : fStart.params) {
        if (p.compare("-vld", Qt::CaseInsensitive) != 0) continue;
        std::vector<ValidationEntry> errors;
        TfrmProgressMsg::instance(this)->during([&](const ProgressFn& progress) {
            ValidateUnitsData(fSession.iConvert().Data(), errors, true, progress);
        });
        if (!errors.empty())
            fMessages.info(
                "Errors in Units data file:\n\n Enter Units Editor and\n run Validate for more "
                "details.");
    }
}

void TfrmUnitsConvert::restoreWindowSize() {
    const WindowSize size = readWindowSize(fSession.dirs()->UnitConverter() + "TarnelUC.ext");
    resize(std::max(size.width, kMinWidth), std::max(size.height, kMinHeight));
    if (QScreen* screen = this->screen()) {
        QRect r = rect();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

bool TfrmUnitsConvert::MultiTabMode() {
    return fSession.options().Opts().MultiTabMode;
}

void TfrmUnitsConvert::SetUserMode() {
    const bool multi = MultiTabMode();
    pcMain->setVisible(multi);
    fmIntegConv1->setVisible(!multi);
    fmSimple1->setExpanded(multi);
    fmUnitLog1->setDated(multi);
    fmIntegConv1->model().Active = !multi;
    if (multi) {
        fMainLayout->insertWidget(0, fmIO1);
        fIOModel.ModeLocked = true;
        // Taking a page out of the tab control removed its tab: put both back in place
        // without the tab change that removing and inserting would announce.
        const QSignalBlocker block(pcMain);
        if (pcMain->indexOf(fmSimple1) < 0) pcMain->insertTab(0, fmSimple1, " Simple");
        if (pcMain->indexOf(fmUnitLog1) < 0)
            pcMain->insertTab(TabProtocol::HistoryTab, fmUnitLog1, " History");
        pcMain->setCurrentIndex(fCurrentTab);
    } else {
        const QSignalBlocker block(pcMain);
        fmIntegConv1->placePanel(fmIO1);
        fmIntegConv1->placeSimple(fmSimple1);
        fmIntegConv1->placeHistory(fmUnitLog1);
        fIOModel.ModeLocked = false;
        fmIntegConv1->Init();
    }
    fmIO1->show();
}

std::string TfrmUnitsConvert::UnitFile() {
    return fSession.UnitFile();
}

void TfrmUnitsConvert::SetUnitFile(const std::string& path) {
    fSession.setUnitFile(path); // the reload callback re-initialises the views
}

void TfrmUnitsConvert::activateTab(int index) {
    const QSignalBlocker block(pcMain);
    pcMain->setCurrentIndex(index);
    fCurrentTab = index;
}

void TfrmUnitsConvert::tabChanged(int index) {
    fProtocol->tabChanging(fCurrentTab);
    fCurrentTab = index;
    fProtocol->tabChanged(index);
}

void TfrmUnitsConvert::optionsClicked() {
    applyChangedOptions([this] {
        return TfrmOptCont::execute(fSession.options(), this, [this](int c) { showHelp(c); });
    });
}

void TfrmUnitsConvert::extraOptionsClicked() {
    applyChangedOptions([this] { return OnCallOptions && OnCallOptions("Unit Converter"); });
}

void TfrmUnitsConvert::applyChangedOptions(const std::function<bool()>& accepted) {
    const std::string before = LoadTextFile(UnitFile());
    const bool wasMulti = MultiTabMode();
    if (!accepted()) return;
    fSession.applyOptions();
    SetUserMode();
    // Texts rather than names: the unit file editor may have changed the file in place.
    const std::string file = UnitFile();
    if (LoadTextFile(file) != before) SetUnitFile(file);
    const bool multi = MultiTabMode();
    if (!wasMulti && multi) {
        fProtocol->OldPage = 0;
        if (fIOModel.TargetEmpty()) {
            activateTab(TabProtocol::EditTab);
        } else {
            activateTab(0);
            fIOModel.forceEditMode(false);
        }
    }
    if (multi)
        fProtocol->tabChanged(pcMain->currentIndex());
    else
        fmIntegConv1->Execute(fIOModel.Source());
    fmIO1->refresh();
}

bool TfrmUnitsConvert::Execute(QString& dimStr) {
    if (!fInitRun) Init(false);
    if (!isEnabled() || !fSession.loaded()) throw EM("Unit converter is disabled.");
    if (fExecLoop) return false; // already showing for this host
    SetUserMode();
    const std::string dim = dimStr.toStdString();
    if (MultiTabMode()) {
        fIOModel.setSource(dim);
        fProtocol->OldPage = TabProtocol::EditTab;
        std::string part = dim;
        const bool edit = !UnitsOfField(part);
        fIOModel.forceEditMode(edit);
        const int tab = edit ? TabProtocol::EditTab : 0;
        activateTab(tab);
        fProtocol->tabChanged(tab);
    } else {
        fmIntegConv1->Execute(dim);
    }
    fmIO1->refresh();

    QEventLoop loop;
    fExecLoop = &loop;
    fExecResult = false;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    if (QLineEdit* source = sourceBox()) source->setFocus();
    loop.exec();
    fExecLoop = nullptr;
    if (fExecResult) dimStr = QString::fromStdString(fIOModel.Target());
    return fExecResult;
}

void TfrmUnitsConvert::finishExecute(bool ok) {
    if (!fExecLoop) return;
    fExecResult = ok;
    close(); // the close handler ends the modal loop
}

// Enter accepts and Escape cancels from anywhere in the window while a host waits; a
// focused button takes Enter for itself. True when the key is used.
bool TfrmUnitsConvert::executeKey(QWidget* widget, int key) {
    if (!fExecLoop || !widget || widget->window() != this) return false;
    if (key == Qt::Key_Escape) {
        finishExecute(false);
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (auto* b = qobject_cast<QPushButton*>(widget); b && b->isEnabled())
        b->click();
    else
        finishExecute(true);
    return true;
}

bool TfrmUnitsConvert::ConvertDim2Dim(double& value, const std::string& sourceDim,
                                      const std::string& targetDim, bool errMsg) {
    return fHost.ConvertDim2Dim(value, sourceDim, targetDim, errMsg);
}

void TfrmUnitsConvert::AllUnitList(bool fullText, std::vector<std::string>& ul) {
    if (fHost.ready()) ul = fHost.AllUnitList(fullText);
}

std::optional<std::vector<std::string>> TfrmUnitsConvert::UnitList(const std::string& unitAbrv,
                                                                   bool simpleOnly, bool fullName) {
    return fHost.UnitList(unitAbrv, simpleOnly, fullName);
}

void TfrmUnitsConvert::copyClicked() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(fProtocol->copyText()));
}

void TfrmUnitsConvert::helpClicked() {
    showHelp(TabProtocol::helpContext(MultiTabMode(), pcMain->currentIndex()));
}

void TfrmUnitsConvert::showHelp(int context) {
    const QString dir = QCoreApplication::applicationDirPath() + "/help";
    // A modal dialog blocks every other window: its help must be a window of its own.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        auto* help = new HelpWindow(dir, modal);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->showContext(context);
        return;
    }
    if (!fHelp) fHelp = new HelpWindow(dir, this);
    fHelp->showContext(context);
}

QLineEdit* TfrmUnitsConvert::sourceBox() const {
    return fmIO1 ? fmIO1->findChild<QLineEdit*>("eSource") : nullptr;
}

void TfrmUnitsConvert::closeEvent(QCloseEvent* event) {
    if (isEnabled() && fSession.dirs()) {
        try {
            writeWindowSize(fSession.dirs()->UnitConverter() + "TarnelUC.ext",
                            WindowSize{width(), height()});
        } catch (const std::exception& e) {
            fMessages.info(e.what());
        }
    }
    if (fHelp) fHelp->close();
    event->accept();
    if (fExecLoop) fExecLoop->quit();
}

void TfrmUnitsConvert::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (QLineEdit* source = sourceBox())
        if (source->hasSelectedText()) source->deselect();
}

bool TfrmUnitsConvert::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress && fExecLoop &&
        executeKey(qobject_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event)->key()))
        return true;
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && fProtocol) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_Control && widget && widget->window() == this) {
            // No tab is active in the integrated layout.
            if (type == QEvent::KeyPress && MultiTabMode())
                fProtocol->ctrlDown(pcMain->currentIndex());
            else if (type == QEvent::KeyRelease)
                fProtocol->ctrlUp();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmUnitsConvert::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && fStart.standalone &&
        fStart.minimOnTray && QSystemTrayIcon::isSystemTrayAvailable())
        hideIntoTray();
}

void TfrmUnitsConvert::hideIntoTray() {
    if (!TrayIcon1) {
        TrayIcon1 = new QSystemTrayIcon(style()->standardIcon(QStyle::SP_ComputerIcon), this);
        TrayIcon1->setObjectName("TrayIcon1");
        TrayIcon1->setToolTip(windowTitle().trimmed());
        connect(TrayIcon1, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason) { restoreFromTray(); });
    }
    hide();
    TrayIcon1->show();
}

void TfrmUnitsConvert::restoreFromTray() {
    if (TrayIcon1) TrayIcon1->hide();
    showNormal();
    raise();
    activateWindow();
}

void TfrmUnitsConvert::wakeUp() {
    if (isMinimized() || isHidden())
        restoreFromTray();
    else {
        raise();
        activateWindow();
    }
}

} // namespace tarnel
