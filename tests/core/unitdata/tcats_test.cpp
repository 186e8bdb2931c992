#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/unitdata/tcats.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tarnel;

namespace {
const char* kDoc = R"(<UnitsData>
  <description version="1.00"/>
  <domain name="Base" enabled="1">
    <category name="Length" type="root" enabled="1">
      <unit name="metre" type="si-unit" enabled="1" symbol="m" in_base_units="m"/>
      <unit name="kilometre" type="factor" enabled="1" symbol="km" factor="1000"/>
      <unit name="nautical mile" type="FACTOR" enabled="2" symbol="  " factor="1852"/>
      <unit name="odd" type="factor" enabled="1" symbol=" od" factor="1,5"/>
      <unit name="hidden" type="factor" enabled="0" symbol="hid" factor="2"/>
    </category>
    <category name="Area" type="sup" enabled="1">
      <unit name="square metre" type="si-unit" enabled="1" symbol="m^2"/>
      <unit name="hectare" type="factor" enabled="1" symbol="ha" factor="1e4"/>
    </category>
    <category name="Force" type="Root" enabled="1">
      <unit name="newton" type="si-unit" enabled="1" symbol="N" in_base_units="kg.m/s^2"/>
      <unit name="newton metre" type="factor" enabled="1" symbol="Nm" in_base_units="1"/>
    </category>
    <category name="Off" type="root" enabled="0">
      <unit name="x" type="si-unit" enabled="1" symbol="x"/>
    </category>
    <category name="Other" type="weird" enabled="1">
      <unit name="metre again" type="factor" enabled="1" symbol="m" factor="1"/>
    </category>
  </domain>
  <domain name="Gone" enabled="0">
    <category name="G" type="root" enabled="1">
      <unit name="g" type="si-unit" enabled="1" symbol="gone"/>
    </category>
  </domain>
</UnitsData>)";
} // namespace

TEST(TCats, LoadsEnabledItemsAndLinksSupplementaryCategories) {
    TCats db;
    db.LoadFromString(kDoc);
    ASSERT_EQ(db.Count(), 4); // Off and everything under Gone are hidden
    EXPECT_EQ(db.AllUnits.Count(), 4 + 2 + 2 + 1);
    TCat* len = db.Items(0);
    EXPECT_EQ(len->Units.Count(), 4);
    EXPECT_EQ(len->Units.Items(2)->Symbol(), "nautical_mile");
    EXPECT_FALSE(len->Units.Items(2)->Enabled()); // loaded (not 0) but not enabled (not 1)
    EXPECT_EQ(len->Units.Items(2)->Kind(), TUnitKind::ukFactor);
    EXPECT_TRUE(std::isnan(len->Units.Items(3)->Factor()));
    EXPECT_EQ(len->Units.IndexOfSymbol("od"), -1); // stored with a leading blank
    EXPECT_EQ(len->Units.Items(3)->Symbol(), " od");
    EXPECT_EQ(len->Units.IndexOfSymbol("MM"), -1);
    EXPECT_EQ(len->Units.IndexOfName("  KILOMETRE "), 1);
    EXPECT_EQ(db.IndexOfName(" length"), 0);

    TCat* area = db.Items(1);
    EXPECT_EQ(area->SupBase, len);
    EXPECT_EQ(area->SupDegree, 2);
    ASSERT_EQ(len->SupCats.size(), 1u);
    EXPECT_EQ(len->SupCats[0], area);

    int ci, ui;
    ASSERT_TRUE(db.WhereIsUnit("m", ci, ui)); // the first category in the file wins
    EXPECT_EQ(ci, 0);
    EXPECT_EQ(ui, 0);
    EXPECT_TRUE(db.WhereIsUnit(" ha ", ci, ui));
    EXPECT_EQ(ci, 1);
    EXPECT_FALSE(db.WhereIsUnit("hid", ci, ui));
    EXPECT_EQ(ci, -1);

    EXPECT_EQ(db.Items(3)->Kind(), TCatKind::ckUnknown);
    EXPECT_EQ(db.Items(3)->Name(), "");
}

