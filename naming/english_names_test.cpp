// English names by the initial of the surname's reading.
#include "naming/english_names.h"

#include <gtest/gtest.h>

#include "naming/name_lists.h"
#include "runtime/text.h"

namespace {

std::vector<std::string> LinesStartingWith(const std::string& list, char initial)
{
    std::vector<std::string> lines;
    for (const std::string& line : TextSplit(list, "\r\n"))
        if (line[0] == initial)
            lines.push_back(line);
    return lines;
}

TEST(EnglishNames, SurnameInitialPicksTheLinesInOrder)
{
    const std::vector<std::string> z = MatchEnglishNames(BoyEnglishNames, "张");
    ASSERT_EQ(4u, z.size());
    EXPECT_EQ(LinesStartingWith(BoyEnglishNames, 'Z'), z);
    EXPECT_EQ(1, TextFind(z[0], "Zachary"));
    EXPECT_EQ(1, TextFind(z[3], "Zeke"));
    EXPECT_EQ(LinesStartingWith(GirlEnglishNames, 'W'), MatchEnglishNames(GirlEnglishNames, "王"));
    EXPECT_FALSE(MatchEnglishNames(GirlEnglishNames, "王").empty());
}

TEST(EnglishNames, TwoCharacterSurnamesMatchByTheFirstCharacter)
{
    EXPECT_EQ("S", EnglishNameInitial("司马"));
    EXPECT_EQ(MatchEnglishNames(BoyEnglishNames, "司"), MatchEnglishNames(BoyEnglishNames, "司马"));
    EXPECT_FALSE(MatchEnglishNames(BoyEnglishNames, "司马").empty());
}

TEST(EnglishNames, ToneMarkedInitialsAndNoReadingListNothing)
{
    EXPECT_EQ("\xA8", EnglishNameInitial("安"));  // ān: the lead byte of a tone-marked vowel
    EXPECT_TRUE(MatchEnglishNames(BoyEnglishNames, "安").empty());
    EXPECT_TRUE(MatchEnglishNames(GirlEnglishNames, "欧阳").empty());
    EXPECT_EQ("", EnglishNameInitial(""));
    EXPECT_TRUE(MatchEnglishNames(BoyEnglishNames, "").empty());
}

}  // namespace
