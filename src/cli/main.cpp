// The headless converter: the core's operations for scripts and for checking the
// program from outside. Messages of the core go to stderr as "message: TEXT".
#include "cli/commands.h"

int main(int argc, char** argv) {
    return tarnel::cli::run(argc, argv);
}
