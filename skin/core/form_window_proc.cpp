#include "skin/core/form_window_proc.h"

#include "gdiplus/gdip_graphics.h"
#include "skin/controls/control_colour_brushes.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_styles.h"
#include "skin/controls/draw_item.h"
#include "skin/controls/form_repaint.h"
#include "skin/core/attached_pages.h"
#include "skin/core/caption_title.h"
#include "skin/core/drawing_core.h"
#include "skin/core/engine_startup.h"
#include "skin/core/form_caption_mouse.h"
#include "skin/core/form_notifications.h"
#include "skin/core/form_release.h"
#include "skin/core/frame_hit_testing.h"
#include "skin/core/frame_layout.h"
#include "skin/core/frame_painting.h"
#include "skin/core/layered_windows.h"
#include "skin/core/skin_menus.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/working_set_trim.h"

namespace {

void OnShowWindow(SkinFormRecord& form, int n, WPARAM shown)
{
    if (shown == 1 && !form.wasHidden) {
        // The first show paints the frame at once.
        PAINTSTRUCT ps;
        BeginPaint(form.hwnd, &ps);
        PaintFormFrame(n, true);
        EndPaint(form.hwnd, &ps);
        form.justShown = true;
        form.needsFullRepaint = false;
        form.wasHidden = false;
    } else {
        form.wasHidden = true;
        form.justShown = false;
    }
}

LRESULT OnEraseBackground(SkinFormRecord& form, HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    // While the new frame is not painted yet, the old picture stands in, once between two rebuilds.
    if (form.needsFullRepaint && !form.sizing && form.backBufferDc && !form.justShown && !form.backgroundErased) {
        BlitFormBackground(form.hwnd, false, true);
        form.backgroundErased = true;
    }
    return 1;
}

LRESULT OnPaint(SkinFormRecord& form, int n, WPARAM wParam, LPARAM lParam)
{
    const HWND window = form.hwnd;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (form.minimized) {
        form.needsFullRepaint = false;
    } else if (form.needsFullRepaint) {
        PaintFormFrame(n, true);
        if (form.restorePending) {
            form.restorePending = false;
            RefreshListViews(window);
        }
        form.backgroundErased = false;
        form.justShown = false;
    } else {
        BlitFrameBuffer(n, dc);
        InvalidateTransparentChildren(window);
        form.needsFullRepaint = false;
    }
    EndPaint(window, &ps);
    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

void OnWindowPosChanged(SkinFormRecord& form, int n)
{
    RECT client = {};
    GetClientRect(form.hwnd, &client);
    if (form.hasMaximizeButton && client.right == GetSystemMetrics(SM_CXSCREEN) &&
        client.bottom == GetSystemMetrics(SM_CYSCREEN)) {
        // The system stretched the form over the whole screen: leave the taskbar free.
        form.maximized = true;
        const SIZE area = MaximizedFormSize(false);
        SetWindowPos(form.hwnd, nullptr, 0, 0, area.cx, area.cy, SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
    LayoutCaptionButtons(n);
    if (SkinFormRecord* again = SkinFormAt(n); again && again->statusHeight > 0)
        RelayoutStatusBand(n);
}

// The maximise button's glyph and tip follow the window's state, however it was reached (caption
// button, caption double-click, system menu, keyboard).
void FollowWindowState(SkinFormRecord& form, WPARAM sizeKind)
{
    if (sizeKind != SIZE_MAXIMIZED && sizeKind != SIZE_RESTORED)
        return;
    if (sizeKind == SIZE_RESTORED && form.maximized) {
        // A form the system stretched over the screen is kept to the work area and counts as maximised.
        const SIZE area = MaximizedFormSize(false);
        RECT client = {};
        GetClientRect(form.hwnd, &client);
        if (client.right == area.cx && client.bottom == area.cy)
            return;
    }
    form.maximized = sizeKind == SIZE_MAXIMIZED;
    form.minimized = false;
    for (auto& button : form.captionButtons)
        if (button->kind == kCaptionMaximize)
            button->tipText = form.maximized ? "还原" : "最大化";
}

void OnSize(SkinFormRecord& form, int n, WPARAM sizeKind)
{
    FollowWindowState(form, sizeKind);
    if (!form.minimized)
        MarkFormBackgroundsDirty(form.hwnd);
    form.hotCaptionButton = 0;
    // The first size of the run is the one the frame was painted for; a maximise never is.
    if (g_firstFormSize && sizeKind != SIZE_MAXIMIZED) {
        form.needsFullRepaint = false;
        g_firstFormSize = false;
    } else {
        g_firstFormSize = false;
        form.needsFullRepaint = true;
        // A frameless form's class need not redraw on every size change: the rebuild needs a paint.
        InvalidateRect(form.hwnd, nullptr, FALSE);
    }
    LayoutAttachedPages(n);
}

void OnGetMinMaxInfo(const SkinFormRecord& form, LPARAM lParam)
{
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (!info)
        return;
    info->ptMinTrackSize = POINT{form.minTrackWidth, form.minTrackHeight};
    // Maximised, the form covers the work area of its monitor, its own caption included: it has no
    // system frame that could be pushed off the screen.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(form.hwnd, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        info->ptMaxPosition = POINT{work.left - monitor.rcMonitor.left, work.top - monitor.rcMonitor.top};
        info->ptMaxSize = POINT{work.right - work.left, work.bottom - work.top};
    }
    if (form.maximized) {
        const SIZE area = MaximizedFormSize(true);
        info->ptMaxTrackSize = POINT{area.cx, area.cy};
    } else {
        info->ptMaxTrackSize = POINT{form.maxWidth, form.maxHeight};
    }
}

void OnSystemCommand(SkinFormRecord& form, WPARAM command)
{
    // Compared whole: a command with extra low bits is not one of these.
    switch (command) {
    case SC_MAXIMIZE:
        form.maximized = true;
        form.needsFullRepaint = true;
        break;
    case SC_RESTORE:
        form.needsFullRepaint = true;
        form.minimized = false;
        break;
    case SC_MINIMIZE:
        form.needsFullRepaint = true;
        form.minimized = true;
        break;
    default:
        break;
    }
}

// The title is drawn with the new text before the form's own procedure stores it.
void OnSetText(const SkinFormRecord& form, int n, LPARAM lParam)
{
    if (!form.showTitle || !form.frameEnabled)
        return;
    const char* text = reinterpret_cast<const char*>(lParam);
    GdipGraphics graphics;
    DrawFormTitle(n, graphics, false, std::string(text ? text : ""));
}

void OnActivateApp(SkinFormRecord& form, WPARAM active)
{
    if (active == 0) {
        form.active = false;
        TrimWorkingSet();
    } else if (active == 1) {
        form.active = true;
    }
}

}  // namespace

bool SetFormCloseEffect(HWND window, int effect)
{
    SkinFormRecord* form = SkinFormOfWindow(window);
    if (!form)
        return false;
    form->closeEffect = effect;
    return true;
}

void BlitFrameBuffer(int formNumber, HDC dc)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    RECT r = {};
    GetWindowRect(form->hwnd, &r);
    // A DC taken here is released here; a given one (the paint DC) stays the caller's, who ends its paint.
    const bool own = form->justShown || !dc;
    HDC target = ExcludeChildrenFromClip(form->hwnd, own ? nullptr : dc);
    BitBlt(target, 0, 0, r.right - r.left, r.bottom - r.top, form->frameDc, 0, 0, SRCCOPY);
    if (own)
        ReleaseDC(form->hwnd, target);
}

void RefreshListViews(HWND formWindow)
{
    const SkinFormRecord* form = SkinFormOfWindow(formWindow);
    if (!form)
        return;
    for (const auto& list : form->listControls) {
        if (IsWindowVisible(list->hwnd) && GetWindowClassName(list->hwnd) == "SysListView32") {
            list->dirty = true;
            InvalidateRect(list->hwnd, nullptr, TRUE);
        }
    }
}

LRESULT CALLBACK SkinFormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    int n = 0;
    SkinFormRecord* form = SkinFormOfWindow(window, &n);
    if (!form)
        return CallPreviousProc(window, message, wParam, lParam);
    // Kept before the message is handled: a handler may close the form and free its record.
    const WNDPROC previous = form->savedWndProc;
    // The caption buttons' tips follow the mouse through here, before a press may start a modal drag.
    if (!form->tipsHeld)
        form->tooltip.RelayMouseMessage(message, wParam, lParam);

