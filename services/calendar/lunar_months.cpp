#include "calendar/lunar_months.h"

#include "calendar/astro_time.h"
#include "calendar/new_moon.h"
#include "calendar/solar_terms.h"

namespace cal {
namespace {

double WinterSolsticeJde(int year)
{
    return SolarLongitudeInstant(270.0, JdFromCivil(year, 12, 21, 12, 0, 0));
}

// Number of the new moon that begins the month holding the given day.
int NewMoonOfMonthHolding(int dayNumber)
{
    // The last new moon before the end of that day (China's time), then settle on whole days.
    int k = NewMoonIndexAtOrBefore(JdeFromChinaJd(dayNumber + 0.5));
    while (LunarCalendarDayNumberOfJde(NewMoonJde(k)) > dayNumber)
        --k;
    while (LunarCalendarDayNumberOfJde(NewMoonJde(k + 1)) <= dayNumber)
        ++k;
    return k;
}

// The months between the month 11 holding the solstice of (year - 1) and that of year (the "sui").
void AppendSui(int year, std::vector<LunarMonthStart>& months)
{
    const double solsticeBefore = WinterSolsticeJde(year - 1);
    const int firstMoon = NewMoonOfMonthHolding(LunarCalendarDayNumberOfJde(solsticeBefore));
    const int nextMoon = NewMoonOfMonthHolding(LunarCalendarDayNumberOfJde(WinterSolsticeJde(year)));
    const int count = nextMoon - firstMoon;  // 12 or 13

    int starts[14];
    for (int i = 0; i <= count; ++i)
        starts[i] = LunarCalendarDayNumberOfJde(NewMoonJde(firstMoon + i));

    // Days of the major terms from 大寒 (300) of the sui on; the solstices fall in the months 11.
    int majorTermDays[12];
    for (int j = 1; j <= 11; ++j)
        majorTermDays[j] = LunarCalendarDayNumberOfJde(SolarLongitudeInstant(270.0 + 30.0 * j - (j >= 3 ? 360.0 : 0.0),
                                                                     solsticeBefore + 30.44 * j));

    int leapIndex = 0;  // index in the sui of the leap month, 0 for none
    if (count == 13) {
        for (int i = 1; i < 13 && leapIndex == 0; ++i) {
            bool holdsMajorTerm = false;
            for (int j = 1; j <= 11; ++j)
                if (majorTermDays[j] >= starts[i] && majorTermDays[j] < starts[i + 1])
                    holdsMajorTerm = true;
            if (!holdsMajorTerm)
                leapIndex = i;
        }
    }

    int month = 11;
    bool reachedNewYear = false;  // months 11 and 12 (and a leap 11 or 12) still close year - 1
    for (int i = 0; i < count; ++i) {
        const bool isLeap = leapIndex != 0 && i == leapIndex;
        if (i > 0 && !isLeap)
            month = month % 12 + 1;
        if (month == 1)
            reachedNewYear = true;
        months.push_back({starts[i], reachedNewYear ? year : year - 1, month, isLeap});
    }
}

}  // namespace

std::vector<LunarMonthStart> ComputeLunarMonths(int firstYear, int lastYear)
{
    std::vector<LunarMonthStart> months;
    for (int year = firstYear; year < lastYear; ++year)
        AppendSui(year, months);
    return months;
}

int WinterSolsticeDay(int year)
{
    return LunarCalendarDayNumberOfJde(WinterSolsticeJde(year));
}

}  // namespace cal
