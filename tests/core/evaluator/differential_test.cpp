// Two differential tests. The compiler against a direct, unmemoised transcription of the
// twelve rules kept here (it re-classifies every side it looks at, so it is only usable on
// short formulas); and rule formulas evaluated through the value slot against the
// substituted text compiled from scratch.

#include "core/evaluator/tparser.h"
#include "core/text/strutil.h"

#include "outcome.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace tarnel;
using tarnel::test::Outcome;
using tarnel::test::outcomeOf;

namespace {

// ---- The rules, transcribed one to one ------------------------------------------------

enum Kind {
    Invalid,
    Variable,
    Number,
    Minus,
    Sum,
    Diff,
    Prod,
    IntDiv,
    Modulo,
    Divis,
    Power,
    Fn1,
    Fn2
};

struct Reference {
    std::set<std::string, std::less<>> vars, one, two;

    static bool balanced(std::string_view s) {
        return std::count(s.begin(), s.end(), '(') == std::count(s.begin(), s.end(), ')');
    }

    // "(e)": a bracketed valid expression.
    bool bracketed(std::string_view s) const {
        return s.size() >= 2 && s.front() == '(' && s.back() == ')' &&
               valid(s.substr(1, s.size() - 2));
    }
    bool valid(std::string_view s) const { return kind(s) != Invalid || bracketed(s); }

    bool isAtom(std::string_view s) const {
        const Kind k = kind(s);
        return k == Variable || k == Number;
    }
    bool isFn(Kind k) const { return k == Fn1 || k == Fn2; }

    // Operand sets, side by side as the table gives them.
    bool inSet(std::string_view s, const std::string& op, bool left) const {
        if (bracketed(s)) return true;
        const Kind k = kind(s);
        if (k == Invalid) return false;
        if (k == Variable || k == Number || isFn(k)) return true;
        const bool mulLike = k == IntDiv || k == Modulo || k == Divis;
        if (op == "+")
            return left ? (k == Minus || k == Diff || k == Prod || mulLike || k == Power)
                        : (k == Sum || k == Diff || k == Prod || mulLike || k == Power);
        if (op == "-")
            return left ? (k == Minus || k == Diff || k == Prod || mulLike || k == Power)
                        : (k == Prod || mulLike || k == Power);
        if (op == "*")
            return left ? (k == Minus || mulLike || k == Power)
                        : (k == Prod || mulLike || k == Power);
        if (op == "DIV" || op == "MOD" || op == "/")
            return left ? (k == Minus || mulLike || k == Power) : k == Power;
        return false; // "^": atoms, (e) and calls only
    }

    struct Tried {
        bool any = false;
        std::string left, right;
    };

    Kind kind(std::string_view t, Tried* tried = nullptr, size_t* at = nullptr) const {
        if (t.empty()) return Invalid;
        if (vars.count(t)) return Variable;
        if (t == "PI" || t == "-PI" || isDecimalLiteral(t)) return Number;
        if (t[0] == '-') {
            std::string_view r = t.substr(1);
            const Kind k = kind(r);
            if (k == Variable || bracketed(r) || k == Power || isFn(k)) return Minus;
        }
        static const std::pair<const char*, Kind> ops[] = {
            {"+", Sum},      {"-", Diff},  {"*", Prod}, {"DIV", IntDiv},
            {"MOD", Modulo}, {"/", Divis}, {"^", Power}};
        for (const auto& [opText, opKind] : ops) {
            const std::string op = opText;
            for (size_t p = t.find(op); p != std::string_view::npos; p = t.find(op, p + 1)) {
                if (p == 0) break; // gives up at a leading operator
                if (p + op.size() >= t.size()) continue;
                std::string_view l = t.substr(0, p), r = t.substr(p + op.size());
                if (tried) *tried = {true, std::string(l), std::string(r)};
                if (!balanced(l) || !balanced(r)) continue;
                const bool ok = opKind == Power ? ((isAtom(l) || bracketed(l) || isFn(kind(l))) &&
                                                   (isAtom(r) || bracketed(r) || isFn(kind(r))))
                                                : (inSet(l, op, true) && inSet(r, op, false));
                if (ok) {
                    if (at) *at = p;
                    return opKind;
                }
            }
        }
        const size_t q = t.find('(');
        if (q != std::string_view::npos && q > 0) {
            std::string_view name = t.substr(0, q);
            if (one.count(name) && bracketed(t.substr(q))) return Fn1;
            if (two.count(name) && t.back() == ')') {
                std::string_view inside = t.substr(q + 1, t.size() - q - 2);
                for (size_t c = inside.find(','); c != std::string_view::npos;
                     c = inside.find(',', c + 1)) {
                    if (c == 0 || c + 1 >= inside.size()) continue;
                    if (valid(inside.substr(0, c)) && valid(inside.substr(c + 1))) {
                        if (at) *at = q + 1 + c;
                        return Fn2;
                    }
                }
            }
        }
        return Invalid;
    }

