#include "core/evaluator/tcustomparser.h"

#include "core/evaluator/expressioncompiler.h"
#include "core/text/strutil.h"

namespace tarnel {

bool isValidIdent(std::string_view name) {
    if (name.empty()) return false;
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (!letter(name[0])) return false;
    for (char c : name)
        if (!letter(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

bool TCustomParser::ParseExpression(const std::string& AnExpression) {
    FreeExpression();
    fExpression = AnExpression;
    try {
        fCompiled = compileText(AnExpression, false);
        fParserError = false;
        return true;
    } catch (const EMathParserError& e) {
        fParserError = true;
        if (!fOnParserError) throw;
        fOnParserError(*this, e);
        return false;
    }
}

TCompiledExpression TCustomParser::compileText(std::string_view text, bool slotMode) const {
    return TExpressionCompiler::compile(text, *this, slotMode);
}

void TCustomParser::SetVariable(const std::string& VarName, double Value) {
    const std::string name = upperAscii(VarName);
    auto it = fVariables.find(name);
    if (it != fVariables.end()) {
        it->second = Value;
        return;
    }
    if (!isValidIdent(name) || name.find("DIV") != std::string::npos ||
        name.find("MOD") != std::string::npos)
        throw EBadName(VarName);
    fVariables.emplace(name, Value);
    namesChanged();
}

double TCustomParser::GetVariable(const std::string& VarName) const {
    auto it = fVariables.find(upperAscii(VarName));
    return it == fVariables.end() ? 0.0 : it->second;
}

bool TCustomParser::VariableExists(const std::string& AVarName) const {
    return fVariables.count(upperAscii(AVarName)) != 0;
}

void TCustomParser::ClearVariables() {
    FreeExpression();
    fVariables.clear();
    namesChanged();
}

void TCustomParser::ClearVariable(const std::string& AVarName) {
    FreeExpression();
    fVariables.erase(upperAscii(AVarName));
    namesChanged();
}

void TCustomParser::AddFunctionOneParam(const std::string& AFunctionName, TOneParamProc proc) {
    const std::string name = upperAscii(AFunctionName);
    if (!isValidIdent(name) || fFunctionOne.count(name)) throw EBadName(AFunctionName);
    fFunctionOne.emplace(name, std::make_shared<const TOneParamProc>(std::move(proc)));
    namesChanged();
}

void TCustomParser::AddFunctionTwoParam(const std::string& AFunctionName, TTwoParamProc proc) {
    const std::string name = upperAscii(AFunctionName);
    if (!isValidIdent(name) || fFunctionTwo.count(name)) throw EBadName(AFunctionName);
    fFunctionTwo.emplace(name, std::make_shared<const TTwoParamProc>(std::move(proc)));
    namesChanged();
}

void TCustomParser::ClearFunctions() {
    fFunctionOne.clear();
    fFunctionTwo.clear();
    namesChanged();
}

void TCustomParser::ClearFunction(const std::string& AFunctionName) {
    const std::string name = upperAscii(AFunctionName);
    fFunctionOne.erase(name);
    fFunctionTwo.erase(name);
    namesChanged();
}

double* TCustomParser::variableCell(std::string_view name) const {
    auto it = fVariables.find(name);
    return it == fVariables.end() ? nullptr : &it->second;
}

std::shared_ptr<const TOneParamProc> TCustomParser::functionOne(std::string_view name) const {
    auto it = fFunctionOne.find(name);
    return it == fFunctionOne.end() ? nullptr : it->second;
}

std::shared_ptr<const TTwoParamProc> TCustomParser::functionTwo(std::string_view name) const {
    auto it = fFunctionTwo.find(name);
    return it == fFunctionTwo.end() ? nullptr : it->second;
}

} // namespace tarnel
