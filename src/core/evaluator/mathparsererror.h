#pragma once
// Compile-time faults of the evaluator: every one carries the text the user sees.

#include <stdexcept>
#include <string>

namespace tarnel {

class EMathParserError : public std::runtime_error {
  public:
    explicit EMathParserError(const std::string& msg) : std::runtime_error(msg) {}
};

class ESyntaxError : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

class EExpressionHasBlanks : public EMathParserError {
  public:
    EExpressionHasBlanks() : EMathParserError("Expression has blanks") {}
};

class EExpressionTooComplex : public EMathParserError {
  public:
    EExpressionTooComplex() : EMathParserError("Expression is too complex") {}
};

class ETooManyNestings : public EMathParserError {
  public:
    ETooManyNestings() : EMathParserError("Expression contains too many nestings") {}
};

class EMissMatchingBracket : public EMathParserError {
  public:
    EMissMatchingBracket() : EMathParserError("Missing brackets in expression") {}
};

/// Carries the rejected name as its message.
class EBadName : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

class EParserInternalError : public EMathParserError {
  public:
    EParserInternalError() : EMathParserError("TParser internal error") {}
};

} // namespace tarnel
