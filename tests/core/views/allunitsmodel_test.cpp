#include "core/views/allunitsmodel.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {
/// Both views over the shipped unit data, the panel as the main window leaves it.
struct AllUnits : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(session.load());
        view.OnLogIt = [this] { ++logged; };
        view.OnMessage = [this](const std::string& m) { messages.push_back(m); };
        view.Init();
        compose.setComposeMode(true);
        compose.Init();
    }
    std::string source() const { return io.Source(); }
    std::string target() const { return io.Target(); }
    int rowOf(const std::string& symbol) const {
        for (size_t r = 0; r < view.rows().size(); ++r)
            if (view.rows()[r].symbol == symbol) return static_cast<int>(r);
        return -1;
    }
    std::string selectedCategory() const {
        const TreeCategory* c =
            view.tree().category(view.selected().domain, view.selected().category);
        return c ? c->name : "";
    }

    RecordingMessages shown;
    ConverterSession session{shown, TARNEL_DATA "/default.unt"};
    TfmIOModel io{session.abbreviations(), [this] { return session.prec(); }};
    TfmAllUnitsModel view{session, io};
    TfmAllUnitsModel compose{session, io};
    int logged = 0;
    std::vector<std::string> messages;
};
} // namespace

TEST_F(AllUnits, TreeOfDomainsAndCategories) {
    const CategoryTreeModel& tree = view.tree();
    ASSERT_FALSE(tree.domains().empty());
    const TreeCategory* length = tree.category(0, 0);
    ASSERT_TRUE(length);
    EXPECT_EQ(length->text, "Length (root type)");
    EXPECT_EQ(length->image, TreeCategory::imgRoot);
    EXPECT_EQ(length->colour, 0x640000u);
    EXPECT_EQ(length->hint.substr(0, 22), "| Length [m] (root typ");
    // Every loaded category has its node, and its node its category.
    int nodes = 0;
    for (const TreeDomain& d : tree.domains())
        for (const TreeCategory& c : d.categories) {
            ++nodes;
            EXPECT_TRUE(c.cat) << c.name;
        }
    EXPECT_EQ(nodes, session.iConvert().Count());
    // "All", a separator, then one button per domain with its name as hint.
    ASSERT_EQ(tree.buttons().size(), tree.domains().size() + 2);
    EXPECT_EQ(tree.buttons()[0].hint, "Expand All");
    EXPECT_EQ(tree.buttons()[2].hint, tree.domains()[0].name);
    std::vector<bool> first(tree.domains().size(), false);
    first[0] = true;
    EXPECT_EQ(view.expanded(), first);
    view.domainButtonClicked(tree.domains()[1].name);
    std::vector<bool> second(tree.domains().size(), false);
    second[1] = true;
    EXPECT_EQ(view.expanded(), second);
    view.domainButtonClicked("Expand All");
    EXPECT_EQ(view.expanded(), std::vector<bool>(tree.domains().size(), true));
}

