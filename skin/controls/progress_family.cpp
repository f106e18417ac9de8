#include "skin/controls/progress_family.h"

#include <commctrl.h>

#include <memory>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"

namespace {

constexpr char kProgressClass[] = "msctls_progress32";
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

void AddRound(GdipPath& path, float x, float y, float width, float height, int corner)
{
    path.CreatePath();
    AddRoundRectPath(path, x, y, width, height, corner);
}

SkinProgressRecord* ProgressAt(int formNumber, int listIndex)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    SkinProgressRecord* record = form ? RecordAt(form->progressBars, listIndex) : nullptr;
    return record && IsWindow(record->hwnd) ? record : nullptr;
}

void PaintOwnProgressBar(HWND window)
{
    PaintProgressBar(GetWindowPropNumber(window, kPropHwFormNumber), GetWindowPropNumber(window, kPropHwListIndex));
}

}  // namespace

void SkinProgressBars(int formNumber, HWND parent)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!g_skinChildControls || !form)
        return;
    HWND child = nullptr;
    while ((child = FindWindowExA(parent, child, kProgressClass, nullptr)) != nullptr) {
        if (FindListIndex(form->progressBars, child) > 0)
            continue;
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        auto record = std::make_unique<SkinProgressRecord>();
        record->hwnd = child;
        record->vertical = (style | PBS_VERTICAL) == style;
        RegisterSkinnedControl(formNumber, form->progressBars, std::move(record), ProgressBarWndProc);
    }
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
    GdipPath outline;
    AddRound(outline, 0, 0, w - 1, h - 1, 5);
    StrokePath(graphics, outline, MakeArgbColor(kBlack, 50));
    GdipPath face;
    AddRound(face, 1, 1, w - 2, h - 2, 1);
    const PointF faceEnd = bar.vertical ? PointF{w - 1, 0} : PointF{0, h - 1};
    FillPathGradient(graphics, face, {PointF{0, 0}, faceEnd, MakeArgbColor(kWhite, 160), MakeArgbColor(kBlack, 30)});

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
    AddRound(path, fill.x + 1, fill.y + 1, fill.width - 3, fill.height - 3, 3);
    FillPathGradient(graphics, path, gradient);
    StrokePath(graphics, path, MakeArgbColor(g_themeColour, 150));
}

void PaintProgressBar(int formNumber, int listIndex)
{
    const SkinProgressRecord* record = ProgressAt(formNumber, listIndex);
    if (!record)
        return;
    const HWND window = record->hwnd;
    ProgressSnapshot bar;
    if (!TakeProgressSnapshot(window, bar))
        return;
    HDC memory = CreateBackgroundDC(window, RECT{0, 0, bar.width, bar.height});
    if (!memory)
        return;
    {
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachOpaqueGraphics(graphics, surface, memory);
        DrawProgressFace(graphics, bar);
    }
    BlitToControl(window, memory, false, true);
    HDC dc = GetWindowDC(window);
    BitBlt(dc, 0, 0, bar.width, bar.height, memory, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    ReleaseMemoryDC(memory);
}

LRESULT CALLBACK ProgressBarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!FindOwnRecord(window, &SkinFormRecord::progressBars))
        return CallPreviousProc(window, message, wParam, lParam);
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        PaintOwnProgressBar(window);
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        PaintOwnProgressBar(window);
        EndPaint(window, &ps);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_NCPAINT:
        PaintOwnProgressBar(window);
        return 1;
    default:
        // Mouse moves and leaves go straight on: progress bars take no part in the hover.
        break;
    }
    return CallPreviousProc(window, message, wParam, lParam);
}
