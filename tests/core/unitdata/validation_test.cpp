#include "core/appinfo/buildinfo.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"
#include "core/unitdata/unitsreader.h"
#include "core/unitdata/validation.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tarnel;

namespace {

// Three clean root categories that the supplementary and compound fixtures refer to.
const std::string kBase = R"(
  <domain name='Base' enabled='1'>
    <category name='Length' type='root' enabled='1'>
      <unit name='metre' type='si-unit' enabled='1' symbol='m' kw='SI' in_base_units='m'/>
      <unit name='kilometre' type='factor' enabled='1' symbol='km' kw='SI,metric' factor='1000'/>
    </category>
    <category name='Time' type='root' enabled='1'>
      <unit name='second' type='si-unit' enabled='1' symbol='s' in_base_units='s'/>
      <unit name='hour' type='factor' enabled='1' symbol='h' factor='3600'/>
    </category>
    <category name='Mass' type='root' enabled='1'>
      <unit name='kilogram' type='si-unit' enabled='1' symbol='kg' in_base_units='kg'/>
    </category>
  </domain>)";

std::string document(const std::string& domains) {
    return std::string("<UnitsData><description keywords='SI,metric,\"big data\"' version='1.00' "
                       "copyright='") +
           kCopyrightNotice + "'/>" + kBase + domains + "</UnitsData>";
}

std::string serialize(const XmlDocPtr& doc) {
    std::ostringstream out;
    doc->save(out);
    return out.str();
}

struct Outcome {
    std::vector<std::string> entries; // "message|element:name", "message|" without a node
    std::vector<std::string> shown;   // messages shown while validating (none: faults are entries)
};

Outcome validate(const std::string& text, bool enabledOnly) {
    RecordingMessages rec;
    XmlDocPtr doc = parseUnitsText(text).doc;
    EXPECT_TRUE(doc) << text;
    if (!doc) return {};
    const std::string before = serialize(doc);
    std::vector<ValidationEntry> errors{{"left from an earlier run", XmlNodeRef(), "x"}};
    ValidateUnitsData(unitsDataOf(doc), errors, enabledOnly);
    EXPECT_EQ(serialize(doc), before) << "the validation changed the document";
    Outcome o;
    for (const auto& e : errors) {
        std::string where = e.node ? std::string(e.node.node().name()) + ":" : "";
        if (e.node) {
            EXPECT_EQ(e.name, e.node.node().attribute("name").value());
        }
        o.entries.push_back(e.message + "|" + where + e.name);
    }
    o.shown = rec.texts;
    return o;
}

struct Case {
    const char* label;
    std::string domains;
    bool enabledOnly;
    std::vector<std::string> entries;
    std::vector<std::string> shown;
};

const std::string kCategoryDuplicates = R"(
  <domain name='More' enabled='1'>
    <category name='LENGTH' type='root' enabled='1'>
      <unit name='fathom' type='si-unit' enabled='1' symbol='ftm'/></category>
    <category name='length' type='root' enabled='0'>
      <unit name='league' type='si-unit' enabled='1' symbol='lea'/></category>
  </domain>
  <domain name='Off' enabled='0'>
    <category name='Length' type='bogus' enabled='1'>
      <unit name='metre' type='si-unit' enabled='1' symbol='m'/></category>
  </domain>)";

const std::string kUnitDuplicates = R"(
  <domain name='More' enabled='1'>
    <category name='Other' type='root' enabled='1'>
      <unit name='METRE' type='si-unit' enabled='1' symbol='M'/>
      <unit name='kilometre' type='factor' enabled='0' symbol='km' factor='1'/>
    </category>
  </domain>
  <domain name='Off' enabled='0'>
    <category name='Hidden' type='root' enabled='1'>
      <unit name='metre' type='si-unit' enabled='1' symbol='m'/></category>
  </domain>)";

