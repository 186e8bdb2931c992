#include "core/platform/dirmap.h"
#include "core/platform/messagelog.h"
#include "core/platform/standalone.h"
#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

namespace {
RecordingMessages rec; // the missing-root note; checked where it matters

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EM& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(DirMap, LocationDirNamingAnExistingFolderIsTheRoot) {
    TempDir t;
    const std::string exe = t.mkdir("app/bin");
    const std::string root = t.mkdir("data");
    t.write("app/bin/location.dir", "  " + root.substr(0, root.size() - 1) + "\r\n");
    TDirMap m(exe, t.path(), "Tarnel Calculator", false, rec);
    EXPECT_TRUE(m.Localion2Root);
    EXPECT_EQ(m.Root(), root); // the missing trailing "/" is added
    EXPECT_EQ(m.UnitConverter(), root + "UnitConverter/");
}

TEST(DirMap, LocationDirNamingAMissingFolderFails) {
    TempDir t;
    const std::string exe = t.mkdir("bin");
    t.write("bin/location.dir", t.path() + "nowhere/");
    EXPECT_EQ(errorOf([&] { TDirMap(exe, t.path(), "P", false, rec); }),
              "Error: <" + t.path() + "nowhere/> directory is not there");
}

TEST(DirMap, BlankLocationDirBesideWritableFolderUsesItsParent) {
    TempDir t;
    const std::string exe = t.mkdir("app/bin", 0777);
    t.write("app/bin/location.dir", " \r\n");
    int r = tarnel::test::runUnprivileged([&] {
        TDirMap m(exe, t.path(), "P", false, rec);
        return m.ConfigInExe && !m.ExeIsProtected && m.Root() == t.path() + "app/" ? 0 : 1;
    });
    EXPECT_EQ(r, 0);
}

TEST(DirMap, BlankLocationDirBesideReadOnlyFolderUsesTheUserRoot) {
    TempDir t;
    const std::string exe = t.mkdir("app/bin", 0555);
    t.write("app/bin/location.dir", "");
    const std::string user = t.mkdir("user", 0777);
    t.mkdir("user/P", 0777);
    int r = tarnel::test::runUnprivileged([&] {
        TDirMap m(exe, user, "P", false, rec);
        if (!m.ExeIsProtected || m.Root() != user + "P/") return 1;
        return dirExists(user + "P/BrdData/") ? 0 : 2; // made when missing
    });
    EXPECT_EQ(r, 0);
}

TEST(DirMap, MissingUserRootShowsTheInstallMessageAndFails) {
    TempDir t;
    const std::string exe = t.mkdir("bin");
    RecordingMessages rec;
    EXPECT_EQ(errorOf([&] { TDirMap(exe, t.path(), "P", false, rec); }),
              "Unexpected error in DirMap");
    ASSERT_EQ(rec.texts.size(), 1u);
    EXPECT_EQ(rec.texts[0], t.path() +
                                "P/ directory is not there.\nYou probably installed Tarnel under "
                                "another user account\nInstall it under the current account as "
                                "well.");
    EXPECT_EQ(errorOf([&] { TDirMap(exe, t.path(), "", false, rec); }),
              "Error: ProductName param is missing");
}

TEST(MessageLog, KeepsTheLastHundredLinesAndSurvivesAMissingFolder) {
    TempDir t;
    t.mkdir("Temp");
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    t.write("Temp/ErrorMsgs.txt", text);
    SharedMessageLog log(t.path());
    EXPECT_EQ(log.lines().size(), 130u);
    EXPECT_TRUE(log.trimAndSave());
    SharedMessageLog again(t.path());
    ASSERT_EQ(again.lines().size(), 100u);
    EXPECT_EQ(again.lines().front(), "line 30");

    TempDir bare;
    SharedMessageLog none(bare.path());
    none.lines().push_back("x");
    EXPECT_FALSE(none.trimAndSave());
}

TEST(Standalone, DecidedByTheExecutableName) {
    EXPECT_TRUE(IsStandalone("/opt/tarnel/bin/TarnelUC"));
    EXPECT_TRUE(IsStandalone("TARNELUC.EXE"));
    EXPECT_FALSE(IsStandalone("/opt/tarnel/bin/tarneluc-host"));
    EXPECT_FALSE(IsStandalone("/TarnelUC/other"));
    EXPECT_FALSE(IsStandalone("TarnelUC2"));
}
