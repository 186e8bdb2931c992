// Any text as batch input: every line gives a result or an error, never a crash, and a
// result always names exactly the target's units with their degrees.
#include "core/engine/quantityconverter.h"
#include "core/evaluator/tparser.h"
#include "core/notation/typedtext.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static RecordingMessages quiet;
    static TParser parser;
    static TConvert engine(parser, quiet, TARNEL_DATA "/default.unt");
    static QuantityConverter qc(engine);
    static const TypedText typed([](const std::string& s) {
        int c, u;
        return engine.WhereIsUnit(s, c, u);
    });
    const std::string in(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : splitLines(in)) {
        const ConvertResult r = qc.batchLine(line);
        if (!r.ok) {
            if (r.error.empty()) std::abort(); // a failure always says why
            continue;
        }
        if (r.text.empty()) std::abort();
        const TypedReading t = typed.target(line.substr(line.find('\t') + 1));
        UnitEntries want;
        if (!t.ok || !ParseUnits(t.text, want)) std::abort();
        if (ParseField(r.text).units != want) std::abort();
    }
    return 0;
}
