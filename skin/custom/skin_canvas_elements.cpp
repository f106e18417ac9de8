// The drawing board's picture and text elements: adding, changing, redrawing one alone, and painting.
#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/text_measure.h"
#include "skin/core/drawing_primitives.h"
#include "skin/custom/skin_canvas.h"
#include "skin/custom/skin_canvas_painting.h"

namespace {

RECT ImageRect(const CanvasImageElement& e)
{
    return RECT{e.x, e.y, e.x + e.width, e.y + e.height};
}

RectF LayoutOf(const RECT& r)
{
    return MakeRect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right - r.left),
                    static_cast<float>(r.bottom - r.top));
}

// The font and layout settings the text styles share, taken from the element.
template <class Style>
Style TextStyleOf(const CanvasTextElement& e)
{
    Style style;
    style.fontName = e.fontName;
    style.fontStyle = e.fontStyle;
    style.fontSize = static_cast<float>(e.fontSize);
    style.alignment = e.alignment;
    style.lineAlignment = e.lineAlignment;
    style.wrap = e.wrap;
    style.ellipsis = e.ellipsis;
    return style;
}

// Single-element redraw: the rectangle of the kept picture renewed, the element drawn into it and the
// rectangle shown. Nothing before the first recomposition: there is no kept picture to draw into.
template <class Paint>
void RedrawAlone(HWND window, const RECT& area, Paint&& paint)
{
    SkinCanvasRecord* board = FindSkinCanvas(window);
    if (!board || !board->backgroundDC)
        return;
    RecomposeCanvasRect(window, area);
    DrawOnKeptPicture(board->backgroundDC, paint);
    RefreshAnimationPatches(*board, &area);
    BlitCanvasRect(window, *board, area);
}

int MeasuredWidth(const CanvasTextElement& e)
{
    return MeasureTextWidth(e.text, e.fontName, e.fontSize, e.fontStyle);
}

}  // namespace

void PaintImageElement(const CanvasImageElement& e, GdipGraphics& g)
{
    GdipBitmap picture;
    if (picture.CreateBitmapFromStream(e.imageData))
        g.DrawImageRectRect(picture, static_cast<float>(e.x), static_cast<float>(e.y), static_cast<float>(e.width),
                            static_cast<float>(e.height));
}

void PaintTextElement(const CanvasTextElement& e, GdipGraphics& g)
{
    const RectF layout = LayoutOf(e.rect);
    if (e.haloText) {
        SkinTextStyle style = TextStyleOf<SkinTextStyle>(e);
        style.glowOffset = 1;
        DrawSkinText(g, e.text, layout, e.textColour, e.haloColour, style);
    } else if (e.glowText) {
        GlowTextStyle style = TextStyleOf<GlowTextStyle>(e);
        style.blurFactor = 4;
        DrawTextGdiPlus(g, e.text, layout, e.textColour, e.haloColour, style);
    } else {
        DrawUnglowedText(g, e.text, layout, e.textColour, TextStyleOf<GlowTextStyle>(e));
    }
}

void DrawImageElement(HWND window, int element, GdipGraphics* surface)
{
    const SkinCanvasRecord* board = FindSkinCanvas(window);
    const CanvasImageElement* e = board ? RecordAt(board->imageElements, element) : nullptr;
    if (!e)
        return;
    if (surface)
        PaintImageElement(*e, *surface);
    else
        RedrawAlone(window, ImageRect(*e), [e](GdipGraphics& g) { PaintImageElement(*e, g); });
}

void DrawTextElement(HWND window, int element, GdipGraphics* surface)
{
    const SkinCanvasRecord* board = FindSkinCanvas(window);
    const CanvasTextElement* e = board ? RecordAt(board->textElements, element) : nullptr;
    if (!e)
        return;
    if (surface)
        PaintTextElement(*e, *surface);
    else
        RedrawAlone(window, e->rect, [e](GdipGraphics& g) { PaintTextElement(*e, g); });
}

int SkinCanvas::AddImage(const std::string& picture, int x, int y, std::optional<int> width,
                         std::optional<int> height, bool drawNow) const
{
    SkinCanvasRecord* board = Record();
    if (!board || picture.empty())
        return 0;
    const SIZE size = CanvasPictureSize(picture);
    auto e = std::make_unique<CanvasImageElement>();
    e->imageData = picture;
    e->x = x;
    e->y = y;
    e->width = width.value_or(size.cx);
    e->height = height.value_or(size.cy);
    const int number = AppendRecord(board->imageElements, std::move(e));
    if (drawNow)
        DrawImageElement(window, number);
    return number;
}

int SkinCanvas::RedrawImage(int element) const
{
    const SkinCanvasRecord* board = Record();
    if (!board || !RecordAt(board->imageElements, element))
        return 0;
    DrawImageElement(window, element);
    return 1;
}

