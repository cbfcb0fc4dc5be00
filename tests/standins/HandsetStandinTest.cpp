// The stand-in handset library, loaded into the test as the shell loads it.
#include "StandinTestSupport.h"

#include <cstring>
#include <mutex>
#include <vector>

namespace {

using DeviceIoControl = int(__cdecl*)(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t);

struct Delivered {
    uint32_t kind, data, context;
    DWORD tid;
    std::string text;  // kind 10: the text at data, read inside the callback
};

// What the callback saw; the callback finds it through its context argument.
struct CRecorder {
    std::mutex lock;
    std::vector<Delivered> delivered;

    std::vector<Delivered> Snapshot() {
        std::lock_guard<std::mutex> hold(lock);
        return delivered;
    }
};

int __cdecl RecordingCallback(uint32_t kind, uint32_t data, uint32_t context) {
    auto* recorder = reinterpret_cast<CRecorder*>(static_cast<uintptr_t>(context));
    std::string text = kind == 10 && data ? reinterpret_cast<const char*>(data) : "";
    std::lock_guard<std::mutex> hold(recorder->lock);
    recorder->delivered.push_back({kind, data, context, ::GetCurrentThreadId(), text});
    return 1;
}

class HandsetStandin : public ::testing::Test {
protected:
    void SetUp() override {
        m_logDir = MakeTempLogDir();
        ::SetEnvironmentVariableA("ZELVO_STANDIN_LOG_DIR", m_logDir.c_str());
        m_library = ::LoadLibraryA("YLUSBTEL.dll");
        ASSERT_NE(m_library, nullptr);
        m_call = reinterpret_cast<DeviceIoControl>(
            reinterpret_cast<void*>(::GetProcAddress(m_library, "YL_DeviceIoControl")));
        ASSERT_NE(m_call, nullptr) << "the export name carries no decoration";
    }
    void TearDown() override {
        if (m_call) m_call(0xFFFF, 0, 0, 0, 0, Address(&m_slot));
        if (m_library) ::FreeLibrary(m_library);
        ::SetEnvironmentVariableA("ZELVO_STANDIN_LOG_DIR", nullptr);
        ::SetEnvironmentVariableA("ZELVO_HANDSET_OPEN_FAILS", nullptr);
    }
    static uint32_t Address(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }
    int Open() {
        return m_call(0, Address(reinterpret_cast<void*>(&RecordingCallback)), Address(&m_recorder), 0, 0,
                      Address(&m_slot));
    }
    static HWND Window() { return ::FindWindowA("ZelvoHandsetStandin", nullptr); }

    std::string m_logDir;
    HMODULE m_library = nullptr;
    DeviceIoControl m_call = nullptr;
    uint32_t m_slot = 0;
    CRecorder m_recorder;
};

}  // namespace

TEST_F(HandsetStandin, ExportHasNoDecoratedTwin) {
    EXPECT_EQ(::GetProcAddress(m_library, "_YL_DeviceIoControl"), nullptr);
    EXPECT_EQ(::GetProcAddress(m_library, "YL_DeviceIoControl@24"), nullptr);
    EXPECT_EQ(::GetProcAddress(m_library, "_YL_DeviceIoControl@24"), nullptr);
}

