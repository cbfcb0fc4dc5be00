#pragma once
// The engine's UDP socket on port 7070: every datagram that arrives is written to
// engine-received.log; requests leave from it to the shell's port 7072 on 127.0.0.1.
#include <string>
#include <vector>

#include "StandinHandles.h"

namespace standin {

class CEngineSocket {
public:
    static const unsigned short kEnginePort = 7070;
    static const unsigned short kShellPort = 7072;

    CEngineSocket();
    ~CEngineSocket();
    CEngineSocket(const CEngineSocket&) = delete;
    CEngineSocket& operator=(const CEngineSocket&) = delete;

    // Binds 0.0.0.0:7070 and asks for read notifications as `message` to `notifyWindow`.
    // Returns the Winsock error, 0 on success.
    int Open(HWND notifyWindow, UINT message);
    // Reads and logs every datagram waiting; called on the notification. Returns their texts
    // (up to the first zero byte).
    std::vector<std::string> OnReadable();
    // Sends the bytes as one datagram to 127.0.0.1:7072.
    bool SendToShell(const std::string& bytes);

private:
    bool m_started = false;
    CSocket m_socket;
};

}  // namespace standin
