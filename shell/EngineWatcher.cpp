#include "shell/EngineWatcher.h"

#include "platform/MessageBox.h"
#include "resources/shell/resource.h"
#include "shell/EngineWindow.h"
#include "shell/LauncherPrograms.h"
#include "shell/NavigationSound.h"
#include "shell/ShellMainDlg.h"
#include "shell/WatcherTiming.h"

void RunEngineWatcher(CShellMainDlg& shell) {
    CLifecycleFlags& flags = shell.Flags();
    HWND frame;
    while (!(frame = FindEngineFrame())) ::Sleep(watcher::kWindowPollMs);

    if (!launcher::StartHiddenProgram(launcher::kUpdaterProgram)) {
        AppMessageBox(nullptr, launcher::kFilesMissingText, MB_OK | MB_ICONSTOP | MB_SYSTEMMODAL,
                      launcher::kUpdaterMissingCaption);
        shell.ForceStop(frame);
    }
    shell.TrayIcon().Add(IDI_TRAY);

    // A change of either flag ends the wait at once; the frame is looked for between waits.
    while (flags.WaitWhileRunning(watcher::kWindowPollMs)) {
        if (!FindEngineFrame()) break;
    }

    flags.SetQuit();
    RestoreNavigationSound();
    shell.TrayIcon().Delete();
    shell.StopPanels();
    ::Sleep(watcher::kEndingMs);
    ::Sleep(watcher::kEndingTailMs);
    shell.EndDialog(0);
}
