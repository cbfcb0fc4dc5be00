// ZelvoUpdate.exe against a misbehaving server of the test's own on 127.0.0.2:80, with
// updates.zelvo.test pointed there: cut connections, an ignored Range, a slow range answer.
#include "FaultServer.h"
#include "UpdaterFixture.h"

namespace {

constexpr size_t kPatchSize = 1000000;
constexpr char kPatch[] = "ZelvoPatch.exe";
constexpr char kFaultAddress[] = "127.0.0.2";

std::string Description(const std::string& version) {
    return "<update><patchVersion>" + version + "</patchVersion><patchname>" + kPatch +
           "</patchname><patchsize>" + std::to_string(kPatchSize) + "</patchsize></update>";
}

class UpdaterFaults : public UpdaterSystem {
protected:
    void SetUp() override {
        UpdaterSystem::SetUp();
        CUpdateSite::MapUpdateHost(kFaultAddress);
        ::DeleteFileA(PatchPath(kPatch).c_str());
    }
};

TEST_F(UpdaterFaults, CutConnectionsAreContinuedRunAfterRunUntilOneStart) {
    const std::string patch = PatchBytes(kPatchSize);
    CFaultServer::CFaults faults;
    faults.closeAfter = 250000;
    CFaultServer server(kFaultAddress, Description(kNewer), kPatch, patch, faults);
    ASSERT_TRUE(server.Listening());

    int runs = 0;
    while (PatchStarts() == 0 && runs < 8) {
        ++runs;
        CChildProcess updater;
        ASSERT_TRUE(StartUpdater(updater));
        AnswerQuestion(updater, IDYES);
        std::vector<std::string> boxes;
        ASSERT_EQ(RunToEnd(updater, 60000, &boxes), std::optional<DWORD>(0)) << "run " << runs;
        for (const std::string& text : boxes) EXPECT_EQ(text, " InternetReadFile Update Failed");
        WaitUntil([&] { return PatchStarts() > 0; }, FileExists(PatchPath(kPatch)) ? 3000 : 0);
    }
    EXPECT_GE(runs, 4);
    ::Sleep(1000);
    EXPECT_EQ(PatchStarts(), 1);
    std::string downloaded;
    ASSERT_TRUE(ReadWholeFile(PatchPath(kPatch), downloaded));
    EXPECT_TRUE(downloaded == patch) << "downloaded " << downloaded.size() << " bytes";

    std::vector<std::string> requests = server.Requests();
    for (const char* range : {"bytes=250000-", "bytes=500000-", "bytes=750000-"}) {
        EXPECT_NE(std::find_if(requests.begin(), requests.end(),
                               [&](const std::string& r) { return r.find(range) != std::string::npos; }),
                  requests.end())
            << range;
    }
}

TEST_F(UpdaterFaults, ServerIgnoringRangeGivesTheWholeFileNotAnAppendedOne) {
    const std::string patch = PatchBytes(kPatchSize);
    ASSERT_TRUE(WriteWholeFile(PatchPath(kPatch), patch.substr(0, 300000)));
    CFaultServer::CFaults faults;
    faults.ignoreRange = true;
    CFaultServer server(kFaultAddress, Description(kNewer), kPatch, patch, faults);
    ASSERT_TRUE(server.Listening());

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    AnswerQuestion(updater, IDYES);
    std::vector<std::string> boxes;
    EXPECT_EQ(RunToEnd(updater, 60000, &boxes), std::optional<DWORD>(0));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(WaitUntil([&] { return PatchStarts() == 1; }, 15000));
    std::string downloaded;
    ASSERT_TRUE(ReadWholeFile(PatchPath(kPatch), downloaded));
    EXPECT_EQ(downloaded.size(), kPatchSize);
    EXPECT_TRUE(downloaded == patch);
}

TEST_F(UpdaterFaults, ResumingIsShownWhileTheRangeAnswerIsAwaited) {
    const std::string patch = PatchBytes(kPatchSize);
    ASSERT_TRUE(WriteWholeFile(PatchPath(kPatch), patch.substr(0, 300000)));
    CFaultServer::CFaults faults;
    faults.rangeDelayMs = 1500;
    CFaultServer server(kFaultAddress, Description(kNewer), kPatch, patch, faults);
    ASSERT_TRUE(server.Listening());

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    CUpdateWindowWatcher watcher(updater.Pid());
    AnswerQuestion(updater, IDYES);
    EXPECT_EQ(RunToEnd(updater, 60000), std::optional<DWORD>(0));
    std::vector<std::string> statuses = watcher.Seen().statuses;
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Resuming Update.."), statuses.end());
    std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_NE(requests[2].find("| bytes=300000-"), std::string::npos) << requests[2];
}

}  // namespace
