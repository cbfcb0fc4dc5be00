#pragma once
// Non-blocking socket whose notifications arrive as window messages on the thread that created
// it, in the manner of the class library's CAsyncSocket.
#include <winsock2.h>
#include <windows.h>

// Starts the socket library for the life of the program (version 2.0). False when it cannot start.
bool AfxSocketInit();

class CAsyncSocket {
public:
    static constexpr long kAllEvents = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE;

    CAsyncSocket() = default;
    virtual ~CAsyncSocket();
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;

    // Creates the socket, asks for the given notifications and binds it to the port (0: any) at
    // the address (null: any local address).
    bool Create(UINT port = 0, int type = SOCK_STREAM, long events = kAllEvents, const char* address = nullptr);
    // Sets the destination of a datagram socket. The unspecified address 0.0.0.0 is refused, as
    // the platform refuses it as a destination.
    bool Connect(const char* address, UINT port);
    // Bytes sent or received, SOCKET_ERROR on failure.
    int Send(const void* data, int length, int flags = 0);
    int Receive(void* buffer, int length, int flags = 0);
    int ReceiveFrom(void* buffer, int length, sockaddr_in& from, int flags = 0);
    void Close();

    SOCKET Handle() const { return m_socket; }

    // Notifications, on the creating thread; the default ignores them.
    virtual void OnReceive(int errorCode) { (void)errorCode; }
    virtual void OnSend(int errorCode) { (void)errorCode; }

private:
    SOCKET m_socket = INVALID_SOCKET;
    HWND m_notifyWindow = nullptr;
};
