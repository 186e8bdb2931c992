#include "core/evaluator/expressioncompiler.h"

#include "core/evaluator/mathparsererror.h"
#include "core/text/strutil.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tarnel {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Where an operand's value lives: a variable's own cell or a cell of the compiled block.
struct CellRef {
    double* variable = nullptr;
    int index = -1;
};

struct PendingOp {
    int level = 0;
    TOpToken token = TOpToken::constant;
    TOperationProc proc = nullptr; // set only for a power whose exponent is the slot
    CellRef arg1, arg2;
    int dest = 0;
    std::shared_ptr<const TOneParamProc> one;
    std::shared_ptr<const TTwoParamProc> two;
};

class Builder {
  public:
    Builder(TTermClassifier& cls, const TNameLookup& names) : fCls(cls), fNames(names) {}

    CellRef term(int a, int b, int level) {
        const TTermClassifier::Split s = fCls.classify(a, b);
        switch (s.kind) {
        case TermKind::Variable:
            return {fNames.variableCell(fCls.text(a, b)), -1};
        case TermKind::Number:
            return constant(numberValue(fCls.text(a, b)));
        case TermKind::Slot: {
            const char c = fCls.text(a, b)[0];
            return {nullptr, c == '-' ? 1 : c == '+' ? 2 : 0};
        }
        case TermKind::Invalid:
        case TermKind::Bracket:
            throw EParserInternalError();
        default:
            break;
        }
        // An operator term: enter it on its level, then build its operands one level down.
        if (++fPerLevel[level] > TExpressionCompiler::kMaxPerLevel) throw EExpressionTooComplex();
        if (level + 1 > TExpressionCompiler::kMaxLevel) throw ETooManyNestings();
        const size_t id = fOps.size();
        fOps.push_back(PendingOp{level, TOpToken::constant, nullptr, {}, {}, fCells++, {}, {}});
        PendingOp op;
        switch (s.kind) {
        case TermKind::Minus:
            op.token = TOpToken::minus;
            op.arg1 = operand(a + 1, b, level + 1);
            break;
        case TermKind::FuncOne: {
            op.token = TOpToken::FuncOneVar;
            op.one = fNames.functionOne(fCls.text(a, s.at));
            op.arg1 = operand(s.at + 1, b - 1, level + 1);
            break;
        }
        case TermKind::FuncTwo: {
            const int open = fCls.firstOpen(a);
            op.token = TOpToken::FuncTwoVar;
            op.two = fNames.functionTwo(fCls.text(a, open));
            op.arg1 = operand(open + 1, s.at, level + 1);
            op.arg2 = operand(s.at + 1, b - 1, level + 1);
            break;
        }
        default: {
            const int len = TTermClassifier::operatorLength(s.kind);
            op.token = binaryToken(s.kind);
            if (s.kind == TermKind::Power) {
                const TermKind right = fCls.classify(s.at + 1, b).kind;
                if (right == TermKind::Number)
                    op.token = powerKindFor(numberValue(fCls.text(s.at + 1, b)));
                else if (right == TermKind::Slot)
                    op.proc = slotPowerOperation(); // the kind follows each value
            }
            op.arg1 = operand(a, s.at, level + 1);
            op.arg2 = operand(s.at + len, b, level + 1);
            break;
        }
        }
        PendingOp& target = fOps[id];
        target.token = op.token;
        target.proc = op.proc ? op.proc : operationFor(op.token);
        target.arg1 = op.arg1;
        target.arg2 = op.arg2;
        target.one = std::move(op.one);
        target.two = std::move(op.two);
        if (!target.proc) throw EParserInternalError();
        return {nullptr, target.dest};
    }

  private:
    CellRef operand(int a, int b, int level) {
        fCls.stripBrackets(a, b);
        return term(a, b, level);
    }

    CellRef constant(double v) {
        fConstants.emplace_back(fCells, v);
        return {nullptr, fCells++};
    }

    static double numberValue(std::string_view t) {
        if (t == "PI") return kPi;
        if (t == "-PI") return -kPi;
        return parseReal(t).value_or(0.0);
    }

    static TOpToken binaryToken(TermKind k) {
        switch (k) {
        case TermKind::Sum:
            return TOpToken::sum;
        case TermKind::Diff:
            return TOpToken::diff;
        case TermKind::Prod:
            return TOpToken::prod;
        case TermKind::IntDiv:
            return TOpToken::IntDiv;
        case TermKind::Modulo:
            return TOpToken::modulo;
        case TermKind::Divis:
            return TOpToken::divis;
        case TermKind::Power:
            return TOpToken::realpower;
        default:
            throw EParserInternalError();
        }
    }

    TTermClassifier& fCls;
    const TNameLookup& fNames;
    int fPerLevel[TExpressionCompiler::kMaxLevel + 1] = {};

  public:
    int fCells = 3; // the value slot comes first
    std::vector<std::pair<int, double>> fConstants;
    std::vector<PendingOp> fOps;
};

} // namespace

TCompiledExpression TExpressionCompiler::compile(std::string_view text, const TNameLookup& names,
                                                 bool slotMode) {
    const std::string upper = upperAscii(text);
    const std::string_view t = trimView(upper);
    if (t.empty()) return {};
    if (t.find(' ') != std::string_view::npos) throw EExpressionHasBlanks();
    if (std::count(t.begin(), t.end(), '(') != std::count(t.begin(), t.end(), ')'))
        throw EMissMatchingBracket();
    if (t.size() > kMaxLength) throw EExpressionTooComplex();

    TTermClassifier cls(t, names, slotMode);
    int a = 0, b = static_cast<int>(t.size());
    cls.stripBrackets(a, b);
    if (!cls.isValid(a, b)) throw ESyntaxError(cls.syntaxErrorMessage(a, b));
    Builder builder(cls, names);
    const CellRef result = builder.term(a, b, 0);

    TCompiledExpression out;
    out.fCells.reset(new double[static_cast<size_t>(builder.fCells)]());
    double* cells = out.fCells.get();
    for (const auto& [index, value] : builder.fConstants)
        cells[index] = value;
    auto resolve = [cells](const CellRef& r) -> double* {
        return r.variable ? r.variable : r.index >= 0 ? cells + r.index : nullptr;
    };
    // Deepest level first; within a level, in the order the terms were met.
    auto& pending = builder.fOps;
    std::vector<size_t> order(pending.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t x, size_t y) { return pending[x].level > pending[y].level; });
    out.fOps.reserve(pending.size());
    for (size_t i : order) {
        PendingOp& p = pending[i];
        TOperation op;
        op.Arg1 = resolve(p.arg1);
        op.Arg2 = resolve(p.arg2);
        op.Dest = cells + p.dest;
        op.Operation = p.proc;
        op.Token = p.token;
        if (p.one) {
            op.FuncOne = p.one.get();
            out.fKeepOne.push_back(std::move(p.one));
        }
        if (p.two) {
            op.FuncTwo = p.two.get();
            out.fKeepTwo.push_back(std::move(p.two));
        }
        out.fOps.push_back(op);
    }
    out.fResult = resolve(result);
    return out;
}

} // namespace tarnel
