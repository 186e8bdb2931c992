#include "core/unitdata/tunitlist.h"

#include "core/text/strutil.h"

namespace tarnel {

int TUnitList::Add(TUnit* item) {
    if (!item) return -1;
    fItems.push_back(item);
    return Count() - 1;
}

int TUnitList::IndexOfSI() const {
    for (int i = 0; i < Count(); ++i)
        if (fItems[static_cast<size_t>(i)]->Kind() == TUnitKind::ukCore) return i;
    return -1;
}

int TUnitList::IndexOfName(const std::string& nm) const {
    const std::string_view t = trimView(nm);
    for (int i = 0; i < Count(); ++i)
        if (sameText(fItems[static_cast<size_t>(i)]->Name(), t)) return i;
    return -1;
}

int TUnitList::IndexOfSymbol(const std::string& symbol) const {
    const std::string_view t = trimView(symbol);
    for (int i = 0; i < Count(); ++i)
        if (fItems[static_cast<size_t>(i)]->Symbol() == t) return i;
    return -1;
}

std::vector<TUnit*> TUnitList::Subset(const TSetUnitKind& kinds) const {
    std::vector<TUnit*> out;
    for (TUnit* u : fItems)
        if (kinds.count(u->Kind())) out.push_back(u);
    return out;
}

std::vector<std::string> TUnitList::Strings(const TSetUnitKind& kinds, bool fullName) const {
    std::vector<std::string> out;
    for (TUnit* u : Subset(kinds))
        out.push_back(fullName ? u->FullName() : u->Symbol());
    return out;
}

} // namespace tarnel
