#pragma once
// Stand-alone or attached: decided once by the executable's file name.

#include <string>

namespace tarnel {

/// True when the file name of `exePath` (without its folder) is TarnelUC or TarnelUC.exe,
/// compared without case; any other name runs attached to a host.
bool IsStandalone(const std::string& exePath);

} // namespace tarnel
