#include "runtime/text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct FindCase {
    const char* text;
    const char* sought;
    int start;
    int expected;
};

TEST(TextFind, MatchesTwoByteCharactersOnlyAtCharacterBoundaries)
{
    // 「中文」 is D6 D0 CE C4; the byte pair D0 CE straddles the boundary and must not be found.
    const FindCase cases[] = {
        {"中文", "\xD0\xCE", 1, 0},
        {"a中文", "文", 1, 4},
        {"张三", "三", 1, 3},
        {"abcABC", "ABC", 1, 4},      // case matters
        {"abc", "", 1, 1},            // empty text found at 1
        {"", "", 1, 0},
        {"", "a", 1, 0},
        {"abcabc", "abc", 2, 4},
        {"abc", "c", 9, 0},
        {"01，03，05", "03", 1, 5},
        {"01，03，05", "0", 1, 1},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(TextFind(c.text, c.sought, c.start), c.expected) << c.text << " / " << c.sought;
    EXPECT_EQ(TextFindNoCase("xABCx", "abc"), 2);
}

TEST(TextSplit, KeepsEmptyPiecesBeforeADelimiterOnly)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(TextSplit("a,,b,", ","), (V{"a", "", "b"}));
    EXPECT_EQ(TextSplit(",a", ","), (V{"", "a"}));
    EXPECT_EQ(TextSplit(",", ","), (V{""}));
    EXPECT_EQ(TextSplit("", ","), V{});
    EXPECT_EQ(TextSplit("abc", ""), V{"abc"});
    EXPECT_EQ(TextSplit("甲々☆乙々☆", "々☆"), (V{"甲", "乙"}));
    // 「乧」 is 81 63: its trail byte is the ASCII 'c', which must not split it.
    EXPECT_EQ(TextSplit("a\x81\x63" "b", "c"), (V{"a\x81\x63" "b"}));
    EXPECT_EQ(TextSplit("张,三", ","), (V{"张", "三"}));
}

TEST(TextReplace, ReplacesEveryOccurrenceAtBoundaries)
{
    EXPECT_EQ(TextReplaceAll("a<BR>b<br>c", "<br>", "\r\n"), "a<BR>b\r\nc");
    EXPECT_EQ(TextReplaceAll("a<BR>b<br>c", "<br>", "\r\n", true), "a\r\nb\r\nc");
    EXPECT_EQ(TextReplaceAll("中文", "\xD0\xCE", "x"), "中文");
    EXPECT_EQ(TextReplaceAll("aaa", "", "x"), "aaa");
    EXPECT_EQ(TextReplaceAll("aaa", "aa", "b"), "ba");
}

TEST(ReplaceSubstrings, PairsInOrderIgnoringAsciiCase)
{
    EXPECT_EQ("a\r\nb\r\nc\r\n", ReplaceSubstrings("a<BR>b<br />c<Br>", {{"<BR>", "\r\n"}, {"<br />", "\r\n"}}));
    EXPECT_EQ("xyz", ReplaceSubstrings("abz", {{"a", "x"}, {"xb", "xy"}}));  // the second sees the first's result
    EXPECT_EQ("abc", ReplaceSubstrings("abc", {{"", "x"}}));
    EXPECT_EQ("张三", ReplaceSubstrings("张三", {{"\xC5\xC8", "?"}}));  // no match across characters
}

TEST(TextBlanks, RemovesAndTrimsHalfAndFullWidthBlanks)
{
    EXPECT_EQ(TextRemoveBlanks(" 张 三　丰 "), "张三丰");
    EXPECT_EQ(TextTrim("　 张 三 　"), "张 三");
    // 「啊」 B0 A1 followed by A1 A1 (a full-width blank): the trail byte A1 is not part of a blank.
    EXPECT_EQ(TextTrimRight("啊　"), "啊");
    EXPECT_EQ(TextRemoveBlanks("   "), "");
}

