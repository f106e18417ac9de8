#include "skin/controls/trackbar_family.h"

#include <commctrl.h>

#include <memory>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"

namespace {

constexpr char kTrackbarClass[] = "msctls_trackbar32";
constexpr float kSelectedChannel = 4;
constexpr float kHotThumb = 11;
constexpr float kThumb = 6;

int TickModeOf(LONG_PTR style)
{
    if (HasStyleBits(style, TBS_NOTICKS))
        return kTickModeNone;
    if (HasStyleBits(style, TBS_TOP))
        return kTickModeTopOrLeft;
    if (HasStyleBits(style, TBS_BOTH))
        return kTickModeBoth;
    return kTickModeBottomOrRight;
}

void StrokeRectangle(GdipGraphics& graphics, const RectF& r, uint32_t argb)
{
    GdipPath path;
    path.CreatePath();
    path.AddPathRectangle(r.x, r.y, r.width, r.height);
    StrokePath(graphics, path, argb);
}

void DrawThumb(GdipGraphics& graphics, const BarAxes& axes, float along, float across, float size)
{
    GdipPath circle;
    circle.CreatePath();
    const RectF r = axes.Rect(along, across, size, size);
    circle.AddPathEllipse(r.x, r.y, r.width, r.height);
    FillPathSolid(graphics, circle, MakeArgbColor(kWhite, 255));
    FillPathRadial(graphics, circle, MakeArgbColor(kWhite, 32), MakeArgbColor(kBlack, 60));
    StrokePath(graphics, circle, MakeArgbColor(kBlack, 60));
}

void PaintOwnTrackbar(HWND window)
{
    PaintOwnRecord(window, &SkinFormRecord::trackbars, PaintTrackbar);
}

}  // namespace

void SkinTrackbars(int formNumber, HWND parent)
{
    ForEachNewChild(formNumber, parent, kTrackbarClass, &SkinFormRecord::trackbars, [formNumber](HWND child) {
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        auto record = std::make_unique<SkinTrackbarRecord>();
        record->hwnd = child;
        record->vertical = HasStyleBits(style, TBS_VERT);
        record->tickMode = TickModeOf(style);
        record->selectionRange = HasStyleBits(style, TBS_ENABLESELRANGE);
        RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->trackbars, std::move(record), TrackbarWndProc);
    });
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
    const BarAxes axes{bar.vertical};
    if (bar.frameEffect)
        DrawSoftTrough(graphics, static_cast<float>(bar.width), static_cast<float>(bar.height), bar.vertical, 30, 3);

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
    const RectF lane = axes.Rect(start, across, length, thickness);
    MakeRoundRectPath(channel, lane.x, lane.y, lane.width, lane.height, 1);
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
    const SkinTrackbarRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::trackbars);
    TrackbarSnapshot bar;
    if (record && TakeTrackbarSnapshot(record->hwnd, bar))
        PaintOverWholeWindow(record->hwnd, bar.width, bar.height, false,
                             [&](GdipGraphics& graphics) { DrawTrackbarFace(graphics, bar); });
}

LRESULT CALLBACK TrackbarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinTrackbarRecord> own = LookUpOwnRecord(window, &SkinFormRecord::trackbars);
    if (!own.record)
        return CallPreviousProc(window, message, wParam, lParam);
    SkinTrackbarRecord* bar = own.record;
    SkinFormRecord* form = own.form;
    const WNDPROC previous = bar->previousProc;
    LRESULT result = 0;
    if (HandleWholeWindowPaint(window, message, wParam, lParam, PaintOwnTrackbar, result))
        return result;
    switch (message) {
    case WM_MOUSEMOVE:
        if (EnterControlHover(window, *form, own.listIndex, kHoverTrackbars)) {
            bar->hot = true;
            PaintOwnTrackbar(window);
        }
        break;
    case WM_MOUSELEAVE:
        form->prevHotIndex = 0;
        bar->hot = false;
        PaintOwnTrackbar(window);
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
