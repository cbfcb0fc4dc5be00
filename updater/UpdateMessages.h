#pragma once
// Private window messages of the update window, posted by its worker threads.
#include <windows.h>

// New status line. lParam: a text with static lifetime (one of the fixed status texts).
constexpr UINT WM_APP_STATUS = WM_APP + 1;
// The byte count changed; the window reads the latest one. No parameters.
constexpr UINT WM_APP_PROGRESS = WM_APP + 2;
// Hide the window before the patch starts. No parameters.
constexpr UINT WM_APP_HIDE = WM_APP + 3;
