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
    /// Longer texts are refused as too complex. Rule formulas are a few dozen characters.
    /// Any text up to the bound compiles or fails in about a millisecond; the bound also
    /// caps the classifier's recursion, which follows an operator chain one side at a time
    /// before the nesting limit can refuse it.
    static constexpr size_t kMaxLength = 1024;

    /// Compiles `text`; with `slotMode` every "#" stands for the value slot. Throws the
    /// EMathParserError family.
    static TCompiledExpression compile(std::string_view text, const TNameLookup& names,
                                       bool slotMode);
};

} // namespace tarnel
