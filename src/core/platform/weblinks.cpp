#include "core/platform/weblinks.h"

#include "core/text/strutil.h"

namespace tarnel {

namespace {
/// The scheme before the first ":", lower case; "" when the text does not start with one.
std::string schemeOf(const std::string& url) {
    const size_t colon = url.find(':');
    if (colon == std::string::npos || colon == 0) return "";
    std::string s;
    for (size_t i = 0; i < colon; ++i) {
        const char c = url[i];
        const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!alpha && !(i > 0 && other)) return "";
        s.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return s;
}

/// Blanks and brackets become "+", then each run of "+" becomes one.
std::string searchText(const std::string& text) {
    std::string out;
    for (const char c : trim(text)) {
        const char r = (c == ' ' || c == '(' || c == ')') ? '+' : c;
        if (r == '+' && !out.empty() && out.back() == '+') continue;
        out.push_back(r);
    }
    return out;
}
} // namespace

bool isOpenableLink(const std::string& url) {
    for (const char c : url)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    const std::string scheme = schemeOf(url);
    if (scheme.empty()) return false;
    const std::string rest = url.substr(scheme.size() + 1);
    if (scheme == "http" || scheme == "https")
        return rest.size() > 2 && rest.compare(0, 2, "//") == 0 && rest[2] != '/';
    if (scheme == "mailto") return !trim(rest).empty();
    return false;
}

void OpenLink(ILinkOpener& opener, IMessages& messages, const std::string& url) {
    const std::string link = trim(url);
    if (!isOpenableLink(link)) {
        messages.info("This link is not a web or mail address and is not opened:\n" + link);
        return;
    }
    opener.openUrl(link);
}

std::string searchWebUrl(const std::string& category, const std::string& unit, int searchEngine,
                         const std::string& customSearchEngine, const std::string& webSite) {
    const std::string cat = searchText(category);
    const std::string u = searchText(unit);
    if (cat.empty() && u.empty()) return "";
    const bool withUnit = !unit.empty();
    if (searchEngine != 0) {
        std::string url = webSite + "/cgi-bin/ask4unit.cgi?cat=" + cat;
        if (withUnit) url += "&unit=" + u;
        return url + "&search_eng=" + std::to_string(searchEngine);
    }
    // The options show the custom address after a fixed "http://".
    std::string custom = trim(customSearchEngine);
    if (custom.find("://") == std::string::npos && schemeOf(custom) != "mailto")
        custom = "http://" + custom;
    return custom + (withUnit ? u : cat);
}

void SearchWeb(ILinkOpener& opener, IMessages& messages, const std::string& category,
               const std::string& unit, int searchEngine, const std::string& customSearchEngine,
               const std::string& webSite) {
    const std::string url = searchWebUrl(category, unit, searchEngine, customSearchEngine, webSite);
    if (!url.empty()) OpenLink(opener, messages, url);
}

} // namespace tarnel