TEST_F(AllUnits, EnteringWithFeetSelectsLengthAndConverts) {
    io.setSource("5 [ft]");
    view.PageChanging(TPageType::ptSimple, TPageType::ptAll);
    EXPECT_EQ(selectedCategory(), "Length");
    EXPECT_EQ(view.sourceRow(), rowOf("ft"));
    EXPECT_EQ(view.targetRow(), rowOf("m")); // the SI row
    EXPECT_EQ(source(), "5 [ft]");
    EXPECT_EQ(target(), "1.524 [m]");
    EXPECT_EQ(view.LastCat, "Length");
    EXPECT_EQ(view.LastUnit, "foot");
    EXPECT_GT(logged, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(AllUnits, PickingRowsRelabelsAndConverts) {
    io.setSource("5 [ft]");
    view.Execute();
    view.selectTargetRow(rowOf("in"));
    EXPECT_EQ(target(), "60 [in]");
    // A source row keeps the typed number and gives it the row's unit.
    view.selectSourceRow(rowOf("km"));
    EXPECT_EQ(source(), "5 [km]");
    EXPECT_EQ(target(), "196850.3937 [in]");
    // Typing reconverts into the selected rows; the guard stops the loop of own writes.
    io.OnValueChange = [this] { view.OnSourceChange(); }; // as the tab change connects it
    logged = 0;
    io.userEdited("2");
    EXPECT_EQ(target(), "78740.15748 [in]");
    EXPECT_EQ(logged, 1);
    EXPECT_FALSE(view.Protege);
}

TEST_F(AllUnits, ClickingCategoryMakesFirstUnitTheSourceAndConvertsToSI) {
    io.setSource("2 [ft]");
    view.Execute();
    const TreeMatch length = view.selected();
    view.selectNode(length.domain, length.category);
    EXPECT_EQ(view.sourceRow(), rowOf("m"));                  // the SI row is highlighted ...
    EXPECT_EQ(source(), "2 [" + view.rows()[0].symbol + "]"); // ... but row 0 is the source
    EXPECT_EQ(target(), "2 [m]");
}

TEST_F(AllUnits, SourcesThatAreNoSingleUnitGetTheFirstUnitOfTheFirstCategory) {
    struct Case {
        const char* source;
        const char* result;
    } cases[] = {
        {"3 [kg.m]", "3 [m]"},
        {"3 [furlong_of_nothing]", "3 [m]"},
        {"3", "3 [m]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        io.setSource(c.source);
        view.PageChanging(TPageType::ptSimple, TPageType::ptAll);
        EXPECT_EQ(selectedCategory(), "Length");
        EXPECT_EQ(source(), c.result);
    }
}

TEST_F(AllUnits, ReenteringRecalculatesWithoutChangingCategory) {
    io.setSource("5 [ft]");
    view.PageChanging(TPageType::ptSimple, TPageType::ptAll);
    view.selectTargetRow(rowOf("in"));
    io.setSource("1 [psi]"); // the number stays and takes the selected source row's unit
    view.PageChanging(TPageType::ptAll, TPageType::ptAll);
    EXPECT_EQ(selectedCategory(), "Length");
    EXPECT_EQ(source(), "1 [ft]");
    EXPECT_EQ(target(), "12 [in]");
    // The compose view does nothing of this.
    io.setSource("2 [ft]");
    compose.Recalc(-1, -1);
    EXPECT_EQ(target(), "12 [in]");
}

TEST_F(AllUnits, ComposeIncludesUnitsWithDegrees) {
    io.ModeLocked = true;
    compose.PageChanging(TPageType::ptEdit, TPageType::ptEdit);
    EXPECT_TRUE(io.EditMode());
    EXPECT_TRUE(io.ModeLocked);
    EXPECT_EQ(compose.sourceCaption(), " Units to be included ");
    EXPECT_FALSE(compose.targetVisible());
    ASSERT_GE(compose.selected().category, 0);
    io.setSource("3 [m]");
    // The category of s: the time category.
    int ci, ui;
    ASSERT_TRUE(session.iConvert().WhereIsUnit("s", ci, ui));
    const TreeMatch time = compose.tree().find(session.iConvert().Items(ci));
    compose.selectNode(time.domain, time.category);
    EXPECT_EQ(source(), "3 [m]"); // no Recalc in compose mode
    compose.selectSourceRow(ui);
    EXPECT_EQ(source(), "3 [m]");
    compose.include(+1); // a double click
    EXPECT_EQ(source(), "3 [m.s]");
    compose.include(-1);
    EXPECT_EQ(source(), "3 [m]");
    compose.include(-1);
    EXPECT_EQ(source(), "3 [m/s]");
    // A compound symbol brings each of its units.
    ASSERT_TRUE(session.iConvert().WhereIsUnit("m/s^2", ci, ui));
    const TreeMatch acc = compose.tree().find(session.iConvert().Items(ci));
    compose.selectNode(acc.domain, acc.category);
    compose.selectSourceRow(ui);
    compose.include(+1);
    EXPECT_EQ(source(), "3 [m^2/s^3]");
    // Leaving the Edit tab ends edit mode; the lock is set again.
    compose.PageChanging(TPageType::ptEdit, TPageType::ptSimple);
    EXPECT_FALSE(io.EditMode());
    EXPECT_TRUE(io.ModeLocked);
    // Outside compose mode nothing is included.
    io.setSource("3 [m]");
    view.include(+1);
    EXPECT_EQ(source(), "3 [m]");
}

TEST_F(AllUnits, LayoutRatios) {
    EXPECT_EQ(view.treeWidth(301), 150); // halves go to even
    view.splitterMoved(100, 400);
    EXPECT_DOUBLE_EQ(view.SplitRatio, 0.25);
    view.splitterMoved(100, 0); // no width: the ratio stays
    EXPECT_DOUBLE_EQ(view.SplitRatio, 0.25);
    EXPECT_EQ(TfmAllUnitsModel::targetHeight(201), 100);
    view.Init();
    EXPECT_DOUBLE_EQ(view.SplitRatio, 0.5);
}

TEST_F(AllUnits, SearchKeepsMatchingCategoriesAndScrollsToTheUnit) {
    auto names = [this] {
        std::vector<std::string> out;
        for (const TreeMatch& m : view.visible())
            out.push_back(view.tree().category(m.domain, m.category)->name);
        return out;
    };
    auto has = [](const std::vector<std::string>& v, const std::string& s) {
        return std::find(v.begin(), v.end(), s) != v.end();
    };
    const size_t all = view.visible().size();
    struct Case {
        const char* text;
        const char* kept;    // a category that stays
        const char* dropped; // one that goes
    } cases[] = {
        {"psi", "Pressure and stress", "Length"},
        {"PSI", "Pressure and stress", "Length"},
        {"fur", "Length", "Pressure and stress"},
        {"  length ", "Length", "Pressure and stress"},
        {"lëngth", "Length", "Pressure and stress"}, // accents do not count
        {"LENGTH", "Length", "Mass"},
        {"kg", "Mass", "Length"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        view.setSearchText(c.text);
        const auto kept = names();
        EXPECT_TRUE(has(kept, c.kept));
        EXPECT_FALSE(has(kept, c.dropped));
        EXPECT_LT(kept.size(), all);
    }
    view.setSearchText("no such unit anywhere");
    EXPECT_TRUE(view.visible().empty());
    view.setSearchText("");
    EXPECT_EQ(view.visible().size(), all);

    // Found through a unit: the grid scrolls to it, complete and with the SI row selected.
    view.setSearchText("fur");
    for (const TreeMatch& m : view.visible())
        if (view.tree().category(m.domain, m.category)->name == "Length") {
            view.selectNode(m.domain, m.category);
            EXPECT_EQ(view.scrollRow(), rowOf("fur"));
            EXPECT_EQ(static_cast<int>(view.rows().size()),
                      view.tree().category(m.domain, m.category)->cat->Units.Count());
            EXPECT_EQ(view.sourceRow(), rowOf("m"));
        }
}
