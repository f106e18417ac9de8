#include "skin/controls/paint_helpers.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_path_gradient.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_string_format.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/frame_surface.h"

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

void MakeRoundRectPath(GdipPath& path, float x, float y, float width, float height, int corner)
{
    path.CreatePath();
    AddRoundRectPath(path, x, y, width, height, corner);
}

void FillPathSolid(GdipGraphics& graphics, const GdipPath& path, uint32_t argb)
{
    GdipSolidBrush brush;
    brush.CreateSolidFill(argb);
    graphics.FillPath(brush, path);
}

void FillPathGradient(GdipGraphics& graphics, const GdipPath& path, const LinearGradient& gradient)
{
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(gradient.start, gradient.end, gradient.from, gradient.to);
    graphics.FillPath(brush, path);
}

void StrokePath(GdipGraphics& graphics, const GdipPath& path, uint32_t argb)
{
    GdipPen pen;
    pen.CreatePen(argb, 1);
    graphics.DrawPath(pen, path);
}

void FillPathRadial(GdipGraphics& graphics, const GdipPath& path, uint32_t centre, uint32_t surround, float focus,
                    float focusY)
{
    GdipPathGradientBrush brush;
    brush.CreatePathGradientFromPath(path);
    brush.SetPathGradientCenterColor(centre);
    brush.SetPathGradientSurroundColorsWithCount(std::vector<uint32_t>{surround});
    if (focus > 0)
        brush.SetPathGradientFocusScales(focus, focusY < 0 ? focus : focusY);
    graphics.FillPath(brush, path);
}

void DrawSoftTrough(GdipGraphics& graphics, float w, float h, bool vertical, BYTE outlineAlpha, int faceCorner)
{
    GdipPath outline;
    MakeRoundRectPath(outline, 0, 0, w - 1, h - 1, 5);
    StrokePath(graphics, outline, MakeArgbColor(0x000000, outlineAlpha));
    GdipPath face;
    MakeRoundRectPath(face, 1, 1, w - 2, h - 2, faceCorner);
    const PointF end = vertical ? PointF{w - 1, 0} : PointF{0, h - 1};
    FillPathGradient(graphics, face, {PointF{0, 0}, end, MakeArgbColor(0xFFFFFF, 160), MakeArgbColor(0x000000, 30)});
}

void FillVeil(GdipGraphics& graphics, float x, float y, float width, float height, int alpha)
{
    if (alpha <= 0)
        return;
    GdipSolidBrush veil;
    veil.CreateSolidFill(MakeArgbColor(0xFFFFFF, static_cast<BYTE>(alpha)));
    graphics.FillRectangle(veil, x, y, width, height);
}

void DrawSoftOutline(GdipGraphics& graphics, const GdipPath& path, int count, COLORREF colour, BYTE alpha)
{
    GdipPen pen;
    pen.CreatePen(MakeArgbColor(colour, alpha), 1);
    for (int i = 1; i <= count; ++i) {
        pen.SetPenWidth(static_cast<float>(i));
        graphics.DrawPath(pen, path);
    }
}

bool MakeCaptionFont(GdipFont& font, const CaptionStyle& style)
{
    return font.CreateFontFromName(style.face, style.size, style.style, style.unit);
}

void DrawCaption(GdipGraphics& graphics, const std::string& text, const RectF& layout, const CaptionStyle& style)
{
    if (text.empty())
        return;
    GdipFont font;
    MakeCaptionFont(font, style);
    DrawCaptionInFont(graphics, text, layout, style, font);
}

void DrawCaptionInFont(GdipGraphics& graphics, const std::string& text, const RectF& layout, const CaptionStyle& style,
                       const GdipFont& font)
{
    if (text.empty())
        return;
    GdipStringFormat format;
    format.CreateStringFormat(style.formatFlags);
    format.SetStringFormatAlign(style.alignment);
    format.SetStringFormatLineAlign(style.lineAlignment);
    if (style.trimming >= 0)
        format.SetStringFormatTrimming(style.trimming);
    if (style.hotkeyPrefix != 0)
        format.SetStringFormatHotkeyPrefix(style.hotkeyPrefix);
    GdipSolidBrush brush;
    brush.CreateSolidFill(MakeArgbColor(style.colour));
    graphics.DrawString(text, font, brush, layout, format);
}

