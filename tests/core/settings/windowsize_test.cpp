#include "core/settings/windowsize.h"
#include "core/text/em.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

TEST(WindowSize, ReadsWithDefaultsAndWritesTwoLines) {
    TempDir t;
    t.write("TarnelUC.ext", "Width=abc\r\nOther=1\r\n");
    WindowSize s = readWindowSize(t.file("TarnelUC.ext"));
    EXPECT_EQ(s.width, 640);
    EXPECT_EQ(s.height, 420);
    writeWindowSize(t.file("TarnelUC.ext"), {800, 600});
    EXPECT_EQ(t.read("TarnelUC.ext"), "Width=800\r\nHeight=600\r\n");
    s = readWindowSize(t.file("TarnelUC.ext"));
    EXPECT_EQ(s.width, 800);
    EXPECT_EQ(s.height, 600);
    try {
        readWindowSize(t.file("none.ext"));
        FAIL();
    } catch (const EM& e) {
        EXPECT_EQ(std::string(e.what()), "Error: file not found - " + t.file("none.ext"));
    }
}
