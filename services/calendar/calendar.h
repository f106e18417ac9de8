#pragma once
// The Chinese calendar service: lunar dates, the four pillars (eight characters), stem-branch and
// nayin names, zodiac animals and the 24 solar terms. Everything is worked out from the apparent
// longitude of the Sun and the new moons (see the sources), in China's time (UTC+8). Texts are GBK.
// The term instants of 1901-2100 and the lunar years are read from tables written from that same
// computation (solar_term_table.h, lunar_year_encoding.h), which the tests compare with it.
//
// Conventions:
// - the year pillar and the zodiac animal change at the instant of 立春, the month pillar at each of
//   the twelve 节 (立春, 惊蛰, 清明, 立夏, 芒种, 小暑, 立秋, 白露, 寒露, 立冬, 大雪, 小寒), to the second
//   that SolarTermTime reports;
// - the day pillar changes at midnight; from 23:00 the hour is 子 and its stem follows the next day's
//   stem (2023-01-21 23:30: day 己卯, hour 丙子);
// - a lunar month begins on the day of its new moon (China's time; for 1912-1928 the meridian of
//   Beijing, as the calendars of those years were reckoned); the month holding 冬至 is month 11; a
//   leap month is the first month without a major term in a year of 13 months. Month 9 of 2057, which
//   calendars disagree on, begins on 2057-09-28 by our computation (see lunar_date.cpp).
//
// Range: solar dates and date-times of 1901-2100 for the pillars, the zodiac animal and the solar
// terms; lunar dates of the lunar years 1900-2100 (solar 1900-01-31 to 2101-01-28). Every function
// is stateless and safe to call from any thread.
#include <string>

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct CalendarDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct LunarDate {
    int year = 0;   // the year of its 正月 (the first lunar months of January belong to the year before)
    int month = 0;  // 1-12
    int day = 0;    // 1-30
    bool isLeapMonth = false;
};

// The four pillars of a date-time: two-character stem-branch texts, or all four empty.
struct FourPillars {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
};

// Lunar date of a solar date; false (and a zero LunarDate) for an invalid date or one out of range.
bool SolarToLunar(int year, int month, int day, LunarDate& lunar);

// Solar date of a lunar date; false (and a zero CalendarDate) when the lunar date does not exist: a
// year out of range, a leap flag for a month that is not leap in that year, a day 30 of a short month.
bool LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool isLeapMonth, CalendarDate& solar);

// Four pillars of a date-time in China's time. Fails, leaving the four texts empty, for years up to
// 1900 or after 2100 and for a date-time that does not exist (February 30, hour 24, minute 60).
bool FourPillarsAt(int year, int month, int day, int hour, int minute, FourPillars& pillars);
bool FourPillarsAt(int year, int month, int day, int hour, int minute, int second, FourPillars& pillars);

// Name of sexagenary pair n: 1 "甲子", 2 "乙丑" ... 60 "癸亥"; empty outside 1-60.
std::string StemBranchName(int n);

// Nayin of a stem-branch name ("甲子" -> "海中金"); empty for a text that is no stem-branch name.
std::string NayinName(const std::string& stemBranch);

// Zodiac animal ("鼠" ... "猪") of the year that holds the date-time (changing at 立春); empty where
// FourPillarsAt fails.
std::string ZodiacAnimal(int year, int month, int day, int hour, int minute);

// Date-time (China's time, to the second) of solar term n of a year, n = 1 to 24 counted from 立春:
// 1-22 are 立春 to 冬至 of that year, 23 and 24 its 小寒 and 大寒 of January. False (and a zero
// date-time) for n outside 1-24 or a year outside 1901-2100.
bool SolarTermTime(int year, int n, CalendarDateTime& when);
