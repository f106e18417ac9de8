#pragma once
// The order in which Tab walks a window's controls, and the radio groups that the arrow keys walk.
// Controls come in the order of their windows (creation order); hidden and disabled ones, with all
// they hold, are passed over. A window holding controls is walked into; it is a stop of its own only
// when it is a tab control that shows its tabs, or when it holds no stop (a control of its own drawing).
// A radio group is one stop: its checked radio, or its first usable one when none is checked.
#include <windows.h>

#include <vector>

namespace forms {

// The stop after (before, when backwards) `from` inside `root`, round the end; null when the window
// has no stop other than `from`. `from` may be any window inside root, or root itself.
HWND NextTabStop(HWND root, HWND from, bool backwards);

bool IsRadioButton(HWND window);
// The radios of the group `radio` belongs to, in order: from the last window marked WS_GROUP at or
// before it to the next one so marked. Other controls between them are no members.
std::vector<HWND> RadioGroupOf(HWND radio);
// The usable radio of the group that is its tab stop, or null.
HWND RadioGroupStop(HWND radio);

}  // namespace forms
