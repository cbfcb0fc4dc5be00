#pragma once
// One ICMP echo request to a host from a raw socket, answered with a result text of
// shell/ProbeResults.h. Each owner keeps one probe object for its whole run, so its sequence
// numbers count up from 0, and its probes start at most twice a second.
#include <cstddef>
#include <string>

#include "shell/IcmpPacket.h"
#include "shell/ProbeClock.h"
#include "shell/ProbePacer.h"

class CIcmpProbe {
public:
    CIcmpProbe();
    explicit CIcmpProbe(IClock& clock);  // for pacing and the pause after a reply
    CIcmpProbe(const CIcmpProbe&) = delete;
    CIcmpProbe& operator=(const CIcmpProbe&) = delete;

    // Sends one echo request (data size 0: the default of 32 bytes) and waits up to 10 ms for
    // any datagram on the raw socket; after one, pauses 500 ms and answers "INETCONNFINE".
    // Needs the socket support started (WSAStartup).
    std::string ProbeHost(const char* host, std::size_t dataSize = 0);

private:
    CSteadyClock m_steadyClock;
    IClock& m_clock;
    CProbePacer m_pacer;
    CEchoRequestSource m_requests;
};