// 33 units of one name give 33 x 32 name entries: 1000 kept, 56 left out, and two more
// left out for a pair of categories of one name behind them. The faults that are not
// duplicates are all kept, in their places.
std::string manyOfOneName() {
    std::string s = "<domain name='D' enabled='1'><category name='Many' type='root' enabled='1'>";
    for (int i = 1; i <= 33; ++i)
        s += std::string("<unit name='same' type='") + (i == 1 ? "si-unit" : "factor") +
             "' enabled='1' symbol='s" + std::to_string(i) + "' factor='" + (i == 33 ? "x" : "2") +
             "'/>";
    return s + "</category><category name='Pair' type='bogus' enabled='1'>"
               "<unit name='p1' type='si-unit' enabled='1' symbol='p1'/></category>"
               "<category name='pair' type='root' enabled='1'>"
               "<unit name='p2' type='si-unit' enabled='1' symbol='p2'/></category></domain>";
}

std::vector<std::string> manyOfOneNameEntries() {
    std::vector<std::string> e(1000, "Duplicated unit names|unit:same");
    e.push_back("Wrong conversion factor|unit:same");
    e.push_back("Category type is wrong|category:Pair");
    e.push_back("58 further duplicate entries left out.|");
    return e;
}

const std::vector<Case> kCases = {
    {"clean document", "", false, {}, {}},
    {"category name and type",
     R"(<domain name='D' enabled='1'>
          <category name='  ' type='root' enabled='1'>
            <unit name='u1' type='si-unit' enabled='1' symbol='ua'/></category>
          <category name='Odd' type='dimension' enabled='1'>
            <unit name='u2' type='si-unit' enabled='1' symbol='ub'/></category>
          <category name='Force' type='ROOT' enabled='1'>
            <unit name='newton' type='si-unit' enabled='1' symbol='N' in_base_units='N.m'/>
          </category></domain>)",
     false,
     {"Category name is empty|category:  ", "Category type is wrong|category:Odd"},
     {}},
    {"duplicate category names, all items",
     kCategoryDuplicates,
     false,
     {"Duplicated category names|category:Length", "Duplicated category names|category:Length",
      "Duplicated category names|category:LENGTH", "Duplicated category names|category:LENGTH",
      "Duplicated category names|category:length", "Duplicated category names|category:length"},
     {}},
    {"duplicate category names, enabled only",
     kCategoryDuplicates,
     true,
     {"Duplicated category names|category:Length", "Duplicated category names|category:LENGTH"},
     {}},
    {"core unit count (a disabled core unit counts, the kind word is exact)",
     R"(<domain name='D' enabled='1'>
          <category name='Area' type='sup' enabled='1'>
            <unit name='square metre' type='si-unit' enabled='1' symbol='zz^2'/>
            <unit name='are' type='si-unit' enabled='0' symbol='a'/></category>
          <category name='Empty' type='root' enabled='1'/>
          <category name='Speed' type='comp' enabled='1'>
            <unit name='mps' type='SI-UNIT' enabled='1' symbol='m/s'/></category>
        </domain>)",
     true,
     {"Each category must have one core-unit|category:Area",
      "Each category must have one core-unit|category:Empty",
      "Each category must have one core-unit|category:Speed"},
     {}},
    {"a core unit the converter would not load",
     R"(<domain name='D' enabled='1'>
          <category name='Angle' type='root' enabled='1'>
            <unit name='radian' type='si-unit' enabled='0' symbol='rad' in_base_units='1'/>
            <unit name='degree' type='factor' enabled='1' symbol='deg' factor='0.017'/></category>
          <category name='Turns' type='root' enabled='1'>
            <unit name='turn' type='si-unit' enabled='x' symbol='tr'/></category>
          <category name='Loaded' type='root' enabled='1'>
            <unit name='loaded' type='si-unit' enabled='2' symbol='ld'/></category>
          <category name='Off' type='root' enabled='0'>
            <unit name='off' type='si-unit' enabled='0' symbol='off'/></category>
        </domain>)",
     true,
     {"Core-unit (rad) of category Angle must be enabled|unit:radian",
      "Core-unit (tr) of category Turns must be enabled|unit:turn"},
     {}},
    {"supplementary cores the converter cannot reach as a power of a root core unit",
     R"(<domain name='D' enabled='1'>
          <category name='Wavenumber' type='sup' enabled='1'>
            <unit name='per metre' type='si-unit' enabled='1' symbol='1/m'/>
            <unit name='per centimetre' type='factor' enabled='1' symbol='pcm' factor='100'/>
          </category>
          <category name='Land' type='sup' enabled='1'>
            <unit name='square kilometre' type='si-unit' enabled='1' symbol='km^2'/></category>
          <category name='Line' type='sup' enabled='1'>
            <unit name='metre to the first' type='si-unit' enabled='1' symbol='m^1'/></category>
          <category name='Jerk' type='sup' enabled='1'>
            <unit name='per second squared' type='si-unit' enabled='1' symbol='1/s^2'/></category>
          <category name='Volume' type='sup' enabled='1'>
            <unit name='cubic metre' type='si-unit' enabled='1' symbol='m^3'/></category>
          <category name='Temperature' type='root' enabled='1'>
            <unit name='kelvin' type='si-unit' enabled='1' symbol='K' in_base_units='K'/>
            <unit name='celsius' type='RULE' enabled='1' symbol='dC' rule_from='#' rule_to='#'/>
          </category>
          <category name='Kelvin squared' type='sup' enabled='1'>
            <unit name='square kelvin' type='si-unit' enabled='1' symbol='K^2'/></category>
        </domain>)",
     false,
     {"Core-unit (1/m) of supplemental category must be a root core-unit to a power of 2 or "
      "more|unit:per metre",
      "Core-unit (km^2) of supplemental category must be a root core-unit to a power of 2 or "
      "more|unit:square kilometre",
      "Core-unit (m^1) of supplemental category must be a root core-unit to a power of 2 or "
      "more|unit:metre to the first",
      "Core-unit (1/s^2) of supplemental category must be a root core-unit to a power of 2 or "
      "more|unit:per second squared",
      "Core-unit (K^2) of supplemental category cannot be a power of a category with rule "
      "units|unit:square kelvin"},
     {}},
    {"duplicate entries past the cap are counted, not listed",
     manyOfOneName(),
     false,
     manyOfOneNameEntries(),
     {}},
    {"supplementary categories",
     R"(<domain name='D' enabled='1'>
          <category name='Force' type='Root' enabled='1'>
            <unit name='newton' type='si-unit' enabled='1' symbol='N'/></category>
          <category name='Area' type='sup' enabled='1'>
            <unit name='square metre' type='si-unit' enabled='1' symbol='m^2'/>
            <unit name='hectare' type='factor' enabled='1' symbol='ha' factor='1e4'/>
            <unit name='rs' type='rule' enabled='1' symbol='rs' rule_from='#*2' rule_to='#/2'/>
          </category>
          <category name='Bad1' type='sup' enabled='1'>
            <unit name='b1' type='si-unit' enabled='1' symbol='m.s'/></category>
          <category name='Bad2' type='sup' enabled='1'>
            <unit name='b2' type='si-unit' enabled='1' symbol='zz^3'/></category>
          <category name='Bad3' type='Sup' enabled='1'>
            <unit name='b3' type='si-unit' enabled='1' symbol='N^2'/>
            <unit name='r3' type='rule' enabled='1' symbol='r3' rule_from='#' rule_to='#'/>
          </category>
          <category name='Bad4' type='sup' enabled='1'>
            <unit name='b4' type='si-unit' enabled='1' symbol='m^'/></category>
        </domain>)",
     false,
     {"\"Rule type conversion is not allowed in sup. categories|unit:rs",
      "Core-unit of suplemental category must have one root core-unit to be supl. to|unit:b1",
      "Unknown core-unit of suplemental category|unit:b2",
      "Unknown core-unit of suplemental category|unit:b3"},
     {}},
    {"compound categories (disabled factor units are checked too)",
     R"(<domain name='D' enabled='1'>
          <category name='Speed' type='comp' enabled='1'>
            <unit name='metre per second' type='si-unit' enabled='1' symbol='m/s'/>
            <unit name='kilometre per hour' type='factor' enabled='1' symbol='km/h' factor='0.27'/>
            <unit name='c1' type='factor' enabled='1' symbol='km/s^2' factor='1'/>
            <unit name='c2' type='factor' enabled='1' symbol='km/kg' factor='1'/>
            <unit name='c3' type='factor' enabled='1' symbol='mi' factor='1'/>
            <unit name='c4' type='factor' enabled='1' symbol='km/zz' factor='1'/>
            <unit name='c5' type='factor' enabled='0' symbol='km/kg^2' factor='1'/>
            <unit name='c6' type='rule' enabled='1' symbol='c6' rule_from='#' rule_to='#'/>
          </category>
          <category name='Odd speed' type='COMP' enabled='1'>
            <unit name='os' type='si-unit' enabled='1' symbol='m/zz'/>
            <unit name='o1' type='factor' enabled='1' symbol='km/s' factor='1'/>
          </category>
        </domain>)",
     true,
     {"Wrong exponent in unit definition -> s|unit:c1",
      "Uncorrespondent units in definition ->kg|unit:c2",
      "Wrong number of units (mi) of compound category|unit:c3",
      "Unknown unit (zz) of compound category|unit:c4",
      "Wrong exponent in unit definition -> kg|unit:c5",
      "Uncorrespondent units in definition ->kg|unit:c5",
      "Unknown core-unit (zz) of compound category|unit:os",
      "Unknown unit (s) of compound category|unit:o1"},
     {}},
    {"unit checks",
     R"(<domain name='D' enabled='1'>
          <category name='Misc' type='root' enabled='1'>
            <unit name='misc' type='si-unit' enabled='1' symbol='msc' kw='si, "BIG data"'/>
            <unit name='k1' type='factor' enabled='1' symbol='k1' kw='SI,bogus' factor='2'/>
            <unit name='k2' type='factor' enabled='1' symbol='k2' kw='SI,,metric' factor='2'/>
            <unit name=' ' type='factor' enabled='1' symbol='k3' factor='2'/>
            <unit name='k4' type='factor' enabled='1' symbol='' factor='2'/>
            <unit name='k5' type='factor' enabled='1' symbol=' ' factor='2'/>
            <unit name='k6' type='meter' enabled='1' symbol='k6'/>
            <unit name='k7' type='FACTOR' enabled='1' symbol='k7' factor='1,5'/>
            <unit name='k8' type='factor' enabled='1' symbol='k8' factor=' 2.5e3 '/>
            <unit name='k9' type='factor' enabled='1' symbol='k9'/>
            <unit name='k10' type='factor' enabled='1' symbol='k10' factor='1e999'/>
            <unit name='k11' type='rule' enabled='1' symbol='k11' rule_from='#+273.15'
                  rule_to='K-273.15'/>
            <unit name='k12' type='Rule' enabled='1' symbol='k12'/>
          </category></domain>)",
     false,
     {"Incorrect keyword(s)|unit:k1", "Incorrect keyword(s)|unit:k2",
      "Unit name is empty|unit: ", "Unit symbol is empty|unit:k4", "Unit type is wrong|unit:k6",
      "Wrong conversion factor|unit:k7", "Wrong conversion factor|unit:k9",
      "Wrong conversion factor|unit:k10", "\"Conversion rule to\" is incorrect|unit:k11",
      "\"Conversion rule from\" is incorrect|unit:k12",
      "\"Conversion rule to\" is incorrect|unit:k12"},
     {}},
    {"base-unit definitions of root core units",
     R"(<domain name='D' enabled='1'>
          <category name='Force' type='root' enabled='1'>
            <unit name='newton' type='si-unit' enabled='1' symbol='N' in_base_units='kg.m/s^2'/>
          </category>
          <category name='Torque' type='root' enabled='1'>
            <unit name='newton metre' type='si-unit' enabled='1' symbol='N.m' in_base_units='N.m'/>
          </category>
          <category name='Ratio' type='root' enabled='1'>
            <unit name='one' type='si-unit' enabled='1' symbol='rt' in_base_units=' 1'/></category>
          <category name='Blank' type='root' enabled='1'>
            <unit name='blank' type='si-unit' enabled='1' symbol='bl' in_base_units='  '/></category>
          <category name='Broken' type='root' enabled='1'>
            <unit name='broken' type='si-unit' enabled='1' symbol='br' in_base_units='m^'/></category>
          <category name='Area' type='sup' enabled='1'>
            <unit name='square metre' type='si-unit' enabled='1' symbol='m^2' in_base_units='N'/>
          </category>
        </domain>)",
     false,
     {"Base units problem|unit:newton metre", "Base units problem|unit:blank",
      "Base units problem|unit:broken"},
     {}},
    {"duplicate units across categories, all items",
     kUnitDuplicates,
     false,
     {"Duplicated unit names|unit:metre", "Duplicated unit names|unit:kilometre",
      "Duplicated unit symbols|unit:kilometre", "Duplicated unit names|unit:METRE",
      "Duplicated unit names|unit:kilometre", "Duplicated unit symbols|unit:kilometre"},
     {}},
    {"duplicate units across categories, enabled only",
     kUnitDuplicates,
     true,
     {"Duplicated unit names|unit:metre", "Duplicated unit names|unit:METRE"},
     {}},
    {"duplicates are reported in document order, name before symbol",
     R"(<domain name='D' enabled='1'>
          <category name='Dups' type='root' enabled='1'>
            <unit name='p' type='si-unit' enabled='1' symbol='q'/>
            <unit name='dup' type='factor' enabled='1' symbol='s1' factor='1'/>
            <unit name='DUP' type='factor' enabled='1' symbol='s2' factor='1'/>
            <unit name='other' type='factor' enabled='1' symbol='s1' factor='1'/>
            <unit name='Dup' type='factor' enabled='1' symbol='s1' factor='1'/>
          </category></domain>)",
     false,
     {"Duplicated unit names|unit:dup", "Duplicated unit symbols|unit:dup",
      "Duplicated unit names|unit:dup", "Duplicated unit symbols|unit:dup",
      "Duplicated unit names|unit:DUP", "Duplicated unit names|unit:DUP",
      "Duplicated unit symbols|unit:other", "Duplicated unit symbols|unit:other",
      "Duplicated unit names|unit:Dup", "Duplicated unit symbols|unit:Dup",
      "Duplicated unit names|unit:Dup", "Duplicated unit symbols|unit:Dup"},
     {}},
};

} // namespace

