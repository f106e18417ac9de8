#pragma once
// Asking the system to report the mouse leaving a window (and resting on it), as every hover look of
// the skin needs.
#include <windows.h>

// Asks for WM_MOUSELEAVE when the mouse leaves the window.
void TrackMouseLeave(HWND window);
// Asks for WM_MOUSEHOVER once the mouse has rested on the window for `hoverTime` milliseconds, and for
// WM_MOUSELEAVE.
void TrackMouseHoverAndLeave(HWND window, DWORD hoverTime = 1);
