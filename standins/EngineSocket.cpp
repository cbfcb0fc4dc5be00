#include "EngineSocket.h"

#include <cstring>
#include <vector>

#include "StandinLog.h"
#include "StandinRecord.h"

namespace standin {

CEngineSocket::CEngineSocket() {
    WSADATA data;
    m_started = ::WSAStartup(MAKEWORD(2, 0), &data) == 0;
}

CEngineSocket::~CEngineSocket() {
    m_socket.Reset();
    if (m_started) ::WSACleanup();
}

int CEngineSocket::Open(HWND notifyWindow, UINT message) {
    if (!m_started) return WSANOTINITIALISED;
    m_socket.Reset(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!m_socket) return ::WSAGetLastError();
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(kEnginePort);
    addr.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(m_socket.Get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::WSAAsyncSelect(m_socket.Get(), notifyWindow, message, FD_READ) != 0) {
        int error = ::WSAGetLastError();
        m_socket.Reset();
        return error;
    }
    return 0;
}

std::vector<std::string> CEngineSocket::OnReadable() {
    std::vector<std::string> texts;
    if (!m_socket) return texts;
    std::vector<char> buffer(65536);
    for (;;) {
        sockaddr_in from = {};
        int fromLen = sizeof from;
        int n = ::recvfrom(m_socket.Get(), buffer.data(), static_cast<int>(buffer.size()), 0,
                           reinterpret_cast<sockaddr*>(&from), &fromLen);
        if (n < 0) {
            // A send to a closed 7072 comes back as WSAECONNRESET on the next read; what is
            // queued behind it is still to be read.
            if (::WSAGetLastError() == WSAECONNRESET) continue;
            return texts;  // WSAEWOULDBLOCK: nothing more waiting
        }
        std::string text = "len=" + std::to_string(n) + " from=" + ::inet_ntoa(from.sin_addr) +
                           ":" + std::to_string(ntohs(from.sin_port)) +
                           " hex=" + HexBytes(std::string_view(buffer.data(), n));
        AppendLogRecord("engine-received.log", text);
        texts.emplace_back(buffer.data(), ::strnlen(buffer.data(), static_cast<size_t>(n)));
    }
}

bool CEngineSocket::SendToShell(const std::string& bytes) {
    if (!m_socket) return false;
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(kShellPort);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int n = ::sendto(m_socket.Get(), bytes.data(), static_cast<int>(bytes.size()), 0,
                     reinterpret_cast<sockaddr*>(&to), sizeof to);
    return n == static_cast<int>(bytes.size());
}

}  // namespace standin
