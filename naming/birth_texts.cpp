#include "naming/birth_texts.h"

std::string g_birthYear;
std::string g_birthMonth;
std::string g_birthDay;
std::string g_birthHour;
std::string g_birthMinute;

void StoreBirthTexts(const BirthTexts& texts)
{
    g_birthYear = texts.year;
    g_birthMonth = texts.month;
    g_birthDay = texts.day;
    g_birthHour = texts.hour;
    g_birthMinute = texts.minute;
}
