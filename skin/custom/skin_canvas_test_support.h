#pragma once
// Shared by the drawing board's tests: what lies behind a board, handlers that record the window
// they are called with, pictures and a text's dark pixels.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/skin_canvas.h"

// Boards lie on the test forms of the navigation bar's tests (MakeBarTestForm). What lies behind a
// board's client point: the form's pattern.
uint32_t FormPatternAt(const RECT& boardRect, int x, int y);

// Handlers recording their first argument.
int RecordEnter(const int* arguments, int count);
int RecordLeave(const int* arguments, int count);
std::vector<int>& RecordedEnters();
std::vector<int>& RecordedLeaves();

// Number of pixels of the area of a board's context that differ from the form's pattern behind them.
int CountPatternChanges(HDC dc, const RECT& area, const RECT& boardRect);
