#include "skin/controls/focus_mark.h"

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_pen.h"
#include "skin/core/drawing_primitives.h"

namespace {

constexpr int kDashStyleDot = 2;

}  // namespace

bool DrawFocusMark(GdipGraphics& graphics, float x, float y, float w, float h, COLORREF colour)
{
    if (w < 4 || h < 4)
        return false;
    // A light line under the dots keeps the mark visible where the dots' colour meets a like background.
    GdipPen under;
    GdipPen dots;
    if (!under.CreatePen(MakeArgbColor(~colour & 0xFFFFFF, 140), 1.0f) ||
        !dots.CreatePen(MakeArgbColor(colour, 255), 1.0f) || !dots.SetPenDashStyle(kDashStyleDot))
        return false;
    return graphics.DrawRectangle(under, x + 1.5f, y + 1.5f, w - 3.0f, h - 3.0f) &&
           graphics.DrawRectangle(dots, x + 1.5f, y + 1.5f, w - 3.0f, h - 3.0f);
}
