#include "shell/IcmpProbe.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/Handle.h"
#include "shell/ProbeResults.h"

namespace {

constexpr DWORD kTimeoutMs = 10;
constexpr std::size_t kBufferSize = 1024;
constexpr std::uint32_t kPauseAfterReplyMs = 500;

struct SocketTraits {
    static SOCKET Invalid() { return INVALID_SOCKET; }
    static void Close(SOCKET s) { ::closesocket(s); }
};
using CRawSocket = CScopedHandle<SOCKET, SocketTraits>;

// A zeroed block of the process heap.
class CHeapBlock {
public:
    explicit CHeapBlock(std::size_t size)
        : m_data(static_cast<std::uint8_t*>(::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, size))) {}
    ~CHeapBlock() { if (m_data) ::HeapFree(::GetProcessHeap(), 0, m_data); }
    CHeapBlock(const CHeapBlock&) = delete;
    CHeapBlock& operator=(const CHeapBlock&) = delete;
    std::uint8_t* Get() const { return m_data; }

private:
    std::uint8_t* m_data;
};

std::string WithCode(const char* format, int code) {
    char text[64];
    std::snprintf(text, sizeof text, format, code);
    return text;
}

bool SetTimeout(SOCKET s, int option) {
    const DWORD timeout = kTimeoutMs;
    return ::setsockopt(s, SOL_SOCKET, option, reinterpret_cast<const char*>(&timeout), sizeof timeout) == 0;
}

bool Resolve(const char* host, sockaddr_in& destination) {
    std::memset(&destination, 0, sizeof destination);
    if (const hostent* entry = ::gethostbyname(host)) {
        std::memcpy(&destination.sin_addr, entry->h_addr_list[0],
                    std::min<std::size_t>(entry->h_length, sizeof destination.sin_addr));
        destination.sin_family = entry->h_addrtype;
        return true;
    }
    const unsigned long address = ::inet_addr(host);
    if (address == INADDR_NONE) return false;
    destination.sin_addr.s_addr = address;
    destination.sin_family = AF_INET;
    return true;
}

}  // namespace

CIcmpProbe::CIcmpProbe() : m_clock(m_steadyClock), m_pacer(m_clock), m_requests(::GetCurrentProcessId()) {}

CIcmpProbe::CIcmpProbe(IClock& clock) : m_clock(clock), m_pacer(clock), m_requests(::GetCurrentProcessId()) {}

std::string CIcmpProbe::ProbeHost(const char* host, std::size_t dataSize) {
    m_pacer.WaitForTurn();

    CRawSocket raw(::WSASocketA(AF_INET, SOCK_RAW, IPPROTO_ICMP, nullptr, 0, WSA_FLAG_OVERLAPPED));
    if (!raw) return WithCode(probe::kSocketFailed, ::WSAGetLastError());
    if (!SetTimeout(raw.Get(), SO_RCVTIMEO)) return WithCode(probe::kRecvTimeoutFailed, ::WSAGetLastError());
    if (!SetTimeout(raw.Get(), SO_SNDTIMEO)) return WithCode(probe::kSendTimeoutFailed, ::WSAGetLastError());

    sockaddr_in destination;
    if (!Resolve(host, destination)) return probe::kUnableToResolveHost;

    // Never smaller than the request: a caller asking for a large data size gets a larger buffer.
    const std::size_t packetCapacity = std::max(kBufferSize, icmp::EchoRequestSize(dataSize));
    CHeapBlock packet(packetCapacity);
    CHeapBlock reply(kBufferSize);
    if (!packet.Get() || !reply.Get()) return WithCode(probe::kHeapAllocFailed, static_cast<int>(::GetLastError()));

    const std::size_t size = m_requests.FillNext(packet.Get(), packetCapacity, ::GetTickCount(), dataSize);
    if (::sendto(raw.Get(), reinterpret_cast<const char*>(packet.Get()), static_cast<int>(size), 0,
                 reinterpret_cast<const sockaddr*>(&destination), sizeof destination) == SOCKET_ERROR) {
        const int error = ::WSAGetLastError();
        return error == WSAETIMEDOUT ? std::string(probe::kTimedOut) : WithCode(probe::kSendFailed, error);
    }

    sockaddr_in source{};
    int sourceSize = sizeof source;
    if (::recvfrom(raw.Get(), reinterpret_cast<char*>(reply.Get()), static_cast<int>(kBufferSize), 0,
                   reinterpret_cast<sockaddr*>(&source), &sourceSize) == SOCKET_ERROR) {
        const int error = ::WSAGetLastError();
        return error == WSAETIMEDOUT ? std::string(probe::kTimedOut) : WithCode(probe::kRecvFailed, error);
    }
    m_clock.SleepMs(kPauseAfterReplyMs);
    return probe::kInetConnFine;
}
