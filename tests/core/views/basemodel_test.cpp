#include "core/views/basemodel.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarnel;

namespace {
/// The Base view over the shipped unit data, connected to the panel as on its tab.
struct Base : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(session.load());
        session.iConvert().ValFix = true;
        view.Init();
        io.OnValueChange = [this] { view.OnSourceChange(); };
    }
    void enter(const std::string& source) {
        io.setSource(source);
        view.PageChanging(TPageType::ptSimple, TPageType::ptBase);
    }
    int rowOf(const std::string& symbol) const {
        const auto& all = view.allBaseUnits();
        for (size_t r = 0; r < all.size(); ++r)
            if (all[r].sym == symbol) return static_cast<int>(r);
        return -1;
    }

    RecordingMessages shown;
    ConverterSession session{shown, TARNEL_DATA "/default.unt"};
    TfmIOModel io{session.abbreviations(), [this] { return session.prec(); }};
    TfmBaseModel view{session, io};
};
} // namespace

TEST_F(Base, ListsCoreUnitsWithBaseDefinitions) {
    const auto& all = view.allBaseUnits();
    ASSERT_GE(rowOf("N"), 0);
    EXPECT_EQ(all[static_cast<size_t>(rowOf("N"))].def, "m.kg/s^2");
    EXPECT_EQ(all[static_cast<size_t>(rowOf("J"))].def, "m^2.kg/s^2");
    EXPECT_GE(rowOf("m"), 0);
    EXPECT_EQ(rowOf("km"), -1); // not a core unit
}

TEST_F(Base, KilojouleToBaseUnitsAndBack) {
    enter("10 [kJ]");
    EXPECT_EQ(io.Source(), "10000 [J]");
    EXPECT_EQ(io.Target(), "10000 [m^2.kg/s^2]");
    ASSERT_EQ(view.replaced().size(), 1u);
    EXPECT_EQ(view.replaced()[0].sym, "J");
    EXPECT_EQ(view.replaced()[0].degree, 1);
    EXPECT_EQ(view.includedRowCount(), 10);

    view.include(rowOf("J"), +1);
    EXPECT_EQ(io.Target(), "10000 [J]");
    ASSERT_EQ(view.included().size(), 1u);
    EXPECT_EQ(view.included()[0].degree, 1);
    view.include(rowOf("J"), -1); // back to zero: the row goes
    EXPECT_TRUE(view.included().empty());
    EXPECT_EQ(io.Target(), "10000 [m^2.kg/s^2]");

    // Typing a new value keeps what was included.
    view.include(rowOf("N"), +1);
    io.userEdited("20000");
    EXPECT_EQ(io.Target(), "20000 [m.N]");
    // The panel's sign cell starts over.
    ASSERT_TRUE(io.OnReExecute);
    io.mouseUp(2, 1, false);
    EXPECT_TRUE(view.included().empty());
    EXPECT_EQ(io.Target(), "20000 [m^2.kg/s^2]");
}

TEST_F(Base, IncludingTwiceGivesTheSquare) {
    enter("1 [N^2]");
    view.include(rowOf("N"), +1);
    view.include(rowOf("N"), +1);
    ASSERT_EQ(view.included().size(), 1u);
    EXPECT_EQ(view.included()[0].degree, 2);
    EXPECT_EQ(io.Target(), "1 [N^2]");
    // Out-of-range rows are clamped to the list.
    view.include(-5, +1);
    EXPECT_EQ(view.included().back().sym, view.allBaseUnits().front().sym);
}

TEST_F(Base, TargetsInBaseUnits) {
    struct Case {
        const char* source;
        const char* si;     // the source after entering
        const char* target; // in base units
    } cases[] = {
        {"3 [S]", "3 [S]", "3 [s^3.A^2/m^2.kg]"}, // siemens, not second
        {"2 [s]", "2 [s]", "2 [s]"},
        {"5 [km/h]", "1.388888889 [m/s]", "1.388888889 [m/s]"},
        {"4 [W.s]", "4 [W.s]", "4 [m^2.kg/s^2]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        enter(c.source);
        EXPECT_EQ(io.Source(), c.si);
        EXPECT_EQ(io.Target(), c.target);
    }
}

TEST_F(Base, UnknownUnitsPassThroughAndTheEngineKeepsItsValue) {
    enter("5 [nosuchunit.km]");
    EXPECT_EQ(view.replaced().size(), 1u); // m
    EXPECT_EQ(io.Target(), "5000 [nosuchunit.m]");
    EXPECT_TRUE(session.iConvert().ValFix);
    EXPECT_TRUE(shown.texts.empty()); // never a message box from a keystroke
}

TEST_F(Base, DimensionlessCoreUnitDisappears) {
    // A core unit defined as "1" (a ratio) drops out of the target.
    const auto& all = view.allBaseUnits();
    const auto one = std::find_if(all.begin(), all.end(), [](const BaseRow& r) {
        return r.def == "1" && r.sym != "rad" && r.sym != "sr";
    });
    ASSERT_NE(one, all.end());
    enter("7 [m." + one->sym + "]");
    EXPECT_EQ(io.Target(), "7 [m]");
}
