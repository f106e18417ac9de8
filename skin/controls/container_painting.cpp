#include "skin/controls/container_painting.h"

#include <commctrl.h>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/canvas_backgrounds.h"
#include "skin/controls/container_records.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/focus_mark.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/text_measure.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"

namespace {

constexpr int kTabCorner = 5;
constexpr int kInnerTabCorner = 3;
constexpr int kMeasureTrailingSpaces = 0x800;
constexpr int kDirectionVertical = 0x2;
constexpr int kCaptionInset = 10;

float F(int value)
{
    return static_cast<float>(value);
}

void StrokeRoundRect(GdipGraphics& graphics, int x, int y, int w, int h, int corner, uint32_t argb)
{
    GdipPath path;
    MakeRoundRectPath(path, F(x), F(y), F(w), F(h), corner);
    StrokePath(graphics, path, argb);
}

COLORREF TextColourOf(HWND window)
{
    return static_cast<COLORREF>(GetWindowProp(window, kPropKjTextColour));
}

const SkinContainerRecord* ContainerOfWindow(HWND window, int* formNumber = nullptr)
{
    const OwnRecord<SkinContainerRecord> own = LookUpOwnRecord(window, &SkinFormRecord::containers);
    if (formNumber)
        *formNumber = own.formNumber;
    return own.record;
}

// The selected tab's look on top of its open side needs the container's fill only when the tab
// control is not itself inside a registered container.
bool FillsItsTabs(HWND tabControl, const SkinContainerRecord& record, int formNumber)
{
    return record.fillColour != 0 && !IsContainer(formNumber, GetParent(tabControl));
}

// The path of a tab in its orientation (see PaintTabShapes).
void AddTabShape(GdipPath& path, int orientation, int x, int y, int w, int h, int e)
{
    switch (orientation) {
    case kTabsLeft:
        AddTabOutlineA(path, x, y, w, h, e);
        break;
    case kTabsBottom:
        AddTabOutlineB(path, x, y, w, h, e);
        break;
    case kTabsRight:
        AddRoundedTabOutline(path, x, y, w, h, e);
        break;
    default:
        AddTopRoundedRectPath(path, x, y, w, h, e);
        break;
    }
}

void DrawPlainFrame(HDC memoryDc, int width, int height)
{
    GdipBitmap surface;
    GdipGraphics graphics;
    AttachOpaqueGraphics(graphics, surface, memoryDc);
    StrokeRoundRect(graphics, 0, 0, width - 1, height - 1, kTabCorner, MakeArgbColor(kBlack, 40));
    StrokeRoundRect(graphics, 1, 1, width - 3, height - 3, kInnerTabCorner, MakeArgbColor(kWhite, 100));
}

}  // namespace

int TabOrientation(LONG_PTR style)
{
    if (HasStyleBits(style, TCS_BOTTOM | TCS_VERTICAL))
        return kTabsRight;
    if (HasStyleBits(style, TCS_BOTTOM))
        return kTabsBottom;
    if (HasStyleBits(style, TCS_VERTICAL))
        return kTabsLeft;
    return kTabsTop;
}

void AddTabOutlineA(GdipPath& path, int x, int y, int w, int h, int e)
{
    const float half = F(e) / 2;
    path.AddPathLine(F(x + w), F(y), F(x) + half, F(y));
    path.AddPathLine(F(x), F(y) + half, F(x), F(y + h) - half);
    path.AddPathLine(F(x) + half, F(y + h), F(x + w), F(y + h));
}

void AddTabOutlineB(GdipPath& path, int x, int y, int w, int h, int e)
{
    const float half = F(e) / 2;
    path.AddPathLine(F(x), F(y), F(x), F(y + h) - half);
    path.AddPathLine(F(x) + half, F(y + h), F(x + w) - half, F(y + h));
    path.AddPathLine(F(x + w), F(y + h) - half, F(x + w), F(y));
}

void AddRoundedTabOutline(GdipPath& path, int x, int y, int w, int h, int e)
{
    path.AddPathLine(F(x), F(y), F(x + w - e), F(y));
    path.AddPathArc(F(x + w - e), F(y), F(e), F(e), 270, 90);
    path.AddPathLine(F(x + w), F(y + e), F(x + w), F(y + h - e));
    path.AddPathArc(F(x + w - e - 1), F(y + h - e - 1), F(e + 1), F(e + 1), 0, 90);
    path.AddPathLine(F(x + w - e), F(y + h), F(x), F(y + h));
}

