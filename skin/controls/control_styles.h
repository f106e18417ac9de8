#pragma once
// Style tests of the standard controls that several skin families share.
#include <windows.h>

// True for a "ListBox" (exactly that class; a combo box's "ComboLBox" is not one) whose items the
// application draws: LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool IsOwnerDrawListBox(HWND window);
