// The four pillars and the zodiac animal of a date-time, and the public solar-term times.
#include "calendar/calendar.h"

#include "calendar/astro_time.h"
#include "calendar/solar_term_table.h"

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2100;

const char* const kAnimals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

int Modulo(int value, int divisor)
{
    const int r = value % divisor;
    return r < 0 ? r + divisor : r;
}

bool ReadDateTime(int year, int month, int day, int hour, int minute, int second, cal::ChinaSecond& at)
{
    if (year < kFirstYear || year > kLastYear || !cal::IsValidDate(year, month, day) || hour < 0 || hour > 23
        || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    at.dayNumber = cal::DayNumberFromCivil(year, month, day);
    at.secondOfDay = hour * 3600 + minute * 60 + second;
    return true;
}

// The solar month that holds an instant of the given year, counted in 节 from the last 立春: 0 for
// the 寅 month from 立春 to 惊蛰, ... 10 for the 子 month from 大雪, 11 for the 丑 month from 小寒. A 节
// takes effect at the whole second to which its instant rounds, as SolarTermTime reports it. The 节
// of a year are its odd terms: 小寒 (23) in January, then 立春 (1), 惊蛰 (3) ... 大雪 (21).
int SolarMonthIndex(int year, const cal::ChinaSecond& at)
{
    if (at < cal::SolarTermSecond(year, 23))
        return 10;  // early January: still the 子 month that began at 大雪 of the year before
    int index = 11;
    for (int n = 1; n <= 21 && !(at < cal::SolarTermSecond(year, n)); n += 2)
        index = (n - 1) / 2;
    return index;
}

// Sexagenary numbers (0-based: 0 甲子 ... 59 癸亥) of the four pillars.
struct PillarNumbers {
    int year, month, day, hour;
};

int PairOf(int stem, int branch)
{
    return Modulo(6 * stem - 5 * branch, 60);  // the pair with this stem (mod 10) and branch (mod 12)
}

bool ComputePillars(int year, int month, int day, int hour, int minute, int second, PillarNumbers& pillars)
{
    cal::ChinaSecond at;
    if (!ReadDateTime(year, month, day, hour, minute, second, at))
        return false;
    const int solarMonth = SolarMonthIndex(year, at);
    // January and the days of February before 立春 lie in the 子 or 丑 month of the year before.
    const int pillarYear = month <= 2 && solarMonth >= 10 ? year - 1 : year;
    pillars.year = Modulo(pillarYear - 1984, 60);  // 1984 was a 甲子 year
    // The 寅 month of a 甲 year is 丙寅; months run on through the cycle, five years to a round.
    pillars.month = Modulo(2 + (pillarYear - 1984) * 12 + solarMonth, 60);
    pillars.day = Modulo(at.dayNumber + 49, 60);  // day number 11 was a 甲子 day
    const int hourBranch = (hour + 1) / 2 % 12;
    const int stemDay = hour == 23 ? at.dayNumber + 1 : at.dayNumber;
    const int dayStem = Modulo(stemDay + 49, 60) % 10;
    pillars.hour = PairOf(dayStem % 5 * 2 + hourBranch, hourBranch);  // 甲 and 己 days begin with 甲子
    return true;
}

}  // namespace

bool FourPillarsAt(int year, int month, int day, int hour, int minute, int second, FourPillars& pillars)
{
    pillars = FourPillars();
    PillarNumbers numbers;
    if (!ComputePillars(year, month, day, hour, minute, second, numbers))
        return false;
    pillars.year = StemBranchName(numbers.year + 1);
    pillars.month = StemBranchName(numbers.month + 1);
    pillars.day = StemBranchName(numbers.day + 1);
    pillars.hour = StemBranchName(numbers.hour + 1);
    return true;
}

bool FourPillarsAt(int year, int month, int day, int hour, int minute, FourPillars& pillars)
{
    return FourPillarsAt(year, month, day, hour, minute, 0, pillars);
}

std::string ZodiacAnimal(int year, int month, int day, int hour, int minute)
{
    PillarNumbers numbers;
    if (!ComputePillars(year, month, day, hour, minute, 0, numbers))
        return std::string();
    return kAnimals[numbers.year % 12];
}

bool SolarTermTime(int year, int n, CalendarDateTime& when)
{
    when = CalendarDateTime();
    if (year < kFirstYear || year > kLastYear || n < 1 || n > 24)
        return false;
    const cal::ChinaSecond at = cal::SolarTermSecond(year, n);
    cal::CivilFromDayNumber(at.dayNumber, when.year, when.month, when.day);
    when.hour = at.secondOfDay / 3600;
    when.minute = at.secondOfDay / 60 % 60;
    when.second = at.secondOfDay % 60;
    return true;
}
