// Lunar date box: three drop-down lists, lunar year, month (leap months marked 闰) and day, that
// always hold a lunar date that exists. Changing the year keeps the month where that year has it and
// cuts the day to the month's length; the month list and the day list follow the calendar service.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/datetime.h"
#include "runtime/forms/lunar_controls.h"
#include "runtime/lunar_words.h"
#include "runtime/forms/own_control_procs.h"
#include "runtime/text.h"
#include "calendar/calendar.h"

namespace forms {
namespace {

// The lunar years whose every day lies in the solar years 1901-2100, where the calendar service
// computes four pillars (lunar 1900 begins in 1900, lunar 2100 ends in 2101).
constexpr int kFirstLunarYear = 1901;
constexpr int kLastLunarYear = 2099;
constexpr int kListHeight = 240;
enum : int { kYearList = 1, kMonthList = 2, kDayList = 3 };

struct LunarMonth {
    int month = 0;
    bool isLeap = false;
    int days = 0;
};

// The months of a lunar year in order, with their lengths.
std::vector<LunarMonth> MonthsOf(int year)
{
    std::vector<LunarMonth> months;
    CalendarDate solar;
    for (int month = 1; month <= 12; ++month)
        for (bool isLeap : {false, true})
            if (LunarToSolar(year, month, 1, isLeap, solar))
                months.push_back({month, isLeap, LunarToSolar(year, month, 30, isLeap, solar) ? 30 : 29});
    return months;
}

struct BoxState {
    HWND lists[3] = {};
    LunarDate date;
    std::vector<LunarMonth> months;  // of date.year
    HFONT font = nullptr;
};

BoxState* Box(HWND window)
{
    return StateOf<BoxState>(window, kLunarDateBoxClass);
}

HWND List(const BoxState& state, int id)
{
    return state.lists[id - 1];
}

int MonthIndex(const BoxState& state)
{
    for (size_t i = 0; i < state.months.size(); ++i)
        if (state.months[i].month == state.date.month && state.months[i].isLeap == state.date.isLeapMonth)
            return static_cast<int>(i);
    return -1;
}

void Fill(HWND list, const std::vector<std::string>& items, int selected)
{
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(list, CB_SETCURSEL, selected, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Shows the state's date in the three lists (the month and day lists are made afresh).
void ShowDate(BoxState& state)
{
    SendMessageA(List(state, kYearList), CB_SETCURSEL, state.date.year - kFirstLunarYear, 0);
    std::vector<std::string> names;
    for (const LunarMonth& month : state.months)
        names.push_back(LunarMonthName(month.month, month.isLeap));
    const int index = MonthIndex(state);
    Fill(List(state, kMonthList), names, index);
    std::vector<std::string> days;
    for (int day = 1; index >= 0 && day <= state.months[index].days; ++day)
        days.push_back(LunarDayWord(day));
    Fill(List(state, kDayList), days, state.date.day - 1);
}

bool Exists(const LunarDate& date)
{
    CalendarDate solar;
    return date.year >= kFirstLunarYear && date.year <= kLastLunarYear &&
           LunarToSolar(date.year, date.month, date.day, date.isLeapMonth, solar);
}

void SetState(BoxState& state, const LunarDate& date)
{
    if (date.year != state.date.year || state.months.empty())
        state.months = MonthsOf(date.year);
    state.date = date;
    ShowDate(state);
}

// The date the lists show after the user picked an item: a month the new year lacks becomes its
// plain month, a day the month lacks its last day.
LunarDate PickedDate(const BoxState& state, int listId)
{
    LunarDate date = state.date;
    const int picked = static_cast<int>(SendMessageA(List(state, listId), CB_GETCURSEL, 0, 0));
    if (picked < 0)
        return date;
    std::vector<LunarMonth> months = state.months;
    if (listId == kYearList) {
        date.year = kFirstLunarYear + picked;
        months = MonthsOf(date.year);
        const bool keepsLeap = std::any_of(months.begin(), months.end(), [&](const LunarMonth& m) {
            return m.month == date.month && m.isLeap == date.isLeapMonth;
        });
        date.isLeapMonth = date.isLeapMonth && keepsLeap;
    } else if (listId == kMonthList && picked < static_cast<int>(months.size())) {
        date.month = months[picked].month;
        date.isLeapMonth = months[picked].isLeap;
    } else if (listId == kDayList) {
        date.day = picked + 1;
    }
    for (const LunarMonth& month : months)
        if (month.month == date.month && month.isLeap == date.isLeapMonth)
            date.day = std::min(date.day, month.days);
    return date;
}

void Layout(HWND window, const BoxState& state)
{
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right;
    const int yearWidth = width / 3;
    const int monthWidth = (width - yearWidth) / 2;
    const int lefts[3] = {0, yearWidth, yearWidth + monthWidth};
    const int widths[3] = {yearWidth, monthWidth, width - yearWidth - monthWidth};
    for (int i = 0; i < 3; ++i)
        SetWindowPos(state.lists[i], nullptr, lefts[i], 0, widths[i], kListHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Create(HWND window, BoxState& state)
{
    for (int id = kYearList; id <= kDayList; ++id) {
        state.lists[id - 1] = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
                                              0, 0, 10, kListHeight, window,
                                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)),
                                              nullptr);
        if (!state.lists[id - 1])
            return false;
    }
    std::vector<std::string> years;
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year)
        years.push_back(IntToText(year));
    Fill(List(state, kYearList), years, -1);
    // A new box shows today's lunar date.
    const DateTimeParts today = SplitDateTime(DateTimeNow());
    LunarDate date;
    if (!SolarToLunar(today.year, today.month, today.day, date))
        date = {2000, 1, 1, false};
    SetState(state, date);
    Layout(window, state);
    return true;
}

}  // namespace

LRESULT CALLBACK LunarDateBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    BoxState* state = reinterpret_cast<BoxState*>(GetWindowLongPtrA(window, 0));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(new BoxState));
        break;
    case WM_CREATE:
        return state && Create(window, *state) ? 0 : -1;
    case WM_SIZE:
        if (state)
            Layout(window, *state);
        return 0;
    case WM_SETFONT:
        if (state) {
            state->font = reinterpret_cast<HFONT>(wParam);
            for (HWND list : state->lists)
                SendMessageA(list, WM_SETFONT, wParam, lParam);
            Layout(window, *state);
        }
        return 0;
    case WM_GETFONT:
        return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_ENABLE:
        if (state)
            for (HWND list : state->lists)
                EnableWindow(list, static_cast<BOOL>(wParam));
        return 0;
    case WM_ERASEBKGND: {
        // The gap around the lists takes the container's background, as a static control would.
        HWND parent = GetParent(window);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(parent, WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(window)));
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_COMMAND:
        if (state && HIWORD(wParam) == CBN_SELCHANGE) {
            const LunarDate picked = PickedDate(*state, LOWORD(wParam));
            const bool changed = picked.year != state->date.year || picked.month != state->date.month ||
                                 picked.day != state->date.day || picked.isLeapMonth != state->date.isLeapMonth;
            SetState(*state, picked);
            if (changed)
                NotifyParent(window, kOwnChanged);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(window, 0, 0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool LunarDateBoxDate(HWND window, LunarDate& date)
{
    const BoxState* state = Box(window);
    if (!state)
        return false;
    date = state->date;
    return true;
}

bool LunarDateBoxSetDate(HWND window, const LunarDate& date)
{
    BoxState* state = Box(window);
    if (!state || !Exists(date))
        return false;
    SetState(*state, date);
    return true;
}

}  // namespace forms
