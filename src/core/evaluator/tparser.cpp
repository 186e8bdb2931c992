#include "core/evaluator/tparser.h"

#include "core/evaluator/expressioncompiler.h"
#include "core/evaluator/matherror.h"
#include "core/text/strutil.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace tarnel {

namespace {

using LD = long double;
constexpr LD kPi = 3.141592653589793238462643383279502884L;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Functions compute in long double; the operation rounds and checks the result. The ones
// that divide or take a logarithm raise the division by zero themselves, since an infinite
// result alone would read as an overflow.

double integerPower(double a, double b) {
    const double t = std::trunc(b);
    if (!(t >= -2147483648.0 && t <= 2147483647.0)) throw EInvalidOp();
    const auto e = static_cast<int32_t>(t);
    if (a == 0 && e < 0) throw EZeroDivide();
    return static_cast<double>(wholePower(a, e));
}

double logarithm(double x, LD (*f)(LD)) {
    if (x == 0) throw EZeroDivide();
    return static_cast<double>(f(x));
}

// Shape of a value text as the engine writes it: digits, an optional fraction, an optional
// exponent "E" with "-" only; 0 plain, 1 negative, 2 anything else.
int shapeOf(std::string_view t) {
    size_t i = 0, n = t.size();
    const bool negative = n > 0 && t[0] == '-';
    if (negative) ++i;
    auto digits = [&] {
        const size_t start = i;
        while (i < n && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i > start;
    };
    if (!digits()) return 2;
    if (i < n && t[i] == '.') {
        ++i;
        if (!digits()) return 2;
    }
    if (i < n && t[i] == 'E') {
        ++i;
        if (i < n && t[i] == '-') ++i;
        if (!digits()) return 2;
    }
    if (i != n) return 2;
    return negative ? 1 : 0;
}

bool gluing(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.' || c == '#';
}

// Where a "#" touches a name, a number or another "#", or follows an exponent's sign
// ("1E-#"), the substituted text would read the value as part of a longer token.
bool needsSubstitution(const std::string& upper) {
    for (size_t i = 0; i < upper.size(); ++i) {
        if (upper[i] != '#') continue;
        if (i > 0 && gluing(upper[i - 1])) return true;
        if (i + 1 < upper.size() && gluing(upper[i + 1])) return true;
        if (i >= 2 && (upper[i - 1] == '+' || upper[i - 1] == '-') && upper[i - 2] == 'E')
            return true;
    }
    return false;
}

} // namespace

TParser::TParser()
    : fRandom(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
    for (const char* name : {"A", "B", "C", "D", "E", "X", "Y", "T"})
        SetVariable(name, 0);
    registerFunctions();
}

double TParser::random01() {
    return static_cast<double>(fRandom() >> 11) * 0x1.0p-53;
}

void TParser::registerFunctions() {
    auto one = [this](const char* name, TOneParamProc f) { AddFunctionOneParam(name, f); };
    auto two = [this](const char* name, TTwoParamProc f) { AddFunctionTwoParam(name, f); };
    one("SIN", [](double x) { return double(std::sin(LD(x))); });
    one("COS", [](double x) { return double(std::cos(LD(x))); });
    one("TAN", [](double x) { return double(std::tan(LD(x))); });
    one("COTAN", [](double x) {
        const LD t = std::tan(LD(x));
        if (t == 0) throw EZeroDivide();
        return double(1 / t);
    });
    one("ARCTAN", [](double x) { return double(std::atan(LD(x))); });
    one("SINH", [](double x) { return double((std::exp(LD(x)) - std::exp(-LD(x))) / 2); });
    one("COSH", [](double x) { return double((std::exp(LD(x)) + std::exp(-LD(x))) / 2); });
    one("EXP", [](double x) { return double(std::exp(LD(x))); });
    one("LN", [](double x) { return logarithm(x, [](LD v) { return std::log(v); }); });
    one("LOG10", [](double x) { return logarithm(x, [](LD v) { return std::log10(v); }); });
    one("LOG2", [](double x) { return logarithm(x, [](LD v) { return std::log2(v); }); });
    one("SQR", [](double x) { return double(LD(x) * LD(x)); });
    one("SQRT", [](double x) { return double(std::sqrt(LD(x))); });
    one("ABS", [](double x) { return std::fabs(x); });
    one("TRUNC", [](double x) { return std::trunc(x); });
    one("INT", [](double x) { return std::trunc(x); });
    one("CEIL", [](double x) { return std::ceil(x); });
    one("FLOOR", [](double x) { return std::floor(x); });
    one("HEAV", [](double x) { return std::isnan(x) ? kNaN : x >= 0 ? 1.0 : 0.0; });
    one("SIGN", [](double x) { return std::isnan(x) ? kNaN : x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0; });
    one("ZERO", [](double x) { return std::isnan(x) ? kNaN : x == 0 ? 0.0 : 1.0; });
    // x / (2/pi), then the distance to the nearest whole number (halves to even) times 2 pi.
    one("PH", [](double x) {
        const LD a = LD(x) / 0.6366197723675813431L;
        return double(2 * kPi * (a - std::nearbyint(a)));
    });
    one("RND", [this](double x) { return std::trunc(double(LD(x) * random01())); });
    one("RANDOM", [this](double) { return random01(); });

    two("ARG", [](double a, double b) {
        if (std::isnan(a) || std::isnan(b)) return kNaN;
        if (a > 0) return double(std::atan(LD(b) / LD(a)));
        if (a < 0) return double(std::atan(LD(b) / LD(a)) + kPi);
        return double(b > 0 ? kPi / 2 : -kPi / 2);
    });
    two("MAX", [](double a, double b) {
        return std::isnan(a) || std::isnan(b) ? kNaN : a > b ? a : b;
    });
    two("MIN", [](double a, double b) {
        return std::isnan(a) || std::isnan(b) ? kNaN : a < b ? a : b;
    });
    two("POWER", [](double a, double b) {
        if (a == 0 && b < 0) throw EZeroDivide();
        return double(std::pow(LD(a), LD(b)));
    });
    two("INTPOWER", integerPower);
    two("LOGN", [](double a, double b) {
        if (std::isnan(a) || std::isnan(b)) return kNaN;
        if (a == 0 || b == 0) throw EZeroDivide(); // a logarithm of 0
        const LD la = std::log(LD(a)), lb = std::log(LD(b));
        if (la == 0) {
            if (lb == 0) throw EInvalidOp(); // 0 / 0
            throw EZeroDivide();
        }
        return double(lb / la);
    });
}

std::string TParser::substituteValue(const std::string& formula, const std::string& valueText) {
    const std::string value =
        !valueText.empty() && valueText[0] == '-' ? "(" + valueText + ")" : valueText;
    return replaceAll(formula, "#", value);
}

double TParser::evalText(const std::string& text) const {
    return compileText(text, false).run();
}

double TParser::evalRule(const std::string& formula, double value, const std::string& valueText) {
    // The slot is read from the text itself, so the result cannot drift from the text's
    // number even if `value` was rounded differently.
    (void)value;
    auto it = fRules.find(formula);
    if (it == fRules.end()) {
        if (fRules.size() >= 4096) fRules.clear(); // unit files hold a few dozen formulas
        RuleEntry entry;
        entry.substituteOnly = needsSubstitution(upperAscii(formula));
        entry.slotCount = static_cast<size_t>(std::count(formula.begin(), formula.end(), '#'));
        it = fRules.emplace(formula, std::move(entry)).first;
    }
    RuleEntry& entry = it->second;
    const int shape = shapeOf(valueText);
    // Near the length bound the substituted text may be refused where the slot text is not.
    const size_t substitutedLength =
        formula.size() + entry.slotCount * (valueText.size() - 1 + (shape == 1 ? 2 : 0));
    if (shape == 2 || entry.substituteOnly || substitutedLength > TExpressionCompiler::kMaxLength)
        return evalText(substituteValue(formula, valueText));
    SlotProgram& slot = entry.shapes[shape];
    if (!slot.tried) {
        slot.tried = true;
        try {
            slot.program =
                compileText(shape == 1 ? replaceAll(formula, "#", "(#)") : formula, true);
        } catch (const EMathParserError&) {
            slot.failed = true; // the substituted text gives the exact message
        }
    }
    if (slot.failed) return evalText(substituteValue(formula, valueText));
    slot.program.setSlot(parseReal(valueText).value_or(0.0));
    return slot.program.run();
}

} // namespace tarnel
