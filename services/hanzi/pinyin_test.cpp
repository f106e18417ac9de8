#include "hanzi/pinyin.h"

#include <gtest/gtest.h>

namespace {

TEST(Gb2312Pinyin, ReadingsInPlainLettersCommonFirst)
{
    EXPECT_EQ(1, GetPinyinCount("张"));
    EXPECT_EQ("zhang", GetPinyin("张"));
    EXPECT_EQ("zhang", GetPinyin("张", 1));
    EXPECT_EQ("", GetPinyin("张", 2));
    EXPECT_EQ("lv", GetPinyin("绿"));     // ü is written v
    EXPECT_EQ("lu", GetPinyin("绿", 2));
    EXPECT_EQ(2, GetPinyinCount("女"));   // nǚ and nǜ count once: nv, ru
    EXPECT_EQ("ru", GetPinyin("女", 2));
    EXPECT_EQ("a", GetPinyin("\xB0\xA1"));  // 啊, the first GB2312 character
    EXPECT_NE("", GetPinyin("\xF7\xFE"));   // the last one
}

TEST(Gb2312Pinyin, OnlyGb2312CharactersHaveReadings)
{
    const char* none[] = {
        "",      "a",         "ab",       "\xA1\xA1",  // ideographic space
        "\xB0\xA0",  // trail byte below 0xA1
        "\xF8\xA1",  // lead byte above 0xF7
        "\x81\x40",  // a GBK character outside GB2312
        "\xD7\xFA",  // an unassigned code inside the GB2312 rows
        "张三",
    };
    for (const char* text : none) {
        EXPECT_EQ(0, GetPinyinCount(text)) << text;
        EXPECT_EQ("", GetPinyin(text)) << text;
    }
    EXPECT_EQ("", GetPinyin("张", 0));
    EXPECT_EQ("", GetPinyin("张", 4));
}

TEST(Gb2312Pinyin, EveryGb2312HanziHasOneToThreeReadings)
{
    int characters = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA)
                continue;  // the five unassigned codes at the end of level 1
            std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
            int count = GetPinyinCount(ch);
            ASSERT_GE(count, 1) << lead << " " << trail;
            ASSERT_LE(count, 3);
            for (int i = 1; i <= count; ++i) {
                std::string reading = GetPinyin(ch, i);
                ASSERT_FALSE(reading.empty());
                for (char c : reading)
                    ASSERT_TRUE(c >= 'a' && c <= 'z') << reading;
            }
            ++characters;
        }
    }
    EXPECT_EQ(6763, characters);
}

}  // namespace
