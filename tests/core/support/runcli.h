#pragma once
// Runs the built tarneluc-cli with arguments and standard input; collects its output.

#include <string>
#include <vector>

namespace tarnel::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

CliResult runCli(const std::vector<std::string>& args, const std::string& input = "");

} // namespace tarnel::test
