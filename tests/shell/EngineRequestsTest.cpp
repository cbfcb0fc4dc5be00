#include "shell/EngineRequests.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAreArray;

// Records each action as one line, in the order the dispatcher takes them.
class RecordingHandler : public IEngineRequestHandler {
public:
    explicit RecordingHandler(bool open) : m_open(open) {}
    bool IsHandsetOpen() const override { return m_open; }
    void OpenAddress(const std::string& a) override { actions.push_back("open " + a); }
    void RingHandset(const std::string& c) override { actions.push_back("ring " + c); }
    void StopRinging() override { actions.push_back("stop"); }
    void SelectRingTone(std::uint8_t t) override { actions.push_back("tone " + std::to_string(t)); }
    std::vector<std::string> actions;

private:
    bool m_open;
};

struct DispatchCase {
    const char* name;
    std::string datagram;
    bool handsetOpen;
    std::vector<std::string> actions;
};

class Dispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(Dispatch, TakesTheActionsOfEveryKeywordInOrder) {
    const auto& c = GetParam();
    RecordingHandler handler(c.handsetOpen);
    DispatchEngineRequest(c.datagram.data(), static_cast<int>(c.datagram.size()), handler);
    EXPECT_THAT(handler.actions, ElementsAreArray(c.actions));
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Rows, Dispatch,
    ::testing::Values(
        DispatchCase{"OpenUrl", "ORVANE_MESSAGE_OPENURL:http://www.zelvo.test/a?b=c", false,
                     {"open http://www.zelvo.test/a?b=c"}},
        DispatchCase{"OpenUrlWithoutColonOpensWholeText", "ORVANE_MESSAGE_OPENURL", true,
                     {"open ORVANE_MESSAGE_OPENURL"}},
        DispatchCase{"OpenUrlKeepsLaterColons", "ORVANE_MESSAGE_OPENURL:http://h:81/", true,
                     {"open http://h:81/"}},
        DispatchCase{"Incoming", "ORVANE_MESSAGE_INCOMING:Alice", true, {"ring Alice"}},
        DispatchCase{"IncomingWithoutColonRingsWithWholeText", "ORVANE_MESSAGE_INCOMING", true,
                     {"ring ORVANE_MESSAGE_INCOMING"}},
        DispatchCase{"KeywordAnywhere", "xxORVANE_MESSAGE_USBRINGSTOPyy", true, {"stop"}},
        DispatchCase{"SelectRing", "ORVANE_MESSAGE_USBSELECTRING:3", true, {"tone 3"}},
        DispatchCase{"SelectRingLow8Bits", "ORVANE_MESSAGE_USBSELECTRING:261", true, {"tone 5"}},
        DispatchCase{"SelectRing300", "ORVANE_MESSAGE_USBSELECTRING:300", true, {"tone 44"}},
        DispatchCase{"SelectRingNoDigits", "ORVANE_MESSAGE_USBSELECTRING:abc", true, {"tone 0"}},
        DispatchCase{"SelectRingBlanksSignDigits", "ORVANE_MESSAGE_USBSELECTRING:  -1x", true, {"tone 255"}},
        DispatchCase{"RingThenStopInOneDatagram", "ORVANE_MESSAGE_USBRINGSTOP ORVANE_MESSAGE_INCOMING:Bob",
                     true, {"ring Bob", "stop"}},
        DispatchCase{"HandsetRequestsIgnoredWhileClosed",
                     "ORVANE_MESSAGE_INCOMING:A ORVANE_MESSAGE_USBRINGSTOP ORVANE_MESSAGE_USBSELECTRING", false, {}},
        DispatchCase{"OpenUrlActedOnWhileHandsetClosed", "ORVANE_MESSAGE_OPENURL:http://x ORVANE_MESSAGE_INCOMING",
                     false, {"open http://x ORVANE_MESSAGE_INCOMING"}},
        DispatchCase{"BytesAfterZeroAreNotText", "ORVANE_MESSAGE_INCOMING:Al\0ORVANE_MESSAGE_USBRINGSTOP"s, true,
                     {"ring Al"}},
        DispatchCase{"KeywordOnlyAfterZeroIsIgnored", "\0ORVANE_MESSAGE_INCOMING:x"s, true, {}},
        DispatchCase{"CaseSensitive", "orvane_message_incoming:x", true, {}},
        DispatchCase{"UnknownText", "HELLO", true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dispatch, EmptyOrFailedReceiveDispatchesNothing) {
    RecordingHandler handler(true);
    DispatchEngineRequest("ORVANE_MESSAGE_INCOMING", 0, handler);
    DispatchEngineRequest("ORVANE_MESSAGE_INCOMING", -1, handler);
    EXPECT_TRUE(handler.actions.empty());
}

TEST(AsciiToInt, FollowsTheRuntimeRules) {
    const struct { const char* text; int value; } cases[] = {
        {"", 0}, {"42", 42}, {"  \t+7", 7}, {"-12abc", -12}, {"x5", 0}, {"- 5", 0},
        {"2147483647", 2147483647}, {"99999999999999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) EXPECT_EQ(AsciiToInt(c.text), c.value) << c.text;
}

TEST(LocalSource, OnlyLoopbackAndOwnAddresses) {
    const std::vector<std::uint32_t> own = {0x0A4D0001};  // 10.77.0.1
    EXPECT_TRUE(IsLocalSource(0x7F000001, own));
    EXPECT_TRUE(IsLocalSource(0x7F0A0B0C, own));
    EXPECT_TRUE(IsLocalSource(0x0A4D0001, own));
    EXPECT_FALSE(IsLocalSource(0x0A4D0002, own));
    EXPECT_FALSE(IsLocalSource(0xC0A80001, {}));
}

}  // namespace
