#include "core/notation/abbreviations.h"
#include "core/notation/notation.h"
#include "core/notation/tokenizer.h"
#include "core/notation/typedtext.h"
#include "core/text/messages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace tarnel;

namespace {
// "m=1 s=-2" style text of a parse, or "!" + the message on failure.
std::string parse(const std::string& text) {
    UnitEntries list;
    std::string why = "?";
    const bool ok = ParseUnits(text, list, &why);
    if (!ok) return "!" + why;
    std::string out;
    for (const auto& e : list)
        out += (out.empty() ? "" : " ") + e.UnitStr + "=" + std::to_string(e.UnitDeg);
    return out;
}
} // namespace

TEST(ParseUnits, TableOfCases) {
    struct Case {
        const char* text;
        const char* want;
    } cases[] = {
        {"1", ""},
        {"1/s", "s=-1"},
        {"2/s", "!Wrong units format."},
        {"1.m", "!Wrong units format."},
        {"s^-2", "!Wrong degree number."},
        {"m.s^-2", "!Wrong degree number."},
        {"m/s^2", "m=1 s=-2"},
        {"m²", "m=2"},
        {"m^2", "m=2"},
        {"m³/s", "m=3 s=-1"},
        {"kg*m", "kg=1 m=1"},
        {"m^0", "!Wrong degree number (only positive numbers). 0"},
        {"m^2.5", "m=2"},
        {"m^3.5", "m=4"},
        {"m/s/h", "!Only one \"/\" is allowed."},
        {"m+s", "!Only \".\" and \"/\" operators are allowed in dim part."},
        {"^2", "!Only \".\" and \"/\" operators are allowed in dim part."},
        {"°C", "°C=1"},
        {"Å", "Å=1"},
        {"µm", "m=1"},
        {"m\tx", "m=1 x=1"},
        {"kg m", "kg=1 m=1"},
        {"kg  m", "kgm=1"},
        {"kg   m", "kg=1 m=1"},
        {"m.m", "m=1 m=1"},
        {"m/s.kg", "m=1 s=-1 kg=-1"},
        {"m2", "m2=1"},
        {"m/s^", "!Wrong degree number."},
        {"m^99999999999", "!Wrong degree number."},
        {"m^931e22323", "!Wrong degree number."}, // overflows to NaN
        {"m^2e1", "m=20"},
        {"m^2se5", "!Wrong degree number."}, // the scan keeps "2se" as one unreadable token
        {"a_very_long_symbol_name_beyond_twenty", "a_very_long_symbol_name_beyond_twenty=1"},
        {"kg.m^2/s^3", "kg=1 m=2 s=-3"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parse(c.text), c.want);
    }
}

TEST(ParseUnits, TooManyTokensIsRefused) {
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "m.";
    EXPECT_EQ(parse(text), "!Input string has too many tokens.");
    EXPECT_EQ(parse(text.substr(0, 99)).substr(0, 3), "m=1");
}

TEST(Tokenize, NumbersAreScannedByTheFullLiteralRule) {
    std::vector<TToken> t;
    ASSERT_TRUE(Tokenize("1.5e-3x .5 12abc", U"", t));
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].text, "1.5e-3");
    EXPECT_EQ(t[0].kind, TTokenKind::tkNumber);
    EXPECT_EQ(t[1].text, "x");
    EXPECT_EQ(t[2].value, 0.5);
    EXPECT_EQ(t[3].text, "12");
    EXPECT_EQ(t[4].text, "abc");
    EXPECT_EQ(t[4].position, 14);
}

