#pragma once
// The mouse rows of the skinned form's procedure: the hover fade of the caption buttons (one timer per
// form, id = the form's handle, 20 ms, 8 steps), resize cursors, presses, clicks and the caption
// double-click. Only when the form's frame behaviour is on do the buttons light up, press or click.
#include <windows.h>

#include "skin/core/skin_form_record.h"

inline constexpr UINT kCaptionFadeIntervalMs = 20;
inline constexpr int kCaptionFadeSteps = 8;
// Opacity of the hover look per fade level: level 8 is a lit button.
inline constexpr int kCaptionFadeAlphaStep = 30;

// The hover-fade timer of a form has the form's window handle as its id.
inline UINT_PTR CaptionFadeTimerId(HWND window)
{
    return reinterpret_cast<UINT_PTR>(window);
}

// WM_MOUSEMOVE: asks for hover and leave notices until the pointer is seen inside, starts the fade
// timer on entering the caption-button strip, starts the fades of the buttons left and entered, and
// shows the resize cursors of a form that is not maximised.
void OnCaptionMouseMove(SkinFormRecord& form, int formNumber, LPARAM point);
// WM_MOUSELEAVE: the lit button starts going dark.
void OnCaptionMouseLeave(SkinFormRecord& form, int formNumber);
// One step of the fades; the timer stops once the pointer is out of the strip (or the form) and the
// fade-out has ended.
void OnCaptionFadeStep(SkinFormRecord& form, int formNumber);

// The rows below may run application code (a modal drag, a click handler) that destroys the form or
// releases other forms: each returns false when the form window is gone, and the caller then touches
// no record and passes nothing on.

// WM_LBUTTONDOWN: stops the fade-in, starts a caption drag or border resize, paints a pressed button.
bool OnCaptionButtonDown(HWND window, LPARAM point);
// WM_LBUTTONUP: clicks the caption button under the pointer at the last move or press.
bool OnCaptionButtonUp(HWND window);
// WM_LBUTTONDBLCLK: in the caption of a resizable form, toggles maximise and restore.
bool OnCaptionDoubleClick(HWND window, LPARAM point);

