// The program-information record and the update check over a fake fetcher, real files
// and a clock of the test's own.

#include "core/appinfo/aboutinfo.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

namespace {
std::string document(const std::string& version, const std::string& extra = "") {
    return "<?xml version=\"1.0\"?>\n<XML_DIZ_INFO>\n<Program_Info><Program_Name>Tarnel UC"
           "</Program_Name><Program_Version>" +
           version +
           "</Program_Version></Program_Info>\n<Web_Info><Application_URLs>"
           "<Application_Change_URL>https://news.test/changes</Application_Change_URL>"
           "</Application_URLs></Web_Info>" +
           extra + "</XML_DIZ_INFO>\n";
}

/// Answers every request at once with the document (or error) set beforehand.
struct FakeFetcher : IDocumentFetcher {
    FetchResult answer;
    std::vector<std::string> urls;
    void fetch(const std::string& url, std::function<void(const FetchResult&)> done) override {
        urls.push_back(url);
        done(answer);
    }
};

struct About {
    explicit About(bool online = true) : connected(online) {
        AboutConfig c;
        c.webSite = "https://maker.test";
        c.updateServer = "http://updates.test";
        c.today = [this] { return today; };
        c.connected = [this] { return connected; };
        info = std::make_unique<AboutInfo>(c, fetcher, messages);
        info->LoadLocalInfo(local());
    }
    std::string local() const { return dir.file("verUC.xml"); }
    UpdateOutcome check(bool force = false) {
        UpdateOutcome result;
        bool called = false;
        info->Checking4Updates(force, [&](const UpdateOutcome& o) {
            result = o;
            called = true;
        });
        EXPECT_TRUE(called);
        return result;
    }

    TempDir dir;
    CivilDate today{2024, 3, 1};
    bool connected;
    FakeFetcher fetcher;
    RecordingMessages messages;
    std::unique_ptr<AboutInfo> info;
};
} // namespace

TEST(AboutInfo, DefaultsAndLocalDocument) {
    About a;
    const std::pair<const char*, const char*> defaults[] = {
        {"Company_WebSite_URL", "https://maker.test/?pg=converter/"},
        {"Contact_Email", "https://maker.test/survey/comment.html?sj=TarnelUC"},
        {"Program_Name", "Tarnel Unit Converter"},
        {"Program_Version", "360"},
        {"Program_Release_Date", "12-04-2017"},
        {"Program_Type", "Freeware"},
        {"Program_Release_Status", "Minor Update"},
        {"Program_Change_Info", "integrated mode, unit data editor, log, etc."},
        {"Application_Info_URL", "https://maker.test/?pg=converter/"},
        {"Application_Order_URL", ""},
        {"Application_Screenshot_URL", "https://maker.test/converter/about/IntegMode.jpg"},
        {"Application_Change_URL", "https://maker.test/?pg=converter/down/"},
        {"Primary_Download_URL", "https://maker.test/?pg=converter/down/"},
        {"Application_XML_File_URL", "http://updates.test/verUC.xml"},
    };
    ASSERT_EQ(a.info->DftInfo.size(), 14u);
    for (size_t i = 0; i < 14; ++i) {
        SCOPED_TRACE(defaults[i].first);
        EXPECT_EQ(a.info->DftInfo[i], std::string(defaults[i].first) + "=" + defaults[i].second);
        EXPECT_EQ(a.info->GetInfoItems(defaults[i].first), defaults[i].second);
    }
    EXPECT_EQ(a.info->GetInfoItems(""), "");
    EXPECT_EQ(a.info->GetInfoItems("program_name"),
              "Tarnel Unit Converter"); // defaults ignore case

    // The document overrides its items; blank ones and the three fixed ones keep defaults.
    a.dir.write("verUC.xml", document(" 0365 ", "<Company_Info><Company_WebSite_URL>http://evil"
                                                "</Company_WebSite_URL></Company_Info>"
                                                "<Program_Info><Program_Type> </Program_Type>"
                                                "</Program_Info>"));
    a.info->LoadLocalInfo(a.local());
    EXPECT_TRUE(a.info->hasLocalInfo());
    EXPECT_EQ(a.info->GetInfoItems("Program_Name"), "Tarnel UC");
    EXPECT_EQ(a.info->GetInfoItems("Program_Version"), "365");
    EXPECT_EQ(a.info->GetInfoItems("program_name"), "Tarnel Unit Converter"); // exact keys only
    EXPECT_EQ(a.info->GetInfoItems("Application_Change_URL"), "https://news.test/changes");
    EXPECT_EQ(a.info->GetInfoItems("Company_WebSite_URL"), "https://maker.test/?pg=converter/");
    EXPECT_EQ(a.info->GetInfoItems("Program_Type"), "Freeware");

    // Without the exact root start tag the file is no program-information document.
    a.dir.write("verUC.xml", "<XML_DIZ_INFO a=\"1\"><Program_Info><Program_Name>x"
                             "</Program_Name></Program_Info></XML_DIZ_INFO>");
    a.info->LoadLocalInfo(a.local());
    EXPECT_FALSE(a.info->hasLocalInfo());
    EXPECT_EQ(a.info->GetInfoItems("Program_Name"), "Tarnel Unit Converter");
    EXPECT_TRUE(a.messages.texts.empty());
}

TEST(AboutInfo, LocalNewerVersionReportsWithoutGoingOnline) {
    About a;
    a.dir.write("verUC.xml", document("370"));
    a.info->LoadLocalInfo(a.local());
    for (int i = 0; i < 2; ++i) {
        const UpdateOutcome o = a.check(i == 1);
        EXPECT_TRUE(o.newer);
        EXPECT_EQ(a.info->Warning, "New application update is available.");
        EXPECT_EQ(a.info->ChangeURL, "https://news.test/changes");
    }
    EXPECT_TRUE(a.fetcher.urls.empty());
}

