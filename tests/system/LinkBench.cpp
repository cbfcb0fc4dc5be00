// Latency of the control link through a real shell: an engine request datagram to the handset
// library call it causes, and an injected handset event to the engine's receipt of its message.
// Prints `name: value unit` lines.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "LogTail.h"
#include "ShellProcess.h"

namespace {

constexpr int kMessages = 1000;

// Waits for the next line of `tail` that holds `needle` and returns its t= time; -1 on timeout.
int64_t NextRecordTime(CLogTail& tail, const std::string& needle, int timeoutMs) {
    const int64_t end = NowUs() + timeoutMs * 1000LL;
    while (NowUs() < end) {
        for (const std::string& line : tail.NewLines())
            if (line.find(needle) != std::string::npos) return std::stoll(line.substr(2));
        ::Sleep(0);
    }
    return -1;
}

void Report(const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s.median_ms: %.3f ms\n", name, ms[ms.size() / 2]);
    std::printf("%s.p99_ms: %.3f ms\n", name, ms[ms.size() * 99 / 100]);
}

}  // namespace

int main() {
    CShellRun run;
    if (!run.Start()) {
        std::fprintf(stderr, "engine and shell did not come up\n");
        return 1;
    }
    CLogTail calls(run.LogDir() + "\\handset-calls.log");
    CLogTail received(run.LogDir() + "\\engine-received.log");
    CLogTail injected(run.LogDir() + "\\handset-events.log");
    calls.NewLines();
    received.NewLines();

    std::vector<double> requestToHandset, handsetToEngine;
    for (int i = 0; i < kMessages; ++i) {
        const int64_t sent = NowUs();
        if (!EngineSend("ORVANE_MESSAGE_USBRINGSTOP")) return 1;
        const int64_t called = NextRecordTime(calls, "code=0x1002", 5000);
        if (called < 0) return 1;
        requestToHandset.push_back((called - sent) / 1000.0);
    }
    for (int i = 0; i < kMessages; ++i) {
        if (!HandsetInject(12, 0)) return 1;
        const int64_t event = NextRecordTime(injected, "kind=12", 5000);
        const int64_t arrived = NextRecordTime(received, "len=256", 5000);
        if (event < 0 || arrived < 0) return 1;
        handsetToEngine.push_back((arrived - event) / 1000.0);
    }
    Report("link.request_to_handset", requestToHandset);
    Report("link.handset_to_engine", handsetToEngine);
    std::printf("link.messages: %d count\n", kMessages);
    return 0;
}
