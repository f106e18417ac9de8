#include "skin/controls/scroll_overlays.h"

#include <cstdint>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/arrow_pictures.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/make_point.h"
#include "skin/controls/message_words.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"

namespace {

constexpr char kOverlayClass[] = "Static";
// Arrow buttons are 15 pixels long, one pixel in from the bar's ends.
constexpr float kArrowLength = 15;
constexpr int kHiddenSize = 10;

// The overlay handle and part rectangles of one direction in the owner's record.
struct OverlayFields {
    HWND* overlay = nullptr;
    ScrollBarParts* parts = nullptr;
};

template <class Record>
OverlayFields FieldsOf(Record* record, bool vertical)
{
    if (!record)
        return {};
    return vertical ? OverlayFields{&record->verticalScrollBar, &record->verticalParts}
                    : OverlayFields{&record->horizontalScrollBar, &record->horizontalParts};
}

bool IsEditOwner(HWND owner)
{
    return GetWindowClassName(owner) == "Edit";
}

// An "Edit" owner has an edit-box record, any other owner a list-type record.
OverlayFields FindOverlayFields(HWND owner, bool isEdit, bool vertical)
{
    if (isEdit)
        return FieldsOf(FindOwnRecord(owner, &SkinFormRecord::edits), vertical);
    return FieldsOf(FindOwnRecord(owner, &SkinFormRecord::listControls), vertical);
}

LONG ObjectIdOf(bool vertical)
{
    return vertical ? OBJID_VSCROLL : OBJID_HSCROLL;
}

bool NativeBarInfo(HWND owner, bool vertical, SCROLLBARINFO& info)
{
    info = {};
    info.cbSize = sizeof(info);
    return GetScrollBarInfo(owner, ObjectIdOf(vertical), &info) != FALSE;
}

// Overlays are placed in their parent's client coordinates: the bar's screen rectangle less the
// origin of the parent's client area (the parent's window rectangle when it has no border).
POINT ParentClientOrigin(HWND owner)
{
    POINT origin = {0, 0};
    ClientToScreen(GetParent(owner), &origin);
    return origin;
}

HWND CreateOverlay(HWND owner, bool visible, bool vertical)
{
    HWND parent = GetParent(owner);
    const POINT origin = ParentClientOrigin(owner);
    SCROLLBARINFO info;
    NativeBarInfo(owner, vertical, info);
    RECT place = {0, 0, kHiddenSize, kHiddenSize};
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_DISABLED;
    if (visible) {
        place = info.rcScrollBar;
        OffsetRect(&place, -origin.x, -origin.y);
        style |= WS_VISIBLE;
    }
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    HWND overlay = CreateWindowExA(0, kOverlayClass, "", style, place.left, place.top, width, height, parent, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    if (!overlay)
        return nullptr;
    SetWindowProp(overlay, kPropOverlayOwner, reinterpret_cast<LONG_PTR>(owner));
    SetWindowProp(overlay, kPropHwFormNumber, FindOwningSkinnedWindow(overlay));
    const LONG_PTR previous = SetWindowLongPtrA(
        overlay, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(vertical ? VScrollOverlayProc : HScrollOverlayProc));
    SetWindowProp(overlay, kPropHwProc, previous);
    SetWindowPos(overlay, HWND_TOP, place.left, place.top, width, height, SWP_NOACTIVATE);
    return overlay;
}

void PaintScrollBar(HWND owner, bool vertical, int hotPart)
{
    const OverlayFields fields = FindOverlayFields(owner, IsEditOwner(owner), vertical);
    if (fields.overlay)
        PaintScrollOverlay(owner, *fields.overlay, vertical, hotPart, *fields.parts);
}

int HitTest(HWND owner, LPARAM lParam, bool vertical)
{
    const OverlayFields fields = FindOverlayFields(owner, IsEditOwner(owner), vertical);
    return fields.overlay ? HitTestScrollOverlay(*fields.overlay, *fields.parts, lParam) : kOverlayHitNone;
}

LRESULT OverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam, bool vertical)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(overlay, &ps);
        PaintScrollBar(GetWindowPropHandle<HWND>(overlay, kPropOverlayOwner), vertical, kOverlayHitNone);
        EndPaint(overlay, &ps);
        return DefWindowProcA(overlay, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // Gone with its parent (or destroyed by anyone else): its owner no longer names it.
        HWND owner = GetWindowPropHandle<HWND>(overlay, kPropOverlayOwner);
        const OverlayFields fields = FindOverlayFields(owner, IsEditOwner(owner), vertical);
        if (fields.overlay && *fields.overlay == overlay)
            *fields.overlay = nullptr;
        RemovePropA(overlay, kPropOverlayOwner);
    }
    return CallPreviousProc(overlay, message, wParam, lParam);
}

