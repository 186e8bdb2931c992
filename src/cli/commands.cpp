#include "cli/commands.h"

#include "core/appinfo/buildinfo.h"
#include "core/appinfo/tceversioninfo.h"
#include "core/platform/dirmap.h"
#include "core/session/convertersession.h"
#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"
#include "core/unitdata/unitsreader.h"
#include "core/unitdata/validation.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace tarnel::cli {

namespace {

const char* kUsage =
    "usage: tarneluc-cli [--data FILE] [--prec N] convert QUANTITY TARGET\n"
    "       tarneluc-cli [--data FILE] [--prec N] base QUANTITY\n"
    "       tarneluc-cli [--data FILE] [--prec N] all QUANTITY\n"
    "       tarneluc-cli [--data FILE] [--prec N] batch   (stdin: QUANTITY<TAB>TARGET per line)\n"
    "       tarneluc-cli [--data FILE] list [CATEGORY]\n"
    "       tarneluc-cli [--data FILE] validate [--all]\n"
    "       tarneluc-cli version [FILE]   (the version block of FILE, default this program)\n"
    "       tarneluc-cli --help\n"
    "\n"
    "A QUANTITY is a value with its unit part in brackets: \"5 [km/h]\", \"3 [kg.m^2/s^3]\".\n"
    "A TARGET is a unit part, with or without brackets: m/s or \"[m/s]\".\n"
    "Options come before the command. --data FILE: the unit data file (default: the\n"
    "shipped one). --prec N: significant digits of the results, 3 to 10 (default 10).\n";

// Plain stdio: the program starts faster and smaller without the stream library.
void out(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}
void err(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

struct Args {
    std::string data;
    int prec = 10;
    std::vector<std::string> rest;
};

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

int help() {
    std::fputs(kUsage, stdout);
    return 0;
}

// The shipped data file: through location.dir / the user's root, else the install tree.
std::string defaultDataFile(IMessages& messages) {
    try {
        TDirMap map = TDirMap::forThisProcess(kProductName, messages);
        std::string f = map.UnitConverter() + "default.unt";
        if (fileExists(f)) return f;
    } catch (const std::exception&) {
    }
    return TDirMap::executableDir() + "../share/tarnel/default.unt";
}

const char* catKindWord(TCatKind k) {
    switch (k) {
    case TCatKind::ckRoot:
        return "root";
    case TCatKind::ckSup:
        return "sup";
    case TCatKind::ckComp:
        return "comp";
    default:
        return "unknown";
    }
}

const char* unitKindWord(TUnitKind k) {
    switch (k) {
    case TUnitKind::ukCore:
        return "si-unit";
    case TUnitKind::ukFactor:
        return "factor";
    case TUnitKind::ukRule:
        return "rule";
    default:
        return "unknown";
    }
}

// The session over the data file; null (after a message on stderr) when it cannot be used.
std::unique_ptr<ConverterSession> openSession(const Args& a, IMessages& messages) {
    const std::string file = a.data.empty() ? defaultDataFile(messages) : a.data;
    if (!fileExists(file)) {
        err(std::string("error: No unit file. ") + file + "\n");
        return nullptr;
    }
    auto s = std::make_unique<ConverterSession>(messages, file);
    s->setPrec(a.prec);
    if (!s->load()) {
        err(std::string("error: ") + file + " is not a unit data file\n");
        return nullptr;
    }
    return s;
}

int cmdList(const Args& a, IMessages& messages) {
    if (a.rest.size() > 2) return usage();
    auto session = openSession(a, messages);
    if (!session) return 1;
    const TCats& db = session->iConvert();
    if (a.rest.size() == 1) {
        for (int i = 0; i < db.Count(); ++i)
            out(db.Items(i)->Name() + '\t' + catKindWord(db.Items(i)->Kind()) + '\n');
        return 0;
    }
    const int ci = db.IndexOfName(a.rest[1]);
    if (ci < 0) {
        err(std::string("error: Unknown category - ") + a.rest[1] + "\n");
        return 1;
    }
    for (TUnit* u : db.Items(ci)->Units.items())
        out(u->Name() + '\t' + u->Symbol() + '\t' + unitKindWord(u->Kind()) + '\n');
    return 0;
}

int printResult(const ConvertResult& r) {
    if (!r.ok) {
        err(std::string("error: ") + r.error + "\n");
        if (!r.hint.empty()) err("hint: " + r.hint + "\n");
        return 1;
    }
    if (!r.note.empty()) err("note: " + r.note + "\n");
    out(r.text + '\n');
    return 0;
}

int cmdConvert(const Args& a, IMessages& messages) {
    if (a.rest.size() != 3) return usage();
    auto session = openSession(a, messages);
    if (!session) return 1;
    return printResult(session->converter().convert(a.rest[1], a.rest[2]));
}

int cmdBase(const Args& a, IMessages& messages) {
    if (a.rest.size() != 2) return usage();
    auto session = openSession(a, messages);
    if (!session) return 1;
    return printResult(session->converter().base(a.rest[1]));
}

int cmdAll(const Args& a, IMessages& messages) {
    if (a.rest.size() != 2) return usage();
    auto session = openSession(a, messages);
    if (!session) return 1;
    int status = 0;
    for (const ConvertResult& r : session->converter().all(a.rest[1]))
        if (printResult(r) != 0) status = 1;
    return status;
}

int cmdBatch(const Args& a, IMessages& messages) {
    if (a.rest.size() != 1) return usage();
    auto session = openSession(a, messages);
    if (!session) return 1;
    // The whole input at once: per-character stream reads would cost more than converting.
    std::string input, out;
    char buf[65536];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, stdin)) > 0;)
        input.append(buf, n);
    int status = 0;
    size_t start = 0;
    while (start < input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        std::string line = input.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const ConvertResult r = session->converter().batchLine(line);
        if (r.ok) {
            out += r.text;
        } else {
            out += "error: ";
            out += r.error;
        }
        out += '\n';
        if (!r.ok) status = 1;
        if (out.size() > 60000) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return status;
}

