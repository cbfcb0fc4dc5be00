#pragma once
// The ICMP echo request the probe sends: 12 header bytes, then the data, all multi-byte fields
// stored little-endian as the machine holds them.
#include <cstddef>
#include <cstdint>

namespace icmp {

constexpr std::uint8_t kEchoRequest = 8;
constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kDefaultDataSize = 32;
constexpr std::uint8_t kDataByte = 0x45;  // 'E'

// The Internet checksum (RFC 1071): the one's-complement of the one's-complement sum of the
// little-endian 16-bit words, a final odd byte added as it is.
std::uint16_t InternetChecksum(const std::uint8_t* data, std::size_t size);

// Header plus data; a data size of 0 stands for the default of 32.
constexpr std::size_t EchoRequestSize(std::size_t dataSize) {
    return kHeaderSize + (dataSize ? dataSize : kDefaultDataSize);
}

// Writes type 8, code 0, checksum, identifier, sequence, timestamp and then the data bytes of
// 'E' into `buffer`; returns the packet's size, or 0 (nothing written) when it does not fit.
std::size_t FillEchoRequest(std::uint8_t* buffer, std::size_t capacity, std::uint16_t identifier,
                            std::uint16_t sequence, std::uint32_t timestamp, std::size_t dataSize);

}  // namespace icmp

// One owner's echo requests: the identifier is the low 16 bits of the process id, and the
// sequence numbers count 0, 1, 2, ... from the owner's first request, wrapping from 65535 to 0.
class CEchoRequestSource {
public:
    explicit CEchoRequestSource(std::uint32_t processId)
        : m_identifier(static_cast<std::uint16_t>(processId & 0xFFFFu)) {}

    // Fills the next request; the counter advances with each request written.
    std::size_t FillNext(std::uint8_t* buffer, std::size_t capacity, std::uint32_t timestamp,
                         std::size_t dataSize = 0);

private:
    std::uint16_t m_identifier;
    std::uint16_t m_sequence = 0;
};
