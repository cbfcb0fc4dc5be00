#pragma once
// Helpers for Windows-side tests that drive and observe the stand-ins (EngineStandin.exe, the
// launchers, YLUSBTEL.dll, the browser recorder). Link zelvo_standin_client.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ChildProcess.h"

// Microseconds from QueryPerformanceCounter, the clock of every record's t=.
int64_t NowUs();

// Polls pred every 10 ms until it holds or timeout_ms have passed; true when it held.
template <class F>
bool WaitUntil(F pred, int timeout_ms) {
    int64_t end = NowUs() + static_cast<int64_t>(timeout_ms) * 1000;
    for (;;) {
        if (pred()) return true;
        if (NowUs() >= end) return false;
        ::Sleep(10);
    }
}

// The folder of the running test program (where every built program lies).
std::string BinDir();
// A new empty folder under the temporary folder, for one test's logs.
std::string MakeTempLogDir();

// ---- Logs ----
struct StandinEvent {
    int64_t t_us = 0;
    std::string what;  // the record after "t=<us> "
};
struct EngineDatagram {
    int64_t t_us = 0;
    std::string bytes;
    std::string from_ip;
    int from_port = 0;
};
struct HandsetCall {
    int64_t t_us = 0;
    uint32_t tid = 0;
    uint32_t code = 0;
    uint32_t args[6] = {};  // args[0] is the code
    std::string text;       // code 0x1003: the text at the 2nd argument
    int byte = -1;          // code 0x1008: the byte at the 2nd argument; -1 otherwise
};
struct HandsetEvent {
    int64_t t_us = 0;
    uint32_t kind = 0;
    uint32_t data = 0;  // as passed to the callback (kind 10: the address of the text's copy)
    std::string text;
};

// Whole lines of a log file in dir (a last line still being written is left out).
std::vector<std::string> ReadLogLines(const std::string& dir, const std::string& file);
// Records of any log file, as time and text.
std::vector<StandinEvent> ReadRecords(const std::string& dir, const std::string& file);
// engine-events.log
std::vector<StandinEvent> ReadEvents(const std::string& dir);
// engine-received.log
std::vector<EngineDatagram> ReadEngineDatagrams(const std::string& dir);
// handset-calls.log
std::vector<HandsetCall> ReadHandsetCalls(const std::string& dir);
// handset-events.log
std::vector<HandsetEvent> ReadHandsetEvents(const std::string& dir);
// True when some record of the file has exactly this text after its time.
bool HasRecord(const std::string& dir, const std::string& file, const std::string& what);

// ---- Engine ----
HWND FindEngineFrame();
HWND FindEngineServer();
HWND FindEngineControl();
// Each sends one command to the engine's control window and is true when it was carried out.
bool EngineSend(const std::string& bytes);  // one datagram from 7070 to 127.0.0.1:7072
bool EngineCloseFrame();
bool EngineCloseServer();
bool EngineMinimise();
bool EngineHide();
// A child of the frame titled `title` holding a hidden button `id` captioned "NULL". A title
// "Parent/Child" puts Child inside the frame's child Parent ("ZelvoMedia/OrvaneOnline"); id 0
// makes the window without a button.
bool EngineAddMailbox(const std::string& title, int id);
// Writes `mailbox <title> <id> <caption>` for each mailbox to engine-events.log.
bool EngineDumpMailboxes();
// Ends the engine's message loop as WM_QUIT to the frame does (works without a frame too).
bool EngineQuit();

// ---- Handset ----
// Delivers one handset event through the library's callback (on the library's thread).
bool HandsetInject(uint32_t kind, uint32_t data, const std::string& text = "");