    switch (message) {
    case WM_MEASUREITEM:
        if (wParam == 0)
            MeasureSkinMenuItem(window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        break;
    case WM_QUIT:
        // Only a WM_QUIT sent or dispatched to the form itself arrives here; a repeat finds no token.
        ShutdownGdiplus(g_gdiplusToken);
        break;
    case WM_CLOSE:
        // The effect has ended before the form's own procedure decides about the close.
        if (form->closeEffect == kCloseEffectShrinkFade)
            ShrinkFadeAnimation(window);
        break;
    case WM_NCDESTROY: {
        KillTimer(window, CaptionFadeTimerId(window));
        // The release gives the window its own procedure back and frees the record; the message goes on
        // to that procedure.
        WNDPROC previous = ReleaseSkinnedForm(window);
        return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
    }
    case WM_DESTROY:
        // The children still exist here; by WM_NCDESTROY they and their properties are gone.
        FreeChildrensColourObjects(window);
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_DESTROY)
            FreeControlColourObjects(reinterpret_cast<HWND>(lParam));
        break;
    case WM_SIZING:
        form->sizing = true;
        break;
    case WM_MOVING:
        form->moving = true;
        break;
    case WM_EXITSIZEMOVE:
        form->moving = false;
        form->sizing = false;
        break;
    case WM_SHOWWINDOW:
        OnShowWindow(*form, n, wParam);
        break;
    case WM_ERASEBKGND:
        return OnEraseBackground(*form, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
        return OnPaint(*form, n, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(*form, n);
        break;
    case WM_SIZE:
        OnSize(*form, n, wParam);
        break;
    case WM_MOUSEMOVE:
        OnCaptionMouseMove(*form, n, lParam);
        break;
    case WM_MOUSEHOVER:
        form->mouseInside = true;
        break;
    case WM_MOUSELEAVE:
        OnCaptionMouseLeave(*form, n);
        break;
    case WM_TIMER:
        if (wParam == CaptionFadeTimerId(window))
            OnCaptionFadeStep(*form, n);
        break;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(*form, lParam);
        break;
    case WM_LBUTTONDOWN:
        if (!OnCaptionButtonDown(window, lParam))
            return 0;
        break;
    case WM_LBUTTONUP:
        if (!OnCaptionButtonUp(window))
            return 0;
        break;
    case WM_LBUTTONDBLCLK:
        if (!OnCaptionDoubleClick(window, lParam))
            return 0;
        break;
    case WM_SYSCOMMAND:
        OnSystemCommand(*form, wParam);
        break;
    case WM_SETTEXT:
        OnSetText(*form, n, lParam);
        break;
    case WM_COMMAND:
        // A menu handler may have destroyed the form, its record and its properties with it: nothing is
        // left to pass the command on to.
        if (DispatchSkinMenuCommand(wParam, lParam) && FindSkinnedWindow(window) == 0)
            return 0;
        RepaintAfterControlCommand(wParam, lParam);
        break;
    case WM_NOTIFY:
        RepaintAfterControlNotify(lParam);
        break;
    case WM_QUERYOPEN:
        form->minimized = false;
        form->restorePending = true;
        break;
    case WM_DRAWITEM:
        if (lParam) {
            const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            HandleDrawItem(n, item);
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = ControlColourBrush(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_ACTIVATEAPP:
        OnActivateApp(*form, wParam);
        break;
    case WM_ACTIVATE:
        form->active = static_cast<LONG_PTR>(wParam) > 0;
        break;
    default:
        break;
    }
    // A handler may have destroyed the form (a caption button's): the window is gone.
    if (FindSkinnedWindow(window) == 0)
        return 0;
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
