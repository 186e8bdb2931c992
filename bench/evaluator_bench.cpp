// Compile and evaluate times of the evaluator on the rule formulas of the shipped unit file,
// and compile times of the costliest shapes of text up to the length bound.

#include "core/evaluator/tparser.h"

#include "core/evaluator/expressioncompiler.h"
#include "core/evaluator/mathparsererror.h"

#include <benchmark/benchmark.h>

using tarnel::TParser;

namespace {

const char* const kFormulas[] = {"#+273.15", "(#-32)/1.8+273.15", "(#-273.15)*1.8+32"};
const char* const kValues[] = {"293.15", "-40", "0.00001234", "1.234568E08", "-1.5E-07", "0"};

void BM_CompileSubstituted(benchmark::State& state) {
    TParser p;
    const std::string text = TParser::substituteValue(kFormulas[state.range(0)], "293.15");
    for (auto _ : state)
        benchmark::DoNotOptimize(p.ParseExpression(text));
    state.SetLabel(text);
}
BENCHMARK(BM_CompileSubstituted)->DenseRange(0, 2);

void BM_ValueCompiled(benchmark::State& state) {
    TParser p;
    const std::string text = TParser::substituteValue(kFormulas[state.range(0)], "293.15");
    p.setExpression(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(p.Value());
    state.SetLabel(text);
}
BENCHMARK(BM_ValueCompiled)->DenseRange(0, 2);

// The engine's path: one cached slot program per formula, evaluated per value text.
void BM_EvalRuleCached(benchmark::State& state) {
    TParser p;
    const std::string formula = kFormulas[state.range(0)];
    std::vector<std::pair<std::string, double>> values;
    for (const char* v : kValues)
        values.emplace_back(v, std::stod(v));
    size_t i = 0;
    for (auto _ : state) {
        const auto& [text, value] = values[i++ % values.size()];
        benchmark::DoNotOptimize(p.evalRule(formula, value, text));
    }
    state.SetLabel(formula);
}
BENCHMARK(BM_EvalRuleCached)->DenseRange(0, 2);

// What each value would cost without the cache: substitute, compile, evaluate.
void BM_SubstituteAndCompile(benchmark::State& state) {
    TParser p;
    const std::string formula = kFormulas[state.range(0)];
    size_t i = 0;
    for (auto _ : state) {
        p.setExpression(TParser::substituteValue(formula, kValues[i++ % std::size(kValues)]));
        benchmark::DoNotOptimize(p.Value());
    }
    state.SetLabel(formula);
}
BENCHMARK(BM_SubstituteAndCompile)->DenseRange(0, 2);

// Texts up to the length bound: each must compile or fail in well under 10 ms.
std::string repeated(const std::string& atom, const std::string& op, size_t length) {
    std::string s = atom;
    while (s.size() + op.size() + atom.size() <= length)
        s += op + atom;
    return s;
}

std::string worstShape(int64_t which) {
    const size_t n = tarnel::TExpressionCompiler::kMaxLength;
    switch (which) {
    case 0: // signs after operators and in exponents
        return repeated("1E-1*1E-1*-X*1*+1", "*", 999);
    case 1:
        return repeated("1E-1*1E-1*-X*1*+1", "*", n);
    case 2: // the variable E before signs
        return repeated("E", "-E*E+E/", n);
    case 3:
        return repeated("1", "-", n);
    case 4: // a sum broken at its end
        return repeated("1", "+", n - 3) + "+X1";
    case 5: // a product broken in its middle
        return repeated("1", "*", n / 2) + "*X1*" + repeated("1", "*", n / 2 - 4);
    case 6:
        return std::string(n / 2 - 1, '(') + "1" + std::string(n / 2 - 1, ')');
    case 7:
        return repeated("(1+", "", n - n / 3) + "1" + std::string((n - n / 3) / 3, ')');
    default: // DIV inside names up to a call
        return repeated("X", "DIV", n - 9) + "DIVSIN(1)";
    }
}

void BM_CompileWorstShape(benchmark::State& state) {
    TParser p;
    const std::string text = worstShape(state.range(0));
    for (auto _ : state) {
        try {
            p.setExpression(text);
        } catch (const tarnel::EMathParserError&) {
        }
    }
    state.SetLabel(text.substr(0, 24) + "... (" + std::to_string(text.size()) + ")");
}
BENCHMARK(BM_CompileWorstShape)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

} // namespace
