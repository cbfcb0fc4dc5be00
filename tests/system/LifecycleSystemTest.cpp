// The shell's life, end to end: real ZelvoPhone.exe runs started in an installation folder of
// the test's own, the stand-in engine brought up by the stand-in launchers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ShellProcess.h"

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr int kStartTimeoutMs = 20000;
constexpr UINT kTrayMessage = 0x800A;

int64_t FirstRecordTime(const std::string& dir, const std::string& file, const std::string& prefix) {
    auto records = RecordsStartingWith(dir, file, prefix);
    return records.empty() ? -1 : records.front().t_us;
}

bool WaitForRecord(const std::string& dir, const std::string& file, const std::string& prefix, int timeoutMs) {
    return WaitUntil([&] { return FirstRecordTime(dir, file, prefix) >= 0; }, timeoutMs);
}

// A shell started in its own installation folder and brought up to the point where the engine's
// frame exists and the tray icon has been added.
struct RunningShell {
    explicit RunningShell(const std::set<std::string>& leaveOut = {}) : install(leaveOut) {}
    bool Start() {
        return install.Ready() && install.StartShell(shell) &&
               WaitForRecord(install.LogDir(), "engine-events.log", "frame-created", kStartTimeoutMs) &&
               WaitUntil([] { return SeeTrayIcon() == TrayIconSeen::Normal; }, 5000);
    }
    bool EngineExited() const { return HasRecord(install.LogDir(), "engine-events.log", "exit"); }
    std::vector<EngineDatagram> ShutdownMessages() const {
        std::vector<EngineDatagram> found;
        for (auto& d : ReadEngineDatagrams(install.LogDir())) {
            if (d.bytes.rfind("OVMSG_SHUTDOWN_EXIT", 0) == 0) found.push_back(d);
        }
        return found;
    }
    // Milliseconds from `sinceUs` until the shell ended; -1 when it still runs after `timeoutMs`.
    double EndedAfterMs(int64_t sinceUs, int timeoutMs) {
        if (!shell.Wait(timeoutMs)) return -1;
        return static_cast<double>(NowUs() - sinceUs) / 1000.0;
    }

    CShellInstall install;
    CChildProcess shell;
};

bool EngineGone() {
    return WaitUntil([] { return FindEngineFrame() == nullptr && FindEngineControl() == nullptr; }, 5000);
}

// One run through the normal life: splash, launchers, updater, tray icon, a second start, the
// tray menu's Exit, and the navigation sound around it all.
TEST(LifecycleSystem, NormalStartSecondStartAndExitFromTheTrayMenu) {
    ASSERT_TRUE(WriteNavigationSound("Custom navigation.wav"));
    ASSERT_TRUE(SetProgramWindowsVersion("ZelvoPhone.exe", "winxp"));
    RunningShell run;
    const std::string& logs = run.install.LogDir();
    ASSERT_TRUE(run.install.StartShell(run.shell));

    // The splash: centred on the work area, magenta cut out, before any launcher runs.
    HWND splash = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (splash = FindVisibleWindowOf(run.shell.Pid(), "#32770")) != nullptr; }, 10000));
    const int64_t splashSeenUs = NowUs();
    RECT place{};
    ::GetWindowRect(splash, &place);
    EXPECT_EQ(place.left, (::GetSystemMetrics(SM_CXFULLSCREEN) - (place.right - place.left)) / 2);
    EXPECT_EQ(place.top, (::GetSystemMetrics(SM_CYFULLSCREEN) - (place.bottom - place.top)) / 2);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(splash, region), ERROR);
    EXPECT_FALSE(::PtInRegion(region, 0, 0)) << "the magenta corner is cut out";
    EXPECT_TRUE(::PtInRegion(region, (place.right - place.left) / 2, (place.bottom - place.top) / 2));
    ::DeleteObject(region);
    EXPECT_THAT(ReadLogLines(logs, "launchers.log"), IsEmpty());
    EXPECT_EQ(SeeTrayIcon(), TrayIconSeen::None);
    EXPECT_EQ(ReadNavigationSound(), "") << "silenced while the shell runs";
    OfferScreenshot("splash");

    ASSERT_TRUE(WaitForRecord(logs, "engine-events.log", "frame-created", kStartTimeoutMs));
    // The launcher thread's program may start after the engine's frame is up.
    ASSERT_TRUE(WaitForRecord(logs, "launchers.log", "ZelvoLauncher.exe started", 5000));
    const int64_t serverUs = FirstRecordTime(logs, "launchers.log", "Zelvosvr.exe started");
    const int64_t launcherUs = FirstRecordTime(logs, "launchers.log", "ZelvoLauncher.exe started");
    ASSERT_GT(serverUs, 0);
    EXPECT_GE((serverUs - splashSeenUs) / 1000, 3700) << "launchers start after the 4000 ms splash";
    EXPECT_GT(launcherUs, serverUs);
    EXPECT_FALSE(::IsWindowVisible(splash));
    ASSERT_TRUE(WaitForRecord(logs, "updater.log", "updater started", 5000));
    EXPECT_GT(FirstRecordTime(logs, "updater.log", "updater started"),
              FirstRecordTime(logs, "engine-events.log", "frame-created"));
    EXPECT_THAT(RecordsStartingWith(logs, "updater.log", "updater started").front().what,
                HasSubstr("cwd=" + run.install.Dir() + " args="));
    ASSERT_TRUE(WaitUntil([] { return SeeTrayIcon() == TrayIconSeen::Normal; }, 5000));
    HWND mainWindow = FindShellMainWindow();
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_FALSE(::IsWindowVisible(mainWindow));

    // A second start with no token: 1500 ms, a hidden frame brought back, no window of its own.
    ASSERT_TRUE(EngineHide());
    CChildProcess second;
    const int64_t secondUs = NowUs();
    ASSERT_TRUE(run.install.StartShell(second));
    std::vector<HWND> secondWindows;
    while (second.Running() && NowUs() - secondUs < 10'000'000) {
        for (HWND w : WindowsOf(second.Pid())) secondWindows.push_back(w);
        ::Sleep(50);
    }
    ASSERT_EQ(second.Wait(0), 0u);
    EXPECT_GE((NowUs() - secondUs) / 1000, 1500);
    EXPECT_THAT(secondWindows, IsEmpty());
    EXPECT_TRUE(::IsWindowVisible(FindEngineFrame()));
    EXPECT_FALSE(::IsIconic(FindEngineFrame()));
    EXPECT_EQ(run.shell.Wait(0), std::nullopt) << "the first shell runs on";

    // Exit from the tray menu, chosen with the keyboard as a user would.
    ASSERT_TRUE(::PostMessageA(mainWindow, kTrayMessage, 0, WM_MOUSEMOVE));
    ASSERT_TRUE(::PostMessageA(mainWindow, kTrayMessage, 0, WM_RBUTTONDOWN));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindVisibleWindowOf(run.shell.Pid(), "#32768")) != nullptr; }, 5000));
    OfferScreenshot("tray-menu");
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) ::PostMessageA(menu, WM_KEYDOWN, key, 0);
    const int64_t exitUs = NowUs();

    const double endedMs = run.EndedAfterMs(exitUs, 10000);
    EXPECT_GT(endedMs, 2400 + 1250 - 200);
    EXPECT_LT(endedMs, 2400 + 1250 + 800);
    EXPECT_EQ(run.shell.Wait(0), 0u);
    auto shutdown = run.ShutdownMessages();
    ASSERT_EQ(shutdown.size(), 1u);
    EXPECT_EQ(shutdown[0].bytes, std::string("OVMSG_SHUTDOWN_EXIT") + std::string(13, '\0'));
    EXPECT_TRUE(EngineGone());
    EXPECT_FALSE(run.EngineExited()) << "the engine is terminated, it does not end by itself";
    EXPECT_EQ(SeeTrayIcon(), TrayIconSeen::None);
    EXPECT_EQ(ReadNavigationSound(), "Windows XP Start.wav");
    SetProgramWindowsVersion("ZelvoPhone.exe", "");
}

