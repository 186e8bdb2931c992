// The main window's wiring: tab clicks run the tab protocol over the views, Copy fills
// the clipboard, Help opens the page of the context, closing writes the window size.

#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/editor/tfrmprogressmsg.h"
#include "gui/shell/helpwindow.h"
#include "gui/shell/tfrmoptcont.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/views/tfmallunits.h"
#include "gui/views/tfmsimple.h"
#include "support/dataroot.h"
#include "support/testshell.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace tarnel;

namespace {
using Shell = TestShell;

using Calls = std::vector<std::string>;
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startsOnEditTabWithoutMessages();
    void tabClickRunsProtocol();
    void typingReachesActiveView();
    void leavingBaseMakesTargetTheSource();
    void copy_data();
    void copy();
    void helpContext_data();
    void helpContext();
    void closeWritesWindowSize();
    void optionsSwitchToIntegratedLayout();
    void optionsWithAnotherUnitFileReloadEveryView();
    void validateOnRequestRunsUnderTheProgressWindow();
};

void MainWindowTest::startsOnEditTabWithoutMessages() {
    Shell s;
    QVERIFY2(s.messages.texts.empty(), s.messages.texts.empty() ? "" : s.messages.texts[0].c_str());
    QCOMPARE(s.window.windowTitle(), QString(" Tarnel Unit Converter v3.6"));
    QCOMPARE(s.tabBar()->currentIndex(), 3);
    // A fresh arrival enters the composing view: the panel edits the whole text.
    QVERIFY(s.io().EditMode());
    QVERIFY(s.io().ModeLocked);
}

void MainWindowTest::tabClickRunsProtocol() {
    Shell s;
    s.io().setSource("5 [km]");
    s.clickTab(0);
    QCOMPARE(s.tabBar()->currentIndex(), 0);
    QVERIFY(!s.io().EditMode()); // composing let go of the panel
    QCOMPARE(s.window.simpleView()->rowWidgets().size(), size_t(1));      // Simple ran
    QCOMPARE(QString::fromStdString(s.io().Target()), QString("5 [km]")); // empty target filled

    s.clickTab(4);
    auto* log = s.window.findChild<QTableWidget*>("sgLog");
    QCOMPARE(log->item(0, 1)->text(), QString("5 [km]")); // recorded on leaving Simple
    QVERIFY(s.io().TargetEmpty());
}

void MainWindowTest::typingReachesActiveView() {
    Shell s;
    s.io().setSource("5 [km]");
    s.clickTab(0);
    auto* source = s.window.findChild<QLineEdit*>("eSource");
    QVERIFY(source);
    QTest::keyClicks(source, "2");
    // The Simple view reconverts on the keystroke; nothing is recorded meanwhile.
    QCOMPARE(QString::fromStdString(s.io().Target()), QString("52 [km]"));
    auto* log = s.window.findChild<QTableWidget*>("sgLog");
    QVERIFY(!log->item(0, 1) || log->item(0, 1)->text().isEmpty());
}

void MainWindowTest::leavingBaseMakesTargetTheSource() {
    Shell s;
    s.clickTab(2);
    s.io().setSource("1 [km]");
    s.io().setTarget("1000 [m]");
    s.clickTab(0);
    QCOMPARE(QString::fromStdString(s.io().Source()), QString("1000 [m]"));
}

void MainWindowTest::copy_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("target alone") << "MultiTabMode=1\n"
                                  << "1000 [m]";
    QTest::newRow("CopyBoth") << "MultiTabMode=1\nCopyBoth=1\n"
                              << "1 [km] = 1000 [m]";
}

