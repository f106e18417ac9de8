#include "skin/controls/header_family.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_string_format.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/make_point.h"
#include "skin/controls/message_words.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/text_measure.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/mouse_tracking.h"
#include "skin/core/skin_colours.h"

namespace {

constexpr char kHeaderClass[] = "SysHeader32";
constexpr char kListViewClass[] = "SysListView32";
// Within this many pixels of an item's edge the mouse is on a divider, over no item.
constexpr int kDividerZone = 5;
constexpr int kTextBuffer = 260;
constexpr int kTrimEllipsisCharacter = 3;

int ItemCount(HWND header)
{
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

RECT ItemRect(HWND header, int item)
{
    RECT r = {};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
    return r;
}

void RegisterHeader(int formNumber, HWND header)
{
    const ControlFontInfo font = GetControlFontInfo(header);
    auto record = std::make_unique<SkinHeaderRecord>();
    record->hwnd = header;
    record->buttons = (GetWindowLongPtrA(header, GWL_STYLE) & HDS_BUTTONS) != 0;
    record->fontFace = font.face.empty() ? "宋体" : font.face;
    record->fontSize = font.size != 0 ? font.size : 12;
    record->fontStyle = font.style;
    record->imageList = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->headers, std::move(record), ListViewHeaderWndProc);
}

void FillRectangleGradient(GdipGraphics& graphics, float x, float y, float width, float height, uint32_t from,
                           uint32_t to)
{
    GdipPath path;
    path.CreatePath();
    path.AddPathRectangle(x, y, width, height);
    FillPathGradient(graphics, path, {MakePoint(0, y), MakePoint(0, y + height), from, to});
}

void PaintHeader(const SkinHeaderRecord& record)
{
    HWND header = record.hwnd;
    const int count = ItemCount(header);
    if (count <= 0)
        return;
    const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    HDC dc = GetDC(header);
    RECT place = {};
    for (int i = 0; i < count; ++i) {
        const HeaderItemSnapshot item = TakeHeaderItemSnapshot(record, i, count, margin, place);
        HDC memory = RenderAreaOverBackground(header, place,
                                              [&](GdipGraphics& graphics) { DrawHeaderItemFace(graphics, item); });
        if (memory) {
            // Black text turns white where the theme leaves the face dark.
            const COLORREF ink = ReadableTextColour(kBlack, MeanColourOf(memory));
            GdipBitmap surface;
            GdipGraphics graphics;
            AttachOpaqueGraphics(graphics, surface, memory);
            DrawHeaderItemContent(graphics, item, ink);
            graphics.Flush();
            graphics.DeleteGraphics();
            GdiFlush();
        }
        if (item.icon)
            DestroyIcon(item.icon);
        if (!memory)
            continue;
        BitBlt(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, memory, 0, 0, SRCCOPY);
        ReleaseMemoryDC(memory);
    }
    // Beyond the last item the header shows what lies behind it under the veil: the native header,
    // which would paint there, never paints.
    RECT client = {};
    GetClientRect(header, &client);
    if (place.right < client.right) {
        const RECT rest = {place.right, client.top, client.right, client.bottom};
        const int veilAlpha = g_veilEnabled ? g_veilAlpha : 255;
        HDC memory = RenderAreaOverBackground(header, rest, [&](GdipGraphics& graphics) {
            FillVeil(graphics, 0, 0, static_cast<float>(rest.right - rest.left), static_cast<float>(rest.bottom),
                     veilAlpha);
        });
        if (memory) {
            BitBlt(dc, rest.left, rest.top, rest.right - rest.left, rest.bottom - rest.top, memory, 0, 0, SRCCOPY);
            ReleaseMemoryDC(memory);
        }
    }
    BlitToControl(header, dc);
    ReleaseDC(header, dc);
}

void Repaint(const OwnRecord<SkinHeaderRecord>& own)
{
    PaintHeader(*own.record);
}

void OnMouseMove(HWND header, const OwnRecord<SkinHeaderRecord>& own, LPARAM lParam)
{
    SkinHeaderRecord& record = *own.record;
    SkinFormRecord& form = *own.form;
    TrackMouseLeave(header);
    form.hotIndex = own.listIndex;
    if (form.hotIndex > 0 || form.hoverKind != kHoverHeaders) {
        record.hot = true;
        record.hotItem = HitTestHeaderItem(own.formNumber, own.listIndex, lParam);
        form.hoverKind = kHoverHeaders;
        if (record.hotItem != record.paintedHotItem && record.hotItem > 0 && !record.buttonDown) {
            Repaint(own);
            record.paintedHotItem = record.hotItem;
        } else if (record.hotItem == 0) {
            record.paintedHotItem = 0;
            record.hot = false;
            Repaint(own);
        }
    }
    form.prevHotIndex = form.hotIndex;
}

}  // namespace

