#include "skin/core/caption_actions.h"

#include <windows.h>

#include <commctrl.h>

#include "skin/core/skin_registry.h"

int InvokeCallback(SkinCallback handler, const std::vector<int>& arguments)
{
    if (!handler)
        return 0;
    return handler(arguments.data(), static_cast<int>(arguments.size()));
}

namespace {

// Hides the caption buttons' tip and has it forget the tool the pointer was over, as if the pointer
// had left every tool: a tip whose delay is running does not show when the delay ends.
void LeaveTips(const SkinFormRecord& form)
{
    HWND tip = form.tooltip.GetHandle();
    if (!tip)
        return;
    MSG away = {};
    away.hwnd = form.hwnd;
    away.message = WM_MOUSEMOVE;
    away.lParam = MAKELPARAM(static_cast<WORD>(-32000), static_cast<WORD>(-32000));
    away.time = GetTickCount();
    away.pt = POINT{-32000, -32000};
    SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&away));
    SendMessageA(tip, TTM_POP, 0, 0);
}

}  // namespace

void OnCaptionButtonClick(int formNumber, int button)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    CaptionButtonRecord* caption = RecordAt(form->captionButtons, button);
    if (!caption)
        return;
    // Every field is set before the command goes out: the window may be gone when SendMessage returns.
    HWND window = form->hwnd;
    switch (caption->kind) {
    case kCaptionClose:
        SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case kCaptionMaximize:
        form->needsFullRepaint = true;
        form->minimized = false;
        if (form->maximized) {
            form->maximized = false;
            caption->tipText = "最大化";
            SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            form->maximized = true;
            caption->tipText = "还原";
            SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case kCaptionMinimize:
        form->minimized = true;
        SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case kCaptionHelp:
        InvokeCallback(form->helpCallback);
        break;
    case kCaptionMenu:
        InvokeCallback(form->menuCallback);
        break;
    case kCaptionCustom: {
        // The button's tip neither stays nor comes while what it opens (a modal window) is up, the
        // pointer resting on the button meanwhile: a tip whose delay runs would show when it ends.
        LeaveTips(*form);
        form->tipsHeld = true;
        InvokeCallback(caption->callback);
        if (SkinFormRecord* still = SkinFormOfWindow(window))
            still->tipsHeld = false;
        break;
    }
    default:
        break;
    }
}
