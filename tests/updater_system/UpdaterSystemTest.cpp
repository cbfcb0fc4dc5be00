// ZelvoUpdate.exe against the sandbox's nginx: check, question, engine stop, download with
// resume, the window, Cancel, the engine guard and the digest check.
#include "UpdaterFixture.h"

namespace {

constexpr size_t kPatchSize = 1000000;
// nginx sends files named slow-* at 200 kB/s, so a download lasts long enough to be watched.
constexpr char kSlowPatch[] = "slow-ZelvoPatch.exe";
constexpr char kFastPatch[] = "ZelvoPatch.exe";
constexpr int kCancelButton = 1000;

long long EpochMs(FILETIME t) {
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    return static_cast<long long>((v.QuadPart - 116444736000000000ULL) / 10000);
}

TEST_F(UpdaterSystem, NoUpdateNeededEndsSilently) {
    struct Case {
        const char* name;
        std::string description;
    };
    std::string patch = "<patchname>ZelvoPatch.exe</patchname><patchsize>100</patchsize>";
    const Case cases[] = {
        {"same version", "<update><patchVersion>2.0.1.4</patchVersion>" + patch + "</update>"},
        {"older version", "<update><patchVersion>2.0.1</patchVersion>" + patch + "</update>"},
        {"version not a direct child", "<update><v><patchVersion>9.0</patchVersion></v>" + patch + "</update>"},
        {"newer version, patch name with a path",
         "<update><patchVersion>9.0</patchVersion><patchname>..\\system32\\x.exe</patchname>"
         "<patchsize>100</patchsize></update>"},
        {"newer version past the first 4096 bytes",
         "<update><!--" + std::string(4100, ' ') + "--><patchVersion>9.0</patchVersion>" + patch + "</update>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_site.Clear();
        m_site.Publish("update.xml", c.description);
        CChildProcess updater;
        ASSERT_TRUE(StartUpdater(updater));
        std::vector<std::string> boxes;
        EXPECT_EQ(RunToEnd(updater, 30000, &boxes), std::optional<DWORD>(0));
        EXPECT_TRUE(boxes.empty());
        ASSERT_EQ(m_site.RequestsFor("update.xml").size(), 1u);
        EXPECT_EQ(m_site.RequestsFor("update.xml")[0].agent, "PatchUpdateAgent");
        EXPECT_TRUE(m_site.RequestsFor("ZelvoPatch.exe").empty());
    }
}

TEST_F(UpdaterSystem, AnswerNoEndsAndLeavesTheEngineRunning) {
    m_site.PublishDescription(kNewer, kFastPatch, kPatchSize);
    CChildProcess engine;
    ASSERT_TRUE(StartEngine(engine));
    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    AnswerQuestion(updater, IDNO);
    EXPECT_EQ(RunToEnd(updater, 20000), std::optional<DWORD>(0));
    EXPECT_TRUE(engine.Running());
    EXPECT_TRUE(m_site.RequestsFor(kFastPatch).empty());
}

TEST_F(UpdaterSystem, YesStopsTheEngineDownloadsAndStartsThePatch) {
    const std::string patch = PatchBytes(kPatchSize);
    m_site.Publish(kSlowPatch, patch);
    m_site.PublishDescription(kNewer, kSlowPatch, kPatchSize, Sha256Hex(patch));
    ::DeleteFileA(PatchPath(kSlowPatch).c_str());
    CChildProcess engine;
    ASSERT_TRUE(StartEngine(engine));

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    CUpdateWindowWatcher watcher(updater.Pid());
    AnswerQuestion(updater, IDYES);
    EXPECT_EQ(RunToEnd(updater, 60000), std::optional<DWORD>(0));

    // The engine was terminated (no orderly exit) before the patch was asked for.
    ASSERT_EQ(engine.Wait(0), std::optional<DWORD>(0));
    EXPECT_FALSE(HasRecord(m_installDir, "engine-events.log", "exit"));
    FILETIME created, exited, kernel, user;
    ASSERT_TRUE(::GetProcessTimes(engine.Handle(), &created, &exited, &kernel, &user));
    std::vector<CRequestRecord> requests = m_site.RequestsFor(kSlowPatch);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].range, "-");
    EXPECT_EQ(requests[0].agent, "ZelvoUpdate");
    // nginx logs a request when its answer is done; the answer takes 5 s at the server's rate.
    EXPECT_LT(EpochMs(exited), requests[0].epochMs - 3000);

    CUpdateWindowWatcher::CSeen seen = watcher.Seen();
    EXPECT_TRUE(seen.visible);
    EXPECT_EQ(seen.title, kCaption);
    EXPECT_EQ(seen.upper, static_cast<int>(kPatchSize));
    EXPECT_EQ(seen.maxProgress, static_cast<int>(kPatchSize));
    EXPECT_NE(std::find(seen.statuses.begin(), seen.statuses.end(), "Upgrading ZELVOPHONE Please wait..."),
              seen.statuses.end());

