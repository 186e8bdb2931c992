// The validation of a large unit data document (all items), duplicates included.
#include "core/appinfo/buildinfo.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"
#include "core/unitdata/unitsreader.h"
#include "core/unitdata/validation.h"
#include "core/views/uniteditmodel.h"
#include "generatedunits.h"

#include <cstdio>
#include <unistd.h>

#include <benchmark/benchmark.h>

using namespace tarnel;
using namespace tarnel::bench;

namespace {

class SilentMessages : public IMessages {
  public:
    void info(const std::string&) override {}
    bool yesNo(const std::string&) override { return false; }
};

// Validates a document of all items, over and over.
void validateAll(benchmark::State& state, const std::string& text) {
    SilentMessages silent;
    XmlDocPtr doc = parseUnitsText(text).doc;
    if (!doc) {
        state.SkipWithError("the generated document does not parse");
        return;
    }
    std::vector<ValidationEntry> errors;
    for (auto _ : state) {
        ValidateUnitsData(unitsDataOf(doc), errors, false);
        benchmark::DoNotOptimize(errors.data());
    }
    state.counters["entries"] = static_cast<double>(errors.size());
}

void BM_Validate20000Units(benchmark::State& state) {
    validateAll(state, generatedDocument(20000));
}
BENCHMARK(BM_Validate20000Units)->Unit(benchmark::kMillisecond);

// A hostile file: 20,000 units of one name would make about 4e8 duplicate entries; past
// the cap they are only counted.
std::string oneNameDocument(int units) {
    std::string s = std::string("<UnitsData><description version=\"1.00\" copyright=\"") +
                    kCopyrightNotice +
                    "\"/>\n<domain name=\"D\" enabled=\"1\">\n<category name=\"C\" "
                    "type=\"root\" enabled=\"1\">\n";
    for (int n = 0; n < units; ++n)
        s += std::string("<unit name=\"same\" type=\"") + (n ? "factor" : "si-unit") +
             "\" enabled=\"1\" symbol=\"u" + letters(n) + "\" factor=\"2\"/>\n";
    return s + "</category>\n</domain>\n</UnitsData>\n";
}

void BM_Validate20000UnitsOfOneName(benchmark::State& state) {
    validateAll(state, oneNameDocument(20000));
}
BENCHMARK(BM_Validate20000UnitsOfOneName)->Unit(benchmark::kMillisecond);

// The unit file editor opening a file (read, parse, tree) and validating its enabled
// items, as Done does before it saves.
void editorOpenAndValidate(benchmark::State& state, const std::string& file) {
    SilentMessages silent;
    for (auto _ : state) {
        TfrmUnitEditModel m;
        if (m.Execute(file)) {
            state.SkipWithError("the file does not parse");
            return;
        }
        benchmark::DoNotOptimize(m.Validate(true));
        state.counters["entries"] = static_cast<double>(m.errors().size());
    }
}

void BM_EditorOpenValidateDefault(benchmark::State& state) {
    editorOpenAndValidate(state, TARNEL_DATA "/default.unt");
}
BENCHMARK(BM_EditorOpenValidateDefault)->Unit(benchmark::kMillisecond);

void BM_EditorOpenValidate20000Units(benchmark::State& state) {
    const std::string file = "/tmp/tarnel-editor-bench-" + std::to_string(::getpid()) + ".unt";
    writeFileAtomic(file, generatedDocument(20000));
    editorOpenAndValidate(state, file);
    std::remove(file.c_str());
}
BENCHMARK(BM_EditorOpenValidate20000Units)->Unit(benchmark::kMillisecond);

} // namespace
