#include "skin/controls/tick_image.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"

namespace {

#include "skin/controls/tick_picture.inc"

uint32_t Scale(uint32_t channel, uint32_t themeChannel)
{
    return static_cast<uint32_t>(channel / 255.0 * themeChannel);
}

}  // namespace

std::string PngTick13x12()
{
    return std::string(reinterpret_cast<const char*>(kPngTick13x12), sizeof(kPngTick13x12));
}

std::string MakeTintedTickImage()
{
    GdipBitmap bitmap;
    if (!bitmap.CreateBitmapFromStream(PngTick13x12()))
        return {};
    // Skin-picture colours carry 0xFF in their top byte; only the colour bytes count.
    const COLORREF theme = g_themeColour & 0xFFFFFF;
    const uint32_t themeRed = GetRValue(theme);
    const uint32_t themeGreen = GetGValue(theme);
    const uint32_t themeBlue = GetBValue(theme);
    const int width = bitmap.GetImageWidth();
    const int height = bitmap.GetImageHeight();
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            BYTE alpha = 0;
            const COLORREF colour = SwapRedBlue(bitmap.BitmapGetPixel(x, y), alpha);
            if (colour == kWhite)
                continue;
            const uint32_t r = GetRValue(colour);
            const uint32_t g = GetGValue(colour);
            const uint32_t b = GetBValue(colour);
            const uint32_t grey = (r + g + b) / 3;
            bitmap.BitmapSetPixel(x, y,
                                  ((255 - grey) << 24) | (Scale(r, themeRed) << 16) | (Scale(g, themeGreen) << 8) |
                                      Scale(b, themeBlue));
        }
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}
