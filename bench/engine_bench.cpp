// Conversion costs: one keystroke's reconversion, a rule unit, and batch lines.
#include "core/engine/quantityconverter.h"
#include "core/evaluator/tparser.h"
#include "core/text/messages.h"

#include <benchmark/benchmark.h>

using namespace tarnel;

namespace {
struct Fixture {
    TParser parser;
    RecordingMessages messages;
    TConvert engine{parser, messages};
    QuantityConverter qc{engine};
    explicit Fixture(const char* file = TARNEL_DATA "/default.unt") {
        engine.LoadFromFile(file);
        engine.setPrec(10);
    }
};
} // namespace

static void BM_FieldConvert2DimField(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        f.engine.setField("3 [kg.m^2/s^3]");
        f.engine.Convert2Dim("g.cm^2/min^3", false);
        benchmark::DoNotOptimize(f.engine.Field());
    }
}
BENCHMARK(BM_FieldConvert2DimField);

static void BM_RuleUnit(benchmark::State& state) {
    Fixture f;
    double v = 20;
    for (auto _ : state) {
        f.engine.setField(FormatNum(v, 10) + " [°C]");
        f.engine.Convert2AnyUnit("°F");
        benchmark::DoNotOptimize(f.engine.Value());
        v += 0.25;
    }
}
BENCHMARK(BM_RuleUnit);

static void BM_Batch10000(benchmark::State& state) {
    Fixture f;
    const char* mix[][2] = {{"[km]", "mi"},        {"[kg.m^2/s^3]", "g.cm^2/ms^3"},
                            {"[m/s^2]", "ft/s^2"}, {"[°C]", "°F"},
                            {"[L]", "m^3"},        {"[acre]", "m^2"}};
    std::vector<std::string> lines;
    for (int i = 0; i < 10000; ++i)
        lines.push_back(std::to_string(i % 977 + 1) + "." + std::to_string(i % 7) + " " +
                        mix[i % 6][0] + "\t" + mix[i % 6][1]);
    for (auto _ : state) {
        size_t n = 0;
        for (const auto& l : lines)
            n += f.qc.batchLine(l).text.size();
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Batch10000)->Unit(benchmark::kMillisecond);

static void BM_LoadDefaultIntoTConvert(benchmark::State& state) {
    TParser parser;
    RecordingMessages messages;
    for (auto _ : state) {
        TConvert engine(parser, messages, TARNEL_DATA "/default.unt");
        benchmark::DoNotOptimize(engine.AllUnits.Count());
    }
}
BENCHMARK(BM_LoadDefaultIntoTConvert)->Unit(benchmark::kMillisecond);
