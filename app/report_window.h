#pragma once
// The name report window (名字评分): the analysis of the name in g_reportInput and of the birth in
// the main window's combos, built once when the window opens. While a report is open the main
// window is hidden; closing the report shows it again.
#include "runtime/forms/form.h"
#include "runtime/forms/form_definition.h"

const forms::FormDef& NameReportWindowDef();

// Opens a report on g_reportInput, modeless and without an owner; null when it could not be made.
forms::Form* OpenNameReportWindow();

void OnReportWindowCreated(forms::Event& event);
void OnReportWindowResized(forms::Event& event);
void OnReportWindowQueryClose(forms::Event& event);
