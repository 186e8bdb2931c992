#include "core/engine/tconvert.h"
#include "core/session/convertersession.h"
#include "core/text/em.h"
#include "core/views/simplemodel.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {
struct Simple : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(session.load());
        io.Init();
        io.OnValueChange = [this] { model.OnSourceChange(); };
        model.LogIt = [this] { ++logged; };
    }
    /// Execute over a fresh source with an empty target.
    void show(const std::string& source) {
        {
            // A new unit part reaches the view through Execute, as on entering its tab.
            const FlagGuard quiet = io.protect();
            io.setSource(source);
            io.setTarget("");
        }
        model.Execute();
    }
    TfmSimpleOneModel& row(int i) { return *model.sOnes().at(static_cast<size_t>(i)); }
    static std::vector<std::string> symbols(const std::vector<TfmSimpleOneModel*>& rows) {
        std::vector<std::string> out;
        for (auto* r : rows)
            out.push_back(r->Dim()->Unit()->Symbol());
        return out;
    }
    static int pos(const TfmSimpleOneModel& r, const std::string& text) {
        for (size_t p = 0; p < r.items().size(); ++p)
            if (r.items()[p].text == text) return static_cast<int>(p);
        ADD_FAILURE() << "no entry " << text;
        return -1;
    }
    static std::string shown(const TfmSimpleOneModel& r, bool out) {
        return r.items().at(static_cast<size_t>(out ? r.outPos() : r.inPos())).text;
    }

    RecordingMessages messages;
    ConverterSession session{messages, TARNEL_FIXTURES "/engine.unt"};
    TfmIOModel io{session.abbreviations(), [this] { return session.prec(); }};
    TfmSimpleModel model{io, session.iConvert(), session.oConvert()};
    int logged = 0;
};
} // namespace

