#include "core/evaluator/operations.h"

#include "core/evaluator/matherror.h"

#include <cmath>
#include <cstdint>

namespace tarnel {

namespace {

using LD = long double;

// C++ raises nothing on float faults, so each result is checked: NaN from non-NaN
// operands is an invalid operation, infinity from finite ones a division by zero or an
// overflow. NaN operands pass through quietly.
inline double finish(LD r, double a, double b, bool zeroDivide) {
    const double d = static_cast<double>(r);
    if (std::isnan(d)) {
        if (!std::isnan(a) && !std::isnan(b)) throw EInvalidOp();
    } else if (std::isinf(d) && std::isfinite(a) && std::isfinite(b)) {
        if (zeroDivide) throw EZeroDivide();
        throw EOverflow();
    }
    return d;
}

// Truncates towards zero into int64; out of range or not finite cannot be cast.
inline int64_t toInt64(double x) {
    const LD t = std::trunc(static_cast<LD>(x));
    if (!(t >= -9223372036854775808.0L && t < 9223372036854775808.0L)) throw EInvalidOp();
    return static_cast<int64_t>(t);
}

inline int32_t toInt32(double x) {
    const double t = std::trunc(x);
    if (!(t >= -2147483648.0 && t <= 2147483647.0)) throw EInvalidOp();
    return static_cast<int32_t>(t);
}

void opSum(const TOperation& o) {
    *o.Dest = finish(LD(*o.Arg1) + LD(*o.Arg2), *o.Arg1, *o.Arg2, false);
}
void opDiff(const TOperation& o) {
    *o.Dest = finish(LD(*o.Arg1) - LD(*o.Arg2), *o.Arg1, *o.Arg2, false);
}
void opProd(const TOperation& o) {
    *o.Dest = finish(LD(*o.Arg1) * LD(*o.Arg2), *o.Arg1, *o.Arg2, false);
}
void opDivis(const TOperation& o) {
    const double a = *o.Arg1, b = *o.Arg2;
    *o.Dest = finish(LD(a) / LD(b), a, b, b == 0);
}
void opMinus(const TOperation& o) {
    *o.Dest = -*o.Arg1;
}

// The integer division is guarded before it reaches the processor, which would trap.
void opIntDiv(const TOperation& o) {
    const int64_t a = toInt64(*o.Arg1), b = toInt64(*o.Arg2);
    if (b == 0) throw EDivByZero();
    if (a == INT64_MIN && b == -1) throw EOverflow();
    *o.Dest = static_cast<double>(a / b);
}
void opModulo(const TOperation& o) {
    const int64_t a = toInt64(*o.Arg1), b = toInt64(*o.Arg2);
    if (b == 0) throw EDivByZero();
    *o.Dest = b == -1 ? 0.0 : static_cast<double>(a % b);
}

void opSquare(const TOperation& o) {
    const LD x = *o.Arg1;
    *o.Dest = finish(x * x, *o.Arg1, *o.Arg2, false);
}
void opThird(const TOperation& o) {
    const LD x = *o.Arg1;
    *o.Dest = finish(x * (x * x), *o.Arg1, *o.Arg2, false);
}
void opFourth(const TOperation& o) {
    const LD x = *o.Arg1;
    *o.Dest = finish((x * x) * (x * x), *o.Arg1, *o.Arg2, false);
}

void opIntegerPower(const TOperation& o) {
    const double a = *o.Arg1;
    const int32_t e = toInt32(*o.Arg2);
    *o.Dest = finish(wholePower(a, e), a, *o.Arg2, a == 0 && e < 0);
}
void opRealPower(const TOperation& o) {
    const double a = *o.Arg1, b = *o.Arg2;
    *o.Dest = finish(std::pow(LD(a), LD(b)), a, b, a == 0 && b < 0);
}

void opSlotPower(const TOperation& o) {
    switch (powerKindFor(*o.Arg2)) {
    case TOpToken::square:
        return opSquare(o);
    case TOpToken::third:
        return opThird(o);
    case TOpToken::fourth:
        return opFourth(o);
    case TOpToken::integerpower:
        return opIntegerPower(o);
    default:
        return opRealPower(o);
    }
}

void opFuncOne(const TOperation& o) {
    const double x = *o.Arg1;
    *o.Dest = finish((*o.FuncOne)(x), x, 0, false);
}
void opFuncTwo(const TOperation& o) {
    const double a = *o.Arg1, b = *o.Arg2;
    *o.Dest = finish((*o.FuncTwo)(a, b), a, b, false);
}

} // namespace

long double wholePower(long double a, int32_t e) {
    uint32_t n = e < 0 ? 0u - static_cast<uint32_t>(e) : static_cast<uint32_t>(e);
    long double base = a, r = 1;
    while (n) {
        if (n & 1u) r *= base;
        n >>= 1;
        if (n) base *= base;
    }
    return e < 0 ? 1 / r : r;
}

TOpToken powerKindFor(double c) {
    if (std::trunc(c) != c) return TOpToken::realpower; // NaN included
    if (c == 2) return TOpToken::square;
    if (c == 3) return TOpToken::third;
    if (c == 4) return TOpToken::fourth;
    return TOpToken::integerpower;
}

TOperationProc slotPowerOperation() {
    return opSlotPower;
}

TOperationProc operationFor(TOpToken token) {
    switch (token) {
    case TOpToken::minus:
        return opMinus;
    case TOpToken::sum:
        return opSum;
    case TOpToken::diff:
        return opDiff;
    case TOpToken::prod:
        return opProd;
    case TOpToken::divis:
        return opDivis;
    case TOpToken::modulo:
        return opModulo;
    case TOpToken::IntDiv:
        return opIntDiv;
    case TOpToken::integerpower:
        return opIntegerPower;
    case TOpToken::realpower:
        return opRealPower;
    case TOpToken::square:
        return opSquare;
    case TOpToken::third:
        return opThird;
    case TOpToken::fourth:
        return opFourth;
    case TOpToken::FuncOneVar:
        return opFuncOne;
    case TOpToken::FuncTwoVar:
        return opFuncTwo;
    default:
        return nullptr;
    }
}

} // namespace tarnel
