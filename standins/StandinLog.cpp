#include "StandinLog.h"

#include "StandinHandles.h"

int64_t NowUs() {
    LARGE_INTEGER freq, count;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&count);
    // Split so that the product cannot overflow for any run length.
    int64_t f = freq.QuadPart, c = count.QuadPart;
    return (c / f) * 1000000 + (c % f) * 1000000 / f;
}

namespace standin {

std::string EnvironmentValue(const char* name) {
    char small[512];
    DWORD n = ::GetEnvironmentVariableA(name, small, sizeof small);
    if (n == 0) return std::string();
    if (n < sizeof small) return std::string(small, n);
    std::string big(n, '\0');
    n = ::GetEnvironmentVariableA(name, &big[0], n);
    big.resize(n);
    return big;
}

std::string LogDir() {
    std::string dir = EnvironmentValue("ZELVO_STANDIN_LOG_DIR");
    if (!dir.empty()) return dir;
    char cwd[MAX_PATH];
    DWORD n = ::GetCurrentDirectoryA(sizeof cwd, cwd);
    return n > 0 && n < sizeof cwd ? std::string(cwd, n) : std::string(".");
}

bool AppendLogRecord(const char* fileName, const std::string& text) {
    std::string dir = LogDir();
    if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
    std::string line = "t=" + std::to_string(NowUs()) + " " + text + "\n";

    CFileHandle file(::CreateFileA((dir + fileName).c_str(), FILE_APPEND_DATA,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return ::WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written,
                       nullptr) &&
           written == line.size();
}

}  // namespace standin