void MainWindowTest::copy() {
    QFETCH(QString, ini);
    QFETCH(QString, clipboard);
    Shell s("UnitFile=default.unt\n" + ini);
    s.io().setSource("1 [km]");
    s.io().setTarget("1000 [m]");
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(s.window.findChild<QPushButton*>("btnCopy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

void MainWindowTest::helpContext_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("page");
    QTest::newRow("Simple") << "MultiTabMode=1\n" << 0 << "3213.html";
    QTest::newRow("History") << "MultiTabMode=1\n" << 4 << "3217.html";
    QTest::newRow("integrated") << "MultiTabMode=0\n" << 4 << "3211.html";
}

void MainWindowTest::helpContext() {
    QFETCH(QString, ini);
    QFETCH(int, tab);
    QFETCH(QString, page);
    Shell s("UnitFile=default.unt\n" + ini);
    s.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    s.window.findChild<QTabWidget*>("pcMain")->setCurrentIndex(tab);
    QTest::keyClick(s.window.findChild<QLineEdit*>("eSource"), Qt::Key_F1);
    auto* help = s.window.findChild<HelpWindow*>("frmHelp");
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->currentPage(), page);
}

void MainWindowTest::closeWritesWindowSize() {
    Shell s;
    s.window.show();
    s.window.resize(500, 300);
    s.window.close();
    QCOMPARE(s.root.read("TarnelUC.ext"), QByteArray("Width=500\r\nHeight=300\r\n"));
}

namespace {
/// Presses Options..., lets `change` work on the dialog and answers OK.
void runOptions(Shell& s, const std::function<void(TfrmOptCont&)>& change) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TfrmOptCont*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = true;
        change(*dialog);
        dialog->accept();
    });
    QTest::mouseClick(s.window.findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);
    QVERIFY(seen);
}
} // namespace

void MainWindowTest::optionsSwitchToIntegratedLayout() {
    Shell s;
    s.window.show();
    runOptions(s,
               [](TfrmOptCont& d) { d.findChild<QTabWidget*>("pcUserMode")->setCurrentIndex(0); });
    QVERIFY(s.root.read("TarnelUC.ini").contains("MultiTabMode=0"));
    auto* integ = s.window.findChild<QFrame*>("fmIntegConv1");
    QVERIFY(integ->isVisible());
    QVERIFY(integ->isAncestorOf(s.window.findChild<QWidget*>("fmIO1")));
    QVERIFY(s.window.findChild<QTabWidget*>("pcMain")->isHidden());
    QVERIFY(!s.io().ModeLocked);
}

void MainWindowTest::optionsWithAnotherUnitFileReloadEveryView() {
    Shell s;
    // Another file with other text: the options compare texts, not names.
    QByteArray text = s.root.read("default.unt");
    text.replace("<category name=\"Length\"", "<category name=\"Lengths\"");
    QFile other(QString::fromStdString(s.root.unitConverter()) + "other.unt");
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write(text) == text.size());
    other.close();
    runOptions(s, [](TfrmOptCont& d) {
        auto* files = d.findChild<QComboBox*>("cbUnitFile");
        files->setCurrentIndex(files->findText("other.unt"));
    });
    QCOMPARE(QString::fromStdString(s.window.UnitFile()).section('/', -1), QString("other.unt"));
    // The views were initialised again over the new data: the tree shows the new name.
    auto* all = s.window.findChild<TfmAllUnits*>("fmAllUnits1");
    QVERIFY(all);
    bool renamed = false;
    for (const auto& d : all->model().tree().domains())
        for (const auto& c : d.categories)
            renamed = renamed || c.name == "Lengths";
    QVERIFY(renamed);
    QVERIFY(s.messages.texts.empty());
}

void MainWindowTest::validateOnRequestRunsUnderTheProgressWindow() {
    RecordingMessages messages;
    TestDataRoot root;
    // A keyword the description does not list: the converter loads it, validation objects.
    QByteArray text = root.read("default.unt");
    text.replace("kw=\"SI,metric,common\"", "kw=\"SI,metrik\"");
    QFile file(QString::fromStdString(root.unitConverter()) + "default.unt");
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    TDirMap dirs = root.dirs(messages);
    ConverterSession session(messages, dirs, true);
    TfrmProgressMsg progress(nullptr); // the window the main window then uses
    int categories = 0;
    connect(&progress, &TfrmProgressMsg::messageShown, [&] {
        categories += progress.isVisible() && QApplication::activeModalWidget() == &progress;
    });
    ShellStart start;
    start.params = {"-VLD"};
    TfrmUnitsConvert window(session, messages, start);
    QVERIFY(categories > 100);
    QVERIFY(!progress.isVisible());
    QCOMPARE(messages.texts,
             std::vector<std::string>{"Errors in Units data file:\n\n Enter Units "
                                      "Editor and\n run Validate for more details."});
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
