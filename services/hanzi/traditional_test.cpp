#include "hanzi/traditional.h"

#include <gtest/gtest.h>

#include "codepage/codepage.h"

namespace {

std::string Converted(std::string text)
{
    ConvertToTraditional(text);
    return text;
}

TEST(Traditional, ReplacesSimplifiedCharactersInPlace)
{
    struct Case {
        const char* text;
        const char* expected;
        int replaced;
    } cases[] = {
        {"刘", "劉", 1},
        {"张涛", "張濤", 2},
        {"海江", "海江", 0},      // already traditional
        {"a刘 b", "a劉 b", 1},    // one-byte characters stay where they are
        {"范后钟", "範後鐘", 3},  // the traditional counterpart at the same GB 12345 position
        {"", "", 0},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(c.replaced, ConvertToTraditional(text)) << c.text;
        EXPECT_EQ(c.expected, text) << c.text;
    }
}

TEST(Traditional, LeavesBrokenAndForeignBytesAlone)
{
    // A lone lead byte at the end and a single byte after a character are not touched.
    std::string text = "刘\xC1";
    ConvertToTraditional(text);
    EXPECT_EQ("劉\xC1", text);
    text = "\x80" "a";
    EXPECT_EQ(0, ConvertToTraditional(text));
}

// Every GBK character converts to a valid GBK character of the same length, and a converted
// character never converts again.
TEST(Traditional, EveryGbkCharacterConvertsOnceToValidGbk)
{
    int changed = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
            if (!IsValidGbk(ch))
                continue;
            std::string once = Converted(ch);
            ASSERT_EQ(2u, once.size());
            ASSERT_TRUE(IsValidGbk(once)) << lead << " " << trail;
            EXPECT_EQ(once, Converted(once)) << lead << " " << trail;
            changed += once != ch;
        }
    }
    EXPECT_GT(changed, 2000);
}

}  // namespace
