#pragma once
// A compiled expression: a flat list of operations over 64-bit float cells, in run order.
// Operands are read from variable cells, constant cells, slot cells or the result cells of
// earlier operations; each operation computes in long double and checks its result.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tarnel {

enum class TOpToken : uint8_t {
    variab,
    constant,
    minus,
    sum,
    diff,
    prod,
    divis,
    modulo,
    IntDiv,
    integerpower,
    realpower,
    square,
    third,
    fourth,
    FuncOneVar,
    FuncTwoVar
};

using TOneParamProc = std::function<double(double)>;
using TTwoParamProc = std::function<double(double, double)>;

struct TOperation;
using TOperationProc = void (*)(const TOperation&);

struct TOperation {
    const double* Arg1 = nullptr;
    const double* Arg2 = nullptr;
    double* Dest = nullptr;
    TOperationProc Operation = nullptr;
    TOpToken Token = TOpToken::constant;
    const TOneParamProc* FuncOne = nullptr;
    const TTwoParamProc* FuncTwo = nullptr;
};

/// The procedure for a token; `integerpower` etc. are decided at compile time.
TOperationProc operationFor(TOpToken token);
/// A power whose exponent is the value slot: the kind is chosen from the exponent when it
/// runs, exactly as the compiler chooses it for a number written in the text.
TOperationProc slotPowerOperation();
/// a raised to the whole power e by square-and-multiply, negative powers as the reciprocal.
long double wholePower(long double a, int32_t e);
/// The power kind for a number exponent c: fraction -> realpower, 2/3/4 -> square/third/
/// fourth, any other whole number -> integerpower.
TOpToken powerKindFor(double c);

/// Owns the cells and operations of one compiled expression.
class TCompiledExpression {
  public:
    /// Runs the operations and answers the result cell; 0 when nothing was compiled.
    double run() const {
        for (const TOperation& op : fOps)
            op.Operation(op);
        return fResult ? *fResult : 0.0;
    }
    bool empty() const { return fResult == nullptr; }
    /// Sets the value slot: the cells for "#", "-#" and "+#".
    void setSlot(double v) {
        fCells[0] = v;
        fCells[1] = -v;
        fCells[2] = v;
    }
    const std::vector<TOperation>& operations() const { return fOps; }

  private:
    friend class TExpressionCompiler;
    std::vector<TOperation> fOps;
    // The first three cells are the value slot (see setSlot); the rest hold constants and
    // results. Operations point into this block, so it never moves.
    std::unique_ptr<double[]> fCells{new double[3]{}};
    double* fResult = nullptr;
    std::vector<std::shared_ptr<const TOneParamProc>> fKeepOne;
    std::vector<std::shared_ptr<const TTwoParamProc>> fKeepTwo;
};

} // namespace tarnel
