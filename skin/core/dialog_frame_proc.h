#pragma once
// The window procedure of skinned dialogs and message boxes (SkinDialogWindow installs it). It paints
// the whole window itself (PaintDialogFrame), answers the non-client messages (a caption band that
// drags the dialog, one close button with a hot look), fades the dialog in from its first paint on a
// short-lived thread of its own, plays the shrink-and-fade when the dialog closes, removes the
// message-box hook once the dialog is active and releases the dialog's record when the window goes.
// Everything else reaches the dialog's own procedure (Hw_hProc).
#include <windows.h>

#include <memory>

#include "skin/core/skin_form_record.h"

LRESULT CALLBACK DialogFrameWndProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// HTCLOSE over the close button's band (inside the window's right edge, from 4 to 20 pixels below its
// top), HTCAPTION elsewhere up to 25 pixels below the top, HTCLIENT below: the dialog has no sizing
// borders. lParam holds the point in screen coordinates.
LRESULT DialogHitTest(HWND dialog, LPARAM lParam);

// The fade-in: ten steps from alpha 24 to 240 in about 225 ms. The thread only sets the window's alpha;
// a set stop signal ends it at once.
struct DialogFadeSignal;
struct DialogFade {
    DialogFade() = default;
    DialogFade(const DialogFade&) = delete;
    DialogFade& operator=(const DialogFade&) = delete;
    // Stops and joins the thread when it still runs.
    ~DialogFade();
    HANDLE thread = nullptr;
    std::shared_ptr<DialogFadeSignal> signal;
};

// Starts the fade-in of form `formNumber`'s dialog unless it has one already.
void StartDialogFade(int formNumber);
// Stops the fade-in of the dialog's record, waits for its thread (a bounded wait) and closes its handle.
void StopDialogFade(SkinFormRecord& dialog);
// The fade-in threads whose handles are open.
int OpenDialogFadeThreads();
