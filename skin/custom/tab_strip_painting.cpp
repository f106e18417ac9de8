#include "skin/custom/tab_strip_painting.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "skin/controls/make_point.h"
#include "skin/controls/message_words.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/custom/tab_strip.h"
#include "skin/custom/tab_strip_highlights.h"

namespace {

constexpr int kCombineReplace = 0;
constexpr int kCombineXor = 3;
constexpr int kUnitPixel = 2;
constexpr int kNoWrapWholeLines = 0x3000;
constexpr int kTrimEllipsis = 3;

void Line(GdipGraphics& g, uint32_t colour, float x1, float y1, float x2, float y2)
{
    GdipPen pen;
    pen.CreatePen(colour, 1);
    g.DrawLine(pen, x1, y1, x2, y2);
}

void FillRect(GdipGraphics& g, uint32_t colour, float x, float y, float w, float h)
{
    GdipSolidBrush brush;
    brush.CreateSolidFill(colour);
    g.FillRectangle(brush, x, y, w, h);
}

// A rectangle filled with a vertical gradient from `top` (at y0) to `bottom` (at y1).
void FillRectVertically(GdipGraphics& g, float x, float y, float w, float h, float y0, float y1, uint32_t top,
                        uint32_t bottom)
{
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(MakePoint(x, y0), MakePoint(x, y1), top, bottom);
    g.FillRectangle(brush, x, y, w, h);
}

// colour2 over the area; black means no fill.
void FillStripColour(GdipGraphics& g, const TabStripRecord& strip, float w, float h)
{
    if (strip.colour2 != 0)
        FillRect(g, MakeArgbColor(strip.colour2, static_cast<BYTE>(strip.alpha2)), 0, 0, w, h);
}

// The glossy band (shape style 4) from yb down over height h (the whole strip: its item height; one
// item: the item's height) and `fillHeight` pixels, with a dark and a light line along its top.
void PaintGlossyBand(GdipGraphics& g, float x0, float yb, float width, float h, float fillHeight, float lineEnd)
{
    FillRectVertically(g, x0, yb, width, fillHeight, yb, yb + h, OverlayWhite(100), OverlayBlack(10));
    FillRectVertically(g, x0, yb, width, fillHeight, yb, yb + h, OverlayWhite(0), OverlayWhite(80));
    Line(g, OverlayBlack(60), x0, yb, lineEnd, yb);
    Line(g, OverlayWhite(100), x0, yb + 1, lineEnd, yb + 1);
}

bool HasBaseLine(const TabStripRecord& strip)
{
    return strip.attachedTabs && strip.baseline && strip.shapeStyle != 3;
}

void StrokeFrame(GdipGraphics& g, int shapeStyle, float x, float y, float w, float h, uint32_t colour)
{
    GdipPath path;
    if (shapeStyle == 3) {
        MakeRoundRectPath(path, x, y, w, h, 5);
    } else {
        path.CreatePath();
        AddTopRoundedRectPath(path, static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                              static_cast<int>(h), 5);
    }
    StrokePath(g, path, colour);
}

// The look an item gets from its state and the strip's highlight style; nothing when it is not lit.
void PaintHighlight(GdipGraphics& g, const TabStripRecord& strip, const TabStripItem& item, const RECT& box)
{
    const TabHighlightInputs in = HighlightInputsOf(strip);
    const bool lit = strip.selectionMode ? item.hover || item.selected : item.hover;
    if (!strip.selectionMode && item.pressed && strip.highlightStyle == 1) {
        DrawTabGradientHighlight(g, in, box, TabGradientLook::Pressed);
        return;
    }
    if (!lit)
        return;
    switch (strip.highlightStyle) {
    case 1:
        DrawTabGradientHighlight(g, in, box,
                                 strip.selectionMode ? TabGradientLook::Selection : TabGradientLook::Hover);
        break;
    case 3:
        DrawTabStripItemPart1(g, in, box);
        break;
    case 4:
        if (item.selected)
            DrawTabStripItemPart2(g, in, box);
        else
            DrawTabStripItemPart3(g, in, box);
        break;
    default:
        DrawTabStripItemPart4(g, in, box);
        break;
    }
}

void DrawItemCaption(GdipGraphics& g, const TabStripRecord& strip, const TabStripItem& item, const RectF& layout,
                     int alignment)
{
    if (!strip.inverseCaptions && item.haloColour >= 0) {
        GlowTextStyle style;
        style.blurFactor = 4;
        style.fontName = item.fontName;
        style.fontStyle = item.fontStyle;
        style.fontSize = static_cast<float>(item.fontSize);
        style.alignment = alignment;
        style.lineAlignment = 1;
        style.wrap = false;
        style.ellipsis = true;
        DrawTextGdiPlus(g, item.caption, layout, item.textColour, static_cast<COLORREF>(item.haloColour), style);
        return;
    }
    CaptionStyle style;
    style.face = item.fontName;
    style.size = static_cast<float>(item.fontSize);
    style.style = item.fontStyle;
    style.unit = kUnitPixel;
    style.colour = strip.inverseCaptions ? ~g_skinBaseColour & 0xFFFFFF : item.textColour;
    style.alignment = alignment;
    style.lineAlignment = 1;
    style.formatFlags = kNoWrapWholeLines;
    style.trimming = kTrimEllipsis;
    DrawCaption(g, item.caption, layout, style);
}

// The picture (decoded here, scaled into its square when taller than the item allows) and the caption.
void PaintItemContent(GdipGraphics& g, const TabStripRecord& strip, const TabStripItem& item, float x, float y,
                      float w, float h)
{
    if (item.image.empty()) {
        DrawItemCaption(g, strip, item, MakeRect(x, y, w, h), 1);
        return;
    }
    float iw = 0, ih = 0;
    {
        GdipImage picture;
        picture.LoadImageFromStream(item.image);
        iw = static_cast<float>(picture.GetImageWidth());
        ih = static_cast<float>(picture.GetImageHeight());
        if (ih > h - 6) {
            iw = static_cast<float>(static_cast<int>(h - 6));
            ih = iw;
        }
        const float left = item.caption.empty() ? x + (w - iw) / 2 : x + 3;
        g.DrawImageRectRect(picture, left, y + (h - ih) / 2, iw, ih);
    }
    if (!item.caption.empty())
        DrawItemCaption(g, strip, item, MakeRect(x + iw + 5, y, w - iw - 5, h), 0);
}

// Under one item on its own surface: the part of the strip's background that lies there.
void PaintBackgroundUnderItem(GdipGraphics& g, const TabStripRecord& strip, float w, float h)
{
    if (strip.shapeStyle == 4)
        PaintGlossyBand(g, 0, 0, w, h, h + static_cast<float>(strip.margin) + 3, w);
    else if (strip.shapeStyle != 1)
        FillRectVertically(g, 0, 0, w, h, 0, h, OverlayWhite(120), OverlayWhite(0));
}

HDC NewSurfaceDc(HWND window, const RECT& area)
{
    HDC dc = CreateBackgroundDC(window, area);
    // A strip no skinned form owns draws over a plain context.
    return dc ? dc : CreateMemoryDC(area.right - area.left, area.bottom - area.top);
}

}  // namespace

