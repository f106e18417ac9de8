// The clock tools of the perpetual calendar window: the analog clock, the calendar board's clock, the
// world clocks, setting the system time and the timed tasks. The tasks' rules live in clock_tasks.h;
// here the boxes are read and the decisions carried out through the runtime's platform actions.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/calendar_clock.h"
#include "app/calendar_handlers.h"
#include "app/calendar_texts.h"
#include "app/clock_tasks.h"
#include "runtime/datetime.h"
#include "runtime/forms/form.h"
#include "runtime/forms/platform_actions.h"
#include "runtime/text.h"

namespace {

constexpr unsigned long kBlack = 0x000000;
constexpr unsigned long kOrange = 0x0080FF;
constexpr unsigned long kDialColour = 0xC8C8C8;

// The ticks of the open window (there is at most one).
ClockTaskTicks g_calendarTicks;

double Plus(double dateTime, DateTimeUnit unit, long long amount)
{
    double value = dateTime;
    AddToDateTime(dateTime, unit, amount, value);
    return value;
}

bool ReadDateTime(const forms::Unit& box, double& value)
{
    return TextToDateTime(box.Text(), value);
}

// Seconds from now to the date-time in a box; 0 when it holds none or lies in the past.
int SecondsUntil(double now, const forms::Unit& box)
{
    double moment = 0;
    if (!ReadDateTime(box, moment))
        return 0;
    return static_cast<int>(std::clamp(SecondsBetween(now, moment), 0LL, 0x7FFFFFFFLL));
}

// Runs of three or more blanks in a sentence: where its boxes sit.
struct Gap {
    size_t start = 0, length = 0;
};

std::vector<Gap> GapsOf(const std::string& text)
{
    std::vector<Gap> gaps;
    for (size_t i = 0; i < text.size();) {
        if (text[i] != ' ') {
            i += GbkCharLengthAt(text, i);
            continue;
        }
        size_t end = i;
        while (end < text.size() && text[end] == ' ')
            ++end;
        if (end - i >= 3)
            gaps.push_back({i, end - i});
        i = end;
    }
    return gaps;
}

// Widens each gap of the sentence label to hold its box, measured in the label's own font (the blank
// of one font is half as wide as another's), then moves each box into the middle of its gap.
void PlaceInSentence(forms::Unit& sentence, const std::vector<forms::Unit*>& boxes)
{
    HWND label = sentence.Window();
    if (!label)
        return;
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    auto widthOf = [&](const std::string& text, size_t length) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(length), &size);
        return static_cast<int>(size.cx);
    };
    const std::string text = sentence.Text();
    const int blank = std::max(widthOf(" ", 1), 1);
    std::vector<Gap> gaps = GapsOf(text);
    std::string fitted;
    size_t from = 0;
    for (size_t i = 0; i < boxes.size() && i < gaps.size(); ++i) {
        fitted += text.substr(from, gaps[i].start - from);
        const size_t needed = static_cast<size_t>((boxes[i]->Width() + 4 + blank - 1) / blank);
        fitted += std::string(std::max(gaps[i].length, needed), ' ');
        from = gaps[i].start + gaps[i].length;
    }
    fitted += text.substr(from);
    if (fitted != text)
        sentence.SetText(fitted);
    // The sentence label grows to hold its text with the widened gaps.
    const int textWidth = widthOf(fitted, fitted.size()) + 4;
    if (textWidth > sentence.Width())
        sentence.Move(sentence.Left(), sentence.Top(), textWidth, sentence.Height());
    gaps = GapsOf(fitted);
    for (size_t i = 0; i < boxes.size() && i < gaps.size(); ++i) {
        const int left = widthOf(fitted, gaps[i].start);
        const int right = widthOf(fitted, gaps[i].start + gaps[i].length);
        forms::Unit& box = *boxes[i];
        box.Move(sentence.Left() + (left + right - box.Width()) / 2, box.Top(), box.Width(), box.Height());
        // The box lies over its sentence: above it, and cut out of the sentence's painting, so the
        // sentence's background never covers the box's text.
        SetWindowPos(box.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetWindowLongPtrA(label, GWL_STYLE, GetWindowLongPtrA(label, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(label, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
}

// A time box as wide as the longest date-time it may hold, in its own font.
void FitBoxToDateTime(forms::Unit& box)
{
    HWND window = box.Window();
    if (!window)
        return;
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    const std::string longest = "2026年12月31日23时59分59秒";
    SIZE size = {};
    GetTextExtentPoint32A(dc, longest.c_str(), static_cast<int>(longest.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    // The frame and the edit's margins, and an eighth more: the skinned box draws its text a little
    // wider than the font measures it.
    const int width = static_cast<int>(size.cx) * 9 / 8 + 12;
    if (width > box.Width())
        box.Move(box.Left(), box.Top(), width, box.Height());
}

void DrawDial(forms::Unit& panel, int width, int height)
{
    const int cx = width / 2;
    const int cy = height / 2;
    const int radius = std::min(cx, cy) - 4;
    panel.SetPen(kDialColour, 1);
    for (int mark = 0; mark < 12; ++mark) {
        const double angle = mark * 3.14159265358979 / 6;
        const int inner = radius - (mark % 3 == 0 ? 8 : 4);
        panel.DrawLine(cx + static_cast<int>(inner * std::cos(angle)), cy + static_cast<int>(inner * std::sin(angle)),
                       cx + static_cast<int>(radius * std::cos(angle)), cy + static_cast<int>(radius * std::sin(angle)));
    }
}

// Steps 1 to 4 of a tick: the time boxes, the analog clock, the board's clock and the world clocks.
void ShowClockTime(forms::Form& form, double now)
{
    const DateTimeParts parts = SplitDateTime(now);
    if (g_clockFollowsNow == 1) {
        g_clockHour = parts.hour;
        g_clockMinute = parts.minute;
        g_clockSecond = parts.second;
        form.Get("公历时编辑框1").SetText(IntToText(g_clockHour));
        form.Get("公历分编辑框1").SetText(IntToText(g_clockMinute));
        form.Get("公历秒编辑框1").SetText(IntToText(g_clockSecond));
    }
    DrawAnalogClock(form);
    form.Get("透明标签4").SetText(ClockText(parts.hour, parts.minute, parts.second));
    form.Get("标签5").SetText(DateTimeWithWeekday(now));
    form.Get("标签6").SetText(DateTimeWithWeekday(Plus(now, DateTimeUnit::Hour, -8)));
    form.Get("标签7").SetText(DateTimeWithWeekday(Plus(now, DateTimeUnit::Hour, -16)));
    form.Get("标签10").SetText(DateTimeWithWeekday(Plus(now, DateTimeUnit::Hour, -13)));
}

ClockTaskInputs ReadTaskBoxes(forms::Form& form)
{
    ClockTaskInputs in;
    in.hasRestStart = ReadDateTime(form.Get("编辑框2"), in.restStart);
    in.restIntervalMinutes = TextToInt(form.Get("编辑框3").Text());
    in.hasMemoTime = ReadDateTime(form.Get("编辑框4"), in.memoTime);
    in.hasShutdownTime = ReadDateTime(form.Get("编辑框6"), in.shutdownTime);
    in.hasFreezeTime = ReadDateTime(form.Get("编辑框7"), in.freezeTime);
    in.memoMaximum = form.Get("进度条2").Maximum();
    in.shutdownMaximum = form.Get("进度条3").Maximum();
    return in;
}

void ClockFollowsNowAgain(forms::Form& form)
{
    form.Get("按钮11").SetEnabled(true);
    for (const char* name : {"按钮1", "按钮9", "公历日期框1"})
        form.Get(name).SetEnabled(false);
    g_clockFollowsNow = 1;
}

}  // namespace

void SetUpClockTools(forms::Form& form)
{
    const double now = CalendarNow();
    form.Get("编辑框2").SetText(DateTimeToText(now));
    form.Get("编辑框7").SetText(DateTimeToText(now));
    form.Get("编辑框4").SetText(DateTimeToText(Plus(now, DateTimeUnit::Minute, 60)));
    form.Get("编辑框6").SetText(DateTimeToText(Plus(now, DateTimeUnit::Minute, 10)));
    form.Get("公历日期框1").SetDate(now);
    for (const char* name : {"编辑框2", "编辑框4", "编辑框6", "编辑框7"})
        FitBoxToDateTime(form.Get(name));
    PlaceInSentence(form.Get("标签11"), {&form.Get("编辑框2"), &form.Get("编辑框3")});
    PlaceInSentence(form.Get("标签12"), {&form.Get("编辑框4")});
    PlaceInSentence(form.Get("标签13"), {&form.Get("编辑框6")});
    PlaceInSentence(form.Get("标签15"), {&form.Get("编辑框7")});
    // Tasks started in an earlier opening ended with it: the boxes here are new and unticked, and
    // nothing may act that the page does not show.
    CancelClockTasks();
    ResumeClockTasks(now, g_calendarTicks);
    g_clockFollowsNow = 1;
    ShowClockTime(form, now);
}

void EndClockTools()
{
    CancelClockTasks();
}

void DrawAnalogClock(forms::Form& form)
{
    forms::Unit& panel = form.Get("画板1");
    const int width = panel.Width();
    const int height = panel.Height();
    const AnalogClockFace face = ComputeAnalogClock(width, height, g_clockHour, g_clockMinute, g_clockSecond);
    panel.Clear();
    DrawDial(panel, width, height);
    auto line = [&](const ClockLine& l) { panel.DrawLine(l.x1, l.y1, l.x2, l.y2); };
    panel.SetPen(kBlack, 3);
    line(face.hour);
    panel.SetPen(kBlack, 2);
    line(face.minute);
    panel.SetPen(kOrange, 1);
    line(face.second);
    line(face.tail);
    panel.SetPen(0xC0C0C0, 1);
    panel.SetFillColour(0x606060);
    panel.DrawEllipse(face.hubLeft, face.hubTop, face.hubRight, face.hubBottom);
}

void OnCalendarClockTimer(forms::Event& e)
{
    forms::Form& form = e.form;
    const double now = CalendarNow();
    ShowClockTime(form, now);
    const ClockTaskActions act = RunClockTasks(now, ReadTaskBoxes(form), g_calendarTicks);
    if (act.updateRestProgress)
        form.Get("进度条1").SetPosition(act.restProgress);
    if (act.updateMemoProgress)
        form.Get("进度条2").SetPosition(act.memoProgress);
    if (act.updateShutdownProgress)
        form.Get("进度条3").SetPosition(act.shutdownProgress);
    // The boxes are modal: the timer keeps ticking inside them, and the tasks' state is already moved
    // on, so those ticks cannot fire the same moment again.
    if (act.showRestReminder) {
        forms::ShowPlainMessageBox(form.Window(),
                                   "你已经在电脑前面连续工作" + form.Get("编辑框3").Text() +
                                       "分钟了，为了保护眼睛\r\n和你的身体，请注意休息！",
                                   "休息一会吧！", MB_ICONINFORMATION);
        form.Get("进度条1").SetPosition(0);
    }
    if (act.showMemo) {
        forms::ShowPlainMessageBox(form.Window(), form.Get("编辑框5").Text(), "别忘了！", MB_ICONINFORMATION);
        form.Get("进度条2").SetPosition(0);
    }
    if (act.shutDown)
        forms::ShutDownWindows();
    if (act.setClock)
        forms::SetSystemClock(act.clockTime);
}

void OnModifyTimeClicked(forms::Event& e)
{
    forms::Form& form = e.form;
    g_clockFollowsNow = 0;
    form.Get("按钮1").SetEnabled(true);
    form.Get("按钮9").SetEnabled(true);
    form.Get("按钮11").SetEnabled(false);
    form.Get("公历日期框1").SetEnabled(true);
    for (const char* name : {"公历时编辑框1", "公历分编辑框1", "公历秒编辑框1"})
        form.Get(name).SetReadOnly(false);
}

void OnCancelTimeChangeClicked(forms::Event& e)
{
    ClockFollowsNowAgain(e.form);
}

void OnSetSystemTimeClicked(forms::Event& e)
{
    forms::Form& form = e.form;
    const DateTimeParts day = SplitDateTime(form.Get("公历日期框1").Date());
    double chosen = 0;
    // A time that does not exist (hour 25) sets nothing rather than some fallback date.
    if (MakeDateTime(day.year, day.month, day.day, static_cast<int>(TextToInt(form.Get("公历时编辑框1").Text())),
                     static_cast<int>(TextToInt(form.Get("公历分编辑框1").Text())),
                     static_cast<int>(TextToInt(form.Get("公历秒编辑框1").Text())), chosen))
        forms::SetSystemClock(chosen);
    ClockFollowsNowAgain(form);
    const DateTimeParts now = SplitDateTime(CalendarNow());
    g_clockHour = now.hour;
    g_clockMinute = now.minute;
    g_clockSecond = now.second;
}

void TrackTypedClockTime(forms::Event& e)
{
    const int value = static_cast<int>(TextToInt(e.sender.Text()));
    const std::string& name = e.sender.Name();
    if (name == "公历时编辑框1")
        g_clockHour = value;
    else if (name == "公历分编辑框1")
        g_clockMinute = value;
    else if (name == "公历秒编辑框1")
        g_clockSecond = value;
}

void OnStartRemindersClicked(forms::Event& e)
{
    forms::Form& form = e.form;
    const double now = CalendarNow();
    StartClockTasks(form.Get("选择框1").Checked(), form.Get("选择框2").Checked(), form.Get("选择框3").Checked(),
                    form.Get("选择框4").Checked(), now, g_calendarTicks);
    const long long interval = std::clamp(TextToInt(form.Get("编辑框3").Text()), 0LL, 0x7FFFFFFFLL / 60);
    form.Get("进度条1").SetRange(0, static_cast<int>(interval * 60));
    form.Get("进度条2").SetRange(0, SecondsUntil(now, form.Get("编辑框4")));
    form.Get("进度条3").SetRange(0, SecondsUntil(now, form.Get("编辑框6")));
}

void OnCancelTasksClicked(forms::Event& e)
{
    forms::Form& form = e.form;
    for (const char* name : {"选择框1", "选择框2", "选择框3", "选择框4"})
        form.Get(name).SetChecked(false);
    CancelClockTasks();
    for (const char* name : {"进度条1", "进度条2", "进度条3"})
        form.Get(name).SetPosition(0);
}
