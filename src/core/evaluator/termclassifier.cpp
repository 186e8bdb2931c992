#include "core/evaluator/termclassifier.h"

#include "core/text/strutil.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr uint32_t bit(TermKind k) {
    return 1u << static_cast<unsigned>(k);
}

constexpr uint32_t kAtom = bit(TermKind::Variable) | bit(TermKind::Number) | bit(TermKind::Slot);
constexpr uint32_t kFunc = bit(TermKind::FuncOne) | bit(TermKind::FuncTwo);
constexpr uint32_t kMulLike = bit(TermKind::IntDiv) | bit(TermKind::Modulo) | bit(TermKind::Divis);
constexpr uint32_t kBase = kAtom | bit(TermKind::Bracket) | kFunc;

// Operand sets of each operator and side.
constexpr uint32_t kLeftAdd = kBase | bit(TermKind::Minus) | bit(TermKind::Diff) |
                              bit(TermKind::Prod) | kMulLike | bit(TermKind::Power);
constexpr uint32_t kRightPlus = kBase | bit(TermKind::Sum) | bit(TermKind::Diff) |
                                bit(TermKind::Prod) | kMulLike | bit(TermKind::Power);
constexpr uint32_t kRightMinus = kBase | bit(TermKind::Prod) | kMulLike | bit(TermKind::Power);
constexpr uint32_t kLeftMul = kBase | bit(TermKind::Minus) | kMulLike | bit(TermKind::Power);
constexpr uint32_t kRightMul = kRightMinus;
constexpr uint32_t kRightDiv = kBase | bit(TermKind::Power);
constexpr uint32_t kPowSide = kBase;
constexpr uint32_t kUnary =
    bit(TermKind::Variable) | bit(TermKind::Bracket) | bit(TermKind::Power) | kFunc;

// Prunes, each a necessary condition of the sets it is used with (see the constructor).
constexpr unsigned kNoBadSign = 1, kNoMulMark = 2, kNoCaret = 4;

struct OpDef {
    std::string_view text;
    TermKind kind;
    uint32_t left, right;
    unsigned pruneLeft, pruneRight;
};

// In the order the rules try them.
constexpr OpDef kOps[7] = {
    {"+", TermKind::Sum, kLeftAdd, kRightPlus, 0, 0},
    {"-", TermKind::Diff, kLeftAdd, kRightMinus, 0, kNoBadSign},
    {"*", TermKind::Prod, kLeftMul, kRightMul, kNoBadSign, kNoBadSign},
    {"DIV", TermKind::IntDiv, kLeftMul, kRightDiv, kNoBadSign, kNoBadSign | kNoMulMark},
    {"MOD", TermKind::Modulo, kLeftMul, kRightDiv, kNoBadSign, kNoBadSign | kNoMulMark},
    {"/", TermKind::Divis, kLeftMul, kRightDiv, kNoBadSign, kNoBadSign | kNoMulMark},
    {"^", TermKind::Power, kPowSide, kPowSide, kNoBadSign | kNoMulMark | kNoCaret,
     kNoBadSign | kNoMulMark | kNoCaret},
};

bool isIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isIdentChar(char c) {
    return isIdentStart(c) || (c >= '0' && c <= '9');
}

bool isMantissa(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

bool startsNumber(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
}

} // namespace

