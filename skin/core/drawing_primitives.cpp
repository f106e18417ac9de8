#include "skin/core/drawing_primitives.h"

#include "gdiplus/gdip_path.h"

uint32_t MakeArgbColor(COLORREF colour, BYTE alpha)
{
    uint32_t red = GetRValue(colour);
    uint32_t green = GetGValue(colour);
    uint32_t blue = GetBValue(colour);
    return (static_cast<uint32_t>(alpha) << 24) | (red << 16) | (green << 8) | blue;
}

bool AddRoundRectPath(GdipPath& path, float x, float y, float width, float height, int corner)
{
    if (corner < 1)
        corner = 1;
    if (corner > 100)
        corner = 100;
    const float d = static_cast<float>(corner);
    const float right = static_cast<float>(static_cast<double>(x) + width);
    const float bottom = static_cast<float>(static_cast<double>(y) + height);
    path.AddPathArc(right - d, y, d, d, 270, 90);
    // The bottom-right box is one unit larger and ends on the same right and bottom edges.
    path.AddPathArc(right - d - 1, bottom - d - 1, d + 1, d + 1, 0, 90);
    path.AddPathArc(x, bottom - d, d, d, 90, 90);
    path.AddPathArc(x, y, d, d, 180, 90);
    return path.ClosePathFigure();
}

RectF MakeRect(float x, float y, float width, float height)
{
    return RectF{x, y, width, height};
}
