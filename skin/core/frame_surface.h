#pragma once
// Drawing with GDI+ straight into the pixels of a memory context's DIB section: a GDI+ bitmap over the
// DIB's bits, several times faster under Wine than drawing through the device context, and the same
// pixels whichever painter draws, so a part repainted alone matches the full paint. Plain fills over
// large areas are blended here with GDI+'s own arithmetic, which under Wine is many times faster than
// GDI+ blending them pixel by pixel.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class GdipBitmap;
class GdipGraphics;

// The pixels of a 32-bpp DIB section, row 0 at the top whichever way round the DIB is stored.
struct DibPixels {
    uint32_t* top = nullptr;  // the first pixel of the top row
    std::ptrdiff_t stride = 0;  // pixels from one row to the row below (negative for a bottom-up DIB)
    int width = 0;
    int height = 0;

    uint32_t* Row(int y) const { return top + stride * y; }
};

// False for anything but a 32-bpp DIB section.
bool DibPixelsOf(HBITMAP dib, DibPixels& pixels);
// The DIB selected into the context; false when it holds none.
bool DibPixelsOfDc(HDC dc, DibPixels& pixels);

// Makes `surface` a 32-bpp ARGB bitmap over the pixels, which must outlive it.
bool WrapPixels(GdipBitmap& surface, const DibPixels& pixels);
// Makes `surface` a bitmap over the pixels of a 32-bpp DIB section; false for anything else.
bool WrapDibPixels(GdipBitmap& surface, HBITMAP dib);
// Attaches the graphics to the DIB selected into the context through `surface`, which must outlive
// the graphics; to the context itself when it holds no DIB.
void AttachGraphicsToDc(GdipGraphics& graphics, GdipBitmap& surface, HDC dc);

// A non-premultiplied ARGB colour laid over an ARGB pixel in source-over mode, with the integer
// arithmetic GDI+ (Wine's) uses when it fills onto a 32-bpp ARGB bitmap.
uint32_t BlendOver(uint32_t under, uint32_t colour);
// Lays the colour over the pixels of (x, y, width, height), clipped to the picture: the pixels a GDI+
// FillRectangle of those whole numbers covers.
void FillOver(const DibPixels& pixels, int x, int y, int width, int height, uint32_t colour);
// The same with one colour per row: rowColours[0] for row y, and so on (a vertical gradient).
void FillRowsOver(const DibPixels& pixels, int x, int y, int width, int height, const uint32_t* rowColours);

// The colours GDI+ gives the rows y .. y + height - 1 (at x = 0) for a vertical linear gradient from
// (0, y) to (0, y + height): the brush is filled onto a transparent column, where source-over leaves
// the brush's own colour.
std::vector<uint32_t> VerticalGradientRows(int y, int height, uint32_t top, uint32_t bottom);
