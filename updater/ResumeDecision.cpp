#include "updater/ResumeDecision.h"

#include <cstdio>

#include "updater/UpdateTexts.h"

ExistingPatch DecideExistingPatch(std::optional<long long> existingLength, long long patchSize) {
    if (!existingLength) return ExistingPatch::None;
    return *existingLength >= patchSize ? ExistingPatch::Delete : ExistingPatch::Continue;
}

RangeAnswer DecideRangeAnswer(long status) {
    switch (status) {
    case 206: return RangeAnswer::Continue;
    case 200: return RangeAnswer::Restart;
    default: return RangeAnswer::NotFound;
    }
}

std::string RangeHeader(long long byteCount) {
    char header[64];
    std::snprintf(header, sizeof header, updatetext::kRangeHeaderFormat, static_cast<int>(byteCount));
    return header;
}
