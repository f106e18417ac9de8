// The draw rule: which byte positions a text of n characters can give, and what lies there.
#include "naming/char_draw.h"

#include <gtest/gtest.h>

#include <set>

#include "naming/name_lists.h"
#include "runtime/random.h"

namespace {

std::set<int> DrawnPositions(int charCount, int draws)
{
    std::set<int> positions;
    for (int i = 0; i < draws; ++i)
        positions.insert(DrawBytePosition(charCount));
    return positions;
}

std::set<int> OddPositions(int from, int to)
{
    std::set<int> positions;
    for (int p = from; p <= to; p += 2)
        positions.insert(p);
    return positions;
}

TEST(CharDraw, PositionsForTextsOfEverySize)
{
    SeedRandom(12);
    // Even draws move one byte on, odd draws ten: an empty text draws 0 or 1 (the range is swapped).
    EXPECT_EQ((std::set<int>{1, 11}), DrawnPositions(0, 200));
    EXPECT_EQ((std::set<int>{11}), DrawnPositions(1, 50));
    EXPECT_EQ((std::set<int>{3, 5, 11, 13, 15}), DrawnPositions(5, 500));
    EXPECT_EQ(OddPositions(3, 549), DrawnPositions(540, 20000));    // characters 2 to 275 of 540
    EXPECT_EQ(OddPositions(3, 1317), DrawnPositions(1307, 60000));  // the nickname bound
}

TEST(CharDraw, CharacterAtThePositionOrLess)
{
    const std::string text = "甲乙丙丁戊";
    EXPECT_EQ("乙", TwoBytesAt(text, 3));
    EXPECT_EQ("戊", TwoBytesAt(text, 9));
    EXPECT_EQ("", TwoBytesAt(text, 11));
    EXPECT_EQ("\xEC", TwoBytesAt(text, 10));  // the last byte alone
    EXPECT_EQ("", TwoBytesAt(text, 0));

    SeedRandom(3);
    std::set<std::string> drawn;
    for (int i = 0; i < 400; ++i)
        drawn.insert(DrawCharFromText(text));
    EXPECT_EQ((std::set<std::string>{"乙", "丙", ""}), drawn);  // 甲 never; 11, 13 and 15 lie past the end
    EXPECT_EQ("", DrawCharFromText("甲"));                   // a pool of one character gives nothing

    // Of the boys' list the draw never reaches its first character or its second half.
    const std::string boys = BoyNameChars;
    std::set<std::string> boyChars;
    for (int i = 0; i < 5000; ++i)
        boyChars.insert(PickRandomBoyChar());
    EXPECT_EQ(274u, boyChars.size());
    EXPECT_EQ(0u, boyChars.count(boys.substr(0, 2)));
    EXPECT_EQ(0u, boyChars.count(boys.substr(550, 2)));
}

}  // namespace
