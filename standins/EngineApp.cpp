#include "EngineApp.h"

#include "EngineProtocol.h"
#include "StandinLog.h"
#include "StandinRecord.h"

namespace standin {

namespace {

const UINT kSocketMessage = WM_APP + 1;  // wParam: socket, lParam: FD_ event and error
const UINT_PTR kFrameTimer = 1;
const UINT_PTR kServerTimer = 2;
const char kServerClass[] = "ZelvoEngineStandinServer";
const char kMailboxHostClass[] = "ZelvoEngineStandinMailboxHost";
const char kEvents[] = "engine-events.log";

std::string WindowText(HWND hwnd) {
    char text[1024];
    int n = ::GetWindowTextA(hwnd, text, sizeof text);
    return std::string(text, n > 0 ? n : 0);
}

}  // namespace

CEngineApp::CEngineApp(HINSTANCE instance, const EngineOptions& options)
    : m_instance(instance), m_options(options) {}

CEngineApp::~CEngineApp() = default;

bool CEngineApp::Start() {
    if (!RegisterClass(m_instance, kEngineControlClass, nullptr) ||
        !RegisterClass(m_instance, kServerClass, nullptr) ||
        !RegisterClass(m_instance, kMailboxHostClass, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    RECT none = {0, 0, 0, 0};
    if (!Create(m_instance, kEngineControlClass, "Zelvo engine stand-in", WS_POPUP, 0, none,
                nullptr))
        return false;

    for (const std::string& word : m_options.ignored) AppendLogRecord(kEvents, "ignored-argument " + word);
    if (int error = m_socket.Open(Hwnd(), kSocketMessage))
        AppendLogRecord(kEvents, "socket-failed port=7070 error=" + std::to_string(error));

    if (m_options.server) {
        if (m_options.serverDelayMs > 0)
            ::SetTimer(Hwnd(), kServerTimer, m_options.serverDelayMs, nullptr);
        else
            CreateServer();
    }
    if (m_options.frameDelayMs > 0)
        ::SetTimer(Hwnd(), kFrameTimer, m_options.frameDelayMs, nullptr);
    else
        CreateFrame();
    return true;
}

int CEngineApp::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    AppendLogRecord(kEvents, "WM_QUIT");
    CloseAll();
    return 0;
}

LRESULT CEngineApp::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COPYDATA:
        return OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case kSocketMessage:
        for (const std::string& text : m_socket.OnReadable()) ShowMessageFromShell(text);
        return 0;
    }
    return CStandinWnd::WindowProc(msg, wParam, lParam);
}

