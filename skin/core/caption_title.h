#pragma once
// The caption title of a skinned form: the program icon and the window text, drawn on the frame
// picture as a layer of the full frame paint or on their own when the text or its style changes.
#include <windows.h>

#include <optional>
#include <string>

class GdipGraphics;

// Draws icon and title (the given text, else the window text) on form `formNumber`'s frame picture.
// Inside the frame paint `graphics` is the paint's own; outside it is an unattached object that is
// attached to the frame picture, the old title is wiped from the caption copy first, and the title's
// rectangle is copied to the window afterwards.
void DrawFormTitle(int formNumber, GdipGraphics& graphics, bool insideFramePaint,
                   const std::optional<std::string>& text = std::nullopt);
// Copies the part of the rectangle (left, top, right, bottom) that lies in the caption copy back onto
// the frame picture, wiping what was drawn over the caption band there.
void RestoreCaptionBackground(int formNumber, const RECT& rect);
