#pragma once
// Classifies the terms of an upper-cased expression by the split rules, memoised by range:
// every range is classified once, bracket balance is read from prefix depths in O(1), and
// each rule tests only the one occurrence of its operator that can qualify (see compute),
// so a term costs a few look-ups instead of a scan over all its operators.

#include "core/evaluator/operations.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnel {

/// What the names in a term stand for; answered by the parser owning them.
class TNameLookup {
  public:
    virtual ~TNameLookup() = default;
    virtual double* variableCell(std::string_view name) const = 0;
    virtual std::shared_ptr<const TOneParamProc> functionOne(std::string_view name) const = 0;
    virtual std::shared_ptr<const TTwoParamProc> functionTwo(std::string_view name) const = 0;
};

enum class TermKind : uint8_t {
    Invalid,
    Bracket, // "(e)": a bracketed valid expression
    Variable,
    Number,
    Slot, // "#", "-#" or "+#" when "#" stands for a value
    Minus,
    Sum,
    Diff,
    Prod,
    IntDiv,
    Modulo,
    Divis,
    Power,
    FuncOne,
    FuncTwo
};

class TTermClassifier {
  public:
    /// `at`: the operator's position for a split, the "(" for FuncOne, the "," for FuncTwo.
    struct Split {
        TermKind kind = TermKind::Invalid;
        int at = -1;
    };

    TTermClassifier(std::string_view text, const TNameLookup& names, bool slotMode);

    Split classify(int a, int b);
    bool isValid(int a, int b) { return classify(a, b).kind != TermKind::Invalid; }
    /// Drops bracket pairs around a valid expression.
    void stripBrackets(int& a, int& b);
    /// First "(" at or after a.
    int firstOpen(int a) const { return fNextOpen[a]; }
    std::string_view text(int a, int b) const { return fText.substr(a, b - a); }
    /// The syntax error for an invalid term: the last split tried, or the term itself.
    std::string syntaxErrorMessage(int a, int b) const;

    static int operatorLength(TermKind k) {
        return k == TermKind::IntDiv || k == TermKind::Modulo ? 3 : 1;
    }

  private:
    Split compute(int a, int b);
    bool inSet(int x, int y, uint32_t mask, unsigned prune);
    bool properlyNested(int a, int b) const;
    bool matches(int open, int close) const;
    int minDepth(int a, int b) const;
    bool hasTop(const std::vector<std::vector<int>>& byDepth, int x, int y) const;
    bool isSign(int q, int a) const;
    bool divModAt(int i) const;
    bool afterDivMod(int g, int q, int a) const;
    bool nearStart(int q, int a) const;
    int nearStartSigns(int a, int b, int* out) const;
    int firstBinary(char op, int a, int b) const;
    int lastBinary(int a, int b) const;
    int lastHard(int a, int b) const;
    bool callNameAt(int x);
    bool isMark(int p) const;

    std::string_view fText;
    const TNameLookup& fNames;
    bool fSlotMode;
    int fN;
    std::vector<int> fDepth; // "(" minus ")" before each position, n+1 entries
    int fMinDepth = 0;
    std::vector<std::vector<int>> fSparse; // range minimum of fDepth
    std::vector<int> fNextOpen;
    // Positions by depth (index: depth - fMinDepth) of each operator, of the commas, and
    // of the marks the prunes look for.
    std::vector<std::vector<int>> fOps[7];
    std::vector<std::vector<int>> fCommas;
    std::vector<std::vector<int>> fBadSign, fMulMarks, fCaret;
    // "+" and "-" that are operators when the term starts at 0 (see isSign), and the marks
    // no operand of "/", DIV and MOD can hold: "*", "/", such signs, and fMulMarks.
    std::vector<std::vector<int>> fBinary, fHard;
    std::vector<int> fRunStart, fRunEnd; // the run of digits and "." holding each position
    std::vector<int8_t> fCallName;       // memo of callNameAt: -1 unknown
    std::unordered_map<uint64_t, Split> fMemo;
};

} // namespace tarnel