void SkinListViewHeaders(int formNumber, HWND parent)
{
    ForEachNewChild(formNumber, parent, kHeaderClass, &SkinFormRecord::headers,
                    [formNumber](HWND header) { RegisterHeader(formNumber, header); });
    if (!g_skinChildControls)
        return;
    HWND view = nullptr;
    while ((view = FindWindowExA(parent, view, kListViewClass, nullptr)) != nullptr) {
        HWND header = FindWindowExA(view, nullptr, kHeaderClass, nullptr);
        const SkinFormRecord* form = SkinFormAt(formNumber);
        if (header && form && FindListIndex(form->headers, header) == 0)
            RegisterHeader(formNumber, header);
    }
}

int HitTestHeaderItem(int formNumber, int listIndex, LPARAM lParam)
{
    const SkinHeaderRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::headers);
    if (!record)
        return 0;
    const int x = static_cast<int16_t>(LowWord(lParam));
    const int count = ItemCount(record->hwnd);
    for (int i = 1; i <= count; ++i) {
        const RECT r = ItemRect(record->hwnd, i - 1);
        if (r.left + kDividerZone <= x && x <= r.right - kDividerZone)
            return i;
    }
    return 0;
}

void PaintListViewHeader(int formNumber, int listIndex)
{
    if (const SkinHeaderRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::headers))
        PaintHeader(*record);
}

HeaderItemSnapshot TakeHeaderItemSnapshot(const SkinHeaderRecord& record, int item, int count, int margin,
                                          RECT& place)
{
    HWND header = record.hwnd;
    HeaderItemSnapshot s;
    RECT r = ItemRect(header, item);
    s.width = r.right - r.left;
    s.height = r.bottom - r.top;
    s.drawnWidth = s.width;
    s.top = r.top;

    std::vector<char> text(kTextBuffer, '\0');
    HDITEMA info = {};
    info.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
    info.pszText = text.data();
    info.cchTextMax = kTextBuffer;
    if (SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info))) {
        text.back() = '\0';
        s.text = info.pszText ? info.pszText : "";
        s.format = info.fmt;
        if (info.fmt & HDF_IMAGE)
            s.icon = ImageList_GetIcon(record.imageList, info.iImage, ILD_TRANSPARENT);
    }

    // The last item of a list view's header reaches the list view's client edge.
    HWND parent = GetParent(header);
    if (item == count - 1 && GetWindowClassName(parent) == kListViewClass) {
        RECT client = {};
        GetClientRect(parent, &client);
        if (r.right < client.right) {
            s.drawnWidth = client.right - r.left;
            r.right = r.left + s.drawnWidth;
        }
    }
    place = r;
    s.margin = margin;
    s.buttons = record.buttons;
    s.hot = record.hot && record.hotItem == item + 1;
    s.pressed = record.pressedItem == item + 1;
    s.veil = g_veilEnabled;
    s.veilAlpha = g_veilAlpha;
    s.fontFace = record.fontFace;
    s.fontSize = record.fontSize;
    s.fontStyle = record.fontStyle;
    return s;
}

int HeaderContentX(int format, int itemWidth, int iconWidth, int textWidth, int margin)
{
    const bool fits = iconWidth + margin + textWidth < itemWidth;
    if (format & HDF_RIGHT)
        return fits ? itemWidth - iconWidth - textWidth : margin;
    if (format & HDF_CENTER)
        return fits ? (itemWidth - iconWidth - margin - textWidth) / 2 : margin;
    return margin;
}

