// Long and deeply nested inputs must compile or fail, never hang or exhaust the stack.
// The global ctest TIMEOUT (tests/CMakeLists.txt) is the bound; nothing here times itself.

#include "core/evaluator/tparser.h"

#include "outcome.h"

#include <gtest/gtest.h>
#include <random>

using namespace tarnel;
using tarnel::test::outcomeOf;

namespace {

std::string chain(const std::string& atom, const std::string& op, size_t length) {
    std::string s = atom;
    while (s.size() + op.size() + atom.size() <= length)
        s += op + atom;
    return s;
}

std::string nest(const std::string& open, const std::string& inner, const std::string& close,
                 int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += open;
    s += inner;
    for (int i = 0; i < n; ++i)
        s += close;
    return s;
}

// A formula of `count` random pieces, each in `wrap` redundant bracket pairs, joined by a
// balanced tree of sums so that it stays within the nesting limit.
std::string mixedFormula(std::mt19937& rng, int count, int wrap) {
    const char* pieces[] = {"(X-32)/1.8+273.15", "2^3*SIN(X)", "-7MOD3",      "MAX(A,B/2)-X^2",
                            "LN(2)*EXP(1)",      "10-4-3",     "(A+B)*(A-B)", "7DIV2*X"};
    std::vector<std::string> terms;
    for (int i = 0; i < count; ++i)
        terms.push_back(std::string(wrap, '(') + pieces[rng() % std::size(pieces)] +
                        std::string(wrap, ')'));
    while (terms.size() > 1) {
        std::vector<std::string> next;
        for (size_t i = 0; i + 1 < terms.size(); i += 2)
            next.push_back("(" + terms[i] + ")+(" + terms[i + 1] + ")");
        if (terms.size() % 2) next.push_back(terms.back());
        terms = std::move(next);
    }
    return terms[0];
}

} // namespace

TEST(EvaluatorLongInput, CompilesOrFails) {
    std::mt19937 rng(5);
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += "()+-*/^,X1."[rng() % 11];
    const std::string nestings = "ETooManyNestings";
    struct Case {
        std::string formula;
        std::string error;        // empty: compiles
        std::string message = {}; // checked when given
    } cases[] = {
        {chain("1", "+", 1024), nestings},
        {chain("1", "-", 1024), nestings},
        {chain("X", "*", 1024), nestings},
        {chain("1", "/", 1024), nestings},
        {chain("7", "DIV", 1024), nestings},
        {chain("2", "^", 1024), "ESyntaxError"},
        {chain("1", "*-", 1024), nestings},
        {chain("1", "-1*", 1024), nestings},
        {nest("(", "1", ")", 500), ""},
        {nest("-(", "X", ")", 340), nestings},
        {nest("SIN(", "X", ")", 200), nestings},
        {nest("(1+", "1", ")", 250), nestings},
        {nest("(", "1", ")+1", 200), nestings},
        {nest("MAX(1,", "1", ")", 140), nestings},
        {mixedFormula(rng, 16, 12), ""},
        {mixedFormula(rng, 250, 0), "EExpressionTooComplex"}, // 64 or more sums on a level
        {std::string(1024, '1'), ""},
        // signs after operators and in exponents among long chains, up to the bound
        {chain("1E-1*1E-1*-X*1*+1", "*", 999), nestings},
        {chain("1E-1*1E-1*-X*1*+1", "*", 1024), nestings},
        {chain("E", "-E*E+E/", 1024), nestings},
        {chain("1", "+", 1021) + "+X1", "ESyntaxError"},
        {std::string(1025, '1'), "EExpressionTooComplex", "Expression is too complex"},
        {std::string(1024, 'A'), "ESyntaxError"},
        {chain("1", "-1+X-", 1024), nestings},
        {chain("1", "*1-", 1024), nestings},
        // Past the length bound every text fails at once, whatever it holds.
        {garbage, "EMissMatchingBracket"},
        {std::string(4096, '1'), "EExpressionTooComplex"},
        {chain("1", "-", 4096), "EExpressionTooComplex"},
        {nest("(", "1", ")", 4000), "EExpressionTooComplex"},
    };
    TParser p;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula.substr(0, 60) + "... (" + std::to_string(c.formula.size()) + ")");
        const auto got = outcomeOf([&] {
            p.setExpression(c.formula);
            return 0.0;
        });
        EXPECT_EQ(got.error, c.error) << got.message.substr(0, 200);
        if (!c.message.empty()) {
            EXPECT_EQ(got.message, c.message);
        }
    }
}
