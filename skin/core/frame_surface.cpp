#include "skin/core/frame_surface.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"

bool WrapDibPixels(GdipBitmap& surface, HBITMAP dib)
{
    DIBSECTION section = {};
    if (GetObjectA(dib, sizeof(section), &section) != sizeof(section) || !section.dsBm.bmBits ||
        section.dsBm.bmBitsPixel != 32)
        return false;
    const int width = section.dsBm.bmWidth, height = section.dsBm.bmHeight;
    auto* bits = static_cast<BYTE*>(section.dsBm.bmBits);
    // GDI may still hold drawing for these pixels.
    GdiFlush();
    if (section.dsBmih.biHeight < 0)
        return surface.CreateBitmapFromScan0(width, height, width * 4, kPixelFormat32bppArgb, bits);
    // Bottom-up: the first scan line is the last in memory.
    BYTE* lastRow = bits + static_cast<size_t>(width) * 4 * (height - 1);
    return surface.CreateBitmapFromScan0(width, height, -width * 4, kPixelFormat32bppArgb, lastRow);
}

void AttachGraphicsToDc(GdipGraphics& graphics, GdipBitmap& surface, HDC dc)
{
    if (WrapDibPixels(surface, static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP))))
        graphics.CreateFromImage(surface);
    else
        graphics.CreateFromHDC(dc);
}