void PaintTabStripBackground(GdipGraphics& g, const TabStripRecord& strip, int clientRight)
{
    const float x0 = static_cast<float>(strip.originX), y0 = static_cast<float>(strip.originY);
    const float width = static_cast<float>(strip.contentWidth), height = static_cast<float>(strip.itemHeight);
    if (strip.shapeStyle == 1)
        return;
    if (strip.shapeStyle == 4) {
        const float yb = y0 + static_cast<float>(strip.margin);
        PaintGlossyBand(g, x0, yb, width, height, height + 2, static_cast<float>(clientRight));
        return;
    }
    if (strip.shapeStyle == 2 || strip.shapeStyle == 3) {
        StrokeFrame(g, strip.shapeStyle, x0, y0, width - 2, height - 1, OverlayBlack(40));
        StrokeFrame(g, strip.shapeStyle, x0 + 1, y0 + 1, width - 4, height - 3, OverlayWhite(130));
    }
    GdipPath gloss;
    MakeRoundRectPath(gloss, x0 + 2, y0 + 1, width - 4, height - 4, 3);
    FillPathGradient(g, gloss,
                     LinearGradient{MakePoint(x0 + 2, y0 + 1), MakePoint(x0 + 2, y0 + 1 + height - 4), OverlayWhite(120),
                                    OverlayWhite(0)});
}

void PaintTabStripBaseLine(GdipGraphics& g, const TabStripRecord& strip, const RECT& client)
{
    if (!HasBaseLine(strip))
        return;
    const float bottom = static_cast<float>(client.bottom - 1);
    if (const TabStripItem* selected = RecordAt(strip.items, FirstSelectedTab(strip))) {
        g.SetClipRect(0, 0, static_cast<float>(client.right), static_cast<float>(client.bottom), kCombineReplace);
        g.SetClipRect(static_cast<float>(selected->rect.left + 1), bottom, static_cast<float>(strip.itemWidth - 3), 1,
                      kCombineXor);
    }
    Line(g, OverlayBlack(50), 0, bottom, static_cast<float>(client.right), bottom);
    g.ResetClip();
}

