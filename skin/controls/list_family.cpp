#include "skin/controls/list_family.h"

#include <commctrl.h>

#include <memory>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_pen.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_styles.h"
#include "skin/controls/back_buffer_copies.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/scroll_overlays.h"
#include "skin/controls/veiled_background.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"
#include "skin/core/window_rects.h"
#include "skin/core/mouse_tracking.h"

namespace {

constexpr char kListBoxClass[] = "ListBox";
constexpr char kComboClass[] = "ComboBox";
constexpr char kComboListClass[] = "ComboLBox";
constexpr char kListViewClass[] = "SysListView32";
constexpr char kTreeViewClass[] = "SysTreeView32";
constexpr char kAddressClass[] = "SysIPAddress32";
constexpr char kDatePickerClass[] = "SysDateTimePick32";
constexpr COLORREF kKey = 0xFF00FF;
constexpr int kCombineReplace = 0;
constexpr int kCombineXor = 3;
// The message the host's message loop sends a control during keyboard navigation; ours sends none,
// so arrow keys do its work themselves (see WM_KEYDOWN).
constexpr UINT kNavigationMessage = WM_APP + 2;

bool IsArrowKey(WPARAM key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

void RegisterList(int formNumber, HWND control, bool withOverlays)
{
    auto record = std::make_unique<SkinListControlRecord>();
    record->hwnd = control;
    if (withOverlays) {
        const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
        const bool visible = (style & WS_VISIBLE) != 0;
        record->verticalScrollBar = CreateVScrollOverlay(control, visible && (style & WS_VSCROLL));
        record->horizontalScrollBar = CreateHScrollOverlay(control, visible && (style & WS_HSCROLL));
    }
    record->dirty = true;
    RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->listControls, std::move(record), ListControlWndProc);
}

// The list of each simple combo box of the parent, unless the application draws it with fixed height.
void RegisterComboLists(int formNumber, HWND parent)
{
    HWND combo = nullptr;
    while ((combo = FindWindowExA(parent, combo, kComboClass, nullptr)) != nullptr) {
        HWND list = FindWindowExA(combo, nullptr, kComboListClass, nullptr);
        const SkinFormRecord* form = SkinFormAt(formNumber);
        if (!list || !form || FindListIndex(form->listControls, list) != 0)
            continue;
        if (!HasStyleBits(GetWindowLongPtrA(list, GWL_STYLE), LBS_OWNERDRAWFIXED))
            RegisterList(formNumber, list, false);
    }
}

bool SameOverlayState(const OverlayState& a, const OverlayState& b)
{
    return a.painted == b.painted && EqualRect(&a.place, &b.place) && a.minimum == b.minimum &&
           a.maximum == b.maximum && a.page == b.page && a.position == b.position && a.theme == b.theme &&
           a.framePaints == b.framePaints;
}

OverlayState CurrentOverlayState(HWND control, HWND overlay, bool vertical, const SkinFormRecord* form)
{
    OverlayState state;
    state.painted = true;
    GetWindowRect(overlay, &state.place);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (GetScrollInfo(control, vertical ? SB_VERT : SB_HORZ, &info)) {
        state.minimum = info.nMin;
        state.maximum = info.nMax;
        state.page = static_cast<int>(info.nPage);
        state.position = info.nPos;
    }
    state.theme = g_themeColour;
    state.framePaints = form ? form->framePaints : 0;
    return state;
}

// One direction's overlay, shown, of a scroll style the control has; 0 otherwise.
HWND ShownOverlay(const SkinListControlRecord& record, LONG_PTR style, bool vertical)
{
    HWND overlay = vertical ? record.verticalScrollBar : record.horizontalScrollBar;
    const LONG_PTR bit = vertical ? WS_VSCROLL : WS_HSCROLL;
    return overlay && (style & bit) && IsWindowVisible(overlay) ? overlay : nullptr;
}

// Paints the shown overlays of the directions asked for, no part hot, when what they show is out of
// date: the native bar draws itself over its overlay whenever its range, page or position change (and
// at every WM_NCPAINT, which passes `drawnOver`), and a moved overlay or a new frame behind it needs a
// new picture. Otherwise the overlay keeps the picture it has: painting one costs a memory context, the
// GDI+ layers and two decoded arrow pictures, and the list paints at every row it gets.
void RepaintOverlaysWhereDue(SkinListControlRecord& record, const SkinFormRecord* form, bool drawnOver,
                             bool vertical = true, bool horizontal = true)
{
    const LONG_PTR style = GetWindowLongPtrA(record.hwnd, GWL_STYLE);
    for (const bool isVertical : {true, false}) {
        if (!(isVertical ? vertical : horizontal))
            continue;
        HWND overlay = ShownOverlay(record, style, isVertical);
        if (!overlay)
            continue;
        OverlayState& shown = isVertical ? record.verticalShown : record.horizontalShown;
        const OverlayState now = CurrentOverlayState(record.hwnd, overlay, isVertical, form);
        if (!drawnOver && SameOverlayState(now, shown))
            continue;
        PaintScrollOverlay(record.hwnd, overlay, isVertical, kOverlayHitNone,
                           isVertical ? record.verticalParts : record.horizontalParts);
        shown = now;
    }
}

// The parts of the ring that shown overlays cover, in the control's window coordinates.
std::vector<RECT> CoveredByOverlays(const SkinListControlRecord& record)
{
    std::vector<RECT> covered;
    RECT window = {};
    GetWindowRect(record.hwnd, &window);
    for (HWND overlay : {record.verticalScrollBar, record.horizontalScrollBar}) {
        if (!overlay || !IsWindowVisible(overlay))
            continue;
        RECT r = {};
        GetWindowRect(overlay, &r);
        OffsetRect(&r, -window.left, -window.top);
        covered.push_back(r);
    }
    return covered;
}

ListRingState CurrentRingState(const SkinListControlRecord& record, const ListFrameSnapshot& frame,
                               const SkinFormRecord* form)
{
    ListRingState state;
    state.painted = true;
    GetWindowRect(record.hwnd, &state.place);
    state.client = frame.client;
    state.hot = frame.hot;
    state.focused = frame.focused;
    state.veil = frame.veil;
    state.frameEffect = frame.frameEffect;
    state.veilAlpha = frame.veilAlpha;
    state.theme = g_themeColour;
    state.framePaints = form ? form->framePaints : 0;
    return state;
}

bool SameRingState(const ListRingState& a, const ListRingState& b)
{
    return a.painted == b.painted && EqualRect(&a.place, &b.place) && EqualRect(&a.client, &b.client) &&
           a.hot == b.hot && a.focused == b.focused && a.veil == b.veil && a.frameEffect == b.frameEffect &&
           a.veilAlpha == b.veilAlpha && a.theme == b.theme && a.framePaints == b.framePaints;
}

// When the ring is painted and how it leaves the overlays.
enum class RingPaint {
    kAlways,       // a new look (hover, focus) or a ring that may have been drawn over
    kWhenChanged,  // a client paint: the ring keeps its pixels unless its place, looks or background changed
    kOverBars,     // after the native frame and bars were drawn (WM_NCPAINT): the overlays too
};

// The ring holds the native bars' places: it is painted around the shown overlays, which keep their
// pictures unless those are out of date (see RepaintOverlaysWhereDue). A list paints at every row it
// gets; the ring, the overlay and the rows each cost a few milliseconds under Wine.
void PaintFrameOf(SkinListControlRecord& record, const SkinFormRecord* form, std::optional<bool> hot = std::nullopt,
                  std::optional<bool> focused = std::nullopt, RingPaint when = RingPaint::kAlways)
{
    const ListFrameSnapshot frame = TakeListFrameSnapshot(record, hot, focused);
    // A wholly keyed picture would change nothing anywhere.
    if (frame.keyedWhole)
        return;
    const ListRingState now = CurrentRingState(record, frame, form);
    if (when != RingPaint::kWhenChanged || !SameRingState(now, record.ringShown)) {
        // The client hole is keyed: only the ring reaches the screen and the back buffer.
        PaintNonClientRing(
            record.hwnd, frame.width, frame.height, frame.client,
            [&](GdipGraphics& graphics) { DrawListFrameFace(graphics, frame); }, CoveredByOverlays(record));
        record.ringShown = now;
    }
    RepaintOverlaysWhereDue(record, form, when == RingPaint::kOverBars);
}

void SyncOwnOverlays(const SkinListControlRecord& record, bool raise)
{
    SyncOverlayWindows(record.hwnd, false, record.verticalScrollBar, record.horizontalScrollBar, raise);
}

// The ring as the frame painter last left it, from the back buffer.
void CopyFrameFromBackBuffer(const SkinListControlRecord& record)
{
    const ListFrameSnapshot frame = TakeListFrameSnapshot(record, std::nullopt, std::nullopt);
    if (!frame.keyedWhole)
        BlitRingFromBackBuffer(record.hwnd, frame.width, frame.height, frame.client);
}

LRESULT Erase(HWND control, const SkinListControlRecord& record, WPARAM wParam, LPARAM lParam)
{
    if (!g_veilEnabled)
        return CallRecordedProc(record.previousProc, control, WM_ERASEBKGND, wParam, lParam);
    const std::string className = GetWindowClassName(control);
    const bool ownerDraw = IsOwnerDrawListBox(control);
    if (!ownerDraw && (className == kTreeViewClass || className == kListViewClass || className == kListBoxClass)) {
        // The paint renders the background.
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    }
    if (!ownerDraw && className != kComboListClass)
        return EraseWithTextColour(control, wParam);
    return CallRecordedProc(record.previousProc, control, WM_ERASEBKGND, wParam, lParam);
}

// The control's visible children (a list view's header) left out of a context of its client area:
// they paint themselves. ExcludeChildrenFromClip clamps to a known client size, which a list control
// has not, and would leave them in.
HDC ExcludeOwnChildren(HWND control, HDC dc)
{
    HWND child = nullptr;
    while ((child = FindWindowExA(control, child, nullptr, nullptr)) != nullptr) {
        if (!IsWindowVisible(child))
            continue;
        const RECT r = GetRectInAncestorClient(child);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return dc;
}

// The tree draws itself, its background the key colour, into a scratch context; what it drew is laid
// over the veiled background.
void PaintTree(HWND control, SkinListControlRecord& record, LPARAM lParam)
{
    RECT rc = {};
    GetClientRect(control, &rc);
    HDC scratch = CreateBackgroundDC(control, rc);
    HDC veiled = MakeVeiledBackgroundDc(control);
    if (scratch && veiled) {
        CallRecordedProc(record.previousProc, control, WM_PAINT, reinterpret_cast<WPARAM>(scratch), lParam);
        KeyedCopy(veiled, 0, 0, rc.right, rc.bottom, scratch, 0, 0, kKey);
        HDC screen = ExcludeOwnChildren(control, GetDC(control));
        BitBlt(screen, 0, 0, rc.right, rc.bottom, veiled, 0, 0, SRCCOPY);
        BlitToControl(control, veiled);
        ReleaseDC(control, screen);
        record.dirty = false;
    }
    ReleaseMemoryDC(scratch);
    ReleaseMemoryDC(veiled);
}

// A list view's rows in its own colour while that stands out from the veil, else in black or white:
// a dark theme's veil leaves black rows unreadable.
void KeepRowTextReadable(HWND control, SkinListControlRecord& record, HDC veiled)
{
    if (GetWindowClassName(control) != kListViewClass)
        return;
    if (record.wantedTextColour == CLR_INVALID)
        record.wantedTextColour =
            static_cast<COLORREF>(CallRecordedProc(record.previousProc, control, LVM_GETTEXTCOLOR, 0, 0));
    const COLORREF readable = ReadableTextColour(record.wantedTextColour, MeanColourOf(veiled));
    if (static_cast<COLORREF>(CallRecordedProc(record.previousProc, control, LVM_GETTEXTCOLOR, 0, 0)) != readable)
        CallRecordedProc(record.previousProc, control, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(readable));
}

// The control draws its items over the veiled background.
void PaintOverVeil(HWND control, SkinListControlRecord& record, LPARAM lParam)
{
    RECT rc = {};
    GetClientRect(control, &rc);
    HDC veiled = MakeVeiledBackgroundDc(control);
    if (!veiled)
        return;
    KeepRowTextReadable(control, record, veiled);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(control, &ps);
    CallRecordedProc(record.previousProc, control, WM_PAINT, reinterpret_cast<WPARAM>(veiled), lParam);
    // The children (a list view's header) keep what they show: repainting them over the picture
    // would cost each list paint a header paint.
    BitBlt(ExcludeOwnChildren(control, dc), 0, 0, rc.right, rc.bottom, veiled, 0, 0, SRCCOPY);
    BlitToControl(control, veiled);
    EndPaint(control, &ps);
    ReleaseMemoryDC(veiled);
    record.dirty = false;
}

LRESULT Paint(HWND control, SkinListControlRecord& record, const SkinFormRecord& form, WPARAM wParam, LPARAM lParam)
{
    SyncOwnOverlays(record, false);
    // Only while the form is dragged, and the mouse has not rested on the control, does the last
    // picture stand in, its frame included.
    if (!(form.moving && !record.hoverSeen))
        record.dirty = true;
    const std::string className = GetWindowClassName(control);
    const ListPaintWay way = ChooseListPaintWay(className, g_veilEnabled, record.dirty);
    if (way == ListPaintWay::kBackBuffer)
        CopyFrameFromBackBuffer(record);
    else
        PaintFrameOf(record, &form, std::nullopt, std::nullopt, RingPaint::kWhenChanged);
    switch (way) {
    case ListPaintWay::kTree:
        PaintTree(control, record, lParam);
        return DefWindowProcA(control, WM_PAINT, wParam, lParam);
    case ListPaintWay::kVeiled:
        // A restored form refreshes its list views at its own next paint.
        if (className == kListViewClass && form.restorePending)
            return DefWindowProcA(control, WM_PAINT, wParam, lParam);
        PaintOverVeil(control, record, lParam);
        return DefWindowProcA(control, WM_PAINT, 0, lParam);
    case ListPaintWay::kNative:
        return CallRecordedProc(record.previousProc, control, WM_PAINT, wParam, lParam);
    case ListPaintWay::kBackBuffer:
    default:
        BlitFormBackground(control);
        return DefWindowProcA(control, WM_PAINT, wParam, lParam);
    }
}

void OnMouseMove(HWND control, SkinListControlRecord& record, SkinFormRecord& form, int listIndex)
{
    if (!record.hoverSeen)
        TrackMouseHoverAndLeave(control, 0);
    form.hotIndex = listIndex;
    if (form.prevHotIndex != form.hotIndex || form.hoverKind != kHoverListControls) {
        record.hot = true;
        PaintFrameOf(record, &form, true);
        form.prevHotIndex = form.hotIndex;
        form.hoverKind = kHoverListControls;
    }
}

// The control's client area, not its children: the paints leave a list view's header alone, and the
// header need not paint again for every list paint.
void InvalidateList(HWND control, bool erase)
{
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | (erase ? RDW_ERASE : 0));
}

void InvalidateWhenVeiled(HWND control)
{
    if (g_veilEnabled)
        InvalidateList(control, true);
}

}  // namespace

