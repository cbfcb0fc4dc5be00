// The command relay, end to end: second starts of a real ZelvoPhone.exe carrying a token, with
// the stand-in engine hosting test mailboxes titled as the shell's panels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ShellProcess.h"

namespace {

using ::testing::IsEmpty;

// What a second start did: its message box text (empty: none) and how long it ran.
struct SecondStart {
    std::string boxText;
    int64_t ranMs = -1;
    std::optional<DWORD> exitCode;
};

SecondStart RunSecondStart(const CShellInstall& install, const std::string& token) {
    CChildProcess copy;
    SecondStart seen;
    const int64_t startUs = NowUs();
    if (!install.StartShell(copy, token)) return seen;
    while (copy.Running() && NowUs() - startUs < 10'000'000) {
        if (auto box = WaitForMessageBox(copy.Pid(), 20)) {
            seen.boxText = box->text;
            EXPECT_EQ(box->caption, "ZelvoPhone");
            AnswerMessageBox(*box);
        }
    }
    seen.exitCode = copy.Wait(5000);
    seen.ranMs = (NowUs() - startUs) / 1000;
    return seen;
}

// The caption of each test mailbox, as the engine reports them.
std::map<int, std::string> MailboxCaptions(const std::string& logs) {
    const std::size_t before = RecordsStartingWith(logs, "engine-events.log", "mailbox ").size();
    EXPECT_TRUE(EngineDumpMailboxes());
    std::map<int, std::string> captions;
    auto records = RecordsStartingWith(logs, "engine-events.log", "mailbox ");
    for (std::size_t i = before; i < records.size(); ++i) {
        char title[64] = {};
        int id = 0;
        int used = 0;
        if (std::sscanf(records[i].what.c_str(), "mailbox %63s %d %n", title, &id, &used) >= 2) {
            captions[id] = records[i].what.substr(static_cast<std::size_t>(used));
        }
    }
    return captions;
}

struct MissingCase {
    const char* token;
    const char* boxText;  // empty: ends silently
};

void ExpectMissing(const CShellInstall& install, const MissingCase& c) {
    SecondStart seen = RunSecondStart(install, c.token);
    EXPECT_EQ(seen.boxText, c.boxText) << c.token;
    EXPECT_EQ(seen.exitCode, 0u) << c.token;
    EXPECT_LT(seen.ranMs, 1500) << c.token << ": ends at the relay, without the instance test";
}

TEST(RelaySystem, TokensReachTheirMailboxesOrReportTheMissingStep) {
    CShellInstall install;
    ASSERT_TRUE(install.Ready());
    const std::string& logs = install.LogDir();

    // No engine at all.
    for (const MissingCase& c : {MissingCase{"SHOWORVANEONLINE", "NOT FOUND1"}, MissingCase{"STOPZELVOMEDIA", ""}}) {
        ExpectMissing(install, c);
    }
    EXPECT_EQ(FindShellMainWindow(), nullptr) << "a relay that cannot reach its target starts no shell";

    CChildProcess shell;
    ASSERT_TRUE(install.StartShell(shell));
    ASSERT_TRUE(WaitUntil([&] { return HasRecord(logs, "engine-events.log", "frame-created"); }, 20000));
    ASSERT_TRUE(WaitUntil([&] { return !RecordsStartingWith(logs, "updater.log", "updater started").empty(); }, 5000));

    // The frame without panels, then a "ZelvoMedia" window without its mailbox.
    for (const MissingCase& c : {MissingCase{"SHOWZELVOBROWSER", "NOT FOUND2"}, MissingCase{"STOPZELVOMEDIA", ""}}) {
        ExpectMissing(install, c);
    }
    ASSERT_TRUE(EngineAddMailbox("ZelvoMedia", 0));
    for (const MissingCase& c : {MissingCase{"HIDE_ZELVOMEDIA", "NOT FOUND4"}, MissingCase{"STOPZELVOMEDIA", ""}}) {
        ExpectMissing(install, c);
    }

    // Both mailboxes: each token lands in its own, and the copy then ends as a second start.
    ASSERT_TRUE(EngineAddMailbox("ZelvoMedia", 1035));
    ASSERT_TRUE(EngineAddMailbox("ZelvoMedia/OrvaneOnline", 1014));
    const struct {
        const char* token;
        std::map<int, std::string> captions;
    } delivered[] = {
        {"SHOWORVANEONLINE", {{1035, "SHOWORVANEONLINE"}, {1014, "NULL"}}},
        {"STOPZELVOMEDIA", {{1035, "SHOWORVANEONLINE"}, {1014, "STOPZELVOMEDIA"}}},
        {"SHOWZELVOBROWSER", {{1035, "SHOWZELVOBROWSER"}, {1014, "STOPZELVOMEDIA"}}},
        {"HIDE_ZELVOMEDIA", {{1035, "HIDE_ZELVOMEDIA"}, {1014, "STOPZELVOMEDIA"}}},
        // Not relay tokens: plain second starts that write nothing.
        {"showorvaneonline", {{1035, "HIDE_ZELVOMEDIA"}, {1014, "STOPZELVOMEDIA"}}},
        {"SHOWORVANEONLINEX", {{1035, "HIDE_ZELVOMEDIA"}, {1014, "STOPZELVOMEDIA"}}},
    };
    for (const auto& d : delivered) {
        SecondStart seen = RunSecondStart(install, d.token);
        EXPECT_EQ(seen.boxText, "") << d.token;
        EXPECT_EQ(seen.exitCode, 0u) << d.token;
        EXPECT_GE(seen.ranMs, 1500) << d.token << ": the instance test waits 1500 ms";
        EXPECT_EQ(MailboxCaptions(logs), d.captions) << d.token;
    }
    EXPECT_EQ(shell.Wait(0), std::nullopt) << "the running shell is not disturbed";
}

}  // namespace
