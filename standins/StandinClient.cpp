#include "StandinClient.h"

#include <atomic>
#include <cstring>

#include "EngineProtocol.h"
#include "HandsetProtocol.h"
#include "ModulePath.h"

namespace {

bool SendCopyData(HWND window, unsigned long command, const void* data, size_t size) {
    if (!window) return false;
    COPYDATASTRUCT cds = {};
    cds.dwData = command;
    cds.cbData = static_cast<DWORD>(size);
    cds.lpData = size ? const_cast<void*>(data) : nullptr;
    DWORD_PTR result = 0;
    // A generous limit, so that a hung stand-in fails the test instead of hanging it.
    if (!::SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds),
                               SMTO_NORMAL, 10000, &result))
        return false;
    return result != 0;
}

bool EngineCommand(unsigned long command, const std::string& data = std::string()) {
    return SendCopyData(FindEngineControl(), command, data.data(), data.size());
}

}  // namespace

std::string BinDir() { return standin::FolderOf(standin::ModulePath()); }

std::string MakeTempLogDir() {
    static std::atomic<unsigned> counter{0};
    char temp[MAX_PATH];
    DWORD n = ::GetTempPathA(sizeof temp, temp);
    std::string base = n > 0 && n < sizeof temp ? std::string(temp, n) : std::string(".\\");
    if (base.back() != '\\') base += '\\';
    for (;;) {
        std::string dir = base + "zelvo-standins-" + std::to_string(::GetCurrentProcessId()) + "-" +
                          std::to_string(::GetTickCount()) + "-" + std::to_string(counter++);
        if (::CreateDirectoryA(dir.c_str(), nullptr)) return dir;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return std::string();
    }
}

HWND FindEngineFrame() { return ::FindWindowA(standin::kEngineFrameClass, nullptr); }
HWND FindEngineServer() { return ::FindWindowA(nullptr, standin::kEngineServerTitle); }
HWND FindEngineControl() { return ::FindWindowA(standin::kEngineControlClass, nullptr); }

bool EngineSend(const std::string& bytes) { return EngineCommand(standin::kEngineSend, bytes); }
bool EngineCloseFrame() { return EngineCommand(standin::kEngineCloseFrame); }
bool EngineCloseServer() { return EngineCommand(standin::kEngineCloseServer); }
bool EngineMinimise() { return EngineCommand(standin::kEngineMinimise); }
bool EngineHide() { return EngineCommand(standin::kEngineHide); }
bool EngineDumpMailboxes() { return EngineCommand(standin::kEngineDumpMailboxes); }
bool EngineQuit() { return EngineCommand(standin::kEngineQuit); }

bool EngineAddMailbox(const std::string& title, int id) {
    return EngineCommand(standin::kEngineAddMailbox, title + "|" + std::to_string(id));
}

bool HandsetInject(uint32_t kind, uint32_t data, const std::string& text) {
    std::string payload(sizeof data, '\0');
    std::memcpy(&payload[0], &data, sizeof data);
    payload += text;
    payload += '\0';
    return SendCopyData(::FindWindowA(standin::kHandsetWindowClass, nullptr), kind, payload.data(),
                        payload.size());
}
