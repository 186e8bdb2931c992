#include "core/notation/spellings.h"

#include "core/notation/notation.h"
#include "core/text/namevaluelist.h"
#include "core/text/textfile.h"

namespace tarnel {

namespace {
bool plainName(const std::string& s) {
    if (s.empty() || (s[0] >= '0' && s[0] <= '9')) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
              c == '_'))
            return false;
    return true;
}
} // namespace

SpellingMap loadSpellings(const std::string& path) {
    SpellingMap out;
    if (!fileExists(path)) return out;
    NameValueList list;
    list.loadFromFile(path);
    for (const std::string& line : list.lines()) {
        if (line.find('=') == std::string::npos) continue;
        const std::string name = NameValueList::nameOf(line), value = NameValueList::valueOf(line);
        UnitEntries entries;
        if (!plainName(name) || value.empty() || !ParseUnits(value, entries) || entries.empty())
            continue;
        out.emplace(name, UnitListText(entries));
    }
    return out;
}

std::string spellingsFileFor(const std::string& unitFile) {
    const size_t slash = unitFile.rfind('/');
    return (slash == std::string::npos ? std::string() : unitFile.substr(0, slash + 1)) +
           "spellings.lst";
}

} // namespace tarnel
