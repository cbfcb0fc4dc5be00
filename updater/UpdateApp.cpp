// ZelvoUpdate: started by the shell; checks for a newer version and installs it.
#include <windows.h>

#include <commctrl.h>

#include "platform/AsyncSocket.h"
#include "platform/MessageBox.h"
#include "resources/updater/resource.h"
#include "updater/UpdateDlg.h"

namespace {
constexpr char kOtherUpdaterTitle[] = "Orvane Update";
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (HWND other = ::FindWindowA(nullptr, kOtherUpdaterTitle)) {
        ::ShowWindow(other, SW_SHOW);
        ::SetForegroundWindow(other);
        return 0;
    }
    if (!AfxSocketInit()) {
        char text[128] = {};
        ::LoadStringA(instance, IDS_SOCKETS_INIT_FAILED, text, sizeof text);
        AppMessageBox(nullptr, text, MB_OK);
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);

    CUpdateDlg dialog;
    dialog.DoModal();
    return 0;
}
