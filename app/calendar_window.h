#pragma once
// The perpetual calendar window, 农历时钟工具: lunar and solar month calendars with their essays, the
// calendar board for today, the four-pillar calculators, the 24 solar terms of a year, and the clock
// tools (clocks, setting the system time, timed tasks). It is opened modeless; while it is open the
// main window ("MainWindow") is hidden, and closing it shows the main window again.
#include "app/calendar_clock.h"
#include "runtime/forms/form.h"
#include "runtime/forms/form_definition.h"

const forms::FormDef& PerpetualCalendarWindowDef();

// Opens the window modeless, or brings the open one to the front; null when it cannot be made.
forms::Form* OpenPerpetualCalendar(forms::Form* owner = nullptr);
