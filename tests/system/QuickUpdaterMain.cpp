// Takes the updater's place in a test's installation folder ("ZelvoUpdate.exe"): records that
// it was started, with its folder and arguments, and ends at once, as the updater does when no
// update is needed.
#include <windows.h>

#include "StandinLog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    standin::AppendLogRecord("updater.log", std::string("updater started cwd=") + folder + " args=" + commandLine);
    return 0;
}
