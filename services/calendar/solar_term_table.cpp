#include "calendar/solar_term_table.h"

#include "calendar/astro_time.h"

#include <cstdint>

namespace cal {
namespace {

#include "calendar/solar_term_table.inc"

static_assert(kSolarTermTableFirstYear == kFirstSolarTermTableYear && kSolarTermTableLastYear == kLastSolarTermTableYear,
              "the generated table covers the years the calendar reads it for");

}  // namespace

ChinaSecond SolarTermSecond(int year, int n)
{
    if (year < kFirstSolarTermTableYear || year > kLastSolarTermTableYear)
        return SeriesSolarTermSecond(year, n);
    const uint32_t entry = kSolarTermTable[(year - kFirstSolarTermTableYear) * 24 + n - 1];
    ChinaSecond at;
    at.dayNumber = DayNumberFromCivil(year, 1, 1) + static_cast<int>(entry >> kSolarTermDayShift);
    at.secondOfDay = static_cast<int>(entry & kSolarTermSecondMask);
    return at;
}

}  // namespace cal
