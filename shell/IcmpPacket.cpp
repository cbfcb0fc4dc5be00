#include "shell/IcmpPacket.h"

#include <cstring>

namespace icmp {
namespace {

void Put16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFFu);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

std::uint16_t InternetChecksum(const std::uint8_t* data, std::size_t size) {
    std::uint64_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < size; i += 2) sum += data[i] | (static_cast<std::uint32_t>(data[i + 1]) << 8);
    if (i < size) sum += data[i];
    while (sum >> 16) sum = (sum & 0xFFFFu) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum & 0xFFFFu);
}

std::size_t FillEchoRequest(std::uint8_t* buffer, std::size_t capacity, std::uint16_t identifier,
                            std::uint16_t sequence, std::uint32_t timestamp, std::size_t dataSize) {
    const std::size_t size = EchoRequestSize(dataSize);
    if (size > capacity) return 0;
    buffer[0] = kEchoRequest;
    buffer[1] = 0;
    Put16(buffer + 2, 0);
    Put16(buffer + 4, identifier);
    Put16(buffer + 6, sequence);
    Put16(buffer + 8, static_cast<std::uint16_t>(timestamp & 0xFFFFu));
    Put16(buffer + 10, static_cast<std::uint16_t>(timestamp >> 16));
    std::memset(buffer + kHeaderSize, kDataByte, size - kHeaderSize);
    Put16(buffer + 2, InternetChecksum(buffer, size));
    return size;
}

}  // namespace icmp

std::size_t CEchoRequestSource::FillNext(std::uint8_t* buffer, std::size_t capacity,
                                         std::uint32_t timestamp, std::size_t dataSize) {
    const std::size_t size = icmp::FillEchoRequest(buffer, capacity, m_identifier, m_sequence, timestamp, dataSize);
    if (size) ++m_sequence;
    return size;
}
