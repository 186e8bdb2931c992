#include "core/unitdata/tcats.h"

#include "core/text/em.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"
#include "core/unitdata/unitsreader.h"

namespace tarnel {

TCats::TCats(const std::string& filename) {
    LoadFromFile(filename);
}

bool TCats::LoadFromFile(const std::string& filename) {
    if (!fileExists(filename)) return false;
    LoadFromString(LoadTextFile(filename));
    return true;
}

void TCats::Clear() {
    AllUnits.Clear();
    fBySymbol.clear();
    fIndexOf.clear();
    for (auto& c : fItems)
        c->Clear();
    fItems.clear();
}

int TCats::Add(std::unique_ptr<TCat> item) {
    if (!item) return -1;
    const int idx = Count();
    fIndexOf[item.get()] = idx;
    for (int u = 0; u < item->Units.Count(); ++u)
        fBySymbol.emplace(item->Units.Items(u)->Symbol(), std::make_pair(idx, u));
    fItems.push_back(std::move(item));
    return idx;
}

void TCats::LoadFromString(std::string txt) {
    Clear();
    UnitsParse p = parseUnitsText(std::move(txt));
    fLoadError = p.error;
    if (!p.doc) {
        // Holders of the old document must not see units that are gone.
        fDoc.reset();
        fData = IXMLUnitsDataType();
        if (fMessages) fMessages->info(fLoadError);
        return;
    }
    LoadFromDocument(p.doc);
}

void TCats::LoadFromDocument(const XmlDocPtr& doc) {
    Clear();
    fDoc = doc;
    fData = unitsDataOf(doc);
    for (const IXMLDomainType& d : fData.domains().items()) {
        if (d.enabled() == 0) continue;
        for (const IXMLCategoryType& c : d.categories()) {
            if (c.enabled() == 0) continue;
            auto cat = std::make_unique<TCat>(c);
            for (TUnit* u : cat->Units.items())
                AllUnits.Add(u);
            Add(std::move(cat));
        }
    }
    try {
        linkSupplementary();
    } catch (...) {
        Clear();
        throw;
    }
}

void TCats::linkSupplementary() {
    for (auto& c : fItems) {
        if (c->Kind() != TCatKind::ckSup) continue;
        const int i = c->Units.IndexOfSI();
        if (i < 0) throw EM("No known units in sup. category(1)");
        UnitEntries list;
        if (!ParseUnits(c->Units.Items(i)->Symbol(), list))
            throw EM("No known units in sup. category(2)");
        if (list.size() != 1) throw EM("No units in sup. category");
        c->SupDegree = list[0].UnitDeg;
        int ci = -1, ui = -1;
        if (!WhereIsUnit(list[0].UnitStr, ci, ui)) throw EM("No known units in sup. category(3)");
        c->SupBase = Items(ci);
        c->SupBase->SupCats.push_back(c.get());
    }
}

int TCats::IndexOfName(const std::string& catName) const {
    const std::string_view t = trimView(catName);
    for (int i = 0; i < Count(); ++i)
        if (sameText(fItems[static_cast<size_t>(i)]->Name(), t)) return i;
    return -1;
}

bool TCats::WhereIsUnit(const std::string& unitAbrv, int& catIdx, int& unitIdx) const {
    catIdx = unitIdx = -1;
    const std::string_view t = trimView(unitAbrv);
    // Symbols rarely carry blanks: look the argument up as it is when trimming changes nothing.
    auto it =
        t.size() == unitAbrv.size() ? fBySymbol.find(unitAbrv) : fBySymbol.find(std::string(t));
    if (it == fBySymbol.end()) return false;
    catIdx = it->second.first;
    unitIdx = it->second.second;
    return true;
}

std::vector<TCat*> TCats::Subset(const TSetCatKind& kinds) const {
    std::vector<TCat*> out;
    for (const auto& c : fItems)
        if (kinds.count(c->Kind())) out.push_back(c.get());
    return out;
}

int TCats::IndexOf(const TCat* cat) const {
    auto it = fIndexOf.find(cat);
    return it == fIndexOf.end() ? -1 : it->second;
}

} // namespace tarnel
