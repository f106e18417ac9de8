#pragma once
// The runtime's own small window classes, for units the platform has no control for (the lunar ones
// in lunar_controls.h). Each keeps one
// state record per window (in its extra window bytes) and reports to its parent like a standard
// control: WM_COMMAND with kOwnClicked after a left click, kOwnChanged when the user changed its value.
#include <windows.h>

#include <string>

namespace forms {

constexpr char kDrawPanelClass[] = "BnDrawPanel";
constexpr char kColourPickerClass[] = "BnColourPicker";
constexpr char kHyperlinkClass[] = "BnHyperlink";

constexpr WORD kOwnClicked = 0;  // the same code as BN_CLICKED
constexpr WORD kOwnChanged = 1;

bool RegisterOwnControlClasses(HINSTANCE instance);

// Drawing panel: a memory picture the size of the panel that survives repaints and resizes.
bool DrawPanelClear(HWND panel);
bool DrawPanelSetBackColour(HWND panel, COLORREF colour);
bool DrawPanelSetPen(HWND panel, COLORREF colour, int width);
bool DrawPanelSetFill(HWND panel, COLORREF colour);
bool DrawPanelLine(HWND panel, int x1, int y1, int x2, int y2);
bool DrawPanelEllipse(HWND panel, int left, int top, int right, int bottom);
HDC DrawPanelDC(HWND panel);

// Colour picker: a swatch; a click lets the user choose another colour.
COLORREF ColourPickerColour(HWND picker);
bool ColourPickerSetColour(HWND picker, COLORREF colour);

// Hyperlink label: the window text underlined; a click opens the address (the text when no address
// was given) through the platform actions.
bool HyperlinkSetAddress(HWND link, const std::string& address);
std::string HyperlinkAddress(HWND link);
bool HyperlinkSetColour(HWND link, COLORREF colour);

}  // namespace forms
