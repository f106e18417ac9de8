// The timed tasks fire when their moment is crossed, once, however the ticks fall; the analog
// clock's hands point where the clock face says.
#include "app/clock_tasks.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/clock_test_dates.h"

namespace {

double At(int hour, int minute, int second)
{
    return TestDateTime(2012, 5, 12, hour, minute, second);
}

class ClockTasksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CancelClockTasks();
        g_restReminderCount = 0;
        start_ = At(9, 0, 0);
    }
    // Ticks at the given seconds after the start; the seconds at which each kind of action came.
    struct Fired {
        std::vector<long long> rest, memo, shutdown;
    };
    Fired Tick(const std::vector<long long>& seconds)
    {
        Fired fired;
        for (long long s : seconds) {
            const ClockTaskActions act = RunClockTasks(PlusSeconds(start_, s), inputs_, ticks_);
            if (act.showRestReminder)
                fired.rest.push_back(s);
            if (act.showMemo)
                fired.memo.push_back(s);
            if (act.shutDown)
                fired.shutdown.push_back(s);
        }
        return fired;
    }
    double start_ = 0;
    ClockTaskInputs inputs_;
    ClockTaskTicks ticks_;
};

TEST_F(ClockTasksTest, RestReminderEveryIntervalFromItsStart)
{
    inputs_.hasRestStart = true;
    inputs_.restStart = start_;
    inputs_.restIntervalMinutes = 1;
    StartClockTasks(true, false, false, false, start_, ticks_);
    const ClockTaskActions half = RunClockTasks(PlusSeconds(start_, 30), inputs_, ticks_);
    EXPECT_TRUE(half.updateRestProgress);
    EXPECT_EQ(half.restProgress, 30);
    const Fired fired = Tick(SecondsFromTo(31, 130));
    EXPECT_EQ(fired.rest, (std::vector<long long>{60, 120}));
    EXPECT_EQ(g_restReminderCount, 2);
    EXPECT_EQ(RunClockTasks(PlusSeconds(start_, 135), inputs_, ticks_).restProgress, 15);
    EXPECT_EQ(g_restReminderOn, 1) << "the rest reminder keeps running";
}

TEST_F(ClockTasksTest, LateTicksLoseNoMomentAndFireEachOnce)
{
    inputs_.hasRestStart = true;
    inputs_.restStart = start_;
    inputs_.restIntervalMinutes = 1;
    inputs_.hasMemoTime = true;
    inputs_.memoTime = PlusSeconds(start_, 10);
    inputs_.hasShutdownTime = true;
    inputs_.shutdownTime = PlusSeconds(start_, 20);
    StartClockTasks(true, true, true, false, start_, ticks_);
    // No tick falls on a moment (memo 10, shutdown 20, rest 60, 120, 180 ...); the jump from 121 to 250
    // passes two rest moments and reminds once.
    const Fired fired = Tick({9, 11, 12, 19, 21, 59, 61, 62, 121, 250, 299, 301});
    EXPECT_EQ(fired.memo, (std::vector<long long>{11}));
    EXPECT_EQ(fired.shutdown, (std::vector<long long>{21}));
    EXPECT_EQ(fired.rest, (std::vector<long long>{61, 121, 250, 301}));
    EXPECT_EQ(g_memoReminderOn, 0) << "cleared before the box shows";
    EXPECT_EQ(g_restReminderCount, 4);
}

TEST_F(ClockTasksTest, MomentsPastAtTheStartNeverFire)
{
    inputs_.hasMemoTime = true;
    inputs_.memoTime = PlusSeconds(start_, -5);
    inputs_.hasShutdownTime = true;
    inputs_.shutdownTime = start_;  // the very second of the start
    inputs_.hasRestStart = true;
    inputs_.restStart = PlusSeconds(start_, -150);  // moments at -90 and -30 are gone; +30 is to come
    inputs_.restIntervalMinutes = 1;
    StartClockTasks(true, true, true, false, start_, ticks_);
    const Fired fired = Tick(SecondsFromTo(0, 40));
    EXPECT_TRUE(fired.memo.empty());
    EXPECT_TRUE(fired.shutdown.empty());
    EXPECT_EQ(fired.rest, (std::vector<long long>{30}));
    EXPECT_EQ(g_memoReminderOn, 1);

    // Ticks that resume later: a moment passed between them is gone.
    inputs_.memoTime = PlusSeconds(start_, 50);
    ResumeClockTasks(PlusSeconds(start_, 60), ticks_);
    EXPECT_TRUE(Tick(SecondsFromTo(61, 70)).memo.empty());
}

