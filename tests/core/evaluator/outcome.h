#pragma once
// What evaluating a formula gave: a value, or an exception's class and message. Lets the
// evaluator tests compare results and failures in one assertion.

#include "core/evaluator/matherror.h"
#include "core/evaluator/mathparsererror.h"

#include <cmath>
#include <cstring>
#include <ostream>
#include <string>

namespace tarnel::test {

struct Outcome {
    std::string error; // exception class, empty for a value
    std::string message;
    double value = 0;

    bool operator==(const Outcome& o) const {
        if (error != o.error || message != o.message) return false;
        if (!error.empty()) return true;
        return (std::isnan(value) && std::isnan(o.value)) ||
               std::memcmp(&value, &o.value, sizeof value) == 0;
    }
};

inline std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    if (o.error.empty()) return os << "value " << o.value;
    std::string msg = o.message;
    for (auto& c : msg)
        if (c == '\r') c = '|';
    return os << o.error << " \"" << msg << '"';
}

inline std::string errorClass(const std::exception& e) {
    if (dynamic_cast<const ESyntaxError*>(&e)) return "ESyntaxError";
    if (dynamic_cast<const EExpressionHasBlanks*>(&e)) return "EExpressionHasBlanks";
    if (dynamic_cast<const EExpressionTooComplex*>(&e)) return "EExpressionTooComplex";
    if (dynamic_cast<const ETooManyNestings*>(&e)) return "ETooManyNestings";
    if (dynamic_cast<const EMissMatchingBracket*>(&e)) return "EMissMatchingBracket";
    if (dynamic_cast<const EBadName*>(&e)) return "EBadName";
    if (dynamic_cast<const EParserInternalError*>(&e)) return "EParserInternalError";
    if (dynamic_cast<const EZeroDivide*>(&e)) return "EZeroDivide";
    if (dynamic_cast<const EInvalidOp*>(&e)) return "EInvalidOp";
    if (dynamic_cast<const EOverflow*>(&e)) return "EOverflow";
    if (dynamic_cast<const EDivByZero*>(&e)) return "EDivByZero";
    return "other";
}

template <class F> Outcome outcomeOf(F&& f) {
    try {
        return {"", "", f()};
    } catch (const std::exception& e) {
        return {errorClass(e), e.what(), 0};
    }
}

inline Outcome valueOutcome(double v) {
    return {"", "", v};
}

} // namespace tarnel::test