void PaintContainer(int formNumber, int containerIndex)
{
    SkinContainerRecord* record = LiveRecordAt(formNumber, containerIndex, &SkinFormRecord::containers);
    if (!record)
        return;
    HWND window = record->hwnd;
    RECT client = {};
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    HDC memory = CreateBackgroundDC(window, client);
    if (!memory)
        return;
    if (record->kind == kContainerKindGroupBox)
        PaintGroupBox(formNumber, containerIndex, memory);
    else if (GetWindowClassName(window) == "SysTabControl32")
        PaintTabControlStrip(window, memory);
    else if (record->option != 0)
        DrawPlainFrame(memory, width, height);
    BlitToControl(window, memory);
    HDC dc = ExcludeChildrenFromClip(window);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    ReleaseMemoryDC(memory);
    record->backgroundDirty = false;
    record->childrenMoved = false;
    record->clientWidth = width;
    record->clientHeight = height;
}

void PaintGroupBox(int formNumber, int containerIndex, HDC memoryDc)
{
    const SkinContainerRecord* record = LiveRecordAt(formNumber, containerIndex, &SkinFormRecord::containers);
    if (!record)
        return;
    HWND window = record->hwnd;
    RECT client = {};
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    {
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachOpaqueGraphics(graphics, surface, memoryDc);
        StrokeRoundRect(graphics, 0, 5, width - 1, height - 6, kTabCorner, MakeArgbColor(kBlack, 40));
        StrokeRoundRect(graphics, 1, 6, width - 3, height - 8, kInnerTabCorner, MakeArgbColor(kWhite, 90));
    }

    const std::string text = GetWindowTextAsText(window);
    const int textWidth = MeasureTextWidth(text, record->fontFace, record->fontSize, record->fontStyle);
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    float x = F(width - textWidth - kCaptionInset);
    if (HasStyleBits(style, BS_CENTER))
        x = F(width - textWidth) / 2;
    else if (HasStyleBits(style, BS_LEFT))
        x = F(kCaptionInset);
    // The background behind the caption box hides the frame lines there.
    const RECT patch = {static_cast<LONG>(x), 1, static_cast<LONG>(x + F(textWidth)), record->fontSize + 4};
    GdiFlush();
    PaintBackgroundInSkinCanvas(window, memoryDc, patch);

    GdipBitmap surface;
    GdipGraphics graphics;
    AttachOpaqueGraphics(graphics, surface, memoryDc);
    CaptionStyle caption;
    caption.face = record->fontFace;
    caption.size = F(record->fontSize);
    caption.style = record->fontStyle;
    // The caption stands out from what lies behind it, a dark theme's fill included.
    caption.colour = ReadableTextColour(TextColourOf(window), MeanColourOfArea(memoryDc, patch));
    caption.alignment = 1;
    DrawCaption(graphics, text, MakeRect(x, 1, F(textWidth), F(record->fontSize + 3)), caption);
}

