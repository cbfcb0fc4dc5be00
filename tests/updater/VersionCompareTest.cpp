#include "updater/VersionCompare.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    const char* remote;
    const char* local;
    int expected;
};

const VersionCase kCases[] = {
    // The update check's own examples.
    {"2.0.1.5", "2.0.1.4", 1},
    {"2.0.1.5", "2.0.1.5", 0},
    {"2.0.1.5", "2.0.2", -1},
    {"1.10", "1.9", 1},
    {"3", "2.9.9.9", 1},
    {"2.0", "2", 0},
    {"1.2", "1.2.0.0", 0},
    {"2.0a", "1.0", version::kFirstInvalid},
    {"2.0.0.0.1", "1.0", version::kFirstInvalid},
    {"3.0", "1.0.0.0.1", version::kSecondInvalid},
    {"3.0", "1.0b", version::kSecondInvalid},
    {"x", "y", version::kFirstInvalid},
    // Splitting at dots as strtok does.
    {"1..2", "1.2", 0},
    {".1.2.", "1.2", 0},
    {"...1", "1", 0},
    {"1.2.3.4.", "1.2.3.4", 0},
    {"1..2..3..4..5", "1", version::kFirstInvalid},
    {"", "1", version::kFirstInvalid},
    {"...", "1", version::kFirstInvalid},
    {"1", "", version::kSecondInvalid},
    // Only digits make a part.
    {" 1.2", "1.0", version::kFirstInvalid},
    {"1.2 ", "1.0", version::kFirstInvalid},
    {"-1", "0", version::kFirstInvalid},
    {"+2", "1", version::kFirstInvalid},
    {"1.0", "1,0", version::kSecondInvalid},
    // Parts are numbers, most significant first.
    {"01.2", "1.2", 0},
    {"2.0.0.1", "2.0.0.0", 1},
    {"1.9.9.9", "2", -1},
    {"0.0.0.0", "0", 0},
    {"99999999999", "2147483646", 1},
};

TEST(VersionCompare, Table) {
    for (const VersionCase& c : kCases) {
        EXPECT_EQ(version::Compare(c.remote, c.local), c.expected)
            << "'" << c.remote << "' against '" << c.local << "'";
    }
}

TEST(VersionCompare, OnlyAGreaterValidRemoteIsNewer) {
    for (const VersionCase& c : kCases) {
        EXPECT_EQ(version::IsNewer(c.remote, c.local), c.expected == 1)
            << "'" << c.remote << "' against '" << c.local << "'";
    }
}

}  // namespace
