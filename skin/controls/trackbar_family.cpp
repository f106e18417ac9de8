#include "skin/controls/trackbar_family.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_path_gradient.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"

namespace {

constexpr char kTrackbarClass[] = "msctls_trackbar32";
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr float kSelectedChannel = 4;
constexpr float kHotThumb = 11;
constexpr float kThumb = 6;

bool Has(LONG_PTR style, LONG_PTR bits)
{
    return (style | bits) == style;
}

int TickModeOf(LONG_PTR style)
{
    if (Has(style, TBS_NOTICKS))
        return kTickModeNone;
    if (Has(style, TBS_TOP))
        return kTickModeTopOrLeft;
    if (Has(style, TBS_BOTH))
        return kTickModeBoth;
    return kTickModeBottomOrRight;
}

// Track-bar geometry runs along the track and across it; a vertical bar swaps the two axes.
struct TrackAxes {
    bool vertical;
    RectF Rect(float along, float across, float length, float thickness) const
    {
        return vertical ? RectF{across, along, thickness, length} : RectF{along, across, length, thickness};
    }
    PointF Point(float along, float across) const
    {
        return vertical ? PointF{across, along} : PointF{along, across};
    }
};

void AddRound(GdipPath& path, const RectF& r, int corner)
{
    path.CreatePath();
    AddRoundRectPath(path, r.x, r.y, r.width, r.height, corner);
}

void StrokeRectangle(GdipGraphics& graphics, const RectF& r, uint32_t argb)
{
    GdipPath path;
    path.CreatePath();
    path.AddPathRectangle(r.x, r.y, r.width, r.height);
    StrokePath(graphics, path, argb);
}

void DrawOuterFrame(GdipGraphics& graphics, const TrackbarSnapshot& bar)
{
    const float w = static_cast<float>(bar.width);
    const float h = static_cast<float>(bar.height);
    GdipPath outer;
    AddRound(outer, RectF{0, 0, w - 1, h - 1}, 5);
    StrokePath(graphics, outer, MakeArgbColor(kBlack, 30));
    GdipPath face;
    AddRound(face, RectF{1, 1, w - 2, h - 2}, 3);
    const PointF end = bar.vertical ? PointF{w - 1, 0} : PointF{0, h - 1};
    FillPathGradient(graphics, face, {PointF{0, 0}, end, MakeArgbColor(kWhite, 160), MakeArgbColor(kBlack, 30)});
}

void DrawThumb(GdipGraphics& graphics, const TrackAxes& axes, float along, float across, float size)
{
    GdipPath circle;
    circle.CreatePath();
    const RectF r = axes.Rect(along, across, size, size);
    circle.AddPathEllipse(r.x, r.y, r.width, r.height);
    FillPathSolid(graphics, circle, MakeArgbColor(kWhite, 255));
    GdipPathGradientBrush shade;
    shade.CreatePathGradientFromPath(circle);
    shade.SetPathGradientCenterColor(MakeArgbColor(kWhite, 32));
    shade.SetPathGradientSurroundColorsWithCount(std::vector<uint32_t>{MakeArgbColor(kBlack, 60)});
    graphics.FillPath(shade, circle);
    StrokePath(graphics, circle, MakeArgbColor(kBlack, 60));
}

SkinTrackbarRecord* TrackbarAt(int formNumber, int listIndex)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    SkinTrackbarRecord* record = form ? RecordAt(form->trackbars, listIndex) : nullptr;
    return record && IsWindow(record->hwnd) ? record : nullptr;
}

void PaintOwnTrackbar(HWND window)
{
    PaintTrackbar(GetWindowPropNumber(window, kPropHwFormNumber), GetWindowPropNumber(window, kPropHwListIndex));
}

}  // namespace

void SkinTrackbars(int formNumber, HWND parent)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!g_skinChildControls || !form)
        return;
    HWND child = nullptr;
    while ((child = FindWindowExA(parent, child, kTrackbarClass, nullptr)) != nullptr) {
        if (FindListIndex(form->trackbars, child) > 0)
            continue;
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        auto record = std::make_unique<SkinTrackbarRecord>();
        record->hwnd = child;
        record->vertical = Has(style, TBS_VERT);
        record->tickMode = TickModeOf(style);
        record->selectionRange = Has(style, TBS_ENABLESELRANGE);
        RegisterSkinnedControl(formNumber, form->trackbars, std::move(record), TrackbarWndProc);
    }
}

