#include "platform/MessageBox.h"

const std::string& AppTitle() {
    static const std::string title = [] {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string name = path;
        name = name.substr(name.find_last_of("\\/") + 1);
        return name.substr(0, name.find_last_of('.'));
    }();
    return title;
}

int AppMessageBox(HWND owner, const char* text, UINT type, const char* caption) {
    return ::MessageBoxA(owner, text, caption ? caption : AppTitle().c_str(), type);
}
