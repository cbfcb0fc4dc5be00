#include "shell/RelayTargets.h"

#include "shell/RelayTokens.h"

namespace {

struct RelayTarget {
    const char* token;
    bool throughTvPanel;  // the mailbox sits in the TV panel inside the media panel
    int mailboxId;
    bool reportsMissing;
};

constexpr RelayTarget kTargets[] = {
    {relay::kShowOrvaneOnline, false, relay::kMediaMailboxId, true},
    {relay::kShowZelvoBrowser, false, relay::kMediaMailboxId, true},
    {relay::kHideZelvoMedia, false, relay::kMediaMailboxId, true},
    {relay::kStopZelvoMedia, true, relay::kTvMailboxId, false},
};

RelayResult Missing(const RelayTarget& target, const char* message) {
    return {RelayOutcome::Missing, target.reportsMissing ? message : nullptr};
}

}  // namespace

RelayResult RelayCommandToken(const std::string& token, IRelayWindows& windows) {
    for (const RelayTarget& target : kTargets) {
        if (token != target.token) continue;
        const IRelayWindows::Window frame = windows.FindEngineFrame();
        if (!frame) return Missing(target, "NOT FOUND1");
        IRelayWindows::Window panel = windows.FindChildByTitle(frame, relay::kMediaPanelTitle);
        if (!panel) return Missing(target, "NOT FOUND2");
        if (target.throughTvPanel) {
            panel = windows.FindChildByTitle(panel, relay::kTvPanelTitle);
            if (!panel) return Missing(target, nullptr);
        }
        const IRelayWindows::Window mailbox = windows.FindControl(panel, target.mailboxId);
        if (!mailbox) return Missing(target, "NOT FOUND4");
        windows.SetText(mailbox, target.token);
        return {RelayOutcome::Delivered, nullptr};
    }
    return {RelayOutcome::NotRelayed, nullptr};
}
