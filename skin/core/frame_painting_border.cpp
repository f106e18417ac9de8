#include "skin/core/frame_painting_border.h"

#include <cstdint>
#include <iterator>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/frame_surface.h"

namespace {

struct BorderStroke {
    float inset;     // left and top of the outline
    float shrink;    // the outline is this much narrower and lower than the picture
    int corner;      // corner size of the rounded outline
    uint32_t colour;
    float penWidth;
};

// Outer: black at alpha 180, two pixels wide; inner: white at alpha 180, one pixel.
constexpr BorderStroke kStrokes[] = {{0, 1, 7, 0xB4000000u, 2}, {1, 3, 6, 0xB4FFFFFFu, 1}};

// Corners and their strokes fit in this many pixels from each edge.
constexpr int kCornerZone = 16;
// The small picture: both corner zones and one pixel of edge between them.
constexpr int kSmallSide = 2 * kCornerZone + 1;

void DrawStroke(GdipGraphics& graphics, const BorderStroke& stroke, int width, int height)
{
    GdipPath outline;
    outline.CreatePath();
    AddRoundRectPath(outline, stroke.inset, stroke.inset, static_cast<float>(width) - stroke.shrink,
                     static_cast<float>(height) - stroke.shrink, stroke.corner);
    GdipPen pen;
    pen.CreatePen(stroke.colour, stroke.penWidth);
    graphics.DrawPath(pen, outline);
}

// Where a pixel of the small picture goes along one axis of the frame: the first and last corner zones
// keep their place, the middle pixel stands for the whole straight edge between them.
struct Span {
    int first;
    int count;
};

Span SpanOf(int small, int frameSide)
{
    if (small < kCornerZone)
        return {small, 1};
    if (small > kCornerZone)
        return {small + frameSide - kSmallSide, 1};
    return {kCornerZone, frameSide - kSmallSide + 1};
}

}  // namespace

void DrawFrameBorderStrokes(GdipGraphics& graphics, int width, int height)
{
    for (const BorderStroke& stroke : kStrokes)
        DrawStroke(graphics, stroke, width, height);
}

bool LayFrameBorderStrokes(const DibPixels& pixels)
{
    const int width = pixels.width, height = pixels.height;
    if (width <= kSmallSide || height <= kSmallSide)
        return false;
    // Each stroke on a transparent small picture, where source-over leaves every stroked pixel in the
    // pen's own colour. The small picture's outline has the frame's left and top corners in place and
    // its right and bottom ones moved by whole pixels.
    std::vector<uint32_t> small[std::size(kStrokes)];
    for (size_t i = 0; i < std::size(kStrokes); ++i) {
        small[i].assign(static_cast<size_t>(kSmallSide) * kSmallSide, 0);
        GdipBitmap surface;
        if (!surface.CreateBitmapFromScan0(kSmallSide, kSmallSide, kSmallSide * 4, kPixelFormat32bppArgb,
                                           small[i].data()))
            return false;
        GdipGraphics graphics;
        if (!graphics.CreateFromImage(surface))
            return false;
        DrawStroke(graphics, kStrokes[i], kSmallSide, kSmallSide);
    }
    for (const std::vector<uint32_t>& stroke : small) {
        for (int sy = 0; sy < kSmallSide; ++sy) {
            for (int sx = 0; sx < kSmallSide; ++sx) {
                const uint32_t colour = stroke[static_cast<size_t>(sy) * kSmallSide + sx];
                if (colour >> 24 == 0)
                    continue;
                const Span x = SpanOf(sx, width), y = SpanOf(sy, height);
                FillOver(pixels, x.first, y.first, x.count, y.count, colour);
            }
        }
    }
    return true;
}
