// The drawing board's composition, its glow and gradient, and the renewal of one rectangle.
#include "skin/core/skin_colours.h"
#include "skin/custom/skin_canvas_painting.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_path_gradient.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_texture.h"
#include "skin/controls/canvas_backgrounds.h"
#include "skin/controls/make_point.h"
#include "skin/controls/message_words.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/custom/skin_canvas.h"

namespace {

constexpr int kCombineReplace = 0;
constexpr int kCombineIntersect = 1;
constexpr int kCombineXor = 3;
constexpr int kCompositingGammaCorrected = 3;
constexpr int kWrapTile = 0;

BYTE LowByte(int value)
{
    return static_cast<BYTE>(value & 0xFF);
}

bool DrawsPicture(const SkinCanvasRecord& board)
{
    return !board.backgroundImage.empty() && (board.shape == 0 || board.shape == 1 || board.shape == 4);
}

void DrawLine(GdipGraphics& g, uint32_t argb, float x1, float y1, float x2, float y2)
{
    GdipPen pen;
    pen.CreatePen(argb, 1);
    g.DrawLine(pen, x1, y1, x2, y2);
}

// Shapes 2 and 3: the path becomes the 4-pixel strip across the middle, which also clips the rest.
void PaintDividerStrip(const SkinCanvasRecord& board, GdipGraphics& g, GdipPath& path, float w, float h)
{
    path.ResetPath();
    const uint32_t line = MakeArgbColor(board.dividerColour, 120);
    if (board.shape == 2) {
        path.AddPathRectangle(0, h / 2 - 2, w, 4);
        g.SetClipPath(path, kCombineReplace);
        DrawLine(g, line, 0, h / 2, w, h / 2);
        DrawLine(g, MakeArgbColor(kWhite, 100), 0, h / 2 - 1, w, h / 2 - 1);
    } else {
        path.AddPathRectangle(w / 2 - 2, 0, 4, h);
        g.SetClipPath(path, kCombineReplace);
        DrawLine(g, line, w / 2, 0, w / 2, h);
        DrawLine(g, MakeArgbColor(kWhite, 120), w / 2 - 1, 0, w / 2 - 1, h);
    }
}

void PaintBorder(const SkinCanvasRecord& board, GdipGraphics& g, const RectF& inner)
{
    GdipPath outer;
    MakeCanvasShapePath(outer, board, MakeRect(inner.x, inner.y, inner.width - 1, inner.height - 1));
    StrokePath(g, outer, MakeArgbColor(board.borderColour, LowByte(board.borderAlpha)));
    GdipPath innerLine;
    MakeCanvasShapePath(innerLine, board, MakeRect(inner.x + 1, inner.y + 1, inner.width - 3, inner.height - 3));
    StrokePath(g, innerLine, MakeArgbColor(kWhite, 120));
}

}  // namespace

SIZE CanvasPictureSize(const std::string& picture)
{
    GdipImage image;
    if (!image.LoadImageFromStream(picture))
        return SIZE{0, 0};
    return SIZE{image.GetImageWidth(), image.GetImageHeight()};
}

RectF CanvasInnerRect(int glowEdges, int glowWidth, int width, int height)
{
    const float g = static_cast<float>(glowWidth);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    switch (glowEdges) {
    case 0:
        return MakeRect(0, 0, w, h);
    case 1:
        return MakeRect(0, g, w, h - g);
    case 2:
        return MakeRect(0, 0, w, h - g);
    case 4:
        return MakeRect(g, 0, w - g, h);
    case 8:
        return MakeRect(0, 0, w - g, h);
    case 15:
        return MakeRect(g, g, w - 2 * g, h - 2 * g);
    default:
        return MakeRect(0, 0, 0, 0);
    }
}

void MakeCanvasShapePath(GdipPath& path, const SkinCanvasRecord& board, const RectF& area)
{
    path.CreatePath();
    if (area.width <= 0 || area.height <= 0)
        return;
    if (board.shape == 0)
        path.AddPathRectangle(area.x, area.y, area.width, area.height);
    else if (board.shape == 1)
        AddRoundRectPath(path, area.x, area.y, area.width, area.height, board.glowWidth);
    else if (board.shape == 4)
        path.AddPathEllipse(area.x, area.y, area.width, area.height);
}

