#include "runtime/lunar_words.h"

namespace {

const char* const kDigitWords[10] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace

std::string LunarYearWords(int year)
{
    if (year <= 0)
        return {};
    std::string words;
    for (char digit : std::to_string(year))
        words += kDigitWords[digit - '0'];
    return words;
}

std::string LunarMonthWord(int month)
{
    switch (month) {
    case 1:
        return "正";
    case 10:
        return "十";
    case 11:
        return "十一";
    case 12:
        return "腊";
    default:
        return month >= 2 && month <= 9 ? kDigitWords[month] : "";
    }
}

std::string LunarMonthName(int month, bool isLeapMonth)
{
    const std::string word = LunarMonthWord(month);
    if (word.empty())
        return {};
    return (isLeapMonth ? "闰" : "") + word + "月";
}

std::string LunarDateDigits(int year, int month, int day, bool isLeapMonth)
{
    return std::to_string(year) + "年" + (isLeapMonth ? "闰" : "") + std::to_string(month) + "月" + std::to_string(day) +
           "日";
}

std::string LunarDayWord(int day)
{
    if (day < 1 || day > 30)
        return {};
    if (day <= 9)
        return std::string("初") + kDigitWords[day];
    if (day == 10)
        return "初十";
    if (day <= 19)
        return std::string("十") + kDigitWords[day - 10];
    if (day == 20)
        return "二十";
    if (day <= 29)
        return std::string("廿") + kDigitWords[day - 20];
    return "三十";
}
