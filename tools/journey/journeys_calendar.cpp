// The perpetual calendar as a person sees it: the tab strip whole on every page, the board's lines
// whole and its clock redrawn cleanly, the solar-term list readable over the board, the 时间 page
// inside the window, the task boxes' times readable, and a task started before closing the window neither running unseen after it
// opens again.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/remote_controls.h"
#include "tools/journey/window_shots.h"

namespace journey {
namespace {

constexpr char kCalendar[] = "农历时钟工具";
constexpr COLORREF kBoardColour = RGB(255, 251, 247);

// The side list of 趣味工具: its scroll bar's down arrow, and its last row (the calendar) once
// scrolled to the end.
Target SideListDownArrow() { return Offset(174, 647); }
Target SideListLastRow() { return Offset(90, 640); }

// The screen's pixels of a rectangle, row by row.
struct Pixels {
    RECT area = {};
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y) * (area.right - area.left) + x]; }
    int Width() const { return area.right - area.left; }
    int Height() const { return area.bottom - area.top; }
};

Pixels Capture(const RECT& area)
{
    Pixels pixels;
    pixels.area = area;
    pixels.colours = ScreenPixels(area);
    return pixels;
}

bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 400; }
bool IsReddish(COLORREF c) { return GetRValue(c) > 110 && GetRValue(c) > GetGValue(c) + 70 && GetRValue(c) > GetBValue(c) + 70; }
bool IsBluish(COLORREF c) { return GetBValue(c) > 90 && GetBValue(c) > GetRValue(c) + 60 && GetBValue(c) > GetGValue(c) + 60; }
bool IsTeal(COLORREF c) { return GetGValue(c) > 90 && GetBValue(c) > 90 && GetRValue(c) + 60 < GetGValue(c); }

HWND CalendarWindow(Session& session, std::string& reason)
{
    HWND window = session.WaitForWindow(kCalendar, 3000);
    if (!window)
        reason = "no calendar window";
    return window;
}

// Whether a label's text fits it whole: laid out in the label's font (宋体 at the given size, as the
// window is designed; another process cannot read the font itself), wrapped at the label's width as a
// static wraps it, it needs no more lines than the label shows. A line that wraps past the label's
// height is cut off unseen.
bool TextFits(HWND label, int points, std::string& reason)
{
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontA(-MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, "宋体");
    HGDIOBJ old = SelectObject(dc, font);
    RECT client;
    GetClientRect(label, &client);
    RECT need = {0, 0, client.right, 0};
    const std::string text = WindowText(label);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    // A line's leading may hang below the label; a line wrapped out of sight may not.
    if (need.bottom > client.bottom + metrics.tmHeight / 2 || need.right > client.right) {
        reason = "the text \"" + text + "\" needs " + std::to_string(need.right) + " x " + std::to_string(need.bottom) +
                 " pixels, its label is " + std::to_string(client.right) + " x " + std::to_string(client.bottom);
        return false;
    }
    return true;
}

// The visible static whose text reads like a clock, hh:mm:ss.
HWND BoardClock(HWND window)
{
    for (HWND unit : VisibleDescendants(window)) {
        const std::string text = WindowText(unit);
        if (WindowClass(unit) == "Static" && text.size() == 8 && text[2] == ':' && text[5] == ':')
            return unit;
    }
    return nullptr;
}

RECT ScreenRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

// Every tab header lies inside the tab control, none behind its scroll arrows.
Step TabStripWhole(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        HWND window = CalendarWindow(session, reason);
        HWND tabs = window ? FindByClass(window, "SysTabControl32", 0) : nullptr;
        if (!tabs) {
            reason = reason.empty() ? "no tab control" : reason;
            return false;
        }
        const RECT strip = ScreenRect(tabs);
        for (const char* header : {"农历", "公历", "日历牌", "时间", "事务"}) {
            RECT r;
            if (!TabHeaderRect(tabs, header, r) || r.left < strip.left || r.right > strip.right - 2) {
                reason = std::string("the tab header ") + header + " is not whole in the strip";
                return false;
            }
        }
        if (FindByClass(tabs, "msctls_updown32", 0)) {
            reason = "the tab strip scrolls";
            return false;
        }
        return true;
    }, {kCalendar});
}

