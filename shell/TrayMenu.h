#pragma once
// The tray icon's menu (menu 135, its first popup), tracked at the cursor with the commands
// going to the shell's main window.
#include <windows.h>

void TrackTrayMenu(HWND owner);