ListPaintWay ChooseListPaintWay(const std::string& className, bool veil, bool dirty)
{
    if (!dirty)
        return ListPaintWay::kBackBuffer;
    if (!veil)
        return ListPaintWay::kNative;
    if (className == kTreeViewClass)
        return ListPaintWay::kTree;
    if (className == kListViewClass || className == kListBoxClass || className == kDatePickerClass)
        return ListPaintWay::kVeiled;
    return ListPaintWay::kNative;
}

void SkinListControls(int formNumber, HWND parent)
{
    const auto withOverlays = [formNumber](HWND control) { RegisterList(formNumber, control, true); };
    const auto plain = [formNumber](HWND control) { RegisterList(formNumber, control, false); };
    ForEachNewChild(formNumber, parent, kListBoxClass, &SkinFormRecord::listControls, withOverlays);
    if (g_skinChildControls)
        RegisterComboLists(formNumber, parent);
    ForEachNewChild(formNumber, parent, kListViewClass, &SkinFormRecord::listControls, [&](HWND view) {
        if (HasStyleBits(GetWindowLongPtrA(view, GWL_STYLE), LVS_SORTASCENDING))
            return;
        // Item texts go straight onto the veiled background.
        if (g_veilEnabled)
            SendMessageA(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
        withOverlays(view);
    });
    ForEachNewChild(formNumber, parent, kTreeViewClass, &SkinFormRecord::listControls, [&](HWND tree) {
        if (g_veilEnabled)
            SendMessageA(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kKey));
        withOverlays(tree);
    });
    ForEachNewChild(formNumber, parent, kAddressClass, &SkinFormRecord::listControls, plain);
    ForEachNewChild(formNumber, parent, kDatePickerClass, &SkinFormRecord::listControls, plain);
}

