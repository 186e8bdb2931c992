// The indexed validation against a plain, quadratic walk of the same rules on random
// documents full of duplicates, case variants and disabled items.

#include "core/appinfo/buildinfo.h"
#include "core/notation/notation.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"
#include "core/unitdata/kinds.h"
#include "core/unitdata/tunit.h"
#include "core/unitdata/validation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

using namespace tarnel;

namespace {

struct RefEntry {
    std::string message;
    pugi::xml_node node;
};

// Every lookup is a fresh walk over the document; nothing is indexed or cached.
class ReferenceValidator {
  public:
    ReferenceValidator(pugi::xml_node root, bool enabledOnly)
        : fRoot(root), fEnabledOnly(enabledOnly) {}

    std::vector<RefEntry> run() {
        std::vector<RefEntry> out;
        pugi::xml_node desc = fRoot.child("description");
        fKeywords = readCommaText(at(desc, "keywords"));
        if (at(desc, "version") != "1.00")
            out.push_back({"Wrong version - possible mismaches.", {}});
        if (at(desc, "copyright") != kCopyrightNotice)
            out.push_back({"WRONG COPYRIGHT NOTICE !", {}});

        for (auto d : kids(fRoot, "domain"))
            if (on(d))
                for (auto c : kids(d, "category"))
                    if (!fEnabledOnly || on(c)) fCats.push_back(c);

        for (auto d : kids(fRoot, "domain")) {
            if (!on(d)) continue;
            for (auto c : kids(d, "category")) {
                if (fEnabledOnly && !on(c)) continue;
                if (trim(at(c, "name")).empty()) out.push_back({"Category name is empty", c});
                if (KindIndexCat(at(c, "type")) == -1) out.push_back({"Category type is wrong", c});
                for (auto x : fCats)
                    if (x != c && sameText(at(x, "name"), at(c, "name")))
                        out.push_back({"Duplicated category names", c});
                coreUnit(c, out);
                for (auto u : kids(c, "unit")) {
                    if (fEnabledOnly && !on(u)) continue;
                    unit(c, u, out);
                }
            }
        }
        return capDuplicates(out);
    }

    // The whole list made first, then cut: the plain form of the cap.
    static std::vector<RefEntry> capDuplicates(const std::vector<RefEntry>& all) {
        std::vector<RefEntry> out;
        size_t kept = 0, leftOut = 0;
        for (const auto& e : all) {
            if (e.message.rfind("Duplicated ", 0) == 0 && kept++ >= kMaxDuplicateEntries)
                ++leftOut;
            else
                out.push_back(e);
        }
        if (leftOut)
            out.push_back({std::to_string(leftOut) + " further duplicate entries left out.", {}});
        return out;
    }

  private:
    static std::string at(pugi::xml_node n, const char* a) { return n.attribute(a).value(); }
    static bool on(pugi::xml_node n) { return parseIntOr(trim(at(n, "enabled")), 0) != 0; }
    static std::vector<pugi::xml_node> kids(pugi::xml_node n, const char* name) {
        std::vector<pugi::xml_node> v;
        for (auto k : n.children(name))
            if (k.type() == pugi::node_element) v.push_back(k);
        return v;
    }

    bool find(const std::string& symbol, bool rootOnly, int& cat,
              pugi::xml_node* found = nullptr) const {
        for (size_t i = 0; i < fCats.size(); ++i) {
            if (rootOnly && at(fCats[i], "type") != "root") continue;
            for (auto u : kids(fCats[i], "unit")) {
                if (fEnabledOnly && !on(u)) continue;
                if (at(u, "symbol") == symbol) {
                    cat = static_cast<int>(i);
                    if (found) *found = u;
                    return true;
                }
            }
        }
        return false;
    }

    bool hasRuleUnit(pugi::xml_node cat) const {
        for (auto u : kids(cat, "unit"))
            if ((!fEnabledOnly || on(u)) && KindIndexUnit(at(u, "type")) == 2) return true;
        return false;
    }

    bool keywordsKnown(const std::string& kw) const {
        for (const auto& item : readCommaText(kw)) {
            bool found = false;
            for (const auto& k : fKeywords)
                if (sameText(k, item)) found = true;
            if (!found) return false;
        }
        return true;
    }

    // The unit object of the database over a private copy of the node, so that its
    // attribute reads cannot touch the document under test.
    struct Scratch {
        XmlDocPtr doc = std::make_shared<pugi::xml_document>();
        std::unique_ptr<TUnit> unit;
        explicit Scratch(pugi::xml_node u) {
            unit = std::make_unique<TUnit>(IXMLUnitType(doc, doc->append_copy(u)), nullptr);
        }
    };

