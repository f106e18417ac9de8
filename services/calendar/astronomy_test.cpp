// The astronomy beneath the calendar, against worked examples of J. Meeus, "Astronomical Algorithms".
#include "calendar/astro_time.h"
#include "calendar/new_moon.h"
#include "calendar/solar_terms.h"
#include "calendar/sun_longitude.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cal;

TEST(CalendarAstronomy, DayNumbersRoundTripAndKnownDays)
{
    EXPECT_EQ(DayNumberFromCivil(2000, 1, 1), 2451545);
    EXPECT_EQ(DayNumberFromCivil(1900, 3, 1) - DayNumberFromCivil(1900, 2, 28), 1);  // 1900 had no Feb 29
    EXPECT_EQ(DayNumberFromCivil(2000, 3, 1) - DayNumberFromCivil(2000, 2, 28), 2);
    for (int dayNumber = DayNumberFromCivil(1899, 1, 1); dayNumber < DayNumberFromCivil(2102, 1, 1); ++dayNumber) {
        int y, m, d;
        CivilFromDayNumber(dayNumber, y, m, d);
        ASSERT_TRUE(IsValidDate(y, m, d));
        ASSERT_EQ(DayNumberFromCivil(y, m, d), dayNumber);
    }
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 13, 1));
    EXPECT_FALSE(IsValidDate(2023, 4, 31));
}

TEST(CalendarAstronomy, SunAndMoonMatchWorkedExamples)
{
    // Example 25.b: 1992 October 13.0 TD, apparent longitude 199 degrees 54' 21.818".
    EXPECT_NEAR(ApparentSolarLongitude(2448908.5), 199.0 + 54.0 / 60 + 21.818 / 3600, 0.5 / 3600);
    // Example 49.a: the new moon of 1977 February, k = -283, JDE 2443192.65118.
    EXPECT_NEAR(NewMoonJde(-283), 2443192.65118, 0.00001);
    EXPECT_EQ(NewMoonIndexAtOrBefore(2443192.66), -283);
    EXPECT_EQ(NewMoonIndexAtOrBefore(2443192.64), -284);
    // ΔT is about a minute around 2000 and a little over two near the end of the range.
    EXPECT_NEAR(DeltaTSeconds(2000.0), 63.9, 0.5);
    EXPECT_GT(DeltaTSeconds(2100.0), 150.0);
}

TEST(CalendarAstronomy, SolarLongitudeSearchLandsOnTheTarget)
{
    for (int n = 1; n <= 24; ++n) {
        const double jde = SolarTermJde(2030, n);
        EXPECT_NEAR(std::remainder(ApparentSolarLongitude(jde) - SolarTermLongitude(n), 360.0), 0.0, 1e-6) << n;
    }
}

TEST(CalendarAstronomy, LunarDaysFollowTheMeridianOfTheirTime)
{
    // The new moon of 1916-02-04 00:05 at 120 degrees east fell on February 3 at Beijing's meridian.
    const double newMoon = NewMoonJde(NewMoonIndexAtOrBefore(JdeFromChinaJd(JdFromCivil(1916, 2, 4, 12, 0, 0))));
    EXPECT_EQ(ChinaDayNumberOfJde(newMoon), DayNumberFromCivil(1916, 2, 4));
    EXPECT_EQ(LunarCalendarDayNumberOfJde(newMoon), DayNumberFromCivil(1916, 2, 3));
    // From 1929 the calendar counts China's time.
    const double later = NewMoonJde(NewMoonIndexAtOrBefore(JdeFromChinaJd(JdFromCivil(1933, 7, 23, 12, 0, 0))));
    EXPECT_EQ(LunarCalendarDayNumberOfJde(later), DayNumberFromCivil(1933, 7, 23));
}