int SkinCanvas::ModifyImage(int element, std::optional<std::string> picture, std::optional<int> x,
                            std::optional<int> y, std::optional<int> width, std::optional<int> height) const
{
    SkinCanvasRecord* board = Record();
    CanvasImageElement* e = board ? RecordAt(board->imageElements, element) : nullptr;
    if (!e)
        return 0;
    RecomposeCanvasRect(window, ImageRect(*e), true);
    if (picture)
        e->imageData = *picture;
    e->x = x.value_or(e->x);
    e->y = y.value_or(e->y);
    e->width = width.value_or(e->width);
    e->height = height.value_or(e->height);
    DrawImageElement(window, element);
    return 1;
}

int SkinCanvas::GetImageCount() const
{
    const SkinCanvasRecord* board = Record();
    return board ? RecordCount(board->imageElements) : -1;
}

int SkinCanvas::AddText(const std::string& text, const CanvasTextOptions& o) const
{
    SkinCanvasRecord* board = Record();
    if (!board)
        return -1;
    auto e = std::make_unique<CanvasTextElement>();
    e->text = text;
    e->fontName = o.fontName.value_or("宋体");
    e->fontSize = o.fontSize.value_or(12);
    e->fontStyle = o.fontStyle.value_or(0);
    const int x = o.x.value_or(0);
    const int y = o.y.value_or(0);
    const int width = o.width ? *o.width : MeasuredWidth(*e);
    const int height = o.height.value_or(e->fontSize + 5);
    e->rect = RECT{x, y, x + width, y + height};
    e->textColour = o.textColour.value_or(0);
    e->haloColour = o.haloColour.value_or(0xFFFFFF);
    e->wrap = o.wrap.value_or(true);
    e->alignment = o.alignment.value_or(0);
    e->lineAlignment = o.lineAlignment.value_or(0);
    e->glowText = o.glow.value_or(false);
    e->haloText = o.halo.value_or(false);
    e->ellipsis = o.ellipsis.value_or(false);
    return AppendRecord(board->textElements, std::move(e));
}

int SkinCanvas::GetTextCount() const
{
    const SkinCanvasRecord* board = Record();
    return board ? RecordCount(board->textElements) : -1;
}

std::string SkinCanvas::GetText(int element) const
{
    const SkinCanvasRecord* board = Record();
    const CanvasTextElement* e = board ? RecordAt(board->textElements, element) : nullptr;
    return e ? e->text : std::string();
}

int SkinCanvas::RedrawText(int element) const
{
    const SkinCanvasRecord* board = Record();
    if (!board || !RecordAt(board->textElements, element))
        return 0;
    DrawTextElement(window, element);
    return 1;
}

int SkinCanvas::ModifyText(int element, const CanvasTextOptions& o) const
{
    SkinCanvasRecord* board = Record();
    CanvasTextElement* e = board ? RecordAt(board->textElements, element) : nullptr;
    if (!e)
        return 0;
    RecomposeCanvasRect(window, e->rect, true);
    e->text = o.text.value_or(e->text);
    e->fontName = o.fontName.value_or(e->fontName);
    e->fontSize = o.fontSize.value_or(e->fontSize);
    e->textColour = o.textColour.value_or(e->textColour);
    e->fontStyle = o.fontStyle.value_or(e->fontStyle);
    // A size not given is worked out again, from the text and font as they now stand.
    const int width = o.width ? *o.width : MeasuredWidth(*e);
    const int height = o.height.value_or(e->fontSize + 5);
    const int left = o.x.value_or(e->rect.left);
    const int top = o.y.value_or(e->rect.top);
    e->rect = RECT{left, top, left + width, top + height};
    e->alignment = o.alignment.value_or(e->alignment);
    e->lineAlignment = o.lineAlignment.value_or(e->lineAlignment);
    e->glowText = o.glow.value_or(e->glowText);
    e->haloColour = o.haloColour.value_or(e->haloColour);
    e->haloText = o.halo.value_or(e->haloText);
    DrawTextElement(window, element);
    return 1;
}

namespace {

template <class Field>
int ImageField(const SkinCanvasRecord* board, int element, Field field)
{
    const CanvasImageElement* e = board ? RecordAt(board->imageElements, element) : nullptr;
    return e ? field(*e) : 0;
}

}  // namespace

int SkinCanvas::GetImageLeft(int element) const
{
    return ImageField(Record(), element, [](const CanvasImageElement& e) { return e.x; });
}

int SkinCanvas::GetImageTop(int element) const
{
    return ImageField(Record(), element, [](const CanvasImageElement& e) { return e.y; });
}

int SkinCanvas::GetImageWidth(int element) const
{
    return ImageField(Record(), element, [](const CanvasImageElement& e) { return e.width; });
}

int SkinCanvas::GetImageHeight(int element) const
{
    return ImageField(Record(), element, [](const CanvasImageElement& e) { return e.height; });
}
