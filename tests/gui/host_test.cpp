// The main window attached to a host: Execute shows it modally and answers through OK,
// Enter, Cancel, Escape or closing; the host's operations answer once the first Execute
// (or Init) made the engines; no settings file is read or written.

#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/views/tfmsimple.h"
#include "support/dataroot.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>

using namespace tarnel;

namespace {
// A settings file that attached mode must neither read nor write.
const QString kIni = "UnitFile=default.unt\nMultiTabMode=1\nPrec=3\n";

struct Attached {
    Attached() : root(kIni), dirs(root.dirs(messages)), session(messages, dirs, false) {}
    TfrmUnitsConvert& window() {
        if (!fWindow) {
            ShellStart attached;
            attached.standalone = false;
            fWindow = std::make_unique<TfrmUnitsConvert>(session, messages, attached);
        }
        return *fWindow;
    }
    /// The options as the host's options dialog leaves them.
    void setMultiTab(bool multi) {
        OptionControls c;
        session.options().List2Vis(c);
        c.modePage = multi ? 1 : 0;
        session.options().Vis2List(c);
    }

    RecordingMessages messages;
    TestDataRoot root;
    TDirMap dirs;
    ConverterSession session;

  private:
    std::unique_ptr<TfrmUnitsConvert> fWindow;
};

bool contains(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

/// Runs Execute on `dim`; once the window shows, `answer` works on it.
bool execute(TfrmUnitsConvert& window, QString& dim,
             const std::function<void(TfrmUnitsConvert&)>& answer) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        seen = window.isVisible() && QApplication::activeModalWidget() == &window;
        answer(window);
    });
    const bool ok = window.Execute(dim);
    if (!seen) qWarning("the window was not shown modally");
    return ok && seen;
}
} // namespace

class HostTest : public QObject {
    Q_OBJECT
  private slots:
    void executeShowsAttachedRow();
    void executeAnswers_data();
    void executeAnswers();
    void executeOpensTabByUnitPart();
    void executeIntegratedConverts();
    void executeOnDisabledWindowFails();
    void convertDim2Dim();
    void unitLists();
    void optionsGoThroughHostWithoutSettingsFile();
};

void HostTest::executeShowsAttachedRow() {
    Attached a;
    // Nothing is initialised until the host asks.
    double v = 1;
    QVERIFY(!a.window().ConvertDim2Dim(v, "km", "m", true));
    QVERIFY(!a.session.loaded());
    QString dim = "1 [km]";
    execute(a.window(), dim, [](TfrmUnitsConvert& w) {
        QVERIFY(w.findChild<QWidget*>("pnlAttached")->isVisible());
        QVERIFY(w.findChild<QWidget*>("pnlApplication")->isHidden());
        QCOMPARE(w.windowTitle(), QString("Unit Converter"));
        w.findChild<QPushButton*>("btnCancel")->click();
    });
    QVERIFY(a.session.loaded());
    // The settings file was not read: its multi-tab layout and precision do not apply.
    QVERIFY(!a.window().MultiTabMode());
    QCOMPARE(a.session.prec(), 7);
    // Attached options start empty: the one warning of an unset unit file, then default.unt.
    QCOMPARE(a.messages.texts.size(), size_t(1));
    QVERIFY(QString::fromStdString(a.messages.texts[0]).startsWith("Unit file "));
}

void HostTest::executeAnswers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << "btnOK" << true;
    QTest::newRow("Enter in the source box") << "enter" << true;
    QTest::newRow("Cancel") << "btnCancel" << false;
    QTest::newRow("Escape") << "escape" << false;
    QTest::newRow("closing the window") << "close" << false;
    // A focused button takes Enter for itself.
    QTest::newRow("Enter on focused Cancel") << "enterOnCancel" << false;
}

void HostTest::executeAnswers() {
    QFETCH(QString, how);
    QFETCH(bool, ok);
    Attached a;
    a.window().Init(false);
    a.setMultiTab(true);
    QString dim = "5 [km]";
    const bool result = execute(a.window(), dim, [&](TfrmUnitsConvert& w) {
        w.io().setTarget("5000 [m]");
        auto* source = w.findChild<QLineEdit*>("eSource");
        if (how == "enter")
            QTest::keyClick(source, Qt::Key_Return);
        else if (how == "escape")
            QTest::keyClick(source, Qt::Key_Escape);
        else if (how == "close")
            w.close();
        else if (how == "enterOnCancel")
            QTest::keyClick(w.findChild<QPushButton*>("btnCancel"), Qt::Key_Enter);
        else
            w.findChild<QPushButton*>(how)->click();
    });
    QCOMPARE(result, ok);
    QCOMPARE(dim, ok ? QString("5000 [m]") : QString("5 [km]"));
    QVERIFY(a.window().isHidden());
}

void HostTest::executeOpensTabByUnitPart() {
    struct Case {
        const char* dim;
        int tab;
        bool editMode;
    } cases[] = {{"4 [km]", 0, false}, {"4 []", 0, false}, {"12.5", 3, true}};
    Attached a;
    a.window().Init(false);
    a.setMultiTab(true);
    for (const Case& c : cases) {
        QString dim = c.dim;
        int tab = -1;
        bool edit = false;
        execute(a.window(), dim, [&](TfrmUnitsConvert& w) {
            tab = w.findChild<QTabWidget*>("pcMain")->currentIndex();
            edit = w.io().EditMode();
            w.findChild<QPushButton*>("btnCancel")->click();
        });
        QVERIFY2(tab == c.tab && edit == c.editMode, c.dim);
        QVERIFY(a.window().io().ModeLocked);
    }
}

