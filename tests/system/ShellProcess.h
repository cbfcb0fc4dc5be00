#pragma once
// Runs of ZelvoPhone.exe for system tests: an installation folder of the test's own with the
// stand-ins, the shell started in it, its message boxes found and answered, and the prefix's
// registry and hosts file as the tests need them.
#include <map>
#include <optional>
#include <set>
#include <string>

#include "StandinClient.h"

// A folder playing the engine's installation for one test: ZelvoPhone.exe, YLUSBTEL.dll, the
// launchers, the engine stand-in and an updater that ends at once ("ZelvoUpdate.exe"), with
// any of them left out. Engines started from it are ended when it goes.
class CShellInstall {
public:
    explicit CShellInstall(const std::set<std::string>& leaveOut = {});
    ~CShellInstall();
    CShellInstall(const CShellInstall&) = delete;
    CShellInstall& operator=(const CShellInstall&) = delete;

    bool Ready() const { return m_ready; }
    const std::string& Dir() const { return m_dir; }
    const std::string& LogDir() const { return m_logDir; }
    // Every process started from here logs into LogDir(); `env` adds variables.
    std::map<std::string, std::string> Environment(const std::map<std::string, std::string>& env = {}) const;
    // Starts "ZelvoPhone.exe <args>" in the folder.
    bool StartShell(CChildProcess& shell, const std::string& args = "", const std::map<std::string, std::string>& env = {}) const;
    // Ends every engine that has logged its start here and waits until no engine frame is left.
    void EndEngines() const;

private:
    std::string m_dir = MakeTempLogDir();
    std::string m_logDir = MakeTempLogDir();
    bool m_ready = false;
};

// One run of the stand-in engine and of ZelvoPhone.exe for a system test, with their logs in a
// folder of the test's own.
class CShellRun {
public:
    // Starts the engine, waits for its control window, then starts the shell with `env` added
    // and waits until the shell has opened the handset (its receiver is bound right after).
    bool Start(const std::map<std::string, std::string>& env = {});
    const std::string& LogDir() const { return m_install.LogDir(); }
    CChildProcess& Shell() { return m_shell; }
    CChildProcess& Engine() { return m_engine; }

private:
    CShellInstall m_install;
    CChildProcess m_engine;
    CChildProcess m_shell;
};

// A message box shown by a process, as a test finds it.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    bool topmost = false;  // system-modal boxes stay on top
    bool stopIcon = false;
};
// Waits for a message box of process `pid`; nothing on a timeout.
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD pid, int timeoutMs);
// Presses its OK button.
void AnswerMessageBox(const MessageBoxSeen& box);

// Records of one log file whose text starts with `prefix`.
std::vector<StandinEvent> RecordsStartingWith(const std::string& dir, const std::string& file, const std::string& prefix);

// Registers `command` as the browser for http addresses in the prefix's registry.
bool RegisterBrowserCommand(const std::string& command);

// The navigation sound's value in the prefix's registry (nothing when the key or value is missing).
std::optional<std::string> ReadNavigationSound();
bool WriteNavigationSound(const std::string& value);
// Makes the prefix report this Windows version ("winxp", "win2k", ...) to the program; empty
// removes the setting.
bool SetProgramWindowsVersion(const std::string& program, const std::string& version);

// The sandbox's hosts file: the probe host taken away, or the original content back.
bool RemoveHostFromHosts(const std::string& host);
bool RestoreHosts();

// Which of the shell's tray icons the notification area shows, told by the icons' colours.
enum class TrayIconSeen { None, Normal, NetworkLost };
TrayIconSeen SeeTrayIcon();

// The shell's hidden main window, by its marker title.
HWND FindShellMainWindow();
// The first visible top-level window of process `pid` with this class.
HWND FindVisibleWindowOf(DWORD pid, const char* windowClass);
// Every top-level window of process `pid`.
std::vector<HWND> WindowsOf(DWORD pid);

// When ZELVO_SHOT_DIR is set (a screenshot script runs beside the test): announces `name` as
// ready for a screenshot and waits until the script says it is taken.
void OfferScreenshot(const std::string& name);
