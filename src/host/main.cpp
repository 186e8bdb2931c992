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

#include <iostream>
#include <optional>

using namespace tarnel;

int main(int argc, char** argv) {
    TarnelApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    const QStringList args = QCoreApplication::arguments().mid(1);
    // Only the shown window talks through boxes; the other commands speak on stderr.
    const bool windowed = args.isEmpty() || args[0] == "execute";
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
