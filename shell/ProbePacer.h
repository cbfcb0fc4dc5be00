#pragma once
// Keeps one probe owner to at most two probe starts a second. Without it a probe host that
// drops ICMP would be sent a request every dozen milliseconds by every running shell.
#include <cstdint>

#include "shell/ProbeClock.h"

class CProbePacer {
public:
    static constexpr std::uint32_t kMinIntervalMs = 500;

    explicit CProbePacer(IClock& clock, std::uint32_t minIntervalMs = kMinIntervalMs)
        : m_clock(clock), m_minIntervalMs(minIntervalMs) {}

    // Sleeps until the previous start lies at least the interval back, then counts this start.
    // The first start never waits.
    void WaitForTurn();

private:
    IClock& m_clock;
    std::uint32_t m_minIntervalMs;
    bool m_hasStarted = false;
    std::uint32_t m_lastStartMs = 0;
};
