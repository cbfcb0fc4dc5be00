// The default-browser stand-in records the program name and its command line.
#include "StandinTestSupport.h"

TEST(BrowserStandin, RecordsItsNameAndArguments) {
    std::string logDir = MakeTempLogDir();
    const char* exes[] = {"iexplore.exe", "BrowserRecorder.exe"};
    for (const char* exe : exes) {
        CChildProcess browser;
        ASSERT_TRUE(browser.Start("\"" + BinDir() + "\\" + exe + "\" http://www.zelvo.test/a?b=1&c=\"d e\"",
                                  "", {{"ZELVO_STANDIN_LOG_DIR", logDir}}));
        auto code = browser.Wait(15000);
        ASSERT_TRUE(code);
        EXPECT_EQ(*code, 0u);
        EXPECT_TRUE(HasRecord(logDir, "browser.log",
                              std::string("exe=") + exe + " args=http://www.zelvo.test/a?b=1&c=\"d e\""))
            << exe;
    }
    EXPECT_EQ(ReadLogLines(logDir, "browser.log").size(), 2u);
}
