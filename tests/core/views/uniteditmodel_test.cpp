#include "core/appinfo/buildinfo.h"
#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/textfile.h"
#include "core/unitdata/unitsreader.h"
#include "core/views/uniteditmodel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

std::string document(const std::string& extra = "") {
    return std::string("<UnitsData><description keywords='SI,metric,old' version='1.00' "
                       "copyright='") +
           kCopyrightNotice + R"('/>
  <domain name='Base' enabled='1'>
    <category name='Length' type='root' enabled='1' comment='lengths'>
      <unit name='metre' type='si-unit' enabled='1' symbol='m' kw='SI' in_base_units='m'/>
      <unit name='kilometre' type='factor' enabled='1' symbol='km' kw='SI,metric' factor='1000'/>
      <unit name='mile' type='factor' enabled='1' symbol='mi' kw='old' factor='1609.344'/>
    </category>
    <category name='Time' type='root' enabled='1'>
      <unit name='second' type='si-unit' enabled='1' symbol='s' in_base_units='s'/>
      <unit name='hour' type='factor' enabled='1' symbol='h' factor='3600'/>
    </category>
  </domain>
  <domain name='Hidden' enabled='0'>
    <category name='Secret' type='root' enabled='1'>
      <unit name='thing' type='si-unit' enabled='1' symbol='th'/>
    </category>
  </domain>
  <domain name='More' enabled='1'>
    <category name='Speed' type='comp' enabled='1'>
      <unit name='metre per second' type='si-unit' enabled='1' symbol='m/s'/>
    </category>
  </domain>)" +
           extra + "</UnitsData>";
}

class UnitEdit : public ::testing::Test {
  protected:
    void SetUp() override {
        static int n = 0;
        dir = fs::temp_directory_path() /
              ("tarnel-unitedit-" + std::to_string(::getpid()) + "-" + std::to_string(++n));
        fs::create_directories(dir);
        file = (dir / "units.unt").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void open(const std::string& text) {
        writeFileAtomic(file, text);
        auto err = m.Execute(file);
        ASSERT_FALSE(err) << *err;
    }
    std::string saved() const { return readUnitsFileText(file); }
    IXMLUnitsDataType reload() const {
        static XmlDocPtr keep;
        keep = parseUnitsText(saved()).doc;
        EXPECT_TRUE(keep);
        return unitsDataOf(keep);
    }
    std::vector<std::string> unitNames(const EditItem& cat) const {
        std::vector<std::string> out;
        for (const auto& u : cat.children)
            out.push_back(u.node.node().attribute("name").as_string());
        return out;
    }

    fs::path dir;
    std::string file;
    TfrmUnitEditModel m;
    RecordingMessages rec;
};

TEST_F(UnitEdit, OpenBuildsTheTreeOrReportsWhatIsWrong) {
    EXPECT_THROW(m.Execute((dir / "missing.unt").string()), EM);
    writeFileAtomic(file, "<UnitsData><domain name='a></UnitsData>");
    auto err = m.Execute(file);
    ASSERT_TRUE(err);
    EXPECT_NE(err->find("Line"), std::string::npos) << *err;

    open(document());
    ASSERT_EQ(m.tree().size(), 2u); // the disabled domain has no item
    EXPECT_EQ(m.tree()[0].text, "Base");
    EXPECT_EQ(m.tree()[0].children[0].text, "Length (root type)");
    EXPECT_EQ(m.tree()[0].children[0].children[1].text, "kilometre [km]");
    EXPECT_TRUE(m.tree()[0].children[0].children[0].style.bold); // SI unit
    EXPECT_EQ(m.tree()[0].children[0].style.color, 0x640000u);
    EXPECT_EQ(m.tree()[1].children[0].children[0].style.icon, 0);
    EXPECT_EQ(m.filterDomains(), (std::vector<std::string>{"Base", "More"}));
    EXPECT_EQ(m.keywordList(), (std::vector<std::string>{"SI", "metric", "old"}));
    EXPECT_EQ(m.initialSelection(), (ItemPath{0, 0, -1}));
}

TEST_F(UnitEdit, TreeButtonsFollowLevelPositionAndClipboard) {
    open(document());
    struct Row {
        ItemPath p;
        TreeButtons b; // add del up down cut copy paste
    } rows[] = {
        {{0, -1, -1}, {true, false, false, false, false, false, false}},
        {{0, 0, -1}, {true, true, false, true, true, true, false}},
        {{0, 1, -1}, {true, true, true, false, true, true, false}},
        {{0, 0, 0}, {false, true, false, true, true, true, false}},
        {{0, 0, 1}, {false, true, true, true, true, true, false}},
        {{1, 0, 0}, {false, true, false, false, true, true, false}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.p.d) + "," + std::to_string(r.p.c) + "," +
                     std::to_string(r.p.u));
        m.Select(r.p);
        EXPECT_TRUE(m.buttons() == r.b);
    }
    // Paste: on a category once a unit is held, on a domain once a category is held.
    m.Select({0, 0, 1});
    m.Copy();
    m.Select({0, 1, -1});
    EXPECT_TRUE(m.buttons().paste);
    m.Select({0, -1, -1});
    EXPECT_FALSE(m.buttons().paste);
    m.Select({0, 1, -1});
    m.Copy();
    EXPECT_FALSE(m.buttons().paste);
    m.Select({0, -1, -1});
    EXPECT_TRUE(m.buttons().paste);
    m.Deselect();
    EXPECT_TRUE(m.buttons() == TreeButtons{});
    EXPECT_EQ(m.panel(), EditPanel::None);
}

