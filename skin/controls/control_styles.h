#pragma once
// Style tests of the standard controls that several skin families share. A style bit counts as set
// when OR-ing it into the window's GWL_STYLE leaves the style unchanged.
#include <windows.h>

// True for a "ListBox" (exactly that class; a combo box's "ComboLBox" is not one) whose items the
// application draws: LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool IsOwnerDrawListBox(HWND window);

bool HasVerticalScrollStyle(HWND window);    // WS_VSCROLL
bool HasHorizontalScrollStyle(HWND window);  // WS_HSCROLL
bool HasAnyScrollStyle(HWND window);         // either
// The window's own WS_VISIBLE bit (not IsWindowVisible, which also asks its parents).
bool IsVisibleStyle(HWND window);

// How a control's border is drawn by the skin: 1 for WS_BORDER; else 2 for a 3-D edge
// (WS_EX_WINDOWEDGE, WS_EX_CLIENTEDGE or WS_EX_DLGMODALFRAME); else 0, no border.
inline constexpr int kBorderNone = 0;
inline constexpr int kBorderLine = 1;
inline constexpr int kBorderEdge = 2;
int GetBorderKind(HWND window);
