#include "updater/PatchDigest.h"

#include <gtest/gtest.h>

namespace {

const std::string kDigest = "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";

TEST(PatchDigest, StartOnlyWhenThePublishedDigestMatches) {
    std::string upper = kDigest;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string other = kDigest;
    other[63] = '9';
    struct Case {
        std::string published;
        std::string actual;
        bool allowed;
    };
    const Case cases[] = {
        {"", "", true},                      // nothing published: started as before
        {"", kDigest, true},
        {kDigest, kDigest, true},
        {upper, kDigest, true},              // hex digits in either case
        {kDigest, other, false},
        {kDigest, "", false},                // digest could not be computed
        {kDigest.substr(1), kDigest.substr(1), false},  // 63 digits is no digest
        {kDigest + "0", kDigest + "0", false},
        {std::string(64, 'g'), std::string(64, 'g'), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DigestAllowsStart(c.published, c.actual), c.allowed) << c.published << " / " << c.actual;
    }
    EXPECT_TRUE(IsSha256Hex(kDigest));
    EXPECT_FALSE(IsSha256Hex(" " + kDigest.substr(1)));
}

}  // namespace
