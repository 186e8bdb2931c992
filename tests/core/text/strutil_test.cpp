#include "core/text/strutil.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace tarnel;

TEST(StrUtil, IntegersFollowTheStrictRule) {
    struct Case {
        const char* text;
        std::optional<int32_t> want;
    } cases[] = {
        {"12", 12},
        {"  -7", -7},
        {"+3", 3},
        {"01", 1},
        {"$1A", {}},
        {"0x1A", {}},
        {"1.0", {}},
        {"1 ", {}},
        {"", {}},
        {"-", {}},
        {"2147483647", 2147483647},
        {"2147483648", {}},
        {"-2147483648", INT32_MIN},
        {"99999999999999999999", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseInt(c.text), c.want);
    }
}

TEST(StrUtil, RealsFollowTheDecimalGrammar) {
    struct Case {
        const char* text;
        double want; // NaN: does not read
    } cases[] = {
        {"1.5", 1.5},   {" -2e3 ", -2000}, {"+5", 5},         {".5", 0.5},
        {"5.", 5},      {"1,5", NAN},      {"inf", NAN},      {"nan", NAN},
        {"0x10", NAN},  {"1e", NAN},       {"", NAN},         {"e5", NAN},
        {"1e400", NAN}, {"1e-400", 0},     {"-1e-400", -0.0}, {"1E+2", 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double v = realOrNaN(c.text);
        if (std::isnan(c.want))
            EXPECT_TRUE(std::isnan(v)) << v;
        else
            EXPECT_EQ(v, c.want);
    }
}

TEST(StrUtil, CaseFoldingCoversWindows1252Letters) {
    EXPECT_TRUE(sameText("Metre", "mETRE"));
    EXPECT_TRUE(sameText("ÉTÉ", "été"));
    EXPECT_TRUE(sameText("Œuvre", "œUVRE"));
    EXPECT_TRUE(sameText("Ÿ", "ÿ"));
    EXPECT_FALSE(sameText("×", "÷")); // the multiplication sign has no lower-case partner
    EXPECT_FALSE(sameText("ab", "abc"));
}

TEST(StrUtil, TrimRemovesControlCharactersAndBlanks) {
    EXPECT_EQ(trim("\t\r\n x y \x01"), "x y");
    EXPECT_EQ(cpLength("°Å²"), 3u);
}

TEST(StrUtil, CommaTextReadsAndWrites) {
    using V = std::vector<std::string>;
    EXPECT_EQ(readCommaText("a,,b"), (V{"a", "", "b"}));
    EXPECT_EQ(readCommaText("a,"), (V{"a", ""}));
    EXPECT_EQ(readCommaText(""), V{});
    EXPECT_EQ(readCommaText(" \"x y\", \"say \"\"hi\"\"\" , z"), (V{"x y", "say \"hi\"", "z"}));
    EXPECT_EQ(readCommaText("\"open"), (V{"open"}));
    EXPECT_EQ(readCommaText("a b"), (V{"a", "b"}));
    EXPECT_EQ(writeCommaText({"a", "x y", "q\"t", ""}), "a,\"x y\",\"q\"\"t\",");
    EXPECT_EQ(writeCommaText({""}), "\"\"");
    for (const V& v : {V{"a", "x y", "q\"t"}, V{"SI", "metric"}, V{""}})
        EXPECT_EQ(readCommaText(writeCommaText(v)), v);
}

TEST(StrUtil, LinesEndAtAnyTerminator) {
    using V = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), (V{"a"}));
    EXPECT_EQ(splitLines("a\n\n"), (V{"a", ""}));
    EXPECT_EQ(splitLines(""), V{});
}

// Short literals take an exact shortcut; it must agree with the general reader.
TEST(StrUtil, ShortDecimalsReadLikeTheGeneralReader) {
    std::mt19937_64 rng(7);
    for (int i = 0; i < 200000; ++i) {
        std::string t = (rng() % 3 == 0) ? "-" : "";
        const int intDigits = static_cast<int>(rng() % 10),
                  fracDigits = static_cast<int>(rng() % 10);
        for (int k = 0; k < intDigits; ++k)
            t += static_cast<char>('0' + rng() % 10);
        if (fracDigits || intDigits == 0) t += ".";
        for (int k = 0; k < fracDigits || (intDigits == 0 && k == 0); ++k)
            t += static_cast<char>('0' + rng() % 10);
        if (rng() % 2) t += "e" + std::to_string(static_cast<int>(rng() % 60) - 30);
        double want = 0;
        std::string_view body = t[0] == '-' ? std::string_view(t).substr(1) : std::string_view(t);
        std::from_chars(body.data(), body.data() + body.size(), want);
        if (t[0] == '-') want = -want;
        const auto got = parseReal(t);
        ASSERT_TRUE(got) << t;
        ASSERT_EQ(std::memcmp(&*got, &want, sizeof want), 0) << t << " " << *got << " " << want;
    }
}
