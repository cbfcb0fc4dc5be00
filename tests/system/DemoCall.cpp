// The demo's call: the stand-in engine rings a real shell, the handset answers and hangs up.
// Prints the datagrams both ways and the handset calls; waits for a screenshot before ending.
//   demo_call.exe READY_FILE DONE_FILE
#include <cstdio>
#include <string>

#include "ShellProcess.h"

namespace {

std::string Printable(const std::string& bytes) {
    std::size_t end = bytes.find('\0');
    std::string text = bytes.substr(0, end);
    if (end != std::string::npos) text += " + " + std::to_string(bytes.size() - end) + " zero bytes";
    return text;
}

void EngineRequest(const std::string& text) {
    std::printf("engine -> shell  :7072  \"%s\" (%zu bytes)\n", text.c_str(), text.size());
    EngineSend(text);
}

void ShowNewCalls(const std::string& dir, std::size_t& seen) {
    WaitUntil([&] { return ReadHandsetCalls(dir).size() > seen; }, 5000);
    ::Sleep(200);
    auto calls = ReadHandsetCalls(dir);
    for (; seen < calls.size(); ++seen) {
        const auto& c = calls[seen];
        std::printf("  shell -> handset  YL_DeviceIoControl(0x%04X%s)\n", c.code,
                    c.text.empty() ? "" : (", \"" + c.text + "\", " + std::to_string(c.args[2])).c_str());
    }
}

void HandsetEventToEngine(const std::string& dir, uint32_t kind, const char* what, std::size_t& seen) {
    std::printf("handset -> shell  event %u (%s)\n", kind, what);
    HandsetInject(kind, 0);
    WaitUntil([&] { return ReadEngineDatagrams(dir).size() > seen; }, 5000);
    auto datagrams = ReadEngineDatagrams(dir);
    for (; seen < datagrams.size(); ++seen)
        std::printf("  shell -> engine :7070  \"%s\" (%zu bytes from %s)\n", Printable(datagrams[seen].bytes).c_str(),
                    datagrams[seen].bytes.size(), datagrams[seen].from_ip.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    CShellRun run;
    if (!run.Start()) {
        std::fprintf(stderr, "engine and shell did not come up\n");
        return 1;
    }
    std::size_t calls = ReadHandsetCalls(run.LogDir()).size(), datagrams = 0;
    std::printf("shell started, handset opened (YL_DeviceIoControl(0x0000) returned 1)\n\n");

    EngineRequest("ORVANE_MESSAGE_USBSELECTRING:3");
    ShowNewCalls(run.LogDir(), calls);
    EngineRequest("ORVANE_MESSAGE_INCOMING:Alice");
    ShowNewCalls(run.LogDir(), calls);
    HandsetEventToEngine(run.LogDir(), 12, "answer", datagrams);
    ::Sleep(1500);
    HandsetEventToEngine(run.LogDir(), 13, "hang up", datagrams);
    EngineRequest("ORVANE_MESSAGE_USBRINGSTOP");
    ShowNewCalls(run.LogDir(), calls);
    std::fflush(stdout);

    if (FILE* ready = std::fopen(argv[1], "w")) std::fclose(ready);
    WaitUntil([&] { return ::GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES; }, 30000);
    return 0;
}
