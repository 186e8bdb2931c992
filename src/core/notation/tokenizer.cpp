#include "core/notation/tokenizer.h"

#include "core/text/messages.h"
#include "core/text/strutil.h"

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
} // namespace

bool Tokenize(std::string_view s, std::u32string_view extra, std::vector<TToken>& out) {
    out.clear();
    // Each run of k blanks becomes k mod 2 blanks (the trailing blank joins the last run).
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
    const size_t n = t.size();
    auto at = [&](size_t p) -> char32_t { return p < n ? t[p] : 0; }; // 0-based
    size_t p = 0;
    while (p < n) {
        const char32_t c = t[p];
        if (c == ' ') {
            ++p;
            continue;
        }
        if (static_cast<int>(out.size()) >= kMaxTokens) {
            showMessage("Input string has too many tokens.");
            return false;
        }
        TToken tok;
        tok.position = static_cast<int>(p) + 1;
        std::string text;
        if (!isDigit(c) && !isNameStart(c) && !isOperator(c) && !inSet(c, extra)) {
            appendUtf8(text, c);
            ++p;
        } else if (isDigit(c) || (c == '.' && isDigit(at(p + 1)))) {
            // Appends characters while the token stays a complete number; an exponent
            // ("e5", "e-5") is taken in one jump. The last character appended at the very
            // end of the text is not checked.
            State st = Int;
            if (c == '.') {
                st = LeadDot;
                appendUtf8(text, t[p++]);
                st = step(st, t[p]); // a digit, by the test above
                appendUtf8(text, t[p++]);
            } else {
                appendUtf8(text, t[p++]);
            }
            while (p < n) {
                if (t[p] == 'E' || t[p] == 'e') {
                    if (isDigit(at(p + 1))) {
                        st = step(step(st, t[p]), t[p + 1]);
                        appendUtf8(text, t[p]);
                        appendUtf8(text, t[p + 1]);
                        p += 2;
                    }
                    if ((at(p + 1) == '-' || at(p + 1) == '+') && p + 2 < n) {
                        State s3 = step(step(step(st, t[p]), t[p + 1]), t[p + 2]);
                        if (accepting(s3)) {
                            st = s3;
                            for (int k = 0; k < 3; ++k)
                                appendUtf8(text, t[p + k]);
                            p += 3;
                        }
                    }
                }
                if (!accepting(st)) {
                    text.pop_back(); // number characters are ASCII
                    --p;
                    break;
                }
                if (p >= n) break;
                st = step(st, t[p]);
                appendUtf8(text, t[p++]);
            }
            std::string u = trim(text);
            if (auto v = parseReal(u)) {
                tok.value = *v;
                tok.kind = TTokenKind::tkNumber;
            }
            tok.text = u;
            tok.length = static_cast<int>(cpLength(u));
            out.push_back(std::move(tok));
            continue;
        } else if (isNameStart(c) || inSet(c, extra)) {
            tok.kind = TTokenKind::tkName;
            while (p < n && (isNameChar(t[p]) || inSet(t[p], extra)))
                appendUtf8(text, t[p++]);
        } else {
            tok.kind = TTokenKind::tkOperator;
            appendUtf8(text, c);
            ++p;
        }
        tok.length = static_cast<int>(cpLength(text));
        tok.text = std::move(text);
        out.push_back(std::move(tok));
    }
    return true;
}

bool isSingleNameToken(std::string_view s) {
    std::vector<TToken> toks;
    RecordingMessages quiet;
    ScopedMessages scope(quiet);
    return Tokenize(s, U"\u00B0\u00C5", toks) && toks.size() == 1 &&
           toks[0].kind == TTokenKind::tkName && toks[0].text == s;
}

} // namespace tarnel
