#pragma once
// The converter's settings: decoded afresh from the option list on every call (nothing
// caches them), read from and written to TarnelUC.ini only when running stand-alone.
// The dialog's widgets only copy the values of OptionControls.

#include "core/settings/optionlist.h"
#include "core/text/messages.h"

#include <string>
#include <vector>

namespace tarnel {

struct TUOpts {
    std::string UnitFile;
    int Width = 0;
    int Height = 0;
    int Prec = 7;
    bool CopyBoth = false;
    bool SwapSrcTrg = false;
    bool PromptB4Delete = false;
    bool MinimOnTray = false;
    bool MultiTabMode = false;
    bool MonthlyCheck = true;
    int SearchEngine = 3;
    std::string CustomSearchEngine;
};

/// What the options dialog shows; Vis2List stores it, List2Vis fills it.
struct OptionControls {
    std::vector<std::string> unitFiles; // the *.unt files of the folder
    std::string unitFile;               // the selected file name ("" when none)
    int prec = 7;
    bool copyBoth = false, minimOnTray = false, monthlyCheck = true;
    bool promptB4Delete = false, swapSrcTrg = false;
    int modePage = 0; // 0 integrated, 1 multi-tab
    int searchEngine = 3;
    std::string customSearchEngine;
};

class TfmUnitOptions : public TfmOptGeneral {
  public:
    /// unitConverterDir ends with "/"; standalone decides whether the file is used.
    /// Warnings (a missing settings or unit file) go to `messages`.
    TfmUnitOptions(std::string unitConverterDir, bool standalone, IMessages& messages);

    std::string Filename() const { return fDir + "TarnelUC.ini"; }
    /// Stand-alone: loads the settings file, or warns that it is missing (defaults apply).
    void Init();
    /// Decodes every setting; a missing unit file warns once and falls back to default.unt.
    TUOpts Opts();
    /// The dialog's OK: rebuilds the list in the fixed key order; stand-alone saves it.
    void Vis2List(const OptionControls& c);
    /// Fills the controls; false when the list is empty (the controls keep their values).
    bool List2Vis(OptionControls& c);
    /// Names of the *.unt files in the unit-converter folder, in directory order.
    std::vector<std::string> UnitFiles() const;
    bool Standalone() const { return fStandalone; }
    /// The unit-converter folder (ends with "/").
    const std::string& dir() const { return fDir; }

    /// Writes the settings file (a damaged one is first renamed to TarnelUC.ini.bak).
    void save();

  private:
    std::string fDir;
    bool fStandalone;
    IMessages* fMessages;
    bool fUnreadable = false;
};

} // namespace tarnel
