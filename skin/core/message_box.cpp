#include "skin/core/message_box.h"

#include "skin/core/skin_registry.h"
#include "skin/core/skinned_dialog.h"
#include "skin/core/window_props.h"

bool InstallMessageBoxHook()
{
    RemoveMessageBoxHook();
    g_cbtHook = SetWindowsHookExA(WH_CBT, MessageBoxHookProc, nullptr, GetCurrentThreadId());
    return g_cbtHook != nullptr;
}

void RemoveMessageBoxHook()
{
    if (!g_cbtHook)
        return;
    UnhookWindowsHookEx(g_cbtHook);
    g_cbtHook = nullptr;
}

LRESULT CALLBACK MessageBoxHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (GetWindowClassName(window) == "#32770" && !GetPropA(window, kPropHwProc))
            SkinDialogWindow(window);
    }
    return CallNextHookEx(g_cbtHook, code, wParam, lParam);
}

int ShowMessageBox(HWND owner, const std::string& text, UINT style, const std::optional<std::string>& caption)
{
    InstallMessageBoxHook();
    // The system's default title reads "error" (错误), which a success message must not carry.
    const std::string title = caption.value_or(kDefaultMessageBoxCaption);
    const int pressed = MessageBoxExA(owner, text.c_str(), title.c_str(), style, 0);
    // A box that never became active (the call failed) leaves the hook behind, and the next system
    // dialog of the thread (a save dialog) would be skinned.
    RemoveMessageBoxHook();
    return pressed > 0 ? pressed - 1 : -1;
}
