// Stands in for a downloaded patch: records that it was started, then ends. The update tests
// serve this program, padded to the size they need, as the patch.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char dir[MAX_PATH] = {};
    DWORD n = ::GetEnvironmentVariableA("ZELVO_STANDIN_LOG_DIR", dir, sizeof dir);
    std::string path = (n > 0 && n < sizeof dir ? std::string(dir) + "\\" : std::string()) + "patch-started.log";
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, sizeof self);
    std::string line = "patch-started pid=" + std::to_string(::GetCurrentProcessId()) + " exe=" + self +
                       " args=" + commandLine + "\r\n";
    HANDLE file = ::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    return 0;
}
