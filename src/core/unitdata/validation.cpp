#include "core/unitdata/validation.h"

#include "core/appinfo/buildinfo.h"
#include "core/notation/notation.h"
#include "core/text/strutil.h"
#include "core/unitdata/kinds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tarnel {

namespace {

// Reading through pugi leaves the document as it is; a missing attribute reads as "".
const char* attr(pugi::xml_node n, const char* name) {
    return n.attribute(name).value();
}

// The loading rule: everything the converter loads (enabled not 0) is checked.
bool enabledNode(pugi::xml_node n) {
    return parseIntOr(trim(attr(n, "enabled")), 0) != 0;
}

bool is(pugi::xml_node n, const char* name, const char* value) {
    return std::strcmp(attr(n, name), value) == 0;
}

std::vector<pugi::xml_node> children(pugi::xml_node parent, const char* name) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && std::strcmp(c.name(), name) == 0) out.push_back(c);
    return out;
}

// The loaded unit's base-unit flag, taken from the raw text so no unit object (and no
// attribute) has to be made: "1" is dimensionless, otherwise every entry a base symbol.
bool isBaseUnitsText(std::string_view raw) {
    const std::string text = trim(raw);
    if (text == "1") return true;
    if (text.empty()) return false;
    UnitEntries list;
    if (!ParseUnits(text, list)) return false;
    bool base = false;
    for (const auto& e : list) {
        base = false;
        for (const char* s : SIBaseSymbols)
            if (e.UnitStr == s) base = true;
        if (!base) break;
    }
    return base;
}

} // namespace

UnitsDataValidator::UnitsDataValidator(const IXMLUnitsDataType& root, bool enabledOnly)
    : fDoc(root.doc()), fDescription(root.node().child("description")), fEnabledOnly(enabledOnly) {
    for (const std::string& k : readCommaText(attr(fDescription, "keywords")))
        fKeywords.insert(upperCase(k));

    for (pugi::xml_node d : children(root.node(), "domain")) {
        if (!enabledNode(d)) continue;
        fDomains.push_back(d);
        for (pugi::xml_node c : children(d, "category")) {
            if (enabledOnly && !enabledNode(c)) continue;
            const int ci = static_cast<int>(fCats.size());
            fCats.push_back({c, children(c, "unit"), static_cast<int>(fListed.size())});
            fCatsByName[upperCase(attr(c, "name"))].push_back(ci);
            const bool root = is(c, "type", "root");
            const auto& units = fCats.back().units;
            for (size_t ui = 0; ui < units.size(); ++ui) {
                pugi::xml_node u = units[ui];
                if (!listed(u)) continue;
                const int pos = static_cast<int>(fListed.size());
                const std::string symbol = attr(u, "symbol");
                auto& byName = fByName[upperCase(attr(u, "name"))];
                auto& bySymbol = fBySymbol[symbol];
                byName.push_back(pos);
                bySymbol.push_back(pos);
                fListed.push_back({u, &byName, &bySymbol});
                const Place place{ci, static_cast<int>(ui)};
                fFirstAny.emplace(symbol, place);
                if (root) fFirstRoot.emplace(symbol, place);
            }
        }
    }
}

bool UnitsDataValidator::listed(pugi::xml_node unit) const {
    return !fEnabledOnly || enabledNode(unit);
}

bool UnitsDataValidator::FindUnitBySymbol(const std::string& symbol, bool rootOnly, int& catPos,
                                          int& unitPos) const {
    const auto& map = rootOnly ? fFirstRoot : fFirstAny;
    auto it = map.find(symbol);
    if (it == map.end()) return false;
    catPos = it->second.cat;
    unitPos = it->second.unit;
    return true;
}

bool UnitsDataValidator::KeywordsKnown(std::string_view kw) const {
    for (const std::string& k : readCommaText(kw))
        if (fKeywords.count(upperCase(k)) == 0) return false;
    return true;
}

struct UnitsDataValidator::Sink {
    std::vector<ValidationEntry>& list;
    size_t duplicatesKept = 0;
    uint64_t duplicatesLeftOut = 0;
};

void UnitsDataValidator::add(Sink& errors, std::string message, pugi::xml_node node) const {
    errors.list.push_back(
        {std::move(message), node ? XmlNodeRef(fDoc, node) : XmlNodeRef(), attr(node, "name")});
}

