#pragma once
// The program's start-up: the form runtime, the globals, the exit routine, the module initialisers, the
// start window and the message loop. ReleaseGlobals runs once, as the exit routine, after the last
// window of the program has gone.

// Runs the whole program; returns 0 when the last window of the program has closed.
int ProgramStartup();
// Gives the program's globals their start values, before any window exists.
void InitGlobals();
// Frees the globals once every worker has ended.
void ReleaseGlobals();
