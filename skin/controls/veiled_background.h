#pragma once
// What lies behind a control's client area under the white veil, as a memory context the control's
// own painting can draw over.
#include <windows.h>

// A new registered memory context of the client area's size (the client area in window coordinates as
// GetEditNonClientOffsets takes it) holding what lies behind it under white at g_veilAlpha, whatever
// g_veilEnabled says. 0 when the control belongs to no skinned form. The caller releases it with
// ReleaseMemoryDC.
HDC MakeVeiledBackgroundDc(HWND control);
