#include "skin/custom/custom_control_frame.h"

LRESULT CallPreviousProc(HWND window, const CustomControlKeys& keys, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = GetWindowPropHandle<WNDPROC>(window, keys.previousProc);
    return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
}

LRESULT EraseTransparently(WPARAM wParam)
{
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}