Step BoardLinesWhole()
{
    return Verify("board-lines-whole", [](Session& session, std::string& reason) {
        HWND window = CalendarWindow(session, reason);
        HWND lunar = window ? FindByText(window, "农历:*") : nullptr;
        HWND pillars = window ? FindByText(window, "四柱:*") : nullptr;
        if (!lunar || !pillars) {
            reason = "the board shows no lunar or pillar line";
            return false;
        }
        const RECT board = ScreenRect(GetParent(lunar));
        const RECT line = ScreenRect(lunar);
        if (line.left < board.left || line.right > board.right) {
            reason = "the lunar line reaches beyond the board";
            return false;
        }
        if (!TextFits(lunar, 11, reason) || !TextFits(pillars, 9, reason))
            return false;
        // The lunar line is dark red: none of it may wrap onto the pillar line below it, nor touch
        // its own right end (cut off there).
        const Pixels below = Capture(ScreenRect(pillars));
        for (COLORREF c : below.colours)
            if (IsReddish(c)) {
                reason = "part of the lunar line \"" + WindowText(lunar) + "\" lands on the pillar line";
                return false;
            }
        const Pixels own = Capture(line);
        for (int y = 0; y < own.Height(); ++y)
            for (int x = own.Width() - 2; x < own.Width(); ++x)
                if (x >= 0 && IsReddish(own.At(x, y))) {
                    reason = "the lunar line is cut at its right end";
                    return false;
                }
        // The board paints its own light face, under its labels too.
        const Pixels face = Capture(RECT{board.left + 3, board.bottom - 6, board.left + 6, board.bottom - 3});
        for (COLORREF c : face.colours)
            if (c != kBoardColour) {
                reason = "the board's face is see-through";
                return false;
            }
        return true;
    }, {kCalendar});
}

// The clock's digits are drawn on a clean face every second: some ink of one second is gone the next.
Step BoardClockRedrawsCleanly()
{
    return Verify("board-clock-clean", [](Session& session, std::string& reason) {
        HWND window = CalendarWindow(session, reason);
        HWND clock = window ? BoardClock(window) : nullptr;
        if (!clock) {
            reason = "the board shows no clock";
            return false;
        }
        for (int change = 0; change < 2; ++change) {
            const std::string before = WindowText(clock);
            const Pixels first = Capture(ScreenRect(clock));
            const DWORD end = GetTickCount() + 2500;
            while (WindowText(clock) == before && static_cast<int>(end - GetTickCount()) > 0)
                Sleep(50);
            Sleep(300);
            const Pixels second = Capture(ScreenRect(clock));
            if (first.colours.size() != second.colours.size() || first.colours.empty())
                break;
            for (size_t i = 0; i < first.colours.size(); ++i)
                if (IsDark(first.colours[i]) && !IsDark(second.colours[i]))
                    return true;
        }
        reason = "the clock's new digits are drawn over the old ones";
        return false;
    }, {kCalendar});
}

// The list of the 24 terms over the board: none of the board's coloured texts shows through it.
Step TermListReadable()
{
    return Verify("terms-readable", [](Session& session, std::string& reason) {
        HWND window = CalendarWindow(session, reason);
        HWND list = nullptr;
        for (HWND unit : window ? VisibleDescendants(window) : std::vector<HWND>())
            if (WindowClass(unit) == "ListBox")
                list = unit;
        if (!list) {
            reason = "no solar-term list shows";
            return false;
        }
        Sleep(2200);  // the board's clock ticks twice meanwhile
        if (BoardClock(window)) {
            reason = "the board's clock shows beside the list";
            return false;
        }
        RECT inside;
        GetClientRect(list, &inside);
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&inside), 2);
        for (COLORREF c : Capture(inside).colours)
            if (IsReddish(c) || IsTeal(c)) {
                reason = "the board's texts show through the list";
                return false;
            }
        return true;
    }, {kCalendar});
}

// Every unit of the 时间 page inside the window, and every label's text whole: it fits the label in
// the label's font, and no coloured text (the blue world times, the red notice) reaches the label's
// right end or bottom.
Step TimePageFits()
{
    return Verify("time-page-fits", [](Session& session, std::string& reason) {
        HWND window = CalendarWindow(session, reason);
        if (!window)
            return false;
        RECT client;
        GetClientRect(window, &client);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
        for (HWND unit : VisibleDescendants(window)) {
            const RECT r = ScreenRect(unit);
            if (r.right > client.right - 2 || r.bottom > client.bottom) {
                reason = WindowClass(unit) + " \"" + WindowText(unit) + "\" reaches past the window's edge";
                return false;
            }
            if (WindowClass(unit) != "Static" || WindowText(unit).empty())
                continue;
            if (!TextFits(unit, 9, reason))
                return false;
            const Pixels label = Capture(r);
            for (int y = 0; y < label.Height(); ++y)
                for (int x = 0; x < label.Width(); ++x) {
                    const COLORREF c = label.At(x, y);
                    if ((IsBluish(c) && x >= label.Width() - 2) || (IsReddish(c) && y >= label.Height() - 1)) {
                        reason = "the text \"" + WindowText(unit) + "\" is cut off";
                        return false;
                    }
                }
        }
        return true;
    }, {kCalendar});
}

