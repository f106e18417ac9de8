#pragma once
// The handlers of the perpetual calendar window, bound in calendar_window_def.cpp: the calendar pages
// (calendar_window.cpp) and the clock tools (clock_tools.cpp). Each works on e.form's units by name.
#include "runtime/forms/form_definition.h"

// Calendar pages.
void OnCalendarWindowCreated(forms::Event& e);
void OnCalendarWindowQueryClose(forms::Event& e);
void LayoutCalendarTabs(forms::Event& e);
void RefreshTodayPanel(forms::Event& e);
void ToggleLunarEssay(forms::Event& e);
void ToggleSolarEssay(forms::Event& e);
void ShowTodayLunarMonth(forms::Event& e);
void ShowTodaySolarMonth(forms::Event& e);
void SetLunarCalendarView(forms::Event& e);
void ShowCalendarPage(forms::Event& e);
void ToggleFourPillarCalculators(forms::Event& e);
void OnListSolarTermsClicked(forms::Event& e);
void ShowSolarDateFourPillars(forms::Event& e);
void ShowLunarDateFourPillars(forms::Event& e);

// Clock tools.
void OnCalendarClockTimer(forms::Event& e);
void OnModifyTimeClicked(forms::Event& e);
void OnCancelTimeChangeClicked(forms::Event& e);
void OnSetSystemTimeClicked(forms::Event& e);
void TrackTypedClockTime(forms::Event& e);
void OnStartRemindersClicked(forms::Event& e);
void OnCancelTasksClicked(forms::Event& e);
// Run by the creation handler: fills the task boxes, places them in their sentences, lets the clock
// follow the current time. No task runs until 按钮3 starts it in this opening.
void SetUpClockTools(forms::Form& form);
// Run when the window closes: the tasks started in it end with it.
void EndClockTools();
void DrawAnalogClock(forms::Form& form);
