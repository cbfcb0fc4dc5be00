#include "shell/ProbePacer.h"

void CProbePacer::WaitForTurn() {
    if (m_hasStarted) {
        // Unsigned difference: right across the tick's wrap.
        const std::uint32_t since = m_clock.NowMs() - m_lastStartMs;
        if (since < m_minIntervalMs) m_clock.SleepMs(m_minIntervalMs - since);
    }
    m_hasStarted = true;
    m_lastStartMs = m_clock.NowMs();
}
