#include "skin/core/caption_title.h"

#include <algorithm>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/text_measure.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/frame_surface.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"

namespace {

constexpr int kTitleHeight = 42;
constexpr int kIconSize = 17;
constexpr COLORREF kNoGlow = CLR_INVALID;

}  // namespace

void RestoreCaptionBackground(int formNumber, const RECT& rect)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || !form->captionCacheDc || !form->frameDc)
        return;
    BITMAP copy = {};
    if (!GetObjectA(form->captionCacheBitmap, sizeof(copy), &copy))
        return;
    const LONG left = std::max<LONG>(rect.left, 0);
    const LONG top = std::max<LONG>(rect.top, 0);
    const LONG right = std::min<LONG>(rect.right, copy.bmWidth);
    const LONG bottom = std::min<LONG>(rect.bottom, copy.bmHeight);
    if (right > left && bottom > top)
        BitBlt(form->frameDc, left, top, right - left, bottom - top, form->captionCacheDc, left, top, SRCCOPY);
    // GDI+ may go on drawing into the same pixels.
    GdiFlush();
}

void DrawFormTitle(int formNumber, GdipGraphics& graphics, bool insideFramePaint,
                   const std::optional<std::string>& text)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || !form->frameDc)
        return;
    RECT client = {};
    GetClientRect(form->hwnd, &client);
    const int b = g_frameBorder;
    const int x0 = b + 6;
    const int y0 = b + 1;
    const int width = client.right - form->captionStrip.width - 10 - 2 * b;

    GdipBitmap surface;  // outlives the graphics attached through it
    if (!insideFramePaint) {
        AttachGraphicsToDc(graphics, surface, form->frameDc);
        RestoreCaptionBackground(formNumber, RECT{x0, y0, x0 + width, y0 + kTitleHeight});
    }
    graphics.Flush();
    if (g_appIcon)
        DrawIconEx(form->frameDc, x0, y0, g_appIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    GdiFlush();

    const std::string title = text ? *text : GetWindowTextAsText(form->hwnd);
    const RectF layout{static_cast<float>(x0 + 20), static_cast<float>(y0 + 2), static_cast<float>(width),
                       static_cast<float>(kTitleHeight)};
    const int style = form->titleBold ? 1 : 0;
    const float size = static_cast<float>(form->titleSize);
    // The title stands out from the caption behind it: white turns black over a near-white theme or a
    // light sky, its halo then light.
    const int titleWidth = std::min(width, MeasureTextWidth(title, form->titleFont, form->titleSize, style) + 4);
    const COLORREF behind = MeanColourOfArea(form->captionCacheDc, RECT{x0 + 20, y0 + 2, x0 + 20 + titleWidth,
                                                                        y0 + 4 + form->titleSize * 4 / 3});
    const COLORREF colour = ReadableTextColour(form->titleColour, behind);
    const COLORREF glowColour = form->titleGlowColour == kNoGlow || colour == form->titleColour
                                    ? form->titleGlowColour
                                    : HaloColourFor(colour);
    if (form->titleGlowColour == kNoGlow) {
        GdipSolidBrush brush;
        brush.CreateSolidFill(MakeArgbColor(colour));
        GdipFont font;
        font.CreateFontFromName(form->titleFont, size, style);
        graphics.DrawString(title, font, brush, layout);
    } else if (form->titleGlowStyle != 0) {
        GlowTextStyle glow;
        glow.fontName = form->titleFont;
        glow.fontStyle = style;
        glow.fontSize = size;
        DrawTextGdiPlus(graphics, title, layout, colour, glowColour, glow);
    } else {
        SkinTextStyle ring;
        ring.fontName = form->titleFont;
        ring.fontStyle = style;
        ring.fontSize = size;
        DrawSkinText(graphics, title, layout, colour, glowColour, ring);
    }

    if (!insideFramePaint) {
        graphics.Flush();
        HDC dc = ExcludeChildrenFromClip(form->hwnd);
        BitBlt(dc, x0, b, width, kTitleHeight, form->frameDc, x0, b, SRCCOPY);
        graphics.DeleteGraphics();
        ReleaseDC(form->hwnd, dc);
    }
}
