#pragma once
// The button family: push buttons (made owner-drawn, painted on WM_DRAWITEM and on hover), check boxes
// and auto radio buttons (native behaviour kept, painted by the skin on WM_PAINT, on hover and right
// after the native code has handled a press, BM_SETCHECK or the space key). UI thread only.
#include <windows.h>

// Button types (the low four style bits) the family accepts: 0, 1 and 8 as push buttons, 9 as an
// auto radio button, 2, 3 and 10 as check boxes.
bool IsPushButtonStyle(HWND window);
bool IsAutoRadioStyle(HWND window);
bool IsCheckBoxStyle(HWND window);

// Register the direct "BUTTON" children of `parent` in form `formNumber`'s button list and subclass
// them: push buttons (made owner-drawn, other style bits kept), then check boxes and auto radio buttons.
// Owner-drawn buttons and buttons already in the list are skipped; nothing happens while
// g_skinChildControls is off.
void SkinPushButtons(int formNumber, HWND parent);
void SkinCheckAndRadioButtons(int formNumber, HWND parent);

// The index of the window in the form's button list, 0 when absent.
int FindButtonRecord(int formNumber, HWND window);

// The procedure of every registered button.
LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints a registered button at once, outside WM_PAINT, in the given ODS_* state; `hot` adds
// ODS_HOTLIGHT.
void PaintButtonByKind(HWND window, UINT state = 0, bool hot = false);
