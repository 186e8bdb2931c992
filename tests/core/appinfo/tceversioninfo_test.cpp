#include "core/appinfo/tceversioninfo.h"
#include "core/text/em.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

TEST(TCEVersionInfo, OurExecutablesCarryTheBlockOthersDoNot) {
    TCEVersionInfo info;
    info.GetInfo(TARNEL_CLI);
    EXPECT_EQ(info.FileVersion, "3.6.0.30");
    EXPECT_EQ(info.ProductName, "Tarnel Unit Converter");
    EXPECT_EQ(info.CompVersion(), "3.6");
    EXPECT_EQ(info.InternalVersion(), 36);
    EXPECT_EQ(info.Build, "30");

    for (const char* other : {"/bin/ls", "/nonexistent/file"}) {
        SCOPED_TRACE(other);
        info.GetInfo(other);
        for (const auto& p : info.properties())
            EXPECT_EQ(*p.value, TCEVersionInfo::kNotAvailable) << p.name;
        EXPECT_THROW(info.InternalVersion(), EM);
    }
}

TEST(TCEVersionInfo, FileVersionSplitting) {
    struct Case {
        const char* version;
        const char* major;
        const char* minor;
        const char* release;
        const char* build;
    } cases[] = {
        {"3.6.0.30", "3", "6", "0", "30"},
        {"3,6,0,30", "3", "6", "0", "30"},
        {"3.6", "3", "6", TCEVersionInfo::kNotAvailable, TCEVersionInfo::kNotAvailable},
        {"4.1.2.3.9", "4", "1", "2", "3.9"},
        {"36", TCEVersionInfo::kNotAvailable, TCEVersionInfo::kNotAvailable,
         TCEVersionInfo::kNotAvailable, TCEVersionInfo::kNotAvailable},
    };
    TempDir t;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        std::string block = std::string("junk") + "TARNEL-VERSION-BLOCK" + '\0' +
                            "FileVersion=" + c.version + '\0' + "Comments=x" + '\0' + '\0';
        t.write("f.bin", block);
        TCEVersionInfo info;
        info.GetInfo(t.file("f.bin"));
        EXPECT_EQ(info.MajorVersion, c.major);
        EXPECT_EQ(info.MinorVersion, c.minor);
        EXPECT_EQ(info.Release, c.release);
        EXPECT_EQ(info.Build, c.build);
        EXPECT_EQ(info.Comments, "x");
        EXPECT_EQ(info.CompanyName, TCEVersionInfo::kNotAvailable); // a key the block lacks
    }
}
