#pragma once
// The patch download's HTTP exchange over WinINet: one session, one connection, the current
// request. The session can be closed from another thread to break a pending call.
#include <atomic>

#include "updater/DownloadPorts.h"
#include "updater/InternetHandle.h"

class CWinInetHttpSession : public IHttpSession {
public:
    // `context` is handed to the connection and the first request.
    explicit CWinInetHttpSession(DWORD_PTR context) : m_context(context) {}
    ~CWinInetHttpSession() override;
    CWinInetHttpSession(const CWinInetHttpSession&) = delete;
    CWinInetHttpSession& operator=(const CWinInetHttpSession&) = delete;

    bool Open() override;
    bool Connect(const std::string& server, unsigned short port) override;
    bool OpenRequest(const std::string& object) override;
    bool SendRequest() override;
    bool SendRangeRequest(const std::string& object, const std::string& rangeHeader) override;
    bool QueryStatus(long& status) override;
    bool Read(char* buffer, size_t size, size_t& bytesRead) override;

    // Safe from any thread; makes the download thread's pending WinINet call fail.
    void CloseSession();

private:
    DWORD_PTR m_context;
    std::atomic<HINTERNET> m_session{nullptr};
    CInternetHandle m_connection;
    CInternetHandle m_request;
};
