#include "shell/BrowserLaunch.h"

#include <algorithm>
#include <cctype>

std::string ReduceBrowserCommand(const std::string& command) {
    std::size_t first = command.find('"');
    if (first != std::string::npos) {
        std::size_t last = command.rfind('"');
        return first == last ? command : command.substr(first + 1, last - first - 1);
    }
    std::size_t backslash = command.rfind('\\');
    if (backslash == std::string::npos || backslash == 0) return command;
    std::size_t blank = command.find(' ', backslash);
    return blank == std::string::npos ? command : command.substr(0, blank);
}

bool IsWebAddress(const std::string& address) {
    auto startsWithNoCase = [&address](const std::string& scheme) {
        return address.size() > scheme.size() &&
               std::equal(scheme.begin(), scheme.end(), address.begin(),
                          [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    };
    if (!startsWithNoCase("http://") && !startsWithNoCase("https://")) return false;
    return std::none_of(address.begin(), address.end(), [](char c) {
        return c == '"' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
}

BrowserLaunch PlanBrowserLaunch(const std::string& command, const std::string& address) {
    BrowserLaunch launch;
    if (!IsWebAddress(address)) return launch;
    std::string program = command.empty() ? command : ReduceBrowserCommand(command);
    std::string testCopy;
    std::copy_if(program.begin(), program.end(), std::back_inserter(testCopy),
                 [](char c) { return c != '\\' && c != ' '; });
    if (testCopy.find("iexplore.exe") == std::string::npos) {
        launch.kind = BrowserLaunch::Kind::OpenVerb;
        launch.file = address;
    } else {
        launch.kind = BrowserLaunch::Kind::Program;
        launch.file = program;
        launch.parameters = "\"" + address + "\"";
    }
    return launch;
}
