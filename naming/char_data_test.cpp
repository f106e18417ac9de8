#include "naming/char_data.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitTextIntoChars, CutsBytesOf123OrMoreAsLeadBytes)
{
    struct Case {
        std::string text;
        std::vector<std::string> chars;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"\xA1\xA1", {}},                  // a full-width blank is a blank too
        {"张 三", {"张", " ", "三"}},      // blanks inside count as characters
        {"a{b", {"a", "{b"}},              // "{" (123) leads a two-byte character
        {"az", {"a", "z"}},                // "z" (122) does not
        {"张\xC1", {"张", "\xC1"}},        // a lead byte at the end stands alone
        {"\x7F" "a", {"\x7F" "a"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> chars = {"left over"};
        EXPECT_EQ(static_cast<int>(c.chars.size()), SplitTextIntoChars(c.text, chars)) << c.text;
        EXPECT_EQ(c.chars, chars) << c.text;
    }
}

// Small tables that show the lookup rules.
CharTableTexts FixtureTexts()
{
    CharTableTexts texts;
    texts.elementTables = {{"土", "自文章土"}, {"木", "*木林"}, {"火", "\r\n自章火"}, {"水", "文水"}, {"金", "金*"}};
    texts.strokeHandLists = {{4, "\r\n木"}, {8, "周朋"}, {15, "周林"}};
    // 丰 stands twice (the first counts); 甲乙5 holds two characters before its count.
    texts.strokeTable = "丰4,張11,张7,丰9,甲乙5,歐15,林8,";
    texts.pinyinTable = "张zhàng,zhāng,三sān,";
    return texts;
}

TEST(CharData, ElementOfTheLastTableHoldingTheCharacter)
{
    CharData data(FixtureTexts());
    struct Case {
        const char* ch;
        const char* element;
    } cases[] = {
        {"自", "火"}, {"章", "火"}, {"文", "水"}, {"林", "木"}, {"土", "土"},
        {"张", ""},    // in no table
        {"", "金"},    // the empty text is found in every table
        {"*", "金"},   // stray bytes are found as they are
        {"\r", "火"},
        {"自章", "火"},  // a longer text is found where it stands as it is
        {"章自", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.element, data.GetCharElement(c.ch)) << c.ch;
}

TEST(CharData, KangxiCountFromTheListsElseTheTraditionalFormsStrokes)
{
    CharData data(FixtureTexts());
    struct Case {
        const char* text;
        int count;
    } cases[] = {
        {"周", 15},    // in the lists of 8 and 15: the later (higher) wins
        {"朋", 8},
        {"木", 4},
        {"张", 11},    // no list: the stroke table's count of 張
        {"乙", 5},     // no list, no traditional form: its own entry
        {"三", 0},     // in nothing
        {"周朋", 8},   // a two-character text found as it stands in a list
        {"欧阳", 15},  // not in a list: the first character of the traditional form 歐陽
        {"a", 0},
        {"", 0},       // the empty text has no strokes
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.count, data.GetKangxiStrokeCount(c.text)) << c.text;
}

TEST(CharData, StrokeTableReadsTheNumberAfterTheFirstOccurrence)
{
    CharData data(FixtureTexts());
    struct Case {
        const char* text;
        int count;
    } cases[] = {
        {"丰", 4}, {"张", 7}, {"張", 11},
        {"张三", 7},   // only the first two bytes count
        {"甲", 0},     // followed by 乙 before its number
        {"乙", 5},
        {"三", 0},     // absent
        {"a", 0},      // ASCII: no search
        {"", 0},
        {"\xB6", 0},   // a lone lead byte is no character of the table
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.count, data.LookupStrokeTable(c.text)) << c.text;
}

TEST(CharData, NamePinyinTakesTheFirstReadingOfEachTwoByteUnit)
{
    CharData data(FixtureTexts());
    EXPECT_EQ("zhàng sān ", data.GetNamePinyin("张三", 1));
    EXPECT_EQ("zhàngsān", data.GetNamePinyin("张三", 0));
    EXPECT_EQ("zhàngsān", data.GetNamePinyin("张三", 2));
    EXPECT_EQ("zhàng li ", data.GetNamePinyin("张李", 1));  // 李 is not in the table: the plain reading
    EXPECT_EQ("zhàng  ", data.GetNamePinyin("张\x81\x40", 1));  // outside GB2312: no reading
    EXPECT_EQ("sān ", data.GetNamePinyin("三a", 1));         // a trailing single byte is no unit
    EXPECT_EQ("", data.GetNamePinyin("", 1));
}

TEST(CharData, NameColumnsJoinTheCharactersValuesWithDashes)
{
    CharData data(FixtureTexts());
    EXPECT_EQ("火-木-水", data.GetNameElements("自林文"));
    EXPECT_EQ("火--水", data.GetNameElements("自张文"));  // no element leaves two dashes
    EXPECT_EQ("木", data.GetNameElements("林"));
    EXPECT_EQ("", data.GetNameElements(""));
    EXPECT_EQ("7-4-0", data.GetNameStrokeCounts("张丰三"));
    EXPECT_EQ("11-15-8", data.GetNameKangxiStrokes("张周朋"));
}

}  // namespace