TEST(Notation, FieldReadersAndSplitting) {
    EXPECT_TRUE(std::isnan(ValueOfField("[m]")));
    EXPECT_EQ(ValueOfField("1e3 [m]"), 1000);
    EXPECT_TRUE(std::isnan(ValueOfField("1,5 [m]")));
    std::string t = "5 ]m[ x";
    EXPECT_FALSE(UnitsOfField(t));
    EXPECT_EQ(t, "");
    t = "5 [m/s] [x]";
    EXPECT_TRUE(UnitsOfField(t));
    EXPECT_EQ(t, "m/s");
    EXPECT_EQ(SplitUnitDeg("kg"), (TUnitRec{"kg", 1}));
    EXPECT_EQ(SplitUnitDeg("s=-2"), (TUnitRec{"s", -2}));
    EXPECT_EQ(SplitUnitDeg("m^x"), (TUnitRec{"m", 1}));
    TDimRec r = ParseField("  12.5 [m/s^2]");
    EXPECT_EQ(r.Valu, 12.5);
    EXPECT_EQ(r.ValuStr, "12.5");
    EXPECT_EQ(r.UnitsStr, "m/s^2");
    EXPECT_EQ(r.units, (std::vector<TUnitRec>{{"m", 1}, {"s", -2}}));
}

TEST(Notation, Printers) {
    using V = std::vector<TUnitRec>;
    EXPECT_EQ(UnitListText(V{{"m", 1}, {"s", -2}}), "m/s^2");
    EXPECT_EQ(UnitListText(V{{"kg", 1}, {"m", 2}, {"s", -3}}), "kg.m^2/s^3");
    EXPECT_EQ(UnitListText(V{{"s", -1}}), "1/s");
    EXPECT_EQ(UnitListText(V{{"m", 3}}), "m^3");
    EXPECT_EQ(UnitListText(V{{"m", 0}}), "");
    EXPECT_EQ(UnitListText(V{{"m", 1}, {"m", 1}}), "m.m");
    EXPECT_EQ(BaseVectorText({0, 0, 0, 0, 0, 0, 0}), "1");
    EXPECT_EQ(BaseVectorText({2, 1, -2, 0, 0, 0, 0}), "m^2.kg/s^2");
    TDimRec r;
    r.Valu = 2.5;
    r.units = {{"m", 1}};
    EXPECT_EQ(DimRecText(r, 7), "2.5 [m]");
    r.Valu = NAN;
    EXPECT_EQ(DimRecText(r, 7), " [m]");
}

TEST(Notation, DimensionArithmetic) {
    TDimRec a = ParseField("3 [m.s]");
    TDimRec b = ParseField("1 [s^2/kg]");
    TDimRec m = MulDims(a, b);
    EXPECT_EQ(DimRecText(m, 7), "3 [m.s^3/kg]");
    TDimRec z = AddUnitToDim(ParseField("1 [m]"), {"m", -1});
    EXPECT_EQ(z.units, (std::vector<TUnitRec>{{"m", 0}}));
    z = AddUnitToDim(z, {"kg", 2});
    EXPECT_EQ(z.units, (std::vector<TUnitRec>{{"kg", 2}})); // the zero entry is reused
    EXPECT_EQ(DimRecText(PowerDim(b, -2), 7), "1 [kg^2/s^4]");
    EXPECT_TRUE(PowerDim(b, 0).units.empty());
    EXPECT_EQ(PowerDim(ParseField("1 [m^2000000000]"), 3).units[0].UnitDeg, INT32_MAX);
}

TEST(Abbreviations, OnlySingleNameTokensAreKeptAndTheWayBackHolds) {
    AbbrevList a = AbbrevList::fromLines({"um=µm", "h=hr", "x=a b", "noequals", "h=hour", "L=l"});
    EXPECT_EQ(a.AbbrevOf("um"), "um"); // µm would read back as m
    EXPECT_EQ(a.AbbrevOf("h"), "hr");
    EXPECT_EQ(a.AbbrevOf("x"), "x");
    EXPECT_EQ(a.UnabbrevOf("hr"), "h");
    EXPECT_EQ(DisplayField("5 [km/h]", a, 7), "5 [km/hr]");
    EXPECT_EQ(StoreField("5 [km/hr]", a, 7), "5 [km/h]");
    EXPECT_EQ(StoreField(DisplayField("2 [L.h]", a, 7), a, 7), "2 [L.h]");
    EXPECT_EQ(DisplayField("kg m/s", AbbrevList(), 7), "kg m/s []"); // all value part
    EXPECT_EQ(DisplayField("1 [kg m*s]", AbbrevList(), 7), "1 [kg.m.s]");
    std::string why;
    EXPECT_EQ(DisplayField("1 [m+]", AbbrevList(), 7, &why), "1 []");
    EXPECT_EQ(why, "Only \".\" and \"/\" operators are allowed in dim part.");
}