ListFrameSnapshot TakeListFrameSnapshot(const SkinListControlRecord& record, std::optional<bool> hot,
                                        std::optional<bool> focused)
{
    ListFrameSnapshot frame;
    RECT r = {};
    GetWindowRect(record.hwnd, &r);
    frame.width = r.right - r.left;
    frame.height = r.bottom - r.top;
    frame.client = GetEditNonClientOffsets(record.hwnd);
    frame.keyedWhole =
        GetWindowClassName(record.hwnd) == kComboListClass || GetBorderKind(record.hwnd) == kBorderNone;
    frame.hot = hot.value_or(record.hot);
    frame.focused = focused.value_or(record.focused);
    frame.veil = g_veilEnabled;
    frame.veilAlpha = g_veilAlpha;
    frame.frameEffect = g_listFrameEffect;
    return frame;
}

void DrawListFrameFace(GdipGraphics& graphics, const ListFrameSnapshot& frame)
{
    if (frame.keyedWhole) {
        graphics.GraphicsClear(MakeArgbColor(kKey, 255));
        return;
    }
    const float w = static_cast<float>(frame.width);
    const float h = static_cast<float>(frame.height);
    const RECT& c = frame.client;
    const float cx = static_cast<float>(c.left);
    const float cy = static_cast<float>(c.top);
    const float cw = static_cast<float>(c.right - c.left);
    const float ch = static_cast<float>(c.bottom - c.top);
    graphics.SetClipRect(0, 0, w, h, kCombineReplace);
    graphics.SetClipRect(cx, cy, cw, ch, kCombineXor);
    if (frame.veil) {
        FillVeil(graphics, 0, 0, w, h, frame.veilAlpha);
    } else {
        graphics.GraphicsClear(MakeArgbColor(kWhite, 255));
    }
    graphics.SetClipRect(cx, cy, cw, ch, kCombineReplace);
    graphics.GraphicsClear(MakeArgbColor(kKey, 255));
    graphics.ResetClip();

    GdipPen pen;
    if (frame.hot && frame.frameEffect) {
        pen.CreatePen(MakeArgbColor(g_themeColour, 200), 2);
        graphics.DrawRectangle(pen, 1, 1, w - 2, h - 2);
    } else if (!frame.hot && !frame.focused) {
        pen.CreatePen(MakeArgbColor(kBlack, 90), 1);
        graphics.DrawRectangle(pen, 0, 0, w - 1, h - 1);
    } else {
        pen.CreatePen(MakeArgbColor(g_themeColour, 200), 1);
        graphics.DrawRectangle(pen, 0, 0, w - 1, h - 1);
    }
}