TEST(Validation, EveryCheckOnSmallDocuments) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        const Outcome o = validate(document(c.domains), c.enabledOnly);
        EXPECT_EQ(o.entries, c.entries);
        EXPECT_EQ(o.shown, c.shown);
    }
}

TEST(Validation, DescriptionChecksReferenceNoNode) {
    const std::string body = "<domain name='D' enabled='1'/></UnitsData>";
    Outcome o = validate("<UnitsData><description version='1.00 ' copyright='Copyright (c) "
                         "Tarnel Software.'/>" +
                             body,
                         false);
    EXPECT_EQ(o.entries, (std::vector<std::string>{"Wrong version - possible mismaches.|",
                                                   "WRONG COPYRIGHT NOTICE !|"}));
    // Without a description both are reported, and none is added to the document.
    o = validate("<UnitsData>" + body, true);
    EXPECT_EQ(o.entries.size(), 2u);
}

TEST(Validation, ProgressReportsEveryCategoryOfEnabledDomains) {
    std::vector<std::string> calls;
    XmlDocPtr doc = parseUnitsText(R"(<UnitsData><domain enabled='1'>
        <category name='A'/><category name='B' enabled='0'/><category name='C' enabled='1'/>
        </domain><domain enabled='0'><category name='Z' enabled='1'/></domain></UnitsData>)")
                        .doc;
    ASSERT_TRUE(doc);
    std::vector<ValidationEntry> errors;
    auto record = [&](const std::string& name, int pos, int count) {
        calls.push_back(name + " " + std::to_string(pos) + "/" + std::to_string(count));
    };
    ValidateUnitsData(unitsDataOf(doc), errors, true, record);
    EXPECT_EQ(calls, (std::vector<std::string>{"A 0/1", "B 0/1", "C 0/1"}));
    calls.clear();
    ValidateUnitsData(unitsDataOf(doc), errors, false, record);
    EXPECT_EQ(calls, (std::vector<std::string>{"A 0/3", "B 1/3", "C 2/3"}));
}