    void coreUnit(pugi::xml_node c, std::vector<RefEntry>& out) const {
        int n = 0;
        pugi::xml_node k;
        for (auto u : kids(c, "unit"))
            if (at(u, "type") == "si-unit") {
                ++n;
                k = u;
            }
        if (n != 1) {
            out.push_back({"Each category must have one core-unit", c});
            return;
        }
        if (!on(k))
            out.push_back({"Core-unit (" + at(k, "symbol") + ") of category " + at(c, "name") +
                               " must be enabled",
                           k});
        UnitEntries p;
        if (!ParseUnits(at(k, "symbol"), p)) return;
        const int kind = KindIndexCat(at(c, "type"));
        int a = 0, b = 0;
        if (kind == 1) {
            if (p.size() == 1) {
                pugi::xml_node base;
                if (!find(p[0].UnitStr, true, a, &base))
                    out.push_back({"Unknown core-unit of suplemental category", k});
                else if (at(base, "type") != "si-unit" || p[0].UnitDeg < 2)
                    out.push_back({"Core-unit (" + at(k, "symbol") +
                                       ") of supplemental category must be a root core-unit to "
                                       "a power of 2 or more",
                                   k});
                else if (hasRuleUnit(fCats[static_cast<size_t>(a)]))
                    out.push_back({"Core-unit (" + at(k, "symbol") +
                                       ") of supplemental category cannot be a power of a "
                                       "category with rule units",
                                   k});
            } else {
                out.push_back({"Core-unit of suplemental category must have one root core-unit to "
                               "be supl. to",
                               k});
            }
        } else if (kind == 2) {
            for (const auto& e : p)
                if (!find(e.UnitStr, true, a))
                    out.push_back(
                        {"Unknown core-unit (" + e.UnitStr + ") of compound category", k});
            for (auto u : kids(c, "unit")) {
                if (at(u, "type") != "factor") continue;
                UnitEntries q;
                ParseUnits(at(u, "symbol"), q);
                if (q.size() == p.size()) {
                    for (size_t i = 0; i < q.size(); ++i) {
                        if (find(p[i].UnitStr, true, a) && find(q[i].UnitStr, false, b)) {
                            if (std::to_string(p[i].UnitDeg) != std::to_string(q[i].UnitDeg))
                                out.push_back(
                                    {"Wrong exponent in unit definition -> " + q[i].UnitStr, u});
                            if (a != b)
                                out.push_back(
                                    {"Uncorrespondent units in definition ->" + q[i].UnitStr, u});
                        } else {
                            out.push_back(
                                {"Unknown unit (" + q[i].UnitStr + ") of compound category", u});
                        }
                    }
                } else {
                    out.push_back(
                        {"Wrong number of units (" + at(u, "symbol") + ") of compound category",
                         u});
                }
            }
        }
    }

    void unit(pugi::xml_node c, pugi::xml_node u, std::vector<RefEntry>& out) const {
        if (!keywordsKnown(at(u, "kw"))) out.push_back({"Incorrect keyword(s)", u});
        if (trim(at(u, "name")).empty()) out.push_back({"Unit name is empty", u});
        if (at(u, "symbol").empty()) out.push_back({"Unit symbol is empty", u});
        for (auto x : fCats)
            for (auto v : kids(x, "unit")) {
                if (fEnabledOnly && !on(v)) continue;
                if (v == u) continue;
                if (sameText(at(v, "name"), at(u, "name")))
                    out.push_back({"Duplicated unit names", u});
                if (at(v, "symbol") == at(u, "symbol"))
                    out.push_back({"Duplicated unit symbols", u});
            }
        switch (KindIndexUnit(at(u, "type"))) {
        case -1:
            out.push_back({"Unit type is wrong", u});
            break;
        case 0: {
            const std::string base = at(u, "in_base_units");
            if (at(c, "type") == "root" && !base.empty() && base != "1" &&
                !Scratch(u).unit->IsBaseUnits())
                out.push_back({"Base units problem", u});
            break;
        }
        case 1:
            if (std::isnan(Scratch(u).unit->Factor()))
                out.push_back({"Wrong conversion factor", u});
            break;
        case 2:
            if (at(u, "rule_from").find('#') == std::string::npos)
                out.push_back({"\"Conversion rule from\" is incorrect", u});
            if (at(u, "rule_to").find('#') == std::string::npos)
                out.push_back({"\"Conversion rule to\" is incorrect", u});
            if (at(c, "type") == "sup")
                out.push_back({"\"Rule type conversion is not allowed in sup. categories", u});
            break;
        }
    }

    pugi::xml_node fRoot;
    bool fEnabledOnly;
    std::vector<std::string> fKeywords;
    std::vector<pugi::xml_node> fCats;
};

// Small pools, so names and symbols collide often; nullptr leaves the attribute out.
using Pool = std::vector<const char*>;
const Pool kEnabled = {"1", "1", "1", "0", "2", " 1", "x", nullptr};
const Pool kCatType = {"root", "root", "root", "sup",  "sup",   "comp",
                       "comp", "Root", "SUP",  "Comp", "bogus", nullptr};
const Pool kCatName = {"Length", "length", "Time", "Area", "Speed",
                       "  ",     "",       "Äre",  "äre",  nullptr};
const Pool kUnitType = {"si-unit", "si-unit", "factor", "factor", "factor",
                        "rule",    "SI-UNIT", "Factor", "weird",  nullptr};
const Pool kUnitName = {"metre", "Metre", "METRE", "second", "kilometre", "hour", "  ",
                        "",      "café",  "CAFÉ",  "fuß",    "FUß",       nullptr};
const Pool kSymbol = {"m",        "M",      "km",    "s",   "h",    "kg",  "m/s",  "km/h", "m^2",
                      "m.s",      "km/s^2", "km/kg", "zz",  "zz^2", "m^",  "",     "  ",   "h^2",
                      "kg.m/s^2", "s^-1",   "km^2",  "1/m", "m^3",  "m^1", nullptr};
const Pool kKw = {"", "SI", "si,metric", "bogus", "SI,,metric", "\"big data\"", nullptr};
const Pool kFactor = {"1", "1,5", "", "2e3", " 3 ", "x", "1e999", nullptr};
const Pool kBase = {"", "1", " 1", "m", "kg.m/s^2", "N.m", "m^", "  ", nullptr};
const Pool kRule = {"#+1", "x", "", nullptr};

class Generator {
  public:
    explicit Generator(unsigned seed) : fRng(seed) {}