void HostTest::executeIntegratedConverts() {
    Attached a;
    a.window().Init(false);
    a.setMultiTab(false);
    QString dim = "4 [km]";
    size_t rows = 0;
    const bool ok = execute(a.window(), dim, [&](TfrmUnitsConvert& w) {
        rows = w.simpleView()->rowWidgets().size();
        w.findChild<QPushButton*>("btnOK")->click();
    });
    QVERIFY(ok);
    QCOMPARE(rows, size_t(1));
    QCOMPARE(dim, QString("4 [km]"));
    QVERIFY(!a.window().io().ModeLocked);
}

void HostTest::executeOnDisabledWindowFails() {
    Attached a;
    QVERIFY(QFile::remove(QString::fromStdString(a.root.unitConverter()) + "default.unt"));
    QString dim = "1 [km]";
    for (int call = 0; call < 2; ++call) { // still disabled the second time
        try {
            a.window().Execute(dim);
            QFAIL("Execute on a disabled window returned");
        } catch (const std::exception& e) {
            QCOMPARE(QString(e.what()), QString("Unit converter is disabled."));
        }
    }
    QCOMPARE(dim, QString("1 [km]"));
    double v = 1;
    QVERIFY(!a.window().ConvertDim2Dim(v, "km", "m", false));
}

void HostTest::convertDim2Dim() {
    struct Case {
        double value;
        const char* source;
        const char* target;
        bool errMsg;
        bool ok;
        double result;
        bool message;
    } cases[] = {
        {4, "km", "m", false, true, 4000, false},
        {36, "km/h", "m/s", true, true, 10, false},
        {4, "km", "kg", false, false, 4, false},
        {4, "km", "kg", true, false, 4, true},
    };
    Attached a;
    a.window().Init(false);
    for (const Case& c : cases) {
        a.messages.texts.clear();
        double v = c.value;
        const QByteArray name =
            QByteArray(c.source) + " -> " + c.target + (c.errMsg ? " (ErrMsg)" : "");
        QVERIFY2(a.window().ConvertDim2Dim(v, c.source, c.target, c.errMsg) == c.ok, name);
        QVERIFY2(qAbs(v - c.result) <= 1e-9 * c.result, name);
        QVERIFY2(a.messages.texts.empty() != c.message, name);
    }
    QVERIFY(a.window().isHidden()); // nothing is shown
}

void HostTest::unitLists() {
    Attached a;
    a.window().Init(false);
    const auto rule = a.window().UnitList("°C", false, false);
    QVERIFY(rule && contains(*rule, "K") && contains(*rule, "°R"));
    QVERIFY(!contains(*rule, "°C") && !contains(*rule, "°F"));
    QVERIFY(!a.window().UnitList("°C", true, false));
    QVERIFY(!a.window().UnitList("no-such-unit", false, false));

    std::vector<std::string> symbols{"left over"}, names;
    a.window().AllUnitList(false, symbols);
    a.window().AllUnitList(true, names);
    QVERIFY(symbols.size() > 100);
    QCOMPARE(names.size(), symbols.size());
    QVERIFY(contains(symbols, "km") && contains(symbols, "°C") && !contains(symbols, "left over"));
    QVERIFY(contains(names, "kilometre [km]"));
}

void HostTest::optionsGoThroughHostWithoutSettingsFile() {
    Attached a;
    const QByteArray ini = a.root.read("TarnelUC.ini");
    std::vector<std::string> pages;
    a.window().OnCallOptions = [&](const std::string& page) {
        pages.push_back(page);
        a.setMultiTab(true); // what the host's options dialog would store
        return true;
    };
    QString dim = "2 [km]";
    bool multiAfter = false;
    execute(a.window(), dim, [&](TfrmUnitsConvert& w) {
        w.findChild<QPushButton*>("btnOptExtra")->click();
        multiAfter = w.findChild<QTabWidget*>("pcMain")->isVisible();
        w.findChild<QPushButton*>("btnOK")->click();
    });
    QCOMPARE(pages, (std::vector<std::string>{"Unit Converter"}));
    QVERIFY(multiAfter); // applied as after the stand-alone dialog
    QCOMPARE(a.root.read("TarnelUC.ini"), ini);

    // A handler that declines: its changes are not applied to the window.
    a.setMultiTab(false);
    a.window().OnCallOptions = [&](const std::string&) {
        a.setMultiTab(true);
        return false;
    };
    execute(a.window(), dim, [](TfrmUnitsConvert& w) {
        w.findChild<QPushButton*>("btnOptExtra")->click();
        QVERIFY(w.findChild<QTabWidget*>("pcMain")->isHidden());
        w.findChild<QPushButton*>("btnCancel")->click();
    });
    QCOMPARE(a.root.read("TarnelUC.ini"), ini);
}

QTEST_MAIN(HostTest)
#include "host_test.moc"
