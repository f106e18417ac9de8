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
    case kCaptionCustom:
        // The button's tip goes before what it opens (a modal window) takes the screen.
        if (HWND tip = form->tooltip.GetHandle())
            SendMessageA(tip, TTM_POP, 0, 0);
        InvokeCallback(caption->callback);
        break;
    default:
        break;
    }
}
