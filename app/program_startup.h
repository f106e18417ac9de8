#pragma once
// The program's start-up: the form runtime, the globals, the exit routine, the start window and the
// message loop. ReleaseGlobals runs once, as the exit routine, after every window has gone.

// Runs the whole program; returns 0 when the last window of the program has closed.
int ProgramStartup();
// Gives the program's globals their start values, before any window exists.
void InitGlobals();
// Frees the globals; stops any generator worker first.
void ReleaseGlobals();
