#pragma once
// The brushes a skinned form or container hands its child controls for WM_CTLCOLOR*: a pattern brush
// cut from what lies behind the child under the white veil, or the null brush. Each child keeps at
// most one brush and one bitmap alive (in Kj_dxjb and Kj_wtjb); the previous pair is deleted at every
// new message and when the child goes away. UI thread only.
#include <windows.h>

// The brush for a WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX or WM_CTLCOLORBTN about the
// child `control` drawing on `dc`, or 0 when the parent's own procedure answers it (veil off, the
// edit field of a combo box, an owner-drawn list box, a child on no skinned form).
HBRUSH ControlColourBrush(UINT message, HDC dc, HWND control);

// What lies behind the control under the white veil, as a pattern brush, with the control's text colour
// (Kj_Ztys) and a transparent background on the context; the control's previous pair is deleted first
// and the new one kept until its end (KeepControlColourObjects). 0 when the control is on no skinned
// form.
HBRUSH VeiledControlBrush(HDC dc, HWND control);

// FreeControlColourObjects for every direct child of the window.
void FreeChildrensColourObjects(HWND window);
