#pragma once
// What a probe of the Internet connection answers, and the host it asks.

namespace probe {

// Resolves to a large, always reachable public site in the field; inside the test sandbox it
// resolves to the machine itself, and tests take it away by rewriting the hosts file.
constexpr char kProbeHost[] = "probe.zelvo.test";

constexpr char kInetConnFine[] = "INETCONNFINE";
constexpr char kUnableToResolveHost[] = "UNABLE_TO_RESOLVE_HOST";
constexpr char kTimedOut[] = "TIMEDOUT";
// Error texts; %d is the socket or system error code.
constexpr char kSocketFailed[] = "WSASocket() failed: %d";
constexpr char kRecvTimeoutFailed[] = "failed to set recv timeout: %d";
constexpr char kSendTimeoutFailed[] = "failed to set send timeout: %d";
constexpr char kHeapAllocFailed[] = "HeapAlloc failed %d";
constexpr char kSendFailed[] = "sendto failed: %d";
constexpr char kRecvFailed[] = "recvfrom failed: %d";

}  // namespace probe
