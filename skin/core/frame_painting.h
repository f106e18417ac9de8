#pragma once
// The painted frame of a skinned form: background colour and picture, tint, caption gloss, rounded
// border, title, caption buttons and status band, drawn off screen into the form's frame picture
// (frameDc, client-sized), with a copy of the caption band (for repainting one button or the title)
// and the back buffer the skinned controls publish into.
#include <windows.h>

class GdipBitmap;
class GdipGraphics;

// Rebuilds the frame picture, the caption copy and the back buffer at the current client size. With
// `present` it also gives the form its rounded region (when the frame behaviour is on), copies the
// picture to the window around the visible children and asks the form's skinned children to repaint.
// Clears needsFullRepaint and records the painted client size.
void PaintFormFrame(int formNumber, bool present = true);
void ApplyRoundRegion(HWND formWindow);
// The clear colour, the picture, the tint and the caption gloss.
void PaintFrameBackground(GdipGraphics& graphics, int formNumber);
// The form's own picture, else the skin picture, decoded (modes 0 to 3) or as the mirrored strip as wide
// as the client area (mode 4); false when there is no picture to draw.
bool PrepareSkinBitmap(int formNumber, GdipBitmap& bitmap);
void PaintFrameBorder(int formNumber, GdipGraphics& graphics);
void PaintStatusSegment(int formNumber, GdipGraphics& graphics, int segment);
// Asks the skinned controls lying directly on the form to repaint after a frame rebuild.
void InvalidateChildControls(int formNumber);
void InvalidateWithChildren(HWND window, bool withChildren);
