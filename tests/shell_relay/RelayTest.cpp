#include "shell/MailboxRules.h"
#include "shell/RelayTargets.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A desktop of named windows: the engine frame, its children by title, controls by id.
struct FakeDesktop : IRelayWindows {
    bool frame = true, media = true, tv = true, mediaMailbox = true, tvMailbox = true;
    std::vector<std::string> delivered;  // "window-name=text"
    std::vector<std::string> lookups;

    static constexpr Window kFrame = 1, kMedia = 2, kTv = 3, kMediaBox = 4, kTvBox = 5;
    Window FindEngineFrame() override {
        lookups.push_back("frame");
        return frame ? kFrame : Window{0};
    }
    Window FindChildByTitle(Window parent, const char* title) override {
        lookups.push_back(std::to_string(parent) + "/" + title);
        if (parent == kFrame && std::string(title) == "ZelvoMedia") return media ? kMedia : Window{0};
        if (parent == kMedia && std::string(title) == "OrvaneOnline") return tv ? kTv : Window{0};
        return 0;
    }
    Window FindControl(Window parent, int id) override {
        lookups.push_back(std::to_string(parent) + "#" + std::to_string(id));
        if (parent == kMedia && id == 1035) return mediaMailbox ? kMediaBox : Window{0};
        if (parent == kTv && id == 1014) return tvMailbox ? kTvBox : Window{0};
        return 0;
    }
    void SetText(Window window, const char* text) override {
        delivered.push_back((window == kMediaBox ? "media=" : window == kTvBox ? "tv=" : "other=") +
                            std::string(text));
    }
};

enum class Missing { None, Frame, Media, Tv, MediaMailbox, TvMailbox };

struct RelayCase {
    const char* token;
    Missing missing;
    RelayOutcome outcome;
    const char* message;  // null: none
    const char* delivered;  // null: nothing
};

class RelayTable : public testing::TestWithParam<RelayCase> {};

TEST_P(RelayTable, TokenReachesItsMailboxOrReportsTheMissingStep) {
    const RelayCase& c = GetParam();
    FakeDesktop desktop;
    desktop.frame = c.missing != Missing::Frame;
    desktop.media = c.missing != Missing::Media;
    desktop.tv = c.missing != Missing::Tv;
    desktop.mediaMailbox = c.missing != Missing::MediaMailbox;
    desktop.tvMailbox = c.missing != Missing::TvMailbox;

    const RelayResult result = RelayCommandToken(c.token, desktop);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_STREQ(result.message, c.message);
    const std::vector<std::string> expected =
        c.delivered ? std::vector<std::string>{c.delivered} : std::vector<std::string>{};
    EXPECT_EQ(desktop.delivered, expected);
}

const RelayCase kRelayCases[] = {
    {"SHOWORVANEONLINE", Missing::None, RelayOutcome::Delivered, nullptr, "media=SHOWORVANEONLINE"},
    {"SHOWZELVOBROWSER", Missing::None, RelayOutcome::Delivered, nullptr, "media=SHOWZELVOBROWSER"},
    {"HIDE_ZELVOMEDIA", Missing::None, RelayOutcome::Delivered, nullptr, "media=HIDE_ZELVOMEDIA"},
    {"STOPZELVOMEDIA", Missing::None, RelayOutcome::Delivered, nullptr, "tv=STOPZELVOMEDIA"},
    // The TV panel is not needed by the media tokens.
    {"SHOWORVANEONLINE", Missing::Tv, RelayOutcome::Delivered, nullptr, "media=SHOWORVANEONLINE"},

    {"SHOWORVANEONLINE", Missing::Frame, RelayOutcome::Missing, "NOT FOUND1", nullptr},
    {"SHOWZELVOBROWSER", Missing::Media, RelayOutcome::Missing, "NOT FOUND2", nullptr},
    {"HIDE_ZELVOMEDIA", Missing::MediaMailbox, RelayOutcome::Missing, "NOT FOUND4", nullptr},
    {"STOPZELVOMEDIA", Missing::Frame, RelayOutcome::Missing, nullptr, nullptr},
    {"STOPZELVOMEDIA", Missing::Media, RelayOutcome::Missing, nullptr, nullptr},
    {"STOPZELVOMEDIA", Missing::Tv, RelayOutcome::Missing, nullptr, nullptr},
    {"STOPZELVOMEDIA", Missing::TvMailbox, RelayOutcome::Missing, nullptr, nullptr},

    // Only the exact token relays; anything else is a plain start.
    {"showorvaneonline", Missing::None, RelayOutcome::NotRelayed, nullptr, nullptr},
    {"SHOWORVANEONLINEX", Missing::None, RelayOutcome::NotRelayed, nullptr, nullptr},
    {"SHOWORVANEONLIN", Missing::None, RelayOutcome::NotRelayed, nullptr, nullptr},
    {"HIDEONLINE", Missing::None, RelayOutcome::NotRelayed, nullptr, nullptr},
    {"", Missing::Frame, RelayOutcome::NotRelayed, nullptr, nullptr},
};
INSTANTIATE_TEST_SUITE_P(Cases, RelayTable, testing::ValuesIn(kRelayCases));

