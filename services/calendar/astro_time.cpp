#include "calendar/astro_time.h"

#include <cmath>

namespace cal {

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day)
{
    return day >= 1 && day <= DaysInMonth(year, month);
}

void CivilFromDayNumber(int dayNumber, int& year, int& month, int& day)
{
    const int z = dayNumber - 2440588 + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int dayOfEra = z - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int mp = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

double DeltaTSeconds(double y)
{
    double t;
    if (y < 1860)
        y = 1860;  // the calendar never looks this far back
    if (y < 1900) {
        t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * t * t * t * t
               + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
    }
    if (y < 1941) {
        t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t
               + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    if (y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

static double DecimalYearOfJd(double jd)
{
    return 2000.0 + (jd - 2451545.0) / 365.2425;
}

double ChinaJdFromJde(double jde)
{
    return jde - DeltaTSeconds(DecimalYearOfJd(jde)) / 86400.0 + kChinaUtcOffsetDays;
}

double JdeFromChinaJd(double chinaJd)
{
    return chinaJd - kChinaUtcOffsetDays + DeltaTSeconds(DecimalYearOfJd(chinaJd)) / 86400.0;
}

int ChinaDayNumberOfJde(double jde)
{
    return static_cast<int>(std::floor(ChinaJdFromJde(jde) + 0.5));
}

int LunarCalendarDayNumberOfJde(double jde)
{
    constexpr int kBeijingMeridianFrom = DayNumberFromCivil(1912, 1, 1);
    constexpr int kChinaTimeFrom = DayNumberFromCivil(1929, 1, 1);
    constexpr double kBeijingMeridianLagDays = (14 * 60 + 20) / 86400.0;
    const double chinaJd = ChinaJdFromJde(jde);
    const int day = static_cast<int>(std::floor(chinaJd + 0.5));
    if (day < kBeijingMeridianFrom || day >= kChinaTimeFrom)
        return day;
    return static_cast<int>(std::floor(chinaJd - kBeijingMeridianLagDays + 0.5));
}

double JdFromCivil(int year, int month, int day, int hour, int minute, double second)
{
    return DayNumberFromCivil(year, month, day) - 0.5 + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

}  // namespace cal
