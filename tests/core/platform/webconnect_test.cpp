// The connection probe over routing tables and interface folders of the test's own.

#include "core/platform/twebconnect.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace tarnel;
using tarnel::test::TempDir;

TEST(TWebConnect, DefaultRouteOnAnUpInterface) {
    const std::string head = "Iface\tDestination\tGateway\tFlags\tRefCnt\tUse\tMetric\tMask\n";
    const std::string lanNet = "eth0\t0002A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\n";
    struct Case {
        const char* name;
        std::string routes;
        TWebConnectType type;
    } cases[] = {
        {"lan", lanNet + "eth0\t00000000\t0102A8C0\t0003\t0\t0\t0\t00000000\n",
         TWebConnectType::wctLan},
        {"wireless", "wlp2s0\t00000000\t0102A8C0\t0003\t0\t0\t600\t00000000\n",
         TWebConnectType::wctLan},
        {"modem", "ppp0\t00000000\t00000000\t0001\t0\t0\t0\t00000000\n", TWebConnectType::wctModem},
        {"wwan", "wwan0\t00000000\t00000000\t0001\t0\t0\t0\t00000000\n", TWebConnectType::wctModem},
        {"lan wins",
         "ppp0\t00000000\t00000000\t0001\t0\t0\t0\t00000000\n"
         "eth0\t00000000\t0102A8C0\t0003\t0\t0\t0\t00000000\n",
         TWebConnectType::wctLan},
        {"no default", lanNet, TWebConnectType::wctNone},
        {"interface down", "eth1\t00000000\t0102A8C0\t0003\t0\t0\t0\t00000000\n",
         TWebConnectType::wctNone},
        {"route down", "eth0\t00000000\t0102A8C0\t0002\t0\t0\t0\t00000000\n",
         TWebConnectType::wctNone},
        {"unknown interface", "veth9\t00000000\t0102A8C0\t0003\t0\t0\t0\t00000000\n",
         TWebConnectType::wctNone},
        {"escaping name", "../eth0\t00000000\t0102A8C0\t0003\t0\t0\t0\t00000000\n",
         TWebConnectType::wctNone},
        {"garbage", "eth0 zz\n\t\n", TWebConnectType::wctNone},
    };
    TempDir t;
    for (const char* up : {"eth0", "wlp2s0", "ppp0", "wwan0"}) {
        t.mkdir(up);
        t.write(std::string(up) + "/flags", "0x1003\n");
    }
    t.mkdir("eth1");
    t.write("eth1/flags", "0x1002\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.write("route", head + c.routes);
        TWebConnect probe(t.file("route"), t.path());
        EXPECT_EQ(probe.ConnectionType(), c.type);
        EXPECT_EQ(probe.Connected(), c.type != TWebConnectType::wctNone);
    }
    TWebConnect missing(t.file("none"), t.path());
    EXPECT_FALSE(missing.Connected());
    missing.setConnect(true); // only recorded
    EXPECT_TRUE(missing.Connect());
    missing.setVersion("9");
    EXPECT_EQ(missing.Version(), "1.1.0.0");
}
