#include "skin/core/message_box.h"

#include <algorithm>

#include "skin/controls/control_framework.h"
#include "skin/controls/static_family.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skinned_dialog.h"
#include "skin/core/window_props.h"

namespace {

// The system's message box gives its text static this identifier.
constexpr int kMessageTextId = 0xFFFF;
// What skinning adds to a dialog's text statics (the glow of the last character).
constexpr int kSkinnedStaticExtraWidth = 6;
// A box grows no wider than this for its text; longer lines wrap.
constexpr int kWidestText = 560;

void MoveChildBy(HWND box, HWND child, int dx, int dy)
{
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(child, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FitMessageTextToSkin(HWND box)
{
    HWND text = GetDlgItem(box, kMessageTextId);
    if (!text)
        return;
    // The system laid the box out by GDI's measures; the skin draws the text with GDI+, whose lines run
    // wider, in a layout box wider than the static. Lines would run past the static's edge and be cut.
    StaticSnapshot face;
    const ControlFontInfo font = GetControlFontInfo(text);
    face.fontFace = font.face;
    face.fontSize = font.size != 0 ? font.size : 12;
    face.fontStyle = font.style;
    face.text = GetWindowTextAsText(text);
    RECT r = {};
    GetWindowRect(text, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // Widening lets the lines grow too (they wrap later), so the width is found step by step.
    int skinned = width + kSkinnedStaticExtraWidth;
    SIZE reach = StaticTextReach(face, skinned);
    while (reach.cx > skinned && skinned < kWidestText) {
        skinned = std::min(skinned + 8, kWidestText);
        reach = StaticTextReach(face, skinned);
    }
    const int dx = skinned - kSkinnedStaticExtraWidth - width;
    const int dy = std::max<int>(0, reach.cy + 2 - height);
    if (dx <= 0 && dy == 0)
        return;
    const int grow = std::max(dx, 0);
    SetWindowPos(text, nullptr, 0, 0, width + grow, height + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The buttons stay centred under the text and move down below it.
    for (HWND child = GetWindow(text, GW_HWNDFIRST); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowClassName(child) == "Button")
            MoveChildBy(box, child, grow / 2, dy);
    RECT outer = {};
    GetWindowRect(box, &outer);
    SetWindowPos(box, nullptr, outer.left - grow / 2, outer.top - dy / 2, outer.right - outer.left + grow,
                 outer.bottom - outer.top + dy, SWP_NOZORDER | SWP_NOACTIVATE);
}

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
        if (GetWindowClassName(window) == "#32770" && !GetPropA(window, kPropHwProc)) {
            FitMessageTextToSkin(window);
            SkinDialogWindow(window);
        }
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
