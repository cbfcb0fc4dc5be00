#pragma once
// The engine watcher thread: waits for the engine's frame window, starts the updater and adds
// the tray icon, then keeps the shell alive exactly as long as the frame exists (and the running
// and quit flags allow), and ends the main window's modal run after it.
class CShellMainDlg;

void RunEngineWatcher(CShellMainDlg& shell);
