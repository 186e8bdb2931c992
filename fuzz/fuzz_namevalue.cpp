// Any bytes as a settings file, a window-size file and an abbreviation list.
#include "core/notation/abbreviations.h"
#include "core/settings/unitoptions.h"
#include "core/text/codec.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static RecordingMessages quiet;
    quiet.texts.clear();
    const std::string text = decodeText(std::string(reinterpret_cast<const char*>(data), size));
    TfmUnitOptions o("/nonexistent-tarnel-fuzz/", false, quiet);
    o.OptList.setText(text);
    TUOpts opts = o.Opts();
    // The unit file never escapes the unit-converter folder.
    if (opts.UnitFile.find("/nonexistent-tarnel-fuzz/") != 0) std::abort();
    if (opts.UnitFile.find("/..") != std::string::npos) std::abort();
    o.SetText(text);
    (void)parseIntOr(o.OptList.valueOr("Width"), 640);
    AbbrevList a = AbbrevList::fromLines(splitLines(text));
    (void)a.AbbrevOf("m");
    return 0;
}