TEST(Relay, FindsPanelsAmongTheFramesDirectChildrenInOrder) {
    FakeDesktop desktop;
    RelayCommandToken("STOPZELVOMEDIA", desktop);
    const std::vector<std::string> expected = {"frame", "1/ZelvoMedia", "2/OrvaneOnline", "3#1014"};
    EXPECT_EQ(desktop.lookups, expected);

    FakeDesktop none;
    RelayCommandToken("not a token", none);
    EXPECT_TRUE(none.lookups.empty());  // an unknown token looks for nothing
}

struct MailboxCase {
    const CMailboxRules* rules;
    const char* caption;
    const char* match;  // null: ignored
    bool reset;
};

TEST(MailboxRules, WholeCaptionMatchesAndResetRules) {
    const MailboxCase cases[] = {
        {&kMediaMailboxRules, "SHOWORVANEONLINE", "SHOWORVANEONLINE", true},
        {&kMediaMailboxRules, "SHOWZELVOBROWSER", "SHOWZELVOBROWSER", true},
        {&kMediaMailboxRules, "HIDE_ZELVOMEDIA", "HIDE_ZELVOMEDIA", false},
        {&kMediaMailboxRules, "NULL", nullptr, false},
        {&kMediaMailboxRules, "STOPZELVOMEDIA", nullptr, false},  // a TV token
        {&kMediaMailboxRules, "SHOWORVANEONLINE ", nullptr, false},
        {&kMediaMailboxRules, "showzelvobrowser", nullptr, false},
        {&kTvMailboxRules, "HIDEONLINE", "HIDEONLINE", true},
        {&kTvMailboxRules, "SHOWONLINE", "SHOWONLINE", true},
        {&kTvMailboxRules, "STOPONLINE", "STOPONLINE", true},
        {&kTvMailboxRules, "DISABLEONLINEBUTTONS", "DISABLEONLINEBUTTONS", true},
        {&kTvMailboxRules, "ENABLEONLINEBUTTONS", "ENABLEONLINEBUTTONS", true},
        {&kTvMailboxRules, "STOPZELVOMEDIA", "STOPZELVOMEDIA", true},
        {&kTvMailboxRules, "SHOWORVANEONLINE", nullptr, false},
        {&kTvMailboxRules, "STOPONLINESTOPONLINE", nullptr, false},
        {&kTvMailboxRules, "", nullptr, false},
    };
    for (const MailboxCase& c : cases) {
        SCOPED_TRACE(c.caption);
        const MailboxToken* token = c.rules->Match(c.caption);
        if (!c.match) {
            EXPECT_EQ(token, nullptr);
            continue;
        }
        ASSERT_NE(token, nullptr);
        EXPECT_STREQ(token->token, c.match);
        EXPECT_EQ(token->resetToIdle, c.reset);
    }
}

}  // namespace
