// BrowserRecorder.exe / iexplore.exe: a default web browser that only records how it was
// started.
#include <windows.h>

#include "ModulePath.h"
#include "StandinLog.h"
#include "StandinRecord.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace standin;
    AppendLogRecord("browser.log", "exe=" + FileNameOf(ModulePath()) +
                                       " args=" + EscapeControls(CommandLineTail(::GetCommandLineA())));
    return 0;
}