bool HasSomethingToScroll(HWND owner, int bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    if (!GetScrollInfo(owner, bar, &info))
        return false;
    return info.nMax - info.nMin + 1 > static_cast<int>(info.nPage);
}

void ShowOverlay(HWND overlay, bool shown, bool raise)
{
    if (!overlay)
        return;
    if (!raise && ((GetWindowLongPtrA(overlay, GWL_STYLE) & WS_VISIBLE) != 0) == shown)
        return;
    ShowWindow(overlay, shown ? SW_SHOWNA : SW_HIDE);
}

void PlaceOverlay(HWND owner, HWND overlay, bool vertical, POINT origin, bool raise)
{
    SCROLLBARINFO info;
    NativeBarInfo(owner, vertical, info);
    const RECT& bar = info.rcScrollBar;
    RECT now = {};
    GetWindowRect(overlay, &now);
    if (!raise && EqualRect(&now, &bar))
        return;
    SetWindowPos(overlay, HWND_TOP, bar.left - origin.x, bar.top - origin.y, bar.right - bar.left,
                 bar.bottom - bar.top, SWP_NOACTIVATE);
}

// Where an arrow button's pieces begin along the bar.
struct ArrowPlaces {
    float button;
    float highlight;
    float pictureBand;  // the 15-pixel band the picture is centred in
};

// One arrow button: the rounded button, its highlight and its picture.
void DrawArrowButton(GdipGraphics& graphics, const ScrollBarSnapshot& bar, const ArrowPlaces& at, bool hot,
                     ArrowPicture picture)
{
    const BarAxes axes{bar.vertical};
    const float d = static_cast<float>(bar.buttonSize);
    GdipPath button;
    const RectF shape = axes.Rect(at.button, 1, kArrowLength, d - 3);
    MakeRoundRectPath(button, shape.x, shape.y, shape.width, shape.height, 5);
    if (hot)
        FillPathGradient(graphics, button,
                         {axes.Point(at.button, 1), axes.Point(at.button, d - 2), MakeArgbColor(kWhite, 100),
                          MakeArgbColor(g_themeColour, 150)});
    StrokePath(graphics, button, MakeArgbColor(kBlack, 60));
    GdipPath highlight;
    const RectF inner = axes.Rect(at.highlight, 2, kArrowLength - 3, d - 5);
    MakeRoundRectPath(highlight, inner.x, inner.y, inner.width, inner.height, 3);
    StrokePath(graphics, highlight, MakeArgbColor(kWhite, 150));

    GdipBitmap image;
    if (!LoadArrowBitmap(picture, image))
        return;
    const float iw = static_cast<float>(image.GetImageWidth());
    const float ih = static_cast<float>(image.GetImageHeight());
    const float along = bar.vertical ? ih : iw;
    const float across = bar.vertical ? iw : ih;
    const PointF place = axes.Point(static_cast<float>(static_cast<int>(at.pictureBand + (kArrowLength - along) / 2)),
                                    static_cast<float>(static_cast<int>((d - across) / 2)));
    graphics.DrawImageRectRect(image, place.x, place.y, iw, ih);
}

}  // namespace

HWND CreateVScrollOverlay(HWND owner, bool visible)
{
    return CreateOverlay(owner, visible, true);
}

HWND CreateHScrollOverlay(HWND owner, bool visible)
{
    return CreateOverlay(owner, visible, false);
}

LRESULT CALLBACK VScrollOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam)
{
    return OverlayProc(overlay, message, wParam, lParam, true);
}

LRESULT CALLBACK HScrollOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam)
{
    return OverlayProc(overlay, message, wParam, lParam, false);
}

void PaintVScrollBar(HWND owner, int hotPart)
{
    PaintScrollBar(owner, true, hotPart);
}

void PaintHScrollBar(HWND owner, int hotPart)
{
    PaintScrollBar(owner, false, hotPart);
}

int HitTestVScrollOverlay(HWND owner, LPARAM lParam)
{
    return HitTest(owner, lParam, true);
}

