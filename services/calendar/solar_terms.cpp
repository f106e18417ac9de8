#include "calendar/solar_terms.h"

#include "calendar/astro_time.h"
#include "calendar/sun_longitude.h"

#include <cmath>

namespace cal {

double SolarLongitudeInstant(double longitudeDegrees, double jde)
{
    // The Sun moves about 0.9856 degrees a day and never faster than 1.02: Newton steps with that
    // rate converge to well under a millisecond in four or five steps.
    for (int i = 0; i < 10; ++i) {
        double behind = longitudeDegrees - ApparentSolarLongitude(jde);
        behind = std::remainder(behind, 360.0);
        const double step = behind / 0.98564736;
        jde += step;
        if (std::fabs(step) < 1e-8)
            break;
    }
    return jde;
}

double SolarTermLongitude(int n)
{
    return std::fmod(315.0 + 15.0 * (n - 1), 360.0);
}

double SolarTermJde(int year, int n)
{
    // Mean dates: 立春 about February 4, each term about 15.22 days after the one before; 小寒 and
    // 大寒 of January follow 冬至 of the year before.
    const int termsAfterLichun = n <= 22 ? n - 1 : n - 25;
    const double guess = JdFromCivil(year, 2, 4, 12, 0, 0) + termsAfterLichun * 15.2184;
    return SolarLongitudeInstant(SolarTermLongitude(n), guess);
}

void SplitChinaJdToSecond(double chinaJd, int& dayNumber, int& secondOfDay)
{
    const double shifted = chinaJd + 0.5;
    dayNumber = static_cast<int>(std::floor(shifted));
    secondOfDay = static_cast<int>(std::lround((shifted - dayNumber) * 86400.0));
    if (secondOfDay >= 86400) {
        ++dayNumber;
        secondOfDay -= 86400;
    }
}

ChinaSecond SeriesSolarTermSecond(int year, int n)
{
    ChinaSecond at;
    SplitChinaJdToSecond(ChinaJdFromJde(SolarTermJde(year, n)), at.dayNumber, at.secondOfDay);
    return at;
}

}  // namespace cal
