#include "core/engine/tconvert.h"
#include "core/session/convertersession.h"
#include "core/views/integconvmodel.h"
#include "core/views/simplemodel.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {
struct IntegConv : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(session.load());
        io.Init();
        model.Active = true;
        model.LogIt = [this] { ++logged; };
        model.Init();
    }
    /// Selects the category node with this name.
    void pick(const std::string& name) {
        const auto& doms = model.tree().domains();
        for (size_t d = 0; d < doms.size(); ++d)
            for (size_t c = 0; c < doms[d].categories.size(); ++c)
                if (doms[d].categories[c].name == name) {
                    model.selectNode(static_cast<int>(d), static_cast<int>(c));
                    return;
                }
        FAIL() << "no category " << name;
    }
    size_t rows() const { return sm.rows(false).size() + sm.rows(true).size(); }

    RecordingMessages messages;
    ConverterSession session{messages, TARNEL_FIXTURES "/engine.unt"};
    TfmIOModel io{session.abbreviations(), [this] { return session.prec(); }};
    TfmSimpleModel sm{io, session.iConvert(), session.oConvert()};
    TfmIntegConvModel model{session, io, sm};
    int logged = 0;
};
} // namespace

TEST_F(IntegConv, EnterBracketAndEditButtonToggleEditMode) {
    model.Execute("5 [km]");
    ASSERT_EQ(rows(), 1u);
    EXPECT_EQ(io.Target(), "5 [km]");

    // Enter toggles here (the mode is not locked); the Edit button follows.
    EXPECT_FALSE(io.keyPress('\r'));
    EXPECT_TRUE(io.EditMode());
    EXPECT_TRUE(model.editDown());
    EXPECT_EQ(rows(), 0u);
    EXPECT_TRUE(io.TargetEmpty());
    io.keyPress('\r');
    EXPECT_FALSE(io.EditMode());
    EXPECT_FALSE(model.editDown());
    EXPECT_EQ(rows(), 1u);
    EXPECT_EQ(io.Target(), "5 [km]");

    io.keyPress('[');
    EXPECT_TRUE(model.editDown());
    model.setEditDown(false);
    EXPECT_FALSE(io.EditMode());
    EXPECT_EQ(rows(), 1u);
    model.setEditDown(true);
    EXPECT_TRUE(io.EditMode());
    EXPECT_EQ(rows(), 0u);
}

TEST_F(IntegConv, NumeratorAndDenominatorMergeWithTheSameCategory) {
    struct Case {
        const char* source;
        const char* category;
        std::vector<int> signs;
        const char* expected;
    } cases[] = {
        {"5 [km]", "Length", {+1}, "5 [km^2]"}, {"5 [km]", "Length", {+1, -1}, "5 [km]"},
        {"5 [km]", "Time", {-1}, "5 [km/s]"},   {"5 [ha]", "Length", {+1}, "5 [m^3]"},
        {"5 [ha]", "Length", {-1}, "5 [m]"},    {"5 [s]", "Length", {+1}, "5 [s.m]"},
        {"5 [m/s]", "Time", {+1}, "5 [m]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source + std::string(" ") + c.category);
        io.setTarget("");
        model.Execute(c.source);
        pick(c.category);
        ASSERT_TRUE(model.nomerEnabled());
        const int before = logged;
        for (int s : c.signs)
            model.include(s);
        EXPECT_EQ(io.Source(), c.expected);
        // The rows were rebuilt for the new units: a keystroke converts over them.
        EXPECT_NO_THROW(io.userEdited("7"));
        EXPECT_EQ(logged - before, static_cast<int>(c.signs.size()));
        EXPECT_FALSE(io.TargetEmpty());
    }
}

TEST_F(IntegConv, InEditModeNumeratorChangesOnlyTheSource) {
    model.Execute("5 [km]");
    pick("Length");
    model.setEditDown(true);
    model.include(+1);
    EXPECT_EQ(io.Source(), "5 [km^2]");
    EXPECT_TRUE(io.TargetEmpty());
    EXPECT_EQ(logged, 0);
    model.setEditDown(false);
    EXPECT_EQ(rows(), 1u);
    EXPECT_EQ(io.Target(), "5 [km^2]");
}

TEST_F(IntegConv, NothingIsIncludedWithoutACategory) {
    model.Execute("5 [km]");
    EXPECT_FALSE(model.nomerEnabled());
    model.include(+1);
    model.selectNode(0, -1); // a domain node
    EXPECT_FALSE(model.nomerEnabled());
    model.include(+1);
    EXPECT_EQ(io.Source(), "5 [km]");
    EXPECT_EQ(logged, 0);
}

TEST_F(IntegConv, ExecuteWithAndWithoutAUnitPart) {
    struct Case {
        const char* source;
        const char* shown;
        const char* target;
        size_t rows;
    } cases[] = {
        {"5 [km]", "5 [km]", "5 [km]", 1},
        {"3 [kg.m/s^2]", "3 [kg.m/s^2]", "3 [kg.m/s^2]", 3},
        {"7", "7[]", "7 []", 0},
        {"2 [km]", "2 [km]", "2 [km]", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        io.setTarget("");
        model.Execute(c.source);
        EXPECT_EQ(io.Source(), c.shown);
        EXPECT_EQ(io.Target(), c.target);
        EXPECT_EQ(rows(), c.rows);
    }
    // A source with other units put back from elsewhere rebuilds the rows instead of
    // converting over rows that no longer match.
    io.setSource("4 [s]");
    EXPECT_EQ(rows(), 1u);
    EXPECT_NO_THROW(io.userEdited("6"));
    EXPECT_EQ(io.Source(), "6 [s]");
}

TEST_F(IntegConv, TreeShowsTheSiUnitBesideEachCategory) {
    const TreeCategory* length = model.tree().category(0, 0);
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length->text, "Length [m]");
    model.selectNode(0, 0);
    EXPECT_EQ(model.LastCat, "Length [m]");
    EXPECT_TRUE(model.nomerEnabled());
    model.selectNode(-1, -1);
    EXPECT_FALSE(model.nomerEnabled());
}
