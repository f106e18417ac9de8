#include "app/calendar_texts.h"

#include "runtime/datetime.h"
#include "runtime/lunar_words.h"
#include "runtime/text.h"

std::string WeekdayName(int weekday)
{
    static const char* const kNames[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    return weekday >= 1 && weekday <= 7 ? kNames[weekday - 1] : "";
}

std::string SolarTermName(int term)
{
    static const char* const kNames[24] = {
        "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑", "大暑",
        "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒",
    };
    return term >= 1 && term <= 24 ? kNames[term - 1] : "";
}

std::string TodayLunarText(const LunarDate& lunar)
{
    return "农历:" + LunarYearWords(lunar.year) + "年" + LunarMonthName(lunar.month, lunar.isLeapMonth) +
           LunarDayWord(lunar.day);
}

std::string JoinFourPillars(const FourPillars& pillars)
{
    return pillars.year + " " + pillars.month + " " + pillars.day + " " + pillars.hour;
}

std::string ClockText(int hour, int minute, int second)
{
    auto two = [](int value) { return (value < 10 ? "0" : "") + IntToText(value); };
    return two(hour) + ":" + two(minute) + ":" + two(second);
}

std::string DateTimeWithWeekday(double dateTime)
{
    return DateTimeToText(dateTime) + " " + WeekdayName(DateTimeWeekday(dateTime));
}

std::string SolarTermLine(int year, int term)
{
    CalendarDateTime when;
    double value = 0;
    if (!SolarTermTime(year, term, when) ||
        !MakeDateTime(when.year, when.month, when.day, when.hour, when.minute, when.second, value))
        return {};
    return SolarTermName(term) + ":" + DateTimeToText(value);
}
