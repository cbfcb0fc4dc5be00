#include "shell/ShellApp.h"

#include <windows.h>

#include "platform/AsyncSocket.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "resources/shell/resource.h"
#include "shell/ShellMainDlg.h"

int CShellApp::Run() {
    if (!AfxSocketInit()) {
        char text[256] = {};
        ::LoadStringA(::GetModuleHandleA(nullptr), IDS_SOCKETS_INIT_FAILED, text, sizeof text);
        AppMessageBox(nullptr, text);
        return 0;
    }
    CDialog::SetDialogColors(RGB(245, 245, 245), RGB(0, 0, 0));
    CShellMainDlg mainWindow;
    mainWindow.DoModal();
    return 0;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CShellApp app;
    return app.Run();
}