void PaintListControlFrame(int formNumber, int listIndex, std::optional<bool> hot, std::optional<bool> focused)
{
    if (SkinListControlRecord* record = LiveRecordAt(formNumber, listIndex, &SkinFormRecord::listControls))
        PaintFrameOf(*record, SkinFormAt(formNumber), hot, focused);
}

namespace {

// The list-view messages that read or change items (LVM_*) are none of the skin's business: they go
// straight to the list's previous procedure (filling a list sends about ten of them a row).
bool IsListItemMessage(UINT message)
{
    return message >= LVM_FIRST && message < LVM_FIRST + 0x100;
}

}  // namespace

LRESULT CALLBACK ListControlWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinListControlRecord> own = LookUpOwnRecord(control, &SkinFormRecord::listControls);
    if (!own.record)
        return CallPreviousProc(control, message, wParam, lParam);
    SkinListControlRecord& record = *own.record;
    const WNDPROC previous = record.previousProc;
    const auto pass = [&] { return CallRecordedProc(previous, control, message, wParam, lParam); };
    if (message == LVM_SETTEXTCOLOR) {
        // The colour asked for; the paint decides what the rows show.
        record.wantedTextColour = static_cast<COLORREF>(lParam);
        record.dirty = true;
    }
    if (IsListItemMessage(message))
        return pass();

    switch (message) {
    case WM_NCDESTROY:
        DestroyScrollOverlays(record.verticalScrollBar, record.horizontalScrollBar, control);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(control, record, *own.form, own.listIndex);
        break;
    case WM_MOUSEHOVER:
        record.hoverSeen = true;
        break;
    case WM_MOUSELEAVE:
        record.hoverSeen = false;
        own.form->prevHotIndex = 0;
        record.hot = false;
        PaintFrameOf(record, own.form, false);
        break;
    case WM_SHOWWINDOW:
        SyncOwnOverlays(record, true);
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(control);
        break;
    case WM_MOVE:
        InvalidateWhenVeiled(control);
        break;
    case WM_WINDOWPOSCHANGED:
    case WM_GETMINMAXINFO:
        SyncOwnOverlays(record, RaisesOverlays(message, lParam));
        record.dirty = true;
        break;
    case WM_ERASEBKGND:
        return Erase(control, record, wParam, lParam);
    case WM_PAINT:
        return Paint(control, record, *own.form, wParam, lParam);
    case WM_SETFOCUS:
        record.focused = true;
        PaintFrameOf(record, own.form);
        break;
    case WM_KILLFOCUS:
        record.focused = false;
        PaintFrameOf(record, own.form);
        break;
    case WM_SETTEXT:
        record.dirty = true;
        break;
    case WM_NCPAINT:
        // The native border and bars first, then the skin's ring and the shown overlays over them.
        DefWindowProcA(control, WM_NCPAINT, wParam, lParam);
        PaintFrameOf(record, own.form, std::nullopt, std::nullopt, RingPaint::kOverBars);
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL: {
        record.dirty = true;
        InvalidateWhenVeiled(control);
        const LRESULT result = pass();
        RepaintOverlaysWhereDue(record, own.form, true, message != WM_HSCROLL, message != WM_VSCROLL);
        return result;
    }
    case WM_KEYDOWN:
        record.dirty = true;
        if (IsArrowKey(wParam)) {
            record.arrowKeyDown = true;
            RepaintOverlaysWhereDue(record, own.form, true);
            // What the host's navigation message would do before each queued key: the whole list is
            // drawn afresh over the veil at the next paint.
            if (g_veilEnabled)
                InvalidateList(control, false);
        }
        break;
    case WM_KEYUP:
        record.dirty = true;
        record.arrowKeyDown = false;
        break;
    case kNavigationMessage:
        if (g_veilEnabled && record.arrowKeyDown) {
            record.dirty = true;
            InvalidateList(control, false);
        }
        break;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTVSCROLL || wParam == HTHSCROLL)
            RepaintOverlaysWhereDue(record, own.form, true, wParam == HTVSCROLL, wParam == HTHSCROLL);
        break;
    case WM_NCMOUSEMOVE:
        if (wParam == HTVSCROLL || wParam == HTHSCROLL) {
            HighlightScrollOverlays(control, record, GetWindowLongPtrA(control, GWL_STYLE), lParam,
                                    wParam == HTVSCROLL, wParam == HTHSCROLL);
            // The next ring paint puts the plain picture back.
            record.verticalShown.painted = record.horizontalShown.painted = false;
        }
        break;
    default:
        break;
    }
    return pass();
}
