#include "app/skin_modal_test_support.h"

#include "runtime/forms/form_runtime.h"
#include "skin/core/dialog_test_support.h"
#include "skin/core/skin_menus.h"
#include "skin/core/window_props.h"

namespace app_test {
namespace {

constexpr DWORD kMenuWaitMs = 3000;
// The text of a system message box sits in the static control of this identifier.
constexpr int kMessageTextId = 0xFFFF;

BOOL CALLBACK CollectBoxes(HWND window, LPARAM list)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && std::string(name) == "#32770")
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::string TextOf(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(WORD answer) : answer_(answer)
{
    script_ = std::make_unique<TimerScript>(20, [this] { return Step(); });
}

MessageBoxAnswerer::~MessageBoxAnswerer() = default;

bool MessageBoxAnswerer::Step()
{
    std::vector<HWND> open;
    EnumThreadWindows(GetCurrentThreadId(), CollectBoxes, reinterpret_cast<LPARAM>(&open));
    // A box that has gone may lend its handle to a later one.
    std::vector<HWND> stillOpen;
    for (HWND done : answered_)
        for (HWND box : open)
            if (box == done)
                stillOpen.push_back(box);
    answered_ = stillOpen;
    for (HWND box : open) {
        bool seen = false;
        for (HWND done : answered_)
            seen = seen || done == box;
        if (seen)
            continue;
        Box noted;
        noted.title = TextOf(box);
        noted.text = TextOf(GetDlgItem(box, kMessageTextId));
        noted.owner = GetWindow(box, GW_OWNER);
        noted.skinned = GetPropA(box, kPropHwProc) != nullptr;
        boxes_.push_back(noted);
        answered_.push_back(box);
        PostMessageA(box, WM_COMMAND, GetDlgItem(box, answer_) ? answer_ : IDOK, 0);
    }
    return false;
}

std::vector<std::string> MessageBoxAnswerer::Texts() const
{
    std::vector<std::string> texts;
    for (const Box& box : boxes_)
        texts.push_back(box.text);
    return texts;
}

bool ChooseSkinMenuItem(int menuNumber, int item, const std::function<void()>& popup)
{
    const SkinMenuRecord* menu = SkinMenuAt(menuNumber);
    if (!menu)
        return false;
    bool chosen = false;
    bool pressed = false;
    const DWORD start = GetTickCount();
    TimerScript script(20, [&] {
        HWND menuWindow = OpenPopupMenuWindow();
        if (GetTickCount() - start > kMenuWaitMs) {
            EndMenu();
            return true;
        }
        if (!menuWindow)
            return false;
        if (!pressed) {
            for (int i = 0; i < item; ++i)
                PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
            pressed = true;
            return false;
        }
        if (!(GetMenuState(menu->menu, static_cast<UINT>(item - 1), MF_BYPOSITION) & MF_HILITE))
            return false;
        PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
        chosen = true;
        return true;
    });
    popup();
    // The chosen item's command is posted to the window.
    forms::ProcessPendingMessages();
    return chosen;
}

}  // namespace app_test
