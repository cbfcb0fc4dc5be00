#include "FaultServer.h"

#include <ws2tcpip.h>

#include <cstdlib>

namespace {

struct CConnection {
    class CFaultServer* server;
    SOCKET socket;
};

bool SendAll(SOCKET s, const char* data, size_t size) {
    while (size > 0) {
        int sent = ::send(s, data, static_cast<int>(size > 65536 ? 65536 : size), 0);
        if (sent <= 0) return false;
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

std::string HeaderValue(const std::string& head, const std::string& name) {
    std::string lower = head;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t at = lower.find("\r\n" + name + ":");
    if (at == std::string::npos) return "";
    at += name.size() + 3;
    while (at < head.size() && head[at] == ' ') ++at;
    return head.substr(at, head.find("\r\n", at) - at);
}

}  // namespace

CFaultServer::CFaultServer(std::string address, std::string description, std::string patchName, std::string patch,
                           CFaults faults)
    : m_description(std::move(description)), m_patchName(std::move(patchName)), m_patch(std::move(patch)),
      m_faults(faults) {
    ::InitializeCriticalSection(&m_lock);
    WSADATA wsa;
    ::WSAStartup(MAKEWORD(2, 2), &wsa);
    m_listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in at = {};
    at.sin_family = AF_INET;
    at.sin_port = htons(80);
    at.sin_addr.s_addr = ::inet_addr(address.c_str());
    BOOL reuse = TRUE;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 || ::listen(m_listener, 16) != 0) {
        ::closesocket(m_listener);
        m_listener = INVALID_SOCKET;
        return;
    }
    m_acceptThread = ::CreateThread(nullptr, 0, AcceptLoop, this, 0, nullptr);
}

CFaultServer::~CFaultServer() {
    m_stop = true;
    if (m_acceptThread) {
        ::WaitForSingleObject(m_acceptThread, 10000);
        ::CloseHandle(m_acceptThread);
    }
    if (m_listener != INVALID_SOCKET) ::closesocket(m_listener);
    for (int i = 0; i < 1000 && m_active > 0; ++i) ::Sleep(10);
    ::DeleteCriticalSection(&m_lock);
}

std::vector<std::string> CFaultServer::Requests() const {
    ::EnterCriticalSection(&m_lock);
    std::vector<std::string> copy = m_requests;
    ::LeaveCriticalSection(&m_lock);
    return copy;
}

DWORD WINAPI CFaultServer::AcceptLoop(LPVOID param) {
    auto* self = static_cast<CFaultServer*>(param);
    while (!self->m_stop) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(self->m_listener, &ready);
        timeval wait = {0, 50000};
        if (::select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
        SOCKET client = ::accept(self->m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        ++self->m_active;
        HANDLE thread = ::CreateThread(nullptr, 0, Serve, new CConnection{self, client}, 0, nullptr);
        if (thread) {
            ::CloseHandle(thread);
        } else {
            ::closesocket(client);
            --self->m_active;
        }
    }
    return 0;
}

DWORD WINAPI CFaultServer::Serve(LPVOID param) {
    CConnection* connection = static_cast<CConnection*>(param);
    CFaultServer* self = connection->server;
    self->Answer(connection->socket);
    ::shutdown(connection->socket, SD_BOTH);
    ::closesocket(connection->socket);
    delete connection;
    --self->m_active;
    return 0;
}

void CFaultServer::Answer(SOCKET client) {
    std::string head;
    char buffer[2048];
    while (head.find("\r\n\r\n") == std::string::npos) {
        int n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0 || m_stop) return;
        head.append(buffer, static_cast<size_t>(n));
    }
    std::string line = head.substr(0, head.find("\r\n"));
    std::string range = HeaderValue(head, "range");
    ::EnterCriticalSection(&m_lock);
    m_requests.push_back(line + " | " + (range.empty() ? "-" : range));
    ::LeaveCriticalSection(&m_lock);

    std::string path = line.substr(line.find(' ') + 1);
    path = path.substr(0, path.find(' '));
    const std::string* body = nullptr;
    if (path == "/zelvoupdates/update.xml") body = &m_description;
    if (path == "/zelvoupdates/" + m_patchName) body = &m_patch;
    if (!body) {
        const char notFound[] = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        SendAll(client, notFound, sizeof notFound - 1);
        return;
    }

    size_t from = 0;
    bool partial = false;
    if (!range.empty() && !m_faults.ignoreRange && range.compare(0, 6, "bytes=") == 0) {
        from = std::strtoul(range.c_str() + 6, nullptr, 10);
        partial = from < body->size();
    }
    if (!range.empty() && m_faults.rangeDelayMs > 0) ::Sleep(static_cast<DWORD>(m_faults.rangeDelayMs));
    size_t length = body->size() - (partial ? from : 0);
    std::string answer = partial ? "HTTP/1.1 206 Partial Content\r\n" : "HTTP/1.1 200 OK\r\n";
    answer += "Content-Type: application/octet-stream\r\nContent-Length: " + std::to_string(length) + "\r\n";
    if (partial)
        answer += "Content-Range: bytes " + std::to_string(from) + "-" + std::to_string(body->size() - 1) + "/" +
                  std::to_string(body->size()) + "\r\n";
    answer += "Connection: close\r\n\r\n";
    if (!SendAll(client, answer.data(), answer.size())) return;
    size_t send = length;
    if (m_faults.closeAfter > 0 && send > m_faults.closeAfter) send = m_faults.closeAfter;
    SendAll(client, body->data() + (partial ? from : 0), send);
}