TEST_F(ClockTasksTest, CancelStopsEveryStartedTask)
{
    inputs_.hasShutdownTime = true;
    inputs_.shutdownTime = PlusSeconds(start_, 10);
    inputs_.hasMemoTime = true;
    inputs_.memoTime = PlusSeconds(start_, 10);
    inputs_.hasFreezeTime = true;
    inputs_.freezeTime = start_;
    StartClockTasks(true, true, true, true, start_, ticks_);
    Tick({1, 2});
    CancelClockTasks();
    EXPECT_EQ(g_restReminderOn + g_memoReminderOn + g_timedShutdownOn + g_timeFreezeOn, 0);
    for (long long s : SecondsFromTo(3, 20)) {
        const ClockTaskActions act = RunClockTasks(PlusSeconds(start_, s), inputs_, ticks_);
        EXPECT_FALSE(act.shutDown || act.showMemo || act.setClock || act.updateShutdownProgress) << s;
    }
}

TEST_F(ClockTasksTest, TimeFreezeSetsTheClockEveryTickAndStopsNothingElse)
{
    const double frozen = At(8, 0, 0);
    inputs_.hasFreezeTime = true;
    inputs_.freezeTime = frozen;
    inputs_.hasMemoTime = true;
    inputs_.memoTime = PlusSeconds(start_, 2);
    StartClockTasks(false, true, false, true, start_, ticks_);
    for (long long s : {1, 2, 3}) {
        const ClockTaskActions act = RunClockTasks(PlusSeconds(start_, s), inputs_, ticks_);
        EXPECT_TRUE(act.setClock);
        EXPECT_EQ(act.clockTime, frozen);
        EXPECT_EQ(act.showMemo, s == 2);
    }
    // The clock went back: nothing lies between the previous tick and now, so nothing fires.
    inputs_.memoTime = PlusSeconds(frozen, 1);
    g_memoReminderOn = 1;
    EXPECT_FALSE(RunClockTasks(frozen, inputs_, ticks_).showMemo);
    EXPECT_TRUE(RunClockTasks(PlusSeconds(frozen, 1), inputs_, ticks_).showMemo);

    // A freeze box that holds no date-time sets nothing.
    inputs_.hasFreezeTime = false;
    EXPECT_FALSE(RunClockTasks(PlusSeconds(frozen, 2), inputs_, ticks_).setClock);
}

TEST_F(ClockTasksTest, ProgressAndOddIntervals)
{
    inputs_.hasMemoTime = true;
    inputs_.memoTime = PlusSeconds(start_, 3600);
    inputs_.memoMaximum = 3600;
    inputs_.hasRestStart = true;
    inputs_.restStart = PlusSeconds(start_, 5);  // a start still to come
    inputs_.restIntervalMinutes = 0;
    StartClockTasks(true, true, false, false, start_, ticks_);
    const ClockTaskActions first = RunClockTasks(PlusSeconds(start_, 1), inputs_, ticks_);
    EXPECT_EQ(first.memoProgress, 1);
    EXPECT_EQ(first.restProgress, 0);
    EXPECT_EQ(RunClockTasks(PlusSeconds(start_, 2), inputs_, ticks_).memoProgress, 2);
    // With no interval the start itself is the one reminder moment.
    EXPECT_EQ(Tick(SecondsFromTo(3, 400)).rest, (std::vector<long long>{5}));

    inputs_.restIntervalMinutes = -3;  // counts as none
    StartClockTasks(true, false, false, false, PlusSeconds(start_, 400), ticks_);
    EXPECT_TRUE(Tick(SecondsFromTo(401, 700)).rest.empty());

    EXPECT_EQ(ClampDateValue(-700000.0), -657434.0);
    EXPECT_EQ(ClampDateValue(3000000.0), 2958465.0);
    EXPECT_EQ(ClampDateValue(41041.5), 41041.5);
}

TEST(AnalogClock, HandsAtThreeOClock)
{
    const AnalogClockFace face = ComputeAnalogClock(160, 160, 15, 0, 0);
    const struct {
        ClockLine line;
        int x2, y2;
    } hands[] = {
        {face.hour, 109, 80},    // right
        {face.minute, 80, 39},   // up
        {face.second, 80, 33},   // up
        {face.tail, 80, 93},     // 13 pixels down
    };
    for (const auto& hand : hands) {
        EXPECT_EQ(hand.line.x1, 80);
        EXPECT_EQ(hand.line.y1, 80);
        EXPECT_EQ(hand.line.x2, hand.x2);
        EXPECT_EQ(hand.line.y2, hand.y2);
    }
    EXPECT_EQ(face.hubLeft, 77);
    EXPECT_EQ(face.hubBottom, 83);

    // Nine o'clock points left; at 12:30 the hour hand stands half-way to one (15 degrees right of up).
    EXPECT_EQ(ComputeAnalogClock(160, 160, 9, 0, 0).hour.x2, 51);
    const ClockLine half = ComputeAnalogClock(160, 160, 12, 30, 0).hour;
    EXPECT_EQ(half.x2, 80 + 8);   // 29 * sin 15°
    EXPECT_EQ(half.y2, 80 - 28);  // 29 * cos 15°
    // An odd panel size cuts the centre to whole pixels.
    EXPECT_EQ(ComputeAnalogClock(161, 101, 15, 0, 0).hour.y2, 50);
}

}  // namespace
