#pragma once
// What the application asks of the skin for single windows after skinning a form: a control the
// installers did not visit handed to the skin whole (a Kj control), a window with children registered
// as a container, and the fill opacity of a registered container. UI thread only.
#include <windows.h>

#include <optional>

// Hands the control to the skin as a Kj control of the form that owns it: it keeps its own painting,
// over the skin with the colour key left out (default GetSysColor(COLOR_BTNFACE) now). A control with
// child windows also becomes a container that leaves its painting to the Kj procedure, with the fill
// given (none when left out). Returns the Kj index; 0, with nothing changed, when no skinned form owns
// the control or the skin holds it already: a Kj control (subclassing it twice would make it call
// itself), a control an installer skinned, a container (it keeps its one record and procedure).
int SkinControl(HWND control, std::optional<COLORREF> colourKey = std::nullopt, COLORREF fillColour = 0,
                int fillAlpha = 0);

// Registers the window as a container of the form that owns it (its children then see the fill behind
// them and are skinned themselves): paint flag, fill colour (0: no fill), fill alpha (its low byte) and
// option (a rounded frame for windows that are neither group boxes nor tab controls). Returns the
// container index; 0, with nothing changed, when the window is a container already, another skinned
// procedure holds its Hw_ properties (a control an installer skinned) or no skinned form owns it.
int SkinGroupBox(HWND window, int paintFlag = 1, COLORREF fillColour = 0, int fillAlpha = 255, int option = 0);

// Gives the container the fill opacity and repaints it (its children then show the new fill behind
// them). False, with nothing changed, when the window is no registered container of the form its
// properties name, or when the container has no fill.
bool SetContainerFillAlpha(HWND container, BYTE alpha);
