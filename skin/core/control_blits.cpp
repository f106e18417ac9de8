// Publishing control images into the form's back buffer and copying them back out.
#include "skin/core/drawing_core.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

SkinFormRecord* PublishingForm(HWND control, bool useKjNumber)
{
    if (int n = GetWindowPropNumber(control, useKjNumber ? kPropKjFormNumber : kPropHwFormNumber))
        return SkinFormAt(n);
    // Hw_lbID stands for a form number only on a form's own window (on a control it is a list index).
    return SkinFormOfWindow(control);
}

void BlitToControl(HWND control, HDC memoryDc, bool useKjNumber, bool wholeWindow)
{
    SkinFormRecord* form = PublishingForm(control, useKjNumber);
    if (!form || !form->backBufferDc)
        return;
    RECT place = wholeWindow ? GetRectInSkinnedWindow(control) : GetClientRectInWindow(control);
    ExcludeChildWindowsFromClip(control, form->backBufferDc);
    BitBlt(form->backBufferDc, place.left, place.top, place.right - place.left, place.bottom - place.top, memoryDc,
           0, 0, SRCCOPY);
    SelectClipRgn(form->backBufferDc, nullptr);
}

void BlitFormBackground(HWND control, bool useKjNumber, bool onlyUnskinnedChildren, HDC dc)
{
    SkinFormRecord* form = PublishingForm(control, useKjNumber);
    if (!form || !form->backBufferDc)
        return;
    RECT inner = GetClientRectInWindow(control);
    // A context the caller gives stays the caller's (it may come from BeginPaint); one taken here is
    // released here. Excluding unskinned children needs the control's own context.
    HDC target = nullptr;
    bool own = true;
    if (onlyUnskinnedChildren) {
        target = ExcludeUnskinnedChildrenFromClip(control, nullptr);
    } else if (dc) {
        target = ExcludeChildrenFromClip(control, dc);
        own = false;
    } else {
        target = ExcludeChildrenFromClip(control, nullptr);
    }
    BitBlt(target, 0, 0, inner.right - inner.left, inner.bottom - inner.top, form->backBufferDc, inner.left,
           inner.top, SRCCOPY);
    if (own)
        ReleaseDC(control, target);
}