    std::string_view strip(std::string_view s) const {
        while (bracketed(s))
            s = s.substr(1, s.size() - 2);
        return s;
    }

    // Builds the term tree level by level and writes it back fully bracketed, so the real
    // compiler must reproduce the same operations from unambiguous text.
    struct Build {
        const Reference& r;
        int perLevel[21] = {};
        std::string error, message;

        std::string term(std::string_view t, int level) {
            size_t at = 0;
            const Kind k = r.kind(t, nullptr, &at);
            if (k == Variable || k == Number) return "(" + std::string(t) + ")";
            if (++perLevel[level] > 50) fail("EExpressionTooComplex", "Expression is too complex");
            if (level + 1 > 20) fail("ETooManyNestings", "Expression contains too many nestings");
            if (!error.empty()) return {};
            auto sub = [&](std::string_view s) { return term(r.strip(s), level + 1); };
            switch (k) {
            case Minus:
                return "(-" + sub(t.substr(1)) + ")";
            case Fn1: {
                const size_t q = t.find('(');
                return "(" + std::string(t.substr(0, q)) + "(" +
                       sub(t.substr(q + 1, t.size() - q - 2)) + "))";
            }
            case Fn2: {
                const size_t q = t.find('(');
                std::string a = sub(t.substr(q + 1, at - q - 1));
                std::string b = sub(t.substr(at + 1, t.size() - at - 2));
                return "(" + std::string(t.substr(0, q)) + "(" + a + "," + b + "))";
            }
            default: {
                static const char* text[] = {"", "", "", "", "+", "-", "*", "DIV", "MOD", "/", "^"};
                const std::string op = text[k];
                std::string left = sub(t.substr(0, at));
                std::string_view rt = t.substr(at + op.size());
                // a number exponent stays a number: it decides the power's kind
                std::string right = k == Power && r.kind(rt) == Number ? std::string(rt) : sub(rt);
                return "(" + left + op + right + ")";
            }
            }
        }
        void fail(const char* cls, const char* msg) {
            if (error.empty()) error = cls, message = msg;
        }
    };

    // Either the fully bracketed text, or the compile error class and message.
    Outcome compile(const std::string& text, std::string& rendered) const {
        const std::string upper = upperAscii(text);
        std::string_view t = trimView(upper);
        rendered.clear();
        if (t.empty()) return {};
        if (t.find(' ') != std::string_view::npos)
            return {"EExpressionHasBlanks", "Expression has blanks", 0};
        if (!balanced(t)) return {"EMissMatchingBracket", "Missing brackets in expression", 0};
        t = strip(t);
        Tried tried;
        if (kind(t, &tried) == Invalid) {
            std::string msg = "Error parsing expression:\r";
            msg += tried.any ? tried.left + "\r" + tried.right : std::string(t);
            return {"ESyntaxError", msg, 0};
        }
        Build b{*this, {}, {}, {}};
        rendered = b.term(t, 0);
        if (!b.error.empty()) return {b.error, b.message, 0};
        return {};
    }
};

// ---- Random formulas ------------------------------------------------------------------

struct FormulaGen {
    std::mt19937 rng;
    bool slots = false; // rule formulas: "#" among the atoms, also where it glues to tokens
    explicit FormulaGen(unsigned seed, bool withSlots = false) : rng(seed), slots(withSlots) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    template <class T, size_t N> const T& any(const T (&list)[N]) { return list[pick(N)]; }

