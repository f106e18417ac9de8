// PaintDialogFrame of a 306 x 140 message-box-sized dialog and PaintMenuItem of one unchecked item
// with its menu border: mean and worst of 50 paints each.
#include <windows.h>

#include <cstdio>
#include <functional>

#include "skin/core/benchmark_timing.h"
#include "skin/core/dialog_painting.h"
#include "skin/core/dialog_test_support.h"
#include "skin/core/engine_startup.h"
#include "skin/core/form_skinning.h"
#include "skin/core/menu_painting.h"
#include "skin/core/skin_menus.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/skinned_dialog.h"

namespace {

constexpr int kPaints = 50;

void PrintPaints(const char* what, double target, const std::function<void()>& paint)
{
    const Timing t = Measure(kPaints, paint);
    std::printf("%s:\n  mean %.1f ms, worst %.1f ms of %d paints (target: under %.0f ms)\n", what, t.mean, t.worst,
                kPaints, target);
}

}  // namespace

int main()
{
    InitSkinEngine();
    g_skinBaseColour = RGB(120, 180, 120);
    g_appIcon = LoadIcon(nullptr, IDI_INFORMATION);

    // Skinning makes the 300-pixel dialog 306 wide.
    HWND dialog = CreateSimpleTestDialog(300, 140);
    SetWindowTextA(dialog, "提示");
    SkinDialogWindow(dialog);
    ShowWindow(dialog, SW_SHOWNA);
    UpdateWindow(dialog);
    PrintPaints("PaintDialogFrame, 306 x 140 dialog with icon, glowing title and close button", 15,
            [&] { PaintDialogFrame(dialog); });
    DestroyWindow(dialog);

    // A plain window stands in for the menu window: the first paint takes it over as it would a menu.
    HWND owner = CreateFrameForm(100, 100, 400, 300);
    SkinForm(owner);
    const int menu = CreateSkinPopupMenu();
    AddSkinMenuItem(menu, "测试打分");
    HWND menuWindow = CreateFrameForm(150, 150, 170, 30);
    HDC dc = GetDC(menuWindow);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = static_cast<UINT>(SkinMenuCommandId(menu, 1));
    item.itemData = 1;
    item.hwndItem = reinterpret_cast<HWND>(SkinMenuAt(menu)->menu);
    item.hDC = dc;
    item.rcItem = RECT{3, 3, 167, 25};
    PrintPaints("PaintMenuItem, one unchecked item of 164 x 22 with its menu border", 10,
            [&] { PaintMenuItem(owner, item); });
    ReleaseDC(menuWindow, dc);
    DestroyWindow(menuWindow);
    DestroyWindow(owner);
    ShutdownGdiplus(g_gdiplusToken);
    return 0;
}