void PaintTabStripDividers(GdipGraphics& g, const TabStripRecord& strip)
{
    if (!strip.separators)
        return;
    const float top = static_cast<float>(strip.originY + strip.margin + 5);
    const float bottom = static_cast<float>(strip.originY + strip.margin + strip.itemHeight - 8);
    for (int i = 2; i <= RecordCount(strip.items); ++i) {
        const float dx = static_cast<float>(strip.originX + (i - 1) * strip.itemWidth + (i - 1) * kTabItemGap);
        Line(g, OverlayBlack(60), dx, top, dx, bottom);
        Line(g, OverlayWhite(100), dx + 1, top, dx + 1, bottom);
    }
}

void PaintTabStripItem(GdipGraphics& g, const TabStripRecord& strip, int number, float x, float y, bool alone)
{
    const TabStripItem* item = RecordAt(strip.items, number);
    if (!item)
        return;
    const float w = static_cast<float>(item->rect.right - item->rect.left);
    const float h = static_cast<float>(item->rect.bottom - item->rect.top);
    const RECT box = {static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x + w), static_cast<LONG>(y + h)};
    PaintHighlight(g, strip, *item, box);
    // The item's piece of the base line, in both modes, so a redraw leaves the line whole.
    if (alone && HasBaseLine(strip)) {
        const float row = y + h - 1;
        if (item->selected) {
            Line(g, OverlayBlack(50), x, row, x + 1, row);
            Line(g, OverlayBlack(50), x + w - 2, row, x + w, row);
        } else {
            Line(g, OverlayBlack(50), x, row, x + w, row);
        }
    }
    PaintItemContent(g, strip, *item, x, y, w, h);
}

void PaintTabStripSurface(GdipGraphics& g, const TabStripRecord& strip, const RECT& client)
{
    FillStripColour(g, strip, static_cast<float>(client.right), static_cast<float>(client.bottom));
    PaintTabStripBackground(g, strip, client.right);
    PaintTabStripBaseLine(g, strip, client);
    PaintTabStripDividers(g, strip);
    for (int i = 1; i <= RecordCount(strip.items); ++i) {
        const RECT& r = RecordAt(strip.items, i)->rect;
        PaintTabStripItem(g, strip, i, static_cast<float>(r.left), static_cast<float>(r.top), false);
    }
}

void PaintTabStrip(HWND window, HDC paintDc)
{
    TabStripRecord* strip = FindTabStrip(window);
    if (!strip)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    ReleaseMemoryDC(strip->memoryDC);
    strip->memoryDC = NewSurfaceDc(window, client);
    if (!strip->memoryDC)
        return;
    {
        GdipBitmap pixels;  // outlives the graphics drawing into it
        GdipGraphics surface;
        AttachOpaqueGraphics(surface, pixels, strip->memoryDC);
        PaintTabStripSurface(surface, *strip, client);
    }
    BlitToControl(window, strip->memoryDC);
    HDC target = paintDc ? paintDc : GetDC(window);
    BitBlt(target, 0, 0, client.right, client.bottom, strip->memoryDC, 0, 0, SRCCOPY);
    if (!paintDc)
        ReleaseDC(window, target);
    strip->dirty = false;
}

void BlitTabStripBuffer(HWND window)
{
    const TabStripRecord* strip = FindTabStrip(window);
    if (!strip || !strip->memoryDC)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    BitBlt(dc, 0, 0, client.right, client.bottom, strip->memoryDC, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    BlitToControl(window, strip->memoryDC);
}

void DrawTabStripItem(HWND window, int number)
{
    const TabStripRecord* strip = FindTabStrip(window);
    const TabStripItem* item = strip ? RecordAt(strip->items, number) : nullptr;
    if (!item)
        return;
    const RECT& place = item->rect;
    const int w = place.right - place.left;
    const int h = place.bottom - place.top;
    HDC surfaceDc = NewSurfaceDc(window, place);
    if (!surfaceDc)
        return;
    {
        GdipBitmap pixels;  // outlives the graphics drawing into it
        GdipGraphics surface;
        AttachOpaqueGraphics(surface, pixels, surfaceDc);
        FillStripColour(surface, *strip, static_cast<float>(w), static_cast<float>(h));
        PaintBackgroundUnderItem(surface, *strip, static_cast<float>(w), static_cast<float>(h));
        PaintTabStripItem(surface, *strip, number, 0, 0, true);
    }
    if (strip->selectionMode && strip->memoryDC)
        BitBlt(strip->memoryDC, place.left, place.top, w, h, surfaceDc, 0, 0, SRCCOPY);
    HDC dc = GetDC(window);
    BitBlt(dc, place.left, place.top, w, h, surfaceDc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    ReleaseMemoryDC(surfaceDc);
}
