// The shipped tables: their form, the counts a parent expects, and that the indexes answer as the
// text search does.
#include <gtest/gtest.h>

#include <set>

#include "codepage/codepage.h"
#include "naming/char_data.h"
#include "naming/char_tables.h"
#include "naming/name_score.h"
#include "naming/number_tables.h"
#include "runtime/text.h"

namespace {

std::vector<std::string> Gb2312Hanzi()
{
    std::vector<std::string> chars;
    for (int lead = 0xB0; lead <= 0xF7; ++lead)
        for (int trail = 0xA1; trail <= 0xFE; ++trail)
            if (!(lead == 0xD7 && trail >= 0xFA))
                chars.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    return chars;
}

TEST(ShippedTables, StrokeListsStandInTheirOrder)
{
    std::vector<int> expected;
    for (int n = 1; n <= 30; ++n)
        expected.push_back(n);
    expected.push_back(32);
    expected.push_back(33);
    EXPECT_EQ(expected, std::vector<int>(StrokeHandListCounts, StrokeHandListCounts + kStrokeHandListCount));
    const char* numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(TextContains(StrokeHandLists[n - 1], numerals[n - 1])) << n;
        EXPECT_EQ(n, GetKangxiStrokeCount(numerals[n - 1])) << n;
    }
}

TEST(ShippedTables, KangxiCountsOfTheTraditionalForms)
{
    struct Case {
        const char* ch;
        int count;
    } cases[] = {
        {"张", 11}, {"刘", 15}, {"海", 11}, {"江", 7}, {"涛", 18}, {"四", 4}, {"十", 10},
        {"劉", 15},  // the traditional form itself counts the same
        {"琳", 13},  // 王 counts as 玉 5
        {"芳", 10},  // 艹 counts as 艸 6
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.count, GetKangxiStrokeCount(c.ch)) << c.ch;
    EXPECT_EQ(7, LookupStrokeTable("张"));
    EXPECT_EQ(15, LookupStrokeTable("劉"));
}

TEST(ShippedTables, EveryGb2312CharacterHasCountsReadingAndElement)
{
    std::vector<std::string> chars = Gb2312Hanzi();
    ASSERT_EQ(6763u, chars.size());
    // Every two-byte unit of the pinyin table: its characters (and its tone-marked letters).
    std::set<std::string> withReading;
    const std::string pinyinTable(PinyinTable, PinyinTableSize);
    for (size_t i = 0; i < pinyinTable.size(); i += GbkCharLengthAt(pinyinTable, i))
        if (GbkCharLengthAt(pinyinTable, i) == 2)
            withReading.insert(pinyinTable.substr(i, 2));
    for (const std::string& ch : chars) {
        ASSERT_GE(GetKangxiStrokeCount(ch), 1) << ch;
        ASSERT_GE(LookupStrokeTable(ch), 1) << ch;
        ASSERT_TRUE(withReading.count(ch)) << ch;  // a reading of the table, not the fallback
        ASSERT_FALSE(GetNamePinyin(ch, 0).empty()) << ch;
        ASSERT_FALSE(GetCharElement(ch).empty()) << ch;
    }
    EXPECT_EQ("zhāng", GetNamePinyin("张", 0));  // the common reading first
    EXPECT_EQ("lǜ", GetNamePinyin("绿", 0));
}

TEST(ShippedTables, ElementTablesKeepTheLastTableRule)
{
    // 自, 文 and 章 stand in two tables each; the later one decides.
    EXPECT_TRUE(TextContains(ElementCharTables[0], "自"));
    EXPECT_EQ("火", GetCharElement("自"));
    EXPECT_EQ("水", GetCharElement("文"));
    EXPECT_EQ("火", GetCharElement("章"));
    EXPECT_EQ("木", GetCharElement("林"));
    EXPECT_EQ("水", GetCharElement("海"));
    EXPECT_EQ("金", GetCharElement("钟"));
    EXPECT_EQ("土", GetCharElement("山"));
    EXPECT_EQ("", GetCharElement("\x81\x40"));  // outside the tables
    EXPECT_EQ("金", GetCharElement(""));         // the empty text is in every table
}

