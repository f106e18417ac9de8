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
