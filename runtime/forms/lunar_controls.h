#pragma once
// The runtime's two lunar units, window classes of its own (registered with the others in
// own_controls.cpp) that read the calendar service only:
// - the lunar month calendar: a month grid whose days carry their lunar day words; the user picks a
//   day or steps to another month; display mode 0 shows the lunar words, 1 the solar days only;
// - the lunar date box: lunar year, month (leap months marked) and day in three drop-down lists.
// Both tell their parent kOwnChanged (own_controls.h) when the user changed the date; dates set by
// the program raise nothing.
#include <windows.h>

struct LunarDate;

namespace forms {

constexpr char kLunarCalendarClass[] = "BnLunarCalendar";
constexpr char kLunarDateBoxClass[] = "BnLunarDateBox";

// Solar dates the lunar month calendar can show.
constexpr int kLunarCalendarFirstYear = 1901;
constexpr int kLunarCalendarLastYear = 2100;

LRESULT CALLBACK LunarCalendarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LunarDateBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Lunar month calendar. The selected solar date; setting one outside the shown years fails.
bool LunarCalendarDate(HWND calendar, int& year, int& month, int& day);
bool LunarCalendarSetDate(HWND calendar, int year, int month, int day);
int LunarCalendarMode(HWND calendar);  // -1 for a window of another class
bool LunarCalendarSetMode(HWND calendar, int mode);
// Draws the whole calendar into any device context (its client size), as it paints itself.
bool PaintLunarCalendar(HWND calendar, HDC dc);

// Lunar date box: its lunar date; setting one that does not exist fails and changes nothing.
bool LunarDateBoxDate(HWND box, LunarDate& date);
bool LunarDateBoxSetDate(HWND box, const LunarDate& date);

// Either lunar unit: its solar date at midnight (0 for another window), and setting it from a
// date-time (its time of day is ignored); false for a date neither unit can hold.
double LunarUnitSolarDate(HWND window);
bool LunarUnitSetSolarDate(HWND window, double dateTime);

}  // namespace forms
