#pragma once
// How tests reach the stand-in handset library: WM_COPYDATA to its hidden window, dwData = the
// event kind, lpData = the event data (4 bytes, little-endian) and an optional zero-terminated
// text. The library calls the registered callback with them on its own thread.
#include <cstdint>

namespace standin {

constexpr const char kHandsetWindowClass[] = "ZelvoHandsetStandin";
// The event kind whose data is the address of the text (a dialled number).
constexpr uint32_t kHandsetNumberKind = 10;
// Codes of YL_DeviceIoControl with a meaning for the stand-in.
constexpr uint32_t kHandsetOpen = 0;
constexpr uint32_t kHandsetClose = 0xFFFF;
constexpr uint32_t kHandsetShowText = 0x1003;
constexpr uint32_t kHandsetRingTone = 0x1008;

using HandsetCallback = int(__cdecl*)(uint32_t kind, uint32_t data, uint32_t context);

}  // namespace standin
