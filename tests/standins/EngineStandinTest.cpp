// The stand-in engine: its windows, its UDP socket on 7070, its control commands and its ends.
#include "StandinTestSupport.h"

namespace {

std::string WindowText(HWND hwnd) {
    char text[256] = {};
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

bool EngineGone() { return !FindEngineFrame() && !FindEngineControl(); }

}  // namespace

TEST(EngineStandin, StartsWithVisibleFrameServerWindowAndLog) {
    CEngineRun engine;
    ASSERT_TRUE(engine.Started());
    HWND frame = FindEngineFrame();
    EXPECT_EQ(WindowText(frame), "Zelvo Phone");
    EXPECT_TRUE(::IsWindowVisible(frame));
    EXPECT_FALSE(::IsIconic(frame));
    EXPECT_EQ(::GetParent(frame), nullptr);
    RECT client;
    ::GetClientRect(frame, &client);
    EXPECT_GE(client.right, 500);
    EXPECT_GE(client.bottom, 410);
    DWORD framePid = 0;
    ::GetWindowThreadProcessId(frame, &framePid);
    EXPECT_EQ(framePid, engine.Process().Pid());

    HWND server = FindEngineServer();
    ASSERT_NE(server, nullptr);
    DWORD serverPid = 0;
    ::GetWindowThreadProcessId(server, &serverPid);
    EXPECT_EQ(serverPid, engine.Process().Pid());

    std::vector<StandinEvent> events = ReadEvents(engine.LogDir());
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front().what, "started pid=" + std::to_string(engine.Process().Pid()));
    EXPECT_GE(engine.EventTime("frame-created"), events.front().t_us);
    // The clock is the one the test reads: records are never from the future.
    EXPECT_LE(engine.EventTime("frame-created"), NowUs());
}

TEST(EngineStandin, LogsEveryDatagramWithItsSource) {
    CEngineRun engine;
    ASSERT_TRUE(engine.Started());
    CTestUdpSocket sender;
    ASSERT_TRUE(sender.Bound());
    const std::string payloads[] = {
        Padded("ORVANE_ANSWER_END", 256),
        Padded("OVMSG_DIAL_TEL:0123456789012345:", 32),  // fills 32 bytes, no zero byte
        std::string("\x00\xff\x7f\x80", 4),
        std::string(),
    };
    for (const std::string& p : payloads) ASSERT_TRUE(sender.SendTo(7070, p) || p.empty());

    std::vector<EngineDatagram> got;
    ASSERT_TRUE(WaitUntil([&] { return (got = ReadEngineDatagrams(engine.LogDir())).size() >= 4; }, 5000))
        << got.size() << " datagrams logged";
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(got[i].bytes, payloads[i]) << "datagram " << i;
        EXPECT_EQ(got[i].from_ip, "127.0.0.1");
        EXPECT_EQ(got[i].from_port, sender.Port());
    }
    // The length field agrees with the bytes.
    std::vector<std::string> lines = ReadLogLines(engine.LogDir(), "engine-received.log");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" len=256 "), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find(" len=32 "), std::string::npos) << lines[1];
}

TEST(EngineStandin, EngineSendArrivesAtThePort7072OfTheShell) {
    CEngineRun engine;
    ASSERT_TRUE(engine.Started());
    CTestUdpSocket shell(7072);
    ASSERT_TRUE(shell.Bound());
    const std::string requests[] = {
        "ORVANE_MESSAGE_INCOMING:5551234",
        Padded("ORVANE_MESSAGE_USBSELECTRING:261", 255),
        std::string("ORVANE_MESSAGE_OPENURL:http://a\0tail", 36),
    };
    for (const std::string& request : requests) {
        ASSERT_TRUE(EngineSend(request));
        std::string bytes;
        int fromPort = 0;
        ASSERT_TRUE(shell.Receive(bytes, fromPort));
        EXPECT_EQ(bytes, request);
        EXPECT_EQ(fromPort, 7070);
    }
}

TEST(EngineStandin, ControlCommandsActOnTheWindows) {
    CEngineRun engine;
    ASSERT_TRUE(engine.Started());
    HWND frame = FindEngineFrame();

    ASSERT_TRUE(EngineMinimise());
    EXPECT_TRUE(::IsIconic(frame));
    // Other processes restore and show the frame, as the shell brings it to the front.
    ::ShowWindow(frame, SW_RESTORE);
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(frame) && ::IsWindowVisible(frame); }, 2000));

    ASSERT_TRUE(EngineHide());
    EXPECT_FALSE(::IsWindowVisible(frame));
    ::ShowWindow(frame, SW_SHOW);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(frame) != FALSE; }, 2000));

    ASSERT_TRUE(EngineCloseServer());
    EXPECT_EQ(FindEngineServer(), nullptr);
    EXPECT_TRUE(engine.HasEvent("server-closed"));
    EXPECT_FALSE(EngineCloseServer()) << "no server window is left to close";

    ASSERT_TRUE(EngineCloseFrame());
    EXPECT_EQ(FindEngineFrame(), nullptr);
    EXPECT_TRUE(engine.HasEvent("frame-closed"));
    EXPECT_FALSE(EngineMinimise());
    EXPECT_FALSE(EngineCloseFrame());
    EXPECT_TRUE(engine.Process().Running()) << "the engine outlives its frame";
}