TEST_F(UnitEdit, PanelEditsAreStoredAtOnceAndTheTypeChangeEmptiesFields) {
    open(document());
    m.Select({0, 0, 2}); // mile, a factor unit
    ASSERT_EQ(m.panel(), EditPanel::Unit);
    UnitFields f = m.unitFields();
    EXPECT_EQ(f.factor, "1609.344");
    EXPECT_EQ(f.keywords, (std::vector<bool>{false, false, true}));
    f.name = "statute mile";
    f.symbol = "  ";
    f.factor = "1 609.344";
    f.keywords = {false, true, true};
    f.comment = "a \"long\" <one>";
    m.setUnitFields(f);
    IXMLUnitType u(m.tree()[0].children[0].children[2].node.doc(),
                   m.tree()[0].children[0].children[2].node.node());
    EXPECT_EQ(u.symbol(), "statute mile"); // an empty symbol stores the name
    EXPECT_EQ(u.factor(), "1609.344");
    EXPECT_EQ(u.kw(), "metric,old");
    EXPECT_EQ(m.tree()[0].children[0].children[2].text, "statute mile [statute mile]");

    m.changeUnitType(2); // factor -> rule: the factor is gone at once
    EXPECT_EQ(u.type(), "rule");
    EXPECT_EQ(u.factor(), "");
    EXPECT_EQ(m.unitFields().typePage, 2);

    // A unit made si-unit in a compound category has no definition fields at all.
    m.Select({1, 0, 0});
    m.changeUnitType(1);
    f = m.unitFields();
    f.factor = "5";
    m.setUnitFields(f);
    m.changeUnitType(0);
    EXPECT_EQ(m.unitFields().typePage, -1);
    EXPECT_TRUE(m.unitFields().enabled);
    EXPECT_EQ(m.unitFields().factor, "");
    EXPECT_EQ(m.tree()[1].children[0].children[0].node.node().attribute("factor").as_string(),
              std::string());
    EXPECT_TRUE(m.unitFields().symbolIsDefinition);

    // Showing the panel stores nothing, and a category store restyles and renames.
    m.Select({0, 1, -1});
    CategoryFields c = m.categoryFields();
    c.name = "Duration";
    c.type = -1; // no selection stores root
    c.enabled = false;
    m.setCategoryFields(c);
    EXPECT_EQ(m.tree()[0].children[1].text, "Duration (root type)");
    EXPECT_TRUE(m.tree()[0].children[1].style.frame);
}

TEST_F(UnitEdit, AddDeleteUpDownThenDoneWritesTheTreeOrder) {
    open(document());
    m.Select({0, 0, -1});
    EXPECT_EQ(m.Add(), (ItemPath{0, 0, 3}));
    UnitFields f = m.unitFields();
    f.symbol = "nu";
    m.setUnitFields(f);
    m.changeUnitType(1);
    f = m.unitFields();
    f.factor = "2";
    m.setUnitFields(f);
    m.Select({0, 0, 1});
    EXPECT_EQ(m.Delete(), (ItemPath{0, 0, 0})); // the previous sibling is selected
    m.Select({0, 0, 2});
    EXPECT_EQ(m.Up(), (ItemPath{0, 0, 1}));
    m.Select({0, -1, -1});
    EXPECT_EQ(m.Add(), (ItemPath{0, 2, -1}));
    EXPECT_EQ(m.Down(), (ItemPath{0, 2, -1})); // already last
    CategoryFields c = m.categoryFields();
    c.enabled = false; // an empty category is faulty; disabled it does not stop Done
    m.setCategoryFields(c);
    m.Select({0, 0, -1});
    m.Down();
    auto done = m.Done(nullptr);
    ASSERT_TRUE(done.ok) << done.message << (m.errors().empty() ? "" : m.errors()[0].message);

    IXMLUnitsDataType r = reload();
    ASSERT_EQ(r.domains().count(), 3); // the disabled domain is kept, at its place
    EXPECT_EQ(r.domains().item(1).name(), "Hidden");
    auto base = r.domains().item(0);
    EXPECT_EQ(base.category(0).name(), "Time");
    EXPECT_EQ(base.category(1).name(), "Length");
    EXPECT_EQ(base.category(2).name(), "New category");
    auto len = base.category(1);
    ASSERT_EQ(len.count(), 3);
    EXPECT_EQ(len.unit(0).name(), "metre");
    EXPECT_EQ(len.unit(1).name(), "New Unit");
    EXPECT_EQ(len.unit(1).factor(), "2");
    EXPECT_EQ(len.unit(2).name(), "mile");
}

