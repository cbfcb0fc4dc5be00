// The launcher programs: both record their start; Zelvosvr.exe brings up one engine.
#include "StandinTestSupport.h"

namespace {

int CountRecords(const std::string& dir, const std::string& file, const std::string& prefix) {
    int n = 0;
    for (const StandinEvent& e : ReadRecords(dir, file))
        if (e.what.compare(0, prefix.size(), prefix) == 0) ++n;
    return n;
}

// Runs one launcher to its end; true when it ended with status 0.
bool RunLauncher(const std::string& exe, const std::string& args, const std::string& logDir) {
    CChildProcess launcher;
    std::string line = "\"" + BinDir() + "\\" + exe + "\"" + (args.empty() ? "" : " " + args);
    if (!launcher.Start(line, "", {{"ZELVO_STANDIN_LOG_DIR", logDir},
                                   {"ZELVO_ENGINE_ARGS", "--no-server --frame-delay 200"}}))
        return false;
    auto code = launcher.Wait(15000);
    return code && *code == 0;
}

}  // namespace

TEST(LauncherStandins, ZelvosvrStartsOneEngineAndZelvoLauncherOnlyRecords) {
    std::string logDir = MakeTempLogDir();
    ASSERT_EQ(FindEngineControl(), nullptr) << "an engine of an earlier test is still up";

    ASSERT_TRUE(RunLauncher("ZelvoLauncher.exe", "", logDir));
    EXPECT_TRUE(HasRecord(logDir, "launchers.log", "ZelvoLauncher.exe started args="));
    ::Sleep(500);
    EXPECT_EQ(FindEngineControl(), nullptr) << "ZelvoLauncher.exe starts nothing";

    ASSERT_TRUE(RunLauncher("Zelvosvr.exe", "one \"two three\"", logDir));
    EXPECT_TRUE(HasRecord(logDir, "launchers.log", "Zelvosvr.exe started args=one \"two three\""));
    ASSERT_TRUE(WaitUntil([] { return FindEngineFrame() != nullptr; }, 15000));
    // ZELVO_ENGINE_ARGS reached the engine: no server window.
    EXPECT_EQ(FindEngineServer(), nullptr);

    // A second start finds the frame and leaves the engine alone.
    ASSERT_TRUE(RunLauncher("Zelvosvr.exe", "", logDir));
    EXPECT_TRUE(HasRecord(logDir, "launchers.log", "Zelvosvr.exe engine-already-up"));
    EXPECT_EQ(CountRecords(logDir, "engine-events.log", "started pid="), 1);
    EXPECT_EQ(CountRecords(logDir, "launchers.log", "Zelvosvr.exe engine pid="), 1);

    ASSERT_TRUE(EngineQuit());
    EXPECT_TRUE(WaitUntil([] { return !FindEngineControl(); }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return HasRecord(logDir, "engine-events.log", "exit"); }, 5000));
}
