#include "updater/UpdateDecision.h"

#include <gtest/gtest.h>

#include "updater/UpdateTexts.h"

namespace {

using namespace updatetext;

TEST(UpdateDecision, OnlyANewerVersionWithAPlainPatchNameIsRequired) {
    struct Case {
        const char* remote;
        const char* local;
        const char* patchName;
        const char* expected;
    };
    const Case cases[] = {
        {"2.0.1.5", "2.0.1.4", "ZelvoPatch.exe", kUpdateRequired},
        {"1.10", "1.9", "p.exe", kUpdateRequired},
        {"2.0.1.5", "2.0.1.5", "ZelvoPatch.exe", kUpdateNotRequired},
        {"2.0.1.3", "2.0.1.4", "ZelvoPatch.exe", kUpdateNotRequired},
        {"", "2.0.1.4", "ZelvoPatch.exe", kUpdateNotRequired},   // no version published
        {"2.0.1.5", "", "ZelvoPatch.exe", kUpdateNotRequired},   // installed version unknown
        {"2.0.1.5", "2.0.1.4", "", kUpdateNotRequired},
        {"2.0.1.5", "2.0.1.4", "..\\ZelvoPatch.exe", kUpdateNotRequired},
        {"2.0.1.5", "2.0.1.4", "C:\\evil.exe", kUpdateNotRequired},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(DecideUpdate(c.remote, c.local, c.patchName), c.expected)
            << c.remote << " / " << c.local << " / " << c.patchName;
    }
}

}  // namespace