    EXPECT_TRUE(WaitUntil([&] { return PatchStarts() == 1; }, 15000));
    std::string downloaded;
    ASSERT_TRUE(ReadWholeFile(PatchPath(kSlowPatch), downloaded));
    EXPECT_TRUE(downloaded == patch) << "downloaded " << downloaded.size() << " bytes";
}

TEST_F(UpdaterSystem, PartialFileIsContinuedWithARangeRequest) {
    const std::string patch = PatchBytes(kPatchSize);
    m_site.Publish(kSlowPatch, patch);
    m_site.PublishDescription(kNewer, kSlowPatch, kPatchSize);
    ASSERT_TRUE(WriteWholeFile(PatchPath(kSlowPatch), patch.substr(0, 300000)));

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    CUpdateWindowWatcher watcher(updater.Pid());
    AnswerQuestion(updater, IDYES);
    EXPECT_EQ(RunToEnd(updater, 60000), std::optional<DWORD>(0));

    std::vector<CRequestRecord> requests = m_site.RequestsFor(kSlowPatch);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].range, "-");
    EXPECT_EQ(requests[1].range, "bytes=300000-");
    EXPECT_EQ(requests[1].status, 206);
    EXPECT_EQ(requests[1].sent, 700000);
    EXPECT_GE(watcher.Seen().firstProgress, 300000);

    EXPECT_TRUE(WaitUntil([&] { return PatchStarts() == 1; }, 15000));
    std::string downloaded;
    ASSERT_TRUE(ReadWholeFile(PatchPath(kSlowPatch), downloaded));
    EXPECT_TRUE(downloaded == patch) << "downloaded " << downloaded.size() << " bytes";
}

TEST_F(UpdaterSystem, FileOfThePatchSizeIsDownloadedAgain) {
    const std::string patch = PatchBytes(kPatchSize);
    m_site.Publish(kFastPatch, patch);
    m_site.PublishDescription(kNewer, kFastPatch, kPatchSize);
    ASSERT_TRUE(WriteWholeFile(PatchPath(kFastPatch), std::string(kPatchSize, 'x')));

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    AnswerQuestion(updater, IDYES);
    EXPECT_EQ(RunToEnd(updater, 60000), std::optional<DWORD>(0));

    std::vector<CRequestRecord> requests = m_site.RequestsFor(kFastPatch);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].range, "-");
    EXPECT_TRUE(WaitUntil([&] { return PatchStarts() == 1; }, 15000));
    std::string downloaded;
    ASSERT_TRUE(ReadWholeFile(PatchPath(kFastPatch), downloaded));
    EXPECT_TRUE(downloaded == patch);
}

TEST_F(UpdaterSystem, MissingPatchShowsNotFoundAndKeepsThePartialFile) {
    m_site.PublishDescription(kNewer, "missing.exe", kPatchSize);
    const std::string partial(1000, 'p');
    ASSERT_TRUE(WriteWholeFile(PatchPath("missing.exe"), partial));

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    AnswerQuestion(updater, IDYES);
    std::optional<CMessageBoxInfo> box = WaitForMessageBox(updater.Pid(), 30000);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, kNotFound);
    EXPECT_EQ(box->caption, kCaption);
    EXPECT_TRUE(box->ok && !box->yes && !box->no);
    AnswerMessageBox(*box, IDOK);
    EXPECT_EQ(RunToEnd(updater, 20000), std::optional<DWORD>(0));

    ASSERT_EQ(m_site.RequestsFor("missing.exe").size(), 1u);
    EXPECT_EQ(m_site.RequestsFor("missing.exe")[0].status, 404);
    std::string kept;
    ASSERT_TRUE(ReadWholeFile(PatchPath("missing.exe"), kept));
    EXPECT_EQ(kept, partial);
    EXPECT_EQ(PatchStarts(), 0);
}

TEST_F(UpdaterSystem, MissingInstalledConfigurationIsReportedOnce) {
    ::DeleteFileA((m_installDir + "\\OrvaneVoip.xml").c_str());
    m_site.PublishDescription(kNewer, kFastPatch, kPatchSize);
    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    std::vector<std::string> boxes;
    EXPECT_EQ(RunToEnd(updater, 30000, &boxes), std::optional<DWORD>(0));
    EXPECT_EQ(boxes, std::vector<std::string>{"Installed Files missing! Please Reinstall Application!"});
    EXPECT_TRUE(m_site.RequestsFor(kFastPatch).empty());
}

TEST_F(UpdaterSystem, SecondUpdaterEndsAtOnceAndShowsTheFirst) {
    m_site.PublishDescription(kNewer, kFastPatch, kPatchSize);
    CMarkerWindow other("Orvane Update");
    ASSERT_FALSE(::IsWindowVisible(other.Hwnd()));
    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    std::vector<std::string> boxes;
    EXPECT_EQ(RunToEnd(updater, 20000, &boxes), std::optional<DWORD>(0));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(::IsWindowVisible(other.Hwnd()));
    EXPECT_TRUE(m_site.Requests().empty());
}

