#pragma once
// A panel's mailbox: the hidden button whose caption a second start of the shell (or another
// program) replaces with a token. The panel polls it on its timer.
#include <windows.h>

#include "shell/MailboxRules.h"

class CMailbox {
public:
    CMailbox(HWND button, const CMailboxRules& rules) : m_button(button), m_rules(rules) {}

    // Reads the whole caption; when it is an accepted token, sets the caption back to "NULL"
    // where the rules say so and answers the token, for the panel to act on. Null otherwise
    // (the caption is then left as it is).
    const char* Poll() const;

private:
    HWND m_button;
    const CMailboxRules& m_rules;
};
