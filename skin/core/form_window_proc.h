#pragma once
// The window procedure of every skinned form. It sees each message of the form before the form's own
// procedure (kept in Hw_hProc): it keeps the frame state of the form's record, rebuilds the frame
// picture when it is marked dirty and otherwise copies it, hands child controls brushes cut from the
// painted background, and passes on everything it does not answer itself.
#include <windows.h>

LRESULT CALLBACK SkinFormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Chooses the effect the form plays when it is asked to close: 0 none, 1 shrink-and-fade (others play
// nothing). False, with nothing changed, when the window is not a skinned form.
bool SetFormCloseEffect(HWND window, int effect);

// Copies form `formNumber`'s frame picture onto the form around its visible children: onto `dc` (which
// stays the caller's, a paint DC included), or onto a DC taken and released here when none is given or
// the form was just shown.
void BlitFrameBuffer(int formNumber, HDC dc);
// Marks the form's visible list views dirty and invalidates them (after a restore from an icon).
void RefreshListViews(HWND formWindow);