void DrawHeaderItemFace(GdipGraphics& graphics, const HeaderItemSnapshot& item)
{
    const float w = static_cast<float>(item.width);
    const float h = static_cast<float>(item.height);
    const float d = static_cast<float>(item.drawnWidth);
    const float top = static_cast<float>(item.top);

    FillVeil(graphics, 0, top, d, h, item.veil ? item.veilAlpha : 255);
    GdipPath area;
    area.CreatePath();
    area.AddPathRectangle(0, top, d, h);
    if (item.buttons)
        FillPathGradient(graphics, area,
                         {MakePoint(0, top), MakePoint(0, top + h), MakeArgbColor(kWhite, 80),
                          MakeArgbColor(g_themeColour, 120)});
    else
        FillPathGradient(graphics, area,
                         {MakePoint(0, top), MakePoint(0, top + h), MakeArgbColor(g_themeColour, 60),
                          MakeArgbColor(g_themeColour, 10)});
    if (item.hot && item.buttons)
        FillRectangleGradient(graphics, 0, top, w, h, MakeArgbColor(g_themeColour, 60), MakeArgbColor(kBlack, 30));
    if (item.pressed && item.buttons)
        FillRectangleGradient(graphics, 0, top, w, h, MakeArgbColor(kBlack, 30), MakeArgbColor(kWhite, 120));

    {
        // The separator stays at the item's own right edge, also where the item is drawn wider.
        GdipLinearGradientBrush shade;
        shade.CreateLineBrush(MakePoint(w - 1, top), MakePoint(w - 1, top + h), MakeArgbColor(kBlack, 60),
                              MakeArgbColor(kWhite, 50));
        GdipPen separator;
        separator.CreatePenFromBrush(shade, 1);
        graphics.DrawLine(separator, w - 1, top, w - 1, top + h);
    }
}

void DrawHeaderItemContent(GdipGraphics& graphics, const HeaderItemSnapshot& item, COLORREF textColour)
{
    const float h = static_cast<float>(item.height);
    GdipBitmap icon;
    int iw = 0;
    int ih = 0;
    if (item.icon && icon.CreateBitmapFromHICON(item.icon)) {
        iw = icon.GetImageWidth();
        ih = icon.GetImageHeight();
    }
    const int tw = MeasureTextWidth(item.text, item.fontFace, item.fontSize, item.fontStyle);
    const int x = HeaderContentX(item.format, item.width, iw, tw, item.margin);
    if (iw != 0)
        graphics.DrawImageRectRect(icon, static_cast<float>(x), (h - static_cast<float>(ih)) / 2,
                                   static_cast<float>(iw), static_cast<float>(ih));
    if (item.text.empty())
        return;
    GdipFont font;
    font.CreateFontFromName(item.fontFace, static_cast<float>(item.fontSize), item.fontStyle);
    GdipSolidBrush ink;
    ink.CreateSolidFill(MakeArgbColor(textColour, 255));
    GdipStringFormat format;
    format.CreateStringFormat(0, 0);
    format.SetStringFormatTrimming(kTrimEllipsisCharacter);
    graphics.DrawString(item.text, font, ink,
                        RectF{static_cast<float>(x + iw), 0, static_cast<float>(item.width - iw - 2 * item.margin), h},
                        format);
}

LRESULT CALLBACK ListViewHeaderWndProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinHeaderRecord> own = LookUpOwnRecord(header, &SkinFormRecord::headers);
    if (!own.record)
        return CallPreviousProc(header, message, wParam, lParam);
    SkinHeaderRecord& record = *own.record;
    const WNDPROC previous = record.previousProc;

    switch (message) {
    case WM_NCDESTROY:
        // A list view destroys the image list it handed its header itself (unless it shares it, and
        // then the application does): only a header of its own gives its image list up.
        if (record.imageList && GetWindowClassName(GetParent(header)) != kListViewClass)
            ImageList_Destroy(record.imageList);
        record.imageList = nullptr;
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(header, own, lParam);
        break;
    case WM_MOUSELEAVE:
        own.form->prevHotIndex = 0;
        record.paintedHotItem = 0;
        record.hotItem = 0;
        record.hot = false;
        Repaint(own);
        break;
    case WM_MOVE:
        Repaint(own);
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(header, &ps);
        Repaint(own);
        EndPaint(header, &ps);
        return DefWindowProcA(header, message, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
        record.buttonDown = true;
        if (record.hotItem > 0)
            record.pressedItem = record.hotItem;
        break;
    case WM_LBUTTONUP:
        record.buttonDown = false;
        record.pressedItem = 0;
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, header, message, wParam, lParam);
}
