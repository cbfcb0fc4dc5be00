#pragma once
// The main window's control sender as the network watchdog uses it. The watchdog's datagrams go
// to the destination it set itself, even when the user-interface thread has used the sender in
// between.
#include <string>

#include "shell/ControlLink.h"
#include "shell/Watchdog.h"

class CWatchdogLink : public IWatchdogLink {
public:
    explicit CWatchdogLink(CControlSender& sender) : m_sender(sender) {}

    std::string OwnAddress() override;
    bool SetDestination(const std::string& address, unsigned port) override;
    void SendLong(const char* text) override;

private:
    CControlSender& m_sender;
    // The watchdog's own last destination; only its thread touches these.
    std::string m_address;
    unsigned m_port = 0;
};