TEST_F(HandsetStandin, OpenInjectCloseRoundTrip) {
    ASSERT_EQ(Window(), nullptr);
    ASSERT_EQ(Open(), 1);
    HWND window = Window();
    ASSERT_NE(window, nullptr);
    DWORD libraryThread = ::GetWindowThreadProcessId(window, nullptr);
    EXPECT_NE(libraryThread, ::GetCurrentThreadId());

    struct Injection { uint32_t kind, data; std::string text; } injections[] = {
        {12, 0, ""}, {13, 0, ""}, {11, 0x191, ""}, {10, 0, "5551234"}, {3, 0xFFFFFFFF, "say \"x\"\n"},
    };
    for (const auto& i : injections) ASSERT_TRUE(HandsetInject(i.kind, i.data, i.text)) << i.kind;

    std::vector<Delivered> got = m_recorder.Snapshot();
    ASSERT_EQ(got.size(), 5u);
    for (size_t n = 0; n < got.size(); ++n) {
        EXPECT_EQ(got[n].kind, injections[n].kind);
        EXPECT_EQ(got[n].context, Address(&m_recorder));
        EXPECT_EQ(got[n].tid, libraryThread) << "callbacks come on the library's own thread";
        if (got[n].kind != 10) {
            EXPECT_EQ(got[n].data, injections[n].data);
        }
    }
    EXPECT_EQ(got[3].text, "5551234");
    // The copy stays readable after the callback returned, as the shell reads it later.
    EXPECT_STREQ(reinterpret_cast<const char*>(got[3].data), "5551234");

    std::vector<HandsetEvent> events = ReadHandsetEvents(m_logDir);
    ASSERT_EQ(events.size(), 5u);
    for (size_t n = 0; n < events.size(); ++n) {
        EXPECT_EQ(events[n].kind, injections[n].kind);
        EXPECT_EQ(events[n].data, got[n].data);
        EXPECT_EQ(events[n].text, injections[n].text);
    }

    m_call(0xFFFF, 0, 0, 0, 0, Address(&m_slot));
    EXPECT_EQ(Window(), nullptr);
    EXPECT_FALSE(HandsetInject(12, 0));
}

TEST_F(HandsetStandin, NumberTextsOutliveLaterEvents) {
    ASSERT_EQ(Open(), 1);
    for (int n = 0; n < 64; ++n) ASSERT_TRUE(HandsetInject(10, 0, "number" + std::to_string(n)));
    std::vector<Delivered> got = m_recorder.Snapshot();
    ASSERT_EQ(got.size(), 64u);
    for (int n = 0; n < 64; ++n)
        EXPECT_EQ(reinterpret_cast<const char*>(got[n].data), "number" + std::to_string(n));
}

TEST_F(HandsetStandin, EveryCallIsRecordedWithItsArguments) {
    char caller[] = "Alice 555";
    unsigned char tone = 44;
    uint32_t scratch = 0;
    ASSERT_EQ(Open(), 1);
    m_call(0x1001, 0, 0, 0, 0, Address(&scratch));
    m_call(0x1003, Address(caller), 4, 0, 0, Address(&scratch));
    m_call(0x1008, Address(&tone), 1, 0, 0, Address(&scratch));
    m_call(0x1003, 0, 4, 0, 0, Address(&scratch));  // no text: recorded, not read
    m_call(0xFFFF, 0, 0, 0, 0, Address(&m_slot));

    std::vector<HandsetCall> calls = ReadHandsetCalls(m_logDir);
    ASSERT_EQ(calls.size(), 6u);
    const uint32_t codes[] = {0, 0x1001, 0x1003, 0x1008, 0x1003, 0xFFFF};
    for (size_t n = 0; n < calls.size(); ++n) {
        EXPECT_EQ(calls[n].code, codes[n]);
        EXPECT_EQ(calls[n].tid, ::GetCurrentThreadId());
    }
    EXPECT_EQ(calls[0].args[1], Address(reinterpret_cast<void*>(&RecordingCallback)));
    EXPECT_EQ(calls[0].args[2], Address(&m_recorder));
    EXPECT_EQ(calls[0].args[5], Address(&m_slot));
    EXPECT_EQ(calls[2].text, "Alice 555");
    EXPECT_EQ(calls[2].args[2], 4u);
    EXPECT_EQ(calls[3].byte, 44);
    EXPECT_EQ(calls[3].args[2], 1u);
    EXPECT_EQ(calls[1].byte, -1);
    EXPECT_EQ(calls[4].text, "");
    EXPECT_EQ(calls[5].args[5], Address(&m_slot));
}

TEST_F(HandsetStandin, OpenFailsOnRequest) {
    ::SetEnvironmentVariableA("ZELVO_HANDSET_OPEN_FAILS", "1");
    EXPECT_EQ(Open(), 0);
    EXPECT_EQ(Window(), nullptr);
    EXPECT_FALSE(HandsetInject(12, 0));
    ::SetEnvironmentVariableA("ZELVO_HANDSET_OPEN_FAILS", "0");
    EXPECT_EQ(Open(), 1);
    EXPECT_NE(Window(), nullptr);
}
