// Any text as a formula: compiled and evaluated with "#" standing for a few values, both
// through the compiled value slot and through text substitution; they must agree.
#include "core/evaluator/matherror.h"
#include "core/evaluator/mathparsererror.h"
#include "core/evaluator/tparser.h"
#include "core/notation/notation.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

using namespace tarnel;

namespace {
// The value, or the exception's kind and message.
std::string outcome(const std::function<double()>& f) {
    try {
        const double v = f();
        if (std::isnan(v)) return "nan";
        return std::to_string(v) + "/" + std::to_string(std::signbit(v));
    } catch (const EMathParserError& e) {
        return std::string("P:") + e.what();
    } catch (const EMathError& e) {
        return std::string("M:") + e.what();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TParser parser;
    static TParser reference;
    const std::string formula(reinterpret_cast<const char*>(data), size);
    for (double v : {20.0, -40.0, 1.5e-7, 123456789.0, 0.0}) {
        const std::string text = FormatNum(v, 7);
        const double slot = ValueOfField(text);
        parser.seedRandom(1); // RND and RANDOM draw the same numbers on both sides
        reference.seedRandom(1);
        const std::string a = outcome([&] { return parser.evalRule(formula, slot, text); });
        const std::string b = outcome([&] {
            reference.setExpression(TParser::substituteValue(formula, text));
            return reference.Value();
        });
        if (a != b) std::abort();
    }
    return 0;
}
