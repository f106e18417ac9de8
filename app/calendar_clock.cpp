#include "app/calendar_clock.h"

#include "runtime/datetime.h"

namespace {

CalendarClock g_calendarClock = nullptr;

}  // namespace

CalendarClock SetCalendarClock(CalendarClock clock)
{
    const CalendarClock previous = g_calendarClock;
    g_calendarClock = clock;
    return previous;
}

double CalendarNow()
{
    return g_calendarClock ? g_calendarClock() : DateTimeNow();
}
