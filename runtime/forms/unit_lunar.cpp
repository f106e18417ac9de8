// Properties of the lunar units: their date as a solar date-time or as a lunar date, and the lunar
// month calendar's display mode.
#include "calendar/calendar.h"
#include "runtime/datetime.h"
#include "runtime/forms/lunar_controls.h"
#include "runtime/forms/unit.h"

namespace forms {
namespace {

bool IsCalendar(HWND window) { return LunarCalendarMode(window) >= 0; }

}  // namespace

double LunarUnitSolarDate(HWND window)
{
    int year = 0, month = 0, day = 0;
    if (IsCalendar(window)) {
        if (!LunarCalendarDate(window, year, month, day))
            return 0;
    } else {
        LunarDate lunar;
        CalendarDate solar;
        if (!LunarDateBoxDate(window, lunar) ||
            !LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth, solar))
            return 0;
        year = solar.year;
        month = solar.month;
        day = solar.day;
    }
    double date = 0;
    return MakeDateTime(year, month, day, 0, 0, 0, date) ? date : 0;
}

bool LunarUnitSetSolarDate(HWND window, double dateTime)
{
    const DateTimeParts parts = SplitDateTime(dateTime);
    if (IsCalendar(window))
        return LunarCalendarSetDate(window, parts.year, parts.month, parts.day);
    LunarDate lunar;
    return SolarToLunar(parts.year, parts.month, parts.day, lunar) && LunarDateBoxSetDate(window, lunar);
}

bool Unit::GetLunarDate(LunarDate& lunar) const
{
    if (!Usable())
        return false;
    if (IsKind(UnitKind::LunarDateBox))
        return LunarDateBoxDate(hwnd_, lunar);
    int year = 0, month = 0, day = 0;
    return IsKind(UnitKind::LunarMonthCalendar) && LunarCalendarDate(hwnd_, year, month, day) &&
           SolarToLunar(year, month, day, lunar);
}

bool Unit::SetLunarDate(const LunarDate& lunar)
{
    if (!Usable())
        return false;
    if (IsKind(UnitKind::LunarDateBox))
        return LunarDateBoxSetDate(hwnd_, lunar);
    CalendarDate solar;
    return IsKind(UnitKind::LunarMonthCalendar) &&
           LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth, solar) &&
           LunarCalendarSetDate(hwnd_, solar.year, solar.month, solar.day);
}

int Unit::DisplayMode() const
{
    return Usable() && IsKind(UnitKind::LunarMonthCalendar) ? LunarCalendarMode(hwnd_) : -1;
}

bool Unit::SetDisplayMode(int mode)
{
    return Usable() && IsKind(UnitKind::LunarMonthCalendar) && LunarCalendarSetMode(hwnd_, mode);
}

}  // namespace forms
