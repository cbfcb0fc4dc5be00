// Runs the real ZelvoUpdate.exe for a script (benchmark, screenshot): answers the upgrade
// question with Yes and every other message box with OK, and reports on standard output:
//   visible <left> <top> <width> <height>   once the window shows a download in progress
//   exit=<code> peak_working_set=<bytes>     when the updater has ended
// Usage: UpdateDriver.exe <installation folder>
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "StandinClient.h"
#include "UpdaterWindows.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: UpdateDriver.exe <installation folder>\n");
        return 2;
    }
    std::string installDir = argv[1];
    CChildProcess updater;
    if (!updater.Start("\"" + BinDir() + "\\ZelvoUpdate.exe\"", installDir, {{"ZELVO_STANDIN_LOG_DIR", installDir}})) {
        std::fprintf(stderr, "cannot start ZelvoUpdate.exe\n");
        return 1;
    }
    SIZE_T peak = 0;
    bool reported = false;
    std::vector<HWND> answered;
    while (updater.Running()) {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (::GetProcessMemoryInfo(updater.Handle(), &counters, sizeof counters) && counters.PeakWorkingSetSize > peak)
            peak = counters.PeakWorkingSetSize;
        for (const CMessageBoxInfo& box : MessageBoxesOf(updater.Pid())) {
            bool seen = false;
            for (HWND h : answered) seen |= h == box.hwnd;
            if (seen || !(box.yes || box.ok)) continue;
            answered.push_back(box.hwnd);
            std::fprintf(stderr, "answering \"%s\"\n", box.text.c_str());
            AnswerMessageBox(box, box.yes ? IDYES : IDOK);
        }
        HWND window = FindUpdateWindow(updater.Pid());
        if (!reported && window && ::IsWindowVisible(window) && ProgressPosition(window) > 0) {
            RECT r;
            ::GetWindowRect(window, &r);
            std::printf("visible %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
            std::fflush(stdout);
            reported = true;
        }
        ::Sleep(20);
    }
    DWORD code = updater.Wait(0).value_or(1);
    std::printf("exit=%lu peak_working_set=%lu\n", code, static_cast<unsigned long>(peak));
    return 0;
}