// The shortcut for plain unit parts must read exactly what the full reading reads.
TEST(ParseUnits, ShortcutAgreesWithTheFullReading) {
    std::mt19937 rng(11);
    const char alphabet[] = "mkgsEe_A12009./^^/..";
    int handled = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string t;
        const int len = static_cast<int>(rng() % 14);
        for (int k = 0; k < len; ++k)
            t += alphabet[rng() % (sizeof alphabet - 1)];
        UnitEntries fast;
        if (!ParseUnitsSimple(t, fast)) continue;
        ++handled;
        // The full reading: a leading "*" reads as a "." that is skipped, and keeps the
        // shortcut out.
        UnitEntries full;
        const bool ok = ParseUnits("*" + t, full);
        ASSERT_TRUE(ok) << t;
        ASSERT_EQ(fast, full) << t;
    }
    EXPECT_GT(handled, 10000);
}

// Typed text enters in stored form or is refused with a message; nothing is dropped.
TEST(TypedText, ReadsWhatAPersonMeans) {
    const SpellingMap spellings = {{"Nm", "N.m"}, {"degC", "°C"}, {"um", "m"}};
    const TypedText typed(
        [](const std::string& s) {
            return s == "N" || s == "m" || s == "um" || s == "°C" || s == "s" || s == "uF";
        },
        &spellings);
    struct Case {
        const char* unitPart;
        const char* stored; // nullptr when refused
        const char* error;
    } cases[] = {
        {"Nm/s", "N.m/s", ""},
        {"degC", "°C", ""},
        {"um", "um", ""}, // a symbol wins over a spelling of the same name
        {"µF", "uF", ""},
        {"μm", "um", ""},
        {"N\u00B7m", "N.m", ""},
        {"kg  m", "kgm", ""}, // blanks shrink as the notation shrinks them
        {"\u00BAC", "°C", ""},
        {"m^2.0", "m^2.0", ""},
        {"Nm^2", nullptr, "Nm stands for N.m and cannot have a degree; write its units apart"},
        {"m^2.5", nullptr, "Wrong degree number (only whole numbers). 2.5"},
        {"m\tm", nullptr, "Unknown character \"\t\" (U+0009) in the unit part"},
        {"k\u00B5m", nullptr, "Unknown unit - k\u00B5m"},
        {"2\u00B5m", nullptr, "Unknown character \"\u00B5\" (U+00B5) in the unit part"},
        {"m\U0001F600", nullptr, "Unknown character \"\U0001F600\" (U+1F600) in the unit part"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unitPart);
        const TypedReading r = typed.unitPart(c.unitPart);
        EXPECT_EQ(r.ok, c.stored != nullptr);
        EXPECT_EQ(r.text, c.stored ? c.stored : "");
        EXPECT_EQ(r.error, c.error);
    }
    EXPECT_EQ(typed.quantity(" 5 [µm] ").text, "5 [um]");
    EXPECT_EQ(typed.quantity("5 [m] x").error, "Unexpected text after the unit part - x");
    EXPECT_EQ(typed.quantity("5 ]m[").error, "The unit part must stand in brackets - 5 ]m[");
    EXPECT_EQ(typed.target(" [Nm] ").text, "N.m");
    EXPECT_EQ(typed.target("[m]]").error, "Stray bracket in the target - [m]]");
}
