#include "core/platform/messagelog.h"

#include "core/text/textfile.h"

namespace tarnel {

SharedMessageLog::SharedMessageLog(const std::string& root) : fPath(root + "Temp/ErrorMsgs.txt") {
    if (!fileExists(fPath)) return;
    try {
        fLines = readTextLines(fPath);
    } catch (const std::exception&) {
        fLines.clear(); // an unreadable log only loses old diagnostics
    }
}

bool SharedMessageLog::trimAndSave() noexcept {
    constexpr size_t keep = 100;
    if (fLines.size() > keep) fLines.erase(fLines.begin(), fLines.end() - keep);
    try {
        writeTextLines(fPath, fLines);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace tarnel
