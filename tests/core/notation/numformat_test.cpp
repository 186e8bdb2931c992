#include "core/notation/notation.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace tarnel;

TEST(FormatNum, TableOfCases) {
    struct Case {
        double v;
        int prec;
        const char* want;
    } cases[] = {
        {NAN, 7, "NAN"},
        {INFINITY, 7, "INF"},
        {-INFINITY, 7, "-INF"},
        {0.0, 7, "0"},
        {-0.0, 7, "0"},
        {1.3888888, 3, "1.39"},
        {293.15, 3, "293"},
        {0.00001234, 7, "0.00001234"},
        {123456789, 7, "1.234568E08"},
        {1.5e-7, 7, "1.5E-07"},
        {-2.5, 1, "-3"},
        {2.5, 1, "3"},
        {0.125, 2, "0.13"},
        {9.9999, 3, "10"},
        {999999.5, 6, "1E06"},
        {1e100, 7, "1E100"},
        {-1e-300, 10, "-1E-300"},
        {100, 3, "100"},
        {1000, 3, "1E03"},
        {0.0001, 7, "0.0001"},
        {0.000001, 7, "1E-06"},
        {1234.5, 10, "1234.5"},
        {0.1, 17, "0.10000000000000001"},
        {5e-324, 3, "4.94E-324"},
        {1.7976931348623157e308, 10, "1.797693135E308"},
        {12345, 20, "12345"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(FormatNum(c.v, c.prec), c.want);
    }
}

namespace {
// Reference: the exact decimal expansion of the double, rounded half away from zero.
double referenceRound(double v, int p) {
    char buf[1200];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 800);
    std::string s(buf, r.ptr);
    size_t e = s.find('e');
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    int exp10 = std::stoi(s.substr(e + 1));
    std::string kept = digits.substr(0, static_cast<size_t>(p));
    if (digits[static_cast<size_t>(p)] >= '5') {
        int k = p - 1;
        while (k >= 0 && kept[static_cast<size_t>(k)] == '9')
            kept[static_cast<size_t>(k--)] = '0';
        if (k < 0) {
            kept = "1" + kept.substr(0, kept.size() - 1);
            ++exp10;
        } else {
            ++kept[static_cast<size_t>(k)];
        }
    }
    std::string text = (v < 0 ? "-" : "") + kept + "e" + std::to_string(exp10 - (p - 1));
    double out = 0;
    std::from_chars(text.data(), text.data() + text.size(), out);
    return out;
}
} // namespace

// Every text FormatNum produces must read back as the value rounded to that precision.
TEST(FormatNum, ReadsBackAsTheRoundedValue) {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> mant(1.0, 10.0);
    std::uniform_int_distribution<int> ex(-320, 308);
    for (int i = 0; i < 20000; ++i) {
        double v;
        switch (i % 4) {
        case 0:
            v = mant(rng) * std::pow(10.0, ex(rng));
            break;
        case 1: {
            const uint64_t bits = rng() & 0x7FEFFFFFFFFFFFFFull;
            std::memcpy(&v, &bits, sizeof v);
            break;
        }
        case 2:
            v = static_cast<double>(static_cast<int64_t>(rng() % 100000000000ull));
            break;
        default:
            v = (rng() % 2000) / 8.0 + 0.0625;
            break; // many exact halves
        }
        if (i % 3 == 0) v = -v;
        if (!std::isfinite(v) || v == 0) continue;
        for (int p = 3; p <= 10; ++p) {
            const std::string text = FormatNum(v, p);
            const double back = ValueOfField(text);
            const double want = referenceRound(v, p);
            if (back != want) {
                ADD_FAILURE() << v << " at " << p << ": " << text << " reads " << back << ", want "
                              << want;
                return;
            }
        }
    }
}
