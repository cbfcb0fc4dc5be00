#pragma once
// The two sockets of the control link: the sender to the engine and the shell's receiver.
#include <string>

#include "platform/AsyncSocket.h"

class CControlSender {
public:
    bool Create();
    // Sets the destination to the own address, port 7070, looked up afresh.
    bool SetDestination();
    // Sends one datagram of exactly `length` bytes to the destination last set.
    bool SendDatagram(const std::string& text, std::size_t length);
    // Both steps, for one message.
    bool SendControlMessage(const std::string& text, std::size_t length);

private:
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
