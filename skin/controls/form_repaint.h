#pragma once
// Marking what a form's controls keep of their last picture as stale, and asking see-through children
// to paint again over a new picture of their parent.
#include <windows.h>

// Marks every skinned part of the form so that its next paint renders afresh instead of copying from
// the form's back buffer: its containers (background and children), and unless containersOnly, its
// Kj controls, custom child controls and list-type controls, and every drawing board, navigation
// bar, group list, tab strip and scroll bar whose Hw_FuID names the form. Invalidates nothing. A
// window that is not a skinned form (by its Hw_lbID) changes nothing.
void MarkFormBackgroundsDirty(HWND formWindow, bool containersOnly = false);
// InvalidateRect, without erasing, of every direct child with WS_EX_TRANSPARENT.
void InvalidateTransparentChildren(HWND window);
