#include "core/text/codec.h"
#include "core/views/iopanelmodel.h"
#include "core/views/unitlogmodel.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

namespace {
struct Log : ::testing::Test {
    TempDir dir;
    RecordingMessages shown;
    AbbrevList abbr;
    TfmIOModel io{abbr, [] { return 7; }};
    int clock = 0;
    TfmUnitLogModel log{dir.file("TarnelUC.log"), shown,
                        [this] { return " t" + std::to_string(++clock) + "  "; }};
    bool record(const std::string& source, const std::string& target) {
        io.setSource(source);
        io.setTarget(target);
        return log.Execute(io);
    }
};
} // namespace

TEST_F(Log, RecordingRules) {
    log.Init();
    struct Case {
        const char* source;
        const char* target;
        bool recorded;
    } cases[] = {
        {"5 [km]", "5000 [m]", true},
        {"5 [km]", "5000 [m]", false},     // the newest entry again
        {"5 [km]", "3.106856 [mi]", true}, // another target
        {"5 []", "5 []", false},           // no units
        {" [km]", " [m]", false},          // no value
        {"5 [km]", "", false},             // no target
        {"5 [km]", "5000 [m]", true},      // not the newest: recorded again
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " = " + c.target);
        EXPECT_EQ(record(c.source, c.target), c.recorded);
    }
    ASSERT_EQ(log.entryCount(), 3);
    EXPECT_EQ(log.rows()[1], (TfmUnitLogModel::Row{" t3  ", "5 [km]", "=", "5000 [m]"}));
    EXPECT_EQ(log.rows()[2][3], "3.106856 [mi]");
    EXPECT_EQ(log.copyText(2), "5 [km] = 3.106856 [mi]");

    io.setSource("1 [h]");
    log.putBack(io, 2, true, false); // "Copy Target -> From"
    EXPECT_EQ(io.Source(), "3.106856 [mi]");
    EXPECT_TRUE(io.TargetEmpty());
    log.putBack(io, 1, false, true); // a double click restores both
    EXPECT_EQ(io.Source(), "5 [km]");
    EXPECT_EQ(io.Target(), "5000 [m]");
}

TEST_F(Log, KeepsTheNewest199AndLosesNothingOnReload) {
    log.Init();
    for (int i = 1; i <= 201; ++i)
        ASSERT_TRUE(record(std::to_string(i) + " [km]", std::to_string(i * 1000) + " [m]"));
    EXPECT_EQ(log.entryCount(), 199);
    EXPECT_EQ(log.rows()[1][1], "201 [km]");
    EXPECT_EQ(log.rows().back()[1], "3 [km]");
    // Written after each entry: a second program start reads them all.
    TfmUnitLogModel again(dir.file("TarnelUC.log"), shown, [] { return ""; });
    again.Init();
    EXPECT_EQ(again.rows(), log.rows());
    // A reload of the unit data runs Init again: nothing recorded since start-up is lost.
    ASSERT_TRUE(record("7 [h]", "420 [min]"));
    log.Init();
    EXPECT_EQ(log.rows()[1][1], "7 [h]");
    EXPECT_TRUE(shown.texts.empty());
}

TEST_F(Log, FileFormatByteForByte) {
    log.Init();
    log.widths() = {0, 60, 12, 80};
    record("5 [km]", "5000 [m]");
    const std::string text = "4,2\r\ncw 0,0\r\ncw 1,60\r\ncw 2,12\r\ncw 3,80\r\n"
                             "0,0,Date.Time\r\n1,0,Source\r\n3,0,Target\r\n"
                             "0,1, t1  \r\n1,1,5 [km]\r\n2,1,=\r\n3,1,5000 [m]\r\n";
    EXPECT_EQ(dir.read("TarnelUC.log"), encodeUtf16le(text));
    EXPECT_EQ(dir.read("TarnelUC.log").substr(0, 2), "\xFF\xFE");

    // Multi-line cells are stored with 9, 8 and 1 and read back up to their first CR.
    std::string why;
    TfmUnitLogModel other(dir.file("x.log"), shown, [] { return ""; });
    ASSERT_TRUE(
        other.readLines({"4,3", "cw 1,99999", "1,1,a\t\bb", "3,2,c", "9,1,far", "1,7,out"}, why));
    EXPECT_EQ(other.rows()[1][1], "a");
    EXPECT_EQ(other.rows()[2][3], "c");
    EXPECT_EQ(other.widths()[1], 10000); // clamped
}

TEST_F(Log, DamagedFileIsSetAsideAndTheHistoryStartsEmpty) {
    for (const char* damage : {"", "x,y\r\n", "0,5\r\n", "65,2\r\n", "4,100001\r\n"}) {
        SCOPED_TRACE(damage);
        shown.texts.clear();
        dir.write("TarnelUC.log", damage);
        TfmUnitLogModel l(dir.file("TarnelUC.log"), shown, [] { return ""; });
        l.Init();
        EXPECT_EQ(l.entryCount(), 0);
        ASSERT_EQ(shown.texts.size(), 1u);
        EXPECT_EQ(shown.texts[0],
                  "File contains no data or corrupt file " + dir.file("TarnelUC.log"));
        EXPECT_EQ(dir.read("TarnelUC.log.bak"), damage);
    }
}
