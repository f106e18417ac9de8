#include "codepage/codepage.h"

#include <gtest/gtest.h>

TEST(Codepage, ConvertsChineseBothWays)
{
    const std::string gbk = "张三 abc 劉";
    std::u16string wide = GbkToUtf16(gbk);
    EXPECT_EQ(wide, u"张三 abc 劉");
    EXPECT_EQ(Utf16ToGbk(wide), gbk);
    EXPECT_EQ(GbkToUtf8(gbk), "\xE5\xBC\xA0\xE4\xB8\x89 abc \xE5\x8A\x89");
    EXPECT_EQ(Utf8ToGbk("\xE5\xBC\xA0\xE4\xB8\x89 abc \xE5\x8A\x89"), gbk);
}

TEST(Codepage, MarksWhatCannotBeConverted)
{
    EXPECT_EQ(GbkToUtf16("a\xFF" "b"), u"a?b");     // 0xFF is no lead byte
    EXPECT_EQ(GbkToUtf16("a\xD5"), u"a?");            // lead byte at the end
    EXPECT_EQ(Utf16ToGbk(u"\u00E9\U0001F600"), "\xA8\xA6?");  // é exists in GBK, the emoji does not
    EXPECT_EQ(Utf8ToGbk("\xE5\xBC"), "??");           // cut-off sequence
    EXPECT_EQ(GbkToUtf16("\x80"), u"\u20AC");
    EXPECT_TRUE(IsValidGbk("张三abc"));
    EXPECT_FALSE(IsValidGbk("\xD5"));
}

TEST(Codepage, EveryAssignedCodeRoundTrips)
{
    int assigned = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            char32_t u = GbkCodeToUnicode(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if (u == 0)
                continue;
            ++assigned;
            char back[2];
            ASSERT_EQ(UnicodeToGbkCode(u, back), 2);
            EXPECT_EQ(static_cast<unsigned char>(back[0]), lead);
            EXPECT_EQ(static_cast<unsigned char>(back[1]), trail);
        }
    EXPECT_EQ(assigned, 21791);
}

// UTF-8 is read strictly: overlong and out-of-range forms are no characters, never "<", NUL or "A".
TEST(Codepage, RejectsMalformedUtf8)
{
    const struct {
        const char* utf8;
        const char* gbk;
        bool valid;
    } cases[] = {
        {"\xC0\xBC", "??", false},                    // overlong "<"
        {"\xC0\x80", "??", false},                    // overlong NUL
        {"\xE0\x81\x81", "???", false},               // overlong "A" in three bytes
        {"\xF0\x80\x81\x81", "????", false},          // ... and in four
        {"\xC1\xBF", "??", false},                    // overlong 7F
        {"\xED\xA0\x80", "???", false},               // a surrogate
        {"\xF4\x90\x80\x80", "????", false},          // beyond U+10FFFF
        {"\xF5\x80\x80\x80", "????", false},
        {"\xE4\xB8", "??", false},                    // cut off
        {"\x80" "a", "?a", false},                    // a stray continuation byte
        {"\xE4\xB8\xAD\xC2\xA7", "中\xA1\xEC", true},  // 中 and §
        {"\xF0\x9F\x98\x80", "?", true},             // a character GBK lacks: one "?"
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
        EXPECT_EQ(IsValidUtf8(c.utf8), c.valid) << c.utf8;
    }
    EXPECT_TRUE(IsValidUtf8(std::string("a\0b", 3)));
}

// A lead byte takes only a real trail byte (40-7E, 80-FE); alone it becomes "?" and the next byte counts.
TEST(Codepage, LoneLeadByteNeverSwallowsTheNextCharacter)
{
    EXPECT_EQ(GbkToUtf8("\x81\"--"), "?\"--");
    EXPECT_EQ(GbkToUtf8("\xD5<a>"), "?<a>");
    EXPECT_EQ(GbkToUtf8(std::string("\xD5\0x", 3)), std::string("?\0x", 3));
    EXPECT_EQ(GbkToUtf16("\xB0\x7F"), u"?\x7F");
    EXPECT_EQ(GbkToUtf16("\xB0\xFF"), u"??");
    EXPECT_EQ(GbkToUtf16("\xA1\x40"), u"?");  // a pair with no character: one "?"
    EXPECT_FALSE(IsValidGbk("\x81\""));
    EXPECT_FALSE(IsValidGbk("\xD5\x30"));
    EXPECT_TRUE(IsValidGbk("\x81\x40\x80=1"));  // 丂 and the euro sign
    EXPECT_EQ(GbkCharLengthAt("\x80=1", 0), 1);
    EXPECT_EQ(GbkCharLengthAt("\xFF\x41", 0), 1);
    EXPECT_EQ(GbkCharLengthAt("\xFE\xFE", 0), 2);
}
