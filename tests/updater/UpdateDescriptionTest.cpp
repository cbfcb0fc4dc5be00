#include "updater/UpdateDescription.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateDescription, ReadsTheRootsDirectChildren) {
    struct Case {
        const char* name;
        const char* text;
        const char* version;
        const char* patchName;
        long long size;
        const char* sha256;
    };
    const Case cases[] = {
        {"complete", "<?xml version=\"1.0\"?><update><patchVersion>2.0.1.5</patchVersion>"
                     "<patchname>Zelvo.exe</patchname><patchsize>1000000</patchsize>"
                     "<patchsha256>ab</patchsha256></update>",
         "2.0.1.5", "Zelvo.exe", 1000000, "ab"},
        {"any root name, no digest", "<x><patchsize>12</patchsize><patchVersion>3</patchVersion></x>", "3", "", 12, ""},
        {"version one level deeper", "<u><v><patchVersion>9</patchVersion></v></u>", "", "", 0, ""},
        {"size as atoi reads it", "<u><patchsize>123abc</patchsize></u>", "", "", 123, ""},
        {"size not a number", "<u><patchsize>big</patchsize></u>", "", "", 0, ""},
        {"not XML", "Not Found", "", "", 0, ""},
        {"empty", "", "", "", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CUpdateDescription description;
        description.SetDescription(c.text);
        EXPECT_EQ(description.PatchVersion(), c.version);
        EXPECT_EQ(description.PatchName(), c.patchName);
        EXPECT_EQ(description.PatchSize(), c.size);
        EXPECT_EQ(description.PatchSha256(), c.sha256);
        // Every query loads the description again, so asking twice gives the same answer.
        EXPECT_EQ(description.PatchVersion(), c.version);
    }
}

TEST(UpdateDescription, InstalledVersionUnderConfiguration) {
    const std::pair<const char*, const char*> cases[] = {
        {"<configuration><OrvaneVersion>2.0.1.4</OrvaneVersion></configuration>", "2.0.1.4"},
        {"<?xml version=\"1.0\"?>\r\n<configuration>\r\n <a/>\r\n <OrvaneVersion>1.9</OrvaneVersion>\r\n</configuration>",
         "1.9"},
        // Another root: the child is still looked for under it.
        {"<settings><OrvaneVersion>7</OrvaneVersion></settings>", "7"},
        {"<configuration><x><OrvaneVersion>7</OrvaneVersion></x></configuration>", ""},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) {
        CUpdateDescription description;
        description.SetDescription("<u><patchVersion>5</patchVersion></u>");
        EXPECT_EQ(description.InstalledVersion(text), expected) << text;
        // The description is still read afterwards, though the reader held the configuration.
        EXPECT_EQ(description.PatchVersion(), "5");
    }
}

}  // namespace
