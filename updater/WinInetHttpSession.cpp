#include "updater/WinInetHttpSession.h"

#include <cstdlib>

#include "platform/MessageBox.h"

namespace {
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION;
static_assert(kRequestFlags == 0x84400000);
}  // namespace

CWinInetHttpSession::~CWinInetHttpSession() {
    m_request.Reset();
    m_connection.Reset();
    CloseSession();
}

void CWinInetHttpSession::CloseSession() {
    if (HINTERNET session = m_session.exchange(nullptr)) ::InternetCloseHandle(session);
}

bool CWinInetHttpSession::Open() {
    m_session = ::InternetOpenA(AppTitle().c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    return m_session.load() != nullptr;
}

bool CWinInetHttpSession::Connect(const std::string& server, unsigned short port) {
    m_connection.Reset(::InternetConnectA(m_session.load(), server.c_str(), port, nullptr, nullptr,
                                          INTERNET_SERVICE_HTTP, 0, m_context));
    return static_cast<bool>(m_connection);
}

bool CWinInetHttpSession::OpenRequest(const std::string& object) {
    const char* acceptTypes[] = {"*/*", nullptr};
    m_request.Reset(::HttpOpenRequestA(m_connection.Get(), nullptr, object.c_str(), nullptr, nullptr,
                                       acceptTypes, kRequestFlags, m_context));
    return static_cast<bool>(m_request);
}

bool CWinInetHttpSession::SendRequest() {
    return ::HttpSendRequestA(m_request.Get(), nullptr, 0, nullptr, 0) != FALSE;
}

bool CWinInetHttpSession::SendRangeRequest(const std::string& object, const std::string& rangeHeader) {
    m_request.Reset(::HttpOpenRequestA(m_connection.Get(), "GET", object.c_str(), nullptr, nullptr, nullptr, 0, 0));
    if (!m_request) return false;
    ::HttpAddRequestHeadersA(m_request.Get(), rangeHeader.c_str(), static_cast<DWORD>(-1),
                             HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    return SendRequest();
}

bool CWinInetHttpSession::QueryStatus(long& status) {
    char code[32] = {};
    DWORD length = sizeof code;
    if (!::HttpQueryInfoA(m_request.Get(), HTTP_QUERY_STATUS_CODE, code, &length, nullptr)) return false;
    code[sizeof code - 1] = '\0';
    status = std::atol(code);
    return true;
}

bool CWinInetHttpSession::Read(char* buffer, size_t size, size_t& bytesRead) {
    DWORD read = 0;
    if (!::InternetReadFile(m_request.Get(), buffer, static_cast<DWORD>(size), &read)) return false;
    bytesRead = read;
    return true;
}
