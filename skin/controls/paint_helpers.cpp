#include "skin/controls/paint_helpers.h"

#include "gdiplus/gdip_path.h"

void AddTopRoundedRectPath(GdipPath& path, int x, int y, int width, int height, int d)
{
    const float left = static_cast<float>(x);
    const float top = static_cast<float>(y);
    const float right = static_cast<float>(x + width);
    const float bottom = static_cast<float>(y + height);
    const float corner = static_cast<float>(d);
    path.AddPathLine(left, bottom, left, top + corner);
    path.AddPathArc(left, top, corner, corner, 180, 90);
    path.AddPathLine(left + corner, top, right - corner, top);
    path.AddPathArc(right - corner, top, corner, corner, 270, 90);
    path.AddPathLine(right, top + corner, right, bottom);
}

COLORREF SwapRedBlue(uint32_t colour, BYTE& alpha)
{
    alpha = static_cast<BYTE>(colour >> 24);
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
