#include "shell/IcmpPacket.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::uint16_t Word(const std::vector<std::uint8_t>& p, std::size_t at) {
    return static_cast<std::uint16_t>(p[at] | (p[at + 1] << 8));
}

std::vector<std::uint8_t> Next(CEchoRequestSource& source, std::uint32_t timestamp, std::size_t dataSize = 0) {
    std::vector<std::uint8_t> packet(1024, 0xCC);
    packet.resize(source.FillNext(packet.data(), packet.size(), timestamp, dataSize));
    return packet;
}

TEST(EchoRequest, LayoutOfTheDefaultRequest) {
    CEchoRequestSource source(0x0012ABCD);
    const std::vector<std::uint8_t> p = Next(source, 0x11223344);
    ASSERT_EQ(p.size(), 44u);
    EXPECT_EQ(p[0], 8);
    EXPECT_EQ(p[1], 0);
    EXPECT_EQ(Word(p, 4), 0xABCD);  // low 16 bits of the process id
    EXPECT_EQ(Word(p, 6), 0);       // the first request of an owner
    EXPECT_EQ(p[8], 0x44);          // timestamp, little-endian
    EXPECT_EQ(p[9], 0x33);
    EXPECT_EQ(p[10], 0x22);
    EXPECT_EQ(p[11], 0x11);
    for (std::size_t i = 12; i < p.size(); ++i) EXPECT_EQ(p[i], 0x45) << "byte " << i;
}

TEST(EchoRequest, OnesComplementSumOfAllWordsIsFFFF) {
    const std::uint32_t timestamps[] = {0, 0xFFFFFFFFu, 0x80000001u, 123456789u};
    CEchoRequestSource source(0xFFFF);
    for (std::uint32_t t : timestamps) {
        const std::vector<std::uint8_t> p = Next(source, t);
        ASSERT_EQ(p.size(), 44u);
        std::uint32_t sum = 0;
        for (std::size_t i = 0; i < 44; i += 2) sum += Word(p, i);
        while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
        EXPECT_EQ(sum, 0xFFFFu) << "timestamp " << t;
    }
}

TEST(EchoRequest, ChecksumMatchesRfc1071Example) {
    // The worked example of RFC 1071: bytes 00 01 f2 03 f4 f5 f6 f7 sum to 0xddf2 (big-endian
    // words); read little-endian the same sum comes out byte-swapped, 0xf2dd.
    const std::uint8_t bytes[] = {0x00, 0x01, 0xf2, 0x03, 0xf4, 0xf5, 0xf6, 0xf7};
    EXPECT_EQ(icmp::InternetChecksum(bytes, sizeof bytes), static_cast<std::uint16_t>(~0xf2ddu));
    // An odd final byte is added as it is.
    const std::uint8_t odd[] = {0x01, 0x02, 0x03};
    EXPECT_EQ(icmp::InternetChecksum(odd, sizeof odd), static_cast<std::uint16_t>(~(0x0201u + 0x03u)));
}

TEST(EchoRequest, SequenceCountsAndWrapsIdentifierStays) {
    CEchoRequestSource source(4242);
    for (unsigned expected = 0; expected < 65536; ++expected) {
        const std::vector<std::uint8_t> p = Next(source, expected);
        ASSERT_EQ(Word(p, 6), expected);
        ASSERT_EQ(Word(p, 4), 4242);
    }
    EXPECT_EQ(Word(Next(source, 0), 6), 0);  // wrapped from 65535
    EXPECT_EQ(Word(Next(source, 0), 6), 1);
}

TEST(EchoRequest, OtherDataSizesAndBuffersTooSmall) {
    CEchoRequestSource source(1);
    EXPECT_EQ(Next(source, 0, 1).size(), 13u);
    EXPECT_EQ(Next(source, 0, 1000).size(), 1012u);
    // A request that does not fit writes nothing and uses up no sequence number.
    std::vector<std::uint8_t> small(43, 0xCC);
    EXPECT_EQ(source.FillNext(small.data(), small.size(), 0), 0u);
    EXPECT_EQ(small, std::vector<std::uint8_t>(43, 0xCC));
    EXPECT_EQ(Word(Next(source, 0), 6), 2);
}

}  // namespace