TEST_F(Simple, RowsStandAboveAndBelowTheBar) {
    using Syms = std::vector<std::string>;
    struct Case {
        const char* source;
        Syms upper, lower;
        const char* caption;
    } cases[] = {
        {"3 [kg.m^2/s^3]", {"kg", "m"}, {"s"}, ""},
        {"5 [m/s]", {"m"}, {"s"}, ""},
        {"5", {}, {}, "1"},
        {"2 [1/s]", {}, {"s"}, "1"},
        {"20 [°C]", {"°C"}, {}, ""},
        // Combined, a rule unit gets no row, yet the numerator is not "1".
        {"20 [°C/s]", {}, {"s"}, ""},
        // Units the data does not know get no row.
        {"3 [xyz.m]", {"m"}, {}, ""},
        {"3 [m/xyz.s]", {"m"}, {"s"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        show(c.source);
        EXPECT_EQ(symbols(model.rows(false)), c.upper);
        EXPECT_EQ(symbols(model.rows(true)), c.lower);
        EXPECT_EQ(model.upperCaption(), c.caption);
        // The last row of each panel shows no "x".
        for (bool lower : {false, true}) {
            const auto rows = model.rows(lower);
            for (size_t k = 0; k < rows.size(); ++k)
                EXPECT_EQ(rows[k]->xShown, k + 1 < rows.size());
        }
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Simple, CompoundSourceConvertsPerRow) {
    show("3 [kg.m^2/s^3]");
    ASSERT_EQ(model.sOnes().size(), 3u);
    EXPECT_EQ(io.Target(), "3 [kg.m^2/s^3]");
    EXPECT_EQ(row(0).name, "iSimples0");
    EXPECT_EQ(shown(row(0), true), "kilogram [kg]");
    // Length squared has the Area category beside it.
    EXPECT_TRUE(row(1).supShown());
    EXPECT_EQ(row(1).plusCaption(), "  Length^2");
    EXPECT_EQ(row(1).l2Caption(), " = Area");
    EXPECT_EQ(shown(row(1), true), "sq.metre [m^2]");
    EXPECT_EQ(row(2).catCaption(), "  Time");
    EXPECT_EQ(row(2).degreeText(), "3");

    row(0).chooseOut(pos(row(0), "gram [g]"));
    EXPECT_EQ(io.Target(), "3000 [g.m^2/s^3]");
    EXPECT_EQ(row(0).outHint(), "| " + row(0).Dim()->UnitAt(1)->Comment());
    row(1).chooseOut(pos(row(1), "sq.centimetre [cm^2]"));
    EXPECT_EQ(io.Target(), "30000000 [g.cm^2/s^3]");
    row(2).chooseOut(pos(row(2), "minute [min]"));
    EXPECT_EQ(io.Target(), "6.48E12 [g.cm^2/min^3]");
    EXPECT_EQ(logged, 3);

    // Typing reconverts with the rows as they are.
    io.userEdited("1");
    EXPECT_EQ(io.Target(), "2.16E12 [g.cm^2/min^3]");
    EXPECT_EQ(logged, 3);
}

TEST_F(Simple, SourceUnitKeepsTheTypedNumber) {
    show("1.23456789 [m]");
    row(0).chooseIn(pos(row(0), "foot [ft]"));
    EXPECT_EQ(io.Source(), "1.23456789 [ft]");
    EXPECT_EQ(io.Target(), "0.3762962929 [m]");
}

TEST_F(Simple, RuleUnitAlone) {
    show("20 [°C]");
    EXPECT_FALSE(row(0).degreeButtonsShown());
    row(0).degreeUp();
    EXPECT_EQ(io.Source(), "20 [°C]");
    row(0).chooseOut(pos(row(0), "kelvin [K]"));
    EXPECT_EQ(io.Target(), "293.15 [K]");
}

TEST_F(Simple, DegreeButtonsKeepTheSignAndTheRange) {
    show("5 [m/s]");
    TfmSimpleOneModel& s = row(1);
    s.degreeDown();
    EXPECT_EQ(io.Source(), "5 [m/s]");
    s.degreeUp();
    EXPECT_EQ(io.Source(), "5 [m/s^2]");
    EXPECT_TRUE(s.lower());
    for (int k = 0; k < 10; ++k)
        s.degreeUp();
    EXPECT_EQ(io.Source(), "5 [m/s^9]");
    EXPECT_EQ(s.degreeText(), "9");
    row(0).degreeUp();
    EXPECT_EQ(io.Source(), "5 [m^2/s^9]");
    EXPECT_EQ(shown(row(0), false), "sq.metre [m^2]");
}

TEST_F(Simple, DegreeChangeIntoAnotherSupplementaryCategory) {
    struct Case {
        const char* source;
        bool up;
        const char* degreeSource;
        const char* pick;
        const char* target;
    } cases[] = {
        // The litre means nothing as an area: the row falls back to the core unit.
        {"3 [L]", false, "3 [m^2]", "hectare [ha]", "0.0003 [ha]"},
        {"3 [mL]", true, "3 [m^4]", "centimetre [cm]", "300000000 [cm^4]"},
        {"3 [ha]", true, "3 [m^3]", "litre [L]", "3000 [L]"},
        {"3 [ha]", false, "3 [m]", "kilometre [km]", "0.003 [km]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        show(c.source);
        ASSERT_EQ(model.sOnes().size(), 1u);
        if (c.up)
            row(0).degreeUp();
        else
            row(0).degreeDown();
        EXPECT_EQ(io.Source(), c.degreeSource);
        EXPECT_EQ(io.Target(), c.degreeSource);
        row(0).chooseOut(pos(row(0), c.pick));
        EXPECT_EQ(io.Target(), c.target);
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Simple, ExecuteKeepsTheTargetUnitOfTheSameCategory) {
    show("5 [km/h]");
    row(0).chooseOut(pos(row(0), "metre [m]"));
    row(1).chooseOut(pos(row(1), "second [s]"));
    const std::string target = io.Target();
    model.Execute();
    EXPECT_EQ(shown(row(0), true), "metre [m]");
    EXPECT_EQ(shown(row(1), true), "second [s]");
    EXPECT_EQ(io.Target(), target);

    // A litre's target in hectares names no unit of the volume list: the row starts over.
    {
        const FlagGuard quiet = io.protect();
        io.setSource("3 [L]");
        io.setTarget("0.0003 [ha]");
    }
    model.Execute();
    EXPECT_EQ(shown(row(0), true), "litre [L]");
    EXPECT_EQ(io.Target(), "3 [L]");
}

TEST_F(Simple, EngineChangedBehindTheRowsIsAnError) {
    show("5 [m/s]");
    session.iConvert().setField("5 [m]"); // another view used the engine
    EXPECT_THROW(model.OnSourceChange(), EM);
    row(1).degreeUp(); // its dimension is gone: nothing happens
    model.Execute();
    EXPECT_EQ(model.sOnes().size(), 2u);
}

TEST_F(Simple, EngineMessagesAreKeptNotShown) {
    show("5 [m.km]");
    EXPECT_TRUE(model.sOnes().empty() || model.rows(false).size() <= 1);
    EXPECT_EQ(model.lastMessage(), "Duplicated units categories - Length / Length");
    EXPECT_TRUE(messages.texts.empty());
    show("5 [m]");
    EXPECT_EQ(model.lastMessage(), "");
}
