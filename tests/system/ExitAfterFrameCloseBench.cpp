// For the shell's benchmark: closes the stand-in engine's frame and prints how long the running
// shell takes to end after it, as "shell.exit_after_frame_close_ms: <ms> ms".
#include <cstdio>

#include "ShellProcess.h"

int main() {
    HWND mainWindow = FindShellMainWindow();
    DWORD pid = 0;
    if (mainWindow) ::GetWindowThreadProcessId(mainWindow, &pid);
    HANDLE shell = pid ? ::OpenProcess(SYNCHRONIZE, FALSE, pid) : nullptr;
    if (!shell) {
        std::fprintf(stderr, "no running shell\n");
        return 1;
    }
    const int64_t closeUs = NowUs();
    const bool closed = EngineCloseFrame();
    const bool ended = closed && ::WaitForSingleObject(shell, 10000) == WAIT_OBJECT_0;
    const double ms = static_cast<double>(NowUs() - closeUs) / 1000.0;
    ::CloseHandle(shell);
    if (!ended) {
        std::fprintf(stderr, "the shell did not end after the frame closed\n");
        return 1;
    }
    std::printf("shell.exit_after_frame_close_ms: %.0f ms\n", ms);
    return 0;
}
