#include "core/notation/notation.h"

#include "core/notation/tokenizer.h"
#include "core/text/strutil.h"

#include <cmath>
#include <limits>

namespace tarnel {

const std::array<const char*, 7> SIBaseSymbols = {"m", "kg", "s", "A", "K", "mol", "cd"};

namespace {
int32_t saturate(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

bool fail(std::string* why, const std::string& msg) {
    if (why) *why = msg;
    return false;
}
} // namespace

namespace {
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isDigitChar(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

bool ParseUnitsSimple(std::string_view s, UnitEntries& list) {
    // Only texts made of names, ".", "/" and whole degrees after "^", where every token is
    // plainly what it looks like; anything else (blanks, numbers, a second "/", ".5",
    // "2.5", "2e1", "^" out of place) is left to the full reading.
    if (s.empty() || s.size() > 64) return false;
    list.clear();
    bool slash = false;
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const char c = s[i];
        if (c == '.') {
            if (i + 1 < n && isDigitChar(s[i + 1])) return false;
            ++i;
        } else if (c == '/') {
            if (slash) return false;
            slash = true;
            ++i;
        } else if (isLetter(c)) {
            const size_t start = i;
            while (i < n && (isLetter(s[i]) || isDigitChar(s[i])))
                ++i;
            const size_t end = i;
            int32_t degree = 1;
            if (i < n && s[i] == '^') {
                ++i;
                const size_t d0 = i;
                int32_t d = 0;
                while (i < n && isDigitChar(s[i]) && i - d0 < 6)
                    d = d * 10 + (s[i++] - '0');
                if (i == d0 || d == 0 || (i < n && isDigitChar(s[i]))) return false;
                // The number scanner looks up to three characters past the digits (a
                // fraction, an exponent jump): near an "e" or a fraction, read fully.
                for (size_t k = i; k < n && k < i + 3; ++k)
                    if (s[k] == 'e' || s[k] == 'E' || s[k] == '^') return false;
                if (i + 1 < n && s[i] == '.' && isDigitChar(s[i + 1])) return false;
                degree = d;
            }
            list.push_back({std::string(s.substr(start, end - start)), slash ? -degree : degree});
        } else {
            return false;
        }
    }
    return true;
}

bool ParseUnits(std::string_view s, UnitEntries& list, std::string* why) {
    if (ParseUnitsSimple(s, list)) return true;
    list.clear();
    std::string w;
    w.reserve(s.size() + 4);
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '*') {
            w.push_back('.');
        } else if (s[i] == '\xC2' && i + 1 < s.size() &&
                   (s[i + 1] == '\xB2' || s[i + 1] == '\xB3')) {
            w += s[i + 1] == '\xB2' ? "^2" : "^3";
            ++i;
        } else {
            w.push_back(s[i]);
        }
    }
    thread_local std::vector<TToken> toks; // reused: this runs on every keystroke
    if (!Tokenize(w, U"\u00B0\u00C5", toks, why)) return false;
    if (trimView(s) == "1") return true;
    list.reserve(toks.size());

