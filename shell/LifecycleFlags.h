#pragma once
// The shell's two lifecycle flags. The running flag goes 0 -> 1 once when the start-up has made
// its panels and back to 0 once when the engine's server window is gone; the quit flag is set
// once by the forced stop or by the engine watcher and never cleared. Readers poll them; a
// watcher that also waits for the engine can sleep on them and still wake the moment either
// changes.
#include <atomic>
#include <condition_variable>
#include <mutex>

class CLifecycleFlags {
public:
    void SetRunning() { Store(m_running, true); }
    void ClearRunning() { Store(m_running, false); }
    void SetQuit() { Store(m_quit, true); }

    bool Running() const { return m_running.load(); }
    bool QuitRequested() const { return m_quit.load(); }

    // Waits up to `ms` milliseconds; returns at once when the running flag is clear or the quit
    // flag set. True while the shell is still running and not quitting.
    bool WaitWhileRunning(unsigned ms);

private:
    void Store(std::atomic<bool>& flag, bool value);

    std::atomic<bool> m_running{false};
    std::atomic<bool> m_quit{false};
    std::mutex m_lock;
    std::condition_variable m_changed;
};
