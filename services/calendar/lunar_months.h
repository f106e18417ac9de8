#pragma once
// The lunar calendar worked out from the Sun and the Moon (the rules of the modern Chinese calendar):
// - a month begins on the day (China's time, UTC+8; see LunarCalendarDayNumberOfJde) of a new moon;
// - the month that holds the day of 冬至 (winter solstice) is month 11;
// - when 13 months begin between two months 11, the first of them after the first month 11 in whose
//   days no major term (中气, a multiple of 30 degrees of solar longitude) falls is a leap month and
//   repeats the number of the month before it.
#include <vector>

namespace cal {

struct LunarMonthStart {
    int dayNumber;    // first day of the month (Julian day number)
    int lunarYear;    // the year of its 正月 (months 11 and 12 belong to the year before the next 正月)
    int month;        // 1-12
    bool isLeap;
};

// Months that begin from month 11 of (firstYear - 1) up to, not including, month 11 of lastYear, in
// order. A lunar year Y then runs from its month 1 to the month before month 1 of Y + 1.
std::vector<LunarMonthStart> ComputeLunarMonths(int firstYear, int lastYear);

// Day number (as the lunar calendar counts days) of the winter solstice of a year.
int WinterSolsticeDay(int year);

}  // namespace cal
