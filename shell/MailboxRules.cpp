#include "shell/MailboxRules.h"

#include "shell/RelayTokens.h"

namespace {

constexpr MailboxToken kMediaTokens[] = {
    {relay::kShowOrvaneOnline, true},
    {relay::kShowZelvoBrowser, true},
    {relay::kHideZelvoMedia, false},
};

constexpr MailboxToken kTvTokens[] = {
    {relay::kHideOnline, true},           {relay::kShowOnline, true},
    {relay::kStopOnline, true},           {relay::kDisableOnlineButtons, true},
    {relay::kEnableOnlineButtons, true},  {relay::kStopZelvoMedia, true},
};

}  // namespace

const MailboxToken* CMailboxRules::Match(const std::string& caption) const {
    for (std::size_t i = 0; i < m_count; ++i)
        if (caption == m_tokens[i].token) return &m_tokens[i];
    return nullptr;
}

const CMailboxRules kMediaMailboxRules(kMediaTokens);
const CMailboxRules kTvMailboxRules(kTvTokens);