void UnitsDataValidator::add(Sink& errors, const char* message, pugi::xml_node node) const {
    add(errors, std::string(message), node);
}

void UnitsDataValidator::addDuplicates(Sink& errors, const char* message, pugi::xml_node node,
                                       uint64_t count) const {
    const uint64_t room = kMaxDuplicateEntries - errors.duplicatesKept;
    const uint64_t kept = std::min(count, room);
    for (uint64_t i = 0; i < kept; ++i)
        add(errors, message, node);
    errors.duplicatesKept += static_cast<size_t>(kept);
    errors.duplicatesLeftOut += count - kept;
}

void UnitsDataValidator::Validate(std::vector<ValidationEntry>& list,
                                  const ProgressFn& progress) const {
    list.clear();
    Sink errors{list};
    if (!is(fDescription, "version", "1.00"))
        add(errors, "Wrong version - possible mismaches.", pugi::xml_node());
    if (!is(fDescription, "copyright", kCopyrightNotice))
        add(errors, "WRONG COPYRIGHT NOTICE !", pugi::xml_node());

    const int count = static_cast<int>(fCats.size());
    int ci = 0;
    for (pugi::xml_node d : fDomains) {
        for (pugi::xml_node c : children(d, "category")) {
            if (progress) progress(attr(c, "name"), ci, count);
            if (fEnabledOnly && !enabledNode(c)) continue;
            const Cat& cat = fCats[static_cast<size_t>(ci)];

            if (trimView(attr(c, "name")).empty()) add(errors, "Category name is empty", c);
            if (KindIndexCat(attr(c, "type")) < 0) add(errors, "Category type is wrong", c);
            const size_t sameName = fCatsByName.at(upperCase(attr(c, "name"))).size();
            addDuplicates(errors, "Duplicated category names", c, sameName - 1);

            checkCoreUnit(cat, errors);

            int self = cat.firstListed;
            for (pugi::xml_node u : cat.units) {
                if (!listed(u)) continue;
                checkUnit(c, self++, errors);
            }
            ++ci;
        }
    }
    if (errors.duplicatesLeftOut > 0)
        add(errors,
            std::to_string(errors.duplicatesLeftOut) + " further duplicate entries left out.",
            pugi::xml_node());
}

void UnitsDataValidator::checkCoreUnit(const Cat& cat, Sink& errors) const {
    pugi::xml_node c = cat.node;
    pugi::xml_node core;
    int cores = 0;
    for (pugi::xml_node u : cat.units)
        if (is(u, "type", "si-unit")) {
            ++cores;
            core = u;
        }
    if (cores != 1) {
        add(errors, "Each category must have one core-unit", c);
        return;
    }
    // The converter loads no unit whose enabled is 0, and a category without its core
    // unit converts everything to nothing.
    if (!enabledNode(core))
        add(errors,
            std::string("Core-unit (") + attr(core, "symbol") + ") of category " + attr(c, "name") +
                " must be enabled",
            core);
    UnitEntries p;
    if (!ParseUnits(attr(core, "symbol"), p)) return;
    int a = -1, b = -1, unused = -1;
    switch (KindIndexCat(attr(c, "type"))) {
    case 1: // sup
        checkSupplementaryCore(core, p, errors);
        break;
    case 2: // comp
        for (const auto& e : p)
            if (!FindUnitBySymbol(e.UnitStr, true, a, unused))
                add(errors, "Unknown core-unit (" + e.UnitStr + ") of compound category", core);
        for (pugi::xml_node u : cat.units) {
            if (!is(u, "type", "factor")) continue;
            UnitEntries q;
            ParseUnits(attr(u, "symbol"), q); // a malformed symbol keeps what was read
            if (q.size() != p.size()) {
                add(errors,
                    std::string("Wrong number of units (") + attr(u, "symbol") +
                        ") of compound category",
                    u);
                continue;
            }
            for (size_t k = 0; k < q.size(); ++k) {
                if (FindUnitBySymbol(p[k].UnitStr, true, a, unused) &&
                    FindUnitBySymbol(q[k].UnitStr, false, b, unused)) {
                    if (p[k].UnitDeg != q[k].UnitDeg)
                        add(errors, "Wrong exponent in unit definition -> " + q[k].UnitStr, u);
                    if (a != b)
                        add(errors, "Uncorrespondent units in definition ->" + q[k].UnitStr, u);
                } else {
                    add(errors, "Unknown unit (" + q[k].UnitStr + ") of compound category", u);
                }
            }
        }
        break;
    default:
        break;
    }
}

