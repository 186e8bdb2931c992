#include "core/text/messages.h"

#include <cstdio>

namespace tarnel {

void StderrMessages::info(const std::string& text) {
    std::fprintf(stderr, "message: %s\n", text.c_str());
}

bool StderrMessages::yesNo(const std::string& text) {
    info(text);
    return false;
}

} // namespace tarnel
