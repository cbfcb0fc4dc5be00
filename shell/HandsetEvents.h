#pragma once
// Handset events, as the handset library reports them, turned into messages to the engine.
#include <cstdint>
#include <optional>
#include <string>

namespace handset {

constexpr unsigned kEventMessage = 0x0E0A;  // posted to the main window: wParam kind, lParam data

enum EventKind : std::uint32_t { kNumber = 10, kKey = 11, kAnswer = 12, kHangup = 13 };

// Library codes (first argument of YL_DeviceIoControl).
enum Code : std::uint32_t {
    kOpen = 0, kClose = 0xFFFF, kRing = 0x1001, kStopRing = 0x1002, kShowCaller = 0x1003,
    kSelectTone = 0x1008,
};

struct EngineMessage {
    std::string text;        // sent with the long length
    bool reportFailure;      // a failed send is shown to the user ("Sending failed")
};

// The low 8 bits of a key event as two upper-case hexadecimal digits and ':' ("91:").
std::string FormatKeyCode(std::uint32_t data);

// The message for one event; `number` is the text of a number event. Nothing for other kinds and
// for keys the engine does not take.
std::optional<EngineMessage> MessageForEvent(std::uint32_t kind, std::uint32_t data, const char* number);

}  // namespace handset