TEST_F(UnitEdit, SaveAsKeepsTheDocumentOrder) {
    open(document());
    m.Select({0, 0, 1});
    m.Up();
    ASSERT_TRUE(m.CheckBeforeSave(nullptr).ok);
    const std::string other = (dir / "other.unt").string();
    ASSERT_TRUE(m.SaveAs(other, nullptr).ok);
    EXPECT_EQ(m.Filename(), other);
    auto doc = parseUnitsText(readUnitsFileText(other)).doc;
    ASSERT_TRUE(doc);
    auto r = unitsDataOf(doc);
    EXPECT_EQ(r.domains().count(), 3);
    EXPECT_EQ(r.domains().item(0).category(0).unit(0).name(), "metre");
}

TEST_F(UnitEdit, CutThenPasteMovesAUnitWithAllItsAttributes) {
    open(document());
    m.Select({0, 0, 2}); // mile
    EXPECT_NE(m.Cut().find("mile"), std::string::npos);
    ASSERT_EQ(m.tree()[0].children[0].children.size(), 2u);
    m.Select({0, 1, -1});
    EXPECT_EQ(m.Paste(), (ItemPath{0, 1, 2}));
    EXPECT_EQ(m.Paste(), (ItemPath{0, 1, 3})); // the clipboard stays
    const EditItem& pasted = m.tree()[0].children[1].children[2];
    EXPECT_EQ(pasted.text, "mile [mi]");
    IXMLUnitType u(pasted.node.doc(), pasted.node.node());
    EXPECT_EQ(u.factor(), "1609.344");
    EXPECT_EQ(u.kw(), "old");
    EXPECT_EQ(u.enabled(), 1);
    EXPECT_EQ(pasted.node.doc(), m.tree()[0].node.doc()); // in the edited document

    // A copied category outlives the deletion of itself.
    m.Select({0, 0, -1});
    m.Copy();
    m.Delete();
    m.Select({1, -1, -1});
    const ItemPath p = m.Paste();
    ASSERT_EQ(p, (ItemPath{1, 1, -1}));
    EXPECT_EQ(unitNames(*m.item(p)), (std::vector<std::string>{"metre", "kilometre"}));
}

TEST_F(UnitEdit, DoneIsRefusedWhileAnEnabledUnitIsFaulty) {
    open(document());
    const std::string before = saved();
    m.Select({0, 0, 1});
    UnitFields f = m.unitFields();
    f.factor = "abc";
    m.setUnitFields(f);
    auto r = m.Done(nullptr);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, TfrmUnitEditModel::kDoneRefused);
    EXPECT_EQ(saved(), before);
    EXPECT_TRUE(m.isFaulty(m.tree()[0].children[0].children[1].node));
    EXPECT_EQ(m.tree()[0].children[0].children[1].style.color, 0xFF0000u);
    EXPECT_EQ(m.pathOf(m.errors().at(0).node), (ItemPath{0, 0, 1}));
    bool isError = false;
    EXPECT_EQ(m.hoverText({0, 0, 1}, isError).rfind(" Error: ", 0), 0u);
    EXPECT_TRUE(isError);

    // Disabled, the unit no longer stops Done, but a full validation still finds it.
    f.enabled = false;
    m.setUnitFields(f);
    EXPECT_FALSE(m.Validate(false));
    EXPECT_TRUE(m.Done(nullptr).ok);
    EXPECT_NE(saved(), before);
}

