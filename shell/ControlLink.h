#pragma once
// The two sockets of the control link: the sender to the engine and the shell's receiver.
#include <mutex>
#include <string>

#include "platform/AsyncSocket.h"

// Used by the user-interface thread and the network watchdog's thread. Each call is whole; a
// caller that sets the destination and then sends holds the sender across both steps, so no
// datagram of another thread goes out between them.
class CControlSender {
public:
    using Hold = std::unique_lock<std::recursive_mutex>;

    bool Create();
    Hold HoldForMessage() { return Hold(m_lock); }
    // Sets the destination to the own address, port 7070, looked up afresh.
    bool SetDestination();
    bool SetDestination(const std::string& address, unsigned port);
    // Sends one datagram of exactly `length` bytes to the destination last set.
    bool SendDatagram(const std::string& text, std::size_t length);
    // Both steps, for one message.
    bool SendControlMessage(const std::string& text, std::size_t length);

private:
    std::recursive_mutex m_lock;
    CAsyncSocket m_socket;  // its own notifications are not handled
};

// Receives the engine's requests on port 7072 and hands each one from this machine to the
// owner's dispatcher; datagrams from elsewhere are dropped.
class IEngineDatagramSink {
public:
    virtual ~IEngineDatagramSink() = default;
    virtual void OnEngineDatagram(const char* text, int length) = 0;
};

class CControlReceiver : public CAsyncSocket {
public:
    explicit CControlReceiver(IEngineDatagramSink& owner) : m_owner(owner) {}
    bool Create();
    void OnReceive(int errorCode) override;

private:
    IEngineDatagramSink& m_owner;
};
