// Lunar month calendar: one month of solar days in a grid of six weeks (Sunday first), each day with
// its lunar day word (the first day of a lunar month with the month's name), a header with the month
// and two arrows, and a footer with the lunar date of the selected day. Painting goes through one
// function that draws into any device context.
#include <windows.h>

#include <algorithm>
#include <string>

#include "runtime/datetime.h"
#include "runtime/forms/lunar_controls.h"
#include "runtime/lunar_words.h"
#include "runtime/forms/own_control_procs.h"
#include "runtime/text.h"
#include "calendar/calendar.h"

namespace forms {
namespace {

constexpr int kWeeks = 6;
constexpr COLORREF kHeaderBack = RGB(225, 236, 246);
constexpr COLORREF kPlainText = RGB(32, 32, 32);
constexpr COLORREF kWeekendText = RGB(208, 0, 0);
constexpr COLORREF kLunarText = RGB(128, 128, 128);
constexpr COLORREF kLunarMonthText = RGB(192, 64, 0);
constexpr COLORREF kLineColour = RGB(200, 210, 220);

struct CalendarState {
    int year = 0, month = 0, day = 0;  // the selected solar date
    int mode = 0;                      // 0 lunar words under the days, 1 solar days only
    HFONT font = nullptr;
};

CalendarState* Calendar(HWND window)
{
    return StateOf<CalendarState>(window, kLunarCalendarClass);
}

bool InShownYears(int year, int month, int day)
{
    return year >= kLunarCalendarFirstYear && year <= kLunarCalendarLastYear && month >= 1 && month <= 12 &&
           day >= 1 && day <= DaysInMonth(year, month);
}

struct Layout {
    RECT header, previous, next, weekdays, footer;
    int gridLeft = 0, gridTop = 0, cellWidth = 1, cellHeight = 1;
};

Layout LayoutOf(const RECT& client, int lineHeight)
{
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int band = lineHeight + 10;
    Layout l;
    l.header = {0, 0, width, band};
    l.previous = {0, 0, band, band};
    l.next = {width - band, 0, width, band};
    l.weekdays = {0, band, width, band + lineHeight + 6};
    l.footer = {0, std::max(static_cast<int>(l.weekdays.bottom), height - (lineHeight + 8)), width, height};
    l.cellWidth = std::max(width / 7, 1);
    l.cellHeight = std::max(static_cast<int>(l.footer.top - l.weekdays.bottom) / kWeeks, 1);
    l.gridLeft = (width - 7 * l.cellWidth) / 2;
    l.gridTop = static_cast<int>(l.weekdays.bottom);
    return l;
}

// Column (0 = Sunday) of the first day of the month.
int FirstColumn(int year, int month)
{
    double first = 0;
    return MakeDateTime(year, month, 1, 0, 0, 0, first) ? DateTimeWeekday(first) - 1 : 0;
}

RECT CellRect(const Layout& l, int index)
{
    const int x = l.gridLeft + (index % 7) * l.cellWidth;
    const int y = l.gridTop + (index / 7) * l.cellHeight;
    return {x, y, x + l.cellWidth, y + l.cellHeight};
}

HFONT FontOf(const CalendarState& state)
{
    return state.font ? state.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int LineHeight(HDC dc)
{
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    return std::max(static_cast<int>(metrics.tmHeight), 8);
}

// Line height of the window's font, for hit testing outside painting.
int LineHeightOf(HWND window, const CalendarState& state)
{
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, FontOf(state));
    const int height = LineHeight(dc);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return height;
}

void Text(HDC dc, const std::string& text, RECT area, COLORREF colour, UINT align = DT_CENTER)
{
    SetTextColor(dc, colour);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Fill(HDC dc, const RECT& area, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void Arrow(HDC dc, const RECT& box, bool pointsLeft)
{
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const int s = std::max(static_cast<int>((box.bottom - box.top) / 5), 3);
    POINT points[3];
    if (pointsLeft) {
        points[0] = {cx - s / 2, cy};
        points[1] = {cx + s / 2, cy - s};
        points[2] = {cx + s / 2, cy + s};
    } else {
        points[0] = {cx + s / 2, cy};
        points[1] = {cx - s / 2, cy - s};
        points[2] = {cx - s / 2, cy + s};
    }
    HBRUSH brush = CreateSolidBrush(RGB(80, 96, 112));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, points, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

// "农历壬辰年 十月廿一": stem-branch name of the lunar year, month name and day word.
std::string LunarFooter(int year, int month, int day)
{
    LunarDate lunar;
    if (!SolarToLunar(year, month, day, lunar))
        return {};
    const int cycle = ((lunar.year - 4) % 60 + 60) % 60 + 1;  // 1984 is 甲子
    return "农历" + StemBranchName(cycle) + "年 " + LunarMonthName(lunar.month, lunar.isLeapMonth) +
           LunarDayWord(lunar.day);
}

void PaintInto(HDC dc, const RECT& client, const CalendarState& state)
{
    HGDIOBJ oldFont = SelectObject(dc, FontOf(state));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = GetTextColor(dc);
    const Layout l = LayoutOf(client, LineHeight(dc));

    Fill(dc, client, RGB(255, 255, 255));
    Fill(dc, l.header, kHeaderBack);
    Arrow(dc, l.previous, true);
    Arrow(dc, l.next, false);
    Text(dc, IntToText(state.year) + "年" + IntToText(state.month) + "月", l.header, kPlainText);

    const char* const weekdays[7] = {"日", "一", "二", "三", "四", "五", "六"};
    for (int column = 0; column < 7; ++column) {
        RECT cell = {l.gridLeft + column * l.cellWidth, l.weekdays.top, l.gridLeft + (column + 1) * l.cellWidth,
                     l.weekdays.bottom};
        Text(dc, weekdays[column], cell, column == 0 || column == 6 ? kWeekendText : kPlainText);
    }
    RECT line = {0, l.weekdays.bottom - 1, client.right, l.weekdays.bottom};
    Fill(dc, line, kLineColour);

    const int first = FirstColumn(state.year, state.month);
    const int days = DaysInMonth(state.year, state.month);
    for (int day = 1; day <= days; ++day) {
        const int index = first + day - 1;
        const RECT cell = CellRect(l, index);
        const bool selected = day == state.day;
        const bool weekend = index % 7 == 0 || index % 7 == 6;
        if (selected) {
            RECT mark = {cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
            Fill(dc, mark, GetSysColor(COLOR_HIGHLIGHT));
        }
        const COLORREF selectedText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        const COLORREF dayColour = selected ? selectedText : weekend ? kWeekendText : kPlainText;
        LunarDate lunar;
        if (state.mode != 0 || !SolarToLunar(state.year, state.month, day, lunar)) {
            Text(dc, IntToText(day), cell, dayColour);
            continue;
        }
        const int middle = (cell.top + cell.bottom) / 2;
        Text(dc, IntToText(day), {cell.left, cell.top, cell.right, middle + 1}, dayColour);
        const bool monthStart = lunar.day == 1;
        const std::string word = monthStart ? LunarMonthName(lunar.month, lunar.isLeapMonth) : LunarDayWord(lunar.day);
        Text(dc, word, {cell.left, middle, cell.right, cell.bottom},
             selected ? selectedText : monthStart ? kLunarMonthText : kLunarText);
    }

    RECT footerLine = {0, l.footer.top, client.right, l.footer.top + 1};
    Fill(dc, footerLine, kLineColour);
    Text(dc, LunarFooter(state.year, state.month, state.day), l.footer, kPlainText);

    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

// Paints through a memory picture, so the window never shows a half-drawn month.
void PaintBuffered(HWND window, HDC dc, const CalendarState& state)
{
    RECT client;
    GetClientRect(window, &client);
    const int width = std::max(static_cast<int>(client.right), 1);
    const int height = std::max(static_cast<int>(client.bottom), 1);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    if (!memory || !bitmap) {
        if (memory)
            DeleteDC(memory);
        if (bitmap)
            DeleteObject(bitmap);
        PaintInto(dc, client, state);
        return;
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    PaintInto(memory, client, state);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

// Moves the selection as the user asked and tells the parent; dates outside the shown years are
// refused.
void SelectByUser(HWND window, CalendarState& state, int year, int month, int day)
{
    if (!InShownYears(year, month, day) || (year == state.year && month == state.month && day == state.day))
        return;
    state.year = year;
    state.month = month;
    state.day = day;
    InvalidateRect(window, nullptr, FALSE);
    NotifyParent(window, kOwnChanged);
}

void StepMonths(HWND window, CalendarState& state, int months)
{
    const int index = state.year * 12 + (state.month - 1) + months;
    const int year = index / 12;
    const int month = index % 12 + 1;
    if (year < kLunarCalendarFirstYear || year > kLunarCalendarLastYear)
        return;
    SelectByUser(window, state, year, month, std::min(state.day, DaysInMonth(year, month)));
}

void StepDays(HWND window, CalendarState& state, int days)
{
    double date = 0;
    double moved = 0;
    if (!MakeDateTime(state.year, state.month, state.day, 0, 0, 0, date) ||
        !AddToDateTime(date, DateTimeUnit::Day, days, moved))
        return;
    const DateTimeParts parts = SplitDateTime(moved);
    SelectByUser(window, state, parts.year, parts.month, parts.day);
}

void OnPress(HWND window, CalendarState& state, POINT at)
{
    RECT client;
    GetClientRect(window, &client);
    const Layout l = LayoutOf(client, LineHeightOf(window, state));
    if (PtInRect(&l.previous, at)) {
        StepMonths(window, state, -1);
        return;
    }
    if (PtInRect(&l.next, at)) {
        StepMonths(window, state, 1);
        return;
    }
    if (at.y < l.gridTop || at.y >= l.gridTop + kWeeks * l.cellHeight || at.x < l.gridLeft ||
        at.x >= l.gridLeft + 7 * l.cellWidth)
        return;
    const int index = (at.y - l.gridTop) / l.cellHeight * 7 + (at.x - l.gridLeft) / l.cellWidth;
    const int day = index - FirstColumn(state.year, state.month) + 1;
    if (day >= 1 && day <= DaysInMonth(state.year, state.month))
        SelectByUser(window, state, state.year, state.month, day);
}

void OnKey(HWND window, CalendarState& state, WPARAM key)
{
    switch (key) {
    case VK_LEFT:
        StepDays(window, state, -1);
        break;
    case VK_RIGHT:
        StepDays(window, state, 1);
        break;
    case VK_UP:
        StepDays(window, state, -7);
        break;
    case VK_DOWN:
        StepDays(window, state, 7);
        break;
    case VK_PRIOR:
        StepMonths(window, state, -1);
        break;
    case VK_NEXT:
        StepMonths(window, state, 1);
        break;
    default:
        break;
    }
}

}  // namespace

LRESULT CALLBACK LunarCalendarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CalendarState* state = reinterpret_cast<CalendarState*>(GetWindowLongPtrA(window, 0));
    switch (message) {
    case WM_NCCREATE: {
        auto* created = new CalendarState;
        const DateTimeParts today = SplitDateTime(DateTimeNow());
        created->year = std::clamp(today.year, kLunarCalendarFirstYear, kLunarCalendarLastYear);
        created->month = today.month;
        created->day = today.day;
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(created));
        break;
    }
    case WM_SETFONT:
        if (state) {
            state->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam))
                InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_GETFONT:
        return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (state)
            PaintBuffered(window, dc, *state);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (state)
            PaintLunarCalendar(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SIZE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(window);
        if (state && IsWindow(window))
            OnPress(window, *state, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (state)
            OnKey(window, *state, wParam);
        return 0;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(window, 0, 0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool LunarCalendarDate(HWND window, int& year, int& month, int& day)
{
    const CalendarState* state = Calendar(window);
    if (!state)
        return false;
    year = state->year;
    month = state->month;
    day = state->day;
    return true;
}

bool LunarCalendarSetDate(HWND window, int year, int month, int day)
{
    CalendarState* state = Calendar(window);
    if (!state || !InShownYears(year, month, day))
        return false;
    state->year = year;
    state->month = month;
    state->day = day;
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

int LunarCalendarMode(HWND window)
{
    const CalendarState* state = Calendar(window);
    return state ? state->mode : -1;
}

bool LunarCalendarSetMode(HWND window, int mode)
{
    CalendarState* state = Calendar(window);
    if (!state || (mode != 0 && mode != 1))
        return false;
    state->mode = mode;
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

bool PaintLunarCalendar(HWND window, HDC dc)
{
    const CalendarState* state = Calendar(window);
    if (!state || !dc)
        return false;
    RECT client;
    GetClientRect(window, &client);
    PaintInto(dc, client, *state);
    return true;
}

}  // namespace forms
