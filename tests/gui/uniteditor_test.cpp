// The unit file editor window: the tree selection picks the panel, typing stores at once,
// Done writes the file and closes with OK.
#include "core/appinfo/buildinfo.h"
#include "core/text/messages.h"
#include "core/unitdata/unitsreader.h"
#include "gui/editor/tfrmprogressmsg.h"
#include "gui/editor/tfrmunitedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <Qsci/qsciscintilla.h>

using namespace tarnel;

namespace {
std::string document() {
    return std::string("<UnitsData><description keywords='SI,old' version='1.00' copyright='") +
           kCopyrightNotice + R"('/>
  <domain name='Base' enabled='1'>
    <category name='Length' type='root' enabled='1'>
      <unit name='metre' type='si-unit' enabled='1' symbol='m' kw='SI' in_base_units='m'/>
      <unit name='mile' type='factor' enabled='1' symbol='mi' kw='old' factor='1609.344'/>
    </category>
    <category name='Time' type='root' enabled='1'>
      <unit name='second' type='si-unit' enabled='1' symbol='s' kw='SI' in_base_units='s'/>
    </category>
  </domain>
</UnitsData>)";
}
} // namespace

class UnitEditorTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    QString file;
    RecordingMessages messages;

    template <class W> static W* child(QWidget* w, const char* name) {
        auto* c = w->findChild<W*>(name);
        if (!c) qFatal("no control %s", name);
        return c;
    }

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        file = dir->filePath("units.unt");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(document().c_str());
    }

    void treeSelectionShowsThePanelAndTypingIsStored() {
        TfrmUnitEdit ed(dir->path() + "/");
        QVERIFY(ed.load(file));
        auto* tree = child<QTreeWidget>(&ed, "tvUnits");
        auto* panels = child<QStackedWidget>(&ed, "pcPanels");
        // The first category is selected after a load.
        QCOMPARE(tree->currentItem()->text(0), QString("Length (root type)"));
        QCOMPARE(panels->currentWidget()->objectName(), QString("pnlCategory"));
        QCOMPARE(child<QLineEdit>(&ed, "eCatName")->text(), QString("Length"));

        QTreeWidgetItem* mile = tree->topLevelItem(0)->child(0)->child(1);
        tree->setCurrentItem(mile);
        QCOMPARE(panels->currentWidget()->objectName(), QString("pnlUnit"));
        auto* factor = child<QLineEdit>(&ed, "eFactor");
        QCOMPARE(factor->text(), QString("1609.344"));
        auto* name = child<QLineEdit>(&ed, "eUnitName");
        name->selectAll();
        QTest::keyClicks(name, "land mile");
        QCOMPARE(mile->text(0), QString("land mile [mi]"));

        tree->setCurrentItem(tree->topLevelItem(0)); // a domain has no panel
        QCOMPARE(panels->currentIndex(), 0);
        auto* tbTree = child<QToolBar>(&ed, "tbTree");
        QVERIFY(child<QAction>(tbTree, "tbAdd")->isEnabled());
        QVERIFY(!child<QAction>(tbTree, "tbDelete")->isEnabled());

        child<QAction>(&ed, "tbDone")->trigger();
        QCOMPARE(ed.result(), int(QDialog::Accepted));
        auto doc = parseUnitsText(readUnitsFileText(file.toStdString())).doc;
        QVERIFY(doc);
        QCOMPARE(
            QString::fromStdString(unitsDataOf(doc).domains().item(0).category(0).unit(1).name()),
            QString("land mile"));
    }

    void webButtonsSearchTheShownNames() {
        TfrmUnitEdit ed(dir->path() + "/");
        QVERIFY(ed.load(file));
        auto* unitButton = child<QToolButton>(&ed, "sbUnitSearch");
        QVERIFY(!unitButton->isEnabled()); // no search given
        std::vector<std::pair<std::string, std::string>> asked;
        ed.setSearchWeb([&](const std::string& c, const std::string& u) {
            asked.push_back({c, u});
        });
        child<QToolButton>(&ed, "sbCatSearch")->click();
        auto* tree = child<QTreeWidget>(&ed, "tvUnits");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(1));
        unitButton->click();
        QCOMPARE(asked.size(), size_t(2));
        QCOMPARE(asked[0], std::make_pair(std::string("Length"), std::string()));
        QCOMPARE(asked[1], std::make_pair(std::string(), std::string("mile")));
    }

    void deleteAndAddKeepTreeAndModelInStep() {
        TfrmUnitEdit ed(dir->path() + "/");
        QVERIFY(ed.load(file));
        auto* tree = child<QTreeWidget>(&ed, "tvUnits");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(1));
        child<QAction>(&ed, "tbDelete")->trigger();
        QCOMPARE(tree->topLevelItem(0)->child(0)->childCount(), 1);
        QCOMPARE(tree->currentItem()->text(0), QString("metre [m]"));
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        child<QAction>(&ed, "tbAdd")->trigger();
        QCOMPARE(tree->currentItem()->text(0), QString("New Unit []"));
        QCOMPARE(child<QStackedWidget>(&ed, "pcPanels")->currentWidget()->objectName(),
                 QString("pnlUnit"));
    }

    void xmlPageEditsReachTheTreeAndBrokenTextStays() {
        TfrmUnitEdit ed(dir->path() + "/");
        QVERIFY(ed.load(file));
        auto* pages = child<QTabWidget>(&ed, "pcPages");
        auto* xml = child<QsciScintilla>(&ed, "edXml");
        pages->setCurrentIndex(1);
        QVERIFY(xml->text().contains("name=\"mile\""));
        xml->setText(xml->text().replace("name=\"mile\"", "name=\"league\""));
        pages->setCurrentIndex(0);
        auto* tree = child<QTreeWidget>(&ed, "tvUnits");
        QCOMPARE(tree->topLevelItem(0)->child(0)->child(1)->text(0), QString("league [mi]"));

        pages->setCurrentIndex(1);
        xml->setText("<UnitsData><domain name='x></UnitsData>");
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        pages->setCurrentIndex(0);
        QCOMPARE(pages->currentIndex(), 1); // back on the text, nothing lost
        QVERIFY(xml->text().startsWith("<UnitsData><domain"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->child(1)->text(0), QString("league [mi]"));
    }

    void validationRunsUnderTheProgressWindowAndHelpOpensItsPage() {
        TfrmUnitEdit ed(dir->path() + "/");
        QVERIFY(ed.load(file));
        auto* help = child<QAction>(&ed, "tbHelp");
        QVERIFY(!help->isEnabled());
        int asked = 0;
        ed.setHelp([&](int context) { asked = context; });
        help->trigger();
        QCOMPARE(asked, 3219);

        TfrmProgressMsg* progress = TfrmProgressMsg::instance(&ed);
        QStringList shown;
        bool blocking = true;
        connect(progress, &TfrmProgressMsg::messageShown, [&](const QString& name) {
            shown << name;
            blocking =
                blocking && progress->isVisible() && QApplication::activeModalWidget() == progress;
        });
        child<QAction>(&ed, "tbDone")->trigger();
        QCOMPARE(ed.result(), int(QDialog::Accepted));
        QCOMPARE(shown, QStringList({"Length", "Time"}));
        QVERIFY(blocking); // nothing else takes input while it runs
        QCOMPARE(progress->maximum(), 2);
        QVERIFY(!progress->isVisible());
    }

    void unparsableFileDoesNotOpen() {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<UnitsData><domain name='x></UnitsData>");
        f.close();
        TfrmUnitEdit ed(dir->path() + "/");
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        QVERIFY(!ed.Execute(file));
        QVERIFY(!ed.isVisible());
    }
};

QTEST_MAIN(UnitEditorTest)
#include "uniteditor_test.moc"
