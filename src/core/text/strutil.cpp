#include "core/text/strutil.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tarnel {

std::u32string toU32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        int len = b >= 0xF0 && b < 0xF8 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
        if (b >= 0xF8) len = 0;
        char32_t c = len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = len > 0 && i + len <= n;
        for (int k = 1; ok && k < len; ++k) {
            const auto cb = static_cast<unsigned char>(s[i + k]);
            if ((cb & 0xC0) != 0x80) ok = false;
            c = (c << 6) | (cb & 0x3F);
        }
        if (ok && ((len == 3 && c < 0x800) || (len == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
                   (c >= 0xD800 && c <= 0xDFFF)))
            ok = false;
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(c);
        i += len;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string toUtf8(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s)
        appendUtf8(out, c);
    return out;
}

size_t cpLength(std::string_view s) {
    size_t n = 0;
    for (char ch : s)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

// Bytes <= 0x20 are exactly the code points <= U+0020 in UTF-8.
std::string_view trimView(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20)
        --e;
    return s.substr(b, e - b);
}

std::string trim(std::string_view s) {
    return std::string(trimView(s));
}

char32_t foldUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    switch (c) {
    case 0x0161:
        return 0x0160; // š
    case 0x0153:
        return 0x0152; // œ
    case 0x017E:
        return 0x017D; // ž
    case 0x00FF:
        return 0x0178; // ÿ
    default:
        return c;
    }
}

std::string upperCase(std::string_view s) {
    bool ascii = true;
    for (char ch : s)
        if (static_cast<unsigned char>(ch) >= 0x80) ascii = false;
    if (ascii) return upperAscii(s);
    std::u32string u = toU32(s);
    for (auto& c : u)
        c = foldUpper(c);
    return toUtf8(u);
}

bool sameText(std::string_view a, std::string_view b) {
    size_t i = 0;
    for (; i < a.size() && i < b.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80) return upperCase(a.substr(i)) == upperCase(b.substr(i));
        if (ca == cb) continue;
        if (foldUpper(ca) != foldUpper(cb)) return false;
    }
    return i == a.size() && i == b.size();
}

std::string upperAscii(std::string_view s) {
    std::string out(s);
    for (auto& ch : out)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
    return out;
}

std::optional<int32_t> parseInt(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    if (i >= s.size()) return std::nullopt;
    int64_t v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        v = v * 10 + (s[i] - '0');
        if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1) return std::nullopt;
    }
    if (neg) v = -v;
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

int32_t parseIntOr(std::string_view s, int32_t def) {
    return parseInt(s).value_or(def);
}

bool isDecimalLiteral(std::string_view s) {
    size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t intDigits = 0, fracDigits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9')
        ++i, ++intDigits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9')
            ++i, ++fracDigits;
    }
    if (intDigits == 0 && fracDigits == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < n && s[i] >= '0' && s[i] <= '9')
            ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == n;
}

namespace {
// Exact decimal reading for short literals: a mantissa of at most 15 digits and a power
// of ten up to 1e22 are both exact doubles, so one multiplication or division gives the
// correctly rounded value, as the general reader would. Answers false otherwise.
bool fastDecimal(std::string_view t, double& out) {
    static const double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    size_t i = 0;
    const bool neg = t[0] == '-';
    if (t[0] == '-' || t[0] == '+') ++i;
    uint64_t m = 0;
    int digits = 0, scale = 0;
    bool dot = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '.') {
            dot = true;
        } else if (c >= '0' && c <= '9') {
            if (m == 0 && c == '0') {
                if (dot) --scale;
                continue;
            }
            if (++digits > 15) return false;
            m = m * 10 + static_cast<uint64_t>(c - '0');
            if (dot) --scale;
        } else {
            break; // the exponent
        }
    }
    if (i < t.size()) {
        int e = 0;
        size_t j = i + 1;
        const bool eneg = t[j] == '-';
        if (t[j] == '-' || t[j] == '+') ++j;
        for (; j < t.size(); ++j) {
            e = e * 10 + (t[j] - '0');
            if (e > 400) return false;
        }
        scale += eneg ? -e : e;
    }
    if (m == 0) {
        out = neg ? -0.0 : 0.0;
        return true;
    }
    if (scale < -22 || scale > 22) return false;
    double v = static_cast<double>(m);
    v = scale < 0 ? v / kPow10[-scale] : v * kPow10[scale];
    out = neg ? -v : v;
    return true;
}
} // namespace