namespace {

// What the tabs of one strip paint share, read once: one graphics on the memory context, the caption
// font and the container's settings.
struct TabPaint {
    HWND tabControl = nullptr;
    HDC memoryDc = nullptr;
    const SkinContainerRecord* record = nullptr;
    int orientation = kTabsTop;
    bool fillsTabs = false;
    CaptionStyle caption;
    GdipFont font;
    GdipBitmap surface;  // declared before the graphics, which must go first
    GdipGraphics graphics;
};

bool BeginTabPaint(TabPaint& paint, HWND tabControl, HDC memoryDc, int orientation)
{
    int formNumber = 0;
    paint.record = ContainerOfWindow(tabControl, &formNumber);
    if (!paint.record)
        return false;
    paint.tabControl = tabControl;
    paint.memoryDc = memoryDc;
    paint.orientation = orientation;
    paint.fillsTabs = FillsItsTabs(tabControl, *paint.record, formNumber);
    paint.caption.face = paint.record->fontFace;
    paint.caption.size = F(paint.record->fontSize);
    paint.caption.style = paint.record->fontStyle;
    paint.caption.colour = TextColourOf(tabControl);
    paint.caption.alignment = 1;
    paint.caption.lineAlignment = 1;
    paint.caption.formatFlags =
        orientation == kTabsLeft || orientation == kTabsRight ? kDirectionVertical : kMeasureTrailingSpaces;
    MakeCaptionFont(paint.font, paint.caption);
    AttachOpaqueGraphics(paint.graphics, paint.surface, memoryDc);
    return true;
}

// Draws tab `item` with the paint's graphics and font.
void PaintTab(TabPaint& paint, int item, bool selected)
{
    HWND tabControl = paint.tabControl;
    const int orientation = paint.orientation;
    const SkinContainerRecord* record = paint.record;
    char text[256] = {};
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT | TCIF_IMAGE;
    tab.pszText = text;
    tab.cchTextMax = sizeof(text);
    SendMessageA(tabControl, TCM_GETITEMA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&tab));
    RECT t = {};
    // A header scrolled out of a single row has no rectangle (an empty one at the row's start) or one
    // before the row's start: nothing of it shows, its caption least of all.
    const bool shown =
        SendMessageA(tabControl, TCM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&t)) != 0;
    const bool across = orientation == kTabsTop || orientation == kTabsBottom;
    if (!shown || t.right <= t.left || t.bottom <= t.top || (across ? t.left : t.top) < 0)
        return;
    const int l = t.left;
    const int top = t.top;
    const int w = t.right - t.left;
    const int h = t.bottom - t.top;

    GdipGraphics& graphics = paint.graphics;
    GdipPath shape;
    shape.CreatePath();
    if (orientation == kTabsRight)
        AddTabShape(shape, orientation, l + 1, top, w, h - 1, kTabCorner);
    else
        AddTabShape(shape, orientation, l, top, w - 1, h - 1, kTabCorner);

    const uint32_t theme10 = MakeArgbColor(g_themeColour, 10);
    if (!selected) {
        FillPathSolid(graphics, shape, MakeArgbColor(kWhite, 80));
        LinearGradient gradient;
        const uint32_t white80 = MakeArgbColor(kWhite, 80);
        switch (orientation) {
        case kTabsLeft:
            gradient = {PointF{F(l), F(top)}, PointF{F(l + w), F(top)}, white80, theme10};
            break;
        case kTabsBottom:
            gradient = {PointF{F(l), F(top)}, PointF{F(l), F(top + h)}, theme10, white80};
            break;
        case kTabsRight:
            gradient = {PointF{F(l + 1), F(top)}, PointF{F(l + w - 1), F(top)}, theme10, white80};
            break;
        default:
            gradient = {PointF{F(l), F(top)}, PointF{F(l), F(top + h)}, white80, theme10};
            break;
        }
        if (paint.fillsTabs)
            gradient.from = gradient.to = MakeArgbColor(record->fillColour, record->fillAlpha);
        FillPathGradient(graphics, shape, gradient);
        StrokePath(graphics, shape, MakeArgbColor(kBlack, 70));
    } else {
        const uint32_t white0 = MakeArgbColor(kWhite, 0);
        const uint32_t white200 = MakeArgbColor(kWhite, 200);
        switch (orientation) {
        case kTabsLeft:
            FillPathGradient(graphics, shape,
                             {PointF{F(l), F(top)}, PointF{F(l + w), F(top)}, white200, MakeArgbColor(g_themeColour, 0)});
            break;
        case kTabsBottom:
            FillPathGradient(graphics, shape, {PointF{F(l), F(top)}, PointF{F(l), F(top + h)}, white0, white200});
            break;
        case kTabsRight:
            FillPathGradient(graphics, shape, {PointF{F(l), F(top)}, PointF{F(l + w), F(top)}, white0, white200});
            break;
        default:
            // The selected top tab of a filled container keeps the fill's look.
            if (record->fillColour == 0)
                FillPathGradient(graphics, shape,
                                 {PointF{F(l), F(top)}, PointF{F(l), F(top + h)}, MakeArgbColor(kWhite, 150), white0});
            break;
        }
        StrokePath(graphics, shape, MakeArgbColor(kBlack, 120));
        GdipPath inner;
        inner.CreatePath();
        if (orientation == kTabsTop)
            AddTabShape(inner, orientation, l + 1, top + 1, w - 3, h - 1, kInnerTabCorner);
        else if (orientation == kTabsLeft)
            AddTabShape(inner, orientation, l + 1, top + 1, w - 1, h - 3, kInnerTabCorner);
        else
            AddTabShape(inner, orientation, l + 1, top + 1, w - 3, h - 3, kInnerTabCorner);
        StrokePath(graphics, inner, MakeArgbColor(kWhite, 120));
    }

    // The caption stands out from the tab's face over whatever theme lies behind it.
    graphics.Flush();
    CaptionStyle caption = paint.caption;
    caption.colour = ReadableTextColour(caption.colour, MeanColourOfArea(paint.memoryDc, RECT{l + 2, top + 3, l + w - 2, top + h - 2}));
    DrawCaptionInFont(graphics, text, MakeRect(F(l), F(top + 3), F(w), F(h - 2)), caption, paint.font);
    // The tab the keyboard is on, while the tabs have the focus.
    if (item == static_cast<int>(SendMessageA(tabControl, TCM_GETCURFOCUS, 0, 0)) && GetFocus() == tabControl)
        DrawFocusMark(graphics, F(l + 1), F(top + 1), F(w - 3), F(h - 2), caption.colour);
}

}  // namespace

