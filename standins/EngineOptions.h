#pragma once
// Command-line options of the stand-in engine.
#include <string>
#include <string_view>
#include <vector>

namespace standin {

struct EngineOptions {
    int frameDelayMs = 0;   // --frame-delay MS
    int serverDelayMs = 0;  // --server-delay MS
    bool server = true;     // cleared by --no-server
    std::vector<std::string> ignored;  // words that are no option, or a delay without a number
};

EngineOptions ParseEngineOptions(std::string_view commandTail);

}  // namespace standin
