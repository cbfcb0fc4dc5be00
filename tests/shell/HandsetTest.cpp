#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "shell/HandsetBridge.h"
#include "shell/HandsetEvents.h"

namespace {

using ::testing::ElementsAre;

TEST(HandsetEvents, MapsKindsAndKeysToEngineMessages) {
    const struct { std::uint32_t kind, data; const char* number; const char* text; bool report; } cases[] = {
        {10, 0, "0123", "ORVANE_TELNO_:0123:_END", true},
        {10, 0, "", "ORVANE_TELNO_::_END", true},
        {11, 0x91, nullptr, "ORVANE_STARTDIALING_END", false},
        {11, 0x191, nullptr, "ORVANE_STARTDIALING_END", false},  // only the low 8 bits count
        {11, 0x8F, nullptr, "ORVANE_NAVIGATETABS_END", false},
        {11, 0x8D, nullptr, "ORVANE_SCROLLDOWN_END", false},
        {11, 0xFFFFFF8E, nullptr, "ORVANE_SCROLLUP_END", false},
        {12, 0, nullptr, "ORVANE_ANSWER_END", false},
        {13, 77, nullptr, "ORVANE_HANGUP_END", false},
    };
    for (const auto& c : cases) {
        auto message = handset::MessageForEvent(c.kind, c.data, c.number);
        ASSERT_TRUE(message) << c.kind << "/" << c.data;
        EXPECT_EQ(message->text, c.text);
        EXPECT_EQ(message->reportFailure, c.report);
    }
}

TEST(HandsetEvents, OtherKindsAndKeysSendNothing) {
    for (std::uint32_t kind : {0u, 1u, 9u, 14u, 100u, 0xFFFFFFFFu})
        EXPECT_FALSE(handset::MessageForEvent(kind, 0x91, "1")) << kind;
    for (std::uint32_t key : {0x9Fu, 0x90u, 0x8Cu, 0x19u, 0x00u})
        EXPECT_FALSE(handset::MessageForEvent(handset::kKey, key, nullptr)) << key;
}

TEST(HandsetEvents, KeyCodesAreUpperCaseHex) {
    EXPECT_EQ(handset::FormatKeyCode(0x8f), "8F:");
    EXPECT_EQ(handset::FormatKeyCode(0x05), "05:");
    EXPECT_EQ(handset::FormatKeyCode(0xABCD), "CD:");
}

// A handset library that records every call; it may close the bridge from inside a call.
class FakeLibrary : public IHandsetLibrary {
public:
    struct Call { std::uint32_t code; std::uintptr_t a2, a3, a6; std::string text; int byte = -1; };
    int DeviceIoControl(std::uint32_t code, std::uintptr_t a2, std::uintptr_t a3, std::uintptr_t a4,
                        std::uintptr_t a5, std::uintptr_t a6) override {
        Call call{code, a2, a3, a6, "", -1};
        EXPECT_EQ(a4, 0u);
        EXPECT_EQ(a5, 0u);
        if (code == handset::kShowCaller) call.text = reinterpret_cast<const char*>(a2);
        if (code == handset::kSelectTone) call.byte = *reinterpret_cast<const std::uint8_t*>(a2);
        calls.push_back(call);
        if (onCall) onCall(code);
        return code == handset::kOpen ? openResult : 0;
    }
    std::vector<std::uint32_t> Codes() const {
        std::vector<std::uint32_t> codes;
        for (const auto& c : calls) codes.push_back(c.code);
        return codes;
    }
    int openResult = 1;
    std::vector<Call> calls;
    std::function<void(std::uint32_t)> onCall;
};

TEST(HandsetBridge, OpenPassesCallbackContextAndSlot) {
    FakeLibrary library;
    CHandsetBridge bridge(library);
    bridge.OpenHandset(0x1234, 0x5678);
    ASSERT_EQ(library.calls.size(), 1u);
    EXPECT_EQ(library.calls[0].code, handset::kOpen);
    EXPECT_EQ(library.calls[0].a2, 0x1234u);
    EXPECT_EQ(library.calls[0].a3, 0x5678u);
    EXPECT_NE(library.calls[0].a6, 0u);
    EXPECT_TRUE(bridge.IsOpen());
}

TEST(HandsetBridge, RingsTwiceThenShowsTheCaller) {
    FakeLibrary library;
    CHandsetBridge bridge(library);
    bridge.OpenHandset(1, 2);
    bridge.RingHandset("Alice");
    EXPECT_THAT(library.Codes(), ElementsAre(handset::kOpen, handset::kRing, handset::kRing, handset::kShowCaller));
    EXPECT_EQ(library.calls[3].text, "Alice");
    EXPECT_EQ(library.calls[3].a3, 4u);
    // The stop request uses the handset slot; ringing uses a scratch value.
    bridge.StopRinging();
    EXPECT_EQ(library.calls.back().code, handset::kStopRing);
    EXPECT_EQ(library.calls.back().a6, library.calls[0].a6);
    EXPECT_NE(library.calls[1].a6, library.calls[0].a6);
}

TEST(HandsetBridge, SelectsToneThroughAOneByteBuffer) {
    FakeLibrary library;
    CHandsetBridge bridge(library);
    bridge.OpenHandset(1, 2);
    bridge.SelectRingTone(44);
    ASSERT_EQ(library.calls.back().code, handset::kSelectTone);
    EXPECT_EQ(library.calls.back().byte, 44);
    EXPECT_EQ(library.calls.back().a3, 1u);
}

TEST(HandsetBridge, FailedOpenMeansNoFurtherCalls) {
    FakeLibrary library;
    library.openResult = 0;
    CHandsetBridge bridge(library);
    bridge.OpenHandset(1, 2);
    EXPECT_FALSE(bridge.IsOpen());
    bridge.RingHandset("x");
    bridge.StopRinging();
    bridge.SelectRingTone(1);
    bridge.CloseHandset();
    EXPECT_THAT(library.Codes(), ElementsAre(handset::kOpen));
}

TEST(HandsetBridge, CloseOnceThenNothingReachesTheLibrary) {
    FakeLibrary library;
    CHandsetBridge bridge(library);
    bridge.OpenHandset(1, 2);
    bridge.CloseHandset();
    bridge.CloseHandset();
    bridge.RingHandset("x");
    bridge.SelectRingTone(3);
    EXPECT_THAT(library.Codes(), ElementsAre(handset::kOpen, handset::kClose));
    EXPECT_EQ(library.calls[1].a6, library.calls[0].a6);
}

TEST(HandsetBridge, NoCallReachesTheLibraryAfterACloseFromAnotherThread) {
    // The close races the ring sequence; whichever way it goes, the close is the last call.
    for (int round = 0; round < 200; ++round) {
        FakeLibrary library;
        CHandsetBridge bridge(library);
        bridge.OpenHandset(1, 2);
        std::atomic<bool> go{false};
        std::thread closer([&] {
            while (!go) std::this_thread::yield();
            bridge.CloseHandset();
        });
        library.onCall = [&](std::uint32_t code) { if (code == handset::kRing) go = true; };
        bridge.RingHandset("Alice");
        closer.join();
        const auto codes = library.Codes();
        ASSERT_EQ(codes.back(), handset::kClose) << "round " << round;
        EXPECT_EQ(std::count(codes.begin(), codes.end(), handset::kClose), 1);
    }
}

}  // namespace
