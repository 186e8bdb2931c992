#include "core/notation/tokenizer.h"

#include "core/text/strutil.h"

#include <type_traits>

namespace tarnel {

namespace {
bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
bool isNameStart(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isNameChar(char32_t c) {
    return isDigit(c) || isNameStart(c);
}
bool isOperator(char32_t c) {
    switch (c) {
    case '(':
    case ')':
    case '*':
    case '+':
    case ',':
    case '-':
    case '.':
    case '/':
    case ':':
    case ';':
    case '=':
    case '^':
    case 0xB2:
    case 0xB3:
        return true;
    default:
        return false;
    }
}
// Most unit texts are ASCII: append those bytes without the general encoder.
inline void put(std::string& out, char32_t c) {
    if (c < 0x80)
        out.push_back(static_cast<char>(c));
    else
        appendUtf8(out, c);
}

bool inSet(char32_t c, std::u32string_view set) {
    return set.find(c) != std::u32string_view::npos;
}

// States of the decimal-literal recogniser; the scan asks after each appended character
// whether the token (ignoring a trailing blank) is still a complete number.
enum State { Int, IntDot, LeadDot, Frac, ExpE, ExpSign, ExpDig, Blank, Dead };

State step(State s, char32_t c) {
    const bool d = isDigit(c);
    switch (s) {
    case Int:
        return d                        ? Int
               : c == '.'               ? IntDot
               : (c == 'e' || c == 'E') ? ExpE
               : c == ' '               ? Blank
                                        : Dead;
    case IntDot:
    case Frac:
        return d ? Frac : (c == 'e' || c == 'E') ? ExpE : c == ' ' ? Blank : Dead;
    case LeadDot:
        return d ? Frac : Dead;
    case ExpE:
        return d ? ExpDig : (c == '+' || c == '-') ? ExpSign : Dead;
    case ExpSign:
        return d ? ExpDig : Dead;
    case ExpDig:
        return d ? ExpDig : c == ' ' ? Blank : Dead;
    default:
        return Dead;
    }
}
bool accepting(State s) {
    return s == Int || s == IntDot || s == Frac || s == ExpDig || s == Blank;
}

// Scans the blank-reduced text: code points (char32_t) or, for ASCII input, bytes.
template <class Text>
bool scanTokens(const Text& t, std::u32string_view extra, std::vector<TToken>& out,
                std::string* why) {
    using Unit = std::make_unsigned_t<typename Text::value_type>;
    const size_t n = t.size();
    auto cp = [&](size_t q) -> char32_t { return static_cast<char32_t>(static_cast<Unit>(t[q])); };
    auto at = [&](size_t q) -> char32_t { return q < n ? cp(q) : 0; }; // 0-based
    size_t p = 0;
    while (p < n) {
        const char32_t c = cp(p);
        if (c == ' ') {
            ++p;
            continue;
        }
        if (static_cast<int>(out.size()) >= kMaxTokens) {
            if (why) *why = "Input string has too many tokens.";
            return false;
        }
        TToken tok;
        tok.position = static_cast<int>(p) + 1;
        std::string text;
        if (!isDigit(c) && !isNameStart(c) && !isOperator(c) && !inSet(c, extra)) {
            put(text, c);
            ++p;
        } else if (isDigit(c) || (c == '.' && isDigit(at(p + 1)))) {
            // Appends characters while the token stays a complete number; an exponent
            // ("e5", "e-5") is taken in one jump. The last character appended at the very
            // end of the text is not checked.
            State st = Int;
            size_t last = 0;
            if (c == '.') {
                st = LeadDot;
                put(text, cp(p++));
                st = step(st, cp(p)); // a digit, by the test above
                put(text, cp(p++));
            } else {
                put(text, cp(p++));
            }
            while (p < n) {
                if (cp(p) == 'E' || cp(p) == 'e') {
                    if (isDigit(at(p + 1))) {
                        st = step(step(st, cp(p)), cp(p + 1));
                        last = text.size() + 1;
                        put(text, cp(p));
                        put(text, cp(p + 1));
                        p += 2;
                    }
                    if ((at(p + 1) == '-' || at(p + 1) == '+') && p + 2 < n) {
                        State s3 = step(step(step(st, cp(p)), cp(p + 1)), cp(p + 2));
                        if (accepting(s3)) {
                            st = s3;
                            last = text.size() + 2;
                            for (int k = 0; k < 3; ++k)
                                put(text, cp(p + k));
                            p += 3;
                        }
                    }
                }
                if (!accepting(st)) {
                    text.resize(last); // drop the last character appended
                    --p;
                    break;
                }
                if (p >= n) break;
                st = step(st, cp(p));
                last = text.size();
                put(text, cp(p++));
            }
            tok.text = trimView(text);
            if (auto v = parseReal(tok.text)) {
                tok.value = *v;
                tok.kind = TTokenKind::tkNumber;
            }
            tok.length = static_cast<int>(cpLength(tok.text));
            out.push_back(std::move(tok));
            continue;
        } else if (isNameStart(c) || inSet(c, extra)) {
            tok.kind = TTokenKind::tkName;
            while (p < n && (isNameChar(cp(p)) || inSet(cp(p), extra)))
                put(text, cp(p++));
        } else {
            tok.kind = TTokenKind::tkOperator;
            put(text, c);
            ++p;
        }
        tok.length = static_cast<int>(cpLength(text));
        tok.text = std::move(text);
        out.push_back(std::move(tok));
    }
    return true;
}

} // namespace

bool Tokenize(std::string_view s, std::u32string_view extra, std::vector<TToken>& out,
              std::string* why) {
    out.clear();
    // Each run of k blanks becomes k mod 2 blanks (the trailing blank joins the last run).
    bool ascii = true;
    for (char ch : s)
        if (static_cast<unsigned char>(ch) >= 0x80) ascii = false;
    if (ascii) {
        thread_local std::string t; // reused: this runs on every keystroke
        t.clear();
        size_t blanks = 0;
        for (char ch : s) {
            if (ch == ' ') {
                ++blanks;
                continue;
            }
            if (blanks % 2) t.push_back(' ');
            blanks = 0;
            t.push_back(ch);
        }
        if ((blanks + 1) % 2) t.push_back(' ');
        return scanTokens(t, extra, out, why);
    }
    thread_local std::u32string t; // reused: this runs on every keystroke
    t.clear();
    size_t blanks = 0;
    auto flush = [&] {
        if (blanks % 2) t.push_back(' ');
        blanks = 0;
    };
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b == ' ') {
            ++blanks;
            ++i;
            continue;
        }
        flush();
        if (b < 0x80) {
            t.push_back(b);
            ++i;
        } else {
            size_t len = 1;
            while (i + len < s.size() && (static_cast<unsigned char>(s[i + len]) & 0xC0) == 0x80)
                ++len;
            const std::u32string cp = toU32(s.substr(i, len));
            t += cp;
            i += len;
        }
    }
    ++blanks;
    flush();
    return scanTokens(t, extra, out, why);
}

bool isSingleNameToken(std::string_view s) {
    std::vector<TToken> toks;
    return Tokenize(s, U"\u00B0\u00C5", toks) && toks.size() == 1 &&
           toks[0].kind == TTokenKind::tkName && toks[0].text == s;
}

} // namespace tarnel
