#pragma once
// Message boxes whose caption is, unless given, the application's title.
#include <string>

#include <windows.h>

// The program file's name without its extension ("ZelvoPhone").
const std::string& AppTitle();

int AppMessageBox(HWND owner, const char* text, UINT type = MB_OK, const char* caption = nullptr);
