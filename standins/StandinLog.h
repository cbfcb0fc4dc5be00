#pragma once
// Records of the stand-ins: one line per record, appended with the file opened and closed for
// each, so that a reader in another process only ever sees whole lines.
#include <cstdint>
#include <string>

// Microseconds from QueryPerformanceCounter, which Wine keeps system-wide, so times taken in
// different processes compare.
int64_t NowUs();

namespace standin {

// The folder named by ZELVO_STANDIN_LOG_DIR, read afresh at every call, or the current one.
std::string LogDir();

// Appends `t=<now> <text>` and a line end to the file of that name in LogDir().
bool AppendLogRecord(const char* fileName, const std::string& text);

// The value of an environment variable, empty when unset.
std::string EnvironmentValue(const char* name);

}  // namespace standin
