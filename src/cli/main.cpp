// The headless converter: the core's operations for scripts and checks from outside.
#include "core/appinfo/buildinfo.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "version") == 0) {
        std::printf("%s\n", tarnel::kProgramVersion);
        return 0;
    }
    std::fprintf(stderr, "usage: tarneluc-cli [--data FILE] [--prec N] COMMAND ...\n");
    return 2;
}
