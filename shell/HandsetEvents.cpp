#include "shell/HandsetEvents.h"

#include "shell/ControlMessages.h"

namespace handset {

std::string FormatKeyCode(std::uint32_t data) {
    static const char kDigits[] = "0123456789ABCDEF";
    unsigned low = data & 0xFF;
    return {kDigits[low >> 4], kDigits[low & 0xF], ':'};
}

std::optional<EngineMessage> MessageForEvent(std::uint32_t kind, std::uint32_t data, const char* number) {
    switch (kind) {
    case kNumber:
        return EngineMessage{control::TelephoneNumberMessage(number ? number : ""), true};
    case kKey: {
        static const struct { const char* key; const char* text; } kKeys[] = {
            {"91:", control::kStartDialing}, {"8F:", control::kNavigateTabs},
            {"8D:", control::kScrollDown}, {"8E:", control::kScrollUp},
        };
        const std::string key = FormatKeyCode(data);
        for (const auto& entry : kKeys)
            if (key == entry.key) return EngineMessage{entry.text, false};
        return std::nullopt;
    }
    case kAnswer:
        return EngineMessage{control::kAnswer, false};
    case kHangup:
        return EngineMessage{control::kHangup, false};
    default:
        return std::nullopt;
    }
}

}  // namespace handset
