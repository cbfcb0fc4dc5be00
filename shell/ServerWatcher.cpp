#include "shell/ServerWatcher.h"

#include "shell/EngineWindow.h"
#include "shell/ShellMainDlg.h"
#include "shell/WatcherTiming.h"

namespace {
constexpr char kServerTitle[] = "Orvanesvr";
constexpr unsigned kFirstLookMs = 350;
}  // namespace

void RunServerWatcher(CShellMainDlg& shell) {
    CLifecycleFlags& flags = shell.Flags();
    ::Sleep(kFirstLookMs);
    while (::FindWindowA(nullptr, kServerTitle)) {
        // The shell is ending for another reason: nothing is left to watch.
        if (!flags.WaitWhileRunning(watcher::kWindowPollMs)) return;
    }
    if (HWND frame = FindEngineFrame()) StopEngine(frame);
    flags.ClearRunning();
}
