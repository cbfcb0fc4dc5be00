#pragma once
// What every updater system test needs: a fresh installation folder, the update server's files,
// the patch path in the Windows folder, the real ZelvoUpdate.exe and the stand-in patch.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "StandinClient.h"
#include "UpdateSite.h"
#include "UpdaterWindows.h"

class UpdaterSystem : public ::testing::Test {
protected:
    static constexpr char kInstalled[] = "2.0.1.4";
    static constexpr char kNewer[] = "2.0.1.5";
    static constexpr char kCaption[] = "ZELVOPHONE Update";
    static constexpr char kQuestion[] = "New ZELVOPHONE Update available!\r\nDo you want to upgrade now?";
    static constexpr char kNotFound[] = "Update file not found";

    void SetUp() override;
    void TearDown() override;

    // The stand-in patch program padded to `size` bytes with a pattern.
    static std::string PatchBytes(size_t size);
    static std::string PatchPath(const std::string& name);
    static std::string Sha256Hex(const std::string& bytes);

    void WriteInstalledVersion(const std::string& version);
    bool StartUpdater(CChildProcess& updater);
    bool StartEngine(CChildProcess& engine);
    int PatchStarts() const;

    // Answers the upgrade question of a just-started updater with Yes or No.
    void AnswerQuestion(CChildProcess& updater, int button);
    // Waits for the updater to end, answering every message box with OK; the texts of the
    // boxes seen go to `boxes`. The exit code, or nothing on a timeout.
    std::optional<DWORD> RunToEnd(CChildProcess& updater, int timeoutMs, std::vector<std::string>* boxes = nullptr);

    CUpdateSite m_site;
    std::string m_installDir;
};
