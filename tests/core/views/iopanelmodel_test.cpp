#include "core/views/iopanelmodel.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace tarnel;

namespace {
class Panel : public ::testing::Test {
  protected:
    AbbrevList abbr = AbbrevList::fromLines({"deg=°"});
    TfmIOModel io{abbr, [] { return 7; }};
    int valueChanges = 0, modeChanges = 0;
    void SetUp() override {
        io.Init();
        io.OnValueChange = [this] { ++valueChanges; };
        io.OnEditModeChange = [this] { ++modeChanges; };
    }
};
} // namespace

TEST_F(Panel, SourceShownInDisplayFormAndReadBackStored) {
    const std::string longSymbol(300, 'a');
    struct Case {
        std::string written, edit, unitCell, read, error;
    } cases[] = {
        {"5 [deg]", "5", "[°]", "5 [deg]", ""},
        {"  7.5  [ deg / s ]", "7.5", "[°/s]", "7.5 [deg/s]", ""},
        {"3 [m*s²]", "3", "[m.s^2]", "3 [m.s^2]", ""},
        {"3 [m.s^-2]", "3", "[]", "3 []", "Wrong degree number."},
        {"[kg]", "", "[kg]", " [kg]", ""},
        {"5", "5", "", "5[]", ""},
        // No length cut on the unit part: a long symbol survives whole.
        {"1 [" + longSymbol + "]", "1", "[" + longSymbol + "]", "1 [" + longSymbol + "]", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        io.clearLastError();
        io.setSource(c.written);
        EXPECT_EQ(io.editText(), c.edit);
        EXPECT_EQ(io.cell(1, 1), c.unitCell);
        EXPECT_EQ(io.Source(), c.read);
        EXPECT_EQ(io.lastError(), c.error);
    }
}

TEST_F(Panel, TargetShownInDisplayForm) {
    struct Case {
        std::string source, written, cell, read;
        bool empty;
    } cases[] = {
        {"1 [deg]", "1 [deg]", "1 [°]", "1 [deg]", false},
        {"1 [km]", "", "", " []", true},
        {"1 [km]", " []", "", " []", true},
        // Without a value the engine's NaN is dropped from the target, not otherwise.
        {"[kg]", "NAN [g]", " [g]", " [g]", false},
        {"5", "NaN [m]", "NaN [m]", "NaN [m]", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.written);
        io.setSource(c.source);
        io.setTarget(c.written);
        EXPECT_EQ(io.cell(3, 1), c.cell);
        EXPECT_EQ(io.Target(), c.read);
        EXPECT_EQ(io.TargetEmpty(), c.empty);
    }
    io.setSource("2 [deg]");
    io.setTargetEmpty(false);
    EXPECT_EQ(io.cell(3, 1), "2 [°]");
    EXPECT_EQ(io.DimRec(TSrcTrg::Trg).units, (UnitEntries{{"deg", 1}}));
}

TEST_F(Panel, EditModeJoinsAndSplitsTheSource) {
    io.setSource("5 [deg]");
    io.setTarget("0.08726646 [rad]");
    valueChanges = 0;

    io.ModeLocked = true;
    io.setEditMode(true);
    EXPECT_FALSE(io.EditMode());
    EXPECT_EQ(modeChanges, 0);

    io.forceEditMode(true);
    EXPECT_TRUE(io.ModeLocked);
    EXPECT_TRUE(io.EditMode());
    EXPECT_EQ(io.editText(), "5 [deg]");
    EXPECT_EQ(io.Source(), "5 [deg]");
    EXPECT_EQ(io.cell(2, 1), "X");
    EXPECT_EQ(io.editColour(), EditColour::EditMode);
    EXPECT_TRUE(io.TargetEmpty());

    io.userEdited("6 [deg/s]");
    EXPECT_EQ(valueChanges, 1);
    io.forceEditMode(false);
    EXPECT_EQ(io.editText(), "6");
    EXPECT_EQ(io.cell(1, 1), "[°/s]");
    EXPECT_EQ(io.cell(3, 1), "6 [°/s]");
    EXPECT_EQ(io.cell(2, 1), "=");
    EXPECT_EQ(io.editColour(), EditColour::Normal);
    // The switches themselves reconvert nothing; each reports the new mode once.
    EXPECT_EQ(valueChanges, 1);
    EXPECT_EQ(modeChanges, 2);

    io.setSource("5");
    io.forceEditMode(true);
    EXPECT_EQ(io.editText(), "5 []");
}

TEST_F(Panel, KeyFilter) {
    struct Case {
        bool editMode, locked;
        char32_t key;
        KeyAction action;
        bool inserted, editModeAfter;
    } cases[] = {
        {false, false, U'7', KeyAction::Pass, true, false},
        {false, false, U'e', KeyAction::Pass, true, false},
        {false, false, U'E', KeyAction::Pass, true, false},
        {false, false, U'\b', KeyAction::Pass, true, false},
        {false, false, U'x', KeyAction::Swallow, false, false},
        {false, false, U',', KeyAction::Swallow, false, false},
        {false, false, U'°', KeyAction::Swallow, false, false},
        {false, false, U'[', KeyAction::EditModeOn, false, true},
        {false, true, U'[', KeyAction::EditModeOn, false, false},
        {false, false, U'\r', KeyAction::ToggleEditMode, false, true},
        {false, true, U'\r', KeyAction::ToggleEditMode, false, false},
        {true, false, U'x', KeyAction::Pass, true, true},
        {true, false, U'[', KeyAction::Pass, true, true},
        {true, false, U'\r', KeyAction::ToggleEditMode, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + (c.editMode ? " edit" : " value") +
                     (c.locked ? " locked" : ""));
        io.forceEditMode(c.editMode);
        io.ModeLocked = c.locked;
        EXPECT_EQ(io.filterKey(c.key), c.action);
        EXPECT_EQ(io.keyPress(c.key), c.inserted);
        EXPECT_EQ(io.EditMode(), c.editModeAfter);
        io.ModeLocked = false;
    }
}

TEST_F(Panel, ValueColourAndReconversionGuard) {
    struct Case {
        const char* text;
        EditColour colour;
    } cases[] = {{"1e5", EditColour::Normal},    {" -2.5E-3 ", EditColour::Normal},
                 {"", EditColour::Normal},       {".5", EditColour::Normal},
                 {"1.5.2", EditColour::Invalid}, {"1,5", EditColour::Invalid},
                 {"e5", EditColour::Invalid},    {"inf", EditColour::Invalid}};
    int expected = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        io.userEdited("x"); // a different text before, so each case is a change
        io.userEdited(c.text);
        expected += 2;
        EXPECT_EQ(io.editColour(), c.colour);
        EXPECT_EQ(valueChanges, expected);
    }
    {
        auto quiet = io.protect();
        io.setSource("9 [km]");
        EXPECT_EQ(valueChanges, expected);
    }
    EXPECT_FALSE(io.protege());
    io.setSource("8 [km]");
    EXPECT_EQ(valueChanges, expected + 1);
}

