#include "updater/VersionCompare.h"

#include <array>
#include <climits>
#include <optional>

namespace version {
namespace {

using Parts = std::array<int, 4>;

// Digits to a number as atoi reads them, held at INT_MAX instead of overflowing.
int PartValue(const std::string& digits) {
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

std::optional<Parts> Parse(const std::string& text) {
    Parts parts{};
    size_t count = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == '.') { ++pos; continue; }
        size_t end = text.find('.', pos);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(pos, end - pos);
        if (count == parts.size()) return std::nullopt;
        for (char c : part) {
            if (c < '0' || c > '9') return std::nullopt;
        }
        parts[count++] = PartValue(part);
        pos = end;
    }
    if (count == 0) return std::nullopt;
    return parts;
}

}  // namespace

int Compare(const std::string& first, const std::string& second) {
    std::optional<Parts> a = Parse(first);
    if (!a) return kFirstInvalid;
    std::optional<Parts> b = Parse(second);
    if (!b) return kSecondInvalid;
    for (size_t i = 0; i < a->size(); ++i) {
        if ((*a)[i] != (*b)[i]) return (*a)[i] > (*b)[i] ? 1 : -1;
    }
    return 0;
}

bool IsNewer(const std::string& remote, const std::string& local) { return Compare(remote, local) == 1; }

}  // namespace version
