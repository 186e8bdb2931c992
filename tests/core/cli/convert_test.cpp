#include "support/runcli.h"
#include "support/tempdir.h"

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
        // Two units of one category make a ratio through SI; inverse quantities convert
        // reciprocally (said on stderr).
        {{"convert", "5 [m.km]", "m^2"}, 0, "5000 [m^2]\n"},
        {{"convert", "50 [g/kg]", "pct"}, 0, "5 [pct]\n"},
        {{"convert", "2 [cm/m]", "frac"}, 0, "0.02 [frac]\n"},
        {{"convert", "2 [deg/rad]", "frac"}, 0, "0.03490658504 [frac]\n"},
        // A temperature scale ends at absolute zero.
        {{"convert", "-300 [°C]", "K"}, 1, "error: Below absolute zero - -300 [°C] is -26.85 [K]"},
        {{"convert", "-459.67 [°F]", "K"}, 0, "0 [K]\n"},
        {{"convert", "-1 [K]", "°F"}, 1, "error: Below absolute zero - -1 [K] is -1 [K]"},
        {{"convert", "-300 [dK]", "d°F"}, 0, "-540 [d°F]\n"},
        {{"convert", "2 [Hz]", "s"}, 0, "0.5 [s]\n"},
        {{"convert", "4 [min/km]", "km/h"}, 0, "15 [km/h]\n"},
        {{"convert", "0 [Hz]", "s"}, 1, "error: Zero has no reciprocal - 0 [Hz]"},
        {{"convert", "2 [m]", "1/m"}, 0, "0.5 [1/m]\n"},
        // Typed characters: µ as the u prefix, keyboard forms of "." and "°", and
        // nothing dropped without a word.
        {{"convert", "1 [µm]", "m"}, 0, "1E-06 [m]\n"},
        {{"convert", "5 [µm]", "cm"}, 0, "0.0005 [cm]\n"},
        {{"convert", "2 [m]", "µm"}, 0, "2000000 [um]\n"},
        {{"convert", "5 [μm]", "um"}, 0, "5 [um]\n"},
        {{"convert", "10 [N·m]", "J"}, 0, "10 [J]\n"},
        {{"convert", "10 [N×m]", "J"}, 0, "10 [J]\n"},
        {{"convert", "20 [ºC]", "°F"}, 0, "68 [°F]\n"},
        {{"convert", "2 [km\u00A0/\u00A0h]", "m/s"}, 0, "0.5555555556 [m/s]\n"},
        {{"convert", "1 [℃]", "K"}, 1, "error: Unknown character \"℃\" (U+2103) in the unit part"},
        {{"convert", "1 [€]", "m"}, 1, "error: Unknown character \"€\" (U+20AC) in the unit part"},
        {{"convert", "1 [m]", "%"}, 1, "error: Unknown character \"%\" (U+0025) in the unit part"},
        {{"convert", "1 [mé]", "m"}, 1, "error: Unknown character \"é\" (U+00E9) in the unit part"},
        {{"convert", "1 [kµm]", "m"}, 1, "error: Unknown unit - kµm"},
        // Nothing after the unit part, brackets only around the whole target, whole degrees.
        {{"convert", "5 [ft] 10 [in]", "cm"}, 1, "error: Unexpected text after the unit part"},
        {{"convert", "1 [km]", "km]"}, 1, "error: Stray bracket in the target - km]"},
        {{"convert", "1 [km]", "[km"}, 1, "error: Stray bracket in the target - [km"},
        {{"convert", "5 [m^1.5]", "m"}, 1, "error: Wrong degree number (only whole numbers). 1.5"},
        {{"convert", "5 [m^2.0]", "cm^2"}, 0, "50000 [cm^2]\n"},
        {{"convert", "5 m", "ft"},
         1,
         "error: Not a number - 5 m (write the unit in brackets: 5 [m])"},
        // The target's degrees count.
        {{"convert", "1 [m]", "m^2"}, 1, "error: Units do not match: m vs m^2"},
        {{"convert", "1 [m/s]", "km/h^2"}, 1, "error: Units do not match: m/s vs m/s^2"},
        // Through SI an angle is not a ratio and a turn not a cycle.
        {{"convert", "1 [rpm]", "Hz"}, 1, "error: Units do not match: rad/s vs 1/s"},
        {{"convert", "1 [Hz]", "rad/s"}, 1, "error: Units do not match: 1/s vs rad/s"},
        {{"convert", "50 [pct]", "rad"}, 1, "error: Units do not match: 1 vs rad"},
        {{"convert", "1 [rad]", "sr"}, 1, "error: Units do not match: rad vs sr"},
        {{"convert", "60 [rpm]", "rad/s"}, 0, "6.283185307 [rad/s]\n"},
        {{"convert", "1 [N^2147483647]", "m"},
         1,
         "error: Units do not match: m^2147483647.kg^2147483647/s^2147483648 vs m"},
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
    r = runCli({"--data", kData, "all", "5 [km/h]"}); // symbols that are unit parts themselves
    EXPECT_EQ(r.out, "1.388888889 [m/s]\n5 [km/h]\n");
    r = runCli({"--data", kData, "all", "5 [m/s.kg]"});
    EXPECT_EQ(r.status, 1);
    r = runCli({"--data", kData, "base", "60 [rpm/s]"}); // a compound core among others
    EXPECT_EQ(r.out, "6.283185307 [1/s^2]\n");
    r = runCli({"--data", kData, "base", "1 [s.S]"}); // s and S are different symbols
    EXPECT_EQ(r.out, "1 [s^4.A^2/m^2.kg]\n");
    r = runCli({"--data", kData, "all", "[km]"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "error: No value - [km]\n");
}

