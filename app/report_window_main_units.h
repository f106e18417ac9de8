#pragma once
// What the name scoring, name report and birth chart windows read of the main window: its units
// found by name on the open window named "MainWindow".
#include <string>

#include "naming/birth_texts.h"
#include "runtime/forms/form.h"

// The open main window; null when there is none.
forms::Form* FindMainWindow();
// The text of one of its units; the empty text without a main window or such a unit.
std::string MainWindowText(const std::string& unitName);
// The texts of its birth combos 组合框年1, 组合框月1, 组合框日1, 组合框时1, 组合框分1.
BirthTexts ReadBirthCombos();
// Shows or hides it; false without a main window.
bool SetMainWindowVisible(bool visible);

// The program database below the program's folder.
std::string ProgramDatabasePath();
