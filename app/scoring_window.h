#pragma once
// The name scoring window (姓名评测): scores a given name typed by the user with the surname of the
// main window, and opens the name report for it.
#include "runtime/forms/form.h"
#include "runtime/forms/form_definition.h"

const forms::FormDef& NameScoringWindowDef();

// What the main window's navigation item 姓名评测 does: shows page 2 of 高级选择夹1 and opens the
// scoring window modal, owned by the main window. False when the window could not be made.
bool OpenNameScoringWindow();

void OnScoringWindowCreated(forms::Event& event);
// 开始评分: the report of the name, or, for a name the scorer cannot read, a word saying what it needs.
void OnScoreNameButtonClicked(forms::Event& event);
// A character outside GBK typed or pasted into the box is taken out at once, with a word.
void OnGivenNameBoxChanged(forms::Event& event);
