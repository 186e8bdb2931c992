#include "support/tempdir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sched.h>
#include <sstream>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarnel::test {

TempDir::TempDir() {
    char tmpl[] = "/tmp/tarnel-test-XXXXXX";
    if (!::mkdtemp(tmpl)) throw std::runtime_error("mkdtemp failed");
    ::chmod(tmpl, 0755); // so an unprivileged child can reach it
    fPath = std::string(tmpl) + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(fPath, std::filesystem::perms::all, ec);
    for (auto& e : std::filesystem::recursive_directory_iterator(fPath, ec))
        if (e.is_directory())
            std::filesystem::permissions(e.path(), std::filesystem::perms::all, ec);
    std::filesystem::remove_all(fPath, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream f(fPath + name, std::ios::binary);
    f << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream f(fPath + name, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

std::string TempDir::mkdir(const std::string& name, unsigned mode) const {
    std::string p = fPath + name;
    std::filesystem::create_directories(p);
    ::chmod(p.c_str(), mode);
    return p + "/";
}

static int waitChild(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

int runUnprivileged(const std::function<int()>& fn) {
    if (::geteuid() != 0) return fn();
    pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(99);
        ::_exit(fn());
    }
    return waitChild(pid);
}

int runWithTinyTmpfs(const std::string& dir, unsigned long bytes, const std::function<int()>& fn) {
    pid_t pid = ::fork();
    if (pid == 0) {
        if (::unshare(CLONE_NEWNS) != 0) ::_exit(200);
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) ::_exit(200);
        std::string opts = "size=" + std::to_string(bytes);
        if (::mount("tarnel-test", dir.c_str(), "tmpfs", 0, opts.c_str()) != 0) ::_exit(200);
        ::_exit(fn());
    }
    int r = waitChild(pid);
    return r == 200 ? -2 : r;
}

} // namespace tarnel::test
