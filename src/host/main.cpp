// tarneluc-host: the reference host of the attached converter. It builds the main window
// in-process under a name of its own (so the window runs attached: no settings file, OK
// and Cancel) over the data root the program would find, and drives it through the
// window's public operations.

#include "app/tarnelapplication.h"
#include "core/appinfo/buildinfo.h"
#include "core/platform/dirmap.h"
#include "core/platform/messagelog.h"
#include "core/platform/standalone.h"
#include "core/session/convertersession.h"
#include "gui/shell/tfrmoptcont.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/widgets/messageboxes.h"
#include "host/hostcommands.h"

#include <QLocale>

#include <cstring>
#include <iostream>
#include <optional>

using namespace tarnel;

int main(int argc, char** argv) {
    const bool windowed = argc < 2 || std::strcmp(argv[1], "execute") == 0;
    // The commands that show nothing run without a display too.
    if (!windowed && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TarnelApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    const QStringList args = QCoreApplication::arguments().mid(1);
    // Only the shown window talks through boxes; the other commands speak on stderr.
    MessageBoxes boxes;
    StderrMessages console;
    IMessages& messages = windowed ? static_cast<IMessages&>(boxes) : console;
    app.setMessages(&messages);
    const bool standalone = IsStandalone(QCoreApplication::applicationFilePath().toStdString());

    std::optional<TDirMap> dirs;
    try {
        dirs.emplace(TDirMap::forThisProcess(kProductName, messages));
    } catch (const std::exception& e) {
        std::cerr << "tarneluc-host: " << e.what() << '\n';
        return 1;
    }
    std::optional<SharedMessageLog> log;
    if (!standalone) log.emplace(dirs->Root());
    ConverterSession session(messages, *dirs, standalone);
    // Attached, the converter keeps no settings of its own: a host brings them. This one
    // keeps none either and starts on the shipped unit file, which spares the warning
    // about an unset one.
    if (!standalone) session.options().OptList.setValue("UnitFile", "default.unt");

    ShellStart start;
    start.standalone = standalone;
    TfrmUnitsConvert window(session, messages, start);
    window.OnCallOptions = [&session](const std::string&) {
        return TfrmOptCont::execute(session.options(), QApplication::activeModalWidget());
    };
    const int code = host::run(args, window, session, std::cout, std::cerr);
    if (log) log->trimAndSave();
    return code;
}
