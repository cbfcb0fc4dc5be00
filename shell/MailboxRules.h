#pragma once
// The receiving side of the command relay: which captions a panel's mailbox accepts, in the
// order they are tested, and which of them are reset to "NULL" once acted on.
#include <cstddef>
#include <string>

struct MailboxToken {
    const char* token;
    bool resetToIdle;
};

class CMailboxRules {
public:
    template <std::size_t N>
    constexpr explicit CMailboxRules(const MailboxToken (&tokens)[N]) : m_tokens(tokens), m_count(N) {}

    // The accepted token that equals the whole caption (case-sensitive), or null.
    const MailboxToken* Match(const std::string& caption) const;

private:
    const MailboxToken* m_tokens;
    std::size_t m_count;
};

// The media container's mailbox: "HIDE_ZELVOMEDIA" stays in the caption (acting on it again
// changes nothing).
extern const CMailboxRules kMediaMailboxRules;
// The TV panel's mailbox: every token is reset.
extern const CMailboxRules kTvMailboxRules;
