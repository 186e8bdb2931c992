#include "core/unitdata/unitsreader.h"

#include "core/text/codec.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"

namespace tarnel {

namespace {
constexpr unsigned kParseOptions = pugi::parse_default;

std::string describe(const pugi::xml_parse_result& r, const std::string& text) {
    const auto offset = static_cast<size_t>(std::max<ptrdiff_t>(0, r.offset));
    size_t line = 1, col = 1;
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            col = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++col;
        }
    }
    return std::string("XML parse error: ") + r.description() + "\nLine: " + std::to_string(line) +
           ", column: " + std::to_string(col);
}
} // namespace

namespace {
// A document that owns the buffer it was parsed from in place.
struct OwningDocument : pugi::xml_document {
    std::string buffer;
};
} // namespace

UnitsParse parseUnitsText(std::string text) {
    auto doc = std::make_shared<OwningDocument>();
    doc->buffer = std::move(text);
    pugi::xml_parse_result r = doc->load_buffer_inplace(doc->buffer.data(), doc->buffer.size(),
                                                        kParseOptions, pugi::encoding_utf8);
    if (!r) return {nullptr, describe(r, doc->buffer)};
    return {doc, {}};
}

std::string readUnitsFileText(const std::string& path) {
    if (!fileExists(path)) return "";
    std::string out;
    for (const auto& l : splitLines(decodeText(readFileBytes(path, kUnitFileCap)))) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace tarnel