int HitTestHScrollOverlay(HWND owner, LPARAM lParam)
{
    return HitTest(owner, lParam, false);
}

void SyncScrollOverlays(HWND owner)
{
    const bool isEdit = IsEditOwner(owner);
    const OverlayFields vertical = FindOverlayFields(owner, isEdit, true);
    const OverlayFields horizontal = FindOverlayFields(owner, isEdit, false);
    if (vertical.overlay)
        SyncOverlayWindows(owner, isEdit, *vertical.overlay, *horizontal.overlay);
}

void SyncOverlayWindows(HWND owner, bool isEdit, HWND vertical, HWND horizontal, bool raise)
{
    if (!vertical && !horizontal)
        return;
    const LONG_PTR style = GetWindowLongPtrA(owner, GWL_STYLE);
    const bool hasVertical = (style & WS_VSCROLL) != 0;
    const bool hasHorizontal = (style & WS_HSCROLL) != 0;
    const bool visible = IsWindowVisible(owner) != FALSE;
    if (isEdit) {
        // An Edit keeps its bars disabled while its text fits; the skin shows a bar only where there
        // is something to scroll (the ring covers the disabled one).
        const bool shown = (style & WS_VISIBLE) != 0;
        ShowOverlay(vertical, hasVertical && shown && HasSomethingToScroll(owner, SB_VERT), raise);
        ShowOverlay(horizontal, hasHorizontal && shown && HasSomethingToScroll(owner, SB_HORZ), raise);
    } else {
        // A bar the list no longer has (its rows were cleared) goes too, or it would stay over the
        // empty list and over every page shown in the list's place.
        ShowOverlay(vertical, hasVertical && visible, raise);
        ShowOverlay(horizontal, hasHorizontal && visible, raise);
    }
    if (!visible)
        return;
    const POINT origin = ParentClientOrigin(owner);
    if (vertical)
        PlaceOverlay(owner, vertical, true, origin, raise);
    if (horizontal)
        PlaceOverlay(owner, horizontal, false, origin, raise);
}

bool RaisesOverlays(UINT message, LPARAM lParam)
{
    if (message != WM_WINDOWPOSCHANGED)
        return false;
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    return !position || !(position->flags & SWP_NOZORDER);
}

void PaintScrollOverlay(HWND owner, HWND overlay, bool vertical, int hotPart, ScrollBarParts& parts)
{
    ScrollBarSnapshot bar;
    if (!TakeScrollBarSnapshot(owner, overlay, vertical, hotPart, bar))
        return;
    parts = ScrollBarPartsOf(bar);
    HDC memory = RenderOverBackground(overlay, bar.width, bar.height,
                                      [&](GdipGraphics& graphics) { DrawScrollBarFace(graphics, bar); });
    if (!memory)
        return;
    BlitToControl(overlay, memory);
    HDC dc = GetDC(overlay);
    BitBlt(dc, 0, 0, bar.width, bar.height, memory, 0, 0, SRCCOPY);
    ReleaseDC(overlay, dc);
    ReleaseMemoryDC(memory);
}

int HitTestScrollOverlay(HWND overlay, const ScrollBarParts& parts, LPARAM lParam)
{
    // Without an overlay the parts are measured against an empty rectangle at the origin.
    RECT r = {};
    if (overlay)
        GetWindowRect(overlay, &r);
    const int x = static_cast<int16_t>(LowWord(lParam)) - r.left;
    const int y = static_cast<int16_t>(HighWord(lParam)) - r.top;
    const auto inside = [x, y](const RECT& part) {
        return part.left <= x && x <= part.right && part.top <= y && y <= part.bottom;
    };
    if (inside(parts[kScrollPartFirstArrow]))
        return kOverlayHitFirstArrow;
    if (inside(parts[kScrollPartSecondArrow]))
        return kOverlayHitSecondArrow;
    if (inside(parts[kScrollPartThumb]))
        return kOverlayHitThumb;
    return kOverlayHitNone;
}

void DestroyScrollOverlays(HWND& vertical, HWND& horizontal, HWND owner)
{
    for (HWND* overlay : {&vertical, &horizontal}) {
        HWND window = *overlay;
        *overlay = nullptr;
        if (window && IsWindow(window) && GetWindowPropHandle<HWND>(window, kPropOverlayOwner) == owner)
            DestroyWindow(window);
    }
}

