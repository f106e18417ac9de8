#pragma once
// Resource numbers of the program file, shared by program.rc and the code that loads them.
#define IDI_PROGRAM_ICON 129
