#pragma once
// Whether a shown window or one of its shown children still waits for its paint (an update region
// left): what a screen read waits out, in the tests and in the journey runner alike.
#include <windows.h>

namespace pending_paint {

inline BOOL CALLBACK NoteUnpaintedChild(HWND child, LPARAM unpainted)
{
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
        *reinterpret_cast<bool*>(unpainted) = true;
    return TRUE;
}

}  // namespace pending_paint

inline bool WaitsForPaint(HWND window)
{
    if (!IsWindow(window) || !IsWindowVisible(window))
        return false;
    bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!unpainted)
        EnumChildWindows(window, pending_paint::NoteUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
    return unpainted;
}
