#include "skin/custom/tab_strip_highlights.h"

#include <vector>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_path_gradient.h"
#include "gdiplus/gdip_pen.h"
#include "skin/controls/make_point.h"
#include "skin/controls/message_words.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_primitives.h"

namespace {

// The item as floats: x, y, w, h, r = x + w, b = y + h.
struct Box {
    float x, y, w, h, r, b;
};

Box BoxOf(const RECT& item)
{
    const float x = static_cast<float>(item.left), y = static_cast<float>(item.top);
    const float w = static_cast<float>(item.right - item.left), h = static_cast<float>(item.bottom - item.top);
    return Box{x, y, w, h, x + w, y + h};
}

int Alpha(const TabHighlightInputs& in)
{
    return in.alpha1 & 0xFF;
}

uint32_t Colour1(const TabHighlightInputs& in, int alpha)
{
    return MakeArgbColor(in.colour1, static_cast<BYTE>(alpha));
}

// Strokes the path with a 1-pixel pen made from a horizontal gradient over (x0, y) to (x1, y),
// linearly blended at `focus`.
void StrokeRimLight(GdipGraphics& g, const GdipPath& path, float x0, float x1, float y, uint32_t from, uint32_t to,
                    float focus)
{
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(MakePoint(x0, y), MakePoint(x1, y), from, to);
    brush.SetLineLinearBlend(focus, 0.95f);
    GdipPen pen;
    pen.CreatePenFromBrush(brush, 1);
    g.DrawPath(pen, path);
}

// An ellipse filled from `centre` (colour1, opaque) out to transparent white.
void FillGlow(GdipGraphics& g, const TabHighlightInputs& in, float x, float y, float w, float h, PointF centre)
{
    GdipPath ellipse;
    ellipse.CreatePath();
    ellipse.AddPathEllipse(x, y, w, h);
    GdipPathGradientBrush brush;
    brush.CreatePathGradientFromPath(ellipse);
    brush.SetPathGradientCenterPoint(centre);
    brush.SetPathGradientCenterColor(Colour1(in, 255));
    brush.SetPathGradientSurroundColorsWithCount(std::vector<uint32_t>{OverlayWhite(0)});
    g.FillPath(brush, ellipse);
}

// A 2-pixel line along an edge, from `from` at its left end to `to` at its right, whitest mid-way.
void GlowEdge(GdipGraphics& g, float x, float r, float y, uint32_t from, uint32_t to)
{
    GdipPath line;
    line.CreatePath();
    line.AddPathLine(x, y, r, y);
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(MakePoint(x, y), MakePoint(r, y), from, to);
    brush.SetLineLinearBlend(0.5f, 0.6f);
    GdipPen pen;
    pen.CreatePenFromBrush(brush, 2);
    g.DrawPath(pen, line);
}

}  // namespace

TabHighlightInputs HighlightInputsOf(const TabStripRecord& strip)
{
    return TabHighlightInputs{strip.colour1, strip.alpha1, strip.attachedTabs && strip.shapeStyle != 3};
}

void DrawTabGradientHighlight(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item, TabGradientLook look)
{
    const Box box = BoxOf(item);
    const float below = look == TabGradientLook::Selection ? 5.0f : 4.0f;
    const float height = in.ext ? box.h + below : box.h - 4;
    GdipPath path;
    MakeRoundRectPath(path, box.x + 1, box.y + 2, box.w - 4, height, 2);
    const PointF top = MakePoint(box.x + 1, box.y + 2);
    const PointF bottom = MakePoint(box.x + 1, box.y + 2 + height);
    const int a = Alpha(in);
    const uint32_t pale = OverlayWhite(static_cast<int>(0.6 * a));
    const uint32_t sheen = OverlayWhite(static_cast<int>(0.8 * a));
    if (look == TabGradientLook::Pressed) {
        FillPathGradient(g, path, LinearGradient{top, bottom, Colour1(in, a), sheen});
        FillPathGradient(g, path, LinearGradient{top, bottom, pale, Colour1(in, 0)});
    } else {
        FillPathGradient(g, path, LinearGradient{top, bottom, pale, Colour1(in, a)});
        FillPathGradient(g, path, LinearGradient{top, bottom, Colour1(in, 0), sheen});
    }
    StrokePath(g, path, OverlayBlack(look == TabGradientLook::Selection ? 50 : 80));
}

void DrawTabStripItemPart1(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item)
{
    const Box box = BoxOf(item);
    GdipPath path;
    MakeRoundRectPath(path, box.x + 1, box.y + 1, box.w - 4, in.ext ? box.h + 5 : box.h - 2, 5);
    FillPathSolid(g, path, Colour1(in, Alpha(in)));
    StrokePath(g, path, OverlayBlack(80));
}

void DrawTabStripItemPart2(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item)
{
    const Box box = BoxOf(item);
    const float height = in.ext ? box.h + 5 : box.h - 1;
    GdipPath outer;
    MakeRoundRectPath(outer, box.x + 1, box.y, box.w - 4, height, 5);
    FillPathSolid(g, outer, Colour1(in, Alpha(in)));
    FillPathGradient(g, outer,
                     LinearGradient{MakePoint(box.x + 1, box.y), MakePoint(box.x + 1, box.y + height), OverlayWhite(100),
                                    OverlayWhite(200)});
    StrokePath(g, outer, OverlayBlack(60));
    GdipPath inner;
    MakeRoundRectPath(inner, box.x + 2, box.y + 1, box.w - 5, in.ext ? box.h + 3 : box.h - 3, 3);
    StrokePath(g, inner, OverlayWhite(60));
    StrokeRimLight(g, inner, box.x, box.r, box.y + 2, OverlayWhite(0), OverlayWhite(80), 0.3f);
    StrokeRimLight(g, inner, box.x, box.r, box.y + 2, OverlayWhite(0), OverlayWhite(80), 0.7f);
}

void DrawTabStripItemPart3(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item)
{
    const Box box = BoxOf(item);
    GdipPath path;
    MakeRoundRectPath(path, box.x + 1, box.y + 1, box.w - 4, in.ext ? box.h + 5 : box.h - 2, 6);
    FillPathSolid(g, path, Colour1(in, Alpha(in)));
    const float washEnd = box.y + box.h + (in.ext ? 4 : 1);
    FillPathGradient(g, path,
                     LinearGradient{MakePoint(box.x + 1, box.y + 1), MakePoint(box.x + 1, washEnd), OverlayWhite(140),
                                    OverlayWhite(100)});
    StrokePath(g, path, OverlayBlack(20));
    StrokeRimLight(g, path, box.x, box.r, box.y + 1, OverlayWhite(0), OverlayWhite(255), 0.7f);
    StrokeRimLight(g, path, box.x, box.r, box.y + 1, OverlayWhite(0), OverlayWhite(255), 0.3f);
}

void DrawTabStripItemPart4(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item)
{
    const Box box = BoxOf(item);
    g.SetClipRect(box.x, box.y, box.w, box.h, 0);
    FillGlow(g, in, box.x, box.y - 0.5f * box.h, box.w, 1.6f * box.h, MakePoint(box.x + box.w / 2, box.y));
    GlowEdge(g, box.x, box.r, box.y, Colour1(in, 20), OverlayWhite(250));
    FillGlow(g, in, box.x, box.y + 0.5f * box.h, box.w, box.h, MakePoint(box.x + box.w / 2, box.b));
    GlowEdge(g, box.x, box.r, box.b - 1, Colour1(in, 0), OverlayWhite(200));
    g.ResetClip();
}