TEST(Validation, FindUnitBySymbolTakesTheFirstExactMatch) {
    XmlDocPtr doc = parseUnitsText(R"(<UnitsData><domain enabled='1'>
        <category name='Off' type='root' enabled='0'><unit symbol='a'/></category>
        <category name='S' type='sup' enabled='1'><unit symbol='a'/><unit symbol='b'/></category>
        <category name='R' type='Root' enabled='1'><unit symbol='b'/></category>
        <category name='T' type='root' enabled='1'>
          <unit symbol='c' enabled='0'/><unit symbol='a' enabled='1'/><unit symbol='c'/>
          <unit symbol=' d' enabled='1'/></category>
        </domain></UnitsData>)")
                        .doc;
    ASSERT_TRUE(doc);
    struct Row {
        bool enabledOnly;
        const char* symbol;
        bool rootOnly;
        int cat, unit; // -1: not found
    };
    const Row rows[] = {
        {false, "a", false, 0, 0},   {true, "a", false, 2, 1}, // no enabled attribute is 0
        {false, "a", true, 0, 0},    {true, "a", true, 2, 1},
        {false, "b", false, 1, 1},   {false, "b", true, -1, -1},  // "Root" is not root here
        {false, "A", false, -1, -1}, {true, "c", true, -1, -1},   // case counts; both disabled
        {false, "c", true, 3, 0},    {false, "d", false, -1, -1}, // symbols are not trimmed
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.symbol) + (r.rootOnly ? " root" : " any") +
                     (r.enabledOnly ? " enabled" : " all"));
        UnitsDataValidator v(unitsDataOf(doc), r.enabledOnly);
        int cat = -1, unit = -1;
        EXPECT_EQ(v.FindUnitBySymbol(r.symbol, r.rootOnly, cat, unit), r.cat >= 0);
        if (r.cat >= 0) {
            EXPECT_EQ(cat, r.cat);
            EXPECT_EQ(unit, r.unit);
        }
    }
}

