#include "EngineOptions.h"

#include <cstdlib>

namespace standin {

namespace {

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        size_t start = pos;
        while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t') ++pos;
        if (pos > start) words.emplace_back(text.substr(start, pos - start));
    }
    return words;
}

// A delay in milliseconds: decimal digits only, at most a day.
bool ParseDelay(const std::string& word, int& ms) {
    if (word.empty() || word.size() > 8) return false;
    for (char c : word)
        if (c < '0' || c > '9') return false;
    int value = std::atoi(word.c_str());
    if (value > 86400000) return false;
    ms = value;
    return true;
}

}  // namespace

EngineOptions ParseEngineOptions(std::string_view commandTail) {
    EngineOptions options;
    std::vector<std::string> words = SplitWords(commandTail);
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        int* delay = word == "--frame-delay"    ? &options.frameDelayMs
                     : word == "--server-delay" ? &options.serverDelayMs
                                                : nullptr;
        if (delay) {
            if (i + 1 < words.size() && ParseDelay(words[i + 1], *delay))
                ++i;
            else
                options.ignored.push_back(word);
        } else if (word == "--no-server") {
            options.server = false;
        } else {
            options.ignored.push_back(word);
        }
    }
    return options;
}

}  // namespace standin
