#pragma once
// Texts of the perpetual calendar window (GBK), without windows.h.
#include <string>

#include "calendar/calendar.h"

// 1 "星期日", 2 "星期一" ... 7 "星期六"; empty for anything else.
std::string WeekdayName(int weekday);
// 1 "立春", 2 "雨水" ... 24 "大寒", counted from 立春; empty for anything else.
std::string SolarTermName(int term);
// The calendar board's lunar date: "农历:" + the year's digit words + "年" + month word + "月" + day
// word ("农历:二零一二年十月廿一"); a leap month is led by "闰" ("农历:二零二三年闰二月廿九").
std::string TodayLunarText(const LunarDate& lunar);
// The four pillars joined by single blanks; three blanks when the service gave none.
std::string JoinFourPillars(const FourPillars& pillars);
// "hh:mm:ss", each part two digits.
std::string ClockText(int hour, int minute, int second);
// The date-time as the runtime writes it, a blank, and the name of its weekday (the world clocks).
std::string DateTimeWithWeekday(double dateTime);
// A line of the solar-term list: the term's name, ":", its date-time as text; empty when the service
// has no date for it.
std::string SolarTermLine(int year, int term);
