#include "runtime/datetime.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

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
        {"2012 - 05 - 12 12:00", At(2012, 5, 12, 12)},  // blanks around the parts of the date
        {"2012 /5/12 1:00", At(2012, 5, 12, 1)},
        {"2012-05-12\xA1\xA1" "08 : 09", At(2012, 5, 12, 8, 9)},  // a full-width blank before the hour
        {"2012年5月12日 12:05", At(2012, 5, 12, 12, 5)},
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
    for (const char* bad : {"", "abc", "2012年13月1日", "2023年2月29日", "2012-05", "2012年5月12日x", "2012-05-12 25:00",
                            "2012-05-1212:00", "12:00", "2012-05-12 :00"}) {
        double v = 7;
        EXPECT_FALSE(TextToDateTime(bad, v)) << bad;
        EXPECT_EQ(v, 7);
    }
}

// Values that are not finite or lie outside the years 100-9999 are no date-times: zero parts, false,
// no seconds; amounts are checked before they are multiplied.
TEST(DateTime, RefusesValuesAndAmountsOutsideTheValidYears)
{
    const double invalid[] = {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, -DBL_MAX, 2958466.0, -657435.0, 2958465.99999999};
    for (double v : invalid) {
        DateTimeParts p = SplitDateTime(v);
        EXPECT_EQ(p.year + p.month + p.day + p.hour + p.minute + p.second, 0) << v;
        EXPECT_EQ(DateTimeWeekday(v), 0) << v;
        EXPECT_EQ(DateTimeToText(v), "") << v;
        EXPECT_EQ(SecondsBetween(v, 0.0), 0) << v;
        EXPECT_EQ(SecondsBetween(0.0, v), 0) << v;
        double out = 7;
        EXPECT_FALSE(AddToDateTime(v, DateTimeUnit::Second, 0, out)) << v;
        EXPECT_EQ(out, 7);
    }
    EXPECT_EQ(SplitDateTime(At(100, 1, 1)).year, 100);
    EXPECT_EQ(SplitDateTime(At(9999, 12, 31, 23, 59, 59)).year, 9999);

    double out = 7;
    const double start = At(2012, 5, 12);
    EXPECT_FALSE(AddToDateTime(start, DateTimeUnit::Week, 30500568904944LL, out));
    EXPECT_FALSE(AddToDateTime(start, DateTimeUnit::Second, LLONG_MIN, out));
    EXPECT_FALSE(AddToDateTime(start, DateTimeUnit::Year, LLONG_MAX, out));
    EXPECT_FALSE(AddToDateTime(start, DateTimeUnit::Month, -LLONG_MAX, out));
    EXPECT_FALSE(AddToDateTime(start, DateTimeUnit::Year, -1913, out));
    EXPECT_EQ(out, 7);
    ASSERT_TRUE(AddToDateTime(start, DateTimeUnit::Year, -1912, out));
    EXPECT_DOUBLE_EQ(out, At(100, 5, 12));
    ASSERT_TRUE(AddToDateTime(At(100, 1, 1), DateTimeUnit::Second, SecondsBetween(At(100, 1, 1), At(9999, 12, 31, 23, 59, 59)), out));
    EXPECT_DOUBLE_EQ(out, At(9999, 12, 31, 23, 59, 59));
}

}  // namespace
