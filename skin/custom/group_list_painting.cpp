// The group list's layout, full paint, row and entry painters and the copy of its kept picture.
#include <cmath>
#include <string>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_string_format.h"
#include "skin/controls/arrow_pictures.h"
#include "skin/controls/canvas_backgrounds.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/custom/group_list_painting.h"
#include "skin/custom/group_list_parts.h"

namespace {

constexpr int kUnitPixel = 2;
constexpr int kAlignCentre = 1;
constexpr int kAlignFar = 2;
constexpr int kTrimEllipsis = 3;
constexpr int kCaptionBoxHeight = 30;
constexpr int kTagWidth = 60;
constexpr int kNoteTop = 22;
constexpr char kNoteFont[] = "宋体";
constexpr float kNoteFontSize = 12;

RectF ToRectF(const RECT& r)
{
    return MakeRect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right - r.left),
                    static_cast<float>(r.bottom - r.top));
}

// A plain caption in its own colour while that stands out from what lies behind the list, else in
// black or white.
COLORREF CaptionColour(const GroupListRecord& list, COLORREF own)
{
    return list.inverseCaptions ? (~g_skinBaseColour & 0xFFFFFF) : ReadableTextColour(own, list.backdrop);
}

// The mean colour behind the items: the picture's background under the list's own fill.
COLORREF BackdropOf(const GroupListRecord& list, HDC picture)
{
    const COLORREF below = MeanColourOf(picture);
    if (list.backColour < 0)
        return below;
    const COLORREF fill = static_cast<COLORREF>(list.backColour);
    const int a = list.backAlpha;
    auto mix = [a](int under, int over) { return (over * a + under * (255 - a)) / 255; };
    return RGB(mix(GetRValue(below), GetRValue(fill)), mix(GetGValue(below), GetGValue(fill)),
               mix(GetBValue(below), GetBValue(fill)));
}

void FillBackColour(GdipGraphics& g, const GroupListRecord& list, const RectF& area)
{
    if (list.backColour < 0)
        return;
    GdipSolidBrush fill;
    fill.CreateSolidFill(MakeArgbColor(static_cast<COLORREF>(list.backColour), static_cast<BYTE>(list.backAlpha)));
    g.FillRectangle(fill, area.x, area.y, area.width, area.height);
}

void PaintHighlight(GdipGraphics& g, const RECT& r, bool selected, bool hover)
{
    if (!selected && !hover)
        return;
    const float x = static_cast<float>(r.left), y = static_cast<float>(r.top);
    const float w = static_cast<float>(r.right - r.left), h = static_cast<float>(r.bottom - r.top);
    GdipPath path;
    MakeRoundRectPath(path, x, y, w - 1, h - 1, 5);
    FillPathSolid(g, path, MakeArgbColor(g_themeColour, selected ? 100 : 60));
    MakeRoundRectPath(path, x, y, w - 2, h - 2, 5);
    StrokePath(g, path, MakeArgbColor(0, 50));
}

void DrawText(GdipGraphics& g, const std::string& text, const GdipFont& font, COLORREF colour, const RectF& box,
              const GdipStringFormat& format)
{
    if (text.empty())
        return;
    GdipSolidBrush brush;
    brush.CreateSolidFill(MakeArgbColor(colour));
    g.DrawString(text, font, brush, box, format);
}

void PaintRowContent(GdipGraphics& g, const GroupListRecord& list, const GroupListRow& row)
{
    const RECT& r = row.rect;
    GdipBitmap glyph;
    float glyphWidth = 0;
    if (LoadArrowBitmap(row.expanded ? ArrowPicture::kDown : ArrowPicture::kRight, glyph)) {
        // At its own pixel size: a PNG's resolution would scale it otherwise.
        glyphWidth = static_cast<float>(glyph.GetImageWidth());
        const float glyphHeight = static_cast<float>(glyph.GetImageHeight());
        g.DrawImageRectRect(glyph, static_cast<float>(r.left + kGroupListInset),
                            std::trunc(r.top + (list.rowHeight - glyphHeight) / 2), glyphWidth, glyphHeight);
    }
    if (row.caption.empty())
        return;
    CaptionStyle style;
    style.face = list.fontName;
    style.size = static_cast<float>(list.fontSize);
    style.unit = kUnitPixel;
    style.colour = CaptionColour(list, list.rowTextColour);
    DrawCaption(g, row.caption,
                MakeRect(r.left + glyphWidth + 3, r.top + (list.rowHeight - list.fontSize) / 2.0f,
                         (r.right - r.left) - glyphWidth - 3, kCaptionBoxHeight),
                style);
}

