#pragma once
// The birth chart window (生辰八字): the pillars, elements, missing elements and radical advice of
// the birth in the main window's combos. The analysis runs on a worker thread that works on copies
// of its inputs and writes the window through a FormRef, so a window closed early is left alone.
#include <string>
#include <vector>

#include "runtime/forms/form.h"
#include "runtime/forms/form_definition.h"

// The split tables of the last birth chart opened.
extern std::vector<std::string> g_birthChartElements;
extern std::vector<std::string> g_birthChartAdvice;

const forms::FormDef& BirthChartWindowDef();

// What the main window's navigation item 生辰八字 does: opens the window modal, owned by the main
// window (the page does not change). False when the window could not be made.
bool OpenBirthChartWindow();

void OnBirthChartWindowCreated(forms::Event& event);

// Workers still running; the exit routine waits for them (processing messages, since they write
// through the user-interface thread). False when some still run after the time.
int RunningBirthChartWorkers();
bool WaitForBirthChartWorkers(int milliseconds);
