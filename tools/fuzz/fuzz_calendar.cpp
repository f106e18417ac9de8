// The Chinese calendar (services/calendar): solar and lunar dates round-trip; the four pillars follow
// the plain rules (the day cycle by Julian day number, the year from 立春, the month from the 节 with
// the five-tiger rule, the hour with the five-rat rule, the 子 hour from 23:00 taking the next day's
// stem); solar terms come in order, about half a month apart.
#include <string>
#include <tuple>

#include "calendar/calendar.h"
#include "fuzz_support.h"

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int MonthLength(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

bool ValidDate(int y, int m, int d) { return m >= 1 && m <= 12 && d >= 1 && d <= MonthLength(y, m); }

// Julian day number of a Gregorian date.
long long JulianDay(int y, int m, int d)
{
    long long a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

using Moment = std::tuple<int, int, int, int, int, int>;
Moment MomentOf(const CalendarDateTime& t) { return {t.year, t.month, t.day, t.hour, t.minute, t.second}; }

// Number 1-60 of a stem-branch name, 0 when it is none.
int NumberOf(const std::string& name)
{
    for (int n = 1; n <= 60; ++n)
        if (StemBranchName(n) == name)
            return n;
    return 0;
}
int StemOf(int n) { return (n - 1) % 10; }
int BranchOf(int n) { return (n - 1) % 12; }
int NumberOfStemAndBranch(int stem, int branch)
{
    for (int n = 1; n <= 60; ++n)
        if (StemOf(n) == stem && BranchOf(n) == branch)
            return n;
    return 0;
}

void CheckNames(int n)
{
    std::string name = StemBranchName(n);
    FUZZ_CHECK((n >= 1 && n <= 60) == !name.empty());
    if (name.empty())
        return;
    FUZZ_CHECK(name.size() == 4 && NumberOf(name) == n);
    std::string nayin = NayinName(name);
    FUZZ_CHECK(nayin.size() == 6);
    FUZZ_CHECK(NayinName(StemBranchName(n % 2 ? n + 1 : n - 1)) == nayin);  // one nayin for each two pairs
}

void CheckLunar(int y, int m, int d, int lunarYear, int lunarMonth, int lunarDay, bool leap)
{
    LunarDate lunar;
    bool inRange = ValidDate(y, m, d) && std::make_tuple(y, m, d) >= std::make_tuple(1900, 1, 31) &&
                   std::make_tuple(y, m, d) <= std::make_tuple(2101, 1, 28);
    FUZZ_CHECK(SolarToLunar(y, m, d, lunar) == inRange);
    if (inRange) {
        CalendarDate solar;
        FUZZ_CHECK(lunar.month >= 1 && lunar.month <= 12 && lunar.day >= 1 && lunar.day <= 30);
        FUZZ_CHECK(LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth, solar));
        FUZZ_CHECK(solar.year == y && solar.month == m && solar.day == d);
    }
    CalendarDate solar;
    if (LunarToSolar(lunarYear, lunarMonth, lunarDay, leap, solar)) {
        LunarDate back;
        FUZZ_CHECK(SolarToLunar(solar.year, solar.month, solar.day, back));
        FUZZ_CHECK(back.year == lunarYear && back.month == lunarMonth && back.day == lunarDay && back.isLeapMonth == leap);
    }
}

void CheckTerms(int y)
{
    CalendarDateTime t[25];
    for (int n = 1; n <= 24; ++n)
        FUZZ_CHECK(SolarTermTime(y, n, t[n]) == (y >= 1901 && y <= 2100));
    FUZZ_CHECK(!SolarTermTime(y, 0, t[0]) && !SolarTermTime(y, 25, t[0]));
    if (y < 1901 || y > 2100)
        return;
    // 小寒 and 大寒 of January, then 立春 to 冬至.
    int order[] = {23, 24, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    for (int k = 1; k < 24; ++k) {
        const CalendarDateTime& a = t[order[k - 1]];
        const CalendarDateTime& b = t[order[k]];
        FUZZ_CHECK(a.year == y && b.year == y);
        long long days = JulianDay(b.year, b.month, b.day) - JulianDay(a.year, a.month, a.day);
        FUZZ_CHECK(MomentOf(a) < MomentOf(b) && days >= 13 && days <= 17);
    }
}

void CheckPillars(int y, int m, int d, int h, int mi, int s)
{
    FourPillars p;
    bool valid = y >= 1901 && y <= 2100 && ValidDate(y, m, d) && h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59;
    FUZZ_CHECK(FourPillarsAt(y, m, d, h, mi, s, p) == valid);
    if (!valid) {
        FUZZ_CHECK(p.year.empty() && p.month.empty() && p.day.empty() && p.hour.empty());
        return;
    }
    int yearN = NumberOf(p.year), monthN = NumberOf(p.month), dayN = NumberOf(p.day), hourN = NumberOf(p.hour);
    FUZZ_CHECK(yearN && monthN && dayN && hourN);

    // The day: 1900-01-01 (Julian day 2415021) was 甲戌, number 11.
    FUZZ_CHECK(dayN == static_cast<int>((JulianDay(y, m, d) + 49) % 60) + 1);
    // The hour: 子 from 23:00, its stem by the five-rat rule from the stem of the day it leads into.
    int hourBranch = (h + 1) / 2 % 12;
    int dayStem = (StemOf(dayN) + (h == 23 ? 1 : 0)) % 10;
    FUZZ_CHECK(hourN == NumberOfStemAndBranch((2 * dayStem + hourBranch) % 10, hourBranch));

    // The year changes at the instant of 立春.
    Moment now{y, m, d, h, mi, s};
    CalendarDateTime start;
    FUZZ_CHECK(SolarTermTime(y, 1, start));
    int pillarYear = now >= MomentOf(start) ? y : y - 1;
    FUZZ_CHECK(yearN == (pillarYear - 4) % 60 + 1);
    std::string animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
    int zodiacYear = Moment{y, m, d, h, mi, 0} >= MomentOf(start) ? y : y - 1;  // the animal takes no seconds
    FUZZ_CHECK(ZodiacAnimal(y, m, d, h, mi) == animals[(zodiacYear - 4) % 12]);

    // The month: the last 节 passed gives the branch (立春 寅 ... 大雪 子, 小寒 丑), the five-tiger rule the stem.
    int branch = -1;
    CalendarDateTime term;
    if (SolarTermTime(y, 23, term) && now >= MomentOf(term))
        branch = 1;
    for (int n = 1; n <= 21; n += 2)
        if (SolarTermTime(y, n, term) && now >= MomentOf(term))
            branch = (2 + (n - 1) / 2) % 12;
    if (branch < 0) {
        if (y == 1901)
            return;  // before 小寒 of 1901 the month began in 1900, out of the range
        branch = 0;  // from 大雪 of the year before
    }
    int monthStem = (StemOf(yearN) * 2 + 2 + (branch - 2 + 12) % 12) % 10;
    FUZZ_CHECK(monthN == NumberOfStemAndBranch(monthStem, branch));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    int y = static_cast<int>(in.IntInRange(1895, 2105));
    int m = static_cast<int>(in.IntInRange(0, 13)), d = static_cast<int>(in.IntInRange(0, 32));
    int h = static_cast<int>(in.IntInRange(-1, 24)), mi = static_cast<int>(in.IntInRange(-1, 60));
    int s = static_cast<int>(in.IntInRange(-1, 60));
    CheckPillars(y, m, d, h, mi, s);
    CheckLunar(y, m, d, static_cast<int>(in.IntInRange(1895, 2105)), static_cast<int>(in.IntInRange(0, 13)),
               static_cast<int>(in.IntInRange(0, 31)), in.Flag());
    CheckTerms(static_cast<int>(in.IntInRange(1898, 2103)));
    CheckNames(static_cast<int>(in.IntInRange(-1, 62)));
    return 0;
}
