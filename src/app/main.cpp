// TarnelUC: the stand-alone converter. Start-up order: the directory map, the session
// (evaluator, abbreviations, options), the early tray flag, the number format, the
// single-instance test, then the main window, which loads the unit data.

#include "app/tarnelapplication.h"
#include "core/appinfo/buildinfo.h"
#include "core/platform/dirmap.h"
#include "core/platform/standalone.h"
#include "core/session/convertersession.h"
#include "core/text/namevaluelist.h"
#include "core/text/textfile.h"
#include "gui/shell/singleinstance.h"
#include "gui/shell/tfrmunitsconvert.h"
#include "gui/widgets/messageboxes.h"

#include <QLocale>

#include <optional>

using namespace tarnel;

namespace {
/// The tray flag is read from the settings file before anything else: the raw value must
/// be exactly "1".
bool earlyTrayFlag(const std::string& iniPath) {
    if (!fileExists(iniPath)) return false;
    try {
        NameValueList list;
        list.loadFromFile(iniPath);
        return list.value("MinimOnTray").value_or("") == "1";
    } catch (const std::exception&) {
        return false; // the settings file's own reading reports the damage
    }
}
} // namespace

int main(int argc, char** argv) {
    TarnelApplication app(argc, argv);
    MessageBoxes messages;
    app.setMessages(&messages);
    const bool standalone = IsStandalone(QCoreApplication::applicationFilePath().toStdString());

    std::optional<TDirMap> dirs;
    try {
        dirs.emplace(TDirMap::forThisProcess(kProductName, messages));
    } catch (const std::exception& e) {
        messages.info(e.what());
        return 1;
    }
    ConverterSession session(messages, *dirs, standalone);
    const bool minimOnTray = standalone && earlyTrayFlag(dirs->UnitConverter() + "TarnelUC.ini");
    // Numbers in the core never follow the locale; Qt's own number texts follow C too.
    QLocale::setDefault(QLocale::c());

    SingleInstance instance(QString::fromStdString(dirs->Root()));
    if (!instance.acquire()) {
        instance.wakeFirst();
        return 0;
    }

    QApplication::setApplicationName("TarnelUC");
    ShellStart start;
    start.standalone = standalone;
    start.minimOnTray = minimOnTray;
    start.params = QCoreApplication::arguments().mid(1);
    if (standalone) start.about = AboutConfig::fromBuild();
    TfrmUnitsConvert window(session, messages, start);
    if (window.startFailed()) return 1;
    QObject::connect(&instance, &SingleInstance::wakeUp, &window, &TfrmUnitsConvert::wakeUp);
    window.show();
    return app.exec();
}
