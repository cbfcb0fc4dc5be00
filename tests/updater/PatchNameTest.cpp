#include "updater/PatchName.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    std::string name;
    bool valid;
};

TEST(PatchName, OnlyPlainFileNamesAreAccepted) {
    const NameCase cases[] = {
        {"ZelvoPatch.exe", true},
        {"patch-2.0.1.5.exe", true},
        {"a", true},
        {"my patch.exe", true},
        {".exe", true},
        {"", false},
        {"..", false},
        {"a..exe", false},
        {"..\\system32\\evil.exe", false},
        {"dir\\patch.exe", false},
        {"dir/patch.exe", false},
        {"C:patch.exe", false},
        {"patch.exe:stream", false},
        {"patch\r\n.exe", false},
        {"patch\t.exe", false},
        {std::string("pa\0tch.exe", 10), false},
        {"patch\x7f.exe", false},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(IsValidPatchName(c.name), c.valid) << "'" << c.name << "'";
    }
}

}  // namespace