    std::string number() {
        static const char* nums[] = {"1",    "2",  "3",  "0",    "0.5", "2.5", "10", "1E2",
                                     "1e-1", "PI", "-2", "-1.5", "4",   "+2",  ".5", "-PI"};
        return any(nums);
    }
    std::string atom() {
        static const char* vars[] = {"A", "B", "X", "E", "y", "T"};
        static const char* slotted[] = {"#", "#",    "#",  "#",   "-#", "+#",
                                        "#", "1E-#", "##", "#.5", "X#", "(#)"};
        if (slots && pick(2)) return any(slotted);
        return pick(3) ? number() : std::string(any(vars));
    }
    std::string expr(int depth) {
        if (depth == 0 || pick(4) == 0) return atom();
        switch (pick(9)) {
        case 0:
            return "(" + expr(depth - 1) + ")";
        case 1:
            return "-" + expr(depth - 1);
        case 2: {
            static const char* f1[] = {"SIN", "ABS", "SQRT", "LN", "TRUNC", "sqr", "EXP", "FOO"};
            if (slots && pick(3) == 0) return "LOG10(" + expr(depth - 1) + ")";
            return std::string(any(f1)) + "(" + expr(depth - 1) + ")";
        }
        case 3: {
            static const char* f2[] = {"MAX", "MIN", "LOGN", "ARG", "POWER", "INTPOWER"};
            return std::string(any(f2)) + "(" + expr(depth - 1) + "," + expr(depth - 1) + ")";
        }
        default: {
            static const char* ops[] = {"+", "-", "*", "/", "^", "DIV", "MOD", "+", "-", "*"};
            return expr(depth - 1) + any(ops) + expr(depth - 1);
        }
        }
    }
    // Now and then a character dropped, doubled or added, so that invalid texts come too.
    std::string formula() {
        std::string s = expr(1 + pick(4));
        if (pick(4) == 0 && !s.empty()) {
            static const char* junk[] = {"(", ")", "-", "+", "^", ",", " ", "#"};
            const size_t at = static_cast<size_t>(pick(static_cast<int>(s.size())));
            switch (pick(3)) {
            case 0:
                s.erase(at, 1);
                break;
            case 1:
                s.insert(at, 1, s[at]);
                break;
            default:
                s.insert(at, any(junk));
            }
        }
        return s;
    }
};

Outcome realOutcome(TParser& p, const std::string& text) {
    return outcomeOf([&] {
        p.setExpression(text);
        return p.Value();
    });
}

} // namespace

TEST(EvaluatorDifferential, CompilerAgreesWithTheRulesTranscribed) {
    TParser p;
    p.SetVariable("A", 1.5);
    p.SetVariable("B", -2);
    p.SetVariable("X", 3);
    p.SetVariable("E", 0.25);
    p.SetVariable("Y", 7);
    Reference ref;
    ref.vars = {"A", "B", "C", "D", "E", "X", "Y", "T"};
    ref.one = {"SIN",  "COS",   "TAN",  "COTAN", "ARCTAN", "SINH", "COSH",  "EXP",
               "LN",   "LOG10", "LOG2", "SQR",   "SQRT",   "ABS",  "TRUNC", "INT",
               "CEIL", "FLOOR", "HEAV", "SIGN",  "ZERO",   "PH",   "RND",   "RANDOM"};
    ref.two = {"ARG", "MAX", "MIN", "POWER", "INTPOWER", "LOGN"};

    FormulaGen gen(20261211);
    int accepted = 0;
    for (int i = 0; i < 6000; ++i) {
        const std::string f = gen.formula();
        SCOPED_TRACE(f);
        std::string rendered;
        const Outcome want = ref.compile(f, rendered);
        const Outcome got = realOutcome(p, f);
        if (!want.error.empty()) {
            ASSERT_EQ(got, want);
            continue;
        }
        ++accepted;
        // Same operations as the unambiguous text: same value or same arithmetic fault.
        SCOPED_TRACE(rendered);
        ASSERT_EQ(got, realOutcome(p, rendered));
    }
    // the generator must exercise both sides
    EXPECT_GT(accepted, 1500);
    EXPECT_LT(accepted, 5500);
}

