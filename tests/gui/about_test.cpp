// The about box and the update check against a loopback HTTP server of the test's own:
// every outcome of the fetch, the labels and links of the box, and its place in the main
// window. Nothing leaves the machine.

#include "core/appinfo/aboutinfo.h"
#include "core/platform/filedate.h"
#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/about/clicklabel.h"
#include "gui/about/qtdocumentfetcher.h"
#include "gui/about/taboutuc.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "support/dataroot.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace tarnel;

namespace {
QByteArray document(int version) {
    return "<?xml version=\"1.0\"?>\n<XML_DIZ_INFO><Program_Info><Program_Version>" +
           QByteArray::number(version) +
           "</Program_Version></Program_Info><Web_Info><Application_URLs>"
           "<Application_Change_URL>https://maker.test/changes</Application_Change_URL>"
           "</Application_URLs></Web_Info></XML_DIZ_INFO>\n";
}

/// Answers GET /CASE/verUC.xml by the case name; "stall" never answers.
class UpdateServer : public QObject {
  public:
    UpdateServer() {
        QVERIFY(fServer.listen(QHostAddress::LocalHost));
        connect(&fServer, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = fServer.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
            }
        });
    }
    std::string base(const QString& kase) const {
        return QString("http://127.0.0.1:%1/%2").arg(fServer.serverPort()).arg(kase).toStdString();
    }
    int requests = 0;

  private:
    void answer(QTcpSocket* s) {
        fRequest[s] += s->readAll();
        if (!fRequest[s].contains("\r\n\r\n")) return;
        ++requests;
        const QByteArray kase = fRequest[s].split(' ').value(1).split('/').value(1);
        auto reply = [s](const QByteArray& status, const QByteArray& body, bool length = true) {
            QByteArray head = "HTTP/1.1 " + status + "\r\nContent-Type: text/xml\r\n";
            if (length) head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
            s->write(head + "Connection: close\r\n\r\n" + body);
            s->disconnectFromHost();
        };
        if (kase == "newer")
            reply("200 OK", document(370));
        else if (kase == "older")
            reply("200 OK", document(350));
        else if (kase == "malformed")
            reply("200 OK", "<XML_DIZ_INFO><Program_Info><Program_Version>370");
        else if (kase == "oversized")
            reply("200 OK", QByteArray(2 << 20, ' ') + document(370));
        else if (kase == "oversizedstream")
            reply("200 OK", QByteArray(2 << 20, ' ') + document(370), false);
        else if (kase != "stall")
            reply("404 Not Found", "<html>gone</html>");
    }

    QTcpServer fServer;
    QHash<QTcpSocket*, QByteArray> fRequest;
};

struct RecordingOpener : ILinkOpener {
    std::vector<std::string> urls;
    void openUrl(const std::string& url) override { urls.push_back(url); }
};

AboutConfig config(const std::string& server, bool online = true) {
    AboutConfig c;
    c.webSite = "https://maker.test";
    c.updateServer = server;
    c.today = [] { return CivilDate{2024, 3, 1}; };
    c.connected = [online] { return online; };
    c.timeoutMs = 400;
    return c;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class AboutTest : public QObject {
    Q_OBJECT
  private slots:
    void updateCheck_data();
    void updateCheck();
    void splashShowsNoticeAndHides();
    void linksAndBottomLine();
    void modalAboutClosesWithOk();
    void mainWindowSplashAndAboutPicture();
};

void AboutTest::updateCheck_data() {
    QTest::addColumn<QString>("kase");
    QTest::addColumn<bool>("newer");
    QTest::addColumn<QString>("error");
    QTest::newRow("newer") << "newer" << true << "";
    QTest::newRow("older") << "older" << false << "";
    QTest::newRow("malformed") << "malformed" << false << "XML parse error";
    QTest::newRow("not found") << "missing" << false << "Not Found";
    QTest::newRow("oversized") << "oversized" << false << "larger than 1024 KiB";
    QTest::newRow("oversized stream") << "oversizedstream" << false << "larger than 1024 KiB";
    QTest::newRow("stalled") << "stall" << false << "No answer from 127.0.0.1 within 0.4 s";
}

void AboutTest::updateCheck() {
    QFETCH(QString, kase);
    QFETCH(bool, newer);
    QFETCH(QString, error);
    UpdateServer server;
    QTemporaryDir dir;
    const QString local = dir.filePath("verUC.xml");
    {
        QFile f(local);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(document(360));
    }
    setFileDate(local.toStdString(), CivilDate{2024, 2, 1});

    RecordingMessages messages;
    const AboutConfig c = config(server.base(kase));
    QtDocumentFetcher fetcher(c.timeoutMs, c.maxBytes);
    AboutInfo info(c, fetcher, messages);
    info.LoadLocalInfo(local.toStdString());
    std::optional<UpdateOutcome> outcome;
    QElapsedTimer clock;
    clock.start();
    info.Checking4Updates(false, [&](const UpdateOutcome& o) { outcome = o; });
    QVERIFY(!outcome); // the window goes on while the server answers
    QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), 5000);
    QVERIFY(clock.elapsed() < 3000);
    QCOMPARE(outcome->newer, newer);
    QVERIFY2(QString::fromStdString(outcome->error).contains(error), outcome->error.c_str());
    QCOMPARE(server.requests, 1);
    const CivilDate date = *fileDate(local.toStdString());
    if (error.isEmpty()) {
        QVERIFY(date == (CivilDate{2024, 3, 15}));
        QCOMPARE(readAll(local).contains("<Program_Version>370</Program_Version>"), newer);
        QCOMPARE(info.Warning, std::string(newer ? "New program update is available." : ""));
    } else {
        QVERIFY(date == (CivilDate{2024, 2, 1}));
        QCOMPARE(readAll(local), document(360));
        QVERIFY(info.Warning.empty());
    }
    QVERIFY(messages.texts.empty());
}

