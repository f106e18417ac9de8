#pragma once
// What the application asks of the skin for single windows after skinning a form: the fill opacity of
// a registered container.
#include <windows.h>

// Gives the container the fill opacity and repaints it (its children then show the new fill behind
// them). False, with nothing changed, when the window is no registered container of the form its
// properties name, or when the container has no fill.
bool SetContainerFillAlpha(HWND container, BYTE alpha);
