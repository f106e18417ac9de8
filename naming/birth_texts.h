#pragma once
// The birth as the main window's five combo boxes give it (year, month, day, hour, minute texts),
// and the run-wide copies the name report and the birth chart take of them.
#include <string>

struct BirthTexts {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
    std::string minute;
};

// The texts of the last report or birth chart, kept after their window has closed.
extern std::string g_birthYear;
extern std::string g_birthMonth;
extern std::string g_birthDay;
extern std::string g_birthHour;
extern std::string g_birthMinute;

void StoreBirthTexts(const BirthTexts& texts);
