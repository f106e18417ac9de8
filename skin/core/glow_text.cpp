// Text with a glow. DrawTextGdiPlus: the glow-coloured text is drawn into a bitmap, shrunk by the blur
// factor and grown back (which blurs it), and laid under four faint copies of the text and the text
// itself. DrawSkinText: four copies in the glow colour, one offset to each side, under the text.
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_string_format.h"
#include "skin/core/drawing_primitives.h"

namespace {

constexpr int kFormatLineLimit = 0x2000;
constexpr int kFormatNoWrapLineLimit = 0x3000;
constexpr int kTrimmingEllipsisCharacter = 3;
constexpr int kUnitWorld = 0;
constexpr int kInterpolationHighQualityBicubic = 7;
constexpr int kCompositingHighQuality = 2;
constexpr int kCompositingGammaCorrected = 3;
constexpr int kPixelOffsetNone = 3;
constexpr int kSmoothingAntiAlias = 4;
constexpr BYTE kHaloAlpha = 60;
constexpr BYTE kRingAlpha = 150;

template <class Style>
void MakeFormat(GdipStringFormat& format, const Style& style)
{
    format.CreateStringFormat(kFormatLineLimit);
    if (style.ellipsis)
        format.SetStringFormatTrimming(kTrimmingEllipsisCharacter);
    if (!style.wrap)
        format.SetStringFormatFlags(kFormatNoWrapLineLimit);
    format.SetStringFormatAlign(style.alignment);
    format.SetStringFormatLineAlign(style.lineAlignment);
}

template <class Style>
void MakeFont(GdipFont& font, const Style& style)
{
    font.CreateFontFromName(style.fontName, style.fontSize, style.fontStyle, kUnitWorld);
}

// The glow-coloured text in a width x height bitmap, blurred by a round trip through a copy 1/factor
// of its size, and shifted one pixel right and down. Empty when a bitmap cannot be made.
void MakeBlurredGlow(GdipBitmap& glow, const std::string& text, int width, int height, float factor,
                     COLORREF glowColour, const GlowTextStyle& style)
{
    GdipBitmap sharp;
    sharp.CreateBitmapFromScan0Default(width, height, kPixelFormat32bppArgb);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(sharp);
        GdipStringFormat format;
        MakeFormat(format, style);
        GdipFont font;
        MakeFont(font, style);
        GdipSolidBrush brush;
        brush.CreateSolidFill(MakeArgbColor(glowColour));
        graphics.DrawString(text, font, brush,
                            RectF{0, 0, static_cast<float>(width), static_cast<float>(height)}, format);
    }

    GdipBitmap small;
    small.CreateBitmapFromScan0Default(static_cast<int>(width / factor), static_cast<int>(height / factor),
                                       kPixelFormat32bppArgb);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(small);
        graphics.SetInterpolationMode(kInterpolationHighQualityBicubic);
        graphics.SetCompositingQuality(kCompositingHighQuality);
        graphics.SetPixelOffsetMode(kPixelOffsetNone);
        graphics.DrawImageRectRect(sharp, 0, 0, width / factor, height / factor);
    }
    sharp.DisposeBitmap();

    glow.CreateBitmapFromScan0Default(width, height, kPixelFormat32bppArgb);
    GdipGraphics graphics;
    graphics.CreateFromImage(glow);
    graphics.SetCompositingQuality(kCompositingGammaCorrected);
    graphics.SetInterpolationMode(kInterpolationHighQualityBicubic);
    graphics.SetSmoothingMode(kSmoothingAntiAlias);
    graphics.DrawImageRectRect(small, 1, 1, static_cast<float>(width), static_cast<float>(height));
}

}  // namespace

void DrawTextGdiPlus(GdipGraphics& graphics, const std::string& text, const RectF& layout, COLORREF textColour,
                     COLORREF glowColour, const GlowTextStyle& style)
{
    const int width = static_cast<int>(layout.width);
    const int height = static_cast<int>(layout.height);
    // A factor below 1 would divide by zero or grow the copy; 1 gives an unblurred glow.
    const float factor = static_cast<float>(style.blurFactor < 1 ? 1 : style.blurFactor);

    GdipBitmap glow;
    MakeBlurredGlow(glow, text, width, height, factor, glowColour, style);

    GdipStringFormat format;
    MakeFormat(format, style);
    GdipFont font;
    MakeFont(font, style);
    graphics.DrawImage(glow, layout.x, layout.y);
    glow.DisposeBitmap();

    const float x = layout.x;
    const float y = layout.y;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    GdipSolidBrush halo;
    halo.CreateSolidFill(MakeArgbColor(glowColour, kHaloAlpha));
    for (const RectF& box : {RectF{x, y + 1, w, h}, RectF{x + 2, y + 1, w, h}, RectF{x + 1, y, w, h},
                             RectF{x + 1, y + 2, w, h}})
        graphics.DrawString(text, font, halo, box, format);

    GdipSolidBrush ink;
    ink.CreateSolidFill(MakeArgbColor(textColour));
    graphics.DrawString(text, font, ink, RectF{x + 1, y + 1, w, h}, format);
}

RectF MeasureGlowText(const std::string& text, const RectF& layout, const GlowTextStyle& style)
{
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return {};
    RectF bounds{};
    {
        GdipGraphics graphics;
        GdipStringFormat format;
        GdipFont font;
        if (graphics.CreateFromHDC(dc)) {
            MakeFormat(format, style);
            MakeFont(font, style);
            bounds = graphics.MeasureString(text, font, layout, format);
        }
    }
    DeleteDC(dc);
    return bounds;
}

void DrawUnglowedText(GdipGraphics& graphics, const std::string& text, const RectF& layout, COLORREF textColour,
                      const GlowTextStyle& style)
{
    GdipStringFormat format;
    MakeFormat(format, style);
    GdipFont font;
    MakeFont(font, style);
    GdipSolidBrush ink;
    ink.CreateSolidFill(MakeArgbColor(textColour));
    graphics.DrawString(text, font, ink, layout, format);
}

void DrawSkinText(GdipGraphics& graphics, const std::string& text, const RectF& layout, COLORREF textColour,
                  COLORREF glowColour, const SkinTextStyle& style)
{
    GdipStringFormat format;
    MakeFormat(format, style);
    GdipFont font;
    MakeFont(font, style);
    GdipSolidBrush ring;
    ring.CreateSolidFill(MakeArgbColor(glowColour, kRingAlpha));
    const float o = style.glowOffset;
    const float x = layout.x, y = layout.y, w = layout.width, h = layout.height;
    for (const RectF& box : {RectF{x + o, y, w, h}, RectF{x - o, y, w, h}, RectF{x, y + o, w, h}, RectF{x, y - o, w, h}})
        graphics.DrawString(text, font, ring, box, format);

    GdipSolidBrush ink;
    ink.CreateSolidFill(MakeArgbColor(textColour));
    graphics.DrawString(text, font, ink, layout, format);
}
