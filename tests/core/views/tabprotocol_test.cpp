#include "core/views/tabprotocol.h"

#include "core/engine/tconvert.h"
#include "core/evaluator/tparser.h"
#include "core/settings/unitoptions.h"
#include "core/text/messages.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {
char letter(TPageType p) {
    return "-SABEH"[static_cast<int>(p)];
}

// A tab view that only writes down what the window asks of it; the Base one takes the
// sign-cell click when it is entered, as the real one does.
class StandIn : public UnitModule {
  public:
    StandIn(char name, std::string& log, TfmIOModel& io) : fName(name), fLog(log), fIO(io) {}
    void Init() override {}
    void PageChanging(TPageType o, TPageType n) override {
        note(std::string(".PC(") + letter(o) + ">" + letter(n) + ")");
        if (fName == 'B' && n == TPageType::ptBase) fIO.OnReExecute = [] {};
    }
    void Execute() override { note(".Execute"); }
    void OnSourceChange() override { note(".OnSourceChange"); }

  private:
    void note(const std::string& what) {
        fLog += (fLog.empty() ? "" : " ") + std::string(1, fName) + what;
    }
    char fName;
    std::string& fLog;
    TfmIOModel& fIO;
};

class Tabs : public ::testing::Test {
  protected:
    void SetUp() override {
        iConvert.LoadFromFile(TARNEL_FIXTURES "/engine.unt");
        oConvert.LoadFromDocument(iConvert.Document());
        iConvert.ValFix = true;
        dir.write("default.unt", "<UnitsData/>");
        options.OptList.add("UnitFile=default.unt");
        io.Init();
        io.ModeLocked = true;
        tabs.OnActivateTab = [this](int i) { active = i; };
    }
    RecordingMessages engineMessages;
    test::TempDir dir;
    TfmUnitOptions options{dir.path(), false, engineMessages};
    AbbrevList abbr;
    TfmIOModel io{abbr, [] { return 7; }};
    TParser parser;
    TConvert iConvert{parser, engineMessages}, oConvert{parser, engineMessages};
    RecordingMessages user;
    std::string log;
    StandIn s{'S', log, io}, a{'A', log, io}, b{'B', log, io}, e{'E', log, io}, h{'H', log, io};
    TabProtocol tabs{io, iConvert, oConvert, options, user, {&s, &a, &b, &e, &h}};
    int active = -1;
};

} // namespace

