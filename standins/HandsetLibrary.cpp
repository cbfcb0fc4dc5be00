// YLUSBTEL.dll: stands in for the handset maker's library. Every call is recorded; open starts
// the library's thread that delivers injected handset events to the caller's callback.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <mutex>

#include "HandsetProtocol.h"
#include "HandsetThread.h"
#include "StandinLog.h"
#include "StandinRecord.h"

static_assert(sizeof(void*) == 4, "the handset library passes addresses as 32-bit arguments");

namespace {

using namespace standin;

// Longest text read from a caller's address for the record.
const size_t kMaxText = 4096;

class CHandsetLibrary {
public:
    int Call(const uint32_t (&args)[6]) {
        Record(args);
        switch (args[0]) {
        case kHandsetOpen:
            return Open(reinterpret_cast<HandsetCallback>(args[1]), args[2]);
        case kHandsetClose:
            Close();
            return 1;
        }
        return 1;
    }

private:
    static void Record(const uint32_t (&args)[6]) {
        std::string text = "tid=" + std::to_string(::GetCurrentThreadId()) +
                           " code=" + HexNumber(args[0]);
        for (int i = 1; i < 6; ++i) text += " a" + std::to_string(i + 1) + "=" + HexNumber(args[i]);
        const char* at = reinterpret_cast<const char*>(args[1]);
        if (args[0] == kHandsetShowText)
            text += " text=" + QuoteText(at ? std::string(at, ::strnlen(at, kMaxText)) : std::string());
        if (args[0] == kHandsetRingTone && at)
            text += " byte=" + std::to_string(static_cast<unsigned char>(*at));
        AppendLogRecord("handset-calls.log", text);
    }

    int Open(HandsetCallback callback, uint32_t context) {
        if (EnvironmentValue("ZELVO_HANDSET_OPEN_FAILS") == "1") return 0;
        std::lock_guard<std::mutex> lock(m_lock);
        return m_thread.Start(callback, context) ? 1 : 0;
    }

    void Close() {
        std::lock_guard<std::mutex> lock(m_lock);
        m_thread.Stop();
    }

    std::mutex m_lock;
    CHandsetThread m_thread;
};

CHandsetLibrary g_library;

}  // namespace

extern "C" __declspec(dllexport) int __cdecl YL_DeviceIoControl(uint32_t code, uint32_t a2,
                                                                 uint32_t a3, uint32_t a4,
                                                                 uint32_t a5, uint32_t a6) {
    const uint32_t args[6] = {code, a2, a3, a4, a5, a6};
    return g_library.Call(args);
}
