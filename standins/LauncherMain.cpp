// Zelvosvr.exe and ZelvoLauncher.exe: the engine's two launcher programs. Both record their
// start; Zelvosvr.exe (built with ZELVO_LAUNCHER_STARTS_ENGINE) also starts the stand-in
// engine beside it unless an engine frame is already up.
#include <windows.h>

#include "ModulePath.h"
#include "EngineProtocol.h"
#include "StandinHandles.h"
#include "StandinLog.h"
#include "StandinRecord.h"

namespace {

#ifdef ZELVO_LAUNCHER_STARTS_ENGINE
void StartEngine() {
    using namespace standin;
    if (::FindWindowA(kEngineFrameClass, nullptr)) {
        AppendLogRecord("launchers.log", "Zelvosvr.exe engine-already-up");
        return;
    }
    std::string exe = FolderOf(ModulePath()) + "\\EngineStandin.exe";
    std::string commandLine = "\"" + exe + "\"";
    std::string args = EnvironmentValue("ZELVO_ENGINE_ARGS");
    if (!args.empty()) commandLine += " " + args;

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &si, &pi)) {
        AppendLogRecord("launchers.log", "Zelvosvr.exe engine-failed error=" +
                                             std::to_string(::GetLastError()));
        return;
    }
    CKernelHandle process(pi.hProcess), thread(pi.hThread);
    AppendLogRecord("launchers.log", "Zelvosvr.exe engine pid=" + std::to_string(pi.dwProcessId));
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace standin;
    AppendLogRecord("launchers.log", FileNameOf(ModulePath()) + " started args=" +
                                         EscapeControls(CommandLineTail(::GetCommandLineA())));
#ifdef ZELVO_LAUNCHER_STARTS_ENGINE
    StartEngine();
#endif
    return 0;
}
