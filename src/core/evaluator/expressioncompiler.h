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
    /// Longer texts are refused as too complex; no text this long can compile within the
    /// limits above except through redundant brackets, and refusing it bounds the work.
    static constexpr size_t kMaxLength = 8192;

    /// Compiles `text`; with `slotMode` every "#" stands for the value slot. Throws the
    /// EMathParserError family.
    static TCompiledExpression compile(std::string_view text, const TNameLookup& names,
                                       bool slotMode);
};

} // namespace tarnel
