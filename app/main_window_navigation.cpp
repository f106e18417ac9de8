#include "app/main_window_navigation.h"

#include "app/about_window.h"
#include "app/birth_chart_window.h"
#include "app/calendar_window.h"
#include "app/favourites_page.h"
#include "app/main_window_fun_page.h"
#include "app/poem_page.h"
#include "app/report_window_main_units.h"
#include "app/scoring_window.h"
#include "app/update_check.h"
#include "runtime/forms/form.h"
#include "skin/core/skin_menus.h"

int g_helpMenu = 0;

namespace {

struct NavItem {
    bool guarded;                    // inert while 按钮生成 is disabled
    void (*before)(forms::Form&);    // runs before the page shows, or null
    int page;                        // page of 高级选择夹1 to show, -1 none
    void (*after)(forms::Form&);     // runs once the page shows, or null
    bool (*open)();                  // window to open after that, or null
    bool keepsPage;                  // once its window is closed, the page shown before shows again
};

// In the bar's order. Item 2's window shows page 2 itself while it is open; item 8 leaves the page as
// it is. Neither becomes the bar's current item, which stays the item of the page shown.
const NavItem kNavItems[] = {
    {true, nullptr, 0, nullptr, nullptr, false},                  // 宝宝取名
    {false, nullptr, -1, nullptr, OpenNameScoringWindow, true},   // 姓名评测
    {false, RefreshFavouritesList, 3, nullptr, nullptr, false},   // 自选列表
    {true, nullptr, 1, nullptr, nullptr, false},                  // 组合模式
    {true, nullptr, 6, ListTangPoets, nullptr, false},            // 诗词模式
    {true, nullptr, 5, nullptr, nullptr, false},                  // 取英文名
    {true, nullptr, 7, nullptr, nullptr, false},                  // 取小名
    {false, nullptr, -1, nullptr, OpenBirthChartWindow, true},    // 生辰八字
};
constexpr int kNavItemCount = static_cast<int>(sizeof kNavItems / sizeof kNavItems[0]);

}  // namespace

bool NavItemOpensWindow(int item)
{
    return item >= 1 && item <= kNavItemCount && kNavItems[item - 1].open;
}

bool NavItemKeepsPage(int item)
{
    return NavItemOpensWindow(item) && kNavItems[item - 1].keepsPage;
}

void OnNavBarClicked(int item)
{
    forms::Form* main = FindMainWindow();
    if (!main || item < 1 || item > kNavItemCount)
        return;
    const NavItem& nav = kNavItems[item - 1];
    if (nav.guarded && !main->Get("按钮生成").Enabled())
        return;
    if (nav.before)
        nav.before(*main);
    if (nav.page >= 0)
        main->Get("高级选择夹1").SetCurrentPage(nav.page);
    if (nav.after)
        nav.after(*main);
    if (nav.open) {
        forms::Unit& pages = main->Get("高级选择夹1");
        const int shown = pages.CurrentPage();
        nav.open();
        if (nav.keepsPage && (main = FindMainWindow()) != nullptr)
            main->Get("高级选择夹1").SetCurrentPage(shown);
    }
}

void OnSideListClicked(int row, int)
{
    forms::Form* main = FindMainWindow();
    if (!main || row < 1 || row > kFeaturePageCount)
        return;
    main->Get("高级选择夹2").SetCurrentPage(row - 1);
    if (row == kFeaturePageCount)
        OpenPerpetualCalendar();
}

bool IsHelpMenuItemChecked(int item)
{
    return IsSkinMenuItemChecked(g_helpMenu, item);
}

void OnHelpMenuItem(int item)
{
    if (!SkinMenuItemAt(g_helpMenu, item))
        return;
    if (IsSkinMenuItemChecked(g_helpMenu, item)) {
        SetSkinMenuItemChecked(g_helpMenu, item, false);
        return;
    }
    SetSkinMenuItemChecked(g_helpMenu, item, true);
    forms::Form* main = FindMainWindow();
    if (item == 1)
        OpenAboutWindow();
    else if (item == 2 && main)
        OnMenuSoftwareUpgrade(main->Window());
}

void OnHelpLabelDown(forms::Event& event)
{
    POINT at = {event.x, event.y};
    ClientToScreen(event.sender.Window(), &at);
    PopupSkinMenuAtCursor(g_helpMenu, event.form.Window(), at.x, at.y);
}
