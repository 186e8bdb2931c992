// A keystroke in the From box while the Simple view shows a three-row source: the panel
// takes the new value, the view reconverts with its rows and the row widgets take the
// result (offscreen, painting excluded).

#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/views/tfmsimple.h"

#include <benchmark/benchmark.h>

using namespace tarnel;

namespace {
void BM_SimpleKeystroke(benchmark::State& state) {
    StderrMessages messages;
    ConverterSession session(messages, TARNEL_DATA "/default.unt");
    if (!session.load()) {
        state.SkipWithError("unit data did not load");
        return;
    }
    TfmIOModel io(session.abbreviations(), [&session] { return session.prec(); });
    io.Init();
    TfmSimple view(io, session.iConvert(), session.oConvert());
    view.setExpanded(true);
    view.resize(600, 300);
    io.setSource("3 [kg.m^2/s^3]");
    io.setTarget("");
    view.Execute();
    io.OnValueChange = [&view] { view.OnSourceChange(); };
    if (view.rowWidgets().size() != 3) {
        state.SkipWithError("expected three rows");
        return;
    }
    view.model().sOnes()[0]->chooseOut(1);
    view.model().sOnes()[2]->chooseOut(1);
    const std::string values[] = {"3.5", "35", "35.25"};
    size_t k = 0;
    for (auto _ : state) {
        io.userEdited(values[k++ % 3]);
        benchmark::DoNotOptimize(io.Target());
    }
}
BENCHMARK(BM_SimpleKeystroke)->Unit(benchmark::kMicrosecond);
} // namespace
