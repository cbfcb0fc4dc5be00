// The control link and the handset bridge, end to end: the stand-in engine and handset library
// talk to a real ZelvoPhone.exe over loopback.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ShellProcess.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr int kTimeoutMs = 10000;

std::string Padded(const std::string& text, std::size_t length) {
    std::string bytes = text;
    bytes.resize(length, '\0');
    return bytes;
}

// One shell for every case of the suite; each case looks only at records after its own start.
class LinkSystem : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_run = new CShellRun;
        s_started = s_run->Start();
    }
    static void TearDownTestSuite() { delete s_run; }

    void SetUp() override {
        ASSERT_TRUE(s_started) << "engine and shell did not come up";
        m_calls = ReadHandsetCalls(Dir()).size();
        m_datagrams = ReadEngineDatagrams(Dir()).size();
    }
    static const std::string& Dir() { return s_run->LogDir(); }

    std::vector<HandsetCall> NewCalls(std::size_t atLeast) {
        std::vector<HandsetCall> calls;
        WaitUntil([&] { return ReadHandsetCalls(Dir()).size() >= m_calls + atLeast; }, kTimeoutMs);
        auto all = ReadHandsetCalls(Dir());
        calls.assign(all.begin() + static_cast<long>(std::min(m_calls, all.size())), all.end());
        return calls;
    }
    std::vector<EngineDatagram> NewDatagrams(std::size_t atLeast) {
        WaitUntil([&] { return ReadEngineDatagrams(Dir()).size() >= m_datagrams + atLeast; }, kTimeoutMs);
        auto all = ReadEngineDatagrams(Dir());
        return {all.begin() + static_cast<long>(std::min(m_datagrams, all.size())), all.end()};
    }

    static CShellRun* s_run;
    static bool s_started;
    std::size_t m_calls = 0;
    std::size_t m_datagrams = 0;
};
CShellRun* LinkSystem::s_run = nullptr;
bool LinkSystem::s_started = false;

TEST_F(LinkSystem, IncomingCallRingsTwiceThenShowsTheCaller) {
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_INCOMING:Alice"));
    auto calls = NewCalls(3);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].code, 0x1001u);
    EXPECT_EQ(calls[1].code, 0x1001u);
    EXPECT_EQ(calls[2].code, 0x1003u);
    EXPECT_EQ(calls[2].text, "Alice");
    EXPECT_EQ(calls[2].args[2], 4u);
}

TEST_F(LinkSystem, RingStopAndRingToneReachTheLibrary) {
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_USBRINGSTOP"));
    ASSERT_TRUE(EngineSend(Padded("ORVANE_MESSAGE_USBSELECTRING:300", 200)));
    auto calls = NewCalls(2);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].code, 0x1002u);
    EXPECT_EQ(calls[1].code, 0x1008u);
    EXPECT_EQ(calls[1].byte, 44);
    EXPECT_EQ(calls[1].args[2], 1u);
}

TEST_F(LinkSystem, HandsetEventsBecomeLongDatagramsToTheEngine) {
    const struct { uint32_t kind, data; const char* number; const char* text; } events[] = {
        {12, 0, "", "ORVANE_ANSWER_END"},
        {10, 0, "0123", "ORVANE_TELNO_:0123:_END"},
        {11, 0x9F, "", nullptr},  // not a key the engine takes: nothing is sent
        {11, 0x191, "", "ORVANE_STARTDIALING_END"},
        {7, 0, "", nullptr},
        {13, 0, "", "ORVANE_HANGUP_END"},
    };
    std::vector<std::string> expected;
    for (const auto& e : events) {
        ASSERT_TRUE(HandsetInject(e.kind, e.data, e.number));
        if (e.text) expected.push_back(Padded(e.text, 256));
    }
    auto datagrams = NewDatagrams(expected.size());
    ASSERT_EQ(datagrams.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(datagrams[i].bytes.size(), 256u);
        EXPECT_EQ(datagrams[i].bytes, expected[i]) << i;
        EXPECT_EQ(datagrams[i].from_ip.rfind("127.", 0), 0u) << datagrams[i].from_ip;
    }
}

TEST_F(LinkSystem, OpenUrlStartsTheRegisteredIexploreWithTheQuotedAddress) {
    ASSERT_TRUE(RegisterBrowserCommand("\"" + BinDir() + "\\iexplore.exe\" -nohome"));
    const std::size_t before = ReadLogLines(Dir(), "browser.log").size();
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_OPENURL:file:///C:/windows/notepad.exe"));
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_OPENURL:C:\\windows\\notepad.exe"));
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_OPENURL:http://www.zelvo.test/help?a=1&b=2"));
    ASSERT_TRUE(WaitUntil([&] { return ReadLogLines(Dir(), "browser.log").size() > before; }, kTimeoutMs));
    ::Sleep(500);
    auto lines = ReadLogLines(Dir(), "browser.log");
    ASSERT_EQ(lines.size(), before + 1) << "only the web address starts the browser";
    EXPECT_THAT(lines.back(), HasSubstr("exe=iexplore.exe"));
    EXPECT_THAT(lines.back(), HasSubstr("args=\"http://www.zelvo.test/help?a=1&b=2\""));
}

TEST_F(LinkSystem, OpenUrlWithAnotherBrowserUsesTheOpenVerb) {
    ASSERT_TRUE(RegisterBrowserCommand("\"" + BinDir() + "\\BrowserRecorder.exe\" \"%1\""));
    const std::size_t before = ReadLogLines(Dir(), "browser.log").size();
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_OPENURL:HTTP://account.zelvo.test/login.html"));
    ASSERT_TRUE(WaitUntil([&] { return ReadLogLines(Dir(), "browser.log").size() > before; }, kTimeoutMs));
    auto lines = ReadLogLines(Dir(), "browser.log");
    EXPECT_THAT(lines.back(), HasSubstr("exe=BrowserRecorder.exe"));
    EXPECT_THAT(lines.back(), HasSubstr("account.zelvo.test/login.html"));
}

TEST(LinkSystemHandsetClosed, EngineRequestsMakeNoLibraryCall) {
    CShellRun run;
    ASSERT_TRUE(run.Start({{"ZELVO_HANDSET_OPEN_FAILS", "1"}}));
    ASSERT_TRUE(RegisterBrowserCommand("\"" + BinDir() + "\\iexplore.exe\""));
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_INCOMING:Alice"));
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_USBRINGSTOP"));
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_USBSELECTRING:3"));
    // The address request comes last: once it has been acted on, the others were handled too.
    ASSERT_TRUE(EngineSend("ORVANE_MESSAGE_OPENURL:http://www.zelvo.test/"));
    ASSERT_TRUE(WaitUntil([&] { return !ReadLogLines(run.LogDir(), "browser.log").empty(); }, kTimeoutMs));
    auto calls = ReadHandsetCalls(run.LogDir());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].code, 0u);
}

}  // namespace