TTermClassifier::TTermClassifier(std::string_view text, const TNameLookup& names, bool slotMode)
    : fText(text), fNames(names), fSlotMode(slotMode), fN(static_cast<int>(text.size())) {
    fDepth.resize(fN + 1);
    int d = 0;
    for (int i = 0; i < fN; ++i) {
        fDepth[i] = d;
        if (text[i] == '(') ++d;
        if (text[i] == ')') --d;
    }
    fDepth[fN] = d;
    fMinDepth = *std::min_element(fDepth.begin(), fDepth.end());
    const int maxDepth = *std::max_element(fDepth.begin(), fDepth.end());
    const size_t levels = static_cast<size_t>(maxDepth - fMinDepth + 1);

    fSparse.push_back(fDepth);
    for (int w = 1; 2 * w <= fN + 1; w *= 2) {
        const auto& prev = fSparse.back();
        std::vector<int> next(prev.size() - w);
        for (size_t i = 0; i < next.size(); ++i)
            next[i] = std::min(prev[i], prev[i + w]);
        fSparse.push_back(std::move(next));
    }

    fNextOpen.assign(fN + 1, fN);
    for (int i = fN - 1; i >= 0; --i)
        fNextOpen[i] = text[i] == '(' ? i : fNextOpen[i + 1];

    for (auto& list : fOps)
        list.resize(levels);
    fCommas.resize(levels);
    fBadSign.resize(levels);
    fMulMarks.resize(levels);
    fCaret.resize(levels);
    for (int i = 0; i < fN; ++i) {
        const auto level = static_cast<size_t>(fDepth[i] - fMinDepth);
        for (int k = 0; k < 7; ++k)
            if (text.compare(i, kOps[k].text.size(), kOps[k].text) == 0)
                fOps[k][level].push_back(i);
        const char c = text[i];
        if (c == ',') fCommas[level].push_back(i);
        // Outside sums and differences a top-level sign only follows an operator that
        // starts an operand ("*", "/", "^", DIV, MOD, unary "-") or an exponent's "E".
        if ((c == '+' || c == '-') && i > 0 &&
            std::string_view("*/^VDE+-").find(text[i - 1]) == std::string_view::npos)
            fBadSign[level].push_back(i);
        // Atoms, bracketed terms, calls and powers hold no top-level "*", "/", "DIV" or
        // "MOD", except inside a function's name (variable names cannot hold them).
        if (c == '*' || c == '/') fMulMarks[level].push_back(i);
        if (text.compare(i, 3, "DIV") == 0 || text.compare(i, 3, "MOD") == 0) {
            size_t j = static_cast<size_t>(i) + 3;
            while (j < text.size() && isIdentChar(text[j]))
                ++j;
            if (j == text.size() || text[j] != '(') fMulMarks[level].push_back(i);
        }
        if (c == '^') fCaret[level].push_back(i);
    }

    fRunStart.assign(fN + 1, 0);
    fRunEnd.assign(fN + 1, fN);
    for (int i = 0; i < fN; ++i)
        fRunStart[i] = i > 0 && isMantissa(text[i - 1]) ? fRunStart[i - 1] : i;
    for (int i = fN - 1; i >= 0; --i)
        fRunEnd[i] = isMantissa(text[i]) ? fRunEnd[i + 1] : i;
    fBinary.resize(2 * levels);
    fHard.resize(levels);
    for (int i = 0; i < fN; ++i) {
        const auto level = static_cast<size_t>(fDepth[i] - fMinDepth);
        const char c = text[i];
        const bool binary = (c == '+' || c == '-') && i > 0 && !isSign(i, 0);
        if (binary) fBinary[2 * level + (c == '-')].push_back(i);
        if (binary || c == '*' || c == '/' || isMark(i)) fHard[level].push_back(i);
    }
    fCallName.assign(fN + 1, -1);
}

bool TTermClassifier::divModAt(int i) const {
    return i >= 0 && (fText.compare(i, 3, "DIV") == 0 || fText.compare(i, 3, "MOD") == 0);
}

// Whether the "+" or "-" at q, in a term starting at a, is a sign: the term's first
// character, after an operator, or an exponent's sign. No side ending just before a sign
// is valid (it would end in an operator or in "1E"), and operands without sums and
// differences hold no other "+" or "-" at their own level.
bool TTermClassifier::isSign(int q, int a) const {
    const char c = fText[q - 1];
    if (q == a || std::string_view("+-*/^(,").find(c) != std::string_view::npos) return true;
    if (afterDivMod(q - 3, q, a)) return true;
    if (c != 'E' || q - 2 < a || !isMantissa(fText[q - 2])) return false;
    const int m = std::max(fRunStart[q - 2], a);
    return m == a || !isIdentChar(fText[m - 1]) || afterDivMod(m - 3, q, a);
}

// Whether the group at g (in the term from a) is a DIV or MOD that the text up to q
// continues as an operand. Only "MODIV" can end a valid side: MOD and a variable "IV...".
bool TTermClassifier::afterDivMod(int g, int q, int a) const {
    if (g < a || !divModAt(g)) return false;
    return g - 2 < a || fText.compare(g - 2, 5, "MODIV") != 0 ||
           !fNames.variableCell(text(g + 1, q));
}

