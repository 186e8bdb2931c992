#include "core/notation/abbreviations.h"

#include "core/notation/tokenizer.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"

namespace tarnel {

AbbrevList AbbrevList::fromLines(const std::vector<std::string>& lines) {
    AbbrevList l;
    for (const auto& line : lines) {
        size_t k = line.find('=');
        if (k == std::string::npos) continue;
        std::string name = line.substr(0, k), value = line.substr(k + 1);
        if (!isSingleNameToken(value)) continue;
        l.fToShown.emplace(name, value); // emplace keeps the first occurrence
        l.fToStored.emplace(value, name);
    }
    return l;
}

AbbrevList AbbrevList::fromFile(const std::string& path, IMessages& messages) {
    if (!fileExists(path)) return {};
    try {
        return fromLines(readTextLines(path));
    } catch (const std::exception& e) {
        // Without abbreviations the converter still works: say why and go on.
        messages.info(e.what());
        return {};
    }
}

const std::string& AbbrevList::AbbrevOf(const std::string& s) const {
    auto it = fToShown.find(s);
    return it == fToShown.end() ? s : it->second;
}

const std::string& AbbrevList::UnabbrevOf(const std::string& s) const {
    auto it = fToStored.find(s);
    return it == fToStored.end() ? s : it->second;
}

std::string DisplayField(const std::string& t, const AbbrevList& abbr, int prec, std::string* why) {
    TDimRec r = ParseField(t, why);
    for (auto& u : r.units)
        u.UnitStr = abbr.AbbrevOf(u.UnitStr);
    return DimRecText(r, prec);
}

std::string StoreField(const std::string& t, const AbbrevList& abbr, int prec, std::string* why) {
    TDimRec r = ParseField(t, why);
    for (auto& u : r.units)
        u.UnitStr = abbr.UnabbrevOf(u.UnitStr);
    return DimRecText(r, prec);
}

} // namespace tarnel
