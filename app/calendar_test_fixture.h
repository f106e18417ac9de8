#pragma once
// What the calendar window's tests share: the window opened at a moment the test chooses (the
// window's clock reads g_testNow), its timers stopped so only the test ticks it, and the stand-in
// platform actions of the form tests.
#include "runtime/forms/forms_test_support.h"

#include "app/calendar_handlers.h"
#include "app/calendar_window.h"
#include "app/clock_tasks.h"
#include "app/clock_test_dates.h"
#include "runtime/datetime.h"

namespace calendar_test {

inline double g_testNow = 0;
inline double TestNow() { return g_testNow; }

class CalendarWindowTest : public forms_test::FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        CancelClockTasks();
        g_restReminderCount = 0;
        previousClock_ = SetCalendarClock(TestNow);
        g_testNow = TestDateTime(2012, 12, 4, 15, 0, 0);
    }
    void TearDown() override
    {
        SetCalendarClock(previousClock_);
        FormsTest::TearDown();
    }
    // Opens the window at g_testNow with its timers stopped.
    forms::Form& Open()
    {
        form_ = OpenPerpetualCalendar();
        EXPECT_NE(form_, nullptr);
        form_->Get("时钟1").SetInterval(0);
        form_->Get("时钟2").SetInterval(0);
        return *form_;
    }
    forms::Unit& U(const char* name) { return form_->Get(name); }
    void Click(const char* name) { SendMessageA(U(name).Window(), BM_CLICK, 0, 0); }
    // One tick of a timer at the given moment.
    void Tick(const char* timer, void (*handler)(forms::Event&), double now)
    {
        g_testNow = now;
        forms::Event event{*form_, U(timer), forms::EventKind::TimerTick};
        handler(event);
    }
    void ClockTick(double now) { Tick("时钟1", OnCalendarClockTimer, now); }
    void BoardTick(double now) { Tick("时钟2", RefreshTodayPanel, now); }

    forms::Form* form_ = nullptr;
    CalendarClock previousClock_ = nullptr;
};

}  // namespace calendar_test