TEST_F(Tabs, TabChangeMovesTextsRecordsAndReconnects) {
    enum { S, A, B, E, H, Fresh = -1 };
    struct Row {
        int from, to;
        // 'w' SwapSrcTrg, 'c' Ctrl held, 'p' PromptB4Delete, 'q' the question is asked,
        // 'y' it is answered Yes
        const char* options;
        const char* source;
        const char* target;
        const char* sourceAfter;
        const char* targetAfter;
        const char* calls;
        int activeAfter;
    } rows[] = {
        {S, S, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute S.PC(S>S) S.PC(S>S)", S},
        {S, A, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute S.PC(S>A) A.PC(S>A)", A},
        {S, B, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute S.PC(S>B) B.PC(S>B)", B},
        {S, E, "", "1 [km]", "1000 [m]", "1 [km]", "", "H.Execute S.PC(S>E) E.PC(S>E)", E},
        {S, H, "", "1 [km]", "1000 [m]", "1 [km]", "", "H.Execute S.PC(S>H) H.PC(S>H)", H},
        {A, S, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute A.PC(A>S) S.PC(A>S)", S},
        {A, A, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute A.PC(A>A) A.PC(A>A)", A},
        {A, B, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute A.PC(A>B) B.PC(A>B)", B},
        {A, E, "", "1 [km]", "1000 [m]", "1 [km]", "", "H.Execute A.PC(A>E) E.PC(A>E)", E},
        {A, H, "", "1 [km]", "1000 [m]", "1 [km]", "", "H.Execute A.PC(A>H) H.PC(A>H)", H},
        // Leaving Base always takes the target as the new source.
        {B, S, "", "1 [km]", "1000 [m]", "1000 [m]", "1000 [m]", "H.Execute B.PC(B>S) S.PC(B>S)",
         S},
        {B, A, "", "1 [km]", "1000 [m]", "1000 [m]", "1000 [m]", "H.Execute B.PC(B>A) A.PC(B>A)",
         A},
        {B, B, "", "1 [km]", "1000 [m]", "1000 [m]", "1000 [m]", "H.Execute B.PC(B>B) B.PC(B>B)",
         B},
        {B, E, "", "1 [km]", "1000 [m]", "1000 [m]", "", "H.Execute B.PC(B>E) E.PC(B>E)", E},
        {B, H, "", "1 [km]", "1000 [m]", "1000 [m]", "", "H.Execute B.PC(B>H) H.PC(B>H)", H},
        {E, S, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute E.PC(E>S) S.PC(E>S)", S},
        {E, A, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute E.PC(E>A) A.PC(E>A)", A},
        {E, B, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute E.PC(E>B) B.PC(E>B)", B},
        // Edit and History convert nothing, so nothing is recorded between them.
        {E, E, "", "1 [km]", "1000 [m]", "1 [km]", "", "E.PC(E>E) E.PC(E>E)", E},
        {E, H, "", "1 [km]", "1000 [m]", "1 [km]", "", "E.PC(E>H) H.PC(E>H)", H},
        {H, S, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute H.PC(H>S) S.PC(H>S)", S},
        {H, A, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute H.PC(H>A) A.PC(H>A)", A},
        {H, B, "", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute H.PC(H>B) B.PC(H>B)", B},
        {H, E, "", "1 [km]", "1000 [m]", "1 [km]", "", "H.PC(H>E) E.PC(H>E)", E},
        {H, H, "", "1 [km]", "1000 [m]", "1 [km]", "", "H.PC(H>H) H.PC(H>H)", H},
        // Swapping into Edit: by option or Ctrl, only from Simple and All Units.
        {S, E, "w", "1 [km]", "1000 [m]", "1000 [m]", "", "H.Execute S.PC(S>E) E.PC(S>E)", E},
        {A, E, "c", "1 [km]", "1000 [m]", "1000 [m]", "", "H.Execute A.PC(A>E) E.PC(A>E)", E},
        {H, E, "wc", "1 [km]", "1000 [m]", "1 [km]", "", "H.PC(H>E) E.PC(H>E)", E},
        {S, A, "wc", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute S.PC(S>A) A.PC(S>A)",
         A},
        // An empty target is filled from the source before a converting tab shows it.
        {E, S, "", "1 [km]", "", "1 [km]", "1 [km]", "H.Execute E.PC(E>S) S.PC(E>S)", S},
        // A unit part that All Units cannot show: Yes goes on, No returns to the old tab.
        {S, A, "pqy", "2 [km.h]", "2 [km.h]", "2 [km.h]", "2 [km.h]",
         "H.Execute S.PC(S>A) A.PC(S>A)", A},
        {S, A, "pq", "2 [km.h]", "2 [km.h]", "2 [km.h]", "2 [km.h]", "H.Execute", S},
        {B, A, "pq", "1 [m]", "2 [km.h]", "2 [km.h]", "2 [km.h]", "H.Execute", B},
        {S, A, "pq", "2 [xyz]", "2 [xyz]", "2 [xyz]", "2 [xyz]", "H.Execute", S},
        // No question for a known unit, one the engine refuses, or no unit part.
        {S, A, "p", "1 [km]", "1000 [m]", "1 [km]", "1000 [m]", "H.Execute S.PC(S>A) A.PC(S>A)", A},
        {S, A, "p", "2 [m.km]", "", "2 [m.km]", "2 [m.km]", "H.Execute S.PC(S>A) A.PC(S>A)", A},
        {S, A, "p", "5", "", "5[]", "5 []", "H.Execute S.PC(S>A) A.PC(S>A)", A},
        // Called without a sender: a fresh arrival on the Edit tab.
        {Fresh, E, "", "1 [km]", "1000 [m]", "1 [km]", "", "E.PC(E>E) E.PC(E>E)", E},
    };
    for (const auto& r : rows) {
        const std::string opt = r.options;
        SCOPED_TRACE(std::to_string(r.from) + " -> " + std::to_string(r.to) + " [" + opt + "] " +
                     r.source);
        auto has = [&](char c) { return opt.find(c) != std::string::npos; };
        options.OptList.setValue("SwapSrcTrg", has('w') ? "1" : "0");
        options.OptList.setValue("PromptB4Delete", has('p') ? "1" : "0");
        io.setSwapping(has('c'));
        user.answer = has('y');
        user.texts.clear();
        io.setSource(r.source);
        io.setTarget(r.target);
        io.OnReExecute = r.from == B ? TfmIOModel::Notify([] {}) : nullptr;
        log.clear();

        active = r.to;
        if (r.from == Fresh) {
            tabs.freshArrival();
        } else {
            tabs.tabChanging(r.from);
            tabs.tabChanged(r.to);
        }
        EXPECT_EQ(io.Source(), r.sourceAfter);
        EXPECT_EQ(io.cell(3, 1), r.targetAfter);
        EXPECT_EQ(log, r.calls);
        EXPECT_EQ(active, r.activeAfter);
        std::vector<std::string> questions;
        if (has('q')) {
            std::string unit = r.sourceAfter;
            UnitsOfField(unit);
            questions.push_back("Cannot find [" + unit +
                                "] in all units list. Continue ?\n\nDelete it and "
                                "continue(Yes) or go back to the last tab (No)?");
        }
        EXPECT_EQ(user.texts, questions);
        EXPECT_EQ(bool(io.OnReExecute), active == B);

        // Typing now reaches the view of the tab that is active.
        log.clear();
        io.userEdited("42");
        EXPECT_EQ(log, std::string(1, "SABEH"[active]) + ".OnSourceChange");
    }
}

TEST_F(Tabs, CtrlHelpAndCopy) {
    const bool swaps[] = {true, true, false, false, false};
    for (int tab = 0; tab < 5; ++tab) {
        SCOPED_TRACE(tab);
        tabs.ctrlDown(tab);
        EXPECT_EQ(io.Swapping(), swaps[tab]);
        EXPECT_EQ(io.cell(2, 0), swaps[tab] ? "<-" : "");
        tabs.ctrlUp();
        EXPECT_FALSE(io.Swapping());
        EXPECT_EQ(TabProtocol::helpContext(true, tab), 3213 + tab);
        EXPECT_EQ(TabProtocol::helpContext(false, tab), 3211);
    }
    EXPECT_EQ(TabProtocol::helpContext(true, 4), 3217);

    io.setSource("1 [km]");
    io.setTarget("1000 [m]");
    options.OptList.setValue("CopyBoth", "1");
    EXPECT_EQ(tabs.copyText(), "1 [km] = 1000 [m]");
    options.OptList.setValue("CopyBoth", "0");
    EXPECT_EQ(tabs.copyText(), "1000 [m]");
}
