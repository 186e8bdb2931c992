#include "core/text/codec.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"
#include "core/unitdata/unitsreader.h"
#include "core/unitdata/unitswriter.h"
#include "core/unitdata/xmlentities.h"

#include <gtest/gtest.h>
#include <random>

using namespace tarnel;

namespace {
XmlDocPtr parseFile(const std::string& path) {
    return parseUnitsText(decodeText(readFileBytes(path))).doc;
}
std::string writeAll(const XmlDocPtr& doc) {
    auto root = unitsDataOf(doc);
    return WriteUnitsData(root, itemTreeOf(root));
}
} // namespace

TEST(UnitsWriter, ProducesTheFixedLayoutByteForByte) {
    XmlDocPtr doc = parseFile(TARNEL_FIXTURES "/writer-input.xml");
    ASSERT_TRUE(doc);
    const std::string out = encodeCp1252(writeAll(doc));
    EXPECT_EQ(out, readFileBytes(TARNEL_FIXTURES "/writer-expected.unt"));
    // The core unit is marked enabled in the document itself.
    EXPECT_EQ(unitsDataOf(doc).domains().item(0).category(0).unit(0).enabled(), 1);
}

TEST(UnitsReader, ParseErrorIsReportedWithLineAndColumn) {
    const UnitsParse p = parseUnitsText("<UnitsData>\n  <domain name=\"a></UnitsData>");
    EXPECT_FALSE(p.doc);
    EXPECT_NE(p.error.find("Line: 2"), std::string::npos) << p.error;
    EXPECT_NE(p.error.find("column"), std::string::npos);
}

TEST(UnitsData, MissingTextAttributeReadsEmptyAndIsAdded) {
    XmlDocPtr doc = parseUnitsText("<UnitsData><domain name=\"d\"/></UnitsData>").doc;
    ASSERT_TRUE(doc);
    IXMLDomainType d = unitsDataOf(doc).domains().item(0);
    EXPECT_FALSE(d.node().attribute("comment"));
    EXPECT_EQ(d.comment(), "");
    EXPECT_TRUE(d.node().attribute("comment"));
    EXPECT_EQ(d.enabled(), 0); // a missing integer reads as 0
    IXMLCategoryType c = d.add();
    c.setName("Length");
    d.insert(0).setName("First");
    EXPECT_EQ(d.category(0).name(), "First");
    EXPECT_EQ(d.count(), 2);
}

TEST(XmlEntities, EscapeAndUnescapeTrimAndUseTheThreePairs) {
    EXPECT_EQ(EscapeXml("  a \"<b>\" & c "), "a &quot;&lt;b&gt;&quot; & c");
    EXPECT_EQ(UnescapeXml(" a &quot;&lt;b&gt;&quot; &amp; "), "a \"<b>\" &amp;");
    EXPECT_EQ(EscapeXml(EscapeXml("<x>")), EscapeXml("<x>"));
}

