#pragma once
// The relay's window lookups on the desktop: the engine frame by class, panels by the titles of
// direct children, mailboxes by control id, and delivery by WM_SETTEXT.
#include "shell/RelayTargets.h"

class CRelayWindows : public IRelayWindows {
public:
    Window FindEngineFrame() override;
    Window FindChildByTitle(Window parent, const char* title) override;
    Window FindControl(Window parent, int id) override;
    void SetText(Window window, const char* text) override;
};
