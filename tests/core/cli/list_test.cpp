#include "support/runcli.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using tarnel::test::runCli;

TEST(CliList, ListsOnlyEnabledItems) {
    const std::string data = TARNEL_FIXTURES "/list.unt";
    auto r = runCli({"--data", data, "list"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Length\troot\nArea\tsup\n\tunknown\n"); // an unknown kind has no name
    r = runCli({"--data", data, "list", "length"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "metre\tm\tsi-unit\nkilometre\tkm\tfactor\n");
    r = runCli({"--data", data, "list", "Mystery"});
    EXPECT_EQ(r.status, 1);
    r = runCli({"--data", data, "list", "Secret"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Secret"), std::string::npos);
}

TEST(CliList, UnlinkableSupplementaryCategoryFails) {
    tarnel::test::TempDir t;
    t.write("bad.unt", "<UnitsData><domain enabled='1'><category name='S' type='sup' enabled='1'>"
                       "<unit type='si-unit' enabled='1' symbol='zz^2'/></category></domain>"
                       "</UnitsData>");
    auto r = runCli({"--data", t.file("bad.unt"), "list"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "error: No known units in sup. category(3)\n");
}

TEST(CliList, UsageErrorsExitTwo) {
    EXPECT_EQ(runCli({"--prec", "11", "list"}).status, 2);
    EXPECT_EQ(runCli({"--prec", "x", "list"}).status, 2);
    EXPECT_EQ(runCli({}).status, 2);
    EXPECT_EQ(runCli({"frobnicate"}).status, 2);
}
