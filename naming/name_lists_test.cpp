// The shipped name lists keep the sizes and forms the generators rely on.
#include "naming/name_lists.h"

#include <gtest/gtest.h>

#include <set>

#include "naming/char_data.h"
#include "runtime/text.h"

namespace {

std::vector<std::string> Units(const std::string& text)
{
    std::vector<std::string> units;
    for (size_t at = 0; at < text.size(); at += 2)
        units.push_back(text.substr(at, 2));
    return units;
}

TEST(NameLists, CharacterListsHoldEveryCharacterOnceWithItsFacts)
{
    const std::string boys = BoyNameChars, girls = GirlNameChars;
    EXPECT_EQ(1080u, boys.size());
    EXPECT_EQ(862u, girls.size());
    EXPECT_EQ(boys + girls, std::string(NicknameChars));
    for (const std::string* list : {&boys, &girls}) {
        const std::vector<std::string> units = Units(*list);
        EXPECT_EQ(units.size(), std::set<std::string>(units.begin(), units.end()).size());
        for (const std::string& ch : units) {
            const unsigned char lead = ch[0], trail = ch[1];
            EXPECT_TRUE(lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1) << ch;  // GB2312 characters
            EXPECT_FALSE(GetCharElement(ch).empty()) << ch;
            EXPECT_GT(GetKangxiStrokeCount(ch), 0) << ch;
            EXPECT_FALSE(GetNamePinyin(ch, 0).empty()) << ch;
        }
    }
    const std::vector<std::string> all = Units(NicknameChars);
    EXPECT_EQ(778u, std::set<std::string>(all.begin(), all.end()).size());
}

TEST(NameLists, EnglishListsAreAlphabeticalLinesOfNameAndChineseText)
{
    struct Case {
        const char* text;
        size_t lines;
        bool endsInLineBreak;
    } cases[] = {{BoyEnglishNames, 499, true}, {GirlEnglishNames, 390, false}};
    for (const Case& c : cases) {
        const std::string text = c.text;
        EXPECT_EQ(c.endsInLineBreak, TextRight(text, 2) == "\r\n");
        const std::vector<std::string> lines = TextSplit(text, "\r\n");
        ASSERT_EQ(c.lines, lines.size());
        std::string previous;
        for (const std::string& line : lines) {
            size_t letters = 0;
            while (letters < line.size() && isalpha(static_cast<unsigned char>(line[letters])))
                ++letters;
            ASSERT_GT(letters, 1u) << line;
            EXPECT_TRUE(isupper(static_cast<unsigned char>(line[0]))) << line;
            EXPECT_GT(line.size(), letters + 6) << line;  // transliteration, origin and meaning follow
            EXPECT_GE(static_cast<unsigned char>(line[letters]), 0x80) << line;
            const std::string name = line.substr(0, letters);
            EXPECT_LT(previous, name);
            previous = name;
        }
    }
    EXPECT_EQ(0, TextFind(BoyEnglishNames, "Aaron亚伦") + TextFind(BoyEnglishNames, "\r\n\r\n"));
    EXPECT_EQ(1, TextFind(BoyEnglishNames, "Aaron艾伦希伯来"));
}

}  // namespace
