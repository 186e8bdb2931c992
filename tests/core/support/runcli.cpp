#include "support/runcli.h"

#include "support/tempdir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace tarnel::test {

namespace {
std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}
} // namespace

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
    TempDir t;
    t.write("in", input);
    std::string cmd = quote(TARNEL_CLI);
    for (const auto& a : args)
        cmd += " " + quote(a);
    cmd += " <" + quote(t.file("in")) + " >" + quote(t.file("out")) + " 2>" + quote(t.file("err"));
    const int rc = std::system(cmd.c_str());
    CliResult r;
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = slurp(t.file("out"));
    r.err = slurp(t.file("err"));
    return r;
}

} // namespace tarnel::test