TEST(AboutInfo, OnlineAtMostOnceInFifteenDays) {
    About a;
    a.fetcher.answer.body = document("360");
    // No local copy: online at once; the same version is kept as the local copy, silently.
    EXPECT_FALSE(a.check().newer);
    ASSERT_EQ(a.fetcher.urls, std::vector<std::string>{"http://updates.test/verUC.xml"});
    EXPECT_TRUE(fileExists(a.local()));
    EXPECT_EQ(fileDate(a.local()), (CivilDate{2024, 3, 15}));
    EXPECT_EQ(a.info->Warning, "");
    for (int day = 1; day <= 15; ++day) {
        a.today = CivilDate{2024, 3, day};
        a.check();
    }
    EXPECT_EQ(a.fetcher.urls.size(), 1u);
    a.today = CivilDate{2024, 3, 16};
    a.check();
    EXPECT_EQ(a.fetcher.urls.size(), 2u);
    EXPECT_EQ(fileDate(a.local()), (CivilDate{2024, 3, 30}));
    // Force goes online whatever the date says.
    a.check(true);
    EXPECT_EQ(a.fetcher.urls.size(), 3u);
    // Across the end of a month and a year.
    a.today = CivilDate{2024, 12, 25};
    a.check(true);
    EXPECT_EQ(fileDate(a.local()), (CivilDate{2025, 1, 8}));
}

TEST(AboutInfo, NewerRemoteVersionBecomesTheLocalCopy) {
    About a;
    a.dir.write("verUC.xml", document("360"));
    setFileDate(a.local(), CivilDate{2024, 2, 1});
    a.info->LoadLocalInfo(a.local());
    a.fetcher.answer.body = document("371");
    EXPECT_TRUE(a.check().newer);
    EXPECT_EQ(a.info->Warning, "New program update is available.");
    EXPECT_EQ(a.info->ChangeURL, "https://news.test/changes");
    EXPECT_EQ(a.info->GetInfoItems("Program_Version"), "371");
    EXPECT_NE(LoadTextFile(a.local()).find("<Program_Version>371</Program_Version>"),
              std::string::npos);
    // From now on the local copy answers without the network.
    EXPECT_TRUE(a.check(true).newer);
    EXPECT_EQ(a.info->Warning, "New application update is available.");
    EXPECT_EQ(a.fetcher.urls.size(), 1u);
}

TEST(AboutInfo, FailuresLeaveTheLocalCopyAndItsDate) {
    struct Case {
        const char* name;
        FetchResult answer;
        const char* error;
    } cases[] = {
        {"fetch", {"", "Connection refused"}, "Connection refused"},
        {"parse", {"<XML_DIZ_INFO><Program_Info>", ""}, "XML parse error: "},
        {"version", {document("3.7"), ""}, "'3.7' is not a valid integer value"},
        {"no version", {"<html><body>moved</body></html>", ""}, "'' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        About a;
        a.dir.write("verUC.xml", document("360"));
        setFileDate(a.local(), CivilDate{2024, 2, 1});
        a.info->LoadLocalInfo(a.local());
        a.fetcher.answer = c.answer;
        const UpdateOutcome o = a.check();
        EXPECT_FALSE(o.newer);
        EXPECT_EQ(o.error.rfind(c.error, 0), 0u) << o.error;
        EXPECT_EQ(a.dir.read("verUC.xml"), document("360"));
        EXPECT_EQ(fileDate(a.local()), (CivilDate{2024, 2, 1}));
        EXPECT_FALSE(a.info->checking());
        a.check(); // and the next check tries again
        EXPECT_EQ(a.fetcher.urls.size(), 2u);
    }
}

TEST(AboutInfo, DamagedLocalCopyIsReportedAndReplaced) {
    for (const char* damaged : {"<XML_DIZ_INFO><Program_Info>", "\xff\xfe<\x00", // cut short
                                "<XML_DIZ_INFO><Program_Info><Program_Version>x</Program_Version>"
                                "</Program_Info></XML_DIZ_INFO>"}) {
        SCOPED_TRACE(damaged);
        About a;
        a.dir.write("verUC.xml", damaged);
        setFileDate(a.local(), CivilDate{2024, 4, 1}); // would keep an intact copy offline
        a.info->LoadLocalInfo(a.local());
        ASSERT_EQ(a.messages.texts.size(), 1u);
        EXPECT_NE(a.messages.texts[0].find("is damaged and is ignored"), std::string::npos);
        EXPECT_EQ(a.info->GetInfoItems("Program_Version"), "360");
        a.fetcher.answer.body = document("360");
        EXPECT_FALSE(a.check().newer);
        EXPECT_EQ(a.fetcher.urls.size(), 1u);
        EXPECT_TRUE(a.info->hasLocalInfo());
        EXPECT_EQ(a.info->GetInfoItems("Program_Name"), "Tarnel UC");
    }
}

TEST(AboutInfo, OfflineChecksStaySilentUnlessForced) {
    About a(false);
    EXPECT_FALSE(a.check().newer);
    EXPECT_TRUE(a.messages.texts.empty());
    EXPECT_FALSE(a.check(true).newer);
    EXPECT_EQ(a.messages.texts,
              std::vector<std::string>{"Cannot establish communication with Tarnel site."});
    EXPECT_TRUE(a.fetcher.urls.empty());
    EXPECT_FALSE(fileExists(a.local()));
}

TEST(AboutInfo, VersionLabel) {
    TCEVersionInfo v;
    v.GetInfo(TARNEL_CLI);
    EXPECT_EQ(versionLabel(v), "ver. 3.6.0.30");
}
