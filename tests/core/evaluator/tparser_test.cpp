#include "core/evaluator/tparser.h"

#include "outcome.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace tarnel;
using tarnel::test::Outcome;
using tarnel::test::outcomeOf;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const char* const kSyntax = "ESyntaxError";

Outcome evaluate(TParser& p, const std::string& formula) {
    return outcomeOf([&] {
        p.setExpression(formula);
        return p.Value();
    });
}

std::string repeat(const std::string& unit, int n, const std::string& sep) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += (i ? sep : "") + unit;
    return s;
}

// A full binary tree of products `depth` operator levels deep: level k holds 2^k of them.
std::string productTree(int depth) {
    return depth == 0 ? "1" : "(" + productTree(depth - 1) + "*" + productTree(depth - 1) + ")";
}

struct Case {
    std::string formula;
    double x;            // value of the variable X
    std::string error;   // exception class, empty when a value is expected
    std::string message; // the exception's text
    double value;
};

Case ok(std::string f, double v, double x = 2) {
    return {std::move(f), x, "", "", v};
}
Case fails(std::string f, std::string cls, std::string msg, double x = 2) {
    return {std::move(f), x, std::move(cls), std::move(msg), 0};
}

void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        TParser p;
        p.SetVariable("X", c.x);
        const Outcome got = evaluate(p, c.formula);
        EXPECT_EQ(got.error, c.error) << got;
        if (!c.error.empty()) {
            EXPECT_EQ(got.message, c.message);
        } else if (std::isnan(c.value)) {
            EXPECT_TRUE(std::isnan(got.value)) << got;
        } else {
            EXPECT_DOUBLE_EQ(got.value, c.value);
        }
    }
}

} // namespace

TEST(TParser, PrecedenceGroupingAndTheSplitRules) {
    runCases({
        ok("1+2*3", 7),
        ok("(1+2)*3", 9),
        fails("2^3^2", kSyntax, "Error parsing expression:\r2^3\r2"),
        ok("(2^3)^2", 64),
        ok("2^(3^2)", 512),
        ok("-2^2", -4),
        ok("-X^2", -4),
        ok("10-4-3", 3),
        ok("100/10/5", 2),
        ok("2^-1", 0.5),
        ok("2^0.5", std::sqrt(2.0)),
        ok("2^10", 1024),
        ok("2^-2", 0.25),
        ok("X^3", -27, -3),
        ok("X^4", 81, -3),
        // a leading "-" is never a split point, so the whole fails
        fails("-5-3", kSyntax, "Error parsing expression:\r-5-3"),
        ok("-5+3", -2),
        ok("(-5)-3", -8),
        ok("2*-3", -6),
        // a unary minus is no right operand of "+" or "*"; a signed number is
        fails("1+-X", kSyntax, "Error parsing expression:\r1+\rX"),
        fails("2*-X", kSyntax, "Error parsing expression:\r2\r-X"),
        ok("1+-2", -1),
        ok("-+2^2*3", -12), // a unary minus over a power of a signed number
        ok("7DIV2", 3),
        ok("-7MOD3", -1),
        ok("7.9DIV2", 3),
        ok("-7DIV2", -3),
        ok("7MOD-3", 1),
        ok("2*7DIV2", 6), // "*" is split first: 2*(7DIV2)
        ok("7DIV2*2", 6),
        ok("((1+2))*3", 9),
        ok("(((X)))", 2),
        ok("sin(pi/2)", 1),
        ok("SIN((0))", 0),
        ok("MAX(1,2)", 2),
        ok("MAX(MIN(1,2),3)", 3),
        ok("max((1),(2+3))", 5),
        ok("LOGN(2,8)", 3),
        ok("E", 0), // the variable, not Euler's number
        ok("1E3", 1000),
        ok("1e-2", 0.01),
        ok("PI", kPi),
        ok("-PI", -kPi),
        ok("", 0),
        ok("   ", 0),
        ok("  1+2  ", 3),
        fails("1 + 2", "EExpressionHasBlanks", "Expression has blanks"),
        fails("(1+2", "EMissMatchingBracket", "Missing brackets in expression"),
        fails(")1+2(", kSyntax, "Error parsing expression:\r)1\r2("),
        fails("FOO(1)", kSyntax, "Error parsing expression:\rFOO(1)"),
        fails("1+", kSyntax, "Error parsing expression:\r1+"),
        fails("#+1", kSyntax, "Error parsing expression:\r#\r1"),
        fails("2E", kSyntax, "Error parsing expression:\r2E"),
        fails("MAX(1)", kSyntax, "Error parsing expression:\rMAX(1)"),
    });
}

