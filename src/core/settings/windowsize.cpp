#include "core/settings/windowsize.h"

#include "core/text/em.h"
#include "core/text/namevaluelist.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"

namespace tarnel {

WindowSize readWindowSize(const std::string& path) {
    if (!fileExists(path)) throw EM("Error: file not found - " + path);
    NameValueList l;
    l.loadFromFile(path);
    WindowSize s;
    s.width = parseIntOr(l.valueOr("Width"), 640);
    s.height = parseIntOr(l.valueOr("Height"), 420);
    return s;
}

void writeWindowSize(const std::string& path, const WindowSize& size) {
    writeTextLines(
        path, {"Width=" + std::to_string(size.width), "Height=" + std::to_string(size.height)});
}

} // namespace tarnel
