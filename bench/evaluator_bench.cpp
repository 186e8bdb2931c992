// Compile and evaluate times of the evaluator on the rule formulas of the shipped unit file.

#include "core/evaluator/tparser.h"

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

} // namespace