void PaintTabControlStrip(HWND tabControl, HDC memoryDc)
{
    int formNumber = 0;
    const SkinContainerRecord* record = ContainerOfWindow(tabControl, &formNumber);
    if (!record)
        return;
    RECT client = {};
    GetClientRect(tabControl, &client);
    const int width = client.right;
    const int height = client.bottom;
    const int count = static_cast<int>(SendMessageA(tabControl, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageA(tabControl, TCM_GETCURSEL, 0, 0));
    const int rows = static_cast<int>(SendMessageA(tabControl, TCM_GETROWCOUNT, 0, 0));
    RECT s = {};
    if (selected >= 0)
        SendMessageA(tabControl, TCM_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&s));
    const int sw = s.right - s.left;
    const int sh = s.bottom - s.top;
    const int orientation = TabOrientation(GetWindowLongPtrA(tabControl, GWL_STYLE));

    RECT page = {0, 0, width, height};
    RECT junction = {};
    switch (orientation) {
    case kTabsLeft:
        page.left = sw * rows + 1;
        junction = {s.right - 1, s.top + 1, s.right + 2, s.bottom - 1};
        break;
    case kTabsRight:
        page.right = width - sw * rows - 1;
        junction = {s.left - 1, s.top + 1, s.left + 2, s.bottom - 1};
        break;
    case kTabsBottom:
        page.bottom = height - sh * rows - 1;
        junction = {s.left + 1, s.top - 1, s.right - 1, s.top + 1};
        break;
    default:
        page.top = sh * rows + 1;
        junction = {s.left + 1, s.bottom - 1, s.right - 1, s.bottom + 2};
        break;
    }
    {
        TabPaint paint;
        if (!BeginTabPaint(paint, tabControl, memoryDc, orientation))
            return;
        const int pw = page.right - page.left;
        const int ph = page.bottom - page.top;
        StrokeRoundRect(paint.graphics, page.left, page.top, pw - 1, ph - 1, kTabCorner, MakeArgbColor(kBlack, 80));
        StrokeRoundRect(paint.graphics, page.left + 1, page.top + 1, pw - 3, ph - 3, kTabCorner,
                        MakeArgbColor(kWhite, 120));
        for (int n = 0; n < count; ++n)
            PaintTab(paint, n, n == selected);
    }

    // With no tab selected there is no junction to patch.
    const int jw = junction.right - junction.left;
    const int jh = junction.bottom - junction.top;
    if (selected < 0 || jw <= 0 || jh <= 0)
        return;
    HDC patch = CreateBackgroundDC(tabControl, junction);
    if (!patch)
        return;
    if (FillsItsTabs(tabControl, *record, formNumber) && (orientation == kTabsTop || orientation == kTabsLeft)) {
        GdipGraphics graphics;
        graphics.CreateFromHDC(patch);
        GdipPath path;
        path.CreatePath();
        path.AddPathRectangle(0, 0, F(jw), F(jh));
        FillPathSolid(graphics, path, MakeArgbColor(record->fillColour, record->fillAlpha));
    }
    GdiFlush();
    BitBlt(memoryDc, junction.left, junction.top, jw, jh, patch, 0, 0, SRCCOPY);
    ReleaseMemoryDC(patch);
}

void PaintTabShapes(HWND tabControl, HDC memoryDc, int item, bool selected, int orientation)
{
    TabPaint paint;
    if (BeginTabPaint(paint, tabControl, memoryDc, orientation))
        PaintTab(paint, item, selected);
}
