#include "core/engine/tconvert.h"
#include "core/evaluator/tparser.h"
#include "core/text/em.h"
#include "core/text/messages.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tarnel;

namespace {
class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        src.LoadFromFile(TARNEL_FIXTURES "/engine.unt");
        trg.LoadFromDocument(src.Document());
        src.ValFix = true;
        src.setPrec(7);
        trg.setPrec(7);
    }
    int unitIdx(const TConvert& e, int dim, const std::string& sym) {
        return e.Dims(dim)->IndexOfSymbol(sym);
    }
    TParser parser;
    RecordingMessages rec;
    TConvert src{parser, rec};
    TConvert trg{parser, rec};
};
} // namespace

TEST_F(Engine, DimensionByDimension) {
    trg.setPrec(3);
    trg.setField("5 [km/h]");
    ASSERT_EQ(trg.DimCount(), 2);
    trg.Dims(0)->setUnitIdx(unitIdx(trg, 0, "m"));
    trg.Dims(1)->setUnitIdx(unitIdx(trg, 1, "s"));
    EXPECT_EQ(trg.Field(), "1.39 [m/s]");

    trg.setPrec(7);
    trg.setField("2 [m^2]");
    trg.Dims(0)->setUnitIdx(unitIdx(trg, 0, "cm"));
    EXPECT_DOUBLE_EQ(trg.Value(), 20000);
    EXPECT_EQ(trg.Field(), "20000 [cm^2]");
}

TEST_F(Engine, FixedValueModeKeepsWhatWasTyped) {
    src.setField("5.0 [km]");
    src.Dims(0)->setUnitIdx(unitIdx(src, 0, "m"));
    EXPECT_EQ(src.Field(), "5.0 [m]");
    src.setValue(7);
    EXPECT_EQ(src.Value(), 7);
    trg.setValue(7); // ignored without ValFix
    EXPECT_NE(trg.Value(), 7);
    src.setField("[m]");
    EXPECT_EQ(src.Field(), " [m]");
    trg.setField("[m]");
    EXPECT_EQ(trg.Field(), "NAN [m]");
}

TEST_F(Engine, SupplementaryUnits) {
    trg.setField("3 [L]");
    ASSERT_EQ(trg.DimCount(), 1);
    EXPECT_EQ(trg.Dims(0)->Degree(), 3);
    EXPECT_TRUE(trg.Dims(0)->IsInSupCat());
    EXPECT_EQ(trg.Dims(0)->Cat()->Name(), "Length");
    trg.Convert2SI();
    EXPECT_DOUBLE_EQ(trg.Value(), 0.003);
    EXPECT_EQ(trg.Field(), "0.003 [m^3]");

    trg.setField("3 [kg/L]");
    EXPECT_EQ(trg.Dims(1)->Degree(), -3);
    trg.Convert2SI();
    EXPECT_DOUBLE_EQ(trg.Value(), 3000);
    EXPECT_EQ(trg.Field(), "3000 [kg/m^3]");

    // A target power that names the supplementary core unit, or a unit of the root
    // category with the dimension's degree.
    trg.setField("3 [L]");
    EXPECT_TRUE(trg.Convert2Dim("m^3", true));
    EXPECT_EQ(trg.Field(), "0.003 [m^3]");
    trg.setField("1 [L/s]");
    EXPECT_TRUE(trg.Convert2Dim("cm^3/s", true));
    EXPECT_EQ(trg.Field(), "1000 [cm^3/s]");
    trg.setField("1 [ha]");
    EXPECT_TRUE(trg.Convert2Dim("cm^2", true));
    EXPECT_EQ(trg.Field(), "1E08 [cm^2]");

    // A degree change leaves the supplementary category the unit came from: the unit
    // index must not name another category's unit (1 L read as 1 ha) or none at all.
    struct DegreeCase {
        const char* field;
        int degree;
        const char* shown;
    } cases[] = {{"1 [mL]", 2, "1 [m^2]"},
                 {"1 [L]", 2, "1 [m^2]"},
                 {"1 [L]", 1, "1 [m]"},
                 {"1 [L]", 3, "1 [L]"},
                 {"1 [ha]", 3, "1 [m^3]"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " at degree " + std::to_string(c.degree));
        trg.setField(c.field);
        trg.Dims(0)->setDegree(c.degree);
        EXPECT_EQ(trg.Field(), c.shown);
    }
}

