#include "shell/TrayMenu.h"

#include "platform/Handle.h"
#include "resources/shell/resource.h"

void TrackTrayMenu(HWND owner) {
    CUniqueMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TRAY)));
    if (!menu) return;
    HMENU popup = ::GetSubMenu(menu.Get(), 0);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // Without the owner in the foreground the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(owner);
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
    ::PostMessageA(owner, WM_NULL, 0, 0);
    ::SetForegroundWindow(owner);
}
