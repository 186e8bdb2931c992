#include "core/platform/dirmap.h"

#include "core/text/em.h"
#include "core/text/messages.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnel {

std::string withSlash(const std::string& dir) {
    return dir.empty() || dir.back() == '/' ? dir : dir + "/";
}

TDirMap::TDirMap(const std::string& exeDir, const std::string& userDataDir,
                 const std::string& productName, bool forceConfigInExe, IMessages& messages) {
    fExe = withSlash(exeDir);
    const std::string loc = fExe + "location.dir";
    const bool hasLoc = fileExists(loc);
    if (hasLoc) {
        std::string root = trim(LoadTextFile(loc, kSmallFileCap));
        // No path holds a NUL; keep the message readable for a damaged file.
        for (char& c : root)
            if (c == '\0') c = '?';
        if (!root.empty()) {
            // A root without its trailing delimiter would glue file names onto it.
            root = withSlash(root);
            if (!dirExists(root)) throw EM("Error: <" + root + "> directory is not there");
            Localion2Root = true;
            fRoot = root;
            return;
        }
    }
    ExeIsProtected = !dirWritable(fExe);
    ConfigInExe = forceConfigInExe && !ExeIsProtected;
    if (!ConfigInExe) ConfigInExe = hasLoc;
    if (ConfigInExe && !ExeIsProtected) {
        std::string parent = fExe.substr(0, fExe.size() - 1);
        size_t k = parent.rfind('/');
        fRoot = k == std::string::npos ? std::string("/") : parent.substr(0, k + 1);
        return;
    }
    if (productName.empty()) throw EM("Error: ProductName param is missing");
    fRoot = withSlash(userDataDir) + productName + "/";
    if (!dirExists(fRoot)) {
        messages.info(fRoot +
                      " directory is not there.\nYou probably installed Tarnel under "
                      "another user account" +
                      "\n" + "Install it under the current account as well.");
        throw EM("Unexpected error in DirMap");
    }
    const std::string brd = fRoot + "BrdData/";
    if (!dirExists(brd) && ::mkdir(brd.c_str(), 0755) != 0)
        throw EM("Cannot create directory " + brd + ": " + std::strerror(errno));
}

std::string TDirMap::executableDir() {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string p(buf, static_cast<size_t>(n));
    return p.substr(0, p.rfind('/') + 1);
}

std::string TDirMap::userDataDir() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return withSlash(xdg);
    const char* home = std::getenv("HOME");
    return withSlash(home && *home ? home : "/") + ".local/share/";
}

TDirMap TDirMap::forThisProcess(const std::string& productName, IMessages& messages) {
    return TDirMap(executableDir(), userDataDir(), productName, false, messages);
}

} // namespace tarnel