bool TakeScrollBarSnapshot(HWND owner, HWND overlay, bool vertical, int hotPart, ScrollBarSnapshot& bar)
{
    if (!overlay)
        return false;
    RECT r = {};
    GetWindowRect(overlay, &r);
    bar.vertical = vertical;
    bar.width = r.right - r.left;
    bar.height = r.bottom - r.top;
    bar.hotPart = hotPart;
    SCROLLBARINFO info;
    if (!NativeBarInfo(owner, vertical, info)) {
        // No native bar to show: the track and the buttons, no thumb.
        bar.buttonSize = vertical ? bar.width : bar.height;
        bar.available = false;
        return true;
    }
    const RECT& native = info.rcScrollBar;
    bar.buttonSize = vertical ? native.right - native.left : native.bottom - native.top;
    bar.thumbStart = info.xyThumbTop;
    bar.thumbEnd = info.xyThumbBottom;
    bar.available = info.rgstate[0] != STATE_SYSTEM_UNAVAILABLE;
    return true;
}

ScrollBarParts ScrollBarPartsOf(const ScrollBarSnapshot& bar)
{
    const int w = bar.width;
    const int h = bar.height;
    const int d = bar.buttonSize;
    ScrollBarParts parts;
    if (bar.vertical) {
        parts[kScrollPartFirstArrow] = RECT{1, 1, w - 2, 17};
        parts[kScrollPartSecondArrow] = RECT{1, h - 17, w - 2, h - 1};
        parts[kScrollPartThumb] = RECT{1, bar.thumbStart, d + 1, bar.thumbEnd};
    } else {
        parts[kScrollPartFirstArrow] = RECT{1, 1, 17, h - 2};
        parts[kScrollPartSecondArrow] = RECT{w - 17, 1, w - 4, h - 1};
        parts[kScrollPartThumb] = RECT{bar.thumbStart, 1, bar.thumbEnd, d + 1};
    }
    return parts;
}

void DrawScrollBarFace(GdipGraphics& graphics, const ScrollBarSnapshot& bar)
{
    const BarAxes axes{bar.vertical};
    const float w = static_cast<float>(bar.width);
    const float h = static_cast<float>(bar.height);
    const float length = bar.vertical ? h : w;  // along the bar
    const float cross = bar.vertical ? w : h;
    const float d = static_cast<float>(bar.buttonSize);

    GdipPath track;
    track.CreatePath();
    track.AddPathRectangle(0, 0, w, h);
    FillPathGradient(graphics, track,
                     {MakePoint(0, 0), axes.Point(0, cross), MakeArgbColor(g_themeColour, 40),
                      MakeArgbColor(kWhite, 255)});

    if (bar.available) {
        const float t0 = static_cast<float>(bar.thumbStart);
        const float thumbLength = static_cast<float>(bar.thumbEnd - bar.thumbStart);
        GdipPath thumb;
        const RectF shape = axes.Rect(t0, (cross - d) / 2 + 1, thumbLength - 1, d - 3);
        MakeRoundRectPath(thumb, shape.x, shape.y, shape.width, shape.height, 5);
        if (bar.hotPart == kOverlayHitThumb)
            FillPathSolid(graphics, thumb, MakeArgbColor(kWhite, 180));
        const PointF from = axes.Point(t0, 1);
        const PointF to = axes.Point(t0, d - 2);
        FillPathGradient(graphics, thumb, {from, to, MakeArgbColor(kWhite, 150), MakeArgbColor(g_themeColour, 150)});
        FillPathGradient(graphics, thumb, {from, to, MakeArgbColor(kWhite, 0), MakeArgbColor(kWhite, 150)});
        StrokePath(graphics, thumb, MakeArgbColor(kBlack, 100));
    }

    // The first picture is centred in the band from 2, the second in the band from length - 15 of a
    // vertical bar but from length - 17 of a horizontal one.
    DrawArrowButton(graphics, bar, ArrowPlaces{1, 2, 2}, bar.available && bar.hotPart == kOverlayHitFirstArrow,
                    bar.vertical ? ArrowPicture::kUp : ArrowPicture::kLeft);
    DrawArrowButton(graphics, bar, ArrowPlaces{length - 17, length - 15, bar.vertical ? length - 15 : length - 17},
                    bar.available && bar.hotPart == kOverlayHitSecondArrow,
                    bar.vertical ? ArrowPicture::kDown : ArrowPicture::kRight);
}
