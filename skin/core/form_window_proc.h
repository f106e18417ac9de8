#pragma once
// The window procedure of every skinned form. It sees each message of the form before the form's own
// procedure (kept in Hw_hProc), keeps the frame state of the form's record, paints the frame and hands
// on what it does not answer itself.
#include <windows.h>

LRESULT CALLBACK SkinFormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
