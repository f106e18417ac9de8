#pragma once
// Shared by the navigation bar's tests: bar windows on skinned test forms, mouse messages, recorded
// callbacks and small pictures.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/custom/nav_bar.h"

// A bar host: a Static that gets the mouse (SS_NOTIFY).
HWND CreateBarHost(HWND parent, int x, int y, int width, int height);

// A visible test form skinned with a PatternColour frame and an unattached bar host on it.
struct BarTestForm {
    HWND form = nullptr;
    int number = 0;
    HWND host = nullptr;
};
BarTestForm MakeBarTestForm(int width, int height, const RECT& barRect);

LPARAM MouseAt(int x, int y);
void Press(HWND bar, int x, int y);
void Release(HWND bar, int x, int y);
void ClickAt(HWND bar, int x, int y);
// The hover fade: the mouse enters at (x, y) and rests (WM_MOUSEMOVE then WM_MOUSEHOVER).
void HoverAt(HWND bar, int x, int y);
void TickFade(HWND bar, int ticks = 1);

// Handlers that record their first argument, and what they recorded.
int RecordClick(const int* arguments, int count);
int RecordSecond(const int* arguments, int count);
std::vector<int>& RecordedClicks();
std::vector<int>& RecordedSeconds();
void ClearRecordedCallbacks();

// A width x height PNG of one ARGB colour.
std::string SolidPng(int width, int height, uint32_t argb);
// Tooltip windows of this thread.
int CountThreadTooltips();
// The rectangle and text of tool `id` of the tooltip; false when it has no such tool.
bool ReadTool(HWND tipWindow, HWND owner, int id, RECT& rect, std::string& text);
