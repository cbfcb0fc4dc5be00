#include "platform/Thread.h"

namespace {
DWORD WINAPI ThreadEntry(LPVOID param) {
    std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(param));
    (*body)();
    return 0;
}
}  // namespace

CUniqueHandle BeginThread(std::function<void()> body) {
    auto* heapBody = new std::function<void()>(std::move(body));
    HANDLE thread = ::CreateThread(nullptr, 0, ThreadEntry, heapBody, 0, nullptr);
    if (!thread) delete heapBody;
    return CUniqueHandle(thread);
}

void SleepMs(unsigned ms) { ::Sleep(ms); }