// Files that fail validation must still never yield a conversion that was not made, and
// every message names the unit at fault.
TEST(CliConvert, ReportsOnlyConversionsMade) {
    const std::string head = "<UnitsData><domain name='D' enabled='1'>"
                             "<category name='Length' type='root' enabled='1'>"
                             "<unit symbol='m' type='si-unit' enabled='1' in_base_units='m'/>"
                             "<unit symbol='km' type='factor' enabled='1' factor='1000'/>";
    const std::string time =
        "<category name='Time' type='root' enabled='1'>"
        "<unit symbol='s' type='si-unit' enabled='1' in_base_units='s'/>"
        "<unit symbol='min' type='factor' enabled='1' factor='60'/>"
        "<unit symbol='h' type='factor' enabled='1' factor='3600'/></category>";
    const std::string tail = "</domain></UnitsData>";
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> args;
        const char* out; // stdout lines, then stderr
        const char* err;
    } cases[] = {
        {"unknown kind in all",
         head + "<unit symbol='bg' type='odd' enabled='1'/></category>" + tail,
         {"all", "2 [km]"},
         "2000 [m]\n2 [km]\n",
         "error: Cannot convert unit - bg\n"},
        {"unknown kind as target",
         head + "<unit symbol='bg' type='odd' enabled='1'/></category>" + tail,
         {"convert", "1 [km]", "bg"},
         "",
         "error: Cannot convert unit - bg\n"},
        {"plain symbol in a compound category",
         head + "</category>" + time +
             "<category name='Speed' type='comp' enabled='1'>"
             "<unit symbol='m/s' type='si-unit' enabled='1'/>"
             "<unit symbol='km/h' type='factor' enabled='1' factor='0.2777777777777778'/>"
             "<unit symbol='kn' type='factor' enabled='1' "
             "factor='0.5144444444444445'/></category>" +
             tail,
         {"convert", "1 [km/h]", "kn"},
         "",
         "error: Cannot convert unit - kn\n"},
        {"rule unit among factors",
         head +
             "<unit symbol='zz' type='rule' enabled='1' rule_to='#*2' rule_from='#/2'/>"
             "</category>" +
             time + tail,
         {"convert", "2 [km/h]", "m/min"},
         "",
         "error: Length has rule-based units and converts only alone - km\n"},
    };
    tarnel::test::TempDir t;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        t.write("x.unt", c.file);
        std::vector<std::string> args = {"--data", t.file("x.unt")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto r = runCli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
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

TEST(CliConvert, HelpOnStdout) {
    for (const char* flag : {"--help", "-h"}) {
        auto r = runCli({flag});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("\"5 [km/h]\""), std::string::npos);
        EXPECT_NE(r.out.find("3 to 10"), std::string::npos);
    }
    EXPECT_EQ(runCli({"setup-user"}).status, 2); // not offered yet
}
