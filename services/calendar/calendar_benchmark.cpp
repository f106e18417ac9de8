// Cost of the calendar service's answers: a lunar date, four pillars, the 24 terms of a year, and
// the 24 terms of all 200 years of the range (target: under one second natively).
#include "calendar/calendar.h"

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main()
{
    long long checksum = 0;

    // Lunar dates: every day of 1901-2100 once.
    Clock::time_point start = Clock::now();
    int lunarCalls = 0;
    for (int year = 1901; year <= 2100; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 28; ++day) {
                LunarDate lunar;
                checksum += SolarToLunar(year, month, day, lunar) ? lunar.day : 0;
                ++lunarCalls;
            }
    const double lunarSeconds = SecondsSince(start);

    start = Clock::now();
    int pillarCalls = 0;
    for (int year = 1901; year <= 2100; year += 3)
        for (int month = 1; month <= 12; ++month)
            for (int hour = 0; hour < 24; hour += 5) {
                FourPillars p;
                checksum += FourPillarsAt(year, month, 1 + hour, hour, 17, p) ? p.day.size() : 0;
                ++pillarCalls;
            }
    const double pillarSeconds = SecondsSince(start);

    start = Clock::now();
    for (int year = 1901; year <= 2100; ++year)
        for (int n = 1; n <= 24; ++n) {
            CalendarDateTime t;
            checksum += SolarTermTime(year, n, t) ? t.second : 0;
        }
    const double termSeconds = SecondsSince(start);

    std::printf("calendar: lunar date %.3f us (%d calls)\n", lunarSeconds * 1e6 / lunarCalls, lunarCalls);
    std::printf("calendar: four pillars %.3f us (%d calls)\n", pillarSeconds * 1e6 / pillarCalls, pillarCalls);
    std::printf("calendar: 24 solar terms of a year %.3f ms; all 200 years %.3f s (target < 1 s)\n",
                termSeconds * 1e3 / 200, termSeconds);
    std::printf("calendar: checksum %lld\n", checksum);
    return 0;
}
