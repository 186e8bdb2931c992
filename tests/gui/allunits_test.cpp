// The All Units, Edit and Base tabs in the main window: clicks on the tree, the grids and
// the tool buttons reach their models, and the models' rows appear.

#include "core/appinfo/buildinfo.h"
#include "core/platform/weblinks.h"
#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/views/tfmallunits.h"
#include "gui/views/tfmbase.h"
#include "support/testshell.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace tarnel;

namespace {
struct Shell : TestShell {
    Shell() {
        window.resize(800, 500);
        window.show();
    }
    QWidget* tab(const char* name) { return window.findChild<QWidget*>(name); }
    template <class T> T* in(const char* view, const char* child) {
        return tab(view)->findChild<T*>(child);
    }
    static int rowOf(QTableWidget* g, const QString& text, int col = 1) {
        for (int r = 0; r < g->rowCount(); ++r)
            if (g->item(r, col) && g->item(r, col)->text() == text) return r;
        return -1;
    }
    static void clickRow(QTableWidget* g, int row, bool twice = false) {
        g->scrollToItem(g->item(row, 0));
        const QPoint at = g->visualItemRect(g->item(row, 0)).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
        // A view takes a double click only after a press on the same cell.
        if (twice) QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    }
};

QStringList visibleCategories(QTreeWidget* tree) {
    QStringList out;
    for (int d = 0; d < tree->topLevelItemCount(); ++d) {
        QTreeWidgetItem* root = tree->topLevelItem(d);
        for (int c = 0; c < root->childCount(); ++c)
            if (!root->isHidden() && !root->child(c)->isHidden()) out << root->child(c)->text(0);
    }
    return out;
}

struct RecordingOpener : ILinkOpener {
    std::vector<std::string> urls;
    void openUrl(const std::string& url) override { urls.push_back(url); }
};
} // namespace

class AllUnitsTest : public QObject {
    Q_OBJECT
  private slots:
    void allUnitsTabShowsTheCategoryAndConverts();
    void searchFiltersTheTree();
    void editTabComposes();
    void baseTabIncludesUnits();
    void webSearchButtonsLookUpTheSelection();
};

void AllUnitsTest::webSearchButtonsLookUpTheSelection() {
    Shell s;
    s.io().setSource("5 [ft]");
    s.clickTab(0);
    s.clickTab(1);
    auto* all = s.window.findChild<TfmAllUnits*>("fmAllUnits1");
    RecordingOpener opener;
    all->setLinkOpener(&opener);
    auto* cat = s.in<QToolButton>("fmAllUnits1", "sbSearch4Cat");
    auto* unit = s.in<QToolButton>("fmAllUnits1", "sbSearch4Unit");
    QVERIFY(cat->isEnabled() && unit->isEnabled());
    cat->click();
    unit->click();
    const int engine = s.session.options().Opts().SearchEngine;
    QCOMPARE(opener.urls.size(), size_t(2));
    QCOMPARE(opener.urls[0], searchWebUrl("Length", "", engine, "", kWebSite));
    QCOMPARE(opener.urls[1], searchWebUrl("Length", "foot", engine, "", kWebSite));
    QVERIFY(s.messages.texts.empty());
}

void AllUnitsTest::allUnitsTabShowsTheCategoryAndConverts() {
    Shell s;
    s.io().setSource("5 [ft]"); // before the Simple tab builds its rows for it
    s.clickTab(0);
    s.clickTab(1);
    auto* tree = s.in<QTreeWidget>("fmAllUnits1", "Tree1");
    QVERIFY(tree->currentItem());
    QCOMPARE(tree->currentItem()->text(0), QString("Length (root type)"));
    auto* sgSource = s.in<QTableWidget>("fmAllUnits1", "sgSource");
    auto* sgTarget = s.in<QTableWidget>("fmAllUnits1", "sgTarget");
    QCOMPARE(sgSource->currentRow(), Shell::rowOf(sgSource, "ft"));
    // The target the tab change left (the source itself) picks the target row.
    QCOMPARE(sgTarget->currentRow(), Shell::rowOf(sgTarget, "ft"));
    QCOMPARE(s.target(), QString("5 [ft]"));
    Shell::clickRow(sgTarget, Shell::rowOf(sgTarget, "in"));
    QCOMPARE(s.target(), QString("60 [in]"));
    Shell::clickRow(sgSource, Shell::rowOf(sgSource, "yd"));
    QCOMPARE(s.source(), QString("5 [yd]"));
    QCOMPARE(s.target(), QString("180 [in]"));
    QVERIFY(s.tab("fmAllUnits1")->findChild<QGroupBox*>("gbTarget")->isVisible());
    QVERIFY(s.messages.texts.empty());
}