TEST(EngineStandin, WmQuitToTheFrameEndsItNormally) {
    CEngineRun engine;
    ASSERT_TRUE(engine.Started());
    ASSERT_TRUE(::PostMessageA(FindEngineFrame(), WM_QUIT, 0, 0));
    auto code = engine.Process().Wait(10000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    std::vector<StandinEvent> events = ReadEvents(engine.LogDir());
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().what, "exit");
    int64_t quit = engine.EventTime("WM_QUIT");
    EXPECT_GT(quit, 0);
    EXPECT_LE(quit, events.back().t_us);
    EXPECT_TRUE(engine.HasEvent("frame-closed"));
    EXPECT_TRUE(WaitUntil(EngineGone, 2000));
}

TEST(EngineStandin, TerminationLeavesNoExitRecord) {
    CEngineRun engine;
    ASSERT_TRUE(engine.Started());
    ASSERT_TRUE(engine.Process().Terminate(0));
    EXPECT_TRUE(engine.HasEvent("frame-created"));
    EXPECT_FALSE(engine.HasEvent("exit"));
    EXPECT_FALSE(engine.HasEvent("WM_QUIT"));
    EXPECT_TRUE(WaitUntil(EngineGone, 2000));
}

TEST(EngineStandin, DelaysAndNoServerOption) {
    CEngineRun engine("--no-server --frame-delay 1500 --bogus", false);
    ASSERT_TRUE(engine.Started());
    ASSERT_TRUE(WaitUntil([] { return FindEngineControl() != nullptr; }, 15000));
    // The control window is there at once, the frame only later.
    EXPECT_EQ(FindEngineFrame(), nullptr);
    ASSERT_TRUE(WaitUntil([] { return FindEngineFrame() != nullptr; }, 10000));
    int64_t started = ReadEvents(engine.LogDir()).front().t_us;
    EXPECT_GE(engine.EventTime("frame-created") - started, 1400000);
    EXPECT_EQ(FindEngineServer(), nullptr);
    EXPECT_FALSE(engine.HasEvent("server-created"));
    EXPECT_TRUE(engine.HasEvent("ignored-argument --bogus"));
}

TEST(EngineStandin, ServerDelay) {
    CEngineRun engine("--server-delay 1000");
    ASSERT_TRUE(engine.Started());
    ASSERT_TRUE(WaitUntil([] { return FindEngineServer() != nullptr; }, 10000));
    int64_t started = ReadEvents(engine.LogDir()).front().t_us;
    EXPECT_GE(engine.EventTime("server-created") - started, 900000);
    EXPECT_LT(engine.EventTime("frame-created"), engine.EventTime("server-created"));
}

TEST(EngineStandin, MailboxesAreFoundAsTheRelayFindsThem) {
    CEngineRun engine;
    ASSERT_TRUE(engine.Started());
    ASSERT_TRUE(EngineAddMailbox("ZelvoMedia", 1035));
    ASSERT_TRUE(EngineAddMailbox("ZelvoMedia/OrvaneOnline", 1014));
    ASSERT_TRUE(EngineAddMailbox("ZelvoMedia", 1035)) << "adding again reuses the mailbox";
    EXPECT_FALSE(EngineAddMailbox("", 7));
    EXPECT_FALSE(EngineAddMailbox("ZelvoMedia/", 7));

    HWND frame = FindEngineFrame();
    HWND media = ::FindWindowExA(frame, nullptr, nullptr, "ZelvoMedia");
    ASSERT_NE(media, nullptr);
    EXPECT_EQ(::FindWindowExA(frame, media, nullptr, "ZelvoMedia"), nullptr) << "one host only";
    HWND mediaBox = ::GetDlgItem(media, 1035);
    ASSERT_NE(mediaBox, nullptr);
    EXPECT_EQ(WindowText(mediaBox), "NULL");
    EXPECT_FALSE(::IsWindowVisible(mediaBox));
    HWND online = ::FindWindowExA(media, nullptr, nullptr, "OrvaneOnline");
    ASSERT_NE(online, nullptr);
    HWND tvBox = ::GetDlgItem(online, 1014);
    ASSERT_NE(tvBox, nullptr);
    EXPECT_EQ(::FindWindowExA(frame, nullptr, nullptr, "OrvaneOnline"), nullptr);

    ::SendMessageA(mediaBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("SHOWZELVOBROWSER"));
    ASSERT_TRUE(EngineDumpMailboxes());
    EXPECT_TRUE(engine.HasEvent("mailbox ZelvoMedia 1035 SHOWZELVOBROWSER"));
    EXPECT_TRUE(engine.HasEvent("mailbox OrvaneOnline 1014 NULL"));

    // A host without a button, for a relay that is to find no mailbox.
    ASSERT_TRUE(EngineAddMailbox("Other", 0));
    HWND other = ::FindWindowExA(frame, nullptr, nullptr, "Other");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(::GetWindow(other, GW_CHILD), nullptr);
}