// The converter reaches a supplementary unit as a power of the root category's core
// unit, through the degree's magnitude: a reciprocal, a first power or a power of
// another unit of that category would convert wrongly.
void UnitsDataValidator::checkSupplementaryCore(pugi::xml_node core, const UnitEntries& p,
                                                Sink& errors) const {
    if (p.size() != 1) {
        add(errors, "Core-unit of suplemental category must have one root core-unit to be supl. to",
            core);
        return;
    }
    int cat = -1, unit = -1;
    if (!FindUnitBySymbol(p[0].UnitStr, true, cat, unit)) {
        add(errors, "Unknown core-unit of suplemental category", core);
        return;
    }
    const Cat& root = fCats[static_cast<size_t>(cat)];
    const pugi::xml_node base = root.units[static_cast<size_t>(unit)];
    if (!is(base, "type", "si-unit") || p[0].UnitDeg < 2) {
        add(errors,
            std::string("Core-unit (") + attr(core, "symbol") +
                ") of supplemental category must be a root core-unit to a power of 2 or more",
            core);
        return;
    }
    // A category with rule units converts in the first power only.
    for (pugi::xml_node u : root.units)
        if (listed(u) && KindIndexUnit(attr(u, "type")) == 2) {
            add(errors,
                std::string("Core-unit (") + attr(core, "symbol") +
                    ") of supplemental category cannot be a power of a category with rule units",
                core);
            return;
        }
}

void UnitsDataValidator::checkUnit(pugi::xml_node c, int self, Sink& errors) const {
    const Listed& me = fListed[static_cast<size_t>(self)];
    pugi::xml_node u = me.node;
    if (!KeywordsKnown(attr(u, "kw"))) add(errors, "Incorrect keyword(s)", u);
    if (trimView(attr(u, "name")).empty()) add(errors, "Unit name is empty", u);
    if (*attr(u, "symbol") == '\0') add(errors, "Unit symbol is empty", u);

    // Every other listed unit with the same name or symbol, in document order, the name
    // entry before the symbol entry: the two sorted buckets merged by position. Once the
    // cap is reached the rest is only counted.
    const std::vector<int>& names = *me.sameName;
    const std::vector<int>& symbols = *me.sameSymbol;
    uint64_t left = (names.size() - 1) + (symbols.size() - 1); // both hold this unit
    size_t i = 0, j = 0;
    while (left > 0 && errors.duplicatesKept < kMaxDuplicateEntries) {
        const int n = i < names.size() ? names[i] : INT32_MAX;
        const int s = j < symbols.size() ? symbols[j] : INT32_MAX;
        const int v = std::min(n, s);
        if (n == v) ++i;
        if (s == v) ++j;
        if (v == self) continue;
        if (n == v) {
            addDuplicates(errors, "Duplicated unit names", u, 1);
            --left;
        }
        if (s == v) {
            addDuplicates(errors, "Duplicated unit symbols", u, 1);
            --left;
        }
    }
    errors.duplicatesLeftOut += left;

    switch (KindIndexUnit(attr(u, "type"))) {
    case -1:
        add(errors, "Unit type is wrong", u);
        break;
    case 0: {
        const char* base = attr(u, "in_base_units");
        if (is(c, "type", "root") && *base != '\0' && std::strcmp(base, "1") != 0 &&
            !isBaseUnitsText(base))
            add(errors, "Base units problem", u);
        break;
    }
    case 1:
        if (std::isnan(realOrNaN(attr(u, "factor")))) add(errors, "Wrong conversion factor", u);
        break;
    case 2:
        if (!std::strchr(attr(u, "rule_from"), '#'))
            add(errors, "\"Conversion rule from\" is incorrect", u);
        if (!std::strchr(attr(u, "rule_to"), '#'))
            add(errors, "\"Conversion rule to\" is incorrect", u);
        if (is(c, "type", "sup"))
            add(errors, "\"Rule type conversion is not allowed in sup. categories", u);
        break;
    default:
        break;
    }
}

void ValidateUnitsData(const IXMLUnitsDataType& root, std::vector<ValidationEntry>& errors,
                       bool enabledOnly, const ProgressFn& progress) {
    UnitsDataValidator(root, enabledOnly).Validate(errors, progress);
}

} // namespace tarnel
