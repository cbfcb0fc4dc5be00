// The network watchdog, end to end: the probe host taken out of the sandbox's hosts file and
// put back while a real ZelvoPhone.exe runs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ShellProcess.h"

namespace {

constexpr char kProbeHost[] = "probe.zelvo.test";

std::vector<EngineDatagram> NetworkMessages(const std::string& logs, const std::string& text) {
    std::vector<EngineDatagram> found;
    for (auto& d : ReadEngineDatagrams(logs)) {
        if (d.bytes.rfind(text, 0) == 0) found.push_back(d);
    }
    return found;
}

TEST(WatchdogSystem, LossAndReturnOfTheProbeHostAreToldTwiceAndShownInTheTray) {
    CShellInstall install;
    ASSERT_TRUE(install.Ready());
    const std::string& logs = install.LogDir();
    CChildProcess shell;
    ASSERT_TRUE(install.StartShell(shell));
    ASSERT_TRUE(WaitUntil([&] { return HasRecord(logs, "engine-events.log", "frame-created"); }, 20000));
    ASSERT_TRUE(WaitUntil([] { return SeeTrayIcon() == TrayIconSeen::Normal; }, 5000));

    const std::string failed = "ORVANE_NETCONNECTION_FAILED";
    const std::string resumed = "ORVANE_NETCONNECTION_RESUMED";
    ASSERT_TRUE(RemoveHostFromHosts(kProbeHost));
    const int64_t lostUs = NowUs();
    ASSERT_TRUE(WaitUntil([&] { return NetworkMessages(logs, failed).size() >= 2; }, 10000));
    EXPECT_EQ(SeeTrayIcon(), TrayIconSeen::NetworkLost);
    auto failures = NetworkMessages(logs, failed);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_GE((failures[0].t_us - lostUs) / 1000, 900) << "1000 ms after the failed lookup";
    const int64_t gapMs = (failures[1].t_us - failures[0].t_us) / 1000;
    EXPECT_GE(gapMs, 900);
    EXPECT_LE(gapMs, 1300);
    for (const auto& d : failures) EXPECT_EQ(d.bytes, failed + std::string(256 - failed.size(), '\0'));

    ASSERT_TRUE(RestoreHosts());
    ASSERT_TRUE(WaitUntil([&] { return NetworkMessages(logs, resumed).size() >= 2; }, 10000));
    ASSERT_TRUE(WaitUntil([] { return SeeTrayIcon() == TrayIconSeen::Normal; }, 2000));
    auto resumes = NetworkMessages(logs, resumed);
    ASSERT_EQ(resumes.size(), 2u);
    EXPECT_LE((resumes[1].t_us - resumes[0].t_us) / 1000, 200) << "in quick succession";
    for (const auto& d : resumes) EXPECT_EQ(d.bytes, resumed + std::string(256 - resumed.size(), '\0'));
    ::Sleep(1500);
    EXPECT_EQ(NetworkMessages(logs, failed).size(), 2u) << "nothing more while the host answers";
    EXPECT_EQ(NetworkMessages(logs, resumed).size(), 2u);
}

}  // namespace
