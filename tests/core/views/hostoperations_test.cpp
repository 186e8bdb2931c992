#include "core/views/hostoperations.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {
struct Host : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(session.load()); }
    RecordingMessages shown;
    ConverterSession session{shown, TARNEL_FIXTURES "/engine.unt"};
    HostOperations host{session};
};
} // namespace

TEST_F(Host, NothingBeforeTheEnginesExist) {
    double v = 5;
    EXPECT_FALSE(host.ConvertDim2Dim(v, "km", "m", true));
    EXPECT_EQ(v, 5);
    EXPECT_FALSE(host.UnitList("m", false, false));
    EXPECT_TRUE(host.AllUnitList(false).empty());
    EXPECT_TRUE(shown.texts.empty());
}

TEST_F(Host, ConvertDim2DimWithAndWithoutMessages) {
    host.setReady(true);
    struct Case {
        double value;
        const char* source;
        const char* target;
        bool errMsg;
        bool ok;
        double result;
        const char* message;
    } cases[] = {
        {5, "km/h", "m/s", false, true, 5 / 3.6, ""},
        {2, "ha", "m^2", false, true, 20000, ""},
        {5, "km", "m.s", false, false, 5, ""},
        {5, "km", "m.s", true, false, 5, "Different number of units."},
        {5, "km", "kg", true, false, 5, "Unknown unit - kg"},
        {5, "km", "m+", false, false, 5, ""},
        {5, "km", "m+", true, false, 5, "Only \".\" and \"/\" operators are allowed in dim part."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " -> " + c.target);
        shown.texts.clear();
        double v = c.value;
        EXPECT_EQ(host.ConvertDim2Dim(v, c.source, c.target, c.errMsg), c.ok);
        EXPECT_NEAR(v, c.result, 1e-9 * c.result);
        EXPECT_EQ(shown.texts.empty() ? "" : shown.texts.front(), std::string(c.message));
    }
}

TEST_F(Host, UnitLists) {
    host.setReady(true);
    EXPECT_EQ(*host.UnitList("°C", false, false), (std::vector<std::string>{"K"}));
    EXPECT_FALSE(host.UnitList("°C", true, false)); // a rule unit with SimpleOnly
    EXPECT_EQ(*host.UnitList(" km ", true, true),
              (std::vector<std::string>{"metre [m]", "kilometre [km]", "centimetre [cm]",
                                        "foot [ft]", "micrometre [um]"}));
    EXPECT_FALSE(host.UnitList("KM", false, false)); // symbols compare exactly
    const auto all = host.AllUnitList(false);
    EXPECT_EQ(all.front(), "m");
    EXPECT_EQ(all.size(), static_cast<size_t>(session.iConvert().AllUnits.Count()));
    EXPECT_EQ(host.AllUnitList(true).front(), "metre [m]");
}
