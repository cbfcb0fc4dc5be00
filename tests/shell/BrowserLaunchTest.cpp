#include "shell/BrowserLaunch.h"

#include <gtest/gtest.h>

namespace {

TEST(ReduceBrowserCommand, TakesTheProgramPath) {
    const struct { const char* command; const char* path; } cases[] = {
        {"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" -nohome", "C:\\Program Files\\Internet Explorer\\iexplore.exe"},
        {"\"C:\\Mozilla\\firefox.exe\" -url \"%1\"", "C:\\Mozilla\\firefox.exe\" -url \"%1"},
        {"C:\\PROGRA~1\\Plus\\IEXPLORE.EXE -nohome", "C:\\PROGRA~1\\Plus\\IEXPLORE.EXE"},
        {"C:\\Program Files\\x.exe", "C:\\Program Files\\x.exe"},           // no blank after last '\'
        {"\\start.exe -x", "\\start.exe -x"},                                // backslash at 0
        {"browser -x", "browser -x"},
        {"C:\\one\" quote", "C:\\one\" quote"},                              // single quote: whole
    };
    for (const auto& c : cases) EXPECT_EQ(ReduceBrowserCommand(c.command), c.path) << c.command;
}

TEST(ReduceBrowserCommand, OnlyQuotedTextIsAnArgument) {
    // The written rule takes the text between the first and last quote, even when that is an argument.
    EXPECT_EQ(ReduceBrowserCommand("C:\\b\\browse.exe -url \"%1\""), "%1");
}

TEST(IsWebAddress, AcceptsOnlyAbsoluteHttpAndHttps) {
    const struct { const char* address; bool web; } cases[] = {
        {"http://www.zelvo.test/", true}, {"HTTPS://x", true}, {"hTtP://x?y=\"", false},
        {"http://", false}, {"file:///C:/windows/system32/calc.exe", false}, {"C:\\windows\\notepad.exe", false},
        {"\\\\server\\share", false}, {"www.zelvo.test", false}, {"mailto:a@b", false},
        {"http://a\r\nb", false}, {" http://x", false}, {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWebAddress(c.address), c.web) << c.address;
}

TEST(PlanBrowserLaunch, IexploreGetsTheQuotedAddressOthersTheOpenVerb) {
    using K = BrowserLaunch::Kind;
    const struct { const char* command; const char* address; K kind; const char* file; const char* params; } cases[] = {
        {"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" -nohome", "http://a/", K::Program,
         "C:\\Program Files\\Internet Explorer\\iexplore.exe", "\"http://a/\""},
        // Blanks and backslashes are ignored when looking for the name.
        {"C:\\ie\\iexp lore.exe", "http://a/", K::OpenVerb, "http://a/", ""},
        {"\"C:\\i\\iexplore .exe\"", "http://a/", K::Program, "C:\\i\\iexplore .exe", "\"http://a/\""},
        {"\"C:\\IE\\IEXPLORE.EXE\" %1", "http://a/", K::OpenVerb, "http://a/", ""},
        {"\"C:\\Mozilla\\firefox.exe\" \"%1\"", "https://b/", K::OpenVerb, "https://b/", ""},
        {"", "http://c/", K::OpenVerb, "http://c/", ""},
        {"\"C:\\ie\\iexplore.exe\"", "file:///C:/x.exe", K::None, "", ""},
        {"\"C:\\ie\\iexplore.exe\"", "C:\\x.exe", K::None, "", ""},
    };
    for (const auto& c : cases) {
        BrowserLaunch launch = PlanBrowserLaunch(c.command, c.address);
        EXPECT_EQ(launch.kind, c.kind) << c.command << " / " << c.address;
        EXPECT_EQ(launch.file, c.file) << c.command;
        EXPECT_EQ(launch.parameters, c.params) << c.command;
    }
}

}  // namespace