    XmlDocPtr document(int maxUnits) {
        auto doc = std::make_shared<pugi::xml_document>();
        pugi::xml_node root = doc->append_child("UnitsData");
        if (chance(9)) {
            pugi::xml_node d = root.append_child("description");
            set(d, "version", {"1.00", "1.00", "1.0", nullptr});
            set(d, "copyright", {kCopyrightNotice, kCopyrightNotice, "x", nullptr});
            set(d, "keywords", {"SI,metric,\"big data\"", "si", nullptr});
        }
        for (int di = pick(3) + 1; di > 0; --di) {
            pugi::xml_node d = root.append_child("domain");
            set(d, "enabled", {"1", "1", "1", "0", nullptr});
            for (int ci = pick(5); ci > 0; --ci) {
                pugi::xml_node c = d.append_child("category");
                set(c, "name", kCatName);
                set(c, "type", kCatType);
                set(c, "enabled", kEnabled);
                for (int ui = pick(maxUnits + 1); ui > 0; --ui) {
                    pugi::xml_node u = c.append_child("unit");
                    for (auto [a, pool] : {std::pair{"name", &kUnitName},
                                           {"type", &kUnitType},
                                           {"symbol", &kSymbol},
                                           {"kw", &kKw},
                                           {"enabled", &kEnabled},
                                           {"factor", &kFactor},
                                           {"in_base_units", &kBase},
                                           {"rule_from", &kRule},
                                           {"rule_to", &kRule}})
                        set(u, a, *pool);
                }
                if (chance(8)) c.append_child("note"); // not a unit: ignored everywhere
            }
        }
        return doc;
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(fRng); }
    bool chance(int outOfTen) { return pick(10) < outOfTen; }
    void set(pugi::xml_node n, const char* attr, const Pool& pool) {
        const char* v = pool[static_cast<size_t>(pick(static_cast<int>(pool.size())))];
        if (v) n.append_attribute(attr) = v;
    }
    std::mt19937 fRng;
};

std::string serialize(const XmlDocPtr& doc) {
    std::ostringstream out;
    doc->save(out);
    return out.str();
}

} // namespace

TEST(ValidationDifferential, SameEntriesInTheSameOrderAsThePlainWalk) {
    Generator gen(20261211);
    int documents = 0, withEntries = 0, duplicates = 0, capped = 0, disabledCore = 0, supPower = 0;
    for (int i = 0; i < 600; ++i) {
        XmlDocPtr doc = gen.document(i % 10 == 0 ? 25 : 7);
        const std::string before = serialize(doc);
        for (bool enabledOnly : {false, true}) {
            SCOPED_TRACE("document " + std::to_string(i) + (enabledOnly ? " enabled" : " all"));
            RecordingMessages fastShown, refShown;
            std::vector<ValidationEntry> fast;
            { ValidateUnitsData(unitsDataOf(doc), fast, enabledOnly); }
            std::vector<RefEntry> ref;
            { ref = ReferenceValidator(doc->document_element(), enabledOnly).run(); }
            ASSERT_EQ(fast.size(), ref.size()) << before;
            for (size_t k = 0; k < ref.size(); ++k) {
                ASSERT_EQ(fast[k].message, ref[k].message) << "entry " << k << "\n" << before;
                ASSERT_TRUE(fast[k].node.node() == ref[k].node) << "entry " << k << "\n" << before;
                const std::string& m = fast[k].message;
                if (m.rfind("Duplicated unit", 0) == 0) ++duplicates;
                if (m.find("further duplicate entries left out") != std::string::npos) ++capped;
                if (m.find("must be enabled") != std::string::npos) ++disabledCore;
                if (m.find("to a power of 2") != std::string::npos) ++supPower;
            }
            EXPECT_EQ(fastShown.texts, refShown.texts);
            ASSERT_EQ(serialize(doc), before);
            ++documents;
            withEntries += ref.empty() ? 0 : 1;
        }
    }
    // The generator must keep producing the faults the comparison is about.
    EXPECT_GT(duplicates, 1000);
    EXPECT_GT(capped, 0);
    EXPECT_GT(disabledCore, 10);
    EXPECT_GT(supPower, 3);
    EXPECT_GT(withEntries, documents / 2);
}
