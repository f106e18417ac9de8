#pragma once
// Resource numbers of the program file, shared by program.rc and the code that loads them.
#define IDI_PROGRAM_ICON 129

// The pictures built into the program (RCDATA, the files beside program.rc).
#define IDR_BUILTIN_SKIN_JPEG 300
#define IDR_SKIN_BUTTON_PNG 301
#define IDR_SKIN_MARKER_PNG 302
// The navigation bar's eight pictures in the bar's order, numbered on from the first.
#define IDR_NAV_FIRST_PNG 310
