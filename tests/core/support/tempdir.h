#pragma once
// Real folders for tests: a temporary folder removed at the end, and helpers that run a
// piece of a test as an unprivileged user or inside a private mount namespace, so that
// read-only and full folders behave as they do for a normal user, even under root.

#include <functional>
#include <string>

namespace tarnel::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    /// The folder, with a trailing "/".
    const std::string& path() const { return fPath; }
    std::string file(const std::string& name) const { return fPath + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    std::string mkdir(const std::string& name, unsigned mode = 0755) const;

  private:
    std::string fPath;
};

/// Runs `fn` in a child process as user nobody when we are root (directly otherwise);
/// returns fn's result, or -1 when the child died.
int runUnprivileged(const std::function<int()>& fn);
/// Runs `fn` in a child process with a tmpfs of `bytes` mounted on `dir` in a private
/// mount namespace; returns fn's result, or -2 when the namespace cannot be made here.
int runWithTinyTmpfs(const std::string& dir, unsigned long bytes, const std::function<int()>& fn);

} // namespace tarnel::test