TEST_F(UnitEdit, DoneFromTheXmlPageRefusesTextThatDoesNotParse) {
    open(document());
    const std::string before = saved();
    const std::string broken = "<UnitsData><domain name='x></UnitsData>";
    auto r = m.Done(&broken);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("Line"), std::string::npos);
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(m.tree().size(), 2u); // the tree is left as it was

    // A file removed meanwhile is written anyway.
    fs::remove(file);
    EXPECT_TRUE(m.Done(nullptr).ok);
    EXPECT_TRUE(fileExists(file));
}

TEST_F(UnitEdit, HostileValuesSurviveDoneAndAReload) {
    open(document());
    m.Select({0, 0, 1});
    UnitFields f = m.unitFields();
    f.name = "a & b < c \"d\"";
    f.symbol = "k&m";
    f.comment = "x < y & \"z\" > w";
    m.setUnitFields(f);
    m.Select({0, 0, -1});
    CategoryFields c = m.categoryFields();
    c.comment = "Ω & \"<\"";
    m.setCategoryFields(c);
    ASSERT_TRUE(m.Done(nullptr).ok) << (m.errors().empty() ? "" : m.errors()[0].message);

    TfrmUnitEditModel again;
    ASSERT_FALSE(again.Execute(file));
    again.Select({0, 0, 1});
    EXPECT_EQ(again.unitFields().name, f.name);
    EXPECT_EQ(again.unitFields().symbol, f.symbol);
    EXPECT_EQ(again.unitFields().comment, f.comment);
    again.Select({0, 0, -1});
    EXPECT_EQ(again.categoryFields().comment, c.comment);
}

TEST_F(UnitEdit, FilterSwitchesMatchingUnitsOfCheckedDomains) {
    open(document());
    struct Case {
        const char* label;
        std::vector<bool> keywords; // SI, metric, old
        bool all;
        std::vector<int> lengthEnabled; // metre, kilometre, mile after disabling
    } cases[] = {
        {"OR of two", {false, true, true}, false, {1, 0, 0}},
        {"AND of two", {true, true, false}, true, {1, 0, 1}},
        {"AND of none", {false, false, false}, true, {1, 1, 1}},
        {"OR of one", {true, false, false}, false, {0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        open(document());
        m.SwitchEnabled({true, false}, c.keywords, c.all, false);
        std::vector<int> got;
        for (const auto& u : m.tree()[0].children[0].children)
            got.push_back(u.node.node().attribute("enabled").as_int());
        EXPECT_EQ(got, c.lengthEnabled);
    }
    // Only the checked domains; a keyword inside a longer one does not match.
    open(document());
    m.SwitchEnabled({false, true}, {true, true, true}, false, false);
    EXPECT_EQ(m.tree()[0].children[0].children[1].node.node().attribute("enabled").as_int(), 1);
    open(std::string(document()).replace(document().find("kw='old'"), 8, "kw='older'"));
    EXPECT_EQ(m.SwitchEnabled({true, true}, {false, false, true}, false, false), 0);
}

TEST_F(UnitEdit, StatisticsCountConversionsOfCompoundCategories) {
    std::string units;
    for (int i = 0; i < 9; ++i)
        units += "<unit name='l" + std::to_string(i) + "' type='factor' enabled='0' symbol='l" +
                 std::to_string(i) + "' factor='2'/>";
    std::string times;
    for (int i = 0; i < 4; ++i)
        times += "<unit name='t" + std::to_string(i) + "' type='factor' enabled='1' symbol='t" +
                 std::to_string(i) + "' factor='2'/>";
    open("<UnitsData><description keywords=''/><domain name='D' enabled='0'>"
         "<category name='L' type='root' enabled='1'><unit name='metre' type='si-unit' "
         "enabled='1' symbol='m'/>" +
         units +
         "</category><category name='T' type='root' enabled='0'><unit name='second' "
         "type='si-unit' enabled='1' symbol='s'/>" +
         times +
         "</category><category name='V' type='comp' enabled='1'><unit name='mps' "
         "type='si-unit' enabled='1' symbol='m/s'/><unit name='kmh' type='factor' "
         "enabled='1' symbol='km/h'/></category></domain></UnitsData>");
    EditStats s = m.Statistics();
    EXPECT_EQ(s.conversions, 65);
    EXPECT_EQ(s.catsTotal, 3);
    EXPECT_EQ(s.catsEnabled, 2);
    EXPECT_EQ(s.unitsTotal, 17);
    EXPECT_EQ(s.unitsEnabled, 3); // metre, mps, kmh: the time units sit in a disabled category

    open(document(R"(<domain name='X' enabled='1'><category name='A' type='comp' enabled='1'>
      <unit name='q' type='si-unit' enabled='1' symbol='m/zz'/></category></domain>)"));
    EXPECT_THROW(m.Statistics(), EM);
}

} // namespace
