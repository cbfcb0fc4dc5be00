#pragma once
// Shared pieces of the stand-ins' own tests: a stand-in engine run with its own log folder, and
// a UDP socket of the test.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "StandinClient.h"

// One run of EngineStandin.exe; the engine is asked to quit (or terminated) at the end.
class CEngineRun {
public:
    explicit CEngineRun(const std::string& args = "", bool waitForFrame = true)
        : m_logDir(MakeTempLogDir()) {
        std::string line = "\"" + BinDir() + "\\EngineStandin.exe\"";
        if (!args.empty()) line += " " + args;
        m_started = m_process.Start(line, "", {{"ZELVO_STANDIN_LOG_DIR", m_logDir}});
        // The frame can be found a moment before it is shown, as any window being created.
        if (m_started && waitForFrame)
            m_started = WaitUntil([] { return ::IsWindowVisible(FindEngineFrame()) != FALSE; }, 15000);
    }
    ~CEngineRun() {
        if (m_process.Running() && EngineQuit()) m_process.Wait(5000);
    }

    bool Started() const { return m_started; }
    const std::string& LogDir() const { return m_logDir; }
    CChildProcess& Process() { return m_process; }

    bool HasEvent(const std::string& what) const { return HasRecord(m_logDir, "engine-events.log", what); }
    // Time of the first event with this text; -1 when there is none.
    int64_t EventTime(const std::string& what) const {
        for (const StandinEvent& e : ReadEvents(m_logDir))
            if (e.what == what) return e.t_us;
        return -1;
    }

private:
    std::string m_logDir;
    CChildProcess m_process;
    bool m_started = false;
};

// A UDP socket of the test bound to 127.0.0.1 (port 0: any free one).
class CTestUdpSocket {
public:
    explicit CTestUdpSocket(unsigned short port = 0) {
        WSADATA data;
        m_wsa = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
        m_socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        sockaddr_in addr = Loopback(port);
        m_bound = m_socket != INVALID_SOCKET &&
                  ::bind(m_socket, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
        DWORD timeoutMs = 5000;
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs),
                     sizeof timeoutMs);
    }
    ~CTestUdpSocket() {
        if (m_socket != INVALID_SOCKET) ::closesocket(m_socket);
        if (m_wsa) ::WSACleanup();
    }
    CTestUdpSocket(const CTestUdpSocket&) = delete;
    CTestUdpSocket& operator=(const CTestUdpSocket&) = delete;

    bool Bound() const { return m_bound; }
    int Port() const {
        sockaddr_in addr = {};
        int len = sizeof addr;
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&addr), &len);
        return ntohs(addr.sin_port);
    }
    bool SendTo(unsigned short port, const std::string& bytes) {
        sockaddr_in to = Loopback(port);
        return ::sendto(m_socket, bytes.data(), static_cast<int>(bytes.size()), 0,
                        reinterpret_cast<sockaddr*>(&to), sizeof to) == static_cast<int>(bytes.size());
    }
    // One datagram and its source port; false after the 5 s receive timeout.
    bool Receive(std::string& bytes, int& fromPort) {
        char buffer[65536];
        sockaddr_in from = {};
        int len = sizeof from;
        int n = ::recvfrom(m_socket, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &len);
        if (n < 0) return false;
        bytes.assign(buffer, n);
        fromPort = ntohs(from.sin_port);
        return true;
    }

private:
    static sockaddr_in Loopback(unsigned short port) {
        sockaddr_in addr = {};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(port);
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return addr;
    }
    bool m_wsa = false;
    SOCKET m_socket = INVALID_SOCKET;
    bool m_bound = false;
};

// A control datagram as the shell lays it out: the text, then zero bytes up to the length.
inline std::string Padded(const std::string& text, size_t length) {
    std::string bytes = text.substr(0, length);
    bytes.resize(length, '\0');
    return bytes;
}
