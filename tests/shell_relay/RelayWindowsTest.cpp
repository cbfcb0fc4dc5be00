// The relay's delivery and a panel's mailbox on real windows: a frame of the engine's class
// holding the two panels and their hidden mailbox buttons.
#include "shell/Mailbox.h"
#include "shell/RelayTokens.h"
#include "shell/RelayWindows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Caption(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

class RelayWindowsTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = relay::kEngineFrameClass;
        ::RegisterClassA(&wc);
        m_frame = ::CreateWindowA(relay::kEngineFrameClass, "Zelvo Phone", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400,
                                  nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(m_frame);
    }
    void TearDown() override { ::DestroyWindow(m_frame); }

    HWND AddChild(HWND parent, const char* title) {
        return ::CreateWindowA("STATIC", title, WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    }
    HWND AddMailbox(HWND panel, int id) {
        return ::CreateWindowA("BUTTON", relay::kMailboxIdle, WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10, panel,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    HWND m_frame = nullptr;
};

TEST_F(RelayWindowsTest, TokensReachTheirMailboxes) {
    // A decoy of the same title one level down must not be taken for the media panel.
    HWND decoyHolder = AddChild(m_frame, "Holder");
    AddMailbox(AddChild(decoyHolder, "ZelvoMedia"), relay::kMediaMailboxId);
    HWND media = AddChild(m_frame, relay::kMediaPanelTitle);
    HWND mediaBox = AddMailbox(media, relay::kMediaMailboxId);
    HWND tv = AddChild(media, relay::kTvPanelTitle);
    HWND tvBox = AddMailbox(tv, relay::kTvMailboxId);

    CRelayWindows windows;
    EXPECT_EQ(RelayCommandToken("SHOWZELVOBROWSER", windows).outcome, RelayOutcome::Delivered);
    EXPECT_EQ(Caption(mediaBox), "SHOWZELVOBROWSER");
    EXPECT_EQ(RelayCommandToken("STOPZELVOMEDIA", windows).outcome, RelayOutcome::Delivered);
    EXPECT_EQ(Caption(tvBox), "STOPZELVOMEDIA");
    EXPECT_EQ(Caption(mediaBox), "SHOWZELVOBROWSER");
}

TEST_F(RelayWindowsTest, MissingPanelIsReported) {
    HWND holder = AddChild(m_frame, "Holder");
    AddMailbox(AddChild(holder, relay::kMediaPanelTitle), relay::kMediaMailboxId);  // not a direct child
    CRelayWindows windows;
    const RelayResult result = RelayCommandToken("SHOWORVANEONLINE", windows);
    EXPECT_EQ(result.outcome, RelayOutcome::Missing);
    EXPECT_STREQ(result.message, "NOT FOUND2");
}

TEST_F(RelayWindowsTest, MailboxPollResetsWhereTheRulesSay) {
    HWND media = AddChild(m_frame, relay::kMediaPanelTitle);
    HWND box = AddMailbox(media, relay::kMediaMailboxId);
    const CMailbox mailbox(box, kMediaMailboxRules);

    EXPECT_EQ(mailbox.Poll(), nullptr);  // idle
    EXPECT_EQ(Caption(box), "NULL");

    ::SetWindowTextA(box, "SHOWORVANEONLINE");
    EXPECT_STREQ(mailbox.Poll(), "SHOWORVANEONLINE");
    EXPECT_EQ(Caption(box), "NULL");
    EXPECT_EQ(mailbox.Poll(), nullptr);  // acted on once

    ::SetWindowTextA(box, "HIDE_ZELVOMEDIA");
    EXPECT_STREQ(mailbox.Poll(), "HIDE_ZELVOMEDIA");
    EXPECT_EQ(Caption(box), "HIDE_ZELVOMEDIA");  // stays; acting on it again changes nothing
    EXPECT_STREQ(mailbox.Poll(), "HIDE_ZELVOMEDIA");

    // A long caption that begins with a token is no token, and is left as it is.
    const std::string longCaption = std::string("SHOWZELVOBROWSER") + std::string(300, 'X');
    ::SetWindowTextA(box, longCaption.c_str());
    EXPECT_EQ(mailbox.Poll(), nullptr);
    EXPECT_EQ(Caption(box).substr(0, 16), "SHOWZELVOBROWSER");
}

}  // namespace
