// Every file the core reads, in each damaged form that matters: a clear message (or the
// program's own), no crash, and nothing overwritten with less than it held.
#include "core/notation/abbreviations.h"
#include "core/platform/dirmap.h"
#include "core/settings/unitoptions.h"
#include "core/settings/windowsize.h"
#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"
#include "core/unitdata/tcats.h"
#include "support/tempdir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnel;
using tarnel::test::TempDir;

namespace {
const std::string kGarbage("\x00\xFF\xFE\x01<UnitsData\x80\x9D\r\n=\x00=", 18);

// The damaged forms of a file called `name` in t; each entry makes the file that way.
struct Damage {
    const char* what;
    void (*make)(const TempDir& t, const std::string& name);
};
const Damage kDamages[] = {
    {"empty", [](const TempDir& t, const std::string& n) { t.write(n, ""); }},
    {"truncated", [](const TempDir& t,
                     const std::string& n) { t.write(n, "<UnitsData><domain name=\"a\" ena"); }},
    {"utf-16 without mark",
     [](const TempDir& t, const std::string& n) { t.write(n, std::string("<\0U\0n\0", 6)); }},
    {"binary garbage", [](const TempDir& t, const std::string& n) { t.write(n, kGarbage); }},
    {"a directory", [](const TempDir& t, const std::string& n) { t.mkdir(n); }},
};

// A sparse file just over `bytes`: large to the reader, cheap on disk.
void makeHuge(const std::string& path, off_t bytes) {
    int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, bytes + 1), 0);
    ::close(fd);
}
} // namespace

TEST(DamagedFiles, UnitDataFile) {
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.what);
        TempDir t;
        d.make(t, "default.unt");
        RecordingMessages rec;
        TCats db;
        db.setMessages(&rec);
        EXPECT_NO_THROW(db.LoadFromFile(t.file("default.unt")));
        EXPECT_EQ(db.Count(), 0);
        if (std::string(d.what) != "a directory") {
            ASSERT_EQ(rec.texts.size(), 1u); // the parser's message
            EXPECT_EQ(rec.texts[0].rfind("XML parse error", 0), 0u) << rec.texts[0];
        }
    }
    TempDir t;
    makeHuge(t.file("huge.unt"), 64 << 20);
    TCats db;
    try {
        db.LoadFromFile(t.file("huge.unt"));
        FAIL() << "a unit data file over 64 MiB must be refused";
    } catch (const EM& e) {
        EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
    }
}

TEST(DamagedFiles, UnreadableUnitDataFileGivesAClearMessage) {
    TempDir t;
    t.write("default.unt", "<UnitsData/>");
    ::chmod(t.file("default.unt").c_str(), 0);
    int r = tarnel::test::runUnprivileged([&] {
        try {
            TCats db;
            db.LoadFromFile(t.file("default.unt"));
        } catch (const EM& e) {
            return std::string(e.what()).find("Cannot read file") == 0 ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(r, 0);
}

TEST(DamagedFiles, SettingsFileIsSetAsideNotLost) {
    TempDir t;
    makeHuge(t.file("TarnelUC.ini"), kSmallFileCap);
    RecordingMessages rec;
    TfmUnitOptions o(t.path(), true, rec);
    o.Init();
    ASSERT_EQ(rec.texts.size(), 1u);
    EXPECT_NE(rec.texts[0].find("too large"), std::string::npos);
    EXPECT_EQ(o.Opts().Prec, 7);
    OptionControls c;
    o.Vis2List(c);
    struct stat st {};
    ASSERT_EQ(::stat(t.file("TarnelUC.ini.bak").c_str(), &st), 0);
    EXPECT_GT(st.st_size, static_cast<off_t>(kSmallFileCap)); // the old content is kept
    EXPECT_EQ(t.read("TarnelUC.ini").rfind("UnitFile=", 0), 0u);

    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.what);
        TempDir u;
        d.make(u, "TarnelUC.ini");
        RecordingMessages r2;
        TfmUnitOptions p(u.path(), true, r2);
        EXPECT_NO_THROW(p.Init());
        EXPECT_EQ(p.Opts().SearchEngine, 3);
    }
}

TEST(DamagedFiles, WindowSizeAbbreviationsAndLocationDir) {
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.what);
        TempDir t;
        d.make(t, "TarnelUC.ext");
        d.make(t, "abrv.lst");
        d.make(t, "location.dir");
        RecordingMessages rec;
        try {
            WindowSize s = readWindowSize(t.file("TarnelUC.ext"));
            EXPECT_EQ(s.width, 640);
            EXPECT_EQ(s.height, 420);
        } catch (const EM& e) {
            EXPECT_EQ(std::string(e.what()), "Error: file not found - " + t.file("TarnelUC.ext"));
        }
        AbbrevList a = AbbrevList::fromFile(t.file("abrv.lst"), rec);
        EXPECT_EQ(a.AbbrevOf("m"), "m");
        try {
            TDirMap m(t.path(), t.path(), "P", false, rec);
        } catch (const EM& e) {
            const std::string msg = e.what();
            EXPECT_TRUE(msg.find("directory is not there") != std::string::npos ||
                        msg == "Unexpected error in DirMap")
                << msg;
        }
    }
    TempDir t;
    makeHuge(t.file("abrv.lst"), kSmallFileCap);
    makeHuge(t.file("TarnelUC.ext"), kSmallFileCap);
    RecordingMessages rec;
    EXPECT_TRUE(AbbrevList::fromFile(t.file("abrv.lst"), rec).empty());
    ASSERT_EQ(rec.texts.size(), 1u);
    EXPECT_THROW(readWindowSize(t.file("TarnelUC.ext")), EM);
}
