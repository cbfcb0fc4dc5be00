#include "shell/ControlLink.h"

#include "shell/ControlMessages.h"
#include "shell/EngineRequests.h"
#include "shell/OwnAddress.h"

bool CControlSender::Create() {
    Hold hold(m_lock);
    return m_socket.Create(0, SOCK_DGRAM, CAsyncSocket::kAllEvents);
}

bool CControlSender::SetDestination() { return SetDestination(GetOwnAddress(), control::kEnginePort); }

bool CControlSender::SetDestination(const std::string& address, unsigned port) {
    Hold hold(m_lock);
    return m_socket.Connect(address.c_str(), port);
}

bool CControlSender::SendDatagram(const std::string& text, std::size_t length) {
    Hold hold(m_lock);
    const std::string datagram = control::MakeDatagram(text, length);
    return m_socket.Send(datagram.data(), static_cast<int>(datagram.size())) == static_cast<int>(datagram.size());
}

bool CControlSender::SendControlMessage(const std::string& text, std::size_t length) {
    Hold hold(m_lock);
    return SetDestination() && SendDatagram(text, length);
}

bool CControlReceiver::Create() {
    return CAsyncSocket::Create(control::kShellPort, SOCK_DGRAM, CAsyncSocket::kAllEvents);
}

void CControlReceiver::OnReceive(int errorCode) {
    if (errorCode != 0) return;
    char buffer[control::kMaxReceived + 1] = {};
    sockaddr_in from{};
    int length = ReceiveFrom(buffer, control::kMaxReceived, from);
    if (length == SOCKET_ERROR) return;
    const std::uint32_t source = ::ntohl(from.sin_addr.s_addr);
    if ((source >> 24) != 127 && !IsLocalSource(source, GetOwnIPv4Addresses())) return;
    m_owner.OnEngineDatagram(buffer, length);
}
