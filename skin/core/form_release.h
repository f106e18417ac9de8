#pragma once
// The end of a skinned form: called from its window procedure on WM_NCDESTROY.
#include <windows.h>

// Gives back the form's menu and the GDI objects the skin made for it, restores the window procedure it
// had before skinning, removes its record from the registry and renumbers what follows: the later
// forms, their controls and the custom-drawn controls. Returns the restored procedure, with which the
// caller passes WM_NCDESTROY on (the record is freed by then); nullptr when the window was not skinned
// (the renumbering still runs).
WNDPROC ReleaseSkinnedForm(HWND window);
