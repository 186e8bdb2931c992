// The integrated converter in the main window: switching the layout in the options
// moves the panel, the Simple view and the History view between the tabs and the
// integrated converter, and every layout converts afterwards.

#include "core/appinfo/buildinfo.h"
#include "core/platform/weblinks.h"
#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/shell/tfrmoptcont.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/views/categorytree.h"
#include "gui/views/tfmintegconv.h"
#include "gui/views/tfmsimple.h"
#include "gui/views/tfmsimpleone.h"
#include "gui/views/tfmunitlog.h"
#include "support/testshell.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace tarnel;

namespace {
struct Shell : TestShell {
    using TestShell::TestShell;
    TfmIntegConv* integ() { return window.integratedView(); }
    /// Options..., the layout page of `multi`, OK.
    void switchLayout(bool multi) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TfrmOptCont*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = true;
            dialog->findChild<QTabWidget*>("pcUserMode")->setCurrentIndex(multi ? 1 : 0);
            dialog->accept();
        });
        QTest::mouseClick(window.findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);
        QVERIFY(seen);
    }
    /// Each view sits in exactly one place and is shown there.
    void checkPlaces(bool multi) {
        QWidget* panel = window.findChild<QWidget*>("fmIO1");
        QCOMPARE(integ()->isAncestorOf(panel), !multi);
        QCOMPARE(integ()->isAncestorOf(window.simpleView()), !multi);
        QCOMPARE(integ()->isAncestorOf(window.historyView()), !multi);
        QCOMPARE(tabs()->count(), multi ? 5 : 3);
        if (multi) {
            QCOMPARE(tabs()->widget(0), static_cast<QWidget*>(window.simpleView()));
            QCOMPARE(tabs()->widget(4), static_cast<QWidget*>(window.historyView()));
        }
        QCOMPARE(integ()->isVisible(), !multi);
        QCOMPARE(tabs()->isVisible(), multi);
        QVERIFY(panel->isVisible());
        QCOMPARE(io().ModeLocked, multi);
        QCOMPARE(window.findChildren<TfmSimple*>().size(), qsizetype(1));
        QCOMPARE(window.findChildren<TfmUnitLog*>().size(), qsizetype(1));
    }
};
} // namespace

class IntegConvTest : public QObject {
    Q_OBJECT
  private slots:
    void startsIntegratedAndConverts();
    void numeratorFromTheTree();
    void switchingLayoutThreeTimesKeepsEveryViewConnected();
};

void IntegConvTest::startsIntegratedAndConverts() {
    Shell s("UnitFile=default.unt\nMultiTabMode=0\n");
    s.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    s.checkPlaces(false);
    auto* source = s.window.findChild<QLineEdit*>("eSource");
    // Enter toggles edit mode here; the Edit button follows.
    QTest::keyClick(source, Qt::Key_Return);
    auto* edit = s.integ()->findChild<QToolButton*>("tbEditMode");
    QCOMPARE(s.io().EditMode(), edit->isChecked());
    if (s.io().EditMode()) QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(!s.io().EditMode());
    s.integ()->Execute("5 [km]");
    QCOMPARE(s.window.simpleView()->rowWidgets().size(), size_t(1));
    QVERIFY(s.pickTarget(0, "mile [mi]"));
    QVERIFY2(s.target().startsWith("3.10"), qPrintable(s.target()));
    QVERIFY(s.target().endsWith("[mi]"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(s.io().EditMode());
    QVERIFY(s.window.simpleView()->rowWidgets().empty());
    QVERIFY(s.messages.texts.empty());
}

void IntegConvTest::numeratorFromTheTree() {
    Shell s("UnitFile=default.unt\nMultiTabMode=0\n");
    s.window.show();
    s.integ()->Execute("5 [km]");
    auto* numer = s.integ()->findChild<QToolButton*>("tbNomer");
    QVERIFY(!numer->isEnabled());
    QTreeWidget* tree = s.integ()->categoryTree()->tree();
    QTreeWidgetItem* length = nullptr;
    for (QTreeWidgetItem* it : tree->findItems("Length [m]", Qt::MatchExactly | Qt::MatchRecursive))
        length = it;
    QVERIFY(length);
    tree->setCurrentItem(length);
    QVERIFY(numer->isEnabled());
    QTest::mouseClick(numer, Qt::LeftButton);
    QCOMPARE(s.source(), QString("5 [km^2]"));
    QCOMPARE(s.window.simpleView()->rowWidgets().size(), size_t(1));
    QTest::mouseClick(s.integ()->findChild<QToolButton*>("tbDenomin"), Qt::LeftButton);
    QCOMPARE(s.source(), QString("5 [km]"));
    // Recorded in the History page, which has no date column here.
    auto* log = s.window.findChild<QTableWidget*>("sgLog");
    QCOMPARE(log->item(0, 1)->text(), QString("5 [km]"));
    // The web search looks up the selected category.
    struct : ILinkOpener {
        std::vector<std::string> urls;
        void openUrl(const std::string& url) override { urls.push_back(url); }
    } opener;
    s.integ()->setLinkOpener(&opener);
    auto* web = s.integ()->findChild<QToolButton*>("sbSearch4Cat");
    QVERIFY(web->isEnabled());
    web->click();
    QCOMPARE(opener.urls.size(), size_t(1));
    QCOMPARE(opener.urls[0],
             searchWebUrl("Length", "", s.session.options().Opts().SearchEngine, "", kWebSite));
}

void IntegConvTest::switchingLayoutThreeTimesKeepsEveryViewConnected() {
    Shell s("UnitFile=default.unt\nMultiTabMode=1\n");
    s.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    s.io().setSource("5 [km]");
    s.tabs()->setCurrentIndex(0);
    bool multi = true;
    for (int round = 0; round < 3; ++round) {
        multi = !multi;
        s.switchLayout(multi);
        QTest::qWait(1);
        s.checkPlaces(multi);
        // The source came along.
        QVERIFY2(s.source().endsWith("[km]"), qPrintable(s.source()));
        if (multi) QCOMPARE(s.tabs()->currentIndex(), 0);
        QCOMPARE(s.window.simpleView()->rowWidgets().size(), size_t(1));
        QVERIFY(s.pickTarget(0, "metre [m]"));
        QTest::keyClicks(s.window.findChild<QLineEdit*>("eSource"), "2");
        QVERIFY2(s.target().endsWith("[m]"), qPrintable(s.target()));
        QCOMPARE(s.target().section(' ', 0, 0).toDouble(),
                 s.source().section(' ', 0, 0).toDouble() * 1000);
        QVERIFY(s.pickTarget(0, "kilometre [km]"));
    }
    QVERIFY(s.messages.texts.empty());
}

QTEST_MAIN(IntegConvTest)
#include "integconv_test.moc"