TEST(ShippedTables, EveryTableIsValidGbk)
{
    for (int t = 0; t < kElementTableCount; ++t)
        EXPECT_TRUE(IsValidGbk(ElementCharTables[t])) << t;
    for (int l = 0; l < kStrokeHandListCount; ++l)
        EXPECT_TRUE(IsValidGbk(StrokeHandLists[l])) << l;
    EXPECT_TRUE(IsValidGbk(std::string(StrokeTable, StrokeTableSize)));
    EXPECT_TRUE(IsValidGbk(std::string(PinyinTable, PinyinTableSize)));
    for (int i = 0; i < kLuckClassCount; ++i)
        EXPECT_TRUE(IsValidGbk(NumberLuckLists[i]));
    for (int n = 1; n <= 81; ++n)
        EXPECT_TRUE(IsValidGbk(GetNumberMeaningText(n))) << n;
}

// The indexes against the plain search of the table texts (a sample: the fuzz target fuzz_char_data
// compares any text): one-byte texts, two-byte texts that start with an ASCII byte (Latin letters in a
// name), and every 97th GBK code.
TEST(ShippedTables, IndexesAnswerAsTheTextSearchDoes)
{
    const CharTableTexts texts = ShippedCharTableTexts();
    const CharData& data = ShippedCharData();
    std::vector<std::string> samples = {"zh", "an", "ng", "Li", "li", "a,", "1,", ",\xB0", "\xA8\xA2", "a", "Z", "0", ",",
                                        "\x7F", "\x80", "\x81", "\xA1", "\xFF"};
    for (int b = 0; b < 0x100; b += 7)
        samples.push_back(std::string(1, static_cast<char>(b)));
    for (int code = 0; code < 0x8000; code += 257)
        samples.push_back({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    for (int code = 0x8140; code <= 0xFEFE; code += 97)
        samples.push_back({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    int found = 0;
    for (const std::string& text : samples) {
        ASSERT_EQ(SearchCharElement(texts, text), data.GetCharElement(text)) << text;
        ASSERT_EQ(SearchStrokeTable(texts, text), data.LookupStrokeTable(text)) << text;
        ASSERT_EQ(SearchKangxiStrokeCount(texts, text), data.GetKangxiStrokeCount(text)) << text;
        if (text.size() == 2) {
            ASSERT_EQ(SearchReading(texts, text), data.GetNamePinyin(text, 0)) << text;
        }
        found += !data.GetCharElement(text).empty();
    }
    EXPECT_GT(found, 50);
}

TEST(NumberTexts, NamedTextsWithTheirSharedRows)
{
    EXPECT_EQ("（太极之数）太极之数，万物开泰，生发无穷，利禄亨通。", GetNumberMeaningText(1));
    EXPECT_EQ("（两仪之数）两仪之数，混沌未开，进退保守，志望难达。", GetNumberMeaningText(2));
    EXPECT_EQ("\xA1\xA1", TextRight(GetNumberMeaningText(3), 2));  // ends in a full-width blank
    EXPECT_EQ(0, TextFind(GetNumberMeaningText(11), "（旱苗逢雨）") - 1);
    EXPECT_EQ(0, TextFind(GetNumberMeaningText(81), "（万物回春）") - 1);
    EXPECT_EQ(GetNumberMeaningText(35), GetNumberMeaningText(36));
    EXPECT_EQ(GetNumberMeaningText(3), GetNumberMeaningText(53));
    EXPECT_EQ(GetNumberMeaningText(68), GetNumberMeaningText(69));
    EXPECT_EQ(GetNumberMeaningText(73), GetNumberMeaningText(74));
    std::set<std::string> distinct;
    for (int n = 1; n <= 81; ++n)
        distinct.insert(GetNumberMeaningText(n));
    EXPECT_EQ(77u, distinct.size());
    EXPECT_EQ("", GetNumberMeaningText(0));
    EXPECT_EQ("", GetNumberMeaningText(82));
}

}  // namespace
