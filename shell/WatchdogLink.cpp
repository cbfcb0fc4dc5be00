#include "shell/WatchdogLink.h"

#include "shell/ControlMessages.h"
#include "shell/OwnAddress.h"

std::string CWatchdogLink::OwnAddress() { return GetOwnAddress(); }

bool CWatchdogLink::SetDestination(const std::string& address, unsigned port) {
    const bool set = m_sender.SetDestination(address, port);
    if (set) {
        m_address = address;
        m_port = port;
    }
    return set;
}

void CWatchdogLink::SendLong(const char* text) {
    CControlSender::Hold hold = m_sender.HoldForMessage();
    if (!m_address.empty()) m_sender.SetDestination(m_address, m_port);
    m_sender.SendDatagram(text, control::kLongLength);
}
