#pragma once
// Telling a container that one of its children moved, so that it paints its background afresh.
#include <windows.h>

// Called on a control's WM_WINDOWPOSCHANGING: when the control's parent is a registered container of
// the form its Hw_FuID names, and not a drawing board, sets that container's childrenMoved flag.
// Anything else (a parent that is the form itself, an unregistered window) changes nothing.
void MarkContainerDirty(HWND control);
