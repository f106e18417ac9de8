#include "skin/core/form_caption_mouse.h"

#include <windowsx.h>

#include "gdiplus/gdip_graphics.h"
#include "skin/core/caption_actions.h"
#include "skin/core/caption_buttons.h"
#include "skin/core/frame_hit_testing.h"
#include "skin/core/mouse_tracking.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

// One button of the frame picture, and of the window, with the hover look at that opacity (0: at rest).
void PaintCaptionButtonLit(int formNumber, int button, int hoverAlpha)
{
    GdipGraphics graphics;
    PaintCaptionButtons(formNumber, button, graphics, false, false, hoverAlpha);
}

void StopFade(SkinFormRecord& form)
{
    form.inCaptionStrip = false;
    KillTimer(form.hwnd, CaptionFadeTimerId(form.hwnd));
    form.hotCaptionButton = 0;
    form.fadeIn = CaptionFade{};
    form.fadeOut = CaptionFade{};
}

bool FadeUnfinished(const CaptionFade& fade)
{
    return fade.level < kCaptionFadeSteps;
}

}  // namespace

void OnCaptionMouseMove(SkinFormRecord& form, int formNumber, LPARAM point)
{
    // Asked again at every move until the first hover notice says the pointer is inside.
    if (!form.mouseInside)
        TrackMouseHoverAndLeave(form.hwnd, 1);
    if (!form.frameEnabled)
        return;
    if (IsPointInCaptionStrip(formNumber, point)) {
        if (!form.inCaptionStrip) {
            SetTimer(form.hwnd, CaptionFadeTimerId(form.hwnd), kCaptionFadeIntervalMs, nullptr);
            form.inCaptionStrip = true;
        }
    } else {
        form.inCaptionStrip = false;  // the timer runs on until a step stops it
    }
    const int hit = HitTestCaptionButtons(formNumber, GET_X_LPARAM(point), GET_Y_LPARAM(point));
    g_pressedCaptionButton = hit;
    if (form.hotCaptionButton > 0 && hit != form.hotCaptionButton) {
        // A fade-out still running is cut short: that button is shown at rest at once.
        if (FadeUnfinished(form.fadeOut))
            PaintCaptionButtonLit(formNumber, form.fadeOut.button, 0);
        form.fadeOut = CaptionFade{form.hotCaptionButton, 0};
    }
    if (hit > 0 && hit != form.hotCaptionButton)
        form.fadeIn = CaptionFade{hit, 0};
    form.hotCaptionButton = hit;
    if (!form.maximized) {
        RECT client = {};
        GetClientRect(form.hwnd, &client);
        UpdateResizeCursor(formNumber, point, client);
    }
}

void OnCaptionMouseLeave(SkinFormRecord& form, int formNumber)
{
    form.mouseInside = false;
    if (formNumber < 1 || form.hotCaptionButton <= 0 || !form.frameEnabled)
        return;
    if (FadeUnfinished(form.fadeOut) && FadeUnfinished(form.fadeIn)) {
        PaintCaptionButtonLit(formNumber, form.fadeOut.button, 0);
        form.fadeIn = CaptionFade{};
    }
    form.fadeOut = CaptionFade{form.hotCaptionButton, 0};
    form.hotCaptionButton = 0;
}

void OnCaptionFadeStep(SkinFormRecord& form, int formNumber)
{
    if (form.fadeIn.button > 0 && FadeUnfinished(form.fadeIn)) {
        ++form.fadeIn.level;
        PaintCaptionButtonLit(formNumber, form.fadeIn.button, kCaptionFadeAlphaStep * form.fadeIn.level);
    }
    if (form.fadeOut.button > 0 && FadeUnfinished(form.fadeOut)) {
        ++form.fadeOut.level;
        PaintCaptionButtonLit(formNumber, form.fadeOut.button,
                              kCaptionFadeAlphaStep * (kCaptionFadeSteps - form.fadeOut.level));
    }
    if ((!form.mouseInside || !form.inCaptionStrip) && (!FadeUnfinished(form.fadeOut) || form.fadeOut.button == 0))
        StopFade(form);
}

bool OnCaptionButtonDown(HWND window, LPARAM point)
{
    int n = 0;
    SkinFormRecord* form = SkinFormOfWindow(window, &n);
    if (!form)
        return false;
    form->fadeIn.button = 0;  // a fade-in stops where it is
    if (!form->frameEnabled)
        return true;
    if (!form->maximized && !form->minimized) {
        RECT client = {};
        GetClientRect(window, &client);
        // May run a modal move or size loop, inside which anything can happen to the form.
        BeginBorderDrag(n, point, client);
        if (!SkinFormOfWindow(window, &n))
            return false;
    }
    g_pressedCaptionButton = HitTestCaptionButtons(n, GET_X_LPARAM(point), GET_Y_LPARAM(point));
    if (g_pressedCaptionButton > 0) {
        GdipGraphics graphics;
        PaintCaptionButtons(n, g_pressedCaptionButton, graphics, false, true);
    }
    return true;
}

bool OnCaptionButtonUp(HWND window)
{
    int n = 0;
    const SkinFormRecord* form = SkinFormOfWindow(window, &n);
    if (!form)
        return false;
    const int button = g_pressedCaptionButton;
    if (!g_captionClickHandler || button < 1 || button > RecordCount(form->captionButtons) || !form->frameEnabled)
        return true;
    // The close button's command usually destroys the form.
    g_captionClickHandler(n, button);
    return SkinFormOfWindow(window) != nullptr;
}

bool OnCaptionDoubleClick(HWND window, LPARAM point)
{
    int n = 0;
    const SkinFormRecord* form = SkinFormOfWindow(window, &n);
    if (!form)
        return false;
    const int x = GET_X_LPARAM(point), y = GET_Y_LPARAM(point);
    if (IsPointInStatusBand(n, x, y) != 0 || y > form->captionHeight || !form->resizable)
        return true;
    const int button = FindMaximizeButton(n);
    if (button <= 0)
        return true;
    OnCaptionButtonClick(n, button);
    return SkinFormOfWindow(window) != nullptr;
}
