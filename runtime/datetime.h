#pragma once
// Date-times as the form runtime keeps them: days since 1899-12-30 00:00 as a double, the fraction
// being the time of day (for days before that date the fraction still counts forward from midnight,
// so -1.25 is 1899-12-29 06:00). Valid years are 100 to 9999.
#include <string>

struct DateTimeParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

enum class DateTimeUnit { Year, Month, Week, Day, Hour, Minute, Second };

// Builds a date-time from its parts; false (and out untouched) when a part is out of range.
bool MakeDateTime(int year, int month, int day, int hour, int minute, int second, double& out);
// Parts of a date-time, rounded to the nearest second.
DateTimeParts SplitDateTime(double dateTime);
// 1 = Sunday ... 7 = Saturday.
int DateTimeWeekday(double dateTime);
int DaysInMonth(int year, int month);
bool IsLeapYear(int year);

// The local date-time now (whole seconds).
double DateTimeNow();

// Adds an amount of a unit; months and years keep the day, clamped to the month's length
// (January 31 + 1 month = February 28 or 29). False when the result leaves the valid years.
bool AddToDateTime(double dateTime, DateTimeUnit unit, long long amount, double& out);
// Whole seconds from one date-time to another (negative when "to" is earlier).
long long SecondsBetween(double from, double to);

// "2012年5月12日" for a date-time at midnight, else "2012年5月12日12时5分0秒".
std::string DateTimeToText(double dateTime);
// Reads "Y年M月D日[H时[M分[S秒]]]", "YYYY-MM-DD[ hh:mm[:ss]]" and "YYYY/MM/DD[ hh:mm[:ss]]" (blanks
// around the parts allowed); false for anything else or an impossible date.
bool TextToDateTime(const std::string& text, double& out);
