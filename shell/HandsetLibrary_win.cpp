#include "shell/HandsetLibrary.h"

#include <windows.h>

#include "platform/Window.h"
#include "shell/HandsetEvents.h"

extern "C" __declspec(dllimport) int __cdecl YL_DeviceIoControl(std::uint32_t, std::uint32_t, std::uint32_t,
                                                                 std::uint32_t, std::uint32_t, std::uint32_t);

int CYlHandsetLibrary::DeviceIoControl(std::uint32_t code, std::uintptr_t a2, std::uintptr_t a3,
                                       std::uintptr_t a4, std::uintptr_t a5, std::uintptr_t a6) {
    return YL_DeviceIoControl(code, static_cast<std::uint32_t>(a2), static_cast<std::uint32_t>(a3),
                              static_cast<std::uint32_t>(a4), static_cast<std::uint32_t>(a5),
                              static_cast<std::uint32_t>(a6));
}

extern "C" int __cdecl HandsetCallback(std::uint32_t kind, std::uint32_t data, std::uint32_t context) {
    // The context is the main window object given at the open call; its handle is set before that.
    const auto* window = reinterpret_cast<const CWnd*>(static_cast<std::uintptr_t>(context));
    return ::PostMessageA(window->GetSafeHwnd(), handset::kEventMessage, kind, data) ? 1 : 0;
}
