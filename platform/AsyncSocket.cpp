#include "platform/AsyncSocket.h"

#include <map>

namespace {
constexpr UINT WM_SOCKET_NOTIFY = WM_APP + 0x3F1;  // wParam: socket, lParam: event and error
constexpr char kNotifyClass[] = "ZelvoSocketNotify";

// Sockets created on this thread, found again when their notification arrives.
thread_local std::map<SOCKET, CAsyncSocket*> t_sockets;
thread_local HWND t_notifyWindow = nullptr;

LRESULT CALLBACK NotifyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SOCKET_NOTIFY) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    auto it = t_sockets.find(static_cast<SOCKET>(wParam));
    if (it == t_sockets.end()) return 0;
    int error = WSAGETSELECTERROR(lParam);
    switch (WSAGETSELECTEVENT(lParam)) {
    case FD_READ: it->second->OnReceive(error); break;
    case FD_WRITE: it->second->OnSend(error); break;
    default: break;
    }
    return 0;
}

HWND NotifyWindow() {
    if (t_notifyWindow) return t_notifyWindow;
    WNDCLASSA wc{};
    wc.lpfnWndProc = NotifyProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kNotifyClass;
    ::RegisterClassA(&wc);  // fails harmlessly when another thread registered it first
    t_notifyWindow = ::CreateWindowExA(0, kNotifyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       wc.hInstance, nullptr);
    return t_notifyWindow;
}

struct SocketLibrary {
    bool started = false;
    SocketLibrary() {
        WSADATA data;
        started = ::WSAStartup(MAKEWORD(2, 0), &data) == 0;
    }
    ~SocketLibrary() { if (started) ::WSACleanup(); }
};
}  // namespace

bool AfxSocketInit() {
    static SocketLibrary library;
    return library.started;
}

CAsyncSocket::~CAsyncSocket() { Close(); }

bool CAsyncSocket::Create(UINT port, int type, long events, const char* address) {
    Close();
    m_notifyWindow = NotifyWindow();
    if (!m_notifyWindow) return false;
    m_socket = ::socket(AF_INET, type, 0);
    if (m_socket == INVALID_SOCKET) return false;
    t_sockets[m_socket] = this;

    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = ::htons(static_cast<u_short>(port));
    local.sin_addr.s_addr = address ? ::inet_addr(address) : INADDR_ANY;
    if (::WSAAsyncSelect(m_socket, m_notifyWindow, WM_SOCKET_NOTIFY, events) == SOCKET_ERROR ||
        ::bind(m_socket, reinterpret_cast<sockaddr*>(&local), sizeof local) == SOCKET_ERROR) {
        Close();
        return false;
    }
    return true;
}

bool CAsyncSocket::Connect(const char* address, UINT port) {
    if (m_socket == INVALID_SOCKET) return false;
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = ::htons(static_cast<u_short>(port));
    remote.sin_addr.s_addr = ::inet_addr(address);
    if (remote.sin_addr.s_addr == INADDR_NONE || remote.sin_addr.s_addr == INADDR_ANY) return false;
    return ::connect(m_socket, reinterpret_cast<sockaddr*>(&remote), sizeof remote) != SOCKET_ERROR;
}

int CAsyncSocket::Send(const void* data, int length, int flags) {
    return ::send(m_socket, static_cast<const char*>(data), length, flags);
}

int CAsyncSocket::Receive(void* buffer, int length, int flags) {
    return ::recv(m_socket, static_cast<char*>(buffer), length, flags);
}

int CAsyncSocket::ReceiveFrom(void* buffer, int length, sockaddr_in& from, int flags) {
    int size = sizeof from;
    return ::recvfrom(m_socket, static_cast<char*>(buffer), length, flags,
                      reinterpret_cast<sockaddr*>(&from), &size);
}

void CAsyncSocket::Close() {
    if (m_socket == INVALID_SOCKET) return;
    ::WSAAsyncSelect(m_socket, m_notifyWindow, 0, 0);
    ::closesocket(m_socket);
    t_sockets.erase(m_socket);
    m_socket = INVALID_SOCKET;
}
