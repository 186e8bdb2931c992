// Any text through the unit notation: parse, read a quantity, display and store it.
#include "core/notation/abbreviations.h"
#include "core/text/codec.h"
#include "core/text/messages.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static RecordingMessages quiet;
    static const AbbrevList abbr = AbbrevList::fromLines({"h=hr", "L=ltr", "m2=sqm"});
    quiet.texts.clear();
    // Texts reach the notation decoded, as UTF-8.
    const std::string text = decodeText(std::string(reinterpret_cast<const char*>(data), size));
    UnitEntries list;
    ParseUnits(text, list);
    // The shortcut for plain unit parts reads exactly what the full reading reads (a
    // leading "*" is a skipped "." that keeps the shortcut out).
    UnitEntries fast, full;
    if (ParseUnitsSimple(text, fast)) {
        quiet.texts.clear();
        if (!ParseUnits("*" + text, full) || !quiet.texts.empty() || !(fast == full)) std::abort();
    }
    TDimRec r = ParseField(text);
    const std::string shown = DisplayField(text, abbr, 7);
    const std::string stored = StoreField(shown, abbr, 7);
    // Storing what was shown gives the normalised text back, except after a degree
    // followed by a symbol like "e1", which the number scanner reads as an exponent.
    bool exponentLike = false;
    for (const auto& u : r.units)
        if (u.UnitStr.size() > 1 && (u.UnitStr[0] == 'e' || u.UnitStr[0] == 'E') &&
            ((u.UnitStr[1] >= '0' && u.UnitStr[1] <= '9') || u.UnitStr[1] == '+' ||
             u.UnitStr[1] == '-'))
            exponentLike = true;
    if (!exponentLike && StoreField(DisplayField(stored, abbr, 7), abbr, 7) != stored) std::abort();
    (void)DimRecText(r, 10);
    return 0;
}
