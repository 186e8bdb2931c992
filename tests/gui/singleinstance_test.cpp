// One converter per user and data root: a second start wakes the first and exits.

#include "gui/shell/singleinstance.h"
#include "support/dataroot.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace tarnel;

class SingleInstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void secondOfOneRootWakesFirst();
    void differentRootsDoNotMeet();
    void secondProgramExitsAndWakesFirst();
};

void SingleInstanceTest::secondOfOneRootWakesFirst() {
    SingleInstance first("/data/root/a/"), second("/data/root/a/");
    QVERIFY(first.acquire());
    QSignalSpy woken(&first, &SingleInstance::wakeUp);
    QVERIFY(!second.acquire());
    QVERIFY(second.wakeFirst());
    QVERIFY(woken.wait(2000));
    QCOMPARE(woken.count(), 1);
}

void SingleInstanceTest::differentRootsDoNotMeet() {
    SingleInstance a("/data/root/a/"), b("/data/root/b/");
    QVERIFY(a.serverName() != b.serverName());
    QVERIFY(a.acquire());
    QVERIFY(b.acquire());
}

void SingleInstanceTest::secondProgramExitsAndWakesFirst() {
    // The program itself, started under its own name beside a location.dir of the root.
    TestDataRoot root;
    const QString exe = root.exeDir() + "TarnelUC";
    QVERIFY(QFile::copy(TARNEL_GUI_EXE, exe));
    SingleInstance first(root.root());
    QVERIFY(first.acquire());
    QSignalSpy woken(&first, &SingleInstance::wakeUp);

    QProcess second;
    second.start(exe, {});
    QVERIFY(second.waitForStarted(5000));
    QVERIFY(woken.wait(10000));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
}

QTEST_MAIN(SingleInstanceTest)
#include "singleinstance_test.moc"
