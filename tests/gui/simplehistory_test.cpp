// The Simple and History views in the main window: rows per dimension in the right
// panel, a picked unit and a keystroke reconvert, conversions land in the History grid,
// and its buttons hand entries back.

#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/views/tfmsimple.h"
#include "gui/views/tfmsimpleone.h"
#include "gui/views/tfmunitlog.h"
#include "support/testshell.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace tarnel;

namespace {
struct Shell : TestShell {
    using TestShell::TestShell;
    TfmSimpleOne* row(int i) { return window.simpleView()->rowWidgets().at(size_t(i)); }
    QTableWidget* log() { return window.findChild<QTableWidget*>("sgLog"); }
};
} // namespace

class SimpleHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void rowsInTheirPanelsConvertOnPickAndKeystroke();
    void tabChangeRecordsIntoHistory();
    void integratedLayoutHidesTheDate();
};

void SimpleHistoryTest::rowsInTheirPanelsConvertOnPickAndKeystroke() {
    Shell s;
    s.io().setSource("3 [kg.m^2/s^3]");
    s.clickTab(0);
    QCOMPARE(s.window.simpleView()->rowWidgets().size(), size_t(3));
    const char* panels[] = {"pnlUpper", "pnlUpper", "pnlLower"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(s.row(i)->parentWidget()->objectName(), QString(panels[i]));
    QVERIFY(s.row(0)->findChild<QWidget*>("sbSI_Target")->isVisibleTo(s.row(0))); // multi-tab
    QVERIFY(!s.window.findChild<QLabel*>("lbOne")->isVisibleTo(s.window.simpleView()));

    QVERIFY(s.pickTarget(0, "gram [g]"));
    QCOMPARE(s.target(), QString("3000 [g.m^2/s^3]"));
    QTest::keyClicks(s.window.findChild<QLineEdit*>("eSource"), "0");
    QCOMPARE(QString::fromStdString(s.io().Source()), QString("30 [kg.m^2/s^3]"));
    QCOMPARE(s.target(), QString("30000 [g.m^2/s^3]"));
    QVERIFY(s.messages.texts.empty());
}

void SimpleHistoryTest::tabChangeRecordsIntoHistory() {
    {
        Shell s;
        s.io().setSource("5 [km]");
        s.clickTab(0);
        QVERIFY(s.pickTarget(0, "metre [m]"));
        QVERIFY(s.pickTarget(0, "foot [ft]"));
        s.clickTab(4);
        QCOMPARE(s.log()->rowCount(), 2); // two picks; leaving adds nothing new
        QCOMPARE(s.log()->item(0, 3)->text(), QString("16404.2 [ft]"));
        QCOMPARE(s.log()->item(1, 3)->text(), QString("5000 [m]"));
        QVERIFY(s.log()->item(0, 0)->text().startsWith(' '));
        QVERIFY(s.io().TargetEmpty());

        s.log()->selectRow(1);
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(s.window.findChild<QPushButton*>("atbCopy"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("5 [km] = 5000 [m]"));
        QTest::mouseClick(s.window.findChild<QPushButton*>("atbTargetBack"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(s.io().Source()), QString("5000 [m]"));
        QVERIFY(s.io().TargetEmpty());
        emit s.log()->cellDoubleClicked(0, 1);
        QCOMPARE(QString::fromStdString(s.io().Source()), QString("5 [km]"));
        QCOMPARE(s.target(), QString("16404.2 [ft]"));
        QVERIFY(s.messages.texts.empty());

        // The file holds the entries, newest first.
        QFile file(QString::fromStdString(s.root.unitConverter()) + "TarnelUC.log");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        const QString text = QString::fromUtf16(
            reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
        QVERIFY(text.startsWith("4,3\r\n"));
        QVERIFY(text.contains("3,1,16404.2 [ft]\r\n"));
    }
}

void SimpleHistoryTest::integratedLayoutHidesTheDate() {
    Shell s("UnitFile=default.unt\nMultiTabMode=0\n");
    QVERIFY(s.log()->isColumnHidden(0));
    QVERIFY(!s.window.simpleView()->Expanded());
}

QTEST_MAIN(SimpleHistoryTest)
#include "simplehistory_test.moc"
