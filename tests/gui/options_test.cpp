// The options dialog: OK stores the controls in the settings file, Cancel leaves it alone.
#include "gui/shell/tfmunitoptionswidget.h"
#include "gui/shell/tfrmoptcont.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarnel;

class OptionsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    RecordingMessages messages;

    std::string folder() const { return (dir->path() + "/").toStdString(); }
    QString ini() const { return dir->filePath("TarnelUC.ini"); }
    QByteArray iniText() const {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void touch(const char* name) {
        QFile f(dir->filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<UnitsData/>");
    }
    template <class W> static W* child(QWidget* w, const char* name) {
        auto* c = w->findChild<W*>(name);
        if (!c) qFatal("no control %s", name);
        return c;
    }
    // Changes every control away from its default.
    static void changeEverything(QWidget* d) {
        auto* files = child<QComboBox>(d, "cbUnitFile");
        files->setCurrentIndex(files->findText("other.unt"));
        child<QSpinBox>(d, "sePrec")->setValue(5);
        child<QListWidget>(d, "chksAlone")->item(0)->setCheckState(Qt::Checked);
        child<QListWidget>(d, "chksAlone")->item(2)->setCheckState(Qt::Unchecked);
        child<QCheckBox>(d, "chkSwapSrcTrg")->setChecked(true);
        child<QTabWidget>(d, "pcUserMode")->setCurrentIndex(1);
        child<QComboBox>(d, "cbSearchEngine")->setCurrentIndex(0);
        child<QLineEdit>(d, "eCustomSE")->setText("example.org/?q=");
    }
    static constexpr char kChanged[] =
        "UnitFile=other.unt\r\nPrec=5\r\nCopyBoth=1\r\nMinimOnTray=0\r\nMonthlyCheck=0\r\n"
        "PromptB4Delete=0\r\nSwapSrcTrg=1\r\nMultiTabMode=1\r\nSearchEngine=0\r\n"
        "CustomSearchEngine=example.org/?q=\r\n";

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        messages.texts.clear();
        touch("default.unt");
        touch("other.unt");
    }

    void okWritesTheSettingsAndTheNextDialogShowsThem() {
        TfmUnitOptions options(folder(), true, messages);
        options.Init(); // no settings file yet: warned, defaults apply
        {
            TfrmOptCont d(options);
            // A first start offers the shipped unit file, not an empty choice.
            QCOMPARE(child<QComboBox>(&d, "cbUnitFile")->currentText(), QString("default.unt"));
            changeEverything(&d);
            QTest::mouseClick(child<QPushButton>(&d, "btnOK"), Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(iniText(), QByteArray(kChanged));
        TfrmOptCont again(options);
        QCOMPARE(child<QComboBox>(&again, "cbUnitFile")->currentText(), QString("other.unt"));
        QCOMPARE(child<QSpinBox>(&again, "sePrec")->value(), 5);
        QCOMPARE(child<QTabWidget>(&again, "pcUserMode")->currentIndex(), 1);
        QCOMPARE(child<QLineEdit>(&again, "eCustomSE")->text(), QString("example.org/?q="));
        QVERIFY(options.Opts().MultiTabMode);
    }

    void executeAnswersOkOrCancel_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("OK") << "btnOK" << true;
        QTest::newRow("Cancel") << "btnCancel" << false;
    }
    void executeAnswersOkOrCancel() {
        QFETCH(QString, button);
        QFETCH(bool, accepted);
        TfmUnitOptions options(folder(), true, messages);
        QTimer::singleShot(0, this, [button] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d);
            changeEverything(d);
            QTest::mouseClick(child<QPushButton>(d, button.toLatin1().constData()), Qt::LeftButton);
        });
        QCOMPARE(TfrmOptCont::execute(options, nullptr), accepted);
        QCOMPARE(QFile::exists(ini()), accepted);
        QCOMPARE(options.OptList.empty(), !accepted);
    }

    void customAddressOnlyWithTheCustomEngine() {
        TfmUnitOptions options(folder(), true, messages);
        TfrmOptCont d(options);
        auto* engine = child<QComboBox>(&d, "cbSearchEngine");
        auto* address = child<QLineEdit>(&d, "eCustomSE");
        QCOMPARE(engine->currentText(), QString("Wikipedia"));
        QVERIFY(!address->isEnabled());
        engine->setCurrentIndex(0);
        QVERIFY(address->isEnabled());
        QVERIFY(child<QLabel>(&d, "lbHttp")->isEnabled());
        address->setText("x.org/?q=");
        engine->setCurrentIndex(1);
        QVERIFY(!address->isEnabled());
        QCOMPARE(address->text(), QString("x.org/?q="));
    }

    void attachedHidesTheStandAloneControls() {
        for (bool standalone : {true, false}) {
            TfmUnitOptions options(folder(), standalone, messages);
            TfrmOptCont d(options);
            QCOMPARE(child<QWidget>(&d, "pnlAloneOpt")->isVisibleTo(&d), standalone);
            QCOMPARE(child<QLabel>(&d, "stCaption")->isVisibleTo(&d), !standalone);
            auto* editor = child<QPushButton>(&d, "bbUnitDataEditor");
            QVERIFY(editor->isEnabled());
        }
    }

    void helpOpensTheOptionsPage() {
        TfmUnitOptions options(folder(), true, messages);
        int context = 0;
        TfrmOptCont d(options, nullptr, [&context](int c) { context = c; });
        QTest::mouseClick(child<QPushButton>(&d, "btnHelp"), Qt::LeftButton);
        QCOMPARE(context, 3218);
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
