#include "core/notation/typedtext.h"

#include "core/text/strutil.h"

#include <cmath>
#include <cstdio>

namespace tarnel {

namespace {

constexpr char32_t kMicro = 0xB5, kGreekMu = 0x3BC, kDegree = 0xB0, kRingA = 0xC5;

bool isAsciiNameChar(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isMu(char32_t c) {
    return c == kMicro || c == kGreekMu;
}
// Characters of a name as typed: the notation's own, and µ as a prefix.
bool isNameChar(char32_t c) {
    return isAsciiNameChar(c) || c == kDegree || c == kRingA || isMu(c);
}
bool isOperator(char32_t c) {
    return std::u32string_view(U"()*+,-./:;=^\u00B2\u00B3").find(c) != std::u32string_view::npos;
}

TypedReading failure(std::string msg) {
    return {false, {}, std::move(msg)};
}

std::string unknownCharacter(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    std::string ch;
    appendUtf8(ch, c);
    return "Unknown character \"" + ch + "\" (" + code + ") in the unit part";
}

// Keyboard forms the notation writes otherwise; runs of blanks shrink as the notation's
// reader shrinks them (k blanks to k mod 2), so names are seen here as it will see them.
std::u32string normalise(const std::u32string& u) {
    std::u32string w;
    w.reserve(u.size());
    for (size_t i = 0; i < u.size(); ++i) {
        char32_t c = u[i];
        if (c == 0xB7 || c == 0xD7) c = '.';
        if (c == 0xA0) c = ' ';
        if (c == 0xBA && i + 1 < u.size() &&
            (u[i + 1] == 'C' || u[i + 1] == 'F' || u[i + 1] == 'R'))
            c = kDegree;
        w.push_back(c);
    }
    std::u32string out;
    out.reserve(w.size());
    for (size_t i = 0; i < w.size();) {
        if (w[i] != ' ') {
            out.push_back(w[i++]);
            continue;
        }
        size_t k = 0;
        while (i < w.size() && w[i] == ' ')
            ++i, ++k;
        if (k % 2) out.push_back(' ');
    }
    return out;
}

// The degree after "^" must be a whole number ("2.0" is one; "1.5" is not rounded).
bool fractionalDegree(const std::u32string& w, size_t caret, std::string& literal) {
    size_t i = caret + 1;
    while (i < w.size() && w[i] == ' ')
        ++i;
    size_t j = i;
    while (j < w.size() &&
           ((w[j] >= '0' && w[j] <= '9') || w[j] == '.' || w[j] == 'e' || w[j] == 'E' ||
            ((w[j] == '+' || w[j] == '-') && j > i && (w[j - 1] == 'e' || w[j - 1] == 'E'))))
        ++j;
    // Take the longest prefix that reads as a number, as the notation's scanner does.
    for (; j > i; --j) {
        literal = toUtf8(w.substr(i, j - i));
        if (auto v = parseReal(literal)) return std::isfinite(*v) && std::nearbyint(*v) != *v;
    }
    return false;
}

} // namespace

std::string TypedText::storedName(const std::u32string& name) const {
    const std::string s = toUtf8(name);
    if (fIsSymbol(s)) return s;
    if (isMu(name[0])) return "u" + toUtf8(name.substr(1));
    if (fSpellings) {
        auto it = fSpellings->find(s);
        if (it != fSpellings->end()) return it->second;
    }
    return s;
}

// Most typed unit parts are plain ASCII names with "." "/" and whole degrees, which read
// as they stand: those skip the code-point pass (this runs on every keystroke).
bool TypedText::readsAsItStands(std::string_view t) const {
    for (size_t i = 0; i < t.size();) {
        const char c = t[i];
        if (c == '.' || c == '/') {
            ++i;
        } else if (c == '^') {
            size_t j = ++i;
            while (j < t.size() && t[j] >= '0' && t[j] <= '9')
                ++j;
            if (j == i || (j < t.size() && (t[j] == '.' || t[j] == 'e' || t[j] == 'E')))
                return false;
            i = j;
        } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') {
            const size_t start = i;
            while (i < t.size() && isAsciiNameChar(static_cast<unsigned char>(t[i])))
                ++i;
            if (fSpellings && !fSpellings->empty()) {
                const std::string name(t.substr(start, i - start));
                if (fSpellings->count(name) && !fIsSymbol(name)) return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

TypedReading TypedText::unitPart(std::string_view text) const {
    if (readsAsItStands(text)) return {true, std::string(text), {}};
    const std::u32string w = normalise(toU32(text));
    for (char32_t c : w)
        if (c != ' ' && !isNameChar(c) && !isOperator(c)) return failure(unknownCharacter(c));

    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < w.size();) {
        const char32_t c = w[i];
        if (c == '^') {
            std::string literal;
            if (fractionalDegree(w, i, literal))
                return failure("Wrong degree number (only whole numbers). " + literal);
        }
        if (!isNameChar(c)) {
            appendUtf8(out, c);
            ++i;
            continue;
        }
        size_t j = i;
        while (j < w.size() && isNameChar(w[j]))
            ++j;
        const std::u32string name = w.substr(i, j - i);
        if (c >= '0' && c <= '9') { // a number (and whatever the reader makes of the rest)
            for (char32_t x : name)
                if (isMu(x)) return failure(unknownCharacter(x));
            out += toUtf8(name);
        } else {
            const std::string stored = storedName(name);
            if (stored.find_first_of(". /") != std::string::npos) {
                size_t k = j;
                while (k < w.size() && w[k] == ' ')
                    ++k;
                if (k < w.size() && (w[k] == '^' || w[k] == 0xB2 || w[k] == 0xB3))
                    return failure(toUtf8(name) + " stands for " + stored +
                                   " and cannot have a degree; write its units apart");
            }
            for (char32_t x : toU32(stored))
                if (isMu(x)) return failure("Unknown unit - " + toUtf8(name));
            out += stored;
        }
        i = j;
    }
    return {true, out, {}};
}

TypedReading TypedText::quantity(std::string_view text) const {
    const size_t a = text.find('['), b = text.find(']');
    if (a == std::string_view::npos && b == std::string_view::npos) return {true, trim(text), {}};
    if (a == std::string_view::npos || b == std::string_view::npos || b < a)
        return failure("The unit part must stand in brackets - " + trim(text));
    if (!trimView(text.substr(b + 1)).empty())
        return failure("Unexpected text after the unit part - " + trim(text.substr(b + 1)));
    TypedReading u = unitPart(text.substr(a + 1, b - a - 1));
    if (!u.ok) return u;
    return {true, trim(text.substr(0, a)) + " [" + u.text + "]", {}};
}

TypedReading TypedText::target(std::string_view text) const {
    std::string_view t = trimView(text);
    if (t.find_first_of("[]") == std::string_view::npos) return unitPart(t);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']' ||
        t.substr(1, t.size() - 2).find_first_of("[]") != std::string_view::npos)
        return failure("Stray bracket in the target - " + std::string(t));
    return unitPart(t.substr(1, t.size() - 2));
}

} // namespace tarnel