void PaintCanvasGlow(const SkinCanvasRecord& board, GdipGraphics& g, int width, int height)
{
    g.SetCompositingQuality(kCompositingGammaCorrected);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float gw = static_cast<float>(board.glowWidth);
    GdipPath outline;
    outline.CreatePath();
    if (board.shape == 4)
        outline.AddPathEllipse(0, 0, w, h);
    else
        AddRoundRectPath(outline, 0, 0, w, h, 2 * board.glowWidth);
    GdipPathGradientBrush brush;
    brush.CreatePathGradientFromPath(outline);
    brush.SetPathGradientCenterPoint(MakePoint(w * 0.5f, h * 0.6f));
    brush.SetPathGradientFocusScales((w - 20) / w, (h - 20) / h);
    brush.SetPathGradientCenterColor(MakeArgbColor(board.glowColour, LowByte(board.glowAlpha)));
    brush.SetPathGradientSurroundColorsWithCount({0u});
    bool fill = true;
    switch (board.glowEdges) {
    case 1:
        g.SetClipRect(0, 0, w, gw, kCombineReplace);
        break;
    case 2:
        g.SetClipRect(0, h - gw, w, gw, kCombineReplace);
        break;
    case 4:
        g.SetClipRect(0, 0, gw, h, kCombineReplace);
        break;
    case 8:
        g.SetClipRect(w - gw, 0, gw, h, kCombineReplace);
        break;
    case 15: {
        GdipPath hole;
        hole.CreatePath();
        if (board.shape == 4) {
            g.SetClipPath(outline, kCombineReplace);
            hole.AddPathEllipse(gw, gw, w - 2 * gw, h - 2 * gw);
        } else {
            g.SetClipRect(0, 0, w, h, kCombineReplace);
            AddRoundRectPath(hole, gw, gw, w - 2 * gw, h - 2 * gw, board.glowWidth + 1);
        }
        g.SetClipPath(hole, kCombineXor);
        break;
    }
    default:
        fill = false;
        break;
    }
    if (fill)
        g.FillPath(brush, outline);
    g.ResetClip();
}

void PaintCanvasGradient(const SkinCanvasRecord& board, GdipGraphics& g, const GdipPath& path)
{
    const RectF b = path.GetPathWorldBounds();
    const uint32_t c1 = MakeArgbColor(board.gradientColour1, LowByte(board.gradientAlpha1));
    const uint32_t c2 = MakeArgbColor(board.gradientColour2, LowByte(board.gradientAlpha2));
    PointF first{}, second{};
    switch (board.gradientMode) {
    case 1:
    case 6:
        first = MakePoint(0, b.y), second = MakePoint(0, b.y + b.height);
        break;
    case 2:
        first = MakePoint(0, b.y + b.height), second = MakePoint(0, b.y);
        break;
    case 3:
    case 5:
        first = MakePoint(b.x, 0), second = MakePoint(b.x + b.width, 0);
        break;
    case 4:
        first = MakePoint(b.x + b.width, 0), second = MakePoint(b.x, 0);
        break;
    default:
        return;
    }
    GdipLinearGradientBrush brush;
    brush.CreateLineBrush(first, second, c1, c2);
    brush.SetLineWrapMode(kWrapTile);
    if (board.gradientMode == 5 || board.gradientMode == 6)
        brush.SetLineLinearBlend(0.5f, 0.5f);
    g.FillPath(brush, path);
}

void DrawCanvasPicture(const SkinCanvasRecord& board, GdipGraphics& g, const RectF& inner)
{
    GdipBitmap picture;
    if (!picture.CreateBitmapFromStream(board.backgroundImage))
        return;
    const float pw = static_cast<float>(picture.GetImageWidth());
    const float ph = static_cast<float>(picture.GetImageHeight());
    switch (board.imageMode) {
    case 0:
        g.DrawImageRectRect(picture, inner.x, inner.y, pw, ph);
        break;
    case 1:
        g.DrawImageRectRect(picture, pw < inner.width ? inner.x + inner.width - pw : inner.x, inner.y, pw, ph);
        break;
    case 2:
        // Centred from the board's corner, not the inner rectangle's.
        g.DrawImageRectRect(picture, (inner.width - pw) / 2, (inner.height - ph) / 2, pw, ph);
        break;
    case 3:
        g.DrawImageRectRect(picture, inner.x, inner.y, inner.width, inner.height);
        break;
    case 4: {
        GdipTextureBrush tiles;
        tiles.CreateTexture(picture, kWrapTile);
        g.FillRectangle(tiles, inner.x, inner.y, inner.width, inner.height);
        break;
    }
    default:
        break;
    }
}

