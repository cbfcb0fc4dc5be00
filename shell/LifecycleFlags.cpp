#include "shell/LifecycleFlags.h"

#include <chrono>

void CLifecycleFlags::Store(std::atomic<bool>& flag, bool value) {
    {
        // Stored under the lock so that a waiter cannot miss the change between its test and its wait.
        std::lock_guard<std::mutex> hold(m_lock);
        flag.store(value);
    }
    m_changed.notify_all();
}

bool CLifecycleFlags::WaitWhileRunning(unsigned ms) {
    auto stopped = [this] { return !m_running.load() || m_quit.load(); };
    std::unique_lock<std::mutex> hold(m_lock);
    m_changed.wait_for(hold, std::chrono::milliseconds(ms), stopped);
    return !stopped();
}
