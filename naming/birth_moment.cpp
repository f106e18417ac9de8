#include "naming/birth_moment.h"

#include "runtime/text.h"

namespace {

bool ReadParts(const std::string& text, DateTimeParts& parts)
{
    double value = 0;
    if (!TextToDateTime(text, value))
        return false;
    parts = SplitDateTime(value);
    return true;
}

std::string DayText(const BirthTexts& birth)
{
    return birth.year + "年" + birth.month + "月" + birth.day + "日";
}

}  // namespace

bool ReadBirthMoment(const BirthTexts& birth, DateTimeParts& moment)
{
    const std::string minute = TextRemoveBlanks(birth.minute).empty() ? "0" : birth.minute;
    return ReadParts(DayText(birth) + birth.hour + "时" + minute + "分", moment);
}

FourPillars BirthPillars(const BirthTexts& birth)
{
    FourPillars pillars;
    DateTimeParts at;
    if (ReadBirthMoment(birth, at))
        FourPillarsAt(at.year, at.month, at.day, at.hour, at.minute, pillars);
    return pillars;
}

std::string BirthZodiac(const BirthTexts& birth)
{
    DateTimeParts at;
    return ReadBirthMoment(birth, at) ? ZodiacAnimal(at.year, at.month, at.day, at.hour, at.minute) : std::string();
}

bool BirthLunarDate(const BirthTexts& birth, LunarDate& lunar)
{
    lunar = LunarDate();
    DateTimeParts day;
    return ReadParts(DayText(birth), day) && SolarToLunar(day.year, day.month, day.day, lunar);
}
