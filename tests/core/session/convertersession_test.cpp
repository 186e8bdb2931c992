#include "core/session/convertersession.h"
#include "core/text/textfile.h"
#include "core/views/iopanelmodel.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

namespace {
const char* kLengths = "<UnitsData><domain name='D' enabled='1'>"
                       "<category name='Length' type='root' enabled='1'>"
                       "<unit symbol='m' type='si-unit' enabled='1' in_base_units='m'/>"
                       "<unit symbol='%s' type='factor' enabled='1' factor='%s'/>"
                       "</category></domain></UnitsData>";

std::string lengths(const std::string& sym, const std::string& factor) {
    std::string t = kLengths;
    t.replace(t.find("%s"), 2, sym);
    t.replace(t.find("%s"), 2, factor);
    return t;
}
} // namespace

TEST(ConverterSession, SessionsOverDifferentFilesDoNotSeeEachOther) {
    TempDir t;
    t.write("a.unt", lengths("yd", "0.9144"));
    t.write("b.unt", lengths("ch", "20.1168"));
    RecordingMessages ma, mb;
    ConverterSession a(ma, t.file("a.unt")), b(mb, t.file("b.unt"));
    ASSERT_TRUE(a.load());
    ASSERT_TRUE(b.load());
    EXPECT_EQ(a.converter().convert("1 [yd]", "m").text, "0.9144 [m]");
    EXPECT_EQ(b.converter().convert("1 [ch]", "m").text, "20.1168 [m]");
    EXPECT_EQ(a.converter().convert("1 [ch]", "m").error, "Unknown unit - ch");
    EXPECT_EQ(b.converter().convert("1 [yd]", "m").error, "Unknown unit - yd");
    // Each session's messages reach its own interface.
    a.iConvert().setField("1 [m+]");
    EXPECT_EQ(ma.texts.size(), 1u);
    EXPECT_TRUE(mb.texts.empty());
}

TEST(ConverterSession, ReloadAfterTheFileChangedReachesBothEnginesAndKeepsTheSource) {
    TempDir t;
    t.write("u.unt", lengths("yd", "0.9144"));
    RecordingMessages m;
    ConverterSession s(m, t.file("u.unt"));
    ASSERT_TRUE(s.load());
    TfmIOModel io(s.abbreviations(), [&] { return s.prec(); });
    io.setSource("3 [yd]");
    int reloads = 0;
    s.onReload([&] { ++reloads; });
    int ci, ui;
    ASSERT_TRUE(s.oConvert().WhereIsUnit("yd", ci, ui));

    t.write("u.unt", lengths("ft", "0.3048"));
    s.setUnitFile(t.file("u.unt"));
    EXPECT_EQ(reloads, 1);
    for (TConvert* e : {&s.iConvert(), &s.oConvert()}) {
        EXPECT_TRUE(e->WhereIsUnit("ft", ci, ui));
        EXPECT_FALSE(e->WhereIsUnit("yd", ci, ui));
    }
    EXPECT_EQ(io.Source(), "3 [yd]");
    EXPECT_EQ(s.converter().convert("1 [ft]", "m").text, "0.3048 [m]");

    t.write("empty.unt", "");
    try {
        s.setUnitFile(t.file("empty.unt"));
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), "Wrong filename - " + t.file("empty.unt"));
    }
}

TEST(ConverterSession, DataRootGivesOptionsAbbreviationsAndSpellings) {
    TempDir t;
    const std::string uc = t.mkdir("root/UnitConverter");
    t.mkdir("root/BrdData");
    t.write("root/UnitConverter/default.unt", lengths("deg", "1"));
    t.write("root/UnitConverter/abrv.lst", "deg=\xB0\r\n"); // Windows-1252
    t.write("root/UnitConverter/spellings.lst", "degree=deg\r\n");
    t.write("root/UnitConverter/TarnelUC.ini", "UnitFile=default.unt\r\nPrec=4\r\n");
    t.mkdir("bin");
    t.write("bin/location.dir", t.path() + "root/\n");
    RecordingMessages m;
    TDirMap dirs(t.path() + "bin/", t.path(), "P", false, m);
    ConverterSession s(m, dirs, true);
    ASSERT_TRUE(s.load());
    EXPECT_EQ(s.prec(), 4);
    EXPECT_EQ(s.abbreviations().AbbrevOf("deg"), "°");
    EXPECT_EQ(s.converter().convert("2 [degree]", "m").text, "2 [m]");
    EXPECT_EQ(s.converter().convert("1 [m]", "deg").text, "1 [deg]");
    EXPECT_TRUE(m.texts.empty()) << m.texts.front();
}

// The converter in process: what the headless converter prints comes from here.
TEST(QuantityConverter, ResultsNotesAndHints) {
    RecordingMessages m;
    ConverterSession s(m, TARNEL_FIXTURES "/engine.unt");
    ASSERT_TRUE(s.load());
    QuantityConverter& qc = s.converter();
    struct Case {
        const char* quantity;
        const char* target;
        const char* text;
        const char* error;
        const char* note;
        bool hint;
    } cases[] = {
        {"5 [km/h]", "m/s", "1.388888889 [m/s]", "", "", false},
        {"2 [Hz]", "s", "0.5 [s]", "", "reciprocal conversion", false},
        {"1 [W/m.K]", "W/m.dK", "", "Category with rule-based units cannot have exponent", "",
         true},
        {"5 [m]", "s", "", "Units do not match: m vs s", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.quantity) + " -> " + c.target);
        const ConvertResult r = qc.convert(c.quantity, c.target);
        EXPECT_EQ(r.ok, *c.error == 0);
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(r.note, c.note);
        EXPECT_EQ(!r.hint.empty(), c.hint);
    }
    EXPECT_EQ(qc.batchLine("1 [W/m.K]\tW/m.dK").error,
              "Category with rule-based units cannot have exponent (write temperature "
              "differences with dK, d°C or d°F, as in 1 [W/m.dK])");
    EXPECT_TRUE(m.texts.empty()); // nothing popped up on the way
}
