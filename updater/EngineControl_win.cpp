#include "updater/EngineControl_win.h"

#include "platform/Handle.h"
#include "updater/UpdateTexts.h"

namespace {
// The guard's poll interval: the message still appears at once for the user, and the idle
// thread costs next to nothing.
constexpr DWORD kGuardPollMs = 10;
constexpr DWORD kTerminationWaitMs = 5000;
}  // namespace

HWND FindEngineWindow() { return ::FindWindowA(kEngineWindowClass, nullptr); }

void StopEngineOf(HWND engineWindow) {
    ::PostMessageA(engineWindow, WM_QUIT, 0, 0);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(engineWindow, &processId);
    if (processId == 0) return;
    CUniqueHandle process(::OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId));
    if (!process || !::TerminateProcess(process.Get(), 0)) return;
    // Termination completes asynchronously; wait for it so that the engine's window is gone
    // before the guard starts looking for it.
    ::WaitForSingleObject(process.Get(), kTerminationWaitMs);
}

void StopEngine() {
    if (HWND engine = FindEngineWindow()) StopEngineOf(engine);
}

void GuardEngine(HWND owner) {
    for (;;) {
        ::Sleep(kGuardPollMs);
        HWND engine = FindEngineWindow();
        if (!engine) continue;
        ::MessageBoxA(owner, updatetext::kEngineRunning, updatetext::kCaption, MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
        if (::FindWindowA(nullptr, kShellWindowTitle)) StopEngineOf(engine);
    }
}
