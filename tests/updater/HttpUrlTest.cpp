#include "updater/HttpUrl.h"

#include <gtest/gtest.h>

namespace {

TEST(HttpUrl, SplitsHttpAddresses) {
    struct Case {
        const char* url;
        bool ok;
        const char* server;
        unsigned short port;
        const char* object;
    };
    const Case cases[] = {
        {"http://updates.zelvo.test/zelvoupdates/patch.exe", true, "updates.zelvo.test", 80,
         "/zelvoupdates/patch.exe"},
        {"http://127.0.0.1:8080/zelvoupdates/p", true, "127.0.0.1", 8080, "/zelvoupdates/p"},
        {"http://host", true, "host", 80, "/"},
        {"https://host/p", false, "", 0, ""},
        {"http:///p", false, "", 0, ""},
        {"http://host:/p", false, "", 0, ""},
        {"http://host:99999/p", false, "", 0, ""},
        {"http://host:0/p", false, "", 0, ""},
        {"http://host:8a/p", false, "", 0, ""},
        {"ftp://host/p", false, "", 0, ""},
    };
    for (const Case& c : cases) {
        CHttpUrlParts parts;
        ASSERT_EQ(SplitHttpUrl(c.url, parts), c.ok) << c.url;
        if (!c.ok) continue;
        EXPECT_EQ(parts.server, c.server) << c.url;
        EXPECT_EQ(parts.port, c.port) << c.url;
        EXPECT_EQ(parts.object, c.object) << c.url;
    }
}

}  // namespace
