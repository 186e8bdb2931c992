#include "core/text/em.h"

#include "core/text/strutil.h"

namespace tarnel {

std::string EM::compose(const std::string& msg) {
    auto n = parseInt(msg);
    if (n && *n != 0) return "internal error #" + msg;
    return msg;
}

} // namespace tarnel
