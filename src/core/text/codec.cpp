#include "core/text/codec.h"

#include "core/text/strutil.h"

namespace tarnel {

namespace {
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string decodeUtf16(std::string_view b, bool le) {
    std::u32string out;
    out.reserve(b.size() / 2);
    for (size_t i = 0; i + 1 < b.size(); i += 2) {
        auto lo = static_cast<unsigned char>(b[i]), hi = static_cast<unsigned char>(b[i + 1]);
        char32_t u = le ? (hi << 8 | lo) : (lo << 8 | hi);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < b.size()) {
            auto lo2 = static_cast<unsigned char>(b[i + 2]),
                 hi2 = static_cast<unsigned char>(b[i + 3]);
            char32_t u2 = le ? (hi2 << 8 | lo2) : (lo2 << 8 | hi2);
            if (u2 >= 0xDC00 && u2 <= 0xDFFF) {
                out.push_back(0x10000 + ((u - 0xD800) << 10) + (u2 - 0xDC00));
                i += 2;
                continue;
            }
        }
        out.push_back(u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    return toUtf8(out);
}
} // namespace

char32_t cp1252ToUnicode(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b;
}

int unicodeToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int k = 0; k < 32; ++k)
        if (kHigh[k] == c) return 0x80 + k;
    return -1;
}

std::string decodeText(std::string_view b) {
    if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") return toUtf8(toU32(b.substr(3)));
    if (b.size() >= 2 && b.substr(0, 2) == "\xFF\xFE") return decodeUtf16(b.substr(2), true);
    if (b.size() >= 2 && b.substr(0, 2) == "\xFE\xFF") return decodeUtf16(b.substr(2), false);
    std::string out;
    out.reserve(b.size() + b.size() / 8);
    for (size_t i = 0; i < b.size();) {
        // Copy runs of ASCII at once; only the other bytes need the table.
        size_t j = i;
        while (j < b.size() && static_cast<unsigned char>(b[j]) < 0x80)
            ++j;
        out.append(b.data() + i, j - i);
        if (j < b.size()) appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(b[j++])));
        i = j;
    }
    return out;
}

std::string narrowToCp1252(std::string_view utf8) {
    bool ascii = true;
    for (char ch : utf8)
        if (static_cast<unsigned char>(ch) >= 0x80) ascii = false;
    if (ascii) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : toU32(utf8))
        appendUtf8(out, unicodeToCp1252(c) < 0 ? U'?' : c);
    return out;
}

std::string encodeCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : toU32(utf8)) {
        int b = unicodeToCp1252(c);
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

std::string encodeUtf16le(std::string_view utf8) {
    std::string out = "\xFF\xFE";
    for (char32_t c : toU32(utf8)) {
        auto put = [&](char32_t u) {
            out.push_back(static_cast<char>(u & 0xFF));
            out.push_back(static_cast<char>(u >> 8));
        };
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return out;
}

} // namespace tarnel
