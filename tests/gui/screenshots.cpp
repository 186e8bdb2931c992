// Pictures of the windows for the documentation: the main window in both layouts and at
// its minimum size, the options dialog and the help window, each over a data root of its
// own. Usage: tarnel_screenshots OUTPUT_DIR (best under Xvfb with the xcb platform).

#include "core/session/convertersession.h"
#include "core/text/messages.h"
#include "gui/shell/helpwindow.h"
#include "gui/shell/tfrmoptcont.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "support/dataroot.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

using namespace tarnel;

namespace {
void save(QWidget& w, const QString& file) {
    QTest::qWait(300);
    if (!w.grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

void mainWindow(const QString& out, const QString& name, const QString& ini, QSize size) {
    RecordingMessages messages;
    TestDataRoot root(ini);
    TDirMap dirs = root.dirs(messages);
    ConverterSession session(messages, dirs, true);
    TfrmUnitsConvert window(session, messages, ShellStart{});
    window.findChild<QTabWidget*>("pcMain")->setCurrentIndex(0);
    window.io().setSource("60 [mi/h]");
    window.io().setTarget("96.56064 [km/h]");
    window.resize(size);
    window.show();
    save(window, out + "/" + name + ".png");
    if (name != "multitab") return;
    TfrmOptCont options(session.options(), &window);
    options.show();
    save(options, out + "/options.png");
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tarnel_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QString out = argv[1];
    mainWindow(out, "multitab", "UnitFile=default.unt\nMultiTabMode=1\n", {640, 420});
    mainWindow(out, "integrated", "UnitFile=default.unt\nMultiTabMode=0\n", {640, 420});
    mainWindow(out, "minimum", "UnitFile=default.unt\nMultiTabMode=1\n", {333, 203});
    HelpWindow help(QCoreApplication::applicationDirPath() + "/help");
    help.showContext(3211);
    save(help, out + "/help.png");
    return 0;
}
