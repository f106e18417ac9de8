#include "runtime/lunar_words.h"

#include <gtest/gtest.h>

namespace {

TEST(LunarWords, DaysFollowTheCalendarsWording)
{
    const struct {
        int day;
        const char* word;
    } cases[] = {
        {1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, {15, "十五"}, {19, "十九"},
        {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"}, {0, ""},     {31, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LunarDayWord(c.day), c.word) << c.day;
}

TEST(LunarWords, MonthsAndYears)
{
    const char* const months[] = {"", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "腊", ""};
    for (int month = 0; month <= 13; ++month)
        EXPECT_EQ(LunarMonthWord(month), months[month]) << month;
    EXPECT_EQ(LunarMonthName(4, true), "闰四月");
    EXPECT_EQ(LunarMonthName(12, false), "腊月");
    EXPECT_EQ(LunarMonthName(13, true), "");

    EXPECT_EQ(LunarYearWords(2012), "二零一二");
    EXPECT_EQ(LunarYearWords(1900), "一九零零");
    EXPECT_EQ(LunarYearWords(0), "");
    EXPECT_EQ(LunarYearWords(-5), "");
}

TEST(LunarWords, DateInDigitsMarksTheLeapMonth)
{
    EXPECT_EQ(LunarDateDigits(2023, 2, 4, true), "2023年闰2月4日");
    EXPECT_EQ(LunarDateDigits(2023, 2, 29, false), "2023年2月29日");
    EXPECT_EQ(LunarDateDigits(0, 0, 0, false), "0年0月0日");
}

}  // namespace
