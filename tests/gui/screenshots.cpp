// Pictures of the windows for the documentation: the main window in both layouts and at
// its minimum size, the options dialog and the help window, each over a data root of its
// own. Usage: tarnel_screenshots OUTPUT_DIR (best under Xvfb with the xcb platform).

#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/about/taboutuc.h"
#include "gui/editor/tfrmprogressmsg.h"
#include "gui/editor/tfrmunitedit.h"
#include "gui/shell/helpwindow.h"
#include "gui/shell/tfrmoptcont.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/views/tfmallunits.h"
#include "gui/views/tfmbase.h"
#include "gui/views/tfmsimple.h"
#include "gui/views/tfmsimpleone.h"
#include "support/testshell.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>

using namespace tarnel;

namespace {
void save(QWidget& w, const QString& file) {
    QTest::qWait(300);
    if (!w.grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

void mainWindow(const QString& out, const QString& name, const QString& ini, QSize size) {
    TestShell shell(ini);
    TfrmUnitsConvert& window = shell.window;
    window.io().setSource("60 [mi/h]");
    window.io().setTarget("96.56064 [km/h]");
    window.findChild<QTabWidget*>("pcMain")->setCurrentIndex(0);
    window.resize(size);
    window.show();
    save(window, out + "/" + name + ".png");
    if (name != "multitab") return;
    TfrmOptCont options(shell.session.options(), &window);
    options.show();
    save(options, out + "/options.png");
}
void simpleAndHistory(const QString& out) {
    TestShell shell;
    TfrmUnitsConvert& window = shell.window;
    QTabWidget* tabs = shell.tabs();
    window.resize(720, 400);
    window.show();
    window.io().setSource("5 [m/s]");
    tabs->setCurrentIndex(0);
    shell.pickTarget(0, "kilometre [km]");
    shell.pickTarget(1, "hour [h]");
    save(window, out + "/simple-speed.png");
    tabs->setCurrentIndex(3);
    window.io().setSource("3 [kg.m^2/s^3]");
    tabs->setCurrentIndex(0);
    shell.pickTarget(0, "gram [g]");
    shell.pickTarget(1, "sq.centimetre [cm^2]");
    save(window, out + "/simple-compound.png");
    tabs->setCurrentIndex(4);
    save(window, out + "/history.png");
}

/// The unit row of a symbol in the All Units model, or -1.
int rowOf(const TfmAllUnitsModel& m, const std::string& symbol) {
    for (size_t r = 0; r < m.rows().size(); ++r)
        if (m.rows()[r].symbol == symbol) return static_cast<int>(r);
    return -1;
}

/// The All Units, Edit and Base tabs at work.
void conversionViews(const QString& out) {
    TestShell shell;
    TfrmUnitsConvert& window = shell.window;
    QTabWidget* tabs = shell.tabs();
    window.resize(820, 560);
    window.show();

    // Another unit part reaches the Simple rows only through its Execute on entering.
    window.io().setSource("30 [psi]");
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(1);
    auto* all = window.findChild<TfmAllUnits*>("fmAllUnits1");
    all->model().selectTargetRow(rowOf(all->model(), "kPa"));
    save(window, out + "/allunits.png");

    all->findChild<QLineEdit*>("eSearchCat")->setText("fur");
    for (const TreeMatch& found : all->model().visible())
        if (found.unit >= 0) all->model().selectNode(found.domain, found.category);
    save(window, out + "/allunits-search.png");
    all->findChild<QLineEdit*>("eSearchCat")->clear();

    tabs->setCurrentIndex(3);
    auto* compose = window.findChild<TfmAllUnits*>("fmCompose1");
    window.io().setSource("3 [m]");
    TfmAllUnitsModel& m = compose->model();
    for (size_t c = 0; c < m.tree().domains()[0].categories.size(); ++c)
        if (m.tree().domains()[0].categories[c].name == "Time") m.selectNode(0, int(c));
    m.selectSourceRow(rowOf(m, "s"));
    m.include(-1);
    save(window, out + "/edit-compose.png");

    window.io().setSource("10 [kJ]");
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(2);
    save(window, out + "/base.png");
}
/// The about box as the splash shows it at start-up (offline: nothing is fetched).
void splash(const QString& out) {
    RecordingMessages messages;
    AboutConfig config = AboutConfig::fromBuild();
    config.connected = [] { return false; };
    TAboutUC about(config, "/nonexistent/verUC.xml", messages);
    about.Execute(false);
    save(about, out + "/splash.png");
}

/// The unit file editor on the shipped data with a unit selected.
void unitEditor(const QString& out) {
    QTemporaryDir dir;
    const QString file = dir.filePath("default.unt");
    QFile::copy(QStringLiteral(TARNEL_DATA "/default.unt"), file);
    TfrmUnitEdit editor(dir.path() + "/");
    if (!editor.load(file)) return;
    auto* tree = editor.findChild<QTreeWidget*>("tvUnits");
    QTreeWidgetItem* cat = tree->topLevelItem(0)->child(0);
    cat->setExpanded(true);
    tree->setCurrentItem(cat->child(std::min(3, cat->childCount() - 1)));
    editor.show();
    save(editor, out + "/uniteditor.png");

    // A factor that is no number; Validate lists it below the tree. The progress window
    // is caught halfway through.
    auto* factor = editor.findChild<QLineEdit*>("eFactor");
    factor->selectAll();
    QTest::keyClicks(factor, "1,5");
    TfrmProgressMsg* progress = TfrmProgressMsg::instance(&editor);
    int seen = 0;
    QObject::connect(progress, &TfrmProgressMsg::messageShown, [&] {
        if (++seen != progress->maximum() / 2) return;
        QTest::qWait(250); // let the timer move the bar
        if (!progress->grab().save(out + "/progress.png"))
            std::fprintf(stderr, "cannot write progress.png\n");
    });
    editor.findChild<QAction*>("tbValidation")->trigger();
    save(editor, out + "/uniteditor-errors.png");

    auto* pages = editor.findChild<QTabWidget*>("pcPages");
    pages->setCurrentIndex(1);
    save(editor, out + "/uniteditor-xml.png");
    pages->setCurrentIndex(0);
    editor.findChild<QAction*>("tbFilter")->trigger();
    editor.findChild<QAction*>("tbStats")->trigger();
    save(editor, out + "/uniteditor-stats.png");
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tarnel_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QString out = argv[1];
    unitEditor(out);
    mainWindow(out, "multitab", "UnitFile=default.unt\nMultiTabMode=1\n", {640, 420});
    mainWindow(out, "integrated", "UnitFile=default.unt\nMultiTabMode=0\n", {640, 420});
    simpleAndHistory(out);
    mainWindow(out, "minimum", "UnitFile=default.unt\nMultiTabMode=1\n", {333, 203});
    conversionViews(out);
    splash(out);
    HelpWindow help(QCoreApplication::applicationDirPath() + "/help");
    help.showContext(3211);
    save(help, out + "/help.png");
    help.showContext(TfrmUnitEdit::HelpContext);
    save(help, out + "/help-editor.png");
    return 0;
}
