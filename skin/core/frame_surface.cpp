#include "skin/core/frame_surface.h"

#include <algorithm>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"

bool DibPixelsOf(HBITMAP dib, DibPixels& pixels)
{
    DIBSECTION section = {};
    if (!dib || GetObjectA(dib, sizeof(section), &section) != sizeof(section) || !section.dsBm.bmBits ||
        section.dsBm.bmBitsPixel != 32)
        return false;
    pixels.width = section.dsBm.bmWidth;
    pixels.height = section.dsBm.bmHeight;
    auto* bits = static_cast<uint32_t*>(section.dsBm.bmBits);
    if (section.dsBmih.biHeight < 0) {
        pixels.top = bits;
        pixels.stride = pixels.width;
    } else {
        // Bottom-up: the top row is the last in memory.
        pixels.top = bits + static_cast<std::ptrdiff_t>(pixels.width) * (pixels.height - 1);
        pixels.stride = -static_cast<std::ptrdiff_t>(pixels.width);
    }
    return true;
}

bool DibPixelsOfDc(HDC dc, DibPixels& pixels)
{
    return dc && DibPixelsOf(static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)), pixels);
}

bool WrapPixels(GdipBitmap& surface, const DibPixels& pixels)
{
    return surface.CreateBitmapFromScan0(pixels.width, pixels.height, static_cast<int>(pixels.stride * 4),
                                         kPixelFormat32bppArgb, pixels.top);
}

bool WrapDibPixels(GdipBitmap& surface, HBITMAP dib)
{
    DibPixels pixels;
    if (!DibPixelsOf(dib, pixels))
        return false;
    // GDI may still hold drawing for these pixels.
    GdiFlush();
    return WrapPixels(surface, pixels);
}

void AttachGraphicsToDc(GdipGraphics& graphics, GdipBitmap& surface, HDC dc)
{
    if (WrapDibPixels(surface, static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP))))
        graphics.CreateFromImage(surface);
    else
        graphics.CreateFromHDC(dc);
}

uint32_t BlendOver(uint32_t under, uint32_t colour)
{
    const uint32_t alpha = colour >> 24;
    if (alpha == 255)
        return colour;
    if (alpha == 0)
        return under;
    const uint32_t underAlpha = (under >> 24) * (255 - alpha) / 255;
    const uint32_t total = alpha + underAlpha;
    if (total == 0)
        return 0;
    const auto channel = [&](int shift) {
        return (((colour >> shift) & 0xFF) * alpha + ((under >> shift) & 0xFF) * underAlpha) / total << shift;
    };
    return total << 24 | channel(16) | channel(8) | channel(0);
}

namespace {

// Clips (x, y, width, height) to the picture; false when nothing is left.
bool ClipToPicture(const DibPixels& pixels, int& x, int& y, int& width, int& height, int& firstRow)
{
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + width, pixels.width), bottom = std::min(y + height, pixels.height);
    if (right <= left || bottom <= top)
        return false;
    firstRow = top - y;
    x = left;
    y = top;
    width = right - left;
    height = bottom - top;
    return true;
}

void BlendRun(uint32_t* run, int count, uint32_t colour)
{
    for (int i = 0; i < count; ++i)
        run[i] = BlendOver(run[i], colour);
}

// One colour laid over many pixels. Over an opaque pixel (the frame is opaque) each channel's result
// depends on that channel alone, so it is looked up in a table made once per colour.
class OverColour {
public:
    explicit OverColour(uint32_t colour) : colour_(colour), alpha_(colour >> 24)
    {
        if (alpha_ == 0 || alpha_ == 255)
            return;
        const uint32_t underAlpha = 255 - alpha_;  // 255 * (255 - alpha) / 255
        for (uint32_t v = 0; v < 256; ++v) {
            red_[v] = static_cast<BYTE>((((colour >> 16) & 0xFF) * alpha_ + v * underAlpha) / 255);
            green_[v] = static_cast<BYTE>((((colour >> 8) & 0xFF) * alpha_ + v * underAlpha) / 255);
            blue_[v] = static_cast<BYTE>(((colour & 0xFF) * alpha_ + v * underAlpha) / 255);
        }
    }

    void Run(uint32_t* run, int count) const
    {
        if (alpha_ == 0)
            return;
        if (alpha_ == 255) {
            std::fill(run, run + count, colour_);
            return;
        }
        for (int i = 0; i < count; ++i) {
            const uint32_t under = run[i];
            run[i] = under >> 24 == 255 ? 0xFF000000u | static_cast<uint32_t>(red_[(under >> 16) & 0xFF]) << 16 |
                                              static_cast<uint32_t>(green_[(under >> 8) & 0xFF]) << 8 |
                                              blue_[under & 0xFF]
                                        : BlendOver(under, colour_);
        }
    }

private:
    uint32_t colour_;
    uint32_t alpha_;
    BYTE red_[256] = {}, green_[256] = {}, blue_[256] = {};
};

}  // namespace

void FillOver(const DibPixels& pixels, int x, int y, int width, int height, uint32_t colour)
{
    int firstRow = 0;
    if (!ClipToPicture(pixels, x, y, width, height, firstRow))
        return;
    constexpr int kTableWorthIt = 1024;  // pixels; a table costs 768 sums
    if (width * height < kTableWorthIt) {
        for (int row = 0; row < height; ++row)
            BlendRun(pixels.Row(y + row) + x, width, colour);
        return;
    }
    const OverColour over(colour);
    for (int row = 0; row < height; ++row)
        over.Run(pixels.Row(y + row) + x, width);
}

void FillRowsOver(const DibPixels& pixels, int x, int y, int width, int height, const uint32_t* rowColours)
{
    int firstRow = 0;
    if (!ClipToPicture(pixels, x, y, width, height, firstRow))
        return;
    for (int row = 0; row < height; ++row)
        BlendRun(pixels.Row(y + row) + x, width, rowColours[firstRow + row]);
}

std::vector<uint32_t> VerticalGradientRows(int y, int height, uint32_t top, uint32_t bottom)
{
    if (height <= 0)
        return {};
    // One pixel column per row, from row 0 down to the gradient's last row; rows above y are not used.
    std::vector<uint32_t> column(static_cast<size_t>(y + height), 0);
    GdipBitmap surface;
    if (!surface.CreateBitmapFromScan0(1, y + height, 4, kPixelFormat32bppArgb, column.data()))
        return {};
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(surface);
        GdipLinearGradientBrush brush;
        const float y0 = static_cast<float>(y), y1 = static_cast<float>(y + height);
        brush.CreateLineBrush(PointF{0, y0}, PointF{0, y1}, top, bottom);
        graphics.FillRectangle(brush, 0, y0, 1, static_cast<float>(height));
    }
    return std::vector<uint32_t>(column.begin() + y, column.end());
}
