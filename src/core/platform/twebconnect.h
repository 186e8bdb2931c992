#pragma once
// The connection probe: whether the machine is online, and over what. Linux answers
// through the routing table: connected when a default route leaves through an interface
// that is up. There is no autodial here, so Connect only records the request.

#include <string>

namespace tarnel {

enum class TWebConnectType { wctModem, wctLan, wctNone };

class TWebConnect {
  public:
    /// `procRoute` and `sysClassNet` are the system's files; tests give their own copies.
    explicit TWebConnect(std::string procRoute = "/proc/net/route",
                         std::string sysClassNet = "/sys/class/net/");

    bool Active = true;
    bool Prompt = false;
    bool Connect() const { return fConnect; }
    /// Records the request; nothing dials on this system.
    void setConnect(bool value) { fConnect = value; }
    std::string Version() const { return "1.1.0.0"; }
    void setVersion(const std::string&) {}

    bool Connected() const { return ConnectionType() != TWebConnectType::wctNone; }
    /// Modem for ppp and wwan interfaces, LAN for any other interface of a default route.
    TWebConnectType ConnectionType() const;

  private:
    std::string fRoute, fNet;
    bool fConnect = false;
};

} // namespace tarnel
