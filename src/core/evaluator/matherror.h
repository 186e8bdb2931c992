#pragma once
// Arithmetic faults raised while a compiled expression runs. C++ traps none of them, so
// every operation checks its own result and raises the matching one.

#include <stdexcept>
#include <string>

namespace tarnel {

class EMathError : public std::runtime_error {
  public:
    explicit EMathError(const std::string& msg) : std::runtime_error(msg) {}
};

/// A finite float operand divided by zero, also a logarithm of 0 or 0 to a negative power.
class EZeroDivide : public EMathError {
  public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

/// A result that is not a number from operands that were, or an operand out of range.
class EInvalidOp : public EMathError {
  public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

/// Finite operands giving an infinite result.
class EOverflow : public EMathError {
  public:
    EOverflow() : EMathError("Floating point overflow") {}
};

/// Integer division ("DIV", "MOD") by zero.
class EDivByZero : public EMathError {
  public:
    EDivByZero() : EMathError("Division by zero") {}
};

} // namespace tarnel
