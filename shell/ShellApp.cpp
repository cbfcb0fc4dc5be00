#include "shell/ShellApp.h"

#include <windows.h>

#include <cstdlib>

#include "platform/AsyncSocket.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "resources/shell/resource.h"
#include "shell/CommandToken.h"
#include "shell/EngineWindow.h"
#include "shell/RelayTargets.h"
#include "shell/RelayWindows.h"
#include "shell/ShellMainDlg.h"

namespace {
constexpr DWORD kSecondStartWaitMs = 1500;
}

int CShellApp::Run(int argc, const char* const* argv) {
    if (!AfxSocketInit()) {
        char text[256] = {};
        ::LoadStringA(::GetModuleHandleA(nullptr), IDS_SOCKETS_INIT_FAILED, text, sizeof text);
        AppMessageBox(nullptr, text);
        return 0;
    }
    CDialog::SetDialogColors(RGB(245, 245, 245), RGB(0, 0, 0));

    CRelayWindows windows;
    const RelayResult relayed = RelayCommandToken(CommandToken(argc, argv), windows);
    if (relayed.outcome == RelayOutcome::Missing) {
        if (relayed.message) AppMessageBox(nullptr, relayed.message);
        return 0;
    }
    if (IsSecondStart()) return 0;

    // The host of the browser controls is installed here, before the main window exists.
    CShellMainDlg mainWindow;
    mainWindow.DoModal();
    return 0;
}

bool CShellApp::IsSecondStart() {
    if (!::FindWindowA(nullptr, CShellMainDlg::kInstanceMarker)) return false;
    ::Sleep(kSecondStartWaitMs);
    if (HWND frame = FindEngineFrame()) BringEngineForwardOnSecondStart(frame);
    return true;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CShellApp app;
    return app.Run(__argc, __argv);
}
