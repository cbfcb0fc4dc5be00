#pragma once
// The sending side of the command relay: a second start of the shell carrying a command token
// writes it into the mailbox of the panel it is meant for, found among the engine frame's
// windows.
#include <cstdint>
#include <string>

// The window lookups and the delivery the relay needs; a window is an opaque nonzero value.
class IRelayWindows {
public:
    using Window = std::uintptr_t;
    virtual ~IRelayWindows() = default;
    virtual Window FindEngineFrame() = 0;
    virtual Window FindChildByTitle(Window parent, const char* title) = 0;  // direct children only
    virtual Window FindControl(Window parent, int id) = 0;
    virtual void SetText(Window window, const char* text) = 0;  // returns once the caption is stored
};

enum class RelayOutcome {
    NotRelayed,  // not one of the four relay tokens: start-up goes on as without a token
    Delivered,   // written into its mailbox: start-up goes on
    Missing,     // the target is missing: the program ends (status 0) after `message`, if any
};

struct RelayResult {
    RelayOutcome outcome;
    const char* message;  // "NOT FOUND1", "NOT FOUND2", "NOT FOUND4", or null for none
};

// Relays the command token if it equals a relay token exactly (case and length included).
RelayResult RelayCommandToken(const std::string& token, IRelayWindows& windows);