namespace {

// Formulas near the nesting limit (the complexity limit needs trees too large for the
// transcription; the table tests it): a spine of `spine` operators, calls and
// unary minus, ending in a full tree of two-argument calls `full` levels deep (2^k calls on
// its level k). Calls rather than bracketed operators keep the transcription fast: it
// tries every split whose sides merely count as many "(" as ")".
std::string fullTree(std::mt19937& rng, int full) {
    if (full == 0) return rng() % 2 ? "X" : "2";
    return std::string(rng() % 2 ? "MAX(" : "MIN(") + fullTree(rng, full - 1) + "," +
           fullTree(rng, full - 1) + ")";
}

std::string nearLimits(std::mt19937& rng, int spine, int full) {
    if (spine == 0) return "(" + fullTree(rng, full) + ")";
    switch (rng() % 4) {
    case 0:
        return "SIN(" + nearLimits(rng, spine - 1, full) + ")";
    case 1:
        return "-(" + nearLimits(rng, spine - 1, full) + ")";
    default: {
        // a unary minus is no right operand of "+" or "*": bracket it there
        const std::string rest = nearLimits(rng, spine - 1, full);
        return std::string("1") + (rng() % 2 ? "+" : "*") +
               (rest[0] == '-' ? "(" + rest + ")" : rest);
    }
    }
}

} // namespace

TEST(EvaluatorDifferential, LimitsAgreeWithTheRulesTranscribed) {
    TParser p;
    Reference ref;
    ref.vars = {"X"};
    ref.one = {"SIN"};
    ref.two = {"MAX", "MIN"};
    std::mt19937 rng(11);
    std::set<std::string> seen;
    for (int i = 0; i < 30; ++i) {
        // trees of calls up to 64 wide at the bottom; the deepest operand lies at level
        // 19 to 22, around the limit
        const int full = static_cast<int>(rng() % 7);
        const std::string f = nearLimits(rng, 19 + static_cast<int>(rng() % 4) - full, full);
        SCOPED_TRACE(f);
        std::string rendered;
        const Outcome want = ref.compile(f, rendered);
        seen.insert(want.error);
        ASSERT_EQ(realOutcome(p, f), want.error.empty() ? realOutcome(p, rendered) : want);
    }
    for (const char* expected : {"", "ETooManyNestings"})
        EXPECT_EQ(seen.count(expected), 1u) << expected;
}

namespace {

// Value texts as the engine writes them: fixed ("293.15", "-40", "0.00001234") or with an
// exponent ("1.234568E08", "-1.5E-07"), now and then extreme, and a few it never writes.
std::string valueText(std::mt19937& rng) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto digits = [&](int n) {
        std::string d;
        for (int i = 0; i < n; ++i)
            d += static_cast<char>('0' + pick(10));
        return d;
    };
    auto mantissa = [&] {
        std::string m(1, static_cast<char>('1' + pick(9)));
        if (pick(2))
            m += "." + digits(1 + pick(6)) + std::string(1, static_cast<char>('1' + pick(9)));
        return m;
    };
    const std::string sign = pick(3) == 0 ? "-" : "";
    switch (pick(8)) {
    case 0:
        return "0";
    case 1: {
        static const char* odd[] = {"NAN", "INF", "-INF", "1e5", "+3", "1.5E+07", ".5", "2."};
        return odd[pick(8)];
    }
    case 2:
        return sign + "0.0000" + mantissa().erase(1, 1);
    case 3:
    case 4: {
        const int e = pick(3) == 0 ? 290 + pick(30) : 5 + pick(20);
        std::string exp = std::string(pick(2) ? "-" : "") + (e < 10 ? "0" : "") + std::to_string(e);
        return sign + mantissa() + "E" + exp;
    }
    default: {
        std::string t = sign + std::to_string(pick(3) ? pick(1000) : pick(100000000));
        if (pick(2)) t += "." + digits(pick(4)) + std::string(1, static_cast<char>('1' + pick(9)));
        return t;
    }
    }
}

} // namespace