TEST(TParser, Functions) {
    runCases({
        ok("CEIL(-1.5)", -1),
        ok("FLOOR(-1.5)", -2),
        ok("TRUNC(-1.5)", -1),
        ok("INT(1.5)", 1),
        ok("CEIL(1.2)", 2),
        ok("FLOOR(1.8)", 1),
        ok("HEAV(0)", 1),
        ok("HEAV(-1)", 0),
        ok("SIGN(0)", 0),
        ok("SIGN(-3)", -1),
        ok("ZERO(0)", 0),
        ok("ZERO(5)", 1),
        ok("ABS(-2)", 2),
        ok("SQR(3)", 9),
        ok("SQRT(16)", 4),
        ok("EXP(0)", 1),
        ok("LN(EXP(2))", 2),
        ok("LOG10(1000)", 3),
        ok("LOG2(8)", 3),
        ok("COS(0)", 1),
        ok("TAN(0)", 0),
        ok("COTAN(PI/4)", 1),
        ok("ARCTAN(1)", kPi / 4),
        ok("SINH(0)", 0),
        ok("COSH(0)", 1),
        ok("POWER(2,0.5)", std::sqrt(2.0)),
        ok("INTPOWER(2,-3)", 0.125),
        ok("INTPOWER(3,2.9)", 9),
        ok("ARG(1,1)", kPi / 4),
        ok("ARG(-1,0)", kPi),
        ok("ARG(0,2)", kPi / 2),
        ok("ARG(0,0)", -kPi / 2),
        ok("MIN(-1,-2)", -2),
        ok("PH(0.6366197723675813431/4)", kPi / 2),
        ok("PH(0)", 0),
    });
    TParser p;
    p.seedRandom(7);
    for (int i = 0; i < 50; ++i) {
        p.setExpression("RANDOM(9)");
        const double r = p.Value();
        EXPECT_TRUE(r >= 0 && r < 1) << r;
        p.setExpression("RND(10)");
        const double n = p.Value();
        EXPECT_TRUE(n >= 0 && n < 10 && n == std::trunc(n)) << n;
    }
}

TEST(TParser, ArithmeticFaultsRaiseWhenTheValueIsRead) {
    const char* const zero = "EZeroDivide";
    const char* const invalid = "EInvalidOp";
    const char* const overflow = "EOverflow";
    const char* const intZero = "EDivByZero";
    const std::string zeroMsg = "Floating point division by zero";
    const std::string invalidMsg = "Invalid floating point operation";
    const std::string overflowMsg = "Floating point overflow";
    runCases({
        fails("1/0", zero, zeroMsg),
        fails("0/0", invalid, invalidMsg),
        fails("LN(0)", zero, zeroMsg),
        fails("LOG10(0)", zero, zeroMsg),
        fails("COTAN(0)", zero, zeroMsg),
        fails("LOGN(1,5)", zero, zeroMsg),
        fails("LOGN(1,1)", invalid, invalidMsg),
        fails("0^-1", zero, zeroMsg),
        fails("0^-0.5", zero, zeroMsg),
        fails("LN(-1)", invalid, invalidMsg),
        fails("SQRT(-1)", invalid, invalidMsg),
        fails("(-8)^(1/3)", invalid, invalidMsg),
        fails("EXP(1000)", overflow, overflowMsg),
        fails("1E308*10", overflow, overflowMsg),
        fails("10^400", overflow, overflowMsg),
        fails("SINH(1000)", overflow, overflowMsg),
        fails("1E300/1E-300", overflow, overflowMsg),
        fails("5DIV0", intZero, "Division by zero"),
        fails("5MOD0.5", intZero, "Division by zero"),
        // casts are range-checked: int64 for DIV and MOD, int32 for whole powers
        fails("-9223372036854775808DIV-1", overflow, overflowMsg),
        ok("-9223372036854775808MOD-1", 0),
        fails("1E19DIV1", invalid, invalidMsg),
        fails("2^3000000000", invalid, invalidMsg),
        fails("INTPOWER(2,1E10)", invalid, invalidMsg),
        // NaN operands pass quietly; a literal too large to read is NaN
        ok("X+1", kNaN, kNaN),
        ok("LN(X)*2", kNaN, kNaN),
        ok("1E400-1", kNaN),
        // deeper levels run first: the division at level 2 fails before LN at level 1
        fails("LN(-1)+(1/0)*2", zero, zeroMsg),
        fails("1/0+LN(-1)", zero, zeroMsg),
    });
}

