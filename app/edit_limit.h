#pragma once
// EM_LIMITTEXT of an ANSI edit box counts bytes on Windows (a Chinese character takes two) and
// characters under Wine. The program's limits are in characters: this sets one so that that many
// Chinese characters fit, whichever way the system counts.
#include <windows.h>

// True when the system's ANSI edit boxes count their limit in bytes; measured once, on a hidden box.
bool AnsiEditLimitCountsBytes();

// Limits the edit box to `characters` double-byte characters (twice as many bytes where the system
// counts bytes). False when the box is no window.
bool LimitEditToCharacters(HWND edit, int characters);
