#pragma once
// What start-up builds and every front end shares: the directory map, the evaluator, the
// abbreviation list and typed spellings, the options, and the unit data file loaded once
// into the source engine (its value stays as typed) and shared by the target engine (its
// value follows every unit change). The CLI, the GUI and each test build their own
// session; messages go to the interface given at construction.

#include "core/engine/quantityconverter.h"
#include "core/evaluator/tparser.h"
#include "core/notation/abbreviations.h"
#include "core/notation/typedtext.h"
#include "core/platform/dirmap.h"
#include "core/settings/unitoptions.h"
#include "core/text/messages.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarnel {

class ConverterSession {
  public:
    /// Over a data root: abbreviations and spellings from its unit-converter folder, the
    /// settings file read (and later written) only when stand-alone.
    ConverterSession(IMessages& messages, const TDirMap& dirs, bool standalone);
    /// Over one unit data file without a data root (the headless converter): no
    /// settings file, defaults apply, no display abbreviations.
    ConverterSession(IMessages& messages, const std::string& unitFile);
    ConverterSession(const ConverterSession&) = delete;
    ConverterSession& operator=(const ConverterSession&) = delete;

    IMessages& messages() const { return fMessages; }
    TParser& parser() { return fParser; }
    /// Null for a session over a single file.
    const TDirMap* dirs() const { return fDirs ? &*fDirs : nullptr; }
    const AbbrevList& abbreviations() const { return fAbbrev; }
    const SpellingMap& spellings() const { return fSpellings; }
    TfmUnitOptions& options() { return fOptions; }

    /// The unit file of the options when it exists, else default.unt (a file session:
    /// its file).
    std::string UnitFile();
    /// Reads the options and loads the unit file into both engines; false when the file
    /// is missing or does not parse (after the message).
    bool load();
    bool loaded() const { return fLoaded; }
    /// Loads another unit file into both engines in place; EM "Wrong filename - " when it
    /// is missing or empty. Everything registered with onReload runs afterwards.
    void setUnitFile(const std::string& path);
    void onReload(std::function<void()> callback) { fOnReload.push_back(std::move(callback)); }

    /// Significant digits of results: the option Prec unless overridden.
    int prec() const { return fPrec; }
    void setPrec(int p);
    /// Re-reads the options that the engines use (after the options dialog's OK).
    void applyOptions();

    TConvert& iConvert() { return fSource; }
    /// Made on first use, over the source engine's document.
    TConvert& oConvert();
    /// Whole-quantity conversions over the target engine, reading typed text.
    QuantityConverter& converter();

  private:
    void loadText(const std::string& file, std::string text);
    void setPrecOf(int p);

    IMessages& fMessages;
    std::optional<TDirMap> fDirs;
    std::string fFile; // a file session's unit file
    TParser fParser;
    AbbrevList fAbbrev;
    SpellingMap fSpellings;
    TfmUnitOptions fOptions;
    TConvert fSource{fParser, fMessages};
    std::unique_ptr<TConvert> fTarget;
    std::unique_ptr<QuantityConverter> fConverter;
    std::vector<std::function<void()>> fOnReload;
    int fPrec = 7;
    bool fPrecFixed = false;
    bool fLoaded = false;
};

} // namespace tarnel
