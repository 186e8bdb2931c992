#pragma once
// The evaluator's core: it owns the variables (cells the compiled expression reads), the
// one- and two-argument function tables and at most one compiled expression. Compiling
// checks and classifies the text (TExpressionCompiler); Value runs the operation list.

#include "core/evaluator/mathparsererror.h"
#include "core/evaluator/operations.h"
#include "core/evaluator/termclassifier.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace tarnel {

class TCustomParser;
using TParserErrorEvent = std::function<void(TCustomParser& sender, const EMathParserError& e)>;

class TCustomParser : private TNameLookup {
  public:
    TCustomParser() = default;
    TCustomParser(const TCustomParser&) = delete;
    TCustomParser& operator=(const TCustomParser&) = delete;
    ~TCustomParser() override = default;

    /// The text last handed to ParseExpression.
    const std::string& Expression() const { return fExpression; }
    /// Compiles the text (ParseExpression).
    void setExpression(const std::string& text) { ParseExpression(text); }
    /// Frees the previous compilation, stores and compiles the text; true on success. On a
    /// failure ParserError is set and the exception goes to OnParserError when one is set
    /// (the answer is then false), otherwise to the caller.
    bool ParseExpression(const std::string& AnExpression);
    /// Runs the compiled expression; 0 when nothing is compiled. Arithmetic faults raise
    /// the EMathError family.
    double Value() const { return fCompiled.run(); }
    /// Drops the compiled expression.
    void FreeExpression() { fCompiled = TCompiledExpression(); }
    /// Whether the last compilation failed.
    bool ParserError() const { return fParserError; }

    /// Sets a variable, creating it when absent; a name that is not an identifier or
    /// holds an operator ("DIV" and "MOD" included) raises EBadName.
    void SetVariable(const std::string& VarName, double Value);
    void SetVar(const std::string& VarName, double Value) { SetVariable(VarName, Value); }
    /// 0 when the variable does not exist.
    double GetVariable(const std::string& VarName) const;
    bool VariableExists(const std::string& AVarName) const;
    /// Removing variables drops the compiled expression, which may point to them.
    void ClearVariables();
    void ClearVariable(const std::string& AVarName);

    /// Registers a function under the upper-cased name; a name that is not an identifier
    /// or is already registered in that table raises EBadName.
    void AddFunctionOneParam(const std::string& AFunctionName, TOneParamProc proc);
    void AddFunctionTwoParam(const std::string& AFunctionName, TTwoParamProc proc);
    void ClearFunctions();
    void ClearFunction(const std::string& AFunctionName);

    const TParserErrorEvent& OnParserError() const { return fOnParserError; }
    void setOnParserError(TParserErrorEvent handler) { fOnParserError = std::move(handler); }

    /// The operations of the compiled expression, in run order.
    const std::vector<TOperation>& operations() const { return fCompiled.operations(); }

  protected:
    /// Compiles without touching the stored expression; every "#" is the value slot when
    /// `slotMode` is set.
    TCompiledExpression compileText(std::string_view text, bool slotMode) const;
    /// Called whenever the set of variable or function names changes.
    virtual void namesChanged() {}

  private:
    double* variableCell(std::string_view name) const override;
    std::shared_ptr<const TOneParamProc> functionOne(std::string_view name) const override;
    std::shared_ptr<const TTwoParamProc> functionTwo(std::string_view name) const override;

    std::string fExpression;
    bool fParserError = false;
    // Map nodes never move, so compiled operations may point at the cells.
    mutable std::map<std::string, double, std::less<>> fVariables;
    TCompiledExpression fCompiled;
    TParserErrorEvent fOnParserError;
    std::map<std::string, std::shared_ptr<const TOneParamProc>, std::less<>> fFunctionOne;
    std::map<std::string, std::shared_ptr<const TTwoParamProc>, std::less<>> fFunctionTwo;
};

/// A name the evaluator accepts for a variable or function: a letter or "_", then letters,
/// digits or "_" (ASCII).
bool isValidIdent(std::string_view name);

} // namespace tarnel
