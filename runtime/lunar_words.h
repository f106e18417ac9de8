#pragma once
// Lunar dates in words, as Chinese calendars write them (GBK): the year digit by digit (2012 二零一二),
// the month 正 二 … 十 十一 腊, the day 初一 … 初十, 十一 … 二十, 廿一 … 廿九, 三十. No windows.h: the
// lunar calendar units and the calendar window both use these.
#include <string>

// Each decimal digit of a year from 1 on as its word; empty for 0 and below.
std::string LunarYearWords(int year);
// 1 正, 2-9 the digit word, 10 十, 11 十一, 12 腊; empty outside 1-12.
std::string LunarMonthWord(int month);
// The month's name as a calendar prints it: month word + "月", leap months led by "闰" (闰四月).
std::string LunarMonthName(int month, bool isLeapMonth);
// A lunar date in digits as the birth chart writes it: "2023年2月4日", a leap month led by "闰"
// ("2023年闰2月4日").
std::string LunarDateDigits(int year, int month, int day, bool isLeapMonth);
// 1-9 初 + the digit word, 10 初十, 11-20 十一 … 二十, 21-29 廿 + the digit word, 30 三十; empty
// outside 1-30.
std::string LunarDayWord(int day);
