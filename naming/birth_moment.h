#pragma once
// What the calendar makes of a birth as the main window's combo boxes give it: the moment to the
// minute (for the pillars and the zodiac animal, which change at the instant of a solar term) and the
// lunar date of the day. The name report and the birth chart both read the birth through these, so
// the two never disagree.
#include "calendar/calendar.h"
#include "naming/birth_texts.h"
#include "runtime/datetime.h"

// The date-time "Y年M月D日H时M分"; a blank minute counts as 0. False when it is no readable date-time.
bool ReadBirthMoment(const BirthTexts& birth, DateTimeParts& moment);
// The four pillars of the birth moment; all four empty when the calendar cannot use it.
FourPillars BirthPillars(const BirthTexts& birth);
// The zodiac animal of the birth moment (changing at 立春); empty when the calendar cannot use it.
std::string BirthZodiac(const BirthTexts& birth);
// The lunar date of the birth's day "Y年M月D日"; false (and a zero date) when the calendar cannot use it.
bool BirthLunarDate(const BirthTexts& birth, LunarDate& lunar);
