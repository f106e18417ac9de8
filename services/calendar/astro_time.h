#pragma once
// Day numbers and time scales for the calendar's astronomy.
//
// A "day number" is the Julian day number of a civil date (noon-based, so 2000-01-01 is 2451545).
// A "Julian date" is continuous time in days; JD 2451545.0 is 2000-01-01 12:00. Instants from the
// astronomical series are in Terrestrial Time (JDE); the calendar works in China's civil time, UTC+8.

namespace cal {

constexpr double kChinaUtcOffsetDays = 8.0 / 24.0;

// Proleptic Gregorian calendar.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1-12
bool IsValidDate(int year, int month, int day);
// Day counting on a March-based year, so the leap day falls at the end of 400-year eras.
constexpr int DayNumberFromCivil(int year, int month, int day)
{
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + 2440588;
}
void CivilFromDayNumber(int dayNumber, int& year, int& month, int& day);

// ΔT = TT - UT in seconds near the given decimal year (Espenak & Meeus polynomial fits, 2006).
double DeltaTSeconds(double decimalYear);

// Instant in Terrestrial Time -> Julian date in China's civil time (UTC+8), and back.
double ChinaJdFromJde(double jde);
double JdeFromChinaJd(double chinaJd);

// The civil day (day number) in China on which an instant given in TT falls.
int ChinaDayNumberOfJde(double jde);

// The day on which the lunar calendar counts an instant given in TT: China's time (120 degrees east),
// except from 1912 to 1928, when the calendars were reckoned for the meridian of Beijing (116 degrees
// 25 minutes east, 14 minutes 20 seconds behind). That older reckoning puts the new moons of
// 1914-11-18, 1916-02-04 and 1920-11-11 (just after midnight at 120 degrees) on the day before, as
// the calendars of those years had them. Up to 1911 the published calendars agree with 120 degrees.
int LunarCalendarDayNumberOfJde(double jde);

// Julian date of a civil date-time in the same time scale as the date-time.
double JdFromCivil(int year, int month, int day, int hour, int minute, double second);

}  // namespace cal
