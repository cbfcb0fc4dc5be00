#pragma once
// Decisions about a partial patch file left by an earlier run.
#include <optional>
#include <string>

// Preparation: a file of the patch size or larger is stale and goes; a smaller one is continued.
enum class ExistingPatch { None, Continue, Delete };
ExistingPatch DecideExistingPatch(std::optional<long long> existingLength, long long patchSize);

// What the answer to the range request means for the partial file.
enum class RangeAnswer {
    Continue,  // 206: the body continues at the file's length
    Restart,   // 200: the server sends the whole file; start it over from byte 0
    NotFound,  // anything else: keep the partial file, report the patch as not found
};
RangeAnswer DecideRangeAnswer(long status);

// "Range:bytes=<count>-"
std::string RangeHeader(long long byteCount);
