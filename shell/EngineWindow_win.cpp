#include "shell/EngineWindow.h"

#include "platform/Handle.h"
#include "shell/RelayTokens.h"

namespace {

// Restored, then hidden and shown again: the engine's frame comes back in front and active.
void RestoreToFront(HWND frame) {
    ::BringWindowToTop(frame);
    ::ShowWindow(frame, SW_RESTORE);
    ::ShowWindow(frame, SW_HIDE);
    ::ShowWindow(frame, SW_SHOW);
}

void MinimiseThenRestoreToFront(HWND frame) {
    ::ShowWindow(frame, SW_MINIMIZE);
    RestoreToFront(frame);
}

}  // namespace

HWND FindEngineFrame() { return ::FindWindowA(relay::kEngineFrameClass, nullptr); }

void BringEngineForwardOnSecondStart(HWND frame) {
    if (::IsIconic(frame)) {
        RestoreToFront(frame);
    } else if (!::IsWindowVisible(frame)) {
        MinimiseThenRestoreToFront(frame);
    }
}

void ShowEngineWindow(HWND frame) {
    if (!frame) return;
    if (!::IsWindowVisible(frame)) MinimiseThenRestoreToFront(frame);
    if (::IsIconic(frame)) {
        RestoreToFront(frame);
    } else {
        ::BringWindowToTop(frame);
    }
}

void StopEngine(HWND frame) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(frame, &pid);
    ::PostMessageA(frame, WM_QUIT, 0, 0);
    CUniqueHandle process(::OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid));
    if (process) ::TerminateProcess(process.Get(), 0);
}
