#include "core/session/convertersession.h"

#include "core/notation/spellings.h"
#include "core/text/em.h"
#include "core/text/textfile.h"

namespace tarnel {

namespace {
std::string folderOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}
} // namespace

ConverterSession::ConverterSession(IMessages& messages, const TDirMap& dirs, bool standalone)
    : fMessages(messages), fDirs(dirs),
      fAbbrev(AbbrevList::fromFile(dirs.UnitConverter() + "abrv.lst", messages)),
      fOptions(dirs.UnitConverter(), standalone, messages) {
    fSource.ValFix = true;
}

ConverterSession::ConverterSession(IMessages& messages, const std::string& unitFile)
    : fMessages(messages), fFile(unitFile), fOptions(folderOf(unitFile), false, messages) {
    fSource.ValFix = true;
}

std::string ConverterSession::UnitFile() {
    if (!fDirs) return fFile;
    return fOptions.Opts().UnitFile;
}

bool ConverterSession::load() {
    fOptions.Init();
    // Options are decoded once here: a missing unit file warns once.
    const TUOpts o = fDirs ? fOptions.Opts() : TUOpts{};
    if (!fPrecFixed) setPrecOf(fDirs ? o.Prec : 10);
    const std::string file = fDirs ? o.UnitFile : fFile;
    if (!fileExists(file)) {
        fMessages.info("No unit file. " + file);
        return false;
    }
    loadText(file, LoadTextFile(file));
    return fLoaded;
}

void ConverterSession::setUnitFile(const std::string& path) {
    std::string text = LoadTextFile(path);
    if (text.empty()) throw EM("Wrong filename - " + path);
    loadText(path, std::move(text));
    for (const auto& callback : fOnReload)
        callback();
}

void ConverterSession::loadText(const std::string& file, std::string text) {
    fSource.LoadFromString(std::move(text));
    fLoaded = !fSource.Data().isNull();
    // One parse serves both engines.
    if (fTarget) fTarget->LoadFromDocument(fSource.Document());
    fSpellings = loadSpellings(spellingsFileFor(file));
}

void ConverterSession::setPrec(int p) {
    fPrecFixed = true;
    setPrecOf(p);
}

void ConverterSession::applyOptions() {
    if (!fPrecFixed) setPrecOf(fDirs ? fOptions.Opts().Prec : 10);
}

void ConverterSession::setPrecOf(int p) {
    fPrec = p;
    fSource.setPrec(p);
    if (fTarget) fTarget->setPrec(p);
}

TConvert& ConverterSession::oConvert() {
    if (!fTarget) {
        fTarget = std::make_unique<TConvert>(fParser, fMessages);
        fTarget->setPrec(fPrec);
        if (fSource.Document()) fTarget->LoadFromDocument(fSource.Document());
    }
    return *fTarget;
}

QuantityConverter& ConverterSession::converter() {
    if (!fConverter) {
        fConverter = std::make_unique<QuantityConverter>(oConvert());
        fConverter->setSpellings(&fSpellings);
    }
    return *fConverter;
}

} // namespace tarnel
