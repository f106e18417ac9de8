#pragma once
// The clock tools without windows: the analog clock's hands and the four timed tasks (rest reminder,
// memo reminder, timed shutdown, time freeze). Every second the calendar window reads its boxes into
// ClockTaskInputs, calls RunClockTasks and carries out what it decides.
//
// A task fires when its moment was crossed since the previous tick, that is when it lies in
// (previous tick, now]: a late or skipped tick never loses a moment, a moment already past when the
// tasks start (or the window opens) never fires, and each moment fires once. A task's flag is
// cleared before its message box shows, so the ticks that run while the box is open cannot fire it
// again.

// Whole-run state of the clock tools.
extern int g_clockFollowsNow;  // 1 while the time boxes and the clock follow the current time
extern int g_clockHour, g_clockMinute, g_clockSecond;  // the time the analog clock shows
// Set by 按钮3 and cleared by 按钮6 and by the window's opening and closing: a task lives only in
// the window that started it, where its ticked box shows it.
extern int g_restReminderOn, g_memoReminderOn, g_timedShutdownOn, g_timeFreezeOn;
extern int g_restReminderCount;  // rest reminders shown in this run, never reset

// Limits a date-time to the years 100 to 9999 (-657434 to 2958465 days).
double ClampDateValue(double dateValue);

// The moment of the previous tick.
struct ClockTaskTicks {
    double previous = 0;
    bool known = false;
};

// What the boxes of the task page hold at a tick; a box whose text is no date-time gives no moment.
struct ClockTaskInputs {
    bool hasRestStart = false;
    double restStart = 0;
    long long restIntervalMinutes = 0;
    bool hasMemoTime = false;
    double memoTime = 0;
    bool hasShutdownTime = false;
    double shutdownTime = 0;
    bool hasFreezeTime = false;
    double freezeTime = 0;
    int memoMaximum = 0;      // the progress bars' maximum, set when the tasks started
    int shutdownMaximum = 0;
};

// What the window does at a tick, in this order.
struct ClockTaskActions {
    bool updateRestProgress = false;
    int restProgress = 0;       // seconds since the last reminder moment (or the start)
    bool showRestReminder = false;
    bool updateMemoProgress = false;
    int memoProgress = 0;       // seconds gone of the memo's wait
    bool showMemo = false;
    bool updateShutdownProgress = false;
    int shutdownProgress = 0;
    bool shutDown = false;
    bool setClock = false;
    double clockTime = 0;
};

// 按钮3: each flag from its check box; the ticks count from now.
void StartClockTasks(bool rest, bool memo, bool shutdown, bool freeze, double now, ClockTaskTicks& ticks);
// 按钮6: every task stops (the flags are cleared).
void CancelClockTasks();
// The ticks count from now (the tasks start, or the window opens).
void ResumeClockTasks(double now, ClockTaskTicks& ticks);
// One tick at now: moves the ticks on, updates the flags and the count, and says what to do.
ClockTaskActions RunClockTasks(double now, const ClockTaskInputs& inputs, ClockTaskTicks& ticks);

// The analog clock on a width x height panel: every hand is a line from the centre.
struct ClockLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
struct AnalogClockFace {
    ClockLine hour, minute, second, tail;  // the tail is the second hand's short end
    int hubLeft = 0, hubTop = 0, hubRight = 0, hubBottom = 0;
};
AnalogClockFace ComputeAnalogClock(int width, int height, int hour, int minute, int second);