void PaintChildContent(GdipGraphics& g, const GroupListRecord& list, const GroupListChild& child)
{
    const RECT& r = child.rect;
    const float left = static_cast<float>(r.left), top = static_cast<float>(r.top);
    const float w = static_cast<float>(r.right - r.left), h = static_cast<float>(r.bottom - r.top);
    float side = 0;
    if (!child.picture.empty()) {
        side = std::trunc(0.7f * list.childHeight);
        GdipBitmap picture;
        if (picture.CreateBitmapFromStream(child.picture))
            g.DrawImageRectRect(picture, left + kGroupListInset, std::trunc(top + (list.childHeight - side) / 2), side,
                                side);
    }
    if (child.caption.empty())
        return;
    const float tagReserve = child.tag.empty() ? 0.0f : static_cast<float>(kTagWidth);
    GdipStringFormat format;
    format.CreateStringFormat();
    format.SetStringFormatLineAlign(child.note.empty() ? kAlignCentre : 0);
    format.SetStringFormatTrimming(kTrimEllipsis);
    {
        GdipFont font;
        font.CreateFontFromName(list.fontName, static_cast<float>(list.fontSize), 0, kUnitPixel);
        DrawText(g, child.caption, font, CaptionColour(list, list.childTextColour),
                 MakeRect(left + side + 6, top + 2, w - side - 3 - tagReserve, static_cast<float>(list.childHeight)),
                 format);
    }
    // Notes and tags keep their own small font.
    GdipFont small;
    small.CreateFontFromName(kNoteFont, kNoteFontSize, 0, kUnitPixel);
    DrawText(g, child.note, small, list.childNoteColour, MakeRect(left + side + 6, top + kNoteTop, w - side - 3, h - 25),
             format);
    if (!child.tag.empty() && child.caption.size() * 6.5 < w - kTagWidth) {
        GdipStringFormat right;
        right.CreateStringFormat();
        right.SetStringFormatAlign(kAlignFar);
        DrawText(g, child.tag, small, list.childTagColour, MakeRect(left + w - kTagWidth, top + 2, kTagWidth, 30), right);
    }
}

// The part of the item that shows: inside the margins and left of the bar. False when none does.
bool VisiblePart(const GroupListRecord& list, const RECT& item, const RECT& client, RECT& clip)
{
    const int top = list.marginTop;
    const int bottom = client.bottom - list.marginTop;
    if (item.bottom <= top || item.top >= bottom)
        return false;
    clip = item;
    if (clip.top < top)
        clip.top = top;
    if (clip.bottom > bottom)
        clip.bottom = bottom;
    const int right = client.right - (list.scrollBarShown ? 18 : 3);
    if (clip.right > right)
        clip.right = right;
    return true;
}

// Draws one item clipped to its visible part: onto the surface during a full paint, or alone into
// memoryDC over a fresh copy of its background and onto the window.
template <class Content>
void DrawItem(HWND window, const RECT& item, GdipGraphics* surface, Content&& content)
{
    GroupListRecord* list = FindGroupList(window);
    if (!list)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    RECT clip = {};
    if (!VisiblePart(*list, item, client, clip))
        return;
    const RectF area = ToRectF(clip);
    if (surface) {
        surface->SetClipRect(area.x, area.y, area.width, area.height);
        content(*surface, *list);
        surface->ResetClip();
        return;
    }
    // Before the first full paint there is no picture to draw into.
    if (!list->memoryDC)
        return;
    PaintBackgroundInSkinCanvas(window, list->memoryDC, clip);
    DrawOnKeptPicture(list->memoryDC, [&](GdipGraphics& own) {
        FillBackColour(own, *list, area);
        own.SetClipRect(area.x, area.y, area.width, area.height);
        content(own, *list);
    });
    CopyPictureToWindow(window, list->memoryDC, clip);
}

}  // namespace

