#include "core/text/codec.h"
#include "core/text/em.h"
#include "core/text/namevaluelist.h"
#include "core/text/textfile.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

TEST(Codec, DecodesByByteOrderMarkOrWindows1252) {
    EXPECT_EQ(decodeText("\xB0"
                         "C \x80"),
              "°C €");
    EXPECT_EQ(decodeText("\x81"), "\xC2\x81"); // undefined byte -> C1 control
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "\xC2\xB5m"),
              "µm");
    EXPECT_EQ(decodeText(std::string("\xFF\xFE\xB0\x00"
                                     "C\x00",
                                     6)),
              "°C");
    EXPECT_EQ(decodeText(std::string("\xFE\xFF\x00\xB0\x00"
                                     "C",
                                     6)),
              "°C");
    EXPECT_EQ(decodeText(std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)), "\xF0\x9F\x98\x80");
}

TEST(Codec, NarrowingTurnsForeignCharactersIntoQuestionMarks) {
    EXPECT_EQ(narrowToCp1252("é€Ω😀"), "é€??");
    EXPECT_EQ(encodeCp1252("°Š"), "\xB0\x8A");
    for (int b = 0; b < 256; ++b) {
        std::string one(1, static_cast<char>(b));
        EXPECT_EQ(encodeCp1252(decodeText(one)), one) << b;
    }
}

TEST(TextFile, LoadAndSaveUseCrLfAndWindows1252) {
    TempDir t;
    t.write("a.txt", "one\ntwo\r\nthree\r\xB0");
    EXPECT_EQ(LoadTextFile(t.file("a.txt")), "one\r\ntwo\r\nthree\r\n°\r\n");
    EXPECT_EQ(LoadTextFile(t.file("missing.txt")), "");
    t.write("u.txt", "\xEF\xBB\xBF"
                     "\xCE\xA9=1");
    EXPECT_EQ(LoadTextFile(t.file("u.txt")), "?=1\r\n");

    SaveTextFile("x\ny\rΩ°", t.file("out.txt"));
    EXPECT_EQ(t.read("out.txt"), "x\r\ny\r\n?\xB0\r\n");
}

TEST(TextFile, RefusesDirectoriesAndOversizedFiles) {
    TempDir t;
    t.mkdir("d");
    EXPECT_THROW(readFileBytes(t.file("d")), EM);
    t.write("big", std::string(2000, 'x'));
    try {
        readFileBytes(t.file("big"), 1000);
        FAIL();
    } catch (const EM& e) {
        EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos);
    }
}

TEST(TextFile, FailedWriteOnFullDiskKeepsTheOldFile) {
    TempDir t;
    const std::string dir = t.mkdir("tiny");
    int r = tarnel::test::runWithTinyTmpfs(dir, 64 * 1024, [&] {
        const std::string path = dir + "settings.ini";
        writeTextLines(path, {"Prec=7", "CopyBoth=1"});
        try {
            writeFileAtomic(path, std::string(200 * 1024, 'x'));
            return 1; // must not report success
        } catch (const EM&) {
        }
        if (readFileBytes(path) != "Prec=7\r\nCopyBoth=1\r\n") return 2;
        NameValueList l;
        l.loadFromFile(path);
        return l.valueOr("Prec") == "7" ? 0 : 3;
    });
    if (r == -2) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(r, 0);
}

TEST(TextFile, WriteIntoReadOnlyFolderFailsClearly) {
    TempDir t;
    const std::string dir = t.mkdir("ro", 0555);
    int r = tarnel::test::runUnprivileged([&] {
        try {
            writeTextLines(dir + "f.txt", {"a"});
        } catch (const EM& e) {
            return std::string(e.what()).find("Cannot write file") == 0 ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(r, 0);
}

TEST(NameValueList, FirstCaseInsensitiveMatchWins) {
    NameValueList l;
    l.setText("Prec = 7\r\nnoequals\r\nprec=5\r\nPREC=6\r\nUrl=a=b\r\n");
    EXPECT_EQ(l.valueOr("Prec"), "5"); // "Prec " is another name
    EXPECT_EQ(l.valueOr("url"), "a=b");
    EXPECT_FALSE(l.value("noequals"));
    l.setValue("PREC", "9");
    EXPECT_EQ(l.lines()[2], "PREC=9");
    l.setValue("New", "");
    EXPECT_EQ(l.lines().back(), "New=");
    EXPECT_EQ(l.text().substr(0, 10), "Prec = 7\r\n");
}
