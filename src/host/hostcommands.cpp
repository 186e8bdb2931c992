#include "host/hostcommands.h"

#include "core/notation/notation.h"
#include "core/session/convertersession.h"
#include "core/text/strutil.h"
#include "gui/shell/tfrmunitsconvert.h"

#include <ostream>

namespace tarnel::host {

namespace {
constexpr const char* kExample = "5 [km]";

/// The window makes the engines at the first Execute; commands that only ask the
/// converter make them here without showing it.
bool engines(TfrmUnitsConvert& window, ConverterSession& session, std::ostream& err) {
    if (!session.loaded()) window.Init(false);
    if (window.isEnabled() && session.loaded()) return true;
    err << "tarneluc-host: the unit converter is disabled (no unit-converter folder under the "
           "data root, or its unit data did not load)\n";
    return false;
}

bool hasFlag(QStringList& args, const QString& flag) {
    return args.removeAll(flag) > 0;
}

int execute(const QStringList& args, TfrmUnitsConvert& window, std::ostream& out,
            std::ostream& err) {
    if (args.size() > 2) {
        err << usage();
        return 2;
    }
    QString dim = args.size() == 2 ? args[1] : QString(kExample);
    try {
        const bool ok = window.Execute(dim);
        out << (ok ? "true" : "false") << '\t' << dim.toStdString() << '\n';
        return 0;
    } catch (const std::exception& e) {
        err << "tarneluc-host: " << e.what() << '\n';
        return 1;
    }
}

int convert(const QStringList& args, TfrmUnitsConvert& window, ConverterSession& session,
            std::ostream& out, std::ostream& err) {
    if (args.size() != 4) {
        err << usage();
        return 2;
    }
    const std::optional<double> read = parseReal(args[1].toStdString());
    if (!read) {
        err << "tarneluc-host: not a number: " << args[1].toStdString() << '\n';
        return 2;
    }
    if (!engines(window, session, err)) return 1;
    double value = *read;
    if (!window.ConvertDim2Dim(value, args[2].toStdString(), args[3].toStdString(), false)) {
        err << "tarneluc-host: cannot convert [" << args[2].toStdString() << "] to ["
            << args[3].toStdString() << "]\n";
        return 1;
    }
    out << FormatNum(value, 10) << '\n';
    return 0;
}

int units(QStringList args, TfrmUnitsConvert& window, ConverterSession& session, std::ostream& out,
          std::ostream& err) {
    const bool simple = hasFlag(args, "--simple");
    const bool full = hasFlag(args, "--full");
    if (args.size() != 2) {
        err << usage();
        return 2;
    }
    if (!engines(window, session, err)) return 1;
    const std::string symbol = args[1].toStdString();
    const auto list = window.UnitList(symbol, simple, full);
    if (!list) {
        err << "tarneluc-host: no list for [" << symbol
            << "]: " << (simple ? "no such unit, or a rule unit (--simple)\n" : "no such unit\n");
        return 1;
    }
    for (const std::string& line : *list)
        out << line << '\n';
    return 0;
}

int all(QStringList args, TfrmUnitsConvert& window, ConverterSession& session, std::ostream& out,
        std::ostream& err) {
    const bool full = hasFlag(args, "--full");
    if (args.size() != 1) {
        err << usage();
        return 2;
    }
    if (!engines(window, session, err)) return 1;
    std::vector<std::string> list;
    window.AllUnitList(full, list);
    if (list.empty()) {
        err << "tarneluc-host: the unit data holds no units\n";
        return 1;
    }
    for (const std::string& line : list)
        out << line << '\n';
    return 0;
}
} // namespace

const char* usage() {
    return "usage: tarneluc-host [execute [QUANTITY]]          show the converter on QUANTITY\n"
           "       tarneluc-host convert VALUE SOURCEDIM TARGETDIM\n"
           "       tarneluc-host units SYMBOL [--simple] [--full]\n"
           "       tarneluc-host all [--full]\n";
}

int run(QStringList args, TfrmUnitsConvert& window, ConverterSession& session, std::ostream& out,
        std::ostream& err) {
    if (args.isEmpty()) args = QStringList{"execute", kExample};
    const QString command = args[0];
    if (command == "execute") return execute(args, window, out, err);
    if (command == "convert") return convert(args, window, session, out, err);
    if (command == "units") return units(args, window, session, out, err);
    if (command == "all") return all(args, window, session, out, err);
    if (command == "--help" || command == "-h") {
        out << usage();
        return 0;
    }
    err << "tarneluc-host: unknown command " << command.toStdString() << '\n' << usage();
    return 2;
}

} // namespace tarnel::host
