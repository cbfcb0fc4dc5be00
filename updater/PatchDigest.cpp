#include "updater/PatchDigest.h"

#include <cctype>

bool IsSha256Hex(const std::string& text) {
    if (text.size() != 64) return false;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

bool DigestAllowsStart(const std::string& publishedHex, const std::string& actualHex) {
    if (publishedHex.empty()) return true;
    if (!IsSha256Hex(publishedHex) || !IsSha256Hex(actualHex)) return false;
    for (size_t i = 0; i < publishedHex.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(publishedHex[i])) !=
            std::tolower(static_cast<unsigned char>(actualHex[i])))
            return false;
    }
    return true;
}