TEST(Validation, KeywordsKnownReadsCommaText) {
    XmlDocPtr doc =
        parseUnitsText(
            "<UnitsData><description keywords='SI, metric,\"big data\",Été'/></UnitsData>")
            .doc;
    ASSERT_TRUE(doc);
    UnitsDataValidator v(unitsDataOf(doc), false);
    const std::pair<const char*, bool> rows[] = {
        {"", true},          {"  ", true},           {"si,METRIC", true}, {"\"BIG DATA\"", true},
        {"ÉTÉ", true},       {"big data", false},    {"SI,", false},      {"SI,,metric", false},
        {"SI metric", true}, {"SI,imperial", false},
    };
    for (const auto& [kw, known] : rows)
        EXPECT_EQ(v.KeywordsKnown(kw), known) << kw;
}

TEST(Validation, ShippedDataIsClean) {
    RecordingMessages rec;
    XmlDocPtr doc = parseUnitsText(LoadTextFile(TARNEL_DATA "/default.unt")).doc;
    ASSERT_TRUE(doc);
    for (bool enabledOnly : {false, true}) {
        std::vector<ValidationEntry> errors;
        ValidateUnitsData(unitsDataOf(doc), errors, enabledOnly);
        for (const auto& e : errors)
            ADD_FAILURE() << e.message << " at " << e.name;
    }
    EXPECT_TRUE(rec.texts.empty());
}
