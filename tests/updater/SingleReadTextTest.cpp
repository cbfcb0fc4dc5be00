#include "updater/SingleReadText.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(SingleReadText, EndsAtTheFirstZeroOrAtTheBytesRead) {
    struct Case {
        std::string bytes;
        size_t bytesRead;
        std::string expected;
    };
    const Case cases[] = {
        {"<a/>", 4, "<a/>"},
        {std::string("<a/>\0junk", 9), 9, "<a/>"},
        {"", 0, ""},
        {std::string("\0x", 2), 2, ""},
        {"abcdef", 3, "abc"},
    };
    for (const Case& c : cases) EXPECT_EQ(SingleReadText(c.bytes.data(), c.bytesRead), c.expected);
}

// A read that fills the buffer leaves no zero in it; nothing past the buffer may be taken.
TEST(SingleReadText, FullBufferWithoutZero) {
    const size_t size = 4096;
    std::unique_ptr<char[]> buffer(new char[size]);
    std::fill(buffer.get(), buffer.get() + size, 'x');
    std::string text = SingleReadText(buffer.get(), size);
    EXPECT_EQ(text.size(), size);
    EXPECT_EQ(text, std::string(size, 'x'));
}

}  // namespace
