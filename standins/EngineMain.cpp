// EngineStandin.exe: plays the outside VoIP engine for development, the demo and tests.
#include <windows.h>

#include "EngineApp.h"
#include "StandinLog.h"
#include "StandinRecord.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace standin;
    AppendLogRecord("engine-events.log", "started pid=" + std::to_string(::GetCurrentProcessId()));
    CEngineApp app(instance, ParseEngineOptions(CommandLineTail(::GetCommandLineA())));
    int code = app.Start() ? app.Run() : 1;
    AppendLogRecord("engine-events.log", "exit");
    return code;
}
