#pragma once
// The looks of the caption buttons of a skinned form, each repainting one button on the frame picture
// (and, outside the frame paint, copying it to the window), and the application's own title-bar
// buttons.
#include <windows.h>

#include <string>

#include "skin/core/skin_callback.h"

class GdipGraphics;
class GdipPath;

// Paints caption button `button` of the form. Inside the frame paint `graphics` is the paint's own;
// outside it is an unattached object that is attached to the frame picture and deleted. Pressed: the
// pressed look; otherwise the normal look with the hover look over it at opacity `hoverAlpha` (0 to
// 240). Button numbers below 1 paint nothing unless pressed.
void PaintCaptionButtons(int formNumber, int button, GdipGraphics& graphics, bool insideFramePaint,
                         bool pressed = false, int hoverAlpha = 0);
// The hover layers of one button (shade, colour, rim) after wiping it from the caption copy.
void PaintCaptionButtonHover(GdipGraphics& graphics, int formNumber, int button, int hoverAlpha);
// The separator line left of the button, and left of the next one (which the hover wipe covers).
void PaintCaptionSeparators(int formNumber, int button, GdipGraphics& graphics);
// The close button's outline, an open figure with the top-right corner rounded by an arc in an r x r
// box (the close button sits at the window's rounded corner).
void AddCloseButtonPath(GdipPath& path, float x, float y, float width, float height, float r);

// Adds a button with the picture (PNG bytes, 26 x 18), tooltip and handler at the left end of the
// caption strip of the skinned form `formWindow`; it shows from the next full frame paint on. False,
// with nothing changed, when the window is not a skinned form.
bool AddTitleBarButton(HWND formWindow, const std::string& picture, const std::string& tooltip,
                       SkinCallback callback);
