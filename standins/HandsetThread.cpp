#include "HandsetThread.h"

#include <cstring>

#include "StandinLog.h"
#include "StandinRecord.h"
#include "StandinWnd.h"

namespace standin {

class CHandsetThread::CHandsetWnd : public CStandinWnd {
public:
    explicit CHandsetWnd(CHandsetThread& owner) : m_owner(owner) {}

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case WM_COPYDATA: {
            const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            return m_owner.Deliver(static_cast<uint32_t>(data.dwData),
                                   static_cast<const char*>(data.lpData),
                                   data.lpData ? data.cbData : 0);
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        }
        return CStandinWnd::WindowProc(msg, wParam, lParam);
    }

private:
    CHandsetThread& m_owner;
};

bool CHandsetThread::Start(HandsetCallback callback, uint32_t context) {
    m_callback = callback;
    m_context = context;
    if (m_window) return true;
    m_thread.Reset();

    // The thread holds its own reference to the library, so that the library cannot be unloaded
    // under it; it gives that back as it ends (FreeLibraryAndExitThread).
    if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                              reinterpret_cast<LPCSTR>(&CHandsetThread::ThreadMain), &m_module))
        return false;
    m_ready.Reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    m_started = false;
    m_thread.Reset(::CreateThread(nullptr, 0, ThreadMain, this, 0, &m_threadId));
    if (!m_ready || !m_thread) {
        if (m_thread) ::WaitForSingleObject(m_thread.Get(), INFINITE);
        else ::FreeLibrary(m_module);
        m_thread.Reset();
        return false;
    }
    HANDLE waits[2] = {m_ready.Get(), m_thread.Get()};
    ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    return m_started;
}

void CHandsetThread::Stop() {
    HWND window = m_window.exchange(nullptr);
    if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
    if (!m_thread || ::GetCurrentThreadId() == m_threadId) return;
    ::WaitForSingleObject(m_thread.Get(), INFINITE);
    m_thread.Reset();
}

DWORD WINAPI CHandsetThread::ThreadMain(void* param) {
    auto* self = static_cast<CHandsetThread*>(param);
    HMODULE module = self->m_module;
    self->RunWindow();
    ::FreeLibraryAndExitThread(module, 0);
    return 0;
}

void CHandsetThread::RunWindow() {
    HINSTANCE instance = m_module;
    CHandsetWnd window(*this);
    RECT none = {0, 0, 0, 0};
    bool ok = CStandinWnd::RegisterClass(instance, kHandsetWindowClass, nullptr) &&
              window.Create(instance, kHandsetWindowClass, "Zelvo handset stand-in", WS_POPUP, 0,
                            none, nullptr);
    m_window = ok ? window.Hwnd() : nullptr;
    m_started = ok;
    ::SetEvent(m_ready.Get());
    if (!ok) return;

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool CHandsetThread::Deliver(uint32_t kind, const char* bytes, size_t size) {
    HandsetCallback callback = m_callback;
    if (!callback || size < sizeof(uint32_t)) return false;
    uint32_t data;
    std::memcpy(&data, bytes, sizeof data);
    const char* text = bytes + sizeof data;
    size_t textSize = size - sizeof data;
    std::string copy(text, ::strnlen(text, textSize));

    if (kind == kHandsetNumberKind) {
        std::string& slot = m_texts[m_nextText];
        m_nextText = (m_nextText + 1) % m_texts.size();
        slot = copy;
        data = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(slot.c_str()));
    }
    AppendLogRecord("handset-events.log", "kind=" + std::to_string(kind) + " data=" +
                                              HexNumber(data) + " text=" + QuoteText(copy));
    callback(kind, data, m_context);
    return true;
}

}  // namespace standin
