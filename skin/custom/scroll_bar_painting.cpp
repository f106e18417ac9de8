// The scroll bar's layout, thumb placement and painting.
#include <cmath>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/arrow_pictures.h"
#include "skin/controls/canvas_backgrounds.h"
#include "skin/controls/make_point.h"
#include "skin/controls/message_words.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"
#include "skin/custom/custom_control_frame.h"
#include "skin/custom/custom_control_records.h"
#include "skin/custom/scroll_bar_painting.h"
#include "skin/custom/scroll_bar_parts.h"

namespace {

uint32_t White(int alpha)
{
    return MakeArgbColor(kWhite, static_cast<BYTE>(alpha));
}

uint32_t Theme(int alpha)
{
    return MakeArgbColor(g_themeColour, static_cast<BYTE>(alpha));
}

void DrawThumb(GdipGraphics& g, const ScrollBarRecord& bar)
{
    const RectF& t = bar.thumbRect;
    const bool hovered = bar.hoverPart == kScrollHitThumb;
    GdipPath path;
    MakeRoundRectPath(path, t.x, t.y, t.width - 1, t.height - 1, 5);
    const PointF from = MakePoint(t.x - 1, t.y);
    const PointF to = MakePoint(t.x + t.width, t.y);
    FillPathGradient(g, path, LinearGradient{from, to, White(hovered ? 100 : 150), Theme(150)});
    if (hovered)
        FillPathSolid(g, path, White(100));
    else
        FillPathGradient(g, path, LinearGradient{from, to, White(0), White(150)});
    StrokePath(g, path, MakeArgbColor(kBlack, 80));
}

void DrawArrow(GdipGraphics& g, const RectF& a, bool hovered, ArrowPicture picture)
{
    GdipPath outer;
    MakeRoundRectPath(outer, a.x, a.y, a.width - 1, a.height - 1, 5);
    if (hovered)
        FillPathGradient(g, outer,
                         LinearGradient{MakePoint(a.x, a.y), MakePoint(a.x, a.y + a.height), White(250), Theme(150)});
    StrokePath(g, outer, MakeArgbColor(kBlack, 60));
    GdipPath inner;
    MakeRoundRectPath(inner, a.x + 1, a.y + 1, a.width - 3, a.height - 3, 3);
    StrokePath(g, inner, White(150));
    GdipBitmap glyph;
    if (!LoadArrowBitmap(picture, glyph))
        return;
    // At its own pixel size: a PNG's resolution would scale it otherwise.
    const float w = static_cast<float>(glyph.GetImageWidth());
    const float h = static_cast<float>(glyph.GetImageHeight());
    g.DrawImageRectRect(glyph, std::trunc(a.x + (a.width - w) / 2), std::trunc(a.y + (a.height - h) / 2), w, h);
}

}  // namespace

void LayoutScrollBar(HWND window)
{
    ScrollBarRecord* bar = FindScrollBar(window);
    if (!bar)
        return;
    RECT r = {};
    GetWindowRect(window, &r);
    bar->width = r.right - r.left;
    bar->height = r.bottom - r.top;
    RectF& b = bar->barRect;
    if (bar->mode == kScrollBarStandAlone) {
        b.width = static_cast<float>(bar->width);
        b.height = static_cast<float>(bar->height);
    } else {
        // The embedded strip; a detached bar takes the same place in window coordinates, its length
        // from its owner.
        b.x = static_cast<float>(bar->width - 18);
        b.y = 2;
        b.width = kScrollStripWidth;
    }
    bar->upRect = MakeRect(b.x + 1, b.y, b.width - 2, kScrollArrowHeight);
    bar->downRect = MakeRect(b.x + 1, b.y + b.height - 16, b.width - 2, kScrollArrowHeight);
    bar->thumbRect.x = b.x + 1;
    bar->thumbRect.width = b.width - 2;
}

void ComputeScrollThumb(HWND window)
{
    ScrollBarRecord* bar = FindScrollBar(window);
    if (!bar)
        return;
    const float top = bar->upRect.y + bar->upRect.height;
    if (bar->maximum == bar->minimum) {
        // An empty range: the thumb rests at the top of its run.
        bar->thumbRect.y = top;
        return;
    }
    const int travel = static_cast<int>(bar->barRect.height - kScrollThumbLength - bar->thumbRect.height);
    const double ratio = static_cast<double>(travel) / (bar->maximum - bar->minimum);
    bar->thumbRect.y = top + static_cast<float>(std::floor((bar->position - 1) * ratio));
}

void DrawScrollBarParts(GdipGraphics& g, const ScrollBarRecord& bar)
{
    const float x = std::trunc(bar.barRect.x), y = std::trunc(bar.barRect.y);
    const float w = std::trunc(bar.barRect.width), h = std::trunc(bar.barRect.height);
    if (bar.backColour != 0) {
        GdipSolidBrush fill;
        fill.CreateSolidFill(MakeArgbColor(bar.backColour, static_cast<BYTE>(bar.backAlpha)));
        g.FillRectangle(fill, x, y, w, h);
    }
    GdipLinearGradientBrush track;
    track.CreateLineBrush(MakePoint(x, y), MakePoint(x + w, y), Theme(40), White(255));
    g.FillRectangle(track, x, y, w, h);
    DrawThumb(g, bar);
    DrawArrow(g, bar.upRect, bar.hoverPart == kScrollHitUp, ArrowPicture::kUp);
    DrawArrow(g, bar.downRect, bar.hoverPart == kScrollHitDown, ArrowPicture::kDown);
}

void PaintScrollBar(HWND window, HDC target)
{
    ScrollBarRecord* bar = FindScrollBar(window);
    if (!bar)
        return;
    const int x = static_cast<int>(bar->barRect.x), y = static_cast<int>(bar->barRect.y);
    const int w = static_cast<int>(bar->barRect.width), h = static_cast<int>(bar->barRect.height);
    if (bar->mode == kScrollBarStandAlone)
        RenewKeptPicture(window, bar->targetDC);
    else if (bar->mode == kScrollBarEmbedded && bar->targetDC) {
        PaintBackgroundInSkinCanvas(window, bar->targetDC, RECT{x, y, x + w, y + h});
    }
    // A host that shows no bar hands over no buffer: the one it had may be gone.
    if (!bar->targetDC)
        return;
    DrawOnKeptPicture(bar->targetDC, [bar](GdipGraphics& surface) { DrawScrollBarParts(surface, *bar); });
    if (bar->mode == kScrollBarStandAlone)
        BlitToControl(window, bar->targetDC);
    const RECT strip = {x, y, x + w, y + h};
    if (!target && bar->mode == kScrollBarDetached) {
        // A detached bar lies in window coordinates.
        HDC windowDc = GetWindowDC(window);
        CopyPictureToWindow(window, bar->targetDC, strip, windowDc);
        ReleaseDC(window, windowDc);
    } else {
        CopyPictureToWindow(window, bar->targetDC, strip, target);
    }
    bar->dirty = false;
}

void BlitScrollBarBuffer(HWND window)
{
    const ScrollBarRecord* bar = FindScrollBar(window);
    if (!bar || bar->mode != kScrollBarStandAlone || !bar->targetDC)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    CopyPictureToWindow(window, bar->targetDC, client);
    BlitToControl(window, bar->targetDC);
}
