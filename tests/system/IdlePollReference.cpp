// The idle cost of the written design, for the shell's idle benchmark: the engine watcher's and
// the server watcher's lookups of the engine's windows, each every millisecond on a thread of
// its own, as a shell that polls instead of waiting would do for as long as the engine runs.
#include <windows.h>

#include <cstdlib>

namespace {

DWORD WINAPI FollowFrame(LPVOID) {
    for (;;) {
        ::Sleep(1);
        ::FindWindowA("KestMain.KestJvm.KestSipIP.KestVoip.KestSkin.QMBPhoneFrame", nullptr);
    }
}

DWORD WINAPI FollowServer(LPVOID) {
    for (;;) {
        ::Sleep(1);
        ::FindWindowA(nullptr, "Orvanesvr");
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const DWORD seconds = static_cast<DWORD>(std::atoi(commandLine));
    ::CreateThread(nullptr, 0, FollowFrame, nullptr, 0, nullptr);
    ::CreateThread(nullptr, 0, FollowServer, nullptr, 0, nullptr);
    ::Sleep(seconds ? seconds * 1000 : 30000);
    return 0;
}