TEST(LifecycleSystem, EngineFrameClosingEndsTheShellWithoutShutdownMessage) {
    RunningShell run;
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(EngineCloseFrame());
    const int64_t closedUs = NowUs();
    const double endedMs = run.EndedAfterMs(closedUs, 10000);
    EXPECT_GT(endedMs, 1250 - 100);
    EXPECT_LT(endedMs, 1250 + 500);
    EXPECT_EQ(run.shell.Wait(0), 0u);
    EXPECT_THAT(run.ShutdownMessages(), IsEmpty());
    EXPECT_EQ(SeeTrayIcon(), TrayIconSeen::None);
}

TEST(LifecycleSystem, ServerWindowGoingAwayStopsTheEngineAndEndsTheShell) {
    RunningShell run;
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(EngineCloseServer());
    const int64_t closedUs = NowUs();
    EXPECT_TRUE(EngineGone());
    const double endedMs = run.EndedAfterMs(closedUs, 10000);
    EXPECT_GT(endedMs, 1250 - 100);
    EXPECT_LT(endedMs, 1250 + 800);
    EXPECT_FALSE(run.EngineExited()) << "terminated";
    EXPECT_THAT(run.ShutdownMessages(), IsEmpty());
}

TEST(LifecycleSystem, MissingServerProgramIsReportedAfterTheSplash) {
    RunningShell run({"Zelvosvr.exe"});
    const int64_t startUs = NowUs();
    ASSERT_TRUE(run.install.StartShell(run.shell));
    auto box = WaitForMessageBox(run.shell.Pid(), 15000);
    ASSERT_TRUE(box);
    EXPECT_GE((NowUs() - startUs) / 1000, 4000);
    EXPECT_EQ(box->text, "Installed files missing!!!\r\n\r\nPlease reinstall.");
    EXPECT_EQ(box->caption, "ZelvoPhone");
    AnswerMessageBox(*box);
    EXPECT_EQ(run.shell.Wait(5000), 0u);
    EXPECT_THAT(ReadLogLines(run.install.LogDir(), "launchers.log"), IsEmpty());
}

TEST(LifecycleSystem, MissingUpdaterIsReportedSystemModalAndStopsTheEngine) {
    RunningShell run({"ZelvoUpdate.exe"});
    ASSERT_TRUE(run.install.StartShell(run.shell));
    auto box = WaitForMessageBox(run.shell.Pid(), kStartTimeoutMs);
    ASSERT_TRUE(box);
    EXPECT_TRUE(HasRecord(run.install.LogDir(), "engine-events.log", "frame-created"));
    EXPECT_EQ(box->text, "Installed files missing!!!\r\n\r\nPlease reinstall.");
    EXPECT_EQ(box->caption, "Zelvo Phone Error");
    EXPECT_TRUE(box->topmost) << "system-modal";
    EXPECT_TRUE(box->stopIcon);
    AnswerMessageBox(*box);
    const int64_t answeredUs = NowUs();
    EXPECT_TRUE(EngineGone());
    EXPECT_GE((NowUs() - answeredUs) / 1000, 1100) << "the forced stop waits 1200 ms first";
    EXPECT_EQ(run.shell.Wait(5000), 0u);
    EXPECT_FALSE(run.EngineExited());
    EXPECT_THAT(run.ShutdownMessages(), IsEmpty());
}

}  // namespace