    bool slash = false;
    const size_t count = toks.size();
    for (size_t i = 0; i < count;) {
        const TToken& t = toks[i];
        switch (t.kind) {
        case TTokenKind::tkNumber:
            if (i == 0 && t.value == 1 && count > 1 && toks[1].kind == TTokenKind::tkOperator &&
                toks[1].text == "/") {
                i = 1;
                continue;
            }
            return fail(why, "Wrong units format.");
        case TTokenKind::tkName: {
            int64_t degree = slash ? -1 : 1;
            if (i + 1 < count && toks[i + 1].text == "^" &&
                toks[i + 1].kind == TTokenKind::tkOperator) {
                if (i + 2 >= count || toks[i + 2].kind != TTokenKind::tkNumber)
                    return fail(why, "Wrong degree number.");
                const double d = std::nearbyint(toks[i + 2].value);
                // An overflowing literal reads as NaN: no degree at all.
                if (std::isnan(d) || d > std::numeric_limits<int32_t>::max())
                    return fail(why, "Wrong degree number.");
                if (d <= 0)
                    return fail(why,
                                "Wrong degree number (only positive numbers). " + toks[i + 2].text);
                degree = slash ? -static_cast<int64_t>(d) : static_cast<int64_t>(d);
                list.push_back({t.text, static_cast<int32_t>(degree)});
                i += 3;
                continue;
            }
            list.push_back({t.text, static_cast<int32_t>(degree)});
            ++i;
            continue;
        }
        case TTokenKind::tkOperator:
            if (t.text == ".") {
            } else if (t.text == "/") {
                if (slash) return fail(why, "Only one \"/\" is allowed.");
                slash = true;
            } else {
                return fail(why, "Only \".\" and \"/\" operators are allowed in dim part.");
            }
            ++i;
            continue;
        case TTokenKind::tkOther:
            ++i;
            continue;
        }
    }
    return true;
}

TUnitRec SplitUnitDeg(std::string_view entry) {
    TUnitRec r;
    size_t k = entry.find('=');
    if (k == std::string_view::npos) k = entry.find('^');
    if (k == std::string_view::npos) {
        r.UnitStr = std::string(entry);
        return r;
    }
    r.UnitStr = std::string(entry.substr(0, k));
    std::string_view rest = entry.substr(k + 1);
    if (auto d = parseInt(rest.substr(0, 255))) r.UnitDeg = *d;
    return r;
}

double ValueOfField(std::string_view text) {
    size_t k = text.find('[');
    return realOrNaN(k == std::string_view::npos ? text : text.substr(0, k));
}

bool UnitsOfField(std::string& text) {
    size_t a = text.find('['), b = text.find(']');
    if (a != std::string::npos && b != std::string::npos && a < b) {
        text = text.substr(a + 1, b - a - 1);
        return true;
    }
    text.clear();
    return false;
}

TDimRec ParseField(std::string_view text, std::string* why) {
    TDimRec r;
    size_t k = text.find('[');
    r.ValuStr = trim(k == std::string_view::npos ? text : text.substr(0, k));
    r.Valu = realOrNaN(r.ValuStr);
    std::string u(text);
    if (UnitsOfField(u)) {
        r.UnitsStr = u;
        UnitEntries list;
        if (ParseUnits(u, list, why)) r.units = std::move(list);
    }
    return r;
}

namespace {
void appendUnit(std::string& out, const std::string& sym, int64_t d) {
    out += sym;
    if (d >= 2) {
        out += '^';
        out += std::to_string(d);
    }
    out += '.';
}

std::string listText(const std::vector<TUnitRec>& list, bool allZeroIsOne) {
    bool any = false, anyPos = false, anyNeg = false;
    for (const auto& e : list) {
        const int32_t d = e.UnitDeg;
        if (d != 0) any = true;
        if (d > 0) anyPos = true;
        if (d < 0) anyNeg = true;
    }
    if (!any) return allZeroIsOne ? "1" : "";
    std::string r;
    r.reserve(32);
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].UnitDeg > 0) appendUnit(r, list[i].UnitStr, list[i].UnitDeg);
    if (!anyPos) r = "1/";
    if (anyNeg) {
        r.back() = '/';
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].UnitDeg < 0)
                appendUnit(r, list[i].UnitStr, -static_cast<int64_t>(list[i].UnitDeg));
    }
    r.pop_back();
    return r;
}
} // namespace

std::string UnitListText(const std::vector<TUnitRec>& list) {
    return listText(list, false);
}

std::string BaseVectorText(const TBaseUnits& v) {
    std::vector<TUnitRec> list;
    for (size_t i = 0; i < 7; ++i)
        list.push_back({SIBaseSymbols[i], v[i]});
    return listText(list, true);
}

std::string DimRecText(const TDimRec& r, int prec) {
    std::string value = r.ValuStr;
    if (value.empty() && !std::isnan(r.Valu)) value = FormatNum(r.Valu, prec);
    return value + " [" + UnitListText(r.units) + "]";
}

TDimRec AddUnitToDim(const TDimRec& r, const TUnitRec& u) {
    TDimRec out = r;
    for (auto& e : out.units)
        if (e.UnitStr == u.UnitStr) {
            e.UnitDeg = saturate(int64_t(e.UnitDeg) + u.UnitDeg);
            return out;
        }
    for (auto& e : out.units)
        if (e.UnitDeg == 0) {
            e = u;
            return out;
        }
    out.units.push_back(u);
    return out;
}

TDimRec MulDims(const TDimRec& a, const TDimRec& b) {
    TDimRec out;
    out.Valu = a.Valu;
    out.ValuStr = a.ValuStr;
    for (const auto& u : a.units)
        out = AddUnitToDim(out, u);
    for (const auto& u : b.units)
        out = AddUnitToDim(out, u);
    return out;
}

TDimRec PowerDim(const TDimRec& r, int32_t n) {
    TDimRec out;
    out.Valu = r.Valu;
    out.ValuStr = r.ValuStr;
    if (n != 0)
        for (const auto& u : r.units)
            out.units.push_back({u.UnitStr, saturate(int64_t(u.UnitDeg) * n)});
    return out;
}

} // namespace tarnel
