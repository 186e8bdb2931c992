#include "core/text/namevaluelist.h"

#include "core/text/strutil.h"
#include "core/text/textfile.h"

namespace tarnel {

void NameValueList::setText(std::string_view text) {
    fLines = splitLines(text);
}

std::string NameValueList::text() const {
    std::string out;
    for (const auto& l : fLines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::string NameValueList::nameOf(std::string_view line) {
    size_t k = line.find('=');
    return k == std::string_view::npos ? std::string() : std::string(line.substr(0, k));
}

std::string NameValueList::valueOf(std::string_view line) {
    size_t k = line.find('=');
    return k == std::string_view::npos ? std::string() : std::string(line.substr(k + 1));
}

int NameValueList::indexOfName(std::string_view name) const {
    for (size_t i = 0; i < fLines.size(); ++i) {
        std::string_view l = fLines[i];
        size_t k = l.find('=');
        if (k != std::string_view::npos && sameText(l.substr(0, k), name))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> NameValueList::value(std::string_view name) const {
    int i = indexOfName(name);
    if (i < 0) return std::nullopt;
    return valueOf(fLines[static_cast<size_t>(i)]);
}

std::string NameValueList::valueOr(std::string_view name, std::string_view def) const {
    auto v = value(name);
    return v ? *v : std::string(def);
}

void NameValueList::setValue(std::string_view name, std::string_view value) {
    std::string line = std::string(name) + "=" + std::string(value);
    int i = indexOfName(name);
    if (i < 0)
        fLines.push_back(std::move(line));
    else
        fLines[static_cast<size_t>(i)] = std::move(line);
}

void NameValueList::loadFromFile(const std::string& path) {
    fLines = readTextLines(path);
}

void NameValueList::saveToFile(const std::string& path) const {
    writeTextLines(path, fLines);
}

} // namespace tarnel
