#pragma once
// A process a test starts and owns: started with its own working folder and extra environment
// variables, waited for, and ended if it still runs when the object goes.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

class CChildProcess {
public:
    CChildProcess() = default;
    // Terminates the process if it still runs, then closes the handles.
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    // Starts `commandLine` (the program as its first word, quoted when it holds blanks) in
    // `cwd` (empty: the test's own), with the test's environment plus `env`; an empty value
    // removes that variable. False when the object holds a process already or it cannot start.
    bool Start(const std::string& commandLine, const std::string& cwd = "",
               const std::map<std::string, std::string>& env = {});

    // The exit code once the process has ended within timeout_ms; nothing on a timeout.
    std::optional<DWORD> Wait(int timeout_ms);
    // Terminates this object's own process and waits for it to be gone.
    bool Terminate(UINT exitCode = 1);
    bool Running() const;
    DWORD Pid() const { return m_pid; }
    HANDLE Handle() const { return m_process; }

private:
    HANDLE m_process = nullptr;
    DWORD m_pid = 0;
};