void AllUnitsTest::searchFiltersTheTree() {
    Shell s;
    s.clickTab(1);
    auto* tree = s.in<QTreeWidget>("fmAllUnits1", "Tree1");
    auto* box = s.in<QLineEdit>("fmAllUnits1", "eSearchCat");
    const QStringList all = visibleCategories(tree);
    QTest::keyClicks(box, "psi");
    QStringList kept = visibleCategories(tree);
    QVERIFY(kept.contains("Pressure and stress (root type)"));
    QVERIFY(!kept.contains("Length (root type)"));
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(box->text(), QString());
    QCOMPARE(visibleCategories(tree), all);
    // A category found through a unit: its grid is complete and shows that unit.
    QTest::keyClicks(box, "fur");
    kept = visibleCategories(tree);
    QVERIFY(kept.contains("Length (root type)"));
    // Length stays selected from entering the tab: the search itself scrolls to the unit.
    auto* sgSource = s.in<QTableWidget>("fmAllUnits1", "sgSource");
    const int fur = Shell::rowOf(sgSource, "fur");
    QVERIFY(fur > 0);
    QVERIFY(
        sgSource->viewport()->rect().intersects(sgSource->visualItemRect(sgSource->item(fur, 0))));
}

void AllUnitsTest::editTabComposes() {
    Shell s; // starts on the Edit tab, Length selected
    QVERIFY(s.io().EditMode());
    s.io().setSource("3 [m]");
    auto* tree = s.in<QTreeWidget>("fmCompose1", "Tree1");
    tree->setCurrentItem(tree->findItems("Time (root type)", Qt::MatchRecursive).value(0));
    auto* sgSource = s.in<QTableWidget>("fmCompose1", "sgSource");
    QVERIFY(s.tab("fmCompose1")->findChild<QGroupBox*>("gbTarget")->isHidden());
    Shell::clickRow(sgSource, Shell::rowOf(sgSource, "s"), true);
    QCOMPARE(s.source(), QString("3 [m.s]"));
    auto* denominator = s.in<QToolButton>("fmCompose1", "tbDenomin");
    QTest::mouseClick(denominator, Qt::LeftButton);
    QCOMPARE(s.source(), QString("3 [m]"));
    QTest::mouseClick(denominator, Qt::LeftButton);
    QCOMPARE(s.source(), QString("3 [m/s]"));
}

void AllUnitsTest::baseTabIncludesUnits() {
    Shell s;
    s.io().setSource("10 [kJ]"); // before the Simple tab builds its rows for it
    s.clickTab(0);
    s.clickTab(2);
    QCOMPARE(s.source(), QString("10000 [J]"));
    QCOMPARE(s.target(), QString("10000 [m^2.kg/s^2]"));
    auto* replaced = s.in<QTableWidget>("fmBase1", "sgReplacedUnits");
    QCOMPARE(replaced->item(0, 1)->text(), QString("J"));
    auto* all = s.in<QTableWidget>("fmBase1", "sgAllBaseUnits");
    Shell::clickRow(all, Shell::rowOf(all, "J", 0));
    QTest::mouseClick(s.in<QToolButton>("fmBase1", "tbNomin"), Qt::LeftButton);
    QCOMPARE(s.target(), QString("10000 [J]"));
    auto* included = s.in<QTableWidget>("fmBase1", "sgIncludedUnits");
    QCOMPARE(included->item(0, 0)->text(), QString("1"));
    QCOMPARE(included->rowCount(), 10);
}

QTEST_MAIN(AllUnitsTest)
#include "allunits_test.moc"
