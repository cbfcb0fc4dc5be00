#include "shell/RelayWindows.h"

#include <windows.h>

#include "shell/RelayTokens.h"

namespace {
HWND AsHwnd(IRelayWindows::Window w) { return reinterpret_cast<HWND>(w); }
IRelayWindows::Window AsWindow(HWND h) { return reinterpret_cast<IRelayWindows::Window>(h); }
}  // namespace

IRelayWindows::Window CRelayWindows::FindEngineFrame() {
    return AsWindow(::FindWindowA(relay::kEngineFrameClass, nullptr));
}

IRelayWindows::Window CRelayWindows::FindChildByTitle(Window parent, const char* title) {
    return AsWindow(::FindWindowExA(AsHwnd(parent), nullptr, nullptr, title));
}

IRelayWindows::Window CRelayWindows::FindControl(Window parent, int id) {
    return AsWindow(::GetDlgItem(AsHwnd(parent), id));
}

void CRelayWindows::SetText(Window window, const char* text) {
    ::SendMessageA(AsHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
