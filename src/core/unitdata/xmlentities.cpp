#include "core/unitdata/xmlentities.h"

#include "core/text/codec.h"
#include "core/text/strutil.h"

namespace tarnel {

const std::vector<std::pair<std::string, std::string>>& XmlEntities() {
    static const std::vector<std::pair<std::string, std::string>> list = {
        {"\"", "&quot;"}, {"<", "&lt;"}, {">", "&gt;"}};
    return list;
}

std::string EscapeXml(std::string_view text) {
    std::string s = trim(text);
    for (const auto& [ch, ent] : XmlEntities())
        s = replaceAll(s, ch, ent);
    return s;
}

std::string UnescapeXml(std::string_view text) {
    std::string s = trim(text);
    for (const auto& [ch, ent] : XmlEntities())
        s = replaceAll(s, ent, ch);
    return s;
}

std::string escapeAttribute(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 8);
    auto plain = [](char c) {
        return c != '&' && c != '<' && c != '>' && c != '"' && c != '\t' && c != '\r' &&
               c != '\n' && static_cast<unsigned char>(c) < 0x80;
    };
    bool simple = true;
    for (char c : value)
        if (!plain(c)) simple = false;
    if (simple) return std::string(value);
    for (char32_t c : toU32(value)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '\n':
            out += "&#10;";
            break;
        default:
            if (unicodeToCp1252(c) < 0 || (c < 0x20))
                out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
            else
                appendUtf8(out, c);
        }
    }
    return out;
}

} // namespace tarnel
