#include "core/platform/twebconnect.h"

#include "core/text/strutil.h"

#include <fstream>
#include <sstream>

namespace tarnel {

namespace {
constexpr unsigned kRouteUp = 0x1; // RTF_UP
constexpr unsigned kIfUp = 0x1;    // IFF_UP

bool hexValue(const std::string& text, unsigned long& out) {
    if (text.empty() || text.size() > 16) return false;
    try {
        size_t used = 0;
        out = std::stoul(text, &used, 16);
        return used == text.size();
    } catch (const std::exception&) {
        return false;
    }
}

bool startsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}
} // namespace

TWebConnect::TWebConnect(std::string procRoute, std::string sysClassNet)
    : fRoute(std::move(procRoute)), fNet(std::move(sysClassNet)) {}

TWebConnectType TWebConnect::ConnectionType() const {
    std::ifstream route(fRoute);
    std::string line;
    std::getline(route, line); // the column titles
    TWebConnectType found = TWebConnectType::wctNone;
    while (std::getline(route, line)) {
        std::istringstream cols(line);
        std::string iface, dest, gateway, flags, refcnt, use, metric, mask;
        if (!(cols >> iface >> dest >> gateway >> flags >> refcnt >> use >> metric >> mask))
            continue;
        unsigned long d = 1, m = 1, f = 0;
        if (!hexValue(dest, d) || !hexValue(mask, m) || !hexValue(flags, f)) continue;
        if (d != 0 || m != 0 || !(f & kRouteUp)) continue;
        if (iface.find('/') != std::string::npos || iface.find("..") != std::string::npos) continue;
        std::ifstream ifFlags(fNet + iface + "/flags");
        std::string text;
        unsigned long ff = 0;
        if (!(ifFlags >> text) || !hexValue(startsWith(text, "0x") ? text.substr(2) : text, ff) ||
            !(ff & kIfUp))
            continue;
        if (startsWith(iface, "ppp") || startsWith(iface, "wwan"))
            found = TWebConnectType::wctModem;
        else
            return TWebConnectType::wctLan; // a LAN route wins, as the LAN bit does
    }
    return found;
}

} // namespace tarnel
