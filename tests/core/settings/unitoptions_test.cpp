#include "core/settings/unitoptions.h"
#include "core/text/messages.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

TEST(UnitOptions, DefaultsAndIntegerRules) {
    TempDir t;
    t.write("default.unt", "<UnitsData/>");
    t.write("TarnelUC.ini", "MultiTabMode=1\r\nCopyBoth=2\r\nMinimOnTray=yes\r\nPrec=20\r\n"
                            "PromptB4Delete= 1\r\nSwapSrcTrg=01\r\nSearchEngine=x\r\n");
    RecordingMessages rec;
    TfmUnitOptions o(t.path(), true, rec);
    o.Init();
    TUOpts a = o.Opts();
    EXPECT_TRUE(a.MultiTabMode);
    EXPECT_FALSE(a.CopyBoth);
    EXPECT_FALSE(a.MinimOnTray);
    EXPECT_EQ(a.Prec, 20);
    EXPECT_TRUE(a.PromptB4Delete);
    EXPECT_TRUE(a.SwapSrcTrg);
    EXPECT_TRUE(a.MonthlyCheck);
    EXPECT_EQ(a.SearchEngine, 3);
    EXPECT_EQ(a.UnitFile, t.path() + "default.unt");
    // The empty UnitFile names the folder itself: one warning, then default.unt.
    ASSERT_EQ(rec.texts.size(), 1u);
    EXPECT_EQ(rec.texts[0], "Unit file " + t.path() + " does not exist.\n Set to default.");
    o.Opts();
    EXPECT_EQ(rec.texts.size(), 1u);
    EXPECT_EQ(o.OptList.valueOr("UnitFile"), "default.unt");
}

TEST(UnitOptions, UnitFileOutsideTheFolderIsTreatedAsMissing) {
    TempDir t;
    const std::string dir = t.mkdir("UnitConverter");
    t.write("evil.unt", "<UnitsData/>");
    t.write("UnitConverter/a..b.unt", "<UnitsData/>");
    struct Case {
        const char* name;
        bool kept;
    } cases[] = {
        {"../evil.unt", false}, {"/etc/passwd", false}, {"..", false},
        {".", false},           {"a..b.unt", true}, // ".." inside a name stays in the folder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingMessages rec;
        TfmUnitOptions o(dir, false, rec);
        o.OptList.add(std::string("UnitFile=") + c.name);
        EXPECT_EQ(o.Opts().UnitFile, dir + (c.kept ? c.name : "default.unt"));
        EXPECT_EQ(rec.texts.size(), c.kept ? 0u : 1u);
    }
}

TEST(UnitOptions, MissingIniWarnsAndWritesKeysInOrder) {
    TempDir t;
    RecordingMessages rec;
    TfmUnitOptions o(t.path(), true, rec);
    o.Init();
    ASSERT_EQ(rec.texts.size(), 1u);
    EXPECT_EQ(rec.texts[0],
              "INI file " + t.path() + "TarnelUC.ini does not exist.\n Set to default.");
    OptionControls c;
    c.unitFile = "a.unt";
    c.prec = 5;
    c.copyBoth = true;
    c.modePage = 1;
    c.searchEngine = 0;
    c.customSearchEngine = "example.org/?q=";
    o.Vis2List(c);
    EXPECT_EQ(t.read("TarnelUC.ini"),
              "UnitFile=a.unt\r\nPrec=5\r\nCopyBoth=1\r\nMinimOnTray=0\r\nMonthlyCheck=1\r\n"
              "PromptB4Delete=0\r\nSwapSrcTrg=0\r\nMultiTabMode=1\r\nSearchEngine=0\r\n"
              "CustomSearchEngine=example.org/?q=\r\n");
    t.write("a.unt", "<UnitsData/>");
    OptionControls back;
    ASSERT_TRUE(o.List2Vis(back));
    EXPECT_EQ(back.unitFile, "a.unt");
    EXPECT_EQ(back.prec, 5);
    EXPECT_EQ(back.modePage, 1);
    EXPECT_EQ(back.unitFiles, std::vector<std::string>{"a.unt"});
}

TEST(UnitOptions, AttachedNeverTouchesTheFileAndTextReplacesKnownKeysOnly) {
    TempDir t;
    t.write("TarnelUC.ini", "MultiTabMode=1\r\n");
    RecordingMessages rec;
    TfmUnitOptions o(t.path(), false, rec);
    o.Init();
    EXPECT_TRUE(o.OptList.empty());
    o.SetText("MultiTabMode=1\r\n");
    EXPECT_TRUE(o.OptList.empty()); // nothing is added
    OptionControls c;
    c.prec = 9;
    o.Vis2List(c);
    EXPECT_EQ(o.OptList.indexOfName("Prec"), -1); // stand-alone keys are not written
    EXPECT_EQ(t.read("TarnelUC.ini"), "MultiTabMode=1\r\n");
    o.SetText("multitabmode=1\r\nUnknown=3\r\n");
    EXPECT_TRUE(o.Opts().MultiTabMode);
    EXPECT_EQ(o.OptList.indexOfName("Unknown"), -1);
    o.SetText("");
    EXPECT_TRUE(o.Opts().MultiTabMode);
}

// What OK stores is what the next start reads: every field through the file and back,
// read by a fresh instance as a new process would.
TEST(UnitOptions, EveryFieldSurvivesTheSettingsFile) {
    OptionControls allOn;
    allOn.unitFile = "other.unt";
    allOn.prec = 10;
    allOn.copyBoth = allOn.minimOnTray = allOn.promptB4Delete = allOn.swapSrcTrg = true;
    allOn.monthlyCheck = true;
    allOn.modePage = 1;
    allOn.searchEngine = 0;
    allOn.customSearchEngine = "www.example.org/find?lang=en&q= ";
    OptionControls allOff;
    allOff.unitFile = "default.unt";
    allOff.prec = 3;
    allOff.monthlyCheck = false;
    allOff.searchEngine = -1; // nothing chosen
    allOff.customSearchEngine = "";
    for (const OptionControls& in : {allOn, allOff}) {
        SCOPED_TRACE(in.unitFile);
        TempDir t;
        t.write("default.unt", "<UnitsData/>");
        t.write("other.unt", "<UnitsData/>");
        RecordingMessages rec;
        TfmUnitOptions first(t.path(), true, rec);
        first.Vis2List(in);

        TfmUnitOptions next(t.path(), true, rec);
        next.Init();
        OptionControls out;
        ASSERT_TRUE(next.List2Vis(out));
        EXPECT_TRUE(rec.texts.empty());
        EXPECT_EQ(out.unitFile, in.unitFile);
        EXPECT_EQ(out.prec, in.prec);
        EXPECT_EQ(out.copyBoth, in.copyBoth);
        EXPECT_EQ(out.minimOnTray, in.minimOnTray);
        EXPECT_EQ(out.monthlyCheck, in.monthlyCheck);
        EXPECT_EQ(out.promptB4Delete, in.promptB4Delete);
        EXPECT_EQ(out.swapSrcTrg, in.swapSrcTrg);
        EXPECT_EQ(out.modePage, in.modePage);
        EXPECT_EQ(out.searchEngine, in.searchEngine);
        EXPECT_EQ(out.customSearchEngine, in.customSearchEngine);
    }
}
