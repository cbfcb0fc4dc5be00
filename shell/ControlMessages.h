#pragma once
// The texts, lengths and ports of the control link between the shell and the engine.
#include <cstddef>
#include <string>

namespace control {

constexpr unsigned kEnginePort = 7070;  // the engine listens here, at the machine's own address
constexpr unsigned kShellPort = 7072;   // the shell's receiver
constexpr std::size_t kShortLength = 32;
constexpr std::size_t kLongLength = 256;
constexpr int kMaxReceived = 255;       // bytes read of an incoming datagram

constexpr char kStartDialing[] = "ORVANE_STARTDIALING_END";
constexpr char kNavigateTabs[] = "ORVANE_NAVIGATETABS_END";
constexpr char kScrollDown[] = "ORVANE_SCROLLDOWN_END";
constexpr char kScrollUp[] = "ORVANE_SCROLLUP_END";
constexpr char kAnswer[] = "ORVANE_ANSWER_END";
constexpr char kHangup[] = "ORVANE_HANGUP_END";
constexpr char kNetFailed[] = "ORVANE_NETCONNECTION_FAILED";
constexpr char kNetResumed[] = "ORVANE_NETCONNECTION_RESUMED";
constexpr char kShutdownExit[] = "OVMSG_SHUTDOWN_EXIT";

constexpr char kOpenUrl[] = "ORVANE_MESSAGE_OPENURL";
constexpr char kIncoming[] = "ORVANE_MESSAGE_INCOMING";
constexpr char kRingStop[] = "ORVANE_MESSAGE_USBRINGSTOP";
constexpr char kSelectRing[] = "ORVANE_MESSAGE_USBSELECTRING";

// "ORVANE_TELNO_:" number ":_END", sent with the long length.
std::string TelephoneNumberMessage(const std::string& number);
// "OVMSG_DIAL_TEL:" number ":", sent with the short length.
std::string DialMessage(const std::string& number);

// One datagram of exactly `length` bytes: the text, then zero bytes; a text of `length` bytes or
// more is cut to its first `length` bytes and carries no zero byte.
std::string MakeDatagram(const std::string& text, std::size_t length);

}  // namespace control
