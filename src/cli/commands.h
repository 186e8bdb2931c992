#pragma once
// Argument parsing and the commands of tarneluc-cli.

namespace tarnel::cli {

/// Runs the command line; returns the exit status (0 ok, 1 failure, 2 usage).
int run(int argc, char** argv);

} // namespace tarnel::cli
