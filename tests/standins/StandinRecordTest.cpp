// The record layout shared by the stand-ins and their readers, and the engine's options.
#include <gtest/gtest.h>

#include "EngineOptions.h"
#include "StandinRecord.h"

using namespace standin;

TEST(StandinRecord, QuotedTextReadsBackExactly) {
    const std::string texts[] = {
        "",
        "5551234",
        "say \"hi\"",
        "C:\\path\\x.exe",
        std::string("nul\0inside", 10),
        "line\r\nbreak\ttab",
        "\xff\x80 high",
        "key=value t=5 a2=0x9",
    };
    for (const std::string& text : texts) {
        std::string line = "t=42 kind=10 text=" + QuoteText(text);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        auto rec = ParseRecord(line);
        ASSERT_TRUE(rec) << line;
        EXPECT_EQ(rec->t_us, 42);
        ASSERT_NE(rec->Field("text"), nullptr) << line;
        EXPECT_EQ(*rec->Field("text"), text) << line;
        EXPECT_EQ(*rec->Field("kind"), "10");
        EXPECT_EQ(rec->fields.size(), 2u) << "text must not leak fields: " << line;
    }
}

TEST(StandinRecord, HexBytesRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string hex = HexBytes(all);
    EXPECT_EQ(hex.substr(0, 8), "00010203");
    EXPECT_EQ(hex.substr(hex.size() - 4), "feff");
    EXPECT_EQ(BytesFromHex(hex), all);
    EXPECT_FALSE(BytesFromHex("abc"));
    EXPECT_FALSE(BytesFromHex("zz"));
    EXPECT_EQ(HexNumber(0), "0x0");
    EXPECT_EQ(HexNumber(0x1003), "0x1003");
    EXPECT_EQ(HexNumber(0xFFFFFFFFu), "0xffffffff");
}

TEST(StandinRecord, RecordsThatAreNotOnesAreRefused) {
    EXPECT_FALSE(ParseRecord(""));
    EXPECT_FALSE(ParseRecord("t="));
    EXPECT_FALSE(ParseRecord("t=12x started"));
    EXPECT_FALSE(ParseRecord("started t=12"));
    auto rec = ParseRecord("t=7 mailbox ZelvoMedia 1035 NULL");
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->rest, "mailbox ZelvoMedia 1035 NULL");
    // A command line with a stray quote keeps its text.
    rec = ParseRecord("t=8 Zelvosvr.exe started args=\"C:\\a b");
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->rest, "Zelvosvr.exe started args=\"C:\\a b");
    EXPECT_EQ(*rec->Field("args"), "\"C:\\a b");
}

TEST(StandinRecord, CommandLineTailSkipsTheProgramName) {
    struct Case { const char* line; const char* tail; } cases[] = {
        {"prog.exe", ""},
        {"prog.exe  a b", "a b"},
        {"\"C:\\Program Files\\x.exe\" --no-server", "--no-server"},
        {"\"C:\\x.exe\"\t\"quoted arg\"", "\"quoted arg\""},
        {"\"unclosed", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CommandLineTail(c.line), c.tail) << c.line;
}

TEST(EngineOptions, ParsesDelaysAndServerSwitch) {
    struct Case {
        const char* tail;
        int frame, server;
        bool withServer;
        size_t ignored;
    } cases[] = {
        {"", 0, 0, true, 0},
        {"--frame-delay 1500", 1500, 0, true, 0},
        {"--server-delay 20 --no-server", 0, 20, false, 0},
        {"--frame-delay", 0, 0, true, 1},
        {"--frame-delay -5", 0, 0, true, 2},
        {"--frame-delay 99999999999", 0, 0, true, 2},
        {"bogus --no-server", 0, 0, false, 1},
    };
    for (const Case& c : cases) {
        EngineOptions o = ParseEngineOptions(c.tail);
        EXPECT_EQ(o.frameDelayMs, c.frame) << c.tail;
        EXPECT_EQ(o.serverDelayMs, c.server) << c.tail;
        EXPECT_EQ(o.server, c.withServer) << c.tail;
        EXPECT_EQ(o.ignored.size(), c.ignored) << c.tail;
    }
}
