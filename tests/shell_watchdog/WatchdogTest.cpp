#include "shell/ProbePacer.h"
#include "shell/ProbeResults.h"
#include "shell/Watchdog.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// Records everything the watchdog does, in order, as short lines.
struct Recorder : IClock, IWatchdogLink, ITrayIcon, INetProbe {
    std::vector<std::string> events;
    std::deque<std::string> results;         // probe results, in turn; quit once used up
    std::deque<std::string> addresses;       // answers of OwnAddress, in turn
    std::vector<std::string> refusedDestinations;
    std::uint32_t now = 0;

    std::uint32_t NowMs() override { return now; }
    void SleepMs(std::uint32_t ms) override {
        now += ms;
        if (ms != CNetworkWatchdog::kPollMs) events.push_back("wait " + std::to_string(ms));
    }
    std::string OwnAddress() override {
        std::string a = addresses.empty() ? "10.0.0.9" : addresses.front();
        if (!addresses.empty()) addresses.pop_front();
        return a;
    }
    bool SetDestination(const std::string& address, unsigned port) override {
        for (const std::string& refused : refusedDestinations)
            if (refused == address) return false;
        events.push_back("to " + address + ":" + std::to_string(port));
        return true;
    }
    void SendLong(const char* text) override { events.push_back(std::string("send ") + text); }
    void SetTrayIcon(unsigned id) override { events.push_back("icon " + std::to_string(id)); }
    std::string Probe() override {
        events.push_back("probe " + results.front());
        results.pop_front();
        return events.back().substr(6);
    }
    bool Run() {
        CNetworkWatchdog watchdog(*this, *this, *this, *this);
        watchdog.Run([this] { return results.empty(); });
        return watchdog.IsOnline();
    }
};

const std::string kUnresolved = probe::kUnableToResolveHost;
const std::string kFine = probe::kInetConnFine;
const std::string kTimedOut = probe::kTimedOut;
const std::string kNoSocket = "WSASocket() failed: 10013";
const std::string kSendError = "sendto failed: 10051";

struct WatchdogCase {
    const char* name;
    std::vector<std::string> results;
    std::vector<std::string> addresses;  // the first is looked up when the thread starts
    std::vector<std::string> refused;
    std::vector<std::string> events;
    bool endsOnline;
};

class WatchdogTable : public testing::TestWithParam<WatchdogCase> {};

TEST_P(WatchdogTable, ProbeResultsToMessagesIconsAndWaits) {
    const WatchdogCase& c = GetParam();
    Recorder r;
    r.results.assign(c.results.begin(), c.results.end());
    r.addresses.assign(c.addresses.begin(), c.addresses.end());
    r.refusedDestinations = c.refused;
    EXPECT_EQ(r.Run(), c.endsOnline);
    EXPECT_EQ(r.events, c.events);
}

