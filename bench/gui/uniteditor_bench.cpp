// The unit file editor window on a large file: loading it (read, parse, the whole tree
// widget) and Validate from the tool bar, progress window and error list included.

#include "../generatedunits.h"
#include "core/text/textfile.h"
#include "gui/editor/tfrmunitedit.h"

#include <QAction>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tarnel;

namespace {
QString writeFile(QTemporaryDir& dir, const std::string& text) {
    const QString file = dir.filePath("units.unt");
    writeFileAtomic(file.toStdString(), text);
    return file;
}

void BM_EditorWindowLoad20000Units(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = writeFile(dir, bench::generatedDocument(20000));
    TfrmUnitEdit editor(dir.path() + "/");
    for (auto _ : state)
        if (!editor.load(file)) state.SkipWithError("the file does not load");
}
BENCHMARK(BM_EditorWindowLoad20000Units)->Unit(benchmark::kMillisecond);

void BM_EditorWindowValidate20000Units(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = writeFile(dir, bench::generatedDocument(20000));
    TfrmUnitEdit editor(dir.path() + "/");
    if (!editor.load(file)) state.SkipWithError("the file does not load");
    editor.show();
    QAction* validate = editor.findChild<QAction*>("tbValidation");
    for (auto _ : state)
        validate->trigger(); // the generated file has errors: no confirmation box
    state.counters["errors"] = static_cast<double>(editor.model().errors().size());
}
BENCHMARK(BM_EditorWindowValidate20000Units)->Unit(benchmark::kMillisecond);
} // namespace