// One line per entry, MESSAGE<TAB>NAME; any entry makes the exit status 1.
int cmdValidate(const Args& a, IMessages& messages) {
    bool all = false;
    for (size_t i = 1; i < a.rest.size(); ++i) {
        if (a.rest[i] != "--all") return usage();
        all = true;
    }
    const std::string file = a.data.empty() ? defaultDataFile(messages) : a.data;
    if (!fileExists(file)) {
        err(std::string("error: No unit file. ") + file + "\n");
        return 1;
    }
    // Parsed apart from the engines: a file that cannot load is what validation explains.
    const UnitsParse p = parseUnitsText(LoadTextFile(file));
    if (!p.doc) {
        messages.info(p.error);
        return 1;
    }
    std::vector<ValidationEntry> errors;
    ValidateUnitsData(unitsDataOf(p.doc), errors, !all);
    for (const auto& e : errors)
        out(e.message + '\t' + e.name + '\n');
    return errors.empty() ? 0 : 1;
}

int dispatch(const Args& a, IMessages& messages) {
    const std::string& cmd = a.rest[0];
    if (cmd == "list") return cmdList(a, messages);
    if (cmd == "convert") return cmdConvert(a, messages);
    if (cmd == "base") return cmdBase(a, messages);
    if (cmd == "all") return cmdAll(a, messages);
    if (cmd == "batch") return cmdBatch(a, messages);
    if (cmd == "validate") return cmdValidate(a, messages);
    if (cmd == "version" && a.rest.size() <= 2) {
        // The version block of FILE (default: this program), one Name=value line each.
        TCEVersionInfo info;
        if (a.rest.size() == 2) info.GetInfo(a.rest[1]);
        for (const auto& p : info.properties())
            out(std::string(p.name) + "=" + *p.value + "\n");
        return 0;
    }
    return usage();
}

} // namespace

int run(int argc, char** argv) {
    Args a;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--help" || arg == "-h") && a.rest.empty()) return help();
        if (arg == "--data" && a.rest.empty()) {
            if (++i >= argc) return usage();
            a.data = argv[i];
        } else if (arg == "--prec" && a.rest.empty()) {
            if (++i >= argc) return usage();
            auto p = parseInt(argv[i]);
            if (!p || *p < 3 || *p > 10) return usage();
            a.prec = *p;
        } else {
            a.rest.push_back(arg);
        }
    }
    if (a.rest.empty()) return usage();
    StderrMessages sink;
    try {
        return dispatch(a, sink);
    } catch (const std::exception& e) {
        std::fflush(stdout);
        err(std::string("error: ") + e.what() + "\n");
        return 1;
    }
}

} // namespace tarnel::cli
