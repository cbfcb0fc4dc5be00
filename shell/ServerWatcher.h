#pragma once
// The server watcher thread: once the window titled "Orvanesvr" is gone, stops the engine and
// clears the running flag, which ends the shell.
class CShellMainDlg;

void RunServerWatcher(CShellMainDlg& shell);
