#include "UpdaterFixture.h"

#include <windows.h>
#include <bcrypt.h>

void UpdaterSystem::SetUp() {
    ASSERT_TRUE(CUpdateSite::InSandbox()) << "run inside tools/sandbox.sh";
    m_site.Clear();
    CUpdateSite::MapUpdateHost("");
    m_installDir = MakeTempLogDir();
    ASSERT_FALSE(m_installDir.empty());
    WriteInstalledVersion(kInstalled);
}

void UpdaterSystem::TearDown() { CUpdateSite::MapUpdateHost(""); }

std::string UpdaterSystem::PatchBytes(size_t size) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(BinDir() + "\\PatchStandin.exe", bytes));
    EXPECT_LE(bytes.size(), size);
    uint32_t x = 2463534242u;
    while (bytes.size() < size) {
        x ^= x << 13; x ^= x >> 17; x ^= x << 5;
        bytes += static_cast<char>(x & 0xFF);
    }
    bytes.resize(size);
    return bytes;
}

std::string UpdaterSystem::PatchPath(const std::string& name) {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\temp\\" + name;
}

// CNG here, so the updater's CryptoAPI digest is checked against an independent one.
std::string UpdaterSystem::Sha256Hex(const std::string& bytes) {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    unsigned char digest[32] = {};
    if (BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0) != 0) return "";
    BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0);
    BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())), static_cast<ULONG>(bytes.size()), 0);
    BCryptFinishHash(hash, digest, sizeof digest, 0);
    BCryptDestroyHash(hash);
    BCryptCloseAlgorithmProvider(algorithm, 0);
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char b : digest) { hex += kHex[b >> 4]; hex += kHex[b & 0xF]; }
    return hex;
}

void UpdaterSystem::WriteInstalledVersion(const std::string& version) {
    WriteWholeFile(m_installDir + "\\OrvaneVoip.xml",
                   "<?xml version=\"1.0\"?>\r\n<configuration>\r\n  <OrvaneVersion>" + version +
                       "</OrvaneVersion>\r\n</configuration>\r\n");
}

bool UpdaterSystem::StartUpdater(CChildProcess& updater) {
    return updater.Start("\"" + BinDir() + "\\ZelvoUpdate.exe\"", m_installDir,
                         {{"ZELVO_STANDIN_LOG_DIR", m_installDir}});
}

bool UpdaterSystem::StartEngine(CChildProcess& engine) {
    if (!engine.Start("\"" + BinDir() + "\\EngineStandin.exe\"", m_installDir, {{"ZELVO_STANDIN_LOG_DIR", m_installDir}}))
        return false;
    return WaitUntil([] { return FindEngineFrame() != nullptr; }, 15000);
}

int UpdaterSystem::PatchStarts() const {
    return static_cast<int>(ReadLogLines(m_installDir, "patch-started.log").size());
}

void UpdaterSystem::AnswerQuestion(CChildProcess& updater, int button) {
    std::optional<CMessageBoxInfo> box = WaitForMessageBox(updater.Pid(), 30000);
    ASSERT_TRUE(box) << "no upgrade question";
    EXPECT_EQ(box->caption, kCaption);
    EXPECT_EQ(box->text, std::string(kQuestion));
    EXPECT_TRUE(box->yes && box->no);
    AnswerMessageBox(*box, button);
}

std::optional<DWORD> UpdaterSystem::RunToEnd(CChildProcess& updater, int timeoutMs, std::vector<std::string>* boxes) {
    std::vector<HWND> answered;
    bool ended = WaitUntil([&] {
        if (!updater.Running()) return true;
        for (const CMessageBoxInfo& box : MessageBoxesOf(updater.Pid())) {
            if (!box.ok || std::find(answered.begin(), answered.end(), box.hwnd) != answered.end()) continue;
            answered.push_back(box.hwnd);
            if (boxes) boxes->push_back(box.text);
            AnswerMessageBox(box, IDOK);
        }
        return false;
    }, timeoutMs);
    if (!ended) return std::nullopt;
    return updater.Wait(0);
}