bool TakeTrackbarSnapshot(HWND window, TrackbarSnapshot& bar)
{
    const SkinTrackbarRecord* record = FindOwnRecord(window, &SkinFormRecord::trackbars);
    if (!record)
        return false;
    RECT r = {};
    GetWindowRect(window, &r);
    bar.width = r.right - r.left;
    bar.height = r.bottom - r.top;
    bar.vertical = record->vertical;
    bar.tickMode = record->tickMode;
    bar.hot = record->hot;
    bar.selectionRange = record->selectionRange;
    bar.position = static_cast<float>(SendMessageA(window, TBM_GETPOS, 0, 0));
    bar.maximum = static_cast<float>(SendMessageA(window, TBM_GETRANGEMAX, 0, 0));
    SendMessageA(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&bar.channel));
    SendMessageA(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&bar.thumb));
    bar.selectionStart = static_cast<float>(SendMessageA(window, TBM_GETSELSTART, 0, 0));
    bar.selectionEnd = static_cast<float>(SendMessageA(window, TBM_GETSELEND, 0, 0));
    bar.frameEffect = g_trackbarEffect;
    return true;
}

void DrawTrackbarFace(GdipGraphics& graphics, const TrackbarSnapshot& bar)
{
    const TrackAxes axes{bar.vertical};
    if (bar.frameEffect)
        DrawOuterFrame(graphics, bar);

    // The channel: the reported one, or 4 pixels centred in it when the bar shows a selection.
    const float start = static_cast<float>(bar.channel.left);
    const float length = static_cast<float>(bar.channel.right - bar.channel.left);
    float across = static_cast<float>(bar.channel.top);
    float thickness = static_cast<float>(bar.channel.bottom - bar.channel.top);
    if (bar.selectionRange) {
        across += (thickness - kSelectedChannel) / 2;
        thickness = kSelectedChannel;
    }
    GdipPath channel;
    AddRound(channel, axes.Rect(start, across, length, thickness), 1);
    FillPathGradient(graphics, channel,
                     {axes.Point(0, across), axes.Point(0, across + thickness), MakeArgbColor(kBlack, 50),
                      MakeArgbColor(kBlack, 40)});

    // Without a positive maximum there is no scale for the selection.
    if (bar.selectionRange && bar.maximum > 0) {
        const float scale = length / bar.maximum;
        StrokeRectangle(graphics,
                        axes.Rect(start + bar.selectionStart * scale + 1, across + 1,
                                  (bar.selectionEnd - bar.selectionStart) * scale - 3, 1),
                        MakeArgbColor(kWhite, 200));
    }

    const bool atMaximum = bar.position == bar.maximum;
    const float thumbNear = static_cast<float>(bar.vertical ? bar.thumb.top : bar.thumb.left);
    StrokeRectangle(graphics,
                    axes.Rect(start + 1, across + 1, thumbNear - start - 2 + (atMaximum ? 10 : 0), 1),
                    MakeArgbColor(g_themeColour, 200));

    if (bar.hot) {
        float shift = 0;
        if (bar.tickMode == kTickModeTopOrLeft)
            shift = 2;
        else if (bar.tickMode == kTickModeBoth)
            shift = 1;
        DrawThumb(graphics, axes, thumbNear, across - (kHotThumb - 3) / 2 + shift, kHotThumb);
    } else {
        DrawThumb(graphics, axes, thumbNear + (atMaximum ? 8 : 0), across - (kThumb - 3) / 2, kThumb);
    }
}

void PaintTrackbar(int formNumber, int listIndex)
{
    const SkinTrackbarRecord* record = TrackbarAt(formNumber, listIndex);
    if (!record)
        return;
    const HWND window = record->hwnd;
    TrackbarSnapshot bar;
    if (!TakeTrackbarSnapshot(window, bar))
        return;
    HDC memory = CreateBackgroundDC(window, RECT{0, 0, bar.width, bar.height});
    if (!memory)
        return;
    {
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachOpaqueGraphics(graphics, surface, memory);
        DrawTrackbarFace(graphics, bar);
    }
    BlitToControl(window, memory);
    // The picture covers the whole window, border included.
    HDC dc = GetWindowDC(window);
    BitBlt(dc, 0, 0, bar.width, bar.height, memory, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    ReleaseMemoryDC(memory);
}

LRESULT CALLBACK TrackbarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    SkinFormRecord* form = nullptr;
    SkinTrackbarRecord* bar = FindOwnRecord(window, &SkinFormRecord::trackbars, &form);
    if (!bar)
        return CallPreviousProc(window, message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        if (EnterControlHover(window, *form, GetWindowPropNumber(window, kPropHwListIndex), kHoverTrackbars)) {
            bar->hot = true;
            PaintOwnTrackbar(window);
        }
        break;
    case WM_MOUSELEAVE:
        form->prevHotIndex = 0;
        bar->hot = false;
        PaintOwnTrackbar(window);
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        PaintOwnTrackbar(window);
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        PaintOwnTrackbar(window);
        EndPaint(window, &ps);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_NCPAINT:
        PaintOwnTrackbar(window);
        return 1;
    default:
        break;
    }
    return CallPreviousProc(window, message, wParam, lParam);
}
