#pragma once
// The repaints a skinned parent (form or container) asks of its children after their notifications:
// text, selection and scroll changes of edit boxes, list boxes and combo boxes, expanding tree items,
// and tab changes or tab-row scrolling, which make a tab control paint in full. UI thread only.
#include <windows.h>

#include <commctrl.h>

// WM_COMMAND from the child `control` with the notification code in the high word of wParam.
void RepaintAfterChildCommand(HWND control, WPARAM wParam);
// WM_NOTIFY with the header the parent received.
void RepaintAfterNotification(const NMHDR& header);