TEST_F(UpdaterSystem, CancelAsksAndOnlyYesEndsKeepingThePartialFile) {
    const std::string patch = PatchBytes(kPatchSize);
    m_site.Publish(kSlowPatch, patch);
    m_site.PublishDescription(kNewer, kSlowPatch, kPatchSize);
    ::DeleteFileA(PatchPath(kSlowPatch).c_str());

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    AnswerQuestion(updater, IDYES);
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        window = FindUpdateWindow(updater.Pid());
        return window && ::IsWindowVisible(window) && ProgressPosition(window) > 0;
    }, 30000));

    // Escape and a close request do nothing.
    HWND cancel = ::GetDlgItem(window, kCancelButton);
    ::PostMessageA(cancel, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    ::Sleep(500);
    EXPECT_TRUE(updater.Running());
    EXPECT_TRUE(MessageBoxesOf(updater.Pid()).empty());

    // Enter on the focused Cancel button asks; No goes on downloading.
    ::PostMessageA(cancel, WM_KEYDOWN, VK_RETURN, 0);
    std::optional<CMessageBoxInfo> ask = WaitForMessageBox(updater.Pid(), 10000);
    ASSERT_TRUE(ask);
    EXPECT_EQ(ask->text, "Are you sure that you want to quit update?");
    EXPECT_EQ(ask->caption, kCaption);
    EXPECT_TRUE(ask->yes && ask->no);
    AnswerMessageBox(*ask, IDNO);
    int before = ProgressPosition(window);
    EXPECT_TRUE(WaitUntil([&] { return ProgressPosition(window) > before + 50000; }, 10000));
    EXPECT_TRUE(updater.Running());

    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(kCancelButton, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    ask = WaitForMessageBox(updater.Pid(), 10000);
    ASSERT_TRUE(ask);
    AnswerMessageBox(*ask, IDYES);
    EXPECT_EQ(updater.Wait(5000), std::optional<DWORD>(0));

    std::string partial;
    ASSERT_TRUE(ReadWholeFile(PatchPath(kSlowPatch), partial));
    EXPECT_GT(partial.size(), 0u);
    EXPECT_LT(partial.size(), kPatchSize);
    EXPECT_TRUE(partial == patch.substr(0, partial.size()));
    ::Sleep(1000);
    EXPECT_EQ(PatchStarts(), 0);
}

TEST_F(UpdaterSystem, EngineStartedDuringTheDownloadIsStoppedOnceTheShellRuns) {
    const std::string patch = PatchBytes(kPatchSize);
    m_site.Publish(kSlowPatch, patch);
    m_site.PublishDescription(kNewer, kSlowPatch, kPatchSize);
    ::DeleteFileA(PatchPath(kSlowPatch).c_str());

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    AnswerQuestion(updater, IDYES);
    ASSERT_TRUE(WaitUntil([&] {
        HWND window = FindUpdateWindow(updater.Pid());
        return window && ::IsWindowVisible(window) && ProgressPosition(window) > 0;
    }, 30000));

    CChildProcess engine;
    ASSERT_TRUE(StartEngine(engine));
    const std::string guard = "ZELVOPHONE cannot be run while upgrade is in progress..";
    std::optional<CMessageBoxInfo> box = WaitForMessageBox(updater.Pid(), 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, guard);
    EXPECT_EQ(box->caption, kCaption);
    // Without the shell the engine is left alone and the message comes again.
    AnswerMessageBox(*box, IDOK);
    std::optional<CMessageBoxInfo> again;
    ASSERT_TRUE(WaitUntil([&] {
        again = WaitForMessageBox(updater.Pid(), 100);
        return again && again->hwnd != box->hwnd;
    }, 10000));
    EXPECT_EQ(again->text, guard);
    EXPECT_TRUE(engine.Running());

    CMarkerWindow shell("Orvane          ");
    AnswerMessageBox(*again, IDOK);
    EXPECT_EQ(engine.Wait(10000), std::optional<DWORD>(0));
    EXPECT_FALSE(HasRecord(m_installDir, "engine-events.log", "exit"));
    EXPECT_TRUE(updater.Running());
}

TEST_F(UpdaterSystem, DigestMismatchDeletesThePatchAndStartsNothing) {
    const std::string patch = PatchBytes(kPatchSize);
    m_site.Publish(kFastPatch, patch);
    m_site.PublishDescription(kNewer, kFastPatch, kPatchSize, Sha256Hex(patch + "x"));
    ::DeleteFileA(PatchPath(kFastPatch).c_str());

    CChildProcess updater;
    ASSERT_TRUE(StartUpdater(updater));
    AnswerQuestion(updater, IDYES);
    std::vector<std::string> boxes;
    EXPECT_EQ(RunToEnd(updater, 60000, &boxes), std::optional<DWORD>(0));
    EXPECT_EQ(boxes, std::vector<std::string>{kNotFound});
    EXPECT_EQ(m_site.RequestsFor(kFastPatch).size(), 1u);
    EXPECT_FALSE(FileExists(PatchPath(kFastPatch)));
    ::Sleep(1000);
    EXPECT_EQ(PatchStarts(), 0);
}

}  // namespace