// Whether isSign(q, a) may differ from isSign(q, 0): only near the term's start, where a
// DIV, MOD or number that begins before a is cut off.
bool TTermClassifier::nearStart(int q, int a) const {
    return q <= a + 5 ||
           (fText[q - 1] == 'E' && isMantissa(fText[q - 2]) && fRunStart[q - 2] <= a + 4);
}

// The "+" and "-" at the level of a in (a, b) that are near its start and no signs there.
int TTermClassifier::nearStartSigns(int a, int b, int* out) const {
    int n = 0;
    auto consider = [&](int q) {
        if (q > a && q < b && (fText[q] == '+' || fText[q] == '-') && fDepth[q] == fDepth[a] &&
            !isSign(q, a) && std::find(out, out + n, q) == out + n)
            out[n++] = q;
    };
    for (int k = 0; k < 5 && a + k < b; ++k) {
        consider(a + k + 1);
        if (isMantissa(fText[a + k]) && fRunEnd[a + k] < b && fText[fRunEnd[a + k]] == 'E')
            consider(fRunEnd[a + k] + 1);
    }
    return n;
}

// The first "+" (or "-") in (a, b) at the level of a that is no sign.
int TTermClassifier::firstBinary(char op, int a, int b) const {
    int best = b, near[10];
    const int n = nearStartSigns(a, b, near);
    for (int i = 0; i < n; ++i)
        if (fText[near[i]] == op) best = std::min(best, near[i]);
    const auto& list = fBinary[2 * static_cast<size_t>(fDepth[a] - fMinDepth) + (op == '-')];
    for (auto it = std::upper_bound(list.begin(), list.end(), a); it != list.end() && *it < best;
         ++it)
        if (!nearStart(*it, a)) return *it;
    return best;
}

// The last "+" or "-" in (a, b) at the level of a that is no sign; a when there is none.
int TTermClassifier::lastBinary(int a, int b) const {
    int best = a, near[10];
    const int n = nearStartSigns(a, b, near);
    for (int i = 0; i < n; ++i)
        best = std::max(best, near[i]);
    const size_t level = static_cast<size_t>(fDepth[a] - fMinDepth);
    for (int k = 0; k < 2; ++k) {
        const auto& list = fBinary[2 * level + k];
        for (auto it = std::lower_bound(list.begin(), list.end(), b);
             it != list.begin() && *(it - 1) > best;) {
            --it;
            if (!nearStart(*it, a)) {
                best = *it;
                break;
            }
        }
    }
    return best;
}

// The last position in (a, b) at the level of a that no operand of "/", DIV or MOD can
// hold: "*", "/", a DIV or MOD outside a function's name, a "+" or "-" that is no sign.
int TTermClassifier::lastHard(int a, int b) const {
    int best = a, near[10];
    const int n = nearStartSigns(a, b, near);
    for (int i = 0; i < n; ++i)
        best = std::max(best, near[i]);
    const auto& list = fHard[static_cast<size_t>(fDepth[a] - fMinDepth)];
    for (auto it = std::lower_bound(list.begin(), list.end(), b);
         it != list.begin() && *(it - 1) > best;) {
        const int q = *--it;
        const char c = fText[q];
        if ((c == '+' || c == '-') && nearStart(q, a)) continue;                 // decided above
        if (c != '+' && c != '-' && c != '*' && c != '/' && q + 3 > b) continue; // cut off
        best = q;
        break;
    }
    // A DIV or MOD inside a name counts too when its "(" lies outside the range.
    for (int k = 3; k < 5; ++k) {
        const auto& list = fOps[k][static_cast<size_t>(fDepth[a] - fMinDepth)];
        auto it = std::lower_bound(list.begin(), list.end(), b - 2);
        if (it != list.begin() && *(it - 1) > best && fNextOpen[*(it - 1) + 3] >= b)
            best = *(it - 1);
    }
    return best;
}

