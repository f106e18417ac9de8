#pragma once
// Where the perpetual calendar and its clock tools read the current date-time from (runtime/datetime.h);
// tests put a clock of their own in force.
using CalendarClock = double (*)();
// Returns the previous clock; null restores the system's.
CalendarClock SetCalendarClock(CalendarClock clock);
double CalendarNow();
