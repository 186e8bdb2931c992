#pragma once
// Turns expression text into a TCompiledExpression: the checks on the whole text, the term
// tree from the classifier's chosen splits (with the nesting and complexity limits), and
// the operation list, deepest level first.

#include "core/evaluator/operations.h"
#include "core/evaluator/termclassifier.h"

#include <string_view>

namespace tarnel {

class TExpressionCompiler {
  public:
    /// Operands lie at most this many levels below the whole expression.
    static constexpr int kMaxLevel = 20;
    /// Operator terms allowed on one level.
    static constexpr int kMaxPerLevel = 50;
    /// Longer texts are refused as too complex. Rule formulas are a few dozen characters;
    /// the bound keeps every text compiling or failing within milliseconds (classifying a
    /// long operator chain costs time quadratic in its length).
    static constexpr size_t kMaxLength = 1024;

    /// Compiles `text`; with `slotMode` every "#" stands for the value slot. Throws the
    /// EMathParserError family.
    static TCompiledExpression compile(std::string_view text, const TNameLookup& names,
                                       bool slotMode);
};

} // namespace tarnel