void MakeAreaOpaque(HDC memoryDc, const RECT& area)
{
    DibPixels pixels;
    if (!DibPixelsOfDc(memoryDc, pixels))
        return;
    GdiFlush();
    const int left = std::max(0, static_cast<int>(area.left));
    const int right = std::min(pixels.width, static_cast<int>(area.right));
    const int bottom = std::min(pixels.height, static_cast<int>(area.bottom));
    for (int y = std::max(0, static_cast<int>(area.top)); y < bottom; ++y) {
        uint32_t* row = pixels.Row(y);
        for (int x = left; x < right; ++x)
            row[x] |= 0xFF000000u;
    }
}

namespace {

// Relative luminance of a colour on the sRGB scale, 0 (black) to 1 (white).
double Luminance(COLORREF colour)
{
    auto linear = [](BYTE channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) + 0.0722 * linear(GetBValue(colour));
}

double ContrastRatio(COLORREF a, COLORREF b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

COLORREF MeanColourOf(HDC memoryDc)
{
    return MeanColourOfArea(memoryDc, RECT{0, 0, LONG_MAX, LONG_MAX});
}

COLORREF MeanColourOfArea(HDC memoryDc, const RECT& area)
{
    DibPixels pixels;
    if (!DibPixelsOfDc(memoryDc, pixels) || pixels.width <= 0 || pixels.height <= 0)
        return 0xFFFFFF;
    GdiFlush();
    const int left = std::max<LONG>(area.left, 0), top = std::max<LONG>(area.top, 0);
    const int right = static_cast<int>(std::min<LONG>(area.right, pixels.width));
    const int bottom = static_cast<int>(std::min<LONG>(area.bottom, pixels.height));
    if (right <= left || bottom <= top)
        return 0xFFFFFF;
    unsigned long long red = 0, green = 0, blue = 0;
    for (int y = top; y < bottom; ++y) {
        const uint32_t* row = pixels.Row(y);
        for (int x = left; x < right; ++x) {
            red += (row[x] >> 16) & 0xFF;
            green += (row[x] >> 8) & 0xFF;
            blue += row[x] & 0xFF;
        }
    }
    const unsigned long long count = static_cast<unsigned long long>(right - left) * (bottom - top);
    return RGB(red / count, green / count, blue / count);
}

COLORREF MeanColourOfBitmap(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight == 0)
        return 0xFFFFFF;
    const int width = info.bmWidth;
    const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows <= 0)
        return 0xFFFFFF;
    unsigned long long red = 0, green = 0, blue = 0;
    for (const uint32_t pixel : pixels) {
        red += (pixel >> 16) & 0xFF;
        green += (pixel >> 8) & 0xFF;
        blue += pixel & 0xFF;
    }
    return RGB(red / pixels.size(), green / pixels.size(), blue / pixels.size());
}

COLORREF ReadableTextColour(COLORREF wanted, COLORREF background)
{
    constexpr double kReadableContrast = 4.5;
    if (ContrastRatio(wanted, background) >= kReadableContrast)
        return wanted;
    return ContrastRatio(0x000000, background) >= ContrastRatio(0xFFFFFF, background) ? 0x000000 : 0xFFFFFF;
}

COLORREF HaloColourFor(COLORREF text)
{
    return ContrastRatio(text, 0x000000) > ContrastRatio(text, 0xFFFFFF) ? 0x000000 : 0xFFFFFF;
}

void AttachOpaqueGraphics(GdipGraphics& graphics, GdipBitmap& surface, HDC memoryDc)
{
    MakeAreaOpaque(memoryDc, RECT{0, 0, LONG_MAX, LONG_MAX});
    AttachGraphicsToDc(graphics, surface, memoryDc);
}
