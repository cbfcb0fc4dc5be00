#pragma once
// The programs the shell starts: all by bare file name, hidden, without arguments.

namespace launcher {

constexpr char kServerProgram[] = "Zelvosvr.exe";         // at start-up, after the splash
constexpr char kLauncherProgram[] = "ZelvoLauncher.exe";  // from the launcher thread, right after
constexpr char kUpdaterProgram[] = "ZelvoUpdate.exe";     // once the engine's frame exists

constexpr char kFilesMissingText[] = "Installed files missing!!!\r\n\r\nPlease reinstall.";
constexpr char kUpdaterMissingCaption[] = "Zelvo Phone Error";

// Starts the program hidden; false only when its file is not found (any other result of the
// start counts as started).
bool StartHiddenProgram(const char* fileName);

}  // namespace launcher
