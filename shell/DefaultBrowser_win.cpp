#include "shell/DefaultBrowser.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/Handle.h"
#include "shell/BrowserLaunch.h"

namespace {
std::string RegisteredBrowserCommand() {
    CRegKey key;
    if (!key.Open(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", KEY_READ)) return {};
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return {};
    std::vector<char> value(size + 1, '\0');
    if (::RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    return value.data();
}
}  // namespace

void OpenInDefaultBrowser(const std::string& address) {
    const BrowserLaunch launch = PlanBrowserLaunch(RegisteredBrowserCommand(), address);
    switch (launch.kind) {
    case BrowserLaunch::Kind::OpenVerb:
        ::ShellExecuteA(nullptr, "open", launch.file.c_str(), nullptr, nullptr, SW_SHOWNA);
        break;
    case BrowserLaunch::Kind::Program:
        ::ShellExecuteA(nullptr, nullptr, launch.file.c_str(), launch.parameters.c_str(), nullptr, SW_SHOWNORMAL);
        break;
    case BrowserLaunch::Kind::None:
        break;
    }
}