TEST(TParser, NestingAndComplexityLimits) {
    runCases({
        ok(repeat("1", 21, "+"), 21),
        fails(repeat("1", 22, "+"), "ETooManyNestings", "Expression contains too many nestings"),
        ok(repeat("1", 21, "-"), -19),
        fails(repeat("1", 22, "-"), "ETooManyNestings", "Expression contains too many nestings"),
        ok(repeat("SIN(", 20, "") + "0" + std::string(20, ')'), 0),
        fails(repeat("SIN(", 21, "") + "0" + std::string(21, ')'), "ETooManyNestings",
              "Expression contains too many nestings"),
        ok(std::string(200, '(') + "X" + std::string(200, ')'), 2), // brackets add no level
        ok(productTree(6), 1), // 32 products on its deepest operator level
        fails(productTree(7), "EExpressionTooComplex", "Expression is too complex"),
    });
}

TEST(TParser, ParserErrorAndTheHandler) {
    TParser p;
    p.setExpression("1+2");
    EXPECT_FALSE(p.ParserError());
    EXPECT_THROW(p.setExpression("1+"), ESyntaxError);
    EXPECT_TRUE(p.ParserError());
    EXPECT_EQ(p.Value(), 0); // a failed compilation leaves nothing
    EXPECT_EQ(p.Expression(), "1+");

    std::string seen;
    p.setOnParserError([&](TCustomParser& sender, const EMathParserError& e) {
        EXPECT_EQ(&sender, &p);
        seen = e.what();
    });
    EXPECT_FALSE(p.ParseExpression("(1"));
    EXPECT_EQ(seen, "Missing brackets in expression");
    EXPECT_TRUE(p.ParserError());
    EXPECT_TRUE(p.ParseExpression("2*3"));
    EXPECT_FALSE(p.ParserError());
    EXPECT_EQ(p.Value(), 6);
}

TEST(TParser, VariablesAndFunctions) {
    TParser p;
    for (const char* name : {"A", "B", "C", "D", "E", "X", "Y", "T"}) {
        EXPECT_TRUE(p.VariableExists(name)) << name;
        EXPECT_EQ(p.GetVariable(name), 0);
    }
    EXPECT_EQ(p.GetVariable("nothing"), 0);

    p.setExpression("a*x+b");
    p.SetVariable("A", 3);
    p.SetVar("x", 4);
    p.SetVariable("b", 1);
    EXPECT_EQ(p.Value(), 13); // cells are read when the value is, not when compiling

    p.SetVariable("Rate_2", 0.5); // new names are upper-cased
    EXPECT_TRUE(p.VariableExists("RATE_2"));
    p.setExpression("rate_2*4");
    EXPECT_EQ(p.Value(), 2);
    p.SetVariable("PI", 3); // a variable comes before the number rule
    p.setExpression("PI");
    EXPECT_EQ(p.Value(), 3);

    for (const char* bad : {"1X", "A+B", "MODE", "XDIV", "", "A B", "Ä"}) {
        SCOPED_TRACE(bad);
        try {
            p.SetVariable(bad, 1);
            ADD_FAILURE() << "accepted";
        } catch (const EBadName& e) {
            EXPECT_EQ(std::string(e.what()), bad);
        }
    }

    p.setExpression("X+1");
    p.ClearVariable("x");
    EXPECT_FALSE(p.VariableExists("X"));
    EXPECT_EQ(p.Value(), 0); // dropped with the variable
    EXPECT_THROW(p.setExpression("X+1"), ESyntaxError);
    p.ClearVariables();
    EXPECT_FALSE(p.VariableExists("A"));

    p.AddFunctionOneParam("twice", [](double v) { return 2 * v; });
    p.AddFunctionTwoParam("Hyp", [](double a, double b) { return std::hypot(a, b); });
    p.setExpression("TWICE(3)+hyp(3,4)");
    EXPECT_EQ(p.Value(), 11);
    EXPECT_THROW(p.AddFunctionOneParam("TWICE", [](double v) { return v; }), EBadName);
    EXPECT_THROW(p.AddFunctionOneParam("2X", [](double v) { return v; }), EBadName);
    p.AddFunctionOneParam("HUGE", [](double) { return std::numeric_limits<double>::infinity(); });
    p.setExpression("HUGE(1)");
    EXPECT_THROW(p.Value(), EOverflow);
    p.ClearFunction("twice");
    EXPECT_THROW(p.setExpression("TWICE(3)"), ESyntaxError);
    p.ClearFunctions();
    EXPECT_THROW(p.setExpression("SIN(0)"), ESyntaxError);
}

TEST(TParser, OperationsRunDeepestLevelFirst) {
    TParser p;
    p.setExpression("1+2*3-4");
    std::vector<TOpToken> tokens;
    for (const TOperation& op : p.operations())
        tokens.push_back(op.Token);
    // "+" is split first: 1+((2*3)-4)
    EXPECT_EQ(tokens, (std::vector<TOpToken>{TOpToken::prod, TOpToken::diff, TOpToken::sum}));
    p.setExpression("X");
    EXPECT_TRUE(p.operations().empty());
    p.SetVariable("X", 5);
    EXPECT_EQ(p.Value(), 5);
}
