#include "core/appinfo/buildinfo.h"
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
    EXPECT_EQ(r.err, "");   // a malformed symbol is an entry, not a message
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

// k units of one name make k(k-1) entries; a hostile file must not make the program
// hold millions of them.
TEST(CliValidate, DuplicateEntriesPastTheCapAreCounted) {
    tarnel::test::TempDir t;
    std::string doc = std::string("<UnitsData><description version='1.00' copyright='") +
                      tarnel::kCopyrightNotice +
                      "'/><domain name='D' enabled='1'><category name='C' type='root' "
                      "enabled='1'><unit name='same' type='si-unit' enabled='1' symbol='u0'/>";
    for (int i = 1; i < 3000; ++i)
        doc += "<unit name='same' type='factor' enabled='1' symbol='u" + std::to_string(i) +
               "' factor='2'/>";
    t.write("many.unt", doc + "</category></domain></UnitsData>");
    auto r = runCli({"--data", t.file("many.unt"), "validate"});
    EXPECT_EQ(r.status, 1);
    std::string expected;
    for (int i = 0; i < 1000; ++i)
        expected += "Duplicated unit names\tsame\n";
    EXPECT_EQ(r.out, expected + "8996000 further duplicate entries left out.\t\n");
}
