#include "core/text/searchfold.h"

#include "core/text/strutil.h"

namespace tarnel {

namespace {
// Base letters of U+00C0 .. U+00DE after upper-casing; "" for the multiplication sign.
// Æ, Ð, Ø, Þ and ß have no accent to take off: they spell as people type them.
const char* const kLatin1[] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH",
};

void appendFolded(std::string& out, char32_t c) {
    c = foldUpper(c);
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        out += kLatin1[c - 0xC0];
        return;
    }
    switch (c) {
    case 0xDF: // ß has no upper-case letter of its own in Windows-1252
        out += "SS";
        return;
    case 0x0160:
        out += 'S';
        return;
    case 0x017D:
        out += 'Z';
        return;
    case 0x0178:
        out += 'Y';
        return;
    case 0x0152:
        out += "OE";
        return;
    default:
        appendUtf8(out, c);
    }
}
} // namespace

std::string searchFold(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    bool ascii = true;
    for (char ch : s)
        if (static_cast<unsigned char>(ch) >= 0x80) ascii = false;
    if (ascii) return upperAscii(s);
    for (char32_t c : toU32(s))
        appendFolded(out, c);
    return out;
}

} // namespace tarnel
