#include "updater/ResumeDecision.h"

#include <gtest/gtest.h>

namespace {

TEST(ResumeDecision, ExistingFileAgainstPatchSize) {
    struct Case {
        std::optional<long long> length;
        long long patchSize;
        ExistingPatch expected;
    };
    const Case cases[] = {
        {std::nullopt, 1000000, ExistingPatch::None},
        {0, 1000000, ExistingPatch::Continue},
        {300000, 1000000, ExistingPatch::Continue},
        {999999, 1000000, ExistingPatch::Continue},
        {1000000, 1000000, ExistingPatch::Delete},
        {1000001, 1000000, ExistingPatch::Delete},
        {0, 0, ExistingPatch::Delete},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideExistingPatch(c.length, c.patchSize), c.expected)
            << (c.length ? std::to_string(*c.length) : "no file") << " of " << c.patchSize;
    }
}

TEST(ResumeDecision, RangeAnswerStatus) {
    const std::pair<long, RangeAnswer> cases[] = {
        {206, RangeAnswer::Continue}, {200, RangeAnswer::Restart},  {416, RangeAnswer::NotFound},
        {404, RangeAnswer::NotFound}, {500, RangeAnswer::NotFound}, {0, RangeAnswer::NotFound},
    };
    for (const auto& [status, expected] : cases) EXPECT_EQ(DecideRangeAnswer(status), expected) << status;
}

TEST(ResumeDecision, RangeHeaderCarriesTheByteCount) {
    EXPECT_EQ(RangeHeader(300000), "Range:bytes=300000-");
    EXPECT_EQ(RangeHeader(0), "Range:bytes=0-");
}

}  // namespace
