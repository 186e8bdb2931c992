// Web search addresses and the schemes the program agrees to open.

#include "core/platform/weblinks.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {
struct RecordingOpener : ILinkOpener {
    std::vector<std::string> urls;
    void openUrl(const std::string& url) override { urls.push_back(url); }
};
} // namespace

TEST(WebLinks, SearchAddresses) {
    const std::string ask = "https://maker.test/cgi-bin/ask4unit.cgi?";
    struct Case {
        const char* category;
        const char* unit;
        int engine;
        const char* custom;
        std::string url;
    } cases[] = {
        {"", "cubic foot (US)", 3, "", ask + "cat=&unit=cubic+foot+US+&search_eng=3"},
        {"Volume", " cubic foot (US) ", 1, "", ask + "cat=Volume&unit=cubic+foot+US+&search_eng=1"},
        {"Fuel (consumption)", "", 2, "", ask + "cat=Fuel+consumption+&search_eng=2"},
        {"Volume", "  ", 4, "", ask + "cat=Volume&unit=&search_eng=4"},
        {"", "cubic foot (US)", 0,
         "www.search.test/?q=", "http://www.search.test/?q=cubic+foot+US+"},
        {"Area", "", 0, "https://search.test/?q=", "https://search.test/?q=Area"},
        {" ", "", 3, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.category) + "|" + c.unit);
        EXPECT_EQ(searchWebUrl(c.category, c.unit, c.engine, c.custom, "https://maker.test"),
                  c.url);
    }
}

TEST(WebLinks, OnlyWebAndMailAddressesOpen) {
    struct Case {
        const char* url;
        bool opens;
    } cases[] = {
        {"https://maker.test/?pg=converter/", true},
        {" http://maker.test ", true},
        {"HTTPS://MAKER.TEST", true},
        {"mailto:someone@maker.test", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"/usr/bin/xterm", false},
        {"xterm", false},
        {"http:/etc/passwd", false},
        {"http:///etc/passwd", false},
        {"mailto:", false},
        {"smb://server/share", false},
        {"http://maker.test/\nfile:///x", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        RecordingOpener opener;
        RecordingMessages messages;
        OpenLink(opener, messages, c.url);
        EXPECT_EQ(opener.urls.size(), c.opens ? 1u : 0u);
        EXPECT_EQ(messages.texts.size(), c.opens ? 0u : 1u);
    }
    // A custom address naming another scheme is refused rather than opened.
    RecordingOpener opener;
    RecordingMessages messages;
    SearchWeb(opener, messages, "", "m", 0, "file:///bin/sh?", "https://maker.test");
    EXPECT_TRUE(opener.urls.empty());
    ASSERT_EQ(messages.texts.size(), 1u);
    SearchWeb(opener, messages, "Area", "  ", 0, "x", "https://maker.test");
    EXPECT_EQ(opener.urls, std::vector<std::string>{"http://x"});
}
