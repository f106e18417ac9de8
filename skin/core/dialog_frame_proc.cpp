#include "skin/core/dialog_frame_proc.h"

#include <atomic>

#include "skin/controls/control_framework.h"
#include "skin/controls/draw_item.h"
#include "skin/core/dialog_painting.h"
#include "skin/core/form_release.h"
#include "skin/core/layered_windows.h"
#include "skin/core/message_box.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skinned_dialog.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

// A manual-reset event shared by the dialog's record and its fade thread; set, it ends the thread.
struct DialogFadeSignal {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DialogFadeSignal() = default;
    DialogFadeSignal(const DialogFadeSignal&) = delete;
    DialogFadeSignal& operator=(const DialogFadeSignal&) = delete;
    ~DialogFadeSignal()
    {
        if (event)
            CloseHandle(event);
    }
};

namespace {

constexpr int kFadeSteps = 10;
constexpr int kFadeAlphaStep = 24;
// A step waits at most 45 ms, so a stopped thread ends well within this.
constexpr DWORD kJoinBoundMs = 1000;

std::atomic<int> g_openFadeThreads{0};

// What the fade thread needs and nothing more: the window to fade and its stop signal.
struct FadeJob {
    HWND window = nullptr;
    std::shared_ptr<DialogFadeSignal> signal;
};

DWORD WINAPI FadeInThread(void* parameter)
{
    std::unique_ptr<FadeJob> job(static_cast<FadeJob*>(parameter));
    for (int i = 1; i <= kFadeSteps; ++i) {
        if (WaitForSingleObject(job->signal->event, static_cast<DWORD>(50 - 5 * i)) != WAIT_TIMEOUT)
            return 0;
        SetLayeredWindowAttributes(job->window, 0, static_cast<BYTE>(kFadeAlphaStep * i), LWA_ALPHA);
    }
    return 0;
}

void StopFade(DialogFade& fade)
{
    if (!fade.thread)
        return;
    SetEvent(fade.signal->event);
    WaitForSingleObject(fade.thread, kJoinBoundMs);
    CloseHandle(fade.thread);
    fade.thread = nullptr;
    --g_openFadeThreads;
}

LRESULT OnPaint(HWND dialog, int n, WPARAM wParam, LPARAM lParam)
{
    PAINTSTRUCT ps;
    BeginPaint(dialog, &ps);
    PaintDialogFrame(dialog);
    EndPaint(dialog, &ps);
    StartDialogFade(n);
    return DefWindowProcA(dialog, WM_PAINT, wParam, lParam);
}

}  // namespace

DialogFade::~DialogFade()
{
    StopFade(*this);
}

void StartDialogFade(int formNumber)
{
    SkinFormRecord* dialog = SkinFormAt(formNumber);
    if (!dialog || dialog->dialogFade)
        return;
    auto fade = std::make_shared<DialogFade>();
    fade->signal = std::make_shared<DialogFadeSignal>();
    dialog->dialogFade = fade;
    if (!fade->signal->event) {
        // Without a thread the dialog is shown at once rather than never.
        SetLayeredWindowAttributes(dialog->hwnd, 0, kFadeAlphaStep * kFadeSteps, LWA_ALPHA);
        return;
    }
    auto* job = new FadeJob{dialog->hwnd, fade->signal};
    fade->thread = CreateThread(nullptr, 0, FadeInThread, job, 0, nullptr);
    if (fade->thread) {
        ++g_openFadeThreads;
    } else {
        delete job;
        SetLayeredWindowAttributes(dialog->hwnd, 0, kFadeAlphaStep * kFadeSteps, LWA_ALPHA);
    }
}

void StopDialogFade(SkinFormRecord& dialog)
{
    if (dialog.dialogFade)
        StopFade(*dialog.dialogFade);
}

int OpenDialogFadeThreads()
{
    return g_openFadeThreads;
}

LRESULT DialogHitTest(HWND dialog, LPARAM lParam)
{
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    RECT r = {};
    GetWindowRect(dialog, &r);
    const SkinFormRecord* form = SkinFormOfWindow(dialog);
    const int strip = form ? form->captionStrip.x : 0;
    if (r.left + strip < x && x < r.right - 5 && r.top + 3 < y && y <= r.top + 20)
        return HTCLOSE;
    if (y <= r.top + 25)
        return HTCAPTION;
    return HTCLIENT;
}

LRESULT CALLBACK DialogFrameWndProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    int n = 0;
    SkinFormRecord* form = SkinFormOfWindow(dialog, &n);
    if (!form)
        return CallPreviousProc(dialog, message, wParam, lParam);

    switch (message) {
    case WM_NCDESTROY: {
        // The fade thread is joined before the record and the window go.
        StopDialogFade(*form);
        return CallRecordedProc(ReleaseSkinnedForm(dialog), dialog, message, wParam, lParam);
    }
    case WM_CHANGEUISTATE:
        if (LOWORD(wParam) == UIS_INITIALIZE)
            return 0;
        break;
    case WM_SETFOCUS:
        // The dialog itself gets the focus as it closes. The fade must be over before the shrink
        // takes the layered window over.
        StopDialogFade(*form);
        ShrinkFadeAnimation(dialog);
        break;
    case WM_ACTIVATE:
        RemoveMessageBoxHook();
        break;
    case WM_SIZE:
        SetRoundRegion(dialog, kDialogCorner);
        InitCaptionButtonRect(n);
        break;
    case WM_PAINT:
        return OnPaint(dialog, n, wParam, lParam);
    case WM_NCPAINT:
        return 0;
    case WM_NCACTIVATE:
        return 1;
    case WM_NCHITTEST:
        return DialogHitTest(dialog, lParam);
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCLOSE)
            return 0;
        break;
    case WM_NCMOUSEMOVE:
        if (wParam == HTCLOSE) {
            if (!form->closeHot)
                PaintDialogCloseButton(n, 1, nullptr, true);
            form->closeHot = true;
            return 0;
        }
        if (form->closeHot)
            PaintDialogCloseButton(n, 1, nullptr, false);
        form->closeHot = false;
        break;
    case WM_NCLBUTTONUP:
        if (wParam == HTCLOSE) {
            SendMessageA(dialog, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_DRAWITEM:
        if (lParam) {
            const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            HandleDrawItem(n, item);
        }
        break;
    default:
        break;
    }
    return CallPreviousProc(dialog, message, wParam, lParam);
}