TEST(TCats, BaseUnitDefinitions) {
    TCats db;
    db.LoadFromString(kDoc);
    TCat* force = db.Items(2);
    EXPECT_EQ(force->Kind(), TCatKind::ckRoot);
    EXPECT_EQ(force->In_base_units(), (TBaseUnits{1, 1, -2, 0, 0, 0, 0}));
    EXPECT_TRUE(force->IsBaseUnits());
    EXPECT_TRUE(force->Units.Items(1)->IsBaseUnits()); // "1" counts on any kind
    EXPECT_FALSE(db.Items(1)->IsBaseUnits());          // not a root category

    const char* defs[][2] = {{"m.m", "1"}, {"N.m", ""}, {"kg.m/s^2", "1 1 -2"}, {"m+", ""}};
    for (auto& d : defs) {
        SCOPED_TRACE(d[0]);
        TCats one;
        one.LoadFromString(std::string("<UnitsData><domain enabled='1'><category name='c' "
                                       "type='root' enabled='1'><unit type='si-unit' enabled='1' "
                                       "symbol='u' in_base_units='") +
                           d[0] + "'/></category></domain></UnitsData>");
        TUnit* u = one.Items(0)->Units.Items(0);
        TBaseUnits v = u->In_base_units();
        EXPECT_EQ(u->IsBaseUnits(), std::string(d[1]) != "");
        if (std::string(d[1]) == "1") {
            EXPECT_EQ(v[0], 1);
        }
    }
}

TEST(TCats, SupplementaryLinkErrorsClearTheDatabase) {
    struct Case {
        const char* units;
        const char* message;
    } cases[] = {
        {"<unit type='factor' enabled='1' symbol='a' factor='2'/>",
         "No known units in sup. category(1)"},
        {"<unit type='si-unit' enabled='1' symbol='m+'/>", "No known units in sup. category(2)"},
        {"<unit type='si-unit' enabled='1' symbol='m.m'/>", "No units in sup. category"},
        {"<unit type='si-unit' enabled='1' symbol='zz^2'/>", "No known units in sup. category(3)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        TCats db;
        std::string doc =
            std::string("<UnitsData><domain enabled='1'><category name='L' type='root' "
                        "enabled='1'><unit type='si-unit' enabled='1' symbol='m'/>"
                        "</category><category name='S' type='sup' enabled='1'>") +
            c.units + "</category></domain></UnitsData>";
        try {
            db.LoadFromString(doc);
            ADD_FAILURE() << "no exception";
        } catch (const EM& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(db.Count(), 0);
        EXPECT_EQ(db.AllUnits.Count(), 0);
    }
}

TEST(TCats, ParseErrorAndReloadLeaveNothingBehind) {
    RecordingMessages rec;
    TCats db;
    db.setMessages(&rec);
    db.LoadFromString(kDoc);
    TUnit* before = db.AllUnits.Items(0);
    ASSERT_NE(before, nullptr);
    db.LoadFromString(kDoc); // a reload replaces every unit object
    EXPECT_EQ(db.AllUnits.Count(), 9);
    db.LoadFromString("<UnitsData><oops></UnitsData>");
    EXPECT_EQ(rec.texts.size(), 1u);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_TRUE(db.Data().isNull());
    int ci, ui;
    EXPECT_FALSE(db.WhereIsUnit("m", ci, ui));
}

TEST(TCats, CoreUnitIndexIsExact) {
    TCats db;
    db.LoadFromString(kDoc);
    EXPECT_EQ(CoreUnitIndex(db.Items(0)->Data()), 0);
    XmlDocPtr doc = db.Document();
    IXMLCategoryType c = unitsDataOf(doc).domains().item(0).category(0);
    c.unit(0).setType("SI-UNIT");
    EXPECT_EQ(CoreUnitIndex(c), -1);
}
