#pragma once
// The engine's frame window, as the shell finds it, brings it forward and stops its process.
#include <windows.h>

// The top-level window of the engine's frame class, looked up afresh; null when there is none.
HWND FindEngineFrame();

// A second start of the shell: a minimised or hidden frame is brought to the front; a visible,
// not minimised one is left as it is.
void BringEngineForwardOnSecondStart(HWND frame);

// "Show Zelvo Phone" and the tray double click: a hidden frame is shown, a minimised one
// restored, and the frame is brought to the top in any case.
void ShowEngineWindow(HWND frame);

// Posts WM_QUIT to the frame, then terminates the process that owns it (exit code 0).
void StopEngine(HWND frame);