TEST_F(Engine, RuleUnits) {
    trg.setPrec(3);
    trg.setField("20 [°C]");
    trg.Dims(0)->setUnitIdx(unitIdx(trg, 0, "K"));
    EXPECT_DOUBLE_EQ(trg.Value(), 293.15);
    EXPECT_EQ(trg.Field(), "293 [K]");

    trg.setPrec(7);
    struct Case {
        const char* from;
        const char* to;
        const char* want;
    } cases[] = {
        {"20 [°C]", "°F", "68 [°F]"},
        {"-40 [°F]", "°C", "-40 [°C]"}, // a negative value in "#-32" style formulas
        {"-273.15 [°C]", "K", "0 [K]"},
        {"1e-7 [°C]", "K", "273.15 [K]"}, // exponent texts substitute correctly too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        trg.setField(c.from);
        EXPECT_TRUE(trg.Convert2AnyUnit(c.to));
        EXPECT_EQ(trg.Field(), c.want);
    }
    // A missing value passes through as NaN without a formula error.
    trg.setField("[°C]");
    EXPECT_TRUE(trg.Convert2AnyUnit("K"));
    EXPECT_TRUE(std::isnan(trg.Value()));

    trg.setField("5 [°C/s]");
    ASSERT_EQ(trg.DimCount(), 2);
    EXPECT_FALSE(trg.Dims(0)->Ready());
    const double before = trg.Value();
    trg.Dims(0)->setUnitIdx(unitIdx(trg, 0, "K"));
    EXPECT_EQ(trg.Value(), before);
    EXPECT_TRUE(rec.texts.empty());
}

TEST_F(Engine, FieldErrorsDropTheWholeField) {
    struct Case {
        const char* field;
        const char* message;
    } cases[] = {
        {"5 [1/°C]", "Category with rule-based units cannot have exponent"},
        {"1 [W/m.K]", "Category with rule-based units cannot have exponent"},
        {"1 [ha^2]", "Unit from supplemental categories cannot have exponent."},
        {"1 [m.km]", "Duplicated units categories - Length / Length"},
        {"1 [L.m]", "Duplicated units categories - Length / Length"},
        {"1 [m.ha]", "Duplicated units categories - Area / Length"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        rec.texts.clear();
        trg.setField(c.field);
        ASSERT_EQ(rec.texts.size(), 1u);
        EXPECT_EQ(rec.texts[0], c.message);
        EXPECT_EQ(trg.DimCount(), 0);
        EXPECT_FALSE(trg.Enabled());
        EXPECT_EQ(trg.Field(), "NAN []");
        src.setField(c.field);
        EXPECT_EQ(src.Field(), " []");
    }
    rec.texts.clear();
    trg.setField("1 [m]");
    EXPECT_FALSE(trg.InsertUnit(TConvert::kAppendQuietly, {"km", 1})); // refused without a message
    EXPECT_TRUE(rec.texts.empty());
}

TEST_F(Engine, UnknownAndCompoundSymbols) {
    trg.setField("7 [xyz]");
    ASSERT_EQ(trg.DimCount(), 1);
    EXPECT_FALSE(trg.Dims(0)->Ready());
    EXPECT_EQ(trg.Field(), "7 [xyz]");
    trg.setField("7");
    EXPECT_EQ(trg.DimCount(), 0);
    EXPECT_FALSE(trg.Enabled());
    EXPECT_EQ(trg.Field(), "7 []");
}

TEST_F(Engine, Convert2AnyUnitAndConvert2Dim) {
    trg.setField("36 [km/h]");
    EXPECT_TRUE(trg.Convert2AnyUnit("m/s"));
    EXPECT_EQ(trg.Field(), "10 [m/s]");
    EXPECT_TRUE(trg.Convert2AnyUnit("m/s")); // already there: nothing changes
    EXPECT_THROW(trg.Convert2AnyUnit("kg"), EM);
    try {
        trg.Convert2AnyUnit("kg");
    } catch (const EM& e) {
        EXPECT_STREQ(e.what(), "Categories don't match.");
    }
    EXPECT_FALSE(trg.Convert2AnyUnit("nope"));

    trg.setField("1 [km^2]");
    EXPECT_TRUE(trg.Convert2Dim("m", true)); // degrees of the target are not compared
    EXPECT_EQ(trg.Field(), "1000000 [m^2]");
    trg.setField("1 [m/s]");
    EXPECT_FALSE(trg.Convert2Dim("m", false));
    EXPECT_TRUE(rec.texts.empty());
    try {
        trg.Convert2Dim("m", true);
        FAIL();
    } catch (const EM& e) {
        EXPECT_STREQ(e.what(), "Different number of units.");
    }
    try {
        trg.Convert2Dim("m/kg", true);
        FAIL();
    } catch (const EM& e) {
        EXPECT_STREQ(e.what(), "Unknown unit - kg");
    }
}

TEST_F(Engine, DegreeOnANonRootDimensionIsAnInternalError) {
    trg.setField("1 [xyz]");
    try {
        trg.Dims(0)->setDegree(2);
        FAIL();
    } catch (const EM& e) {
        EXPECT_STREQ(e.what(), "internal error #554");
    }
}