HWND TaskBox(HWND window, const char* caption) { return window ? FindByText(window, caption) : nullptr; }

// The rest reminder's progress bar moves when, and only when, its task runs.
Step RestTaskRuns(bool expected, const std::string& name)
{
    return Verify(name, [expected](Session& session, std::string& reason) {
        HWND window = CalendarWindow(session, reason);
        HWND box = TaskBox(window, "定时提醒保护视力");
        HWND bar = window ? FindByClass(window, "msctls_progress32", 0) : nullptr;
        if (!box || !bar) {
            reason = "no rest reminder row";
            return false;
        }
        const bool ticked = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        Sleep(2500);
        const bool runs = SendMessageA(bar, PBM_GETPOS, 0, 0) > 0;
        if (runs != expected) {
            reason = expected ? "the started rest reminder does not run" : "a rest reminder runs";
            return false;
        }
        if (runs && !ticked) {
            reason = "the rest reminder runs while its box shows unticked";
            return false;
        }
        return true;
    }, {kCalendar});
}

// The time boxes of the task sentences show their date-times: black text inside each box, not the
// sentence's background painted over them.
Step TaskBoxesShowTheirTimes()
{
    return Verify("task-times-show", [](Session& session, std::string& reason) {
        HWND window = CalendarWindow(session, reason);
        if (!window)
            return false;
        int boxes = 0;
        for (HWND unit : VisibleDescendants(window)) {
            if (WindowClass(unit) != "Edit" || FindWholeText(WindowText(unit), "年") == std::string::npos)
                continue;
            ++boxes;
            RECT inside;
            GetClientRect(unit, &inside);
            MapWindowPoints(unit, nullptr, reinterpret_cast<POINT*>(&inside), 2);
            int ink = 0;
            for (COLORREF c : Capture(inside).colours)
                ink += GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80;
            if (ink < 20) {
                reason = "the box holding \"" + WindowText(unit) + "\" shows no text";
                return false;
            }
            if (!TextFits(unit, 9, reason))
                return false;
        }
        if (boxes < 4) {
            reason = "only " + std::to_string(boxes) + " task boxes hold a date-time";
            return false;
        }
        return true;
    }, {kCalendar});
}

Step OpenCalendar(const std::string& name)
{
    return ClickOn(kMain, SideListLastRow(), name).Shows(kCalendar).Hides(kMain);
}

}  // namespace

std::vector<Journey> CalendarJourneys()
{
    return {{"calendar-pages",
             {
                 ClickOn(kMain, TabHeader("趣味工具"), "open-fun-tools"),
                 HoldOn(kMain, SideListDownArrow(), 1500, "scroll-side-list"),
                 OpenCalendar("open-calendar"),
                 TabStripWhole("lunar-tabs-whole"),
                 ClickOn(kCalendar, TabHeader("公历"), "tab-solar"),
                 TabStripWhole("solar-tabs-whole"),
                 ClickOn(kCalendar, TabHeader("日历牌"), "tab-board"),
                 TabStripWhole("board-tabs-whole"),
                 BoardLinesWhole(),
                 BoardClockRedrawsCleanly(),
                 ClickOn(kCalendar, UnitWithText("节气"), "board-terms"),
                 TermListReadable(),
                 ClickOn(kCalendar, UnitWithText("刷新"), "board-again"),
                 ClickOn(kCalendar, TabHeader("时间"), "tab-time"),
                 TabStripWhole("time-tabs-whole"),
                 TimePageFits(),
                 ClickOn(kCalendar, TabHeader("事务"), "tab-tasks"),
                 TabStripWhole("tasks-tabs-whole"),
                 TaskBoxesShowTheirTimes(),
                 ClickOn(kCalendar, UnitWithText("定时提醒保护视力"), "tick-rest"),
                 ClickOn(kCalendar, UnitWithText("开始执行设定事务"), "start-tasks"),
                 RestTaskRuns(true, "rest-runs"),
                 CloseWindow(kCalendar, CloseWay::CloseButton, "close-calendar").Shows(kMain),
                 OpenCalendar("reopen-calendar"),
                 ClickOn(kCalendar, TabHeader("事务"), "reopened-tasks"),
                 RestTaskRuns(false, "nothing-runs-unseen"),
                 CloseWindow(kCalendar, CloseWay::CloseButton, "close-again").Shows(kMain),
             }}};
}

}  // namespace journey