const WatchdogCase kWatchdogCases[] = {
    {"OnlineIgnoresAllButAFailedLookup",
     {kFine, kTimedOut, kNoSocket, kSendError, "recvfrom failed: 10054"},
     {},
     {},
     {"probe " + kFine, "probe " + kTimedOut, "probe " + kNoSocket, "probe " + kSendError,
      "probe recvfrom failed: 10054"},
     true},
    {"FailedLookupGoesOfflineWithTwoMessagesASecondApart",
     {kUnresolved},
     {"10.0.0.1", "10.0.0.2"},
     {},
     {"probe " + kUnresolved, "wait 1000", "to 10.0.0.2:7070", "send ORVANE_NETCONNECTION_FAILED",
      "icon 170", "wait 1000", "to 10.0.0.1:7070", "send ORVANE_NETCONNECTION_FAILED"},
     false},
    {"OfflineWaitsForAReplyThenResumesTwice",
     {kUnresolved, kUnresolved, kTimedOut, kNoSocket, kFine},
     {"10.0.0.1", "10.0.0.2", "10.0.0.3"},
     {},
     {"probe " + kUnresolved, "wait 1000", "to 10.0.0.2:7070", "send ORVANE_NETCONNECTION_FAILED",
      "icon 170", "wait 1000", "to 10.0.0.1:7070", "send ORVANE_NETCONNECTION_FAILED",
      "probe " + kUnresolved, "probe " + kTimedOut, "probe " + kNoSocket, "probe " + kFine,
      // The first RESUMED goes to the destination last set, the second to a fresh lookup.
      "send ORVANE_NETCONNECTION_RESUMED", "to 10.0.0.3:7070", "send ORVANE_NETCONNECTION_RESUMED",
      "icon 156"},
     true},
    {"BackOnlineALaterFailedLookupGoesOfflineAgain",
     {kUnresolved, kFine, kFine, kUnresolved},
     {"10.0.0.1"},
     {},
     {"probe " + kUnresolved, "wait 1000", "to 10.0.0.9:7070", "send ORVANE_NETCONNECTION_FAILED",
      "icon 170", "wait 1000", "to 10.0.0.1:7070", "send ORVANE_NETCONNECTION_FAILED",
      "probe " + kFine, "send ORVANE_NETCONNECTION_RESUMED", "to 10.0.0.9:7070",
      "send ORVANE_NETCONNECTION_RESUMED", "icon 156", "probe " + kFine,
      "probe " + kUnresolved, "wait 1000", "to 10.0.0.9:7070", "send ORVANE_NETCONNECTION_FAILED",
      "icon 170", "wait 1000", "to 10.0.0.1:7070", "send ORVANE_NETCONNECTION_FAILED"},
     false},
    {"SendsWhoseDestinationFailsAreSkippedStateStillChanges",
     {kUnresolved, kFine},
     {"0.0.0.0", "0.0.0.0", "0.0.0.0"},
     {"0.0.0.0"},
     {"probe " + kUnresolved, "wait 1000", "icon 170", "wait 1000", "probe " + kFine,
      "send ORVANE_NETCONNECTION_RESUMED", "icon 156"},
     true},
    {"QuitBeforeTheFirstProbeEndsAtOnce", {}, {}, {}, {}, true},
};
INSTANTIATE_TEST_SUITE_P(Cases, WatchdogTable, testing::ValuesIn(kWatchdogCases),
                         [](const testing::TestParamInfo<WatchdogCase>& info) { return info.param.name; });

TEST(Watchdog, WaitsOneMillisecondBeforeEveryProbe) {
    Recorder r;
    r.results = {kTimedOut, kTimedOut, kTimedOut};
    r.Run();
    EXPECT_EQ(r.now, 3u);
}

// A clock whose time moves only when slept on, or when the test moves it.
struct ManualClock : IClock {
    std::uint32_t now;
    std::vector<std::uint32_t> sleeps;
    explicit ManualClock(std::uint32_t start) : now(start) {}
    std::uint32_t NowMs() override { return now; }
    void SleepMs(std::uint32_t ms) override { sleeps.push_back(ms); now += ms; }
};

TEST(ProbePacer, StartsAtMostTwiceASecond) {
    struct Step {
        std::uint32_t workMs;  // time spent in the probe after its start
        std::vector<std::uint32_t> sleeps;  // what the next turn waits
    };
    const Step steps[] = {
        {10, {490}},   // a probe that timed out after 10 ms waits out the rest of 500 ms
        {501, {}},     // a reply plus its 500 ms pause: the next one may start at once
        {500, {}},
        {0, {500}},
        {499, {1}},
    };
    // Starts just before the tick wraps, so the spacing is checked across the wrap too.
    ManualClock clock(0xFFFFFF00u);
    CProbePacer pacer(clock);
    pacer.WaitForTurn();
    EXPECT_TRUE(clock.sleeps.empty());  // the first probe starts at once
    for (const Step& s : steps) {
        clock.now += s.workMs;
        clock.sleeps.clear();
        pacer.WaitForTurn();
        EXPECT_EQ(clock.sleeps, s.sleeps) << "after " << s.workMs << " ms of work";
    }
}

}  // namespace
