#pragma once
// The engine's four requests to the shell, found in a received datagram and acted on in order.
#include <cstdint>
#include <string>
#include <vector>

class IEngineRequestHandler {
public:
    virtual ~IEngineRequestHandler() = default;
    virtual bool IsHandsetOpen() const = 0;
    virtual void OpenAddress(const std::string& address) = 0;
    virtual void RingHandset(const std::string& caller) = 0;
    virtual void StopRinging() = 0;
    virtual void SelectRingTone(std::uint8_t tone) = 0;
};

// Acts on one received datagram of `length` bytes. Each keyword may stand anywhere in the text
// (up to its first zero byte); a text holding several keywords triggers each action, in the
// order open address, ring, stop ringing, select ring tone.
void DispatchEngineRequest(const char* data, int length, IEngineRequestHandler& handler);

// The text after the first ':' (the whole text when there is none).
std::string TextAfterFirstColon(const std::string& text);

// The number a C `atoi` reads from the text (leading blanks, optional sign, digits); a value past
// the range of int is clamped to it, as the platform's runtime does.
int AsciiToInt(const std::string& text);

// Whether a datagram source (IPv4, host byte order) is this machine: loopback 127.0.0.0/8 or one
// of its own addresses. Requests from anywhere else are not acted on.
bool IsLocalSource(std::uint32_t source, const std::vector<std::uint32_t>& ownAddresses);