TEST_F(Panel, FlagsComeBackWhenACallbackThrows) {
    io.setSource("5 [km]");
    io.ModeLocked = true;
    io.OnCellsChanged = [] { throw std::runtime_error("repaint failed"); };
    EXPECT_THROW(io.forceEditMode(true), std::runtime_error);
    EXPECT_FALSE(io.protege());
    EXPECT_TRUE(io.ModeLocked);
}

TEST_F(Panel, MouseOnTheGrid) {
    struct Case {
        bool editMode;
        int col, row;
        bool right;
        std::string target;
        MouseAction::Kind kind;
        bool popup, copyTarget;
        std::string sourceAfter;
    } cases[] = {
        {true, 2, 1, false, "", MouseAction::DeleteUnits, false, false, "5 []"},
        {true, 2, 1, true, "", MouseAction::Clear, false, false, " []"},
        {false, 2, 1, false, "5000 [m]", MouseAction::ReExecute, false, false, "5 [km]"},
        {false, 2, 1, true, "5000 [m]", MouseAction::ReExecute, true, true, "5 [km]"},
        {false, 3, 1, true, "", MouseAction::None, true, false, "5 [km]"},
        {true, 1, 1, true, "5000 [m]", MouseAction::None, true, true, "5 [km]"},
        {false, 3, 0, true, "5000 [m]", MouseAction::None, false, false, "5 [km]"},
    };
    int reExecuted = 0;
    io.OnReExecute = [&] { ++reExecuted; };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row) +
                     (c.right ? " right" : " left") + (c.editMode ? " edit" : " value"));
        io.forceEditMode(false);
        io.setSource("5 [km]");
        io.forceEditMode(c.editMode);
        io.setTarget(c.target);
        reExecuted = 0;
        const MouseAction a = io.mouseUp(c.col, c.row, c.right);
        EXPECT_EQ(a.kind, c.kind);
        EXPECT_EQ(reExecuted, c.kind == MouseAction::ReExecute ? 1 : 0);
        EXPECT_EQ(a.popup, c.popup);
        EXPECT_EQ(a.copyTarget, c.copyTarget);
        EXPECT_EQ(a.copyBoth, c.copyTarget);
        EXPECT_EQ(io.Source(), c.sourceAfter);
    }
}

TEST_F(Panel, CopyTextsAndSwapHint) {
    io.setSource("1 [km]");
    io.setTarget("1000 [m]");
    EXPECT_EQ(io.copyText(true), "1 [km] = 1000 [m]");
    EXPECT_EQ(io.copyText(false), "1000 [m]");
    io.setSwapping(true);
    EXPECT_EQ(io.cell(2, 0), "<-");
    io.setSwapping(false);
    EXPECT_EQ(io.cell(2, 0), "");
}

TEST(PanelLayout, UnitColumnWidth) {
    EXPECT_EQ(TfmIOModel::unitColumnWidth(400, 26, 50), 117);
    EXPECT_EQ(TfmIOModel::unitColumnWidth(401, 26, 50), 118); // 187.5 to even
    EXPECT_EQ(TfmIOModel::unitColumnWidth(403, 26, 50), 118); // 188.5 to even
    EXPECT_EQ(TfmIOModel::unitColumnWidth(0, 26, 50), 0);
}
