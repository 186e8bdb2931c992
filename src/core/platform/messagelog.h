#pragma once
// The shared message log of attached mode: read at start when present, trimmed to its
// last 100 lines and written back at exit. Writing back never disturbs the exit.

#include <string>
#include <vector>

namespace tarnel {

class SharedMessageLog {
  public:
    explicit SharedMessageLog(const std::string& root);
    std::vector<std::string>& lines() { return fLines; }
    std::string path() const { return fPath; }
    /// Keeps the last 100 lines and writes the file; false when it could not be written.
    bool trimAndSave() noexcept;

  private:
    std::string fPath;
    std::vector<std::string> fLines;
};

} // namespace tarnel
