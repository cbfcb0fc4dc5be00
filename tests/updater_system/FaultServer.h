#pragma once
// A small update server of the tests' own, beside nginx on another loopback address, that
// misbehaves on purpose: it cuts connections, ignores Range, or delays range answers.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

class CFaultServer {
public:
    struct CFaults {
        size_t closeAfter = 0;      // body bytes sent per answer before the connection is cut; 0: never
        bool ignoreRange = false;   // answer every request 200 with the whole file
        int rangeDelayMs = 0;       // pause before answering a request that carries a Range header
    };

    CFaultServer(std::string address, std::string description, std::string patchName, std::string patch,
                 CFaults faults);
    ~CFaultServer();
    CFaultServer(const CFaultServer&) = delete;
    CFaultServer& operator=(const CFaultServer&) = delete;

    bool Listening() const { return m_listener != INVALID_SOCKET; }
    // Each request's line and Range header, "GET /x HTTP/1.1 | bytes=5-" ("-" without one).
    std::vector<std::string> Requests() const;

private:
    static DWORD WINAPI AcceptLoop(LPVOID self);
    static DWORD WINAPI Serve(LPVOID connection);
    void Answer(SOCKET client);

    std::string m_description, m_patchName, m_patch;
    CFaults m_faults;
    SOCKET m_listener = INVALID_SOCKET;
    std::atomic<bool> m_stop{false};
    HANDLE m_acceptThread = nullptr;
    std::atomic<int> m_active{0};
    mutable CRITICAL_SECTION m_lock;
    std::vector<std::string> m_requests;
};
