#pragma once
// The window properties that tie windows to skin records. Values are pointer-sized; a missing
// property reads as 0.
#include <windows.h>

#include "skin/core/record_numbers_memo.h"

// On a skinned form or dialog and on every listed control (except the Kj list) and container: the
// window procedure the skin replaced.
inline constexpr char kPropHwProc[] = "Hw_hProc";
// On a form: its form number. On a listed control or container: its index in that list. On a
// navigation bar, group list or tab strip: its index in its own global list.
inline constexpr char kPropHwListIndex[] = "Hw_lbID";
// On a listed control, overlay scroll bar, container or custom-drawn control: its form's number.
inline constexpr char kPropHwFormNumber[] = "Hw_FuID";
// The same three for the controls of the Kj list.
inline constexpr char kPropKjProc[] = "Kj_hProc";
inline constexpr char kPropKjListIndex[] = "Kj_lbID";
inline constexpr char kPropKjFormNumber[] = "Kj_FuID";
// On a control: its text colour (COLORREF), which the form runtime sets.
inline constexpr char kPropKjTextColour[] = "Kj_Ztys";
// On a control: the brush answered to WM_CTLCOLOR* and the bitmap under it.
inline constexpr char kPropKjCtlBrush[] = "Kj_dxjb";
inline constexpr char kPropKjCtlBitmap[] = "Kj_wtjb";
// On a skinned toolbar the same name holds its image list (TB_GETIMAGELIST), which stays the toolbar's.
inline constexpr char kPropKjToolbarImages[] = "Kj_wtjb";
// On a form: the menu handle given to it by the skin's popup-menu service.
inline constexpr char kPropFormMenu[] = "Ck_cdjb";
// On a form or dialog: the bitmap frameDc held before the frame bitmap, and the frame bitmap.
inline constexpr char kPropFramePrevBitmap[] = "Ck_Ycjdx";
inline constexpr char kPropFrameBitmap[] = "Ck_wtjbdx";
// On a drawing board: its index in g_skinCanvases; 1 when it hosts child controls; its background
// memory context (what lies behind its children, in its window coordinates).
inline constexpr char kPropCanvasIndex[] = "Wxk_LBID";
inline constexpr char kPropCanvasHostsChildren[] = "Wxk_Zpf";
inline constexpr char kPropCanvasBackgroundDc[] = "Wxk_Cj";
// On a drawing board: the window procedure the board replaced.
inline constexpr char kPropCanvasProc[] = "Wxk_hProc";
// On a container or board inside a hosting drawing board: that host's window.
inline constexpr char kPropHostCanvas[] = "Mb_zpf";
// On a window carrying a custom-drawn scroll bar (its own, or the host of an embedded one): the bar's
// index in g_scrollBars and the window procedure the bar replaced.
inline constexpr char kPropScrollBarIndex[] = "Hw_GdID";
inline constexpr char kPropScrollBarProc[] = "Hw_GdHproc";

inline LONG_PTR GetWindowProp(HWND window, const char* key)
{
    return window ? reinterpret_cast<LONG_PTR>(GetPropA(window, key)) : 0;
}

inline bool SetWindowProp(HWND window, const char* key, LONG_PTR value)
{
    ForgetRecordNumbers(window);  // the numbers may be the ones written
    return window && SetPropA(window, key, reinterpret_cast<HANDLE>(value));
}

// A form number or list index held in a property.
inline int GetWindowPropNumber(HWND window, const char* key)
{
    return static_cast<int>(GetWindowProp(window, key));
}

template <class Handle>
Handle GetWindowPropHandle(HWND window, const char* key)
{
    return reinterpret_cast<Handle>(GetWindowProp(window, key));
}
