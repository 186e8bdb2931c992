// Any text as batch input: every line gives a result or an error, never a crash.
#include "core/engine/quantityconverter.h"
#include "core/evaluator/tparser.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static RecordingMessages quiet;
    static ScopedMessages scope(quiet);
    static TParser parser;
    static TConvert engine(parser, TARNEL_DATA "/default.unt");
    static QuantityConverter qc(engine);
    const std::string in(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : splitLines(in)) {
        const ConvertResult r = qc.batchLine(line);
        if (r.ok == r.text.empty() && !r.ok) std::abort(); // a failure always says why
        if (!r.ok && r.error.empty()) std::abort();
    }
    return 0;
}