bool TTermClassifier::isMark(int p) const {
    const auto& marks = fMulMarks[static_cast<size_t>(fDepth[p] - fMinDepth)];
    return std::binary_search(marks.begin(), marks.end(), p);
}

// Whether a function's name starts at x and runs to the next "(".
bool TTermClassifier::callNameAt(int x) {
    if (fCallName[x] < 0) {
        const std::string_view name = text(x, fNextOpen[x]);
        fCallName[x] = !name.empty() && (fNames.functionOne(name) || fNames.functionTwo(name));
    }
    return fCallName[x] == 1;
}

int TTermClassifier::minDepth(int a, int b) const {
    // minimum of fDepth over [a, b], inclusive
    int len = b - a + 1, k = 0;
    while ((2 << k) <= len)
        ++k;
    return std::min(fSparse[k][a], fSparse[k][b - (1 << k) + 1]);
}

bool TTermClassifier::properlyNested(int a, int b) const {
    return fDepth[a] == fDepth[b] && minDepth(a, b) >= fDepth[a];
}

bool TTermClassifier::matches(int open, int close) const {
    // Both lie inside a properly nested range: the pair matches when the depth between
    // them never falls back to the level of the "(".
    return fText[open] == '(' && fText[close] == ')' && minDepth(open + 1, close) > fDepth[open];
}

bool TTermClassifier::hasTop(const std::vector<std::vector<int>>& byDepth, int x, int y) const {
    const auto& list = byDepth[static_cast<size_t>(fDepth[x] - fMinDepth)];
    auto it = std::upper_bound(list.begin(), list.end(), x);
    return it != list.end() && *it < y;
}

bool TTermClassifier::inSet(int x, int y, uint32_t mask, unsigned prune) {
    if (x >= y) return false;
    if ((prune & kNoBadSign) && hasTop(fBadSign, x, y)) return false;
    if ((prune & kNoMulMark) && hasTop(fMulMarks, x, y)) return false;
    if ((prune & kNoCaret) && hasTop(fCaret, x, y)) return false;
    return (mask & bit(classify(x, y).kind)) != 0;
}

TTermClassifier::Split TTermClassifier::classify(int a, int b) {
    if (a >= b) return {};
    const uint64_t key = (static_cast<uint64_t>(a) << 32) | static_cast<uint32_t>(b);
    auto it = fMemo.find(key);
    if (it != fMemo.end()) return it->second;
    const Split s = compute(a, b);
    fMemo.emplace(key, s);
    return s;
}

void TTermClassifier::stripBrackets(int& a, int& b) {
    while (b - a >= 2 && fText[a] == '(' && fText[b - 1] == ')' &&
           classify(a, b).kind == TermKind::Bracket)
        ++a, --b;
}