TEST(TextBlanks, RemovalLeavesNoBlankWhenALoneLeadByteMeetsTheNextCharacter)
{
    // The lone lead byte 92 before a blank pairs with A4 once the blank is gone, which moves the next
    // A1 A1 onto a character boundary: a full-width blank that has to go as well.
    const struct {
        const char* text;
        const char* kept;
    } cases[] = {{"\x92 \xa4\xa1\xa1\x5c", "\x92\xa4\x5c"},
                 {"\x92 \x92 \xa4\xa1\xa1\xa1\xa1\x5c", "\x92\x92\xa4\xa1\xa1\x5c"},
                 {"\xb0 \xa1\xa1\xa1 \xa1", "\xb0\xa1\xa1"},
                 {"\x92", "\x92"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string once = TextRemoveBlanks(c.text);
        EXPECT_EQ(once, c.kept);
        EXPECT_EQ(TextRemoveBlanks(once), once);
    }
}

TEST(TextCase, ChangesAsciiLettersButNeverTrailBytes)
{
    // 「乧」 81 63 and 「丆」 81 43 have the ASCII letters 'c' and 'C' as trail bytes.
    EXPECT_EQ(TextToUpper("ab\x81\x63z"), "AB\x81\x63Z");
    EXPECT_EQ(TextToLower("AB\x81\x43Z"), "ab\x81\x43z");
}

// 0x80 is the euro sign, one character; a lead byte alone never swallows the delimiter after it.
TEST(TextFind, EuroSignAndLoneLeadBytesAreSingleCharacters)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(TextFind("\x80=1", "="), 2);
    EXPECT_EQ(TextSplit("\x80,a", ","), (V{"\x80", "a"}));
    EXPECT_EQ(TextFind("\xB0=1", "="), 2);
    EXPECT_EQ(TextSplit("\xD5,\xD5", ","), (V{"\xD5", "\xD5"}));
    EXPECT_EQ(TextReplaceAll("\x80\x80", "\x80", "E"), "EE");
    EXPECT_EQ(TextTrimRight("\x80 "), "\x80");
}

TEST(TextWidth, ConvertsBetweenHalfAndFullWidth)
{
    EXPECT_EQ(TextToFullWidth("A1 张"), "Ａ１　张");
    EXPECT_EQ(TextToHalfWidth("Ａ１　张"), "A1 张");
    EXPECT_EQ(TextToFullWidth("$~"), "\xA3\xA4\xA3\xFE");  // shown as the full-width yuan sign and macron
    std::string ascii;
    for (char c = ' '; c <= '~'; ++c)
        ascii += c;
    EXPECT_EQ(TextToFullWidth(ascii).size(), 2 * ascii.size());
    // The half-width form undoes the full-width one, around euro signs and lone lead bytes too.
    for (std::string text : {ascii, std::string("张\x80!\xB0!\x81\x20;\xFF=\xD5"), std::string("\xA3!")})
        EXPECT_EQ(TextToHalfWidth(TextToFullWidth(text)), text) << text;
}

TEST(TextParts, ClampsCounts)
{
    EXPECT_EQ(TextLeft("张三丰", 4), "张三");
    EXPECT_EQ(TextRight("张三丰", 2), "丰");
    EXPECT_EQ(TextMid("张三丰", 3, 2), "三");
    EXPECT_EQ(TextMid("abc", 5, 2), "");
    EXPECT_EQ(TextRight("abc", 10), "abc");
    EXPECT_EQ(TextRepeat("ab", 3), "ababab");
}

TEST(TextNumbers, ReadsLeadingDecimalNumbersAndCutsFractions)
{
    EXPECT_EQ(TextToInt("12.9"), 12);
    EXPECT_EQ(TextToInt("-3.7"), -3);
    EXPECT_EQ(TextToInt("  42abc"), 42);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt("0x10"), 0);
    EXPECT_EQ(TextToInt("1e3"), 1000);
    EXPECT_EQ(TextToInt("1.5e3"), 1500);
    EXPECT_EQ(TextToInt("-2e-1"), 0);
    EXPECT_EQ(IntToText(85), "85");
    EXPECT_EQ(NumberToText(3.0), "3");
    EXPECT_EQ(NumberToText(2.5), "2.5");
}

// Integers are read with integer arithmetic: beyond 2^53 every digit counts, and the range's ends stay.
TEST(TextNumbers, ReadsEveryLongLongExactlyAndSaturates)
{
    EXPECT_EQ(TextToInt("9007199254740993"), 9007199254740993LL);
    EXPECT_EQ(TextToInt(IntToText(LLONG_MAX)), LLONG_MAX);
    EXPECT_EQ(TextToInt(IntToText(LLONG_MIN)), LLONG_MIN);
    EXPECT_EQ(TextToInt("9223372036854775808"), LLONG_MAX);
    EXPECT_EQ(TextToInt("-99999999999999999999999"), LLONG_MIN);
    EXPECT_EQ(TextToInt("1e400"), LLONG_MAX);
    EXPECT_EQ(TextToInt("0e999999999999"), 0);
    EXPECT_EQ(TextToInt("12345678901234567.9"), 12345678901234567LL);
}

}  // namespace
