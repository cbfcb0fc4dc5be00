#include "shell/CommandToken.h"

std::string CommandToken(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-' || arg[0] == '/') continue;
        return arg;
    }
    return {};
}