LRESULT CEngineApp::OnCopyData(const COPYDATASTRUCT& data) {
    std::string bytes(static_cast<const char*>(data.lpData), data.lpData ? data.cbData : 0);
    HWND frame = m_frame.Hwnd();
    switch (data.dwData) {
    case kEngineSend:
        if (bytes.rfind("ORVANE_MESSAGE_INCOMING:", 0) == 0) m_frame.ShowStatus("Incoming call", bytes.substr(24));
        return m_socket.SendToShell(bytes);
    case kEngineCloseFrame:
        if (!frame) return FALSE;
        m_frame.Destroy();
        return TRUE;
    case kEngineCloseServer:
        if (!m_server.Hwnd()) return FALSE;
        m_server.Destroy();
        return TRUE;
    case kEngineMinimise:
        if (!frame) return FALSE;
        ::ShowWindow(frame, SW_MINIMIZE);
        return TRUE;
    case kEngineHide:
        if (!frame) return FALSE;
        ::ShowWindow(frame, SW_HIDE);
        return TRUE;
    case kEngineAddMailbox:
        return AddMailbox(bytes.substr(0, bytes.find('\0')));
    case kEngineDumpMailboxes:
        DumpMailboxes();
        return TRUE;
    case kEngineQuit:
        AppendLogRecord(kEvents, "quit-requested");
        ::PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

void CEngineApp::OnTimer(UINT_PTR id) {
    ::KillTimer(Hwnd(), id);
    if (id == kFrameTimer) CreateFrame();
    if (id == kServerTimer) CreateServer();
}

void CEngineApp::CreateFrame() {
    if (!m_frame.Create(m_instance))
        AppendLogRecord(kEvents, "frame-failed error=" + std::to_string(::GetLastError()));
}

void CEngineApp::CreateServer() {
    RECT none = {0, 0, 0, 0};
    if (!m_server.Create(m_instance, kServerClass, kEngineServerTitle, WS_POPUP, 0, none, nullptr))
        AppendLogRecord(kEvents, "server-failed error=" + std::to_string(::GetLastError()));
}

// "Title|id" makes (or reuses) a child of the frame titled Title; "Parent/Title|id" makes it a
// child of the frame's child Parent, as the TV panel sits inside the media container. With an id
// the host gets a hidden button of that id with the caption "NULL".
bool CEngineApp::AddMailbox(const std::string& spec) {
    HWND parent = m_frame.Hwnd();
    if (!parent) return false;
    size_t bar = spec.find('|');
    std::string path = spec.substr(0, bar);
    int id = 0;
    if (bar != std::string::npos) {
        auto number = ParseNumber(spec.substr(bar + 1));
        if (!number || *number > 0xFFFF) return false;
        id = static_cast<int>(*number);
    }

    RECT place = {0, 0, 10, 10};
    size_t pos = 0;
    while (true) {
        size_t slash = path.find('/', pos);
        std::string title = path.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        if (title.empty()) return false;
        HWND host = FindMailboxHost(parent, title);
        if (!host) {
            auto wnd = std::make_unique<CMarkerWnd>(nullptr, nullptr);
            if (!wnd->Create(m_instance, kMailboxHostClass, title.c_str(), WS_CHILD, 0, place, parent))
                return false;
            host = wnd->Hwnd();
            m_mailboxHosts.push_back(std::move(wnd));
        }
        parent = host;
        if (slash == std::string::npos) break;
        pos = slash + 1;
    }
    if (id == 0) return true;
    if (::GetDlgItem(parent, id)) return true;
    HWND button = ::CreateWindowExA(0, "BUTTON", "NULL", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10,
                                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    m_instance, nullptr);
    if (!button) return false;
    m_mailboxes.push_back(button);
    return true;
}

HWND CEngineApp::FindMailboxHost(HWND parent, const std::string& title) const {
    for (const auto& host : m_mailboxHosts)
        if (host->Hwnd() && ::GetParent(host->Hwnd()) == parent && WindowText(host->Hwnd()) == title)
            return host->Hwnd();
    return nullptr;
}

void CEngineApp::DumpMailboxes() const {
    for (HWND button : m_mailboxes) {
        if (!::IsWindow(button)) continue;
        AppendLogRecord(kEvents, "mailbox " + WindowText(::GetParent(button)) + " " +
                                     std::to_string(::GetDlgCtrlID(button)) + " " +
                                     EscapeControls(WindowText(button)));
    }
}

void CEngineApp::CloseAll() {
    m_mailboxes.clear();
    m_mailboxHosts.clear();
    m_frame.Destroy();
    m_server.Destroy();
}

LRESULT CEngineApp::CMarkerWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Written as the window comes into being, so that whoever finds it finds the record too.
    if (msg == WM_NCCREATE && m_createdRecord) AppendLogRecord(kEvents, m_createdRecord);
    if (msg == WM_DESTROY && m_closedRecord) AppendLogRecord(kEvents, m_closedRecord);
    return CStandinWnd::WindowProc(msg, wParam, lParam);
}

// The display follows the call as the shell reports it, so a demo shows what happened.
void CEngineApp::ShowMessageFromShell(const std::string& text) {
    if (text == "ORVANE_ANSWER_END") m_frame.ShowStatus("In call", "Answered on the handset");
    else if (text == "ORVANE_HANGUP_END") m_frame.ShowStatus("Ready", "Call ended on the handset");
    else m_frame.ShowStatus("Ready", text);
}

}  // namespace standin
