#include "skin/controls/progress_family.h"

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

constexpr char kProgressClass[] = "msctls_progress32";

void PaintOwnProgressBar(HWND window)
{
    PaintOwnRecord(window, &SkinFormRecord::progressBars, PaintProgressBar);
}

}  // namespace

void SkinProgressBars(int formNumber, HWND parent)
{
    ForEachNewChild(formNumber, parent, kProgressClass, &SkinFormRecord::progressBars, [formNumber](HWND child) {
        auto record = std::make_unique<SkinProgressRecord>();
        record->hwnd = child;
        record->vertical = HasStyleBits(GetWindowLongPtrA(child, GWL_STYLE), PBS_VERTICAL);
        RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->progressBars, std::move(record),
                               ProgressBarWndProc);
    });
}

bool TakeProgressSnapshot(HWND window, ProgressSnapshot& bar)
{
    const SkinProgressRecord* record = FindOwnRecord(window, &SkinFormRecord::progressBars);
    if (!record)
        return false;
    RECT r = {};
    GetWindowRect(window, &r);
    bar.width = r.right - r.left;
    bar.height = r.bottom - r.top;
    bar.vertical = record->vertical;
    bar.position = static_cast<int>(SendMessageA(window, PBM_GETPOS, 0, 0));
    PBRANGE range = {};
    SendMessageA(window, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    bar.low = range.iLow;
    bar.high = range.iHigh;
    return true;
}

void DrawProgressFace(GdipGraphics& graphics, const ProgressSnapshot& bar)
{
    const float w = static_cast<float>(bar.width);
    const float h = static_cast<float>(bar.height);
    DrawSoftTrough(graphics, w, h, bar.vertical, 50, 1);

    // An empty or reversed range has no scale: the trough stands alone.
    const float span = static_cast<float>(bar.high) - static_cast<float>(bar.low);
    if (span <= 0)
        return;
    const float pos = static_cast<float>(bar.position);
    RectF fill;
    LinearGradient gradient;
    gradient.from = MakeArgbColor(kWhite, 90);
    gradient.to = MakeArgbColor(g_themeColour, 255);
    if (bar.vertical) {
        const int length = static_cast<int>(h / span * pos);
        const int top = static_cast<int>(h - h / span * pos);
        fill = RectF{0, static_cast<float>(top), w, static_cast<float>(length)};
        gradient.start = PointF{0, static_cast<float>(top)};
        gradient.end = PointF{w - 1, static_cast<float>(top)};
    } else {
        const int length = static_cast<int>(w / span * pos);
        fill = RectF{0, 0, static_cast<float>(length), h};
        gradient.start = PointF{0, 0};
        gradient.end = PointF{0, h - 1};
    }
    if ((bar.vertical ? fill.height : fill.width) <= 0)
        return;
    GdipPath path;
    MakeRoundRectPath(path, fill.x + 1, fill.y + 1, fill.width - 3, fill.height - 3, 3);
    FillPathGradient(graphics, path, gradient);
    StrokePath(graphics, path, MakeArgbColor(g_themeColour, 150));
}

void PaintProgressBar(int formNumber, int listIndex)
{
    const SkinProgressRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::progressBars);
    ProgressSnapshot bar;
    if (record && TakeProgressSnapshot(record->hwnd, bar))
        PaintOverWholeWindow(record->hwnd, bar.width, bar.height, true,
                             [&](GdipGraphics& graphics) { DrawProgressFace(graphics, bar); });
}

LRESULT CALLBACK ProgressBarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Mouse moves and leaves go straight on: progress bars take no part in the hover.
    LRESULT result = 0;
    if (FindOwnRecord(window, &SkinFormRecord::progressBars) &&
        HandleWholeWindowPaint(window, message, wParam, lParam, PaintOwnProgressBar, result))
        return result;
    return CallPreviousProc(window, message, wParam, lParam);
}
