#include "shell/EngineRequests.h"

#include <algorithm>
#include <climits>

#include "shell/ControlMessages.h"

std::string TextAfterFirstColon(const std::string& text) {
    std::size_t colon = text.find(':');
    return colon == std::string::npos ? text : text.substr(colon + 1);
}

int AsciiToInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void DispatchEngineRequest(const char* data, int length, IEngineRequestHandler& handler) {
    if (length <= 0) return;
    std::string text(data, static_cast<std::size_t>(length));
    text.resize(std::min(text.find('\0'), text.size()));
    const std::string rest = TextAfterFirstColon(text);
    auto holds = [&text](const char* keyword) { return text.find(keyword) != std::string::npos; };

    if (holds(control::kOpenUrl)) handler.OpenAddress(rest);
    if (holds(control::kIncoming) && handler.IsHandsetOpen()) handler.RingHandset(rest);
    if (holds(control::kRingStop) && handler.IsHandsetOpen()) handler.StopRinging();
    if (holds(control::kSelectRing) && handler.IsHandsetOpen())
        handler.SelectRingTone(static_cast<std::uint8_t>(AsciiToInt(rest) & 0xFF));
}

bool IsLocalSource(std::uint32_t source, const std::vector<std::uint32_t>& ownAddresses) {
    if ((source >> 24) == 127) return true;
    return std::find(ownAddresses.begin(), ownAddresses.end(), source) != ownAddresses.end();
}
