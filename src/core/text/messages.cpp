#include "core/text/messages.h"

#include <cstdio>

namespace tarnel {

namespace {
StderrMessages gDefault;
IMessages* gSink = &gDefault;
} // namespace

void StderrMessages::info(const std::string& text) {
    std::fprintf(stderr, "message: %s\n", text.c_str());
}

bool StderrMessages::yesNo(const std::string& text) {
    info(text);
    return false;
}

IMessages& messages() {
    return *gSink;
}

IMessages* installMessages(IMessages* sink) {
    IMessages* prev = gSink;
    gSink = sink ? sink : &gDefault;
    return prev == &gDefault ? nullptr : prev;
}

} // namespace tarnel
