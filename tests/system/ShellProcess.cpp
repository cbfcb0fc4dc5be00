#include "ShellProcess.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const char* const kInstalledFiles[] = {"ZelvoPhone.exe", "YLUSBTEL.dll", "Zelvosvr.exe", "ZelvoLauncher.exe",
                                       "EngineStandin.exe"};
constexpr char kNavigatingKey[] = "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.Current";
constexpr int kMessageBoxIconId = 0x0440;  // the icon of the system's message box template

bool Copy(const std::string& from, const std::string& to) { return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE; }

// The Windows path of a Unix path in the sandbox (drive Z: is the Unix root).
std::string WindowsPath(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Rewrites the file in place: the hosts file is a bind mount, so it must keep its identity.
bool WriteFileInPlace(const std::string& path, const std::string& text) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    ::CloseHandle(file);
    return ok;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

struct BoxSearch {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindBoxOfProcess(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    char cls[64] = {};
    ::GetClassNameA(window, cls, sizeof cls);
    if (pid == search->pid && std::string(cls) == "#32770" && ::IsWindowVisible(window) &&
        ::GetDlgItem(window, 0xFFFF)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Colour pixels of a rectangle of the screen, 0x00RRGGBB each.
std::vector<DWORD> ScreenPixels(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    std::copy_n(static_cast<const DWORD*>(bits), pixels.size(), pixels.begin());
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// The stop icon is the one drawn mostly in red.
bool ShowsStopIcon(HWND iconControl) {
    RECT place{};
    if (!iconControl || !::GetWindowRect(iconControl, &place)) return false;
    int red = 0;
    for (DWORD p : ScreenPixels(place)) {
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (r > 150 && g < 90 && b < 90) ++red;
    }
    return red > 50;
}

}  // namespace

CShellInstall::CShellInstall(const std::set<std::string>& leaveOut) {
    m_ready = true;
    for (const char* file : kInstalledFiles) {
        if (!leaveOut.count(file)) m_ready = Copy(BinDir() + "\\" + file, m_dir + "\\" + file) && m_ready;
    }
    if (!leaveOut.count("ZelvoUpdate.exe")) {
        m_ready = Copy(BinDir() + "\\quick_updater.exe", m_dir + "\\ZelvoUpdate.exe") && m_ready;
    }
}

CShellInstall::~CShellInstall() { EndEngines(); }

std::map<std::string, std::string> CShellInstall::Environment(const std::map<std::string, std::string>& env) const {
    std::map<std::string, std::string> all = env;
    all["ZELVO_STANDIN_LOG_DIR"] = m_logDir;
    return all;
}

bool CShellInstall::StartShell(CChildProcess& shell, const std::string& args,
                               const std::map<std::string, std::string>& env) const {
    std::string command = "\"" + m_dir + "\\ZelvoPhone.exe\"";
    if (!args.empty()) command += " " + args;
    return shell.Start(command, m_dir, Environment(env));
}

void CShellInstall::EndEngines() const {
    for (const auto& record : RecordsStartingWith(m_logDir, "engine-events.log", "started pid=")) {
        const DWORD pid = static_cast<DWORD>(std::strtoul(record.what.c_str() + 12, nullptr, 10));
        if (HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
            if (::WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
                ::TerminateProcess(process, 1);
                ::WaitForSingleObject(process, 5000);
            }
            ::CloseHandle(process);
        }
    }
    WaitUntil([] { return FindEngineFrame() == nullptr; }, 5000);
}

bool CShellRun::Start(const std::map<std::string, std::string>& env) {
    if (!m_install.Ready()) return false;
    const std::string dir = m_install.Dir();
    if (!m_engine.Start("\"" + dir + "\\EngineStandin.exe\"", dir, m_install.Environment(env))) return false;
    if (!WaitUntil([] { return FindEngineControl() != nullptr; }, 15000)) return false;
    if (!m_install.StartShell(m_shell, "", env)) return false;
    if (!WaitUntil([this] { return !ReadHandsetCalls(LogDir()).empty(); }, 15000)) return false;
    ::Sleep(200);
    return true;
}

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD pid, int timeoutMs) {
    BoxSearch search{pid, nullptr};
    if (!WaitUntil([&] {
            ::EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        }, timeoutMs))
        return std::nullopt;
    MessageBoxSeen box;
    box.window = search.found;
    box.caption = WindowText(search.found);
    box.text = WindowText(::GetDlgItem(search.found, 0xFFFF));
    box.topmost = (::GetWindowLongA(search.found, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    ::Sleep(200);  // painted
    box.stopIcon = ShowsStopIcon(::GetDlgItem(search.found, kMessageBoxIconId));
    return box;
}

void AnswerMessageBox(const MessageBoxSeen& box) { ::PostMessageA(box.window, WM_COMMAND, IDOK, 0); }

std::vector<StandinEvent> RecordsStartingWith(const std::string& dir, const std::string& file, const std::string& prefix) {
    std::vector<StandinEvent> matching;
    for (auto& record : ReadRecords(dir, file)) {
        if (record.what.rfind(prefix, 0) == 0) matching.push_back(record);
    }
    return matching;
}

bool RegisterBrowserCommand(const std::string& command) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                               static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return ok;
}

std::optional<std::string> ReadNavigationSound() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kNavigatingKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    const bool ok = ::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    if (!ok || type != REG_SZ) return std::nullopt;
    return std::string(value);
}

bool WriteNavigationSound(const std::string& value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kNavigatingKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return ok;
}

bool SetProgramWindowsVersion(const std::string& program, const std::string& version) {
    const std::string path = "Software\\Wine\\AppDefaults\\" + program;
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = version.empty()
                        ? ::RegDeleteValueA(key, "Version") == ERROR_SUCCESS
                        : ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                                           static_cast<DWORD>(version.size() + 1)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return ok;
}

bool RemoveHostFromHosts(const std::string& host) {
    const char* hosts = std::getenv("ZELVO_HOSTS");
    const char* base = std::getenv("ZELVO_HOSTS_BASE");
    if (!hosts || !base) return false;
    std::string text = ReadFile(WindowsPath(base));
    const std::string word = " " + host;
    for (std::size_t at; (at = text.find(word)) != std::string::npos;) text.erase(at, word.size());
    return WriteFileInPlace(WindowsPath(hosts), text);
}

bool RestoreHosts() {
    const char* hosts = std::getenv("ZELVO_HOSTS");
    const char* base = std::getenv("ZELVO_HOSTS_BASE");
    return hosts && base && WriteFileInPlace(WindowsPath(hosts), ReadFile(WindowsPath(base)));
}

namespace {
struct WindowSearch {
    DWORD pid;
    const char* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowsOf(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid) return TRUE;
    if (search->windowClass) {
        char cls[64] = {};
        ::GetClassNameA(window, cls, sizeof cls);
        if (std::string(cls) != search->windowClass || !::IsWindowVisible(window)) return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}

bool Near(COLORREF c, int r, int g, int b) {
    return std::abs(GetRValue(c) - r) < 40 && std::abs(GetGValue(c) - g) < 40 && std::abs(GetBValue(c) - b) < 40;
}
}  // namespace

TrayIconSeen SeeTrayIcon() {
    // The notification area sits at the right end of the task bar, at the bottom of the desktop.
    const int right = ::GetSystemMetrics(SM_CXSCREEN), bottom = ::GetSystemMetrics(SM_CYSCREEN);
    int normal = 0, lost = 0;
    for (DWORD p : ScreenPixels({right - 120, bottom - 28, right, bottom})) {
        const COLORREF c = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        if (Near(c, 0x2e, 0x9d, 0x48)) ++normal;
        if (Near(c, 0xb2, 0x3a, 0x2a)) ++lost;
    }
    if (lost > 20 && lost > normal) return TrayIconSeen::NetworkLost;
    if (normal > 20) return TrayIconSeen::Normal;
    return TrayIconSeen::None;
}

HWND FindShellMainWindow() { return ::FindWindowA(nullptr, "Orvane          "); }

HWND FindVisibleWindowOf(DWORD pid, const char* windowClass) {
    WindowSearch search{pid, windowClass, {}};
    ::EnumWindows(CollectWindowsOf, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

std::vector<HWND> WindowsOf(DWORD pid) {
    WindowSearch search{pid, nullptr, {}};
    ::EnumWindows(CollectWindowsOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void OfferScreenshot(const std::string& name) {
    const char* dir = std::getenv("ZELVO_SHOT_DIR");
    if (!dir) return;
    const std::string base = WindowsPath(dir) + "\\" + name;
    std::ofstream(base + ".ready").put('\n');
    WaitUntil([&] { return ::GetFileAttributesA((base + ".done").c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000);
}
