#include "UpdaterWindows.h"

#include <commctrl.h>

#include "StandinClient.h"

namespace {

constexpr int kProgressId = 1003;
constexpr int kStatusId = 1002;

struct CSearch {
    DWORD pid;
    std::vector<HWND> dialogs;
};

BOOL CALLBACK CollectDialogs(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<CSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    char cls[32] = {};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == search->pid && std::string(cls) == "#32770") search->dialogs.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> DialogsOf(DWORD pid) {
    CSearch search{pid, {}};
    ::EnumWindows(CollectDialogs, reinterpret_cast<LPARAM>(&search));
    return search.dialogs;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) {
    auto* box = reinterpret_cast<CMessageBoxInfo*>(param);
    char cls[32] = {};
    ::GetClassNameA(child, cls, sizeof cls);
    std::string kind = cls;
    for (char& c : kind) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    int id = ::GetDlgCtrlID(child);
    if (kind == "button") {
        box->yes |= id == IDYES;
        box->no |= id == IDNO;
        box->ok |= id == IDOK;
    } else if (kind == "static" && !(::GetWindowLongA(child, GWL_STYLE) & SS_ICON)) {
        std::string text = WindowText(child);
        if (!text.empty() && box->text.empty()) box->text = text;
    }
    return TRUE;
}

LRESULT CALLBACK MarkerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) ::PostQuitMessage(0);
    return ::DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

std::string WindowText(HWND hwnd) {
    char text[1024] = {};
    ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                          nullptr);
    return text;
}

std::vector<CMessageBoxInfo> MessageBoxesOf(DWORD pid) {
    std::vector<CMessageBoxInfo> boxes;
    for (HWND dialog : DialogsOf(pid)) {
        if (::GetDlgItem(dialog, kProgressId) || !::IsWindowVisible(dialog)) continue;
        CMessageBoxInfo box;
        box.hwnd = dialog;
        box.caption = WindowText(dialog);
        ::EnumChildWindows(dialog, ReadBoxChild, reinterpret_cast<LPARAM>(&box));
        boxes.push_back(box);
    }
    return boxes;
}

std::optional<CMessageBoxInfo> WaitForMessageBox(DWORD pid, int timeoutMs) {
    std::optional<CMessageBoxInfo> found;
    WaitUntil([&] {
        std::vector<CMessageBoxInfo> boxes = MessageBoxesOf(pid);
        // A box being built may not have its buttons yet.
        for (const CMessageBoxInfo& box : boxes) {
            if (box.yes || box.no || box.ok) { found = box; return true; }
        }
        return false;
    }, timeoutMs);
    return found;
}

void AnswerMessageBox(const CMessageBoxInfo& box, int buttonId) {
    ::PostMessageA(box.hwnd, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(box.hwnd, buttonId)));
    // Gone before the caller looks for the next box.
    WaitUntil([&] { return !::IsWindow(box.hwnd); }, 5000);
}

HWND FindUpdateWindow(DWORD pid) {
    for (HWND dialog : DialogsOf(pid))
        if (::GetDlgItem(dialog, kProgressId)) return dialog;
    return nullptr;
}

int ProgressPosition(HWND updateWindow) {
    DWORD_PTR pos = 0;
    if (!::SendMessageTimeoutA(::GetDlgItem(updateWindow, kProgressId), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &pos))
        return -1;
    return static_cast<int>(pos);
}

int ProgressUpper(HWND updateWindow) {
    DWORD_PTR upper = 0;
    if (!::SendMessageTimeoutA(::GetDlgItem(updateWindow, kProgressId), PBM_GETRANGE, FALSE, 0, SMTO_ABORTIFHUNG,
                               2000, &upper))
        return -1;
    return static_cast<int>(upper);
}

CMarkerWindow::CMarkerWindow(const std::string& title, bool visible) : m_title(title), m_visible(visible) {
    m_ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_thread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
    ::WaitForSingleObject(m_ready, 10000);
}

CMarkerWindow::~CMarkerWindow() {
    if (m_hwnd) ::PostMessageA(m_hwnd, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(m_thread, 10000);
    ::CloseHandle(m_thread);
    ::CloseHandle(m_ready);
}

DWORD WINAPI CMarkerWindow::Run(LPVOID param) {
    auto* self = static_cast<CMarkerWindow*>(param);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MarkerProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZelvoTestMarker";
    ::RegisterClassA(&wc);
    self->m_hwnd = ::CreateWindowA("ZelvoTestMarker", self->m_title.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 200, 80,
                                   nullptr, nullptr, wc.hInstance, nullptr);
    if (self->m_visible) ::ShowWindow(self->m_hwnd, SW_SHOW);
    ::SetEvent(self->m_ready);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

CUpdateWindowWatcher::CUpdateWindowWatcher(DWORD pid) : m_pid(pid) {
    ::InitializeCriticalSection(&m_lock);
    m_thread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

CUpdateWindowWatcher::~CUpdateWindowWatcher() {
    ::InterlockedExchange(&m_stop, 1);
    ::WaitForSingleObject(m_thread, 10000);
    ::CloseHandle(m_thread);
    ::DeleteCriticalSection(&m_lock);
}

CUpdateWindowWatcher::CSeen CUpdateWindowWatcher::Seen() const {
    ::EnterCriticalSection(&m_lock);
    CSeen copy = m_seen;
    ::LeaveCriticalSection(&m_lock);
    return copy;
}

DWORD WINAPI CUpdateWindowWatcher::Run(LPVOID param) {
    auto* self = static_cast<CUpdateWindowWatcher*>(param);
    while (!self->m_stop) {
        ::Sleep(3);
        HWND window = FindUpdateWindow(self->m_pid);
        if (!window) continue;
        std::string status = WindowText(::GetDlgItem(window, kStatusId));
        std::string title = WindowText(window);
        bool visible = ::IsWindowVisible(window) != FALSE;
        int pos = ProgressPosition(window);
        int upper = ProgressUpper(window);
        ::EnterCriticalSection(&self->m_lock);
        CSeen& seen = self->m_seen;
        if (!status.empty() && (seen.statuses.empty() || seen.statuses.back() != status))
            seen.statuses.push_back(status);
        if (!title.empty()) seen.title = title;
        if (visible) {
            seen.visible = true;
            if (seen.firstProgress < 0 && pos > 0) seen.firstProgress = pos;
        }
        if (pos > seen.maxProgress) seen.maxProgress = pos;
        // A window that is going away answers nothing; keep what it said while it lived.
        if (upper > 0) seen.upper = upper;
        ::LeaveCriticalSection(&self->m_lock);
    }
    return 0;
}
