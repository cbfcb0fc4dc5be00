#include "shell/NavigationSound.h"

#include <windows.h>

#include <cstring>

#include "platform/Handle.h"

namespace {

constexpr char kNavigatingKey[] = "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.Current";

// The true version: GetVersionEx answers a program without a compatibility manifest with an
// older version than the one running, so the kernel's own answer is taken when it is there.
void WindowsVersion(unsigned& major, unsigned& minor) {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    FARPROC entry = ntdll ? ::GetProcAddress(ntdll, "RtlGetVersion") : nullptr;
    auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(entry));
    if (rtlGetVersion && rtlGetVersion(&info) == 0) {
        major = info.dwMajorVersion;
        minor = info.dwMinorVersion;
        return;
    }
    OSVERSIONINFOA legacy{};
    legacy.dwOSVersionInfoSize = sizeof legacy;
    ::GetVersionExA(&legacy);
    major = legacy.dwMajorVersion;
    minor = legacy.dwMinorVersion;
}

void WriteNavigationSound(const char* value) {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, kNavigatingKey, KEY_ALL_ACCESS)) return;
    ::RegSetValueExA(key.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                     static_cast<DWORD>(std::strlen(value) + 1));
}

}  // namespace

void SilenceNavigationSound() { WriteNavigationSound(""); }

void RestoreNavigationSound() {
    unsigned major = 0, minor = 0;
    WindowsVersion(major, minor);
    if (const char* sound = DefaultNavigationSound(major, minor)) WriteNavigationSound(sound);
}
