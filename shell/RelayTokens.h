#pragma once
// The command relay's fixed texts: tokens, the panels' window titles and their mailbox ids.

namespace relay {

constexpr char kEngineFrameClass[] = "KestMain.KestJvm.KestSipIP.KestVoip.KestSkin.QMBPhoneFrame";
constexpr char kMediaPanelTitle[] = "ZelvoMedia";
constexpr char kTvPanelTitle[] = "OrvaneOnline";
constexpr int kMediaMailboxId = 1035;
constexpr int kTvMailboxId = 1014;
constexpr char kMailboxIdle[] = "NULL";

// Media mailbox.
constexpr char kShowOrvaneOnline[] = "SHOWORVANEONLINE";
constexpr char kShowZelvoBrowser[] = "SHOWZELVOBROWSER";
constexpr char kHideZelvoMedia[] = "HIDE_ZELVOMEDIA";
// TV mailbox; only the last one is relayed by the shell, the others come from outside.
constexpr char kHideOnline[] = "HIDEONLINE";
constexpr char kShowOnline[] = "SHOWONLINE";
constexpr char kStopOnline[] = "STOPONLINE";
constexpr char kDisableOnlineButtons[] = "DISABLEONLINEBUTTONS";
constexpr char kEnableOnlineButtons[] = "ENABLEONLINEBUTTONS";
constexpr char kStopZelvoMedia[] = "STOPZELVOMEDIA";

}  // namespace relay
