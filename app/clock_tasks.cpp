#include "app/clock_tasks.h"

#include <algorithm>
#include <cmath>

#include "runtime/datetime.h"

int g_clockFollowsNow = 1;
int g_clockHour = 0, g_clockMinute = 0, g_clockSecond = 0;
int g_restReminderOn = 0, g_memoReminderOn = 0, g_timedShutdownOn = 0, g_timeFreezeOn = 0;
int g_restReminderCount = 0;

namespace {

// Reminder moments of the rest reminder at or before t seconds after its start: one every period
// seconds, the first a period after the start; with no period, the start itself is the one moment.
long long MomentsUpTo(long long t, long long period)
{
    if (t < 0)
        return 0;
    return period > 0 ? t / period : 1;
}

// True when the moment lies in (previous, now].
bool Crossed(double moment, double previous, double now)
{
    return SecondsBetween(previous, moment) > 0 && SecondsBetween(moment, now) >= 0;
}

int ProgressOf(int maximum, double now, double moment)
{
    const long long left = std::max(0LL, SecondsBetween(now, moment));
    return static_cast<int>(std::clamp(static_cast<long long>(maximum) - left, 0LL, static_cast<long long>(maximum)));
}

}  // namespace

double ClampDateValue(double dateValue)
{
    return std::clamp(dateValue, -657434.0, 2958465.0);
}

void StartClockTasks(bool rest, bool memo, bool shutdown, bool freeze, double now, ClockTaskTicks& ticks)
{
    g_restReminderOn = rest ? 1 : 0;
    g_memoReminderOn = memo ? 1 : 0;
    g_timedShutdownOn = shutdown ? 1 : 0;
    g_timeFreezeOn = freeze ? 1 : 0;
    ResumeClockTasks(now, ticks);
}

void CancelClockTasks()
{
    g_restReminderOn = 0;
    g_memoReminderOn = 0;
    g_timedShutdownOn = 0;
    g_timeFreezeOn = 0;
}

void ResumeClockTasks(double now, ClockTaskTicks& ticks)
{
    ticks.previous = now;
    ticks.known = true;
}

ClockTaskActions RunClockTasks(double now, const ClockTaskInputs& in, ClockTaskTicks& ticks)
{
    const double previous = ticks.known ? ticks.previous : now;
    ticks.previous = now;
    ticks.known = true;
    ClockTaskActions act;

    if (g_restReminderOn && in.hasRestStart) {
        const long long period = std::max(0LL, in.restIntervalMinutes) * 60;
        const double start = ClampDateValue(in.restStart);
        const long long elapsed = SecondsBetween(start, now);
        const long long moments = MomentsUpTo(elapsed, period);
        act.updateRestProgress = true;
        act.restProgress = static_cast<int>(std::max(0LL, period > 0 ? elapsed - moments * period : 0LL));
        if (moments > MomentsUpTo(SecondsBetween(start, previous), period)) {
            ++g_restReminderCount;
            act.showRestReminder = true;
        }
    }
    if (g_memoReminderOn && in.hasMemoTime) {
        const double moment = ClampDateValue(in.memoTime);
        act.updateMemoProgress = true;
        act.memoProgress = ProgressOf(in.memoMaximum, now, moment);
        if (Crossed(moment, previous, now)) {
            g_memoReminderOn = 0;
            act.showMemo = true;
        }
    }
    if (g_timedShutdownOn && in.hasShutdownTime) {
        const double moment = ClampDateValue(in.shutdownTime);
        act.updateShutdownProgress = true;
        act.shutdownProgress = ProgressOf(in.shutdownMaximum, now, moment);
        act.shutDown = Crossed(moment, previous, now);
    }
    if (g_timeFreezeOn && in.hasFreezeTime) {
        act.setClock = true;
        act.clockTime = ClampDateValue(in.freezeTime);
    }
    return act;
}

AnalogClockFace ComputeAnalogClock(int width, int height, int hour, int minute, int second)
{
    const int cx = width / 2;
    const int cy = height / 2;
    // A hand of length value r at angle a (radians, 0 pointing right, growing clockwise).
    auto hand = [&](double angle, int r) {
        ClockLine line;
        line.x1 = cx;
        line.y1 = cy;
        line.x2 = static_cast<int>(std::lround(cx + std::cos(angle) * (cx - r)));
        line.y2 = static_cast<int>(std::lround(cy + std::sin(angle) * (cy - r)));
        return line;
    };
    const int h = hour > 12 ? hour - 12 : hour;
    const int f = h * 10 + minute / 6 - 30;  // steps of 3 degrees
    const double hourAngle = f * 9.4247779605 / 180;
    const double minuteAngle = (minute - 15) * 18.849555921 / 180;
    const double secondAngle = (second - 15) * 18.849555921 / 180;
    AnalogClockFace face;
    face.hour = hand(hourAngle, 51);
    face.minute = hand(minuteAngle, 39);
    face.second = hand(secondAngle, 33);
    face.tail = hand(secondAngle, 93);
    face.hubLeft = cx - 3;
    face.hubTop = cy - 3;
    face.hubRight = cx + 3;
    face.hubBottom = cy + 3;
    return face;
}
