#include "shell/Mailbox.h"

#include <string>

#include "shell/RelayTokens.h"

const char* CMailbox::Poll() const {
    // The whole caption, however long: a caption that only begins with a token is no token.
    std::string caption(static_cast<std::size_t>(::GetWindowTextLengthA(m_button)) + 1, '\0');
    caption.resize(static_cast<std::size_t>(::GetWindowTextA(m_button, &caption[0], static_cast<int>(caption.size()))));
    const MailboxToken* match = m_rules.Match(caption);
    if (!match) return nullptr;
    if (match->resetToIdle) ::SetWindowTextA(m_button, relay::kMailboxIdle);
    return match->token;
}
