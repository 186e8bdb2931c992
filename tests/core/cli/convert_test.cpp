#include "support/runcli.h"

#include <gtest/gtest.h>

using tarnel::test::runCli;

namespace {
const std::string kData = TARNEL_FIXTURES "/engine.unt";
}

TEST(CliConvert, TableOfConversions) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* out; // stdout, or the start of stderr when status is not 0
    } cases[] = {
        {{"convert", "5 [km/h]", "m/s"}, 0, "1.388888889 [m/s]\n"},
        {{"--prec", "3", "convert", "5 [km/h]", "[m/s]"}, 0, "1.39 [m/s]\n"},
        {{"convert", "1 [m^3/s]", "L/s"}, 0, "1000 [L/s]\n"},
        {{"convert", "3 [kg.m^2/s^3]", "W"}, 0, "3 [W]\n"},
        {{"convert", "1 [N.m]", "J"}, 0, "1 [J]\n"},
        {{"convert", "3 [kg.m^2/s^3]", "g.cm^2/s^3"}, 0, "30000000 [g.cm^2/s^3]\n"},
        {{"convert", "20 [°C]", "K"}, 0, "293.15 [K]\n"},
        {{"convert", "20 [°C]", "°F"}, 0, "68 [°F]\n"},
        {{"convert", "-40 [°F]", "°C"}, 0, "-40 [°C]\n"},
        {{"convert", "36 [km/h]", "m/s"}, 0, "10 [m/s]\n"},
        {{"convert", "5.50 [km]", "km"}, 0, "5.50 [km]\n"},
        {{"convert", "3 [L]", "m^3"}, 0, "0.003 [m^3]\n"},
        {{"convert", "2 [ha]", "m^2"}, 0, "20000 [m^2]\n"},
        {{"convert", "1 [W/m.dK]", "kW/km.d°F"}, 0, "0.5555555556 [kW/km.d°F]\n"},
        {{"convert", "5 [xyz]", "m"}, 1, "error: Unknown unit - xyz"},
        {{"convert", "5 [m]", "xyz"}, 1, "error: Unknown unit - xyz"},
        {{"convert", "5 [°C/s]", "K/s"}, 1, "error: A rule unit converts only alone - °C"},
        {{"convert", "1 [W/m.K]", "W/m.dK"},
         1,
         "error: Category with rule-based units cannot have exponent"},
        {{"convert", "5 [m]", "s"}, 1, "error: Units do not match: m vs s"},
        {{"convert", "5 [m/s]", "kg"}, 1, "error: Units do not match: m/s vs kg"},
        {{"convert", "20 [°C]", "dK"},
         1,
         "error: A rule unit converts only within its category - °C"},
        {{"convert", "abc [m]", "km"}, 1, "error: Not a number - abc"},
        {{"convert", "5 [m+]", "km"}, 1, "error: Only \".\" and \"/\" operators"},
        {{"convert", "5 [m.km]", "m^2"}, 1, "error: Duplicated units categories - Length / Length"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--data", kData};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.args[c.args.size() - 2] + " -> " + c.args.back());
        auto r = runCli(args);
        EXPECT_EQ(r.status, c.status) << r.out << r.err;
        if (c.status == 0)
            EXPECT_EQ(r.out, c.out) << r.err;
        else
            EXPECT_EQ(r.err.rfind(c.out, 0), 0u) << r.err;
    }
}

TEST(CliConvert, BaseAndAll) {
    auto r = runCli({"--data", kData, "base", "10 [kJ]"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "10000 [m^2.kg/s^2]\n");
    r = runCli({"--data", kData, "base", "2 [N/ha]"});
    EXPECT_EQ(r.out, "0.0002 [kg/m.s^2]\n");
    r = runCli({"--data", kData, "base", "3 [deg]"}); // a dimensionless core unit disappears
    EXPECT_EQ(r.out, "0.05235987756 []\n");
    r = runCli({"--data", kData, "all", "20 [°C]"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "293.15 [K]\n20 [°C]\n68 [°F]\n");
    r = runCli({"--data", kData, "all", "5 [m/s.kg]"});
    EXPECT_EQ(r.status, 1);
}

TEST(CliConvert, BatchReadsEveryLine) {
    auto r = runCli({"--data", kData, "--prec", "4", "batch"},
                    "5 [km/h]\tm/s\r\nbad line\n1 [xyz]\tm\n\n20 [°C]\t°F");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "1.389 [m/s]\nerror: expected QUANTITY<TAB>TARGET\n"
                     "error: Unknown unit - xyz\nerror: expected QUANTITY<TAB>TARGET\n"
                     "67.91 [°F]\n"); // 293.15 K enters the formula as 293.1 at 4 digits
    r = runCli({"--data", kData, "batch"}, "1 [km]\tm\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1000 [m]\n");
}
