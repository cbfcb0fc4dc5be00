#include "shell/Watchdog.h"

#include "shell/ControlMessages.h"
#include "shell/ProbeResults.h"

void CNetworkWatchdog::Run(const std::function<bool()>& quitRequested) {
    m_startAddress = m_link.OwnAddress();
    m_online = true;
    while (!quitRequested()) {
        m_clock.SleepMs(kPollMs);
        const std::string result = m_probe.Probe();
        if (m_online && result == probe::kUnableToResolveHost) {
            GoOffline();
        } else if (!m_online && result == probe::kInetConnFine) {
            GoOnline();
        }
    }
}

void CNetworkWatchdog::GoOffline() {
    m_clock.SleepMs(kPauseMs);
    SendToOwnAddress(m_link.OwnAddress(), control::kNetFailed);
    m_tray.SetTrayIcon(kIconOffline);
    m_clock.SleepMs(kPauseMs);
    SendToOwnAddress(m_startAddress, control::kNetFailed);
    m_online = false;
}

void CNetworkWatchdog::GoOnline() {
    m_link.SendLong(control::kNetResumed);
    SendToOwnAddress(m_link.OwnAddress(), control::kNetResumed);
    m_tray.SetTrayIcon(kIconOnline);
    m_online = true;
}

// A send whose destination cannot be set is skipped.
void CNetworkWatchdog::SendToOwnAddress(const std::string& address, const char* text) {
    if (m_link.SetDestination(address, control::kEnginePort)) m_link.SendLong(text);
}
