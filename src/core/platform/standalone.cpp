#include "core/platform/standalone.h"

#include "core/text/strutil.h"

namespace tarnel {

bool IsStandalone(const std::string& exePath) {
    const size_t k = exePath.rfind('/');
    const std::string name = k == std::string::npos ? exePath : exePath.substr(k + 1);
    return sameText(name, "TarnelUC") || sameText(name, "TarnelUC.exe");
}

} // namespace tarnel
