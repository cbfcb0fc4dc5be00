#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "shell/CommandToken.h"
#include "shell/LifecycleFlags.h"
#include "shell/NavigationSound.h"

namespace {

TEST(CommandToken, IsTheFirstArgumentThatIsNoOption) {
    const struct {
        std::vector<const char*> argv;
        const char* token;
    } cases[] = {
        {{"ZelvoPhone.exe"}, ""},
        {{"ZelvoPhone.exe", "SHOWORVANEONLINE"}, "SHOWORVANEONLINE"},
        {{"ZelvoPhone.exe", "/embedding", "-x", "STOPZELVOMEDIA", "HIDE_ZELVOMEDIA"}, "STOPZELVOMEDIA"},
        {{"ZelvoPhone.exe", "-SHOWORVANEONLINE"}, ""},
        {{"ZelvoPhone.exe", "", "SHOWZELVOBROWSER"}, ""},  // an empty quoted argument is no option
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandToken(static_cast<int>(c.argv.size()), c.argv.data()), c.token) << c.argv.size();
    }
}

TEST(LifecycleFlags, AWaitEndsAsSoonAsEitherFlagChanges) {
    using Clock = std::chrono::steady_clock;
    for (bool quit : {false, true}) {
        CLifecycleFlags flags;
        flags.SetRunning();
        EXPECT_TRUE(flags.WaitWhileRunning(1)) << "still running after a short wait";
        std::thread other([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            quit ? flags.SetQuit() : flags.ClearRunning();
        });
        const auto start = Clock::now();
        EXPECT_FALSE(flags.WaitWhileRunning(20000));
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(5)) << quit;
        other.join();
        EXPECT_EQ(flags.QuitRequested(), quit);
        EXPECT_EQ(flags.Running(), quit);
    }
}

TEST(NavigationSound, DefaultSoundOnlyOnWindowsXpAnd2000) {
    const struct {
        unsigned major, minor;
        const char* sound;
    } cases[] = {
        {5, 1, "Windows XP Start.wav"}, {5, 0, "Start.wav"}, {5, 2, nullptr},
        {4, 0, nullptr}, {6, 1, nullptr}, {10, 0, nullptr},
    };
    for (const auto& c : cases) {
        const char* sound = DefaultNavigationSound(c.major, c.minor);
        EXPECT_STREQ(sound, c.sound) << c.major << "." << c.minor;
    }
}

}  // namespace
