#pragma once
// Finding and stopping the engine, and the guard that keeps it stopped during the upgrade.
#include <windows.h>

inline constexpr char kEngineWindowClass[] = "KestMain.KestJvm.KestSipIP.KestVoip.KestSkin.QMBPhoneFrame";
// Title of the shell's hidden main window: "Orvane" and ten blanks.
inline constexpr char kShellWindowTitle[] = "Orvane          ";

HWND FindEngineWindow();

// Posts WM_QUIT to the engine's window and terminates the process that owns it. Failures to
// open or terminate the process are not reported.
void StopEngineOf(HWND engineWindow);

// Stops the engine if its window exists.
void StopEngine();

// Body of the engine guard thread; never returns. While the engine's window exists the user is
// told, system-modally and owned by `owner`, and after each dismissal the engine is stopped if
// the shell is running.
[[noreturn]] void GuardEngine(HWND owner);
