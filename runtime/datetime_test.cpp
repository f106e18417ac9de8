#include "runtime/datetime.h"

#include <gtest/gtest.h>

namespace {

double At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    double v = 0;
    EXPECT_TRUE(MakeDateTime(y, mo, d, h, mi, s, v)) << y << "-" << mo << "-" << d;
    return v;
}

TEST(DateTime, CountsDaysFrom18991230)
{
    EXPECT_DOUBLE_EQ(At(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(At(1900, 1, 1, 12), 2.5);
    EXPECT_DOUBLE_EQ(At(2000, 1, 1), 36526.0);
    EXPECT_DOUBLE_EQ(At(1899, 12, 29, 6), -1.25);  // before day 0 the fraction still runs forward
    DateTimeParts p = SplitDateTime(-1.25);
    EXPECT_EQ(p.year, 1899);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 6);
    double v;
    EXPECT_FALSE(MakeDateTime(2023, 2, 29, 0, 0, 0, v));
    EXPECT_FALSE(MakeDateTime(2024, 1, 1, 24, 0, 0, v));
    EXPECT_FALSE(MakeDateTime(99, 1, 1, 0, 0, 0, v));
}

TEST(DateTime, WeekdayStartsOnSunday)
{
    EXPECT_EQ(DateTimeWeekday(At(2026, 12, 10)), 5);  // a Thursday
    EXPECT_EQ(DateTimeWeekday(At(2026, 12, 13, 23, 59)), 1);
    EXPECT_EQ(DateTimeWeekday(At(1899, 12, 30)), 7);
    EXPECT_EQ(DateTimeWeekday(At(1899, 12, 24)), 1);
}

TEST(DateTime, ArithmeticClampsMonthEndsAndCountsSeconds)
{
    double v;
    ASSERT_TRUE(AddToDateTime(At(2024, 1, 31, 8), DateTimeUnit::Month, 1, v));
    EXPECT_DOUBLE_EQ(v, At(2024, 2, 29, 8));
    ASSERT_TRUE(AddToDateTime(At(2024, 2, 29), DateTimeUnit::Year, -1, v));
    EXPECT_DOUBLE_EQ(v, At(2023, 2, 28));
    ASSERT_TRUE(AddToDateTime(At(2026, 12, 10, 23, 30), DateTimeUnit::Minute, 60, v));
    EXPECT_DOUBLE_EQ(v, At(2026, 12, 11, 0, 30));
    ASSERT_TRUE(AddToDateTime(At(1899, 12, 30, 1), DateTimeUnit::Hour, -8, v));
    EXPECT_DOUBLE_EQ(v, At(1899, 12, 29, 17));
    EXPECT_FALSE(AddToDateTime(At(9999, 12, 31), DateTimeUnit::Day, 1, v));
    EXPECT_EQ(SecondsBetween(At(2026, 12, 10, 12), At(2026, 12, 10, 13, 0, 5)), 3605);
    EXPECT_EQ(SecondsBetween(At(1899, 12, 30), At(1899, 12, 29, 23, 59, 59)), -1);
}

TEST(DateTime, TextRoundTripsThroughItsOwnForms)
{
    EXPECT_EQ(DateTimeToText(At(2012, 5, 12)), "2012年5月12日");
    EXPECT_EQ(DateTimeToText(At(2012, 5, 12, 12, 5)), "2012年5月12日12时5分0秒");
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"2012年5月12日", At(2012, 5, 12)},
        {"2012年5月12日12时5分0秒", At(2012, 5, 12, 12, 5)},
        {"2012年5月12日12时", At(2012, 5, 12, 12)},
        {"2012年5月12日 12时12分", At(2012, 5, 12, 12, 12)},
        {" 2012 年 5 月 12 日 ", At(2012, 5, 12)},
        {"2012-05-12 08:09:10", At(2012, 5, 12, 8, 9, 10)},
        {"2012/5/12 8:09", At(2012, 5, 12, 8, 9)},
        {"2012/05/12", At(2012, 5, 12)},
    };
    for (const Case& c : cases) {
        double v = -1;
        EXPECT_TRUE(TextToDateTime(c.text, v)) << c.text;
        EXPECT_DOUBLE_EQ(v, c.expected) << c.text;
    }
    for (double v : {At(2026, 12, 10, 23, 59, 59), At(1901, 2, 19), At(1850, 7, 1, 0, 0, 1)}) {
        double back = 0;
        ASSERT_TRUE(TextToDateTime(DateTimeToText(v), back));
        EXPECT_DOUBLE_EQ(back, v);
    }
    for (const char* bad : {"", "abc", "2012年13月1日", "2023年2月29日", "2012-05", "2012年5月12日x", "2012-05-12 25:00"}) {
        double v = 7;
        EXPECT_FALSE(TextToDateTime(bad, v)) << bad;
        EXPECT_EQ(v, 7);
    }
}

}  // namespace