// Any document the writer sees must come back with the same values: the file never
// becomes unreadable, whatever the user typed into names, keywords or formulas.
TEST(UnitsWriter, RoundTripPropertyOverHostileValues) {
    std::mt19937 rng(12345);
    const std::vector<std::string> pieces = {
        "a", "Z", " ", "&", "<",    ">",      "\"",    "\t", "\n",  "\r",  "°",
        "é", "Ω", ",", "#", "&lt;", "&quot;", "&amp;", "'",  "1.5", "]]>", "😀"};
    auto rnd = [&](int maxLen) {
        std::string s;
        int n = static_cast<int>(rng() % static_cast<unsigned>(maxLen + 1));
        for (int i = 0; i < n; ++i)
            s += pieces[rng() % pieces.size()];
        return s;
    };
    auto pick = [&](std::vector<std::string> v) { return v[rng() % v.size()]; };
    for (int iter = 0; iter < 300; ++iter) {
        SCOPED_TRACE(iter);
        auto doc = std::make_shared<pugi::xml_document>();
        doc->append_child("UnitsData");
        IXMLUnitsDataType root = unitsDataOf(doc);
        root.description().setKeywords(rnd(6));
        root.description().setVersion(rnd(2));
        root.description().setLanguage(rnd(3));
        for (int di = 0, nd = static_cast<int>(rng() % 3) + 1; di < nd; ++di) {
            IXMLDomainType d = root.domains().add();
            d.setName(rnd(5));
            d.setEnabled(static_cast<int>(rng() % 3));
            d.setComment(rnd(6));
            for (int ci = 0, nc = static_cast<int>(rng() % 3); ci < nc; ++ci) {
                IXMLCategoryType c = d.add();
                c.setName(rnd(5));
                c.setType(pick({"root", "sup", "comp", "ROOT", rnd(2)}));
                c.setEnabled(static_cast<int>(rng() % 2));
                c.setComment(rnd(6));
                for (int ui = 0, nu = static_cast<int>(rng() % 4); ui < nu; ++ui) {
                    IXMLUnitType u = c.add();
                    u.setName(rnd(5));
                    u.setType(pick({"si-unit", "factor", "rule", "SI-UNIT", "Rule", rnd(2)}));
                    u.setEnabled(static_cast<int>(rng() % 2));
                    u.setSymbol(rnd(3));
                    u.setKw(rnd(5));
                    u.setFactor(rnd(3));
                    u.setIn_base_units(rnd(3));
                    u.setRule_from(rnd(4));
                    u.setRule_to(rnd(4));
                    u.setComment(rng() % 2 ? rnd(6) : EscapeXml(rnd(6)));
                }
            }
        }
        const std::string w1 = writeAll(doc);
        XmlDocPtr back = parseUnitsText(decodeText(encodeCp1252(w1))).doc;
        ASSERT_TRUE(back) << w1;
        IXMLUnitsDataType r2 = unitsDataOf(back);
        EXPECT_EQ(r2.description().keywords(), root.description().keywords());
        EXPECT_EQ(r2.description().version(), root.description().version());
        EXPECT_EQ(r2.description().language(), root.description().language());
        auto d1 = root.domains().items(), d2 = r2.domains().items();
        ASSERT_EQ(d1.size(), d2.size());
        for (size_t i = 0; i < d1.size(); ++i) {
            EXPECT_EQ(d2[i].name(), d1[i].name());
            EXPECT_EQ(d2[i].enabled(), d1[i].enabled());
            EXPECT_EQ(d2[i].comment(), UnescapeXml(d1[i].comment()));
            auto c1 = d1[i].categories(), c2 = d2[i].categories();
            ASSERT_EQ(c1.size(), c2.size());
            for (size_t j = 0; j < c1.size(); ++j) {
                EXPECT_EQ(c2[j].name(), c1[j].name());
                EXPECT_EQ(c2[j].type(), c1[j].type());
                EXPECT_EQ(c2[j].enabled(), c1[j].enabled());
                EXPECT_EQ(c2[j].comment(), UnescapeXml(c1[j].comment()));
                auto u1 = c1[j].units(), u2 = c2[j].units();
                ASSERT_EQ(u1.size(), u2.size());
                for (size_t k = 0; k < u1.size(); ++k) {
                    EXPECT_EQ(u2[k].name(), u1[k].name());
                    EXPECT_EQ(u2[k].type(), u1[k].type());
                    EXPECT_EQ(u2[k].enabled(), u1[k].enabled());
                    EXPECT_EQ(u2[k].symbol(), u1[k].symbol());
                    EXPECT_EQ(u2[k].kw(), u1[k].kw());
                    EXPECT_EQ(u2[k].comment(), UnescapeXml(u1[k].comment()));
                    const std::string t = u1[k].type();
                    if (t == "factor") {
                        EXPECT_EQ(u2[k].factor(), u1[k].factor());
                    }
                    if (t == "rule") {
                        EXPECT_EQ(u2[k].rule_from(), u1[k].rule_from());
                        EXPECT_EQ(u2[k].rule_to(), u1[k].rule_to());
                    }
                    if (t == "si-unit" && c1[j].type() == "root") {
                        EXPECT_EQ(u2[k].in_base_units(), u1[k].in_base_units());
                    }
                }
            }
        }
        EXPECT_EQ(writeAll(back), w1);
    }
}
