#pragma once
// Where the program keeps its files. A "location.dir" beside the executable may name the
// data root; a blank one beside a writable executable folder makes that folder's parent
// the root; otherwise the root is the per-user data folder of the product.

#include "core/text/messages.h"

#include <string>

namespace tarnel {

class TDirMap {
  public:
    /// exeDir: the executable's folder; userDataDir: the per-user application-data
    /// folder ($XDG_DATA_HOME or ~/.local/share). Throws EM with the program's messages.
    /// The note about a missing per-user root goes to `messages` before the error.
    TDirMap(const std::string& exeDir, const std::string& userDataDir,
            const std::string& productName, bool forceConfigInExe, IMessages& messages);

    /// The map of the running program: its executable's folder and the user's data folder.
    static TDirMap forThisProcess(const std::string& productName, IMessages& messages);
    static std::string executableDir();
    static std::string userDataDir();

    bool Localion2Root = false;
    bool ExeIsProtected = false;
    bool ConfigInExe = false;
    const std::string& Exe() const { return fExe; }
    const std::string& Root() const { return fRoot; }
    std::string UnitConverter() const { return fRoot + "UnitConverter/"; }

  private:
    std::string fExe;
    std::string fRoot;
};

/// Adds a trailing "/" when missing.
std::string withSlash(const std::string& dir);

} // namespace tarnel
