#pragma once
// The program's evaluator: TCustomParser with the variables A B C D E X Y T and the
// function table, plus rule formulas ("#" standing for a value) compiled once per formula
// and evaluated per value.

#include "core/evaluator/tcustomparser.h"

#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>

namespace tarnel {

class TParser : public TCustomParser {
  public:
    /// Registers the eight variables (all 0) and the functions; seeds the random generator
    /// from the clock.
    TParser();

    /// Value of a rule formula with every "#" standing for the value. `valueText` is the
    /// value as the engine formats it (never NaN/INF: the engine skips the evaluator for
    /// those) and `value` the number that text denotes. A text starting with "-" is
    /// substituted in brackets. Compiles each distinct formula once (cache keyed by
    /// formula). Result and exceptions are those of compiling substituteValue(formula,
    /// valueText) and reading Value; the stored expression is left alone.
    double evalRule(const std::string& formula, double value, const std::string& valueText);
    /// The substituted formula text (negative texts in brackets): the reference semantics.
    static std::string substituteValue(const std::string& formula, const std::string& valueText);

    /// Restarts the random generator (RND, RANDOM) from a fixed seed.
    void seedRandom(uint64_t seed) { fRandom.seed(seed); }

  protected:
    void namesChanged() override { fRules.clear(); }

  private:
    // One slot program per shape of value text: plain ("293.15", "1.5E-07") and negative
    // ("-40", substituted as "(-40)"). A formula the slot program cannot compile, or whose
    // "#" would glue to its neighbours in the text, goes through the substituted text.
    struct SlotProgram {
        bool tried = false;
        bool failed = false;
        TCompiledExpression program;
    };
    struct RuleEntry {
        bool substituteOnly = false;
        size_t slotCount = 0; // number of "#"
        SlotProgram shapes[2];
    };

    double evalText(const std::string& text) const;
    double random01();
    void registerFunctions();

    std::mt19937_64 fRandom;
    std::unordered_map<std::string, RuleEntry> fRules;
};

} // namespace tarnel
