#include "shell/LauncherPrograms.h"

#include <windows.h>

bool launcher::StartHiddenProgram(const char* fileName) {
    return ::WinExec(fileName, SW_HIDE) != ERROR_FILE_NOT_FOUND;
}
