#include "support/runcli.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using tarnel::test::runCli;

TEST(CliValidate, ShippedDataHasNoEntries) {
    auto r = runCli({"--data", TARNEL_DATA "/default.unt", "validate", "--all"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}

TEST(CliValidate, PrintsOneLinePerEntryAndFails) {
    tarnel::test::TempDir t;
    t.write("v.unt", "<UnitsData><description version='2.00'/>"
                     "<domain name='D' enabled='1'><category name='Length' type='root' enabled='1'>"
                     "<unit name='metre' type='si-unit' enabled='1' symbol='m' in_base_units='m^'/>"
                     "<unit name='yard' type='factor' enabled='0' symbol='yd' factor='x'/>"
                     "</category></domain></UnitsData>");
    const std::string head = "Wrong version - possible mismaches.\t\nWRONG COPYRIGHT NOTICE !\t\n"
                             "Base units problem\tmetre\n";
    auto r = runCli({"--data", t.file("v.unt"), "validate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, head); // the disabled unit is left out
    EXPECT_EQ(r.err, "message: Wrong degree number.\n");
    r = runCli({"--data", t.file("v.unt"), "validate", "--all"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, head + "Wrong conversion factor\tyard\n");
}

TEST(CliValidate, UnreadableFilesAndUsage) {
    tarnel::test::TempDir t;
    t.write("broken.unt", "<UnitsData><domain name='a></UnitsData>");
    auto r = runCli({"--data", t.file("broken.unt"), "validate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("message: "), std::string::npos);
    r = runCli({"--data", t.file("missing.unt"), "validate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error: No unit file. " + t.file("missing.unt") + "\n");
    EXPECT_EQ(runCli({"--data", t.file("broken.unt"), "validate", "--everything"}).status, 2);
}
