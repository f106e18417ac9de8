#pragma once
// A paste into an edit box cut to the room its limit leaves before the box sees it. The platform's
// box under Wine lays out the whole pasted text before it applies its limit: a megabyte takes it
// minutes. Cut here, no paste costs more than the limit.
#include <windows.h>

namespace forms {

// Handles WM_PASTE for the edit box of that limit (bytes of GBK text): true when the clipboard's text was longer than the room left
// and its first part (whole characters) was put in, which the caller then reports as a cut; false
// when the box is to paste as usual (the text fits, or there is no text).
bool PasteCutToLimit(HWND edit, size_t limit);

}  // namespace forms
