#include "core/settings/unitoptions.h"

#include "core/text/messages.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"

#include <cstdio>
#include <dirent.h>

namespace tarnel {

namespace {
bool readBool(const NameValueList& l, const char* key, bool def) {
    return parseIntOr(l.valueOr(key, ""), def ? 1 : 0) == 1;
}
std::string flag(bool b) {
    return b ? "1" : "0";
}

// A unit file name that would reach outside the unit-converter folder counts as missing.
// Without a "/" only "." and ".." leave it; "a..b.unt" is an ordinary name.
bool safeFileName(const std::string& name) {
    return name.find('/') == std::string::npos && name != "." && name != "..";
}
} // namespace

TfmUnitOptions::TfmUnitOptions(std::string unitConverterDir, bool standalone, IMessages& messages)
    : fDir(std::move(unitConverterDir)), fStandalone(standalone), fMessages(&messages) {}

void TfmUnitOptions::Init() {
    if (!fStandalone) return;
    if (!fileExists(Filename())) {
        fMessages->info("INI file " + Filename() + " does not exist.\n Set to default.");
        return;
    }
    try {
        OptList.loadFromFile(Filename());
    } catch (const std::exception& e) {
        // Keep the damaged file: it is set aside before the first save replaces it.
        OptList.clear();
        fUnreadable = true;
        fMessages->info(std::string(e.what()) + "\n Set to default.");
    }
}

void TfmUnitOptions::save() {
    if (fUnreadable && fileExists(Filename())) {
        ::rename(Filename().c_str(), (Filename() + ".bak").c_str());
        fUnreadable = false;
    }
    OptList.saveToFile(Filename());
}

TUOpts TfmUnitOptions::Opts() {
    TUOpts o;
    const std::string name = OptList.valueOr("UnitFile");
    o.UnitFile = fDir + name;
    if (!safeFileName(name) || !fileExists(o.UnitFile)) {
        fMessages->info("Unit file " + o.UnitFile + " does not exist.\n Set to default.");
        o.UnitFile = fDir + "default.unt";
        OptList.setValue("UnitFile", "default.unt");
    }
    o.Prec = parseIntOr(OptList.valueOr("Prec"), 7);
    o.CopyBoth = readBool(OptList, "CopyBoth", false);
    o.MinimOnTray = readBool(OptList, "MinimOnTray", false);
    o.MonthlyCheck = readBool(OptList, "MonthlyCheck", true);
    o.PromptB4Delete = readBool(OptList, "PromptB4Delete", false);
    o.SwapSrcTrg = readBool(OptList, "SwapSrcTrg", false);
    o.MultiTabMode = readBool(OptList, "MultiTabMode", false);
    o.SearchEngine = parseIntOr(OptList.valueOr("SearchEngine"), 3);
    o.CustomSearchEngine = OptList.valueOr("CustomSearchEngine");
    return o;
}

void TfmUnitOptions::Vis2List(const OptionControls& c) {
    OptList.clear();
    OptList.add("UnitFile=" + c.unitFile);
    if (fStandalone) {
        OptList.add("Prec=" + std::to_string(c.prec));
        OptList.add("CopyBoth=" + flag(c.copyBoth));
        OptList.add("MinimOnTray=" + flag(c.minimOnTray));
        OptList.add("MonthlyCheck=" + flag(c.monthlyCheck));
    }
    OptList.add("PromptB4Delete=" + flag(c.promptB4Delete));
    OptList.add("SwapSrcTrg=" + flag(c.swapSrcTrg));
    OptList.add("MultiTabMode=" + std::to_string(c.modePage));
    OptList.add("SearchEngine=" + std::to_string(c.searchEngine));
    OptList.add("CustomSearchEngine=" + c.customSearchEngine);
    if (fStandalone) save();
}

bool TfmUnitOptions::List2Vis(OptionControls& c) {
    if (fStandalone && !fUnreadable && fileExists(Filename())) OptList.loadFromFile(Filename());
    if (OptList.empty()) return false;
    c.unitFiles = UnitFiles();
    const TUOpts o = Opts();
    const std::string chosen = o.UnitFile.substr(o.UnitFile.rfind('/') + 1);
    c.unitFile.clear();
    for (const auto& f : c.unitFiles)
        if (f == chosen) c.unitFile = f;
    c.prec = o.Prec;
    c.copyBoth = o.CopyBoth;
    c.minimOnTray = o.MinimOnTray;
    c.monthlyCheck = o.MonthlyCheck;
    c.promptB4Delete = o.PromptB4Delete;
    c.swapSrcTrg = o.SwapSrcTrg;
    c.modePage = o.MultiTabMode ? 1 : 0;
    c.searchEngine = o.SearchEngine;
    c.customSearchEngine = o.CustomSearchEngine;
    return true;
}

std::vector<std::string> TfmUnitOptions::UnitFiles() const {
    std::vector<std::string> out;
    DIR* d = ::opendir(fDir.c_str());
    if (!d) return out;
    while (dirent* e = ::readdir(d)) {
        std::string n = e->d_name;
        if (n.size() > 4 && sameText(n.substr(n.size() - 4), ".unt") && fileExists(fDir + n))
            out.push_back(n);
    }
    ::closedir(d);
    return out;
}

} // namespace tarnel
