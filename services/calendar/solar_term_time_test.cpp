// Solar terms against the oracle's 4,800 instants of 1901-2100 and the interface's edges; the table
// of term instants against the series it is made from, and the month pillars at every 节.
#include "calendar/calendar.h"

#include "calendar/astro_time.h"
#include "calendar/solar_term_table.h"

#include "oracle_terms.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

long long SecondsOf(const CalendarDateTime& t)
{
    return ChinaSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace

TEST(SolarTermTime, AllTermsOf1901To2100FallWithinAMinuteOfTheOracle)
{
    const OracleTerms oracle = ReadOracleTerms();
    ASSERT_EQ(oracle.size(), 200u);
    long long worst = 0;
    int compared = 0;
    for (const auto& [year, instants] : oracle) {
        ASSERT_EQ(instants.size(), 25u) << year;
        for (int n = 1; n <= 24; ++n) {
            CalendarDateTime when;
            ASSERT_TRUE(SolarTermTime(year, n, when));
            const long long difference = SecondsOf(when) - instants[n];
            EXPECT_LE(std::llabs(difference), 60) << year << " term " << n;
            if (std::llabs(difference) > std::llabs(worst))
                worst = difference;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 4800);
    RecordProperty("worst_difference_seconds", static_cast<int>(worst));
}

TEST(SolarTermTime, TermsOfAYearRunFromLichunWithJanuaryLast)
{
    CalendarDateTime t;
    ASSERT_TRUE(SolarTermTime(2012, 1, t));  // 立春 2012: 2012-02-04 18:22
    EXPECT_EQ(t.year * 10000 + t.month * 100 + t.day, 20120204);
    EXPECT_EQ(t.hour * 60 + t.minute, 18 * 60 + 22);
    long long previous = SecondsOf(t);
    for (int n = 2; n <= 22; ++n) {  // in order through the year, 冬至 in December
        ASSERT_TRUE(SolarTermTime(2012, n, t));
        EXPECT_EQ(t.year, 2012);
        EXPECT_GT(SecondsOf(t), previous);
        previous = SecondsOf(t);
    }
    EXPECT_EQ(t.month * 100 + t.day, 1221);  // 冬至 2012-12-21
    ASSERT_TRUE(SolarTermTime(2012, 23, t));  // 小寒 and 大寒 of January 2012
    EXPECT_EQ(t.year * 10000 + t.month * 100 + t.day, 20120106);
    ASSERT_TRUE(SolarTermTime(2012, 24, t));
    EXPECT_EQ(t.year * 10000 + t.month * 100 + t.day, 20120121);
}

TEST(SolarTermTime, RefusesTermNumbersAndYearsOutsideTheRange)
{
    CalendarDateTime t;
    const int cases[][2] = {{2012, 0}, {2012, 25}, {2012, -1}, {1900, 1}, {2101, 1}};
    for (const auto& c : cases) {
        t.year = 1;
        EXPECT_FALSE(SolarTermTime(c[0], c[1], t)) << c[0] << " " << c[1];
        EXPECT_EQ(t.year + t.month + t.day + t.hour + t.minute + t.second, 0);
    }
    EXPECT_TRUE(SolarTermTime(1901, 23, t));  // 小寒 1901 lies in January 1901
    EXPECT_TRUE(SolarTermTime(2100, 22, t));
}

namespace {

// The sexagenary number (1-60) of a stem-branch name, 0 for anything else.
int PairNumber(const std::string& name)
{
    for (int n = 1; n <= 60; ++n)
        if (StemBranchName(n) == name)
            return n;
    return 0;
}

FourPillars PillarsAtSecond(const cal::ChinaSecond& at)
{
    int year, month, day;
    cal::CivilFromDayNumber(at.dayNumber, year, month, day);
    FourPillars p;
    EXPECT_TRUE(FourPillarsAt(year, month, day, at.secondOfDay / 3600, at.secondOfDay / 60 % 60, at.secondOfDay % 60, p))
        << year << "-" << month << "-" << day << " " << at.secondOfDay;
    return p;
}

}  // namespace

TEST(SolarTermTable, EveryInstantOf1901To2100IsTheSeriesInstant)
{
    int compared = 0;
    for (int year = cal::kFirstSolarTermTableYear; year <= cal::kLastSolarTermTableYear; ++year)
        for (int n = 1; n <= 24; ++n) {
            const cal::ChinaSecond table = cal::SolarTermSecond(year, n);
            const cal::ChinaSecond series = cal::SeriesSolarTermSecond(year, n);
            ASSERT_EQ(table.dayNumber, series.dayNumber) << year << " term " << n;
            ASSERT_EQ(table.secondOfDay, series.secondOfDay) << year << " term " << n;
            ++compared;
        }
    EXPECT_EQ(compared, 4800);
    // Outside the table the series answers.
    for (int year : {1899, 1900, 2101, 2150})
        for (int n : {1, 12, 23, 24})
            EXPECT_TRUE(cal::SolarTermSecond(year, n) == cal::SeriesSolarTermSecond(year, n)) << year << " " << n;
}

// The month pillar moves on by one pair at the second of every 节 and not a second before; the year
// pillar with it at 立春 only.
TEST(SolarTermTable, MonthPillarChangesAtEveryJieOf1901To2100)
{
    const int jieInYearOrder[] = {23, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21};
    int changes = 0;
    for (int year = 1901; year <= 2100; ++year)
        for (int n : jieInYearOrder) {
            const cal::ChinaSecond at = cal::SolarTermSecond(year, n);
            cal::ChinaSecond before = at;
            if (--before.secondOfDay < 0) {
                before.secondOfDay += 86400;
                --before.dayNumber;
            }
            const FourPillars was = PillarsAtSecond(before);
            const FourPillars is = PillarsAtSecond(at);
            const int monthBefore = PairNumber(was.month), monthAt = PairNumber(is.month);
            ASSERT_NE(monthBefore, 0);
            ASSERT_EQ(monthAt, monthBefore % 60 + 1) << year << " term " << n << ": " << was.month << " " << is.month;
            const int yearBefore = PairNumber(was.year), yearAt = PairNumber(is.year);
            ASSERT_EQ(yearAt, n == 1 ? yearBefore % 60 + 1 : yearBefore) << year << " term " << n;
            ++changes;
        }
    EXPECT_EQ(changes, 2400);
}