void LayoutGroupList(HWND window)
{
    GroupListRecord* list = FindGroupList(window);
    if (!list)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    const int W = client.right, H = client.bottom;
    const int margin = list->marginTop;
    int content = 0;
    for (const auto& row : list->rows)
        content += list->rowHeight + (row->expanded ? RecordCount(row->children) * list->childHeight : 0);
    const SkinScrollBar& bar = list->scrollBar;
    int reserve = 0;
    if (content > H - 2 * margin) {
        list->scrollBarShown = true;
        reserve = kGroupListBarReserve;
    } else {
        list->scrollBarShown = false;
        bar.SetRange(std::nullopt, std::nullopt, std::nullopt, std::nullopt, 0);  // back to the top
    }
    bar.SetBarLength(H - margin);
    bar.SetRange(std::nullopt, content - H + 2 * margin, std::nullopt, H - 2 * margin);
    // An empty list has no thumb to size.
    if (content > 0)
        bar.SetThumbLength(static_cast<int>(static_cast<double>(H - 30) * (H - margin) / content));

    int y = margin - bar.Position();
    const int right = W - list->marginLeft - reserve;
    for (const auto& row : list->rows) {
        row->rect = RECT{list->marginLeft, y, right, y + list->rowHeight};
        y = row->rect.bottom;
        if (!row->expanded)
            continue;
        for (const auto& child : row->children) {
            child->rect = RECT{list->marginLeft + kGroupListIndent, y, right, y + list->childHeight};
            y = child->rect.bottom;
        }
    }
}

void PaintGroupList(HWND window, HDC dc)
{
    GroupListRecord* list = FindGroupList(window);
    if (!list)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    const int W = client.right, H = client.bottom;
    if (!RenewKeptPicture(window, list->memoryDC))
        return;
    list->backdrop = BackdropOf(*list, list->memoryDC);
    DrawOnKeptPicture(list->memoryDC, [&](GdipGraphics& surface) {
        FillBackColour(surface, *list, MakeRect(0, 0, static_cast<float>(W), static_cast<float>(H)));
        if (list->frameVisible) {
            GdipPath frame;
            MakeRoundRectPath(frame, 0, 0, static_cast<float>(W - 1), static_cast<float>(H - 1), 5);
            StrokePath(surface, frame, MakeArgbColor(0, 80));
            MakeRoundRectPath(frame, 1, 1, static_cast<float>(W - 3), static_cast<float>(H - 3), 3);
            StrokePath(surface, frame, MakeArgbColor(0xFFFFFF, 120));
        }
        const int last = H - list->marginTop;
        for (int r = 1; r <= RecordCount(list->rows); ++r) {
            const GroupListRow& row = *RecordAt(list->rows, r);
            if (row.rect.top > last)
                break;
            DrawGroupListRow(window, r, &surface);
            if (!row.expanded)
                continue;
            for (int e = 1; e <= RecordCount(row.children); ++e) {
                if (RecordAt(row.children, e)->rect.top > last)
                    break;
                DrawGroupListChild(window, r, e, &surface);
            }
        }
    });
    // A hidden bar gets no buffer: it must not draw into this one once a later paint has released it.
    list->scrollBar.SetTargetDC(list->scrollBarShown ? list->memoryDC : nullptr);
    BlitToControl(window, list->memoryDC);
    CopyPictureToWindow(window, list->memoryDC, client, dc);
    list->dirty = false;
}

void DrawGroupListRow(HWND window, int row, GdipGraphics* surface)
{
    const GroupListRecord* list = FindGroupList(window);
    const GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    if (!header)
        return;
    DrawItem(window, header->rect, surface, [header](GdipGraphics& g, const GroupListRecord& owner) {
        PaintHighlight(g, header->rect, header->selected, header->hover);
        PaintRowContent(g, owner, *header);
    });
}

void DrawGroupListChild(HWND window, int row, int entry, GdipGraphics* surface)
{
    const GroupListRecord* list = FindGroupList(window);
    const GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    const GroupListChild* child = header ? RecordAt(header->children, entry) : nullptr;
    if (!child)
        return;
    DrawItem(window, child->rect, surface, [child](GdipGraphics& g, const GroupListRecord& owner) {
        PaintHighlight(g, child->rect, child->selected, child->hover);
        PaintChildContent(g, owner, *child);
    });
}

void BlitGroupListBuffer(HWND window)
{
    const GroupListRecord* list = FindGroupList(window);
    if (!list || !list->memoryDC)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    CopyPictureToWindow(window, list->memoryDC, client);
    BlitToControl(window, list->memoryDC);
}