void AboutTest::splashShowsNoticeAndHides() {
    UpdateServer server;
    QTemporaryDir dir;
    RecordingMessages messages;
    RecordingOpener opener;
    TAboutUC about(config(server.base("newer"), false), dir.filePath("verUC.xml").toStdString(),
                   messages, &opener);
    QCOMPARE(about.Execute(false), false);
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowTitle(), QString(" Welcome to"));
    QCOMPARE(about.size(), QSize(308, 262));
    QVERIFY(about.findChild<QLabel*>("lbInternet")->isVisible());
    QVERIFY(!about.findChild<QLabel*>("lbUpdates")->isVisible());
    QVERIFY(about.findChild<QLabel*>("stVersion")->text().startsWith("ver. "));
    QCOMPARE(server.requests, 0); // offline: no attempt
    QTest::mouseClick(about.findChild<QLabel*>("imgProgram"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void AboutTest::linksAndBottomLine() {
    UpdateServer server;
    QTemporaryDir dir;
    RecordingMessages messages;
    RecordingOpener opener;
    TAboutUC about(config(server.base("newer")), dir.filePath("verUC.xml").toStdString(), messages,
                   &opener);
    about.Execute(false);
    auto* updates = about.findChild<QLabel*>("lbUpdates");
    QTRY_VERIFY(updates->isVisible());
    QVERIFY(about.findChild<QLabel*>("lbUpdatesLink")->isVisible());
    QVERIFY(!about.findChild<QLabel*>("lbInternet")->isVisible());
    auto* bottom = about.findChild<ClickLabel*>("sttBottom");
    // This showing's bottom line was prepared before the check: plain, and a click does nothing.
    QCOMPARE(bottom->text(), QString(" "));
    QTest::mouseClick(bottom, Qt::LeftButton);
    QVERIFY(opener.urls.empty());
    // The next showing shows the notice as a link to the change page.
    about.Execute(false, "");
    QCOMPARE(bottom->text(), QString(" New program update is available."));
    QVERIFY(bottom->font().underline());
    QCOMPARE(bottom->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(bottom, Qt::LeftButton);
    QTest::mouseClick(about.findChild<QLabel*>("llContact"), Qt::LeftButton);
    QTest::mouseClick(about.findChild<QLabel*>("llWebsite"), Qt::LeftButton);
    QTest::mouseClick(about.findChild<QLabel*>("lbUpdatesLink"), Qt::LeftButton);
    QCOMPARE(opener.urls,
             (std::vector<std::string>{
                 "https://maker.test/changes", "https://maker.test/survey/comment.html?sj=TarnelUC",
                 "https://maker.test/?pg=converter/", "https://maker.test/?pg=converter/"}));
    QVERIFY(about.isVisible()); // links do not dismiss the box
    QCOMPARE(about.findChild<QLabel*>("llWebsite")->text(), QString("maker.test"));
    // A text given to Execute replaces the notice.
    about.Execute(false, "Loading units...");
    QCOMPARE(bottom->text(), QString(" Loading units..."));
    QVERIFY(!bottom->font().underline());
    QCOMPARE(server.requests, 1);
    QVERIFY(messages.texts.empty());
}

void AboutTest::modalAboutClosesWithOk() {
    QTemporaryDir dir;
    RecordingMessages messages;
    UpdateServer server;
    TAboutUC about(config(server.base("missing")), dir.filePath("verUC.xml").toStdString(),
                   messages);
    QString caption, bottom;
    QTimer::singleShot(0, &about, [&] {
        caption = about.windowTitle();
        QTRY_VERIFY(about.findChild<QLabel*>("sttBottom")->text().contains("Not Found"));
        bottom = about.findChild<QLabel*>("sttBottom")->text();
        QTest::mouseClick(about.findChild<QLabel*>("lbTarnel"), Qt::LeftButton);
    });
    QVERIFY(about.Execute(true));
    QCOMPARE(caption, QString(" About"));
    QVERIFY2(bottom.startsWith(" Update check failed: "), qPrintable(bottom));
    QVERIFY(messages.texts.empty()); // the failure shows on the box, not in a message box
}

void AboutTest::mainWindowSplashAndAboutPicture() {
    RecordingMessages messages;
    TestDataRoot root("UnitFile=default.unt\nMultiTabMode=1\nMonthlyCheck=1\n");
    TDirMap dirs = root.dirs(messages);
    ConverterSession session(messages, dirs, true);
    ShellStart start;
    start.about = config("http://127.0.0.1:1", false);
    TfrmUnitsConvert window(session, messages, start);
    TAboutUC* about = window.about();
    QVERIFY(about);
    QVERIFY(!about->isVisible()); // the splash is gone once the data is loaded
    QVERIFY(messages.texts.empty());
    window.show();
    QString caption;
    QTimer::singleShot(0, about, [&] {
        caption = about->windowTitle();
        QVERIFY(about->isModal());
        QTest::mouseClick(about->findChild<QLabel*>("imgProgram"), Qt::LeftButton);
    });
    QTest::mouseClick(window.findChild<QLabel*>("imgAbout"), Qt::LeftButton);
    QCOMPARE(caption, QString(" About"));
    QVERIFY(!about->isVisible());
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