TEST(EvaluatorDifferential, RuleSlotAgreesWithSubstitutedText) {
    TParser p;
    p.SetVariable("A", 1.5);
    p.SetVariable("B", -2);
    p.SetVariable("X", 3);
    FormulaGen gen(4242, true);
    std::mt19937 values(99);
    const char* fixed[] = {"#+273.15",
                           "(#-32)/1.8+273.15",
                           "(#-273.15)*1.8+32",
                           "#-32",
                           "#^2",
                           "2^#",
                           "-#",
                           "#^-#",
                           "-#^2",
                           "#DIV3",
                           "1/#",
                           "SQRT(#)",
                           "MAX(#,-#)",
                           "#"};
    int slotted = 0;
    for (int i = 0; i < 1500; ++i) {
        const std::string f = i < int(std::size(fixed)) ? fixed[i] : gen.formula();
        SCOPED_TRACE(f);
        for (int j = 0; j < 12; ++j) {
            const std::string text = valueText(values);
            SCOPED_TRACE(text);
            const double v = realOrNaN(text);
            const Outcome got = outcomeOf([&] { return p.evalRule(f, v, text); });
            const Outcome want = realOutcome(p, TParser::substituteValue(f, text));
            ASSERT_EQ(got, want) << TParser::substituteValue(f, text);
            if (want.error.empty()) ++slotted;
        }
    }
    EXPECT_GT(slotted, 3000);
}

TEST(EvaluatorDifferential, SubstitutionBracketsNegativeTexts) {
    EXPECT_EQ(TParser::substituteValue("(#-32)/1.8", "-40"), "((-40)-32)/1.8");
    EXPECT_EQ(TParser::substituteValue("#*#", "1.5E-07"), "1.5E-07*1.5E-07");
    EXPECT_EQ(TParser::substituteValue("1+2", "5"), "1+2");
    TParser p;
    EXPECT_DOUBLE_EQ(p.evalRule("#+273.15", 20, "20"), 293.15);
    EXPECT_DOUBLE_EQ(p.evalRule("(#-32)/1.8+273.15", -40, "-40"), 233.15);
    EXPECT_DOUBLE_EQ(p.evalRule("#-32", -5, "-5"), -37); // "-5-32" alone would not compile
    EXPECT_DOUBLE_EQ(p.evalRule("#^2", -3, "-3"), 9);
    EXPECT_DOUBLE_EQ(p.evalRule("1E-#", 5, "5"), 1E-5); // glued: read as one number
    EXPECT_THROW(p.evalRule("#/0", 1, "1"), EZeroDivide);
    // at the length bound the value's text length decides, as it does for the substituted text
    const std::string nearBound = "#+" + std::string(510, '(') + "1" + std::string(510, ')');
    EXPECT_DOUBLE_EQ(p.evalRule(nearBound, 5, "5"), 6);
    EXPECT_THROW(p.evalRule(nearBound, 1.5, "1.5"), EExpressionTooComplex);
    // the stored expression is not touched
    p.setExpression("7");
    p.evalRule("#*2", 1, "1");
    EXPECT_EQ(p.Value(), 7);
    EXPECT_EQ(p.Expression(), "7");
}
