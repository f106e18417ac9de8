#include "skin/core/caption_picture.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "runtime/datetime.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/skin_colours.h"

namespace {

constexpr int kCompositingGammaCorrected = 3;

// The sample places come from a generator of their own, seeded per draw from the day as the program's
// generator would be, so that sampling leaves the program's random numbers alone.
class SampleGenerator {
public:
    // A number in [min, max], a negative bound counting as 0 and a reversed range swapped.
    int Draw(unsigned long long seed, int min, int max)
    {
        generator_.seed(seed);
        min = std::max(min, 0);
        max = std::max(max, 0);
        if (min > max)
            std::swap(min, max);
        std::uniform_int_distribution<int> draw(min, max);
        return draw(generator_);
    }

private:
    std::mt19937_64 generator_;
};

bool LoadBitmap(GdipBitmap& bitmap, const std::string& picture, const std::string& fileName)
{
    return fileName.empty() ? bitmap.CreateBitmapFromStream(picture) : bitmap.CreateBitmapFromFile(fileName);
}

void FillGradient(GdipGraphics& graphics, PointF from, PointF to, uint32_t fromColour, uint32_t toColour,
                  const RectF& area)
{
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(from, to, fromColour, toColour);
    graphics.FillRectangle(brush, area.x, area.y, area.width, area.height);
}

}  // namespace

COLORREF SampleImageColour(const std::string& picture, int sampleCount, int lastColumns, int lastRows,
                           const std::string& fileName)
{
    constexpr COLORREF kOpaqueBlack = 0xFF000000;
    if (sampleCount < 1)
        return kOpaqueBlack;
    GdipBitmap bitmap;
    LoadBitmap(bitmap, picture, fileName);
    const int width = bitmap.GetImageWidth();
    const int height = bitmap.GetImageHeight();
    const int xMin = lastColumns > 0 ? width - lastColumns : 1;
    const int yMin = lastRows > 0 ? height - lastRows : 1;

    SampleGenerator places;
    double blue = 0, green = 0, red = 0;
    for (int i = 1; i <= sampleCount; ++i) {
        const double now = DateTimeNow();
        const int x = places.Draw(static_cast<unsigned long long>(now + 3.0 * i), xMin, width);
        const int y = places.Draw(static_cast<unsigned long long>(now + i), yMin, height);
        BYTE alpha = 0;
        const COLORREF v = SwapRedBlue(bitmap.BitmapGetPixel(x - 1, y - 1), alpha);
        blue += v / 65536;
        green += (v % 65536) / 256;
        red += v % 256;
    }
    const auto average = [sampleCount](double sum) { return static_cast<COLORREF>(sum / sampleCount); };
    return kOpaqueBlack + average(blue) * 65536 + average(green) * 256 + average(red);
}

std::string RenderSkinImageToPng(const std::string& picture, std::optional<int> fadeWidth, COLORREF colour,
                                 bool rightFade, const std::string& fileName)
{
    GdipImage image;
    if (fileName.empty())
        image.LoadImageFromStream(picture);
    else
        image.LoadImageFromFile(fileName);
    const int width = image.GetImageWidth();
    const int height = image.GetImageHeight();

    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(width, height, kPixelFormat32bppArgb);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(bitmap);
        graphics.SetCompositingQuality(kCompositingGammaCorrected);
        const float w = static_cast<float>(width);
        const float h = static_cast<float>(height);
        graphics.DrawImageRectRect(image, 0, 0, w, h);

        const int fade = fadeWidth.value_or(static_cast<int>(std::floor(width * 0.3)));
        const float f = static_cast<float>(fade);
        if (rightFade) {
            const float x0 = static_cast<float>(width - fade);
            FillGradient(graphics, {x0, 0}, {w, 0}, MakeArgbColor(kWhite, 0), MakeArgbColor(colour, 255),
                         {x0 + 1, 0, f, h});
        } else {
            FillGradient(graphics, {0, 0}, {f, 0}, MakeArgbColor(colour, 255), MakeArgbColor(kWhite, 0),
                         {0, 0, f, h});
        }
        const float y0 = static_cast<float>(height - fade);
        FillGradient(graphics, {0, y0}, {0, h}, MakeArgbColor(colour, 0), MakeArgbColor(colour, 255),
                     {0, y0 + 1, w, f});
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}