void ComposeSkinCanvas(const SkinCanvasRecord& board, GdipGraphics& g, int width, int height)
{
    const RectF inner = CanvasInnerRect(board.glowEdges, board.glowWidth, width, height);
    if (board.glowEdges != 0)
        PaintCanvasGlow(board, g, width, height);
    GdipPath path;
    MakeCanvasShapePath(path, board, inner);
    if (DrawsPicture(board)) {
        // The clip stays for the rest of the pass: the elements are cut by the shape too.
        g.SetClipPath(path, kCombineReplace);
        DrawCanvasPicture(board, g, inner);
    }
    if (board.shape == 2 || board.shape == 3)
        PaintDividerStrip(board, g, path, static_cast<float>(width), static_cast<float>(height));
    if (board.gradientMode != 0)
        PaintCanvasGradient(board, g, path);
    for (const auto& element : board.imageElements)
        PaintImageElement(*element, g);
    for (const auto& element : board.textElements)
        PaintTextElement(*element, g);
    if (board.border == 1)
        PaintBorder(board, g, inner);
}

void BlitCanvasRect(HWND window, const SkinCanvasRecord& board, const RECT& r)
{
    HDC dc = ExcludeChildrenFromClip(window);
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, board.backgroundDC, r.left, r.top, SRCCOPY);
    ReleaseDC(window, dc);
}

void PaintSkinCanvas(HWND window)
{
    SkinCanvasRecord* board = FindSkinCanvas(window);
    if (!board)
        return;
    ReleaseMemoryDC(board->backgroundDC);
    RECT client = {};
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    // A board no skinned form owns composes over a plain context.
    HDC dc = CreateBackgroundDC(window, client);
    if (!dc)
        dc = CreateMemoryDC(width, height);
    board->backgroundDC = dc;
    SetWindowProp(window, kPropCanvasBackgroundDc, reinterpret_cast<LONG_PTR>(dc));
    board->clientWidth = width;
    board->clientHeight = height;
    if (!dc)
        return;
    DrawOnKeptPicture(dc, [&](GdipGraphics& surface) { ComposeSkinCanvas(*board, surface, width, height); });
    // The patches first: a worker erasing after the picture is shown must erase with the new one.
    RefreshAnimationPatches(*board);
    BlitToControl(window, dc);
    BlitCanvasRect(window, *board, client);
}

bool RecomposeCanvasRect(HWND window, const RECT& r, bool blit)
{
    SkinCanvasRecord* board = FindSkinCanvas(window);
    if (!board || !board->backgroundDC)
        return false;
    RECT client = {};
    GetClientRect(window, &client);
    if (GetWindowPropNumber(window, kPropHwFormNumber) == 0)
        PatBlt(board->backgroundDC, r.left, r.top, r.right - r.left, r.bottom - r.top, BLACKNESS);
    else
        PaintBackgroundInSkinCanvas(window, board->backgroundDC, r);
    if (DrawsPicture(*board)) {
        DrawOnKeptPicture(board->backgroundDC, [&](GdipGraphics& surface) {
            const RectF inner = CanvasInnerRect(board->glowEdges, board->glowWidth, client.right, client.bottom);
            GdipPath path;
            MakeCanvasShapePath(path, *board, inner);
            surface.SetClipPath(path, kCombineReplace);
            surface.SetClipRect(static_cast<float>(r.left), static_cast<float>(r.top),
                                static_cast<float>(r.right - r.left), static_cast<float>(r.bottom - r.top),
                                kCombineIntersect);
            DrawCanvasPicture(*board, surface, inner);
        });
    }
    RefreshAnimationPatches(*board, &r);
    if (blit)
        BlitCanvasRect(window, *board, r);
    return true;
}
