#pragma once
// Text labels taken over by the skin: instead of an opaque box of their own they show their text,
// drawn with GDI+ in a chosen font and colour (with an optional soft halo), over whatever lies behind
// them. The picture is kept in the form's back buffer, so a paint while nothing changed is a copy.
#include <windows.h>

#include <optional>
#include <string>

struct LabelStyle {
    std::optional<std::string> fontName;  // "宋体"
    std::optional<int> fontSize;          // 12, GDI+ em size in pixels
    std::optional<int> fontStyle;         // 0; GDI+ FontStyle bits
    std::optional<COLORREF> textColour;   // black
    std::optional<COLORREF> haloColour;   // no halo when not given
    std::optional<int> alignment;         // 0 left (1 centre, 2 right)
    std::optional<int> lineAlignment;     // 1 centred (0 top, 2 bottom)
    std::optional<bool> wrap;             // one line
};

// Registers the label in its form's list of skinned children and subclasses it; it renders at its next
// paint. False, with nothing done, when no skinned form owns the window, or when the window already
// has a procedure of the skin (a second registration would make it its own previous procedure).
bool CreateSkinnedChildControl(HWND window, const LabelStyle& style = LabelStyle());

// The label's procedure: renders when its picture is stale, copies it from the form's back buffer
// otherwise, and draws a new text before the label stores it.
LRESULT CALLBACK SkinnedChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Renders the label (with the given text, else its window text) over what lies behind it, into the
// form's back buffer and onto the label. A window that is no registered label is left alone.
void PaintSkinnedChild(HWND window, const std::optional<std::string>& text = std::nullopt);