std::optional<double> parseReal(std::string_view s) {
    std::string_view t = trimView(s);
    if (!isDecimalLiteral(t)) return std::nullopt;
    double v = 0;
    if (fastDecimal(t, v)) return v;
    if (t[0] == '+') t.remove_prefix(1);
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports both directions; tell them apart by the exponent's magnitude.
        size_t e = t.find_first_of("eE");
        long long exp10 = 0;
        if (e != std::string_view::npos) {
            std::string_view es = t.substr(e + 1);
            bool neg = !es.empty() && es[0] == '-';
            if (!es.empty() && (es[0] == '+' || es[0] == '-')) es.remove_prefix(1);
            for (char c : es)
                exp10 = std::min<long long>(exp10 * 10 + (c - '0'), 1000000000);
            if (neg) exp10 = -exp10;
        }
        size_t firstNonZero = t.find_first_of("123456789");
        size_t dot = t.find('.');
        size_t mantEnd = e == std::string_view::npos ? t.size() : e;
        if (dot == std::string_view::npos || dot > mantEnd) dot = mantEnd;
        const auto fz = static_cast<long long>(firstNonZero), dp = static_cast<long long>(dot);
        const long long magnitude = exp10 + (fz < dp ? dp - fz : dp - fz + 1);
        return magnitude > 0 ? std::numeric_limits<double>::quiet_NaN()
                             : (t[0] == '-' ? -0.0 : 0.0);
    }
    if (ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
    return v;
}

double realOrNaN(std::string_view s) {
    return parseReal(s).value_or(std::numeric_limits<double>::quiet_NaN());
}

std::vector<std::string> readCommaText(std::string_view s) {
    std::vector<std::string> items;
    size_t i = 0, n = s.size();
    auto skipBlanks = [&] {
        while (i < n && static_cast<unsigned char>(s[i]) <= 0x20)
            ++i;
    };
    skipBlanks();
    if (i >= n) return items;
    for (;;) {
        std::string item;
        if (i < n && s[i] == '"') {
            ++i;
            while (i < n) {
                if (s[i] == '"') {
                    if (i + 1 < n && s[i + 1] == '"') {
                        item.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item.push_back(s[i++]);
            }
        } else {
            while (i<n&& static_cast<unsigned char>(s[i])> 0x20 && s[i] != ',')
                item.push_back(s[i++]);
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (i < n && s[i] == ',') {
            ++i;
            skipBlanks();
            if (i >= n) {
                items.emplace_back();
                break;
            }
            continue;
        }
        if (i >= n) break;
        // An item followed directly by another without a comma starts a new item.
    }
    return items;
}

std::string writeCommaText(const std::vector<std::string>& items) {
    if (items.size() == 1 && items[0].empty()) return "\"\"";
    std::string out;
    for (size_t k = 0; k < items.size(); ++k) {
        if (k) out.push_back(',');
        const std::string& it = items[k];
        bool quote = false;
        for (char c : it)
            if (static_cast<unsigned char>(c) <= 0x20 || c == '"' || c == ',') quote = true;
        if (!quote) {
            out += it;
            continue;
        }
        out.push_back('"');
        for (char c : it) {
            if (c == '"') out.push_back('"');
            out.push_back(c);
        }
        out.push_back('"');
    }
    return out;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    size_t pos = 0;
    for (;;) {
        size_t k = s.find(from, pos);
        if (k == std::string_view::npos) break;
        out.append(s.substr(pos, k - pos));
        out.append(to);
        pos = k + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

std::vector<std::string> splitLines(std::string_view s) {
    std::vector<std::string> lines;
    size_t start = 0, i = 0, n = s.size();
    while (i < n) {
        if (s[i] == '\r' || s[i] == '\n') {
            lines.emplace_back(s.substr(start, i - start));
            if (s[i] == '\r' && i + 1 < n && s[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < n) lines.emplace_back(s.substr(start));
    return lines;
}

} // namespace tarnel