TTermClassifier::Split TTermClassifier::compute(int a, int b) {
    const std::string_view t = text(a, b);
    // No rule makes a term that starts or ends with an operator character.
    if (std::string_view(")*/^,").find(t.front()) != std::string_view::npos ||
        std::string_view("+-*/^(,").find(t.back()) != std::string_view::npos)
        return {};
    // 1: a variable
    if (isIdentStart(t[0]) && fNames.variableCell(t)) return {TermKind::Variable};
    // 2: a number
    if (startsNumber(t[0]) || t[0] == 'P') {
        if (t == "PI" || t == "-PI" || isDecimalLiteral(t)) return {TermKind::Number};
    }
    if (fSlotMode && (t == "#" || t == "-#" || t == "+#")) return {TermKind::Slot};
    // Every other rule needs valid operands, and valid terms are properly nested.
    if (!properlyNested(a, b)) return {};
    if (t[0] == '(' && matches(a, b - 1)) {
        // "(e)": no rule fits it (its operators are all inside); it counts as a valid
        // expression when the inside does, through any number of bracket pairs.
        int x = a + 1, y = b - 1;
        while (y - x >= 2 && fText[x] == '(' && matches(x, y - 1))
            ++x, --y;
        return {isValid(x, y) ? TermKind::Bracket : TermKind::Invalid};
    }
    // 3: unary minus
    if (t[0] == '-' && inSet(a + 1, b, kUnary, kNoBadSign | kNoMulMark))
        return {TermKind::Minus, a};
    // 4 to 10: splits at an operator. Only occurrences at the range's own depth can leave
    // balanced sides; a term starting with the operator is never split at it. Of the
    // occurrences only one can qualify for "+", "-", "*" and "^" (why: at each), and for
    // "/", DIV and MOD only those whose right side holds no mark of lastHard.
    const auto level = static_cast<size_t>(fDepth[a] - fMinDepth);
    auto qualifies = [&](const OpDef& op, int p, bool rightFirst) {
        const int len = static_cast<int>(op.text.size());
        if (p <= a || p + len >= b) return false;
        if (rightFirst)
            return inSet(p + len, b, op.right, op.pruneRight) && inSet(a, p, op.left, op.pruneLeft);
        return inSet(a, p, op.left, op.pruneLeft) && inSet(p + len, b, op.right, op.pruneRight);
    };
    auto firstAt = [&](int k) {
        const auto& list = fOps[k][level];
        auto it = std::upper_bound(list.begin(), list.end(), a);
        return it == list.end() ? b : *it;
    };
    // "+": its left side holds no "+" that is no sign, so only the first can qualify.
    if (t[0] != '+') {
        const int p = firstBinary('+', a, b);
        if (qualifies(kOps[0], p, false)) return {TermKind::Sum, p};
    }
    // "-": its right side holds no "+" or "-" that is no sign, so only the last can.
    if (t[0] != '-') {
        const int p = lastBinary(a, b);
        if (fText[p] == '-' && qualifies(kOps[1], p, true)) return {TermKind::Diff, p};
    }
    // "*": its left side holds no "*".
    if (const int p = firstAt(2); qualifies(kOps[2], p, false)) return {TermKind::Prod, p};
    const int hard = lastHard(a, b);
    for (int k = 3; k < 6; ++k) {
        const OpDef& op = kOps[k];
        const int len = static_cast<int>(op.text.size());
        if (t.compare(0, len, op.text) == 0) continue;
        const auto& list = fOps[k][level];
        for (auto p = std::upper_bound(list.begin(), list.end(), std::max(a, hard - len));
             p != list.end() && *p + len < b; ++p) {
            // A DIV or MOD followed by a name and its "(" (inside the range): the right
            // side must be that call or start with a bracket.
            const int at = *p + len;
            if (k != 5 && !isMark(*p) && fNextOpen[at] < b && fText[at] != '(' && !callNameAt(at))
                continue;
            if (qualifies(op, *p, true)) return {op.kind, *p};
        }
    }
    // "^": neither side holds a "^".
    if (const int p = firstAt(6); qualifies(kOps[6], p, false)) return {TermKind::Power, p};
    // 11, 12: NAME(argument) and NAME(argument,argument)
    const int q = fNextOpen[a];
    if (q > a && q < b && fText[b - 1] == ')' && matches(q, b - 1)) {
        const std::string_view name = text(a, q);
        if (fNames.functionOne(name) && isValid(q + 1, b - 1)) return {TermKind::FuncOne, q};
        if (fNames.functionTwo(name)) {
            const auto& commas = fCommas[static_cast<size_t>(fDepth[q] + 1 - fMinDepth)];
            // a valid argument holds no "," at its level: only the first can qualify
            const auto c = std::upper_bound(commas.begin(), commas.end(), q + 1);
            if (c != commas.end() && *c < b - 2 && isValid(q + 1, *c) && isValid(*c + 1, b - 1))
                return {TermKind::FuncTwo, *c};
        }
    }
    return {};
}

std::string TTermClassifier::syntaxErrorMessage(int a, int b) const {
    const std::string_view t = text(a, b);
    int at = -1, len = 0;
    for (const OpDef& op : kOps) {
        if (t.compare(0, op.text.size(), op.text) == 0) continue; // the scan gave up there
        for (size_t p = t.find(op.text, 1); p != std::string_view::npos; p = t.find(op.text, p + 1))
            if (p + op.text.size() < t.size()) at = static_cast<int>(p), len = int(op.text.size());
    }
    std::string msg = "Error parsing expression:\r";
    if (at < 0) return msg.append(t);
    return msg.append(t.substr(0, at)).append("\r").append(t.substr(at + len));
}

} // namespace tarnel
