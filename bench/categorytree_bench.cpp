// The tree search on the shipped unit data: one keystroke's filtering, as the user types
// a unit name letter by letter (the widget's work on the result is not counted).
#include "core/engine/tconvert.h"
#include "core/evaluator/tparser.h"
#include "core/text/messages.h"
#include "core/views/categorytreemodel.h"

#include <benchmark/benchmark.h>

using namespace tarnel;

static void BM_TreeSearchPerKeystroke(benchmark::State& state) {
    TParser parser;
    RecordingMessages messages;
    TConvert engine{parser, messages};
    engine.LoadFromFile(TARNEL_DATA "/default.unt");
    CategoryTreeModel tree;
    tree.build(engine);
    // Each prefix of a few names as typed; a miss costs the most (every unit is read).
    const char* const typed[] = {"p", "ps", "psi", "f", "fu", "fur", "Mètre", "zzz"};
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tree.search(typed[k]));
        k = (k + 1) % std::size(typed);
    }
}
BENCHMARK(BM_TreeSearchPerKeystroke)->Unit(benchmark::kMicrosecond);

static void BM_TreeBuild(benchmark::State& state) {
    TParser parser;
    RecordingMessages messages;
    TConvert engine{parser, messages};
    engine.LoadFromFile(TARNEL_DATA "/default.unt");
    for (auto _ : state) {
        CategoryTreeModel tree;
        tree.build(engine);
        benchmark::DoNotOptimize(tree.domains().size());
    }
}
BENCHMARK(BM_TreeBuild)->Unit(benchmark::kMicrosecond);
