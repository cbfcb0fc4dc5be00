#include "shell/ControlMessages.h"

#include <gtest/gtest.h>

namespace {

struct DatagramCase {
    std::string text;
    std::size_t length;
    std::string expected;
};

class DatagramLayout : public ::testing::TestWithParam<DatagramCase> {};

TEST_P(DatagramLayout, IsTheTextThenZerosUpToTheFixedLength) {
    const auto& c = GetParam();
    const std::string datagram = control::MakeDatagram(c.text, c.length);
    EXPECT_EQ(datagram.size(), c.length);
    EXPECT_EQ(datagram, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DatagramLayout,
    ::testing::Values(
        DatagramCase{"OVMSG_SHUTDOWN_EXIT", 32, "OVMSG_SHUTDOWN_EXIT" + std::string(13, '\0')},
        DatagramCase{"ORVANE_ANSWER_END", 256, "ORVANE_ANSWER_END" + std::string(239, '\0')},
        // 16-digit number: the dial message fills 32 bytes exactly, no zero byte.
        DatagramCase{control::DialMessage("0123456789012345"), 32, "OVMSG_DIAL_TEL:0123456789012345:"},
        // A longer number is cut at 32 bytes.
        DatagramCase{control::DialMessage("01234567890123456789"), 32, "OVMSG_DIAL_TEL:01234567890123456"},
        DatagramCase{"", 32, std::string(32, '\0')}));

TEST(ControlMessages, TelephoneNumberMessageWrapsTheDigits) {
    EXPECT_EQ(control::TelephoneNumberMessage("0123"), "ORVANE_TELNO_:0123:_END");
    EXPECT_EQ(control::DialMessage("5551234"), "OVMSG_DIAL_TEL:5551234:");
}

}  // namespace
