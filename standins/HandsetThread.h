#pragma once
// The handset library's own thread: it holds the hidden window that takes injected events and
// calls the registered callback with them, on this thread, as a device library would.
#include <array>
#include <atomic>
#include <string>

#include "HandsetProtocol.h"
#include "StandinHandles.h"

namespace standin {

class CHandsetThread {
public:
    CHandsetThread() = default;
    CHandsetThread(const CHandsetThread&) = delete;
    CHandsetThread& operator=(const CHandsetThread&) = delete;

    // Starts the thread and returns once its window exists (or could not be made). When it runs
    // already, only the callback and context change.
    bool Start(HandsetCallback callback, uint32_t context);
    // Closes the window and waits for the thread to end (unless called on that thread).
    void Stop();

private:
    static DWORD WINAPI ThreadMain(void* param);
    void RunWindow();
    // Called on the thread for each injected event; false when there is no callback or the
    // data is malformed.
    bool Deliver(uint32_t kind, const char* bytes, size_t size);

    class CHandsetWnd;

    std::atomic<HandsetCallback> m_callback{nullptr};
    std::atomic<uint32_t> m_context{0};
    std::atomic<HWND> m_window{nullptr};
    std::atomic<bool> m_started{false};
    CKernelHandle m_thread;
    DWORD m_threadId = 0;
    CKernelHandle m_ready;
    HMODULE m_module = nullptr;
    // Copies of dialled numbers: the shell reads one after the callback returned, so each stays
    // alive until 64 further numbers have come in. Touched only on the thread.
    std::array<std::string, 64> m_texts;
    size_t m_nextText = 0;
};

}  // namespace standin
