#pragma once
// The network watchdog: probes the Internet connection in a loop, tells the engine when it is
// lost and when it is back, and shows the state in the tray icon.
//
// The connection counts as lost only when the probe host's name cannot be resolved, and as back
// only when an echo datagram arrives; timeouts and socket errors change nothing.
#include <functional>
#include <string>

#include "shell/ProbeClock.h"

// The shell's control sender and address lookup, as the watchdog uses them.
class IWatchdogLink {
public:
    virtual ~IWatchdogLink() = default;
    virtual std::string OwnAddress() = 0;  // the machine's own IPv4 address, "0.0.0.0" if none
    virtual bool SetDestination(const std::string& address, unsigned port) = 0;
    virtual void SendLong(const char* text) = 0;  // one 256-byte datagram to the destination last set
};

class ITrayIcon {
public:
    virtual ~ITrayIcon() = default;
    virtual void SetTrayIcon(unsigned iconId) = 0;
};

// One probe of the connection; answers one of the texts of probe/ProbeResults.h.
class INetProbe {
public:
    virtual ~INetProbe() = default;
    virtual std::string Probe() = 0;
};

class CNetworkWatchdog {
public:
    static constexpr unsigned kIconOnline = 156;
    static constexpr unsigned kIconOffline = 170;
    static constexpr unsigned kPollMs = 1;     // between probes
    static constexpr unsigned kPauseMs = 1000;  // before and between the two FAILED messages

    CNetworkWatchdog(IClock& clock, IWatchdogLink& link, ITrayIcon& tray, INetProbe& probe)
        : m_clock(clock), m_link(link), m_tray(tray), m_probe(probe) {}

    // The thread's body: looks up the own address once, then probes until `quitRequested`
    // answers true (asked before every probe). Starts online.
    void Run(const std::function<bool()>& quitRequested);

    bool IsOnline() const { return m_online; }

private:
    void GoOffline();
    void GoOnline();
    void SendToOwnAddress(const std::string& address, const char* text);

    IClock& m_clock;
    IWatchdogLink& m_link;
    ITrayIcon& m_tray;
    INetProbe& m_probe;
    std::string m_startAddress;
    bool m_online = true;
};
