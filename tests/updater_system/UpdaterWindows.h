#pragma once
// Finding and answering the updater's windows from a test: its message boxes and its update
// window, told apart by the process that owns them.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct CMessageBoxInfo {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
    bool yes = false, no = false, ok = false;
};

// Message boxes shown by the process, in no particular order.
std::vector<CMessageBoxInfo> MessageBoxesOf(DWORD pid);
std::optional<CMessageBoxInfo> WaitForMessageBox(DWORD pid, int timeoutMs);
// Presses a button of a message box (IDYES, IDNO, IDOK) and waits for the box to close.
void AnswerMessageBox(const CMessageBoxInfo& box, int buttonId);

// The update window (the dialog holding the progress bar 1003) of the process.
HWND FindUpdateWindow(DWORD pid);
std::string WindowText(HWND hwnd);
// -1 when the window does not answer.
int ProgressPosition(HWND updateWindow);
int ProgressUpper(HWND updateWindow);

// A top-level window of the test's own, titled as a marker ("Orvane Update", the shell's
// "Orvane          "); destroyed with the object. Lives on a thread of its own.
class CMarkerWindow {
public:
    explicit CMarkerWindow(const std::string& title, bool visible = false);
    ~CMarkerWindow();
    CMarkerWindow(const CMarkerWindow&) = delete;
    CMarkerWindow& operator=(const CMarkerWindow&) = delete;
    HWND Hwnd() const { return m_hwnd; }

private:
    HANDLE m_thread = nullptr;
    HWND m_hwnd = nullptr;
    std::string m_title;
    bool m_visible;
    HANDLE m_ready = nullptr;
    static DWORD WINAPI Run(LPVOID self);
};

// Watches the update window of a process from a thread of its own, every few milliseconds:
// the status texts in the order they were seen, the progress bar, the title and visibility.
class CUpdateWindowWatcher {
public:
    explicit CUpdateWindowWatcher(DWORD pid);
    ~CUpdateWindowWatcher();
    CUpdateWindowWatcher(const CUpdateWindowWatcher&) = delete;
    CUpdateWindowWatcher& operator=(const CUpdateWindowWatcher&) = delete;

    struct CSeen {
        std::vector<std::string> statuses;  // consecutive repeats folded
        std::string title;
        bool visible = false;
        int firstProgress = -1;             // first position seen once the window was visible
        int maxProgress = -1;
        int upper = -1;
    };
    CSeen Seen() const;

private:
    static DWORD WINAPI Run(LPVOID self);
    DWORD m_pid;
    HANDLE m_thread = nullptr;
    volatile LONG m_stop = 0;
    mutable CRITICAL_SECTION m_lock;
    CSeen m_seen;
};
