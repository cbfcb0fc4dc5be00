#include "shell/WatchdogThread.h"

#include "shell/IcmpProbe.h"
#include "shell/ProbeResults.h"

namespace {

class CProbeHostProbe : public INetProbe {
public:
    std::string Probe() override { return m_probe.ProbeHost(probe::kProbeHost, 0); }

private:
    CIcmpProbe m_probe;  // made when the thread starts, kept for its whole run
};

}  // namespace

void RunNetworkWatchdog(IWatchdogLink& link, ITrayIcon& tray, const std::function<bool()>& quitRequested) {
    CSteadyClock clock;
    CProbeHostProbe probe;
    CNetworkWatchdog watchdog(clock, link, tray, probe);
    watchdog.Run(quitRequested);
}
