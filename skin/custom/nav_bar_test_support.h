#pragma once
// Shared by the tests of the custom controls: bar windows on skinned test forms, mouse messages,
// recorded callbacks, small pictures and the tools of a tooltip.
#include <windows.h>

#include <cstdint>
#include <functional>
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

// A picture of the program's own (app/pictures/<file>), read from the source tree, so that the
// controls' tests show what the program shows without linking the program's resources; empty when
// the file cannot be read.
std::string ProgramPicture(const std::string& file);
inline constexpr int kProgramNavPictureCount = 8;
// The program's navigation pictures in its bar's order: 宝宝取名, 姓名评测, 自选列表, 组合模式, 诗词模式,
// 取英文名, 取小名, 生辰八字.
std::string ProgramNavPicture(int index);

// An item with a picture (bytes, none when empty) and a caption, everything else not given.
NavBarItemOptions PictureItem(const std::string& image, const std::string& caption);
// A width x height PNG of one ARGB colour.
std::string SolidPng(int width, int height, uint32_t argb);
// Tooltip windows of this thread.
int CountThreadTooltips();
// Tool `id` of the owner's tooltip as the tooltip window holds it.
struct ToolReading {
    bool found = false;
    RECT rect = {};
    std::string text;
};
ToolReading ReadTool(HWND tipWindow, HWND owner, int id);
bool SameRect(const RECT& a, const RECT& b);

// Processes messages until the condition holds; false when it has not after `milliseconds`. `again`,
// when given, runs every 150 ms while waiting (input sent before the desktop takes it can be lost).
bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 3000,
               const std::function<void()>& again = nullptr);
// Real input: the mouse moves to the screen point, or to a client point of the window.
void MoveMouseTo(int x, int y);
POINT ScreenPoint(HWND window, int x, int y);
void MoveMouseOver(HWND window, int x, int y);
