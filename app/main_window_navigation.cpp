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

namespace {

struct NavItem {
    bool guarded;                    // inert while 按钮生成 is disabled
    void (*before)(forms::Form&);    // runs before the page shows, or null
    int page;                        // page of 高级选择夹1 to show, -1 none
    void (*after)(forms::Form&);     // runs once the page shows, or null
    bool (*open)();                  // window to open after that, or null
};

// In the bar's order. Item 2's window shows page 2 itself; item 8 leaves the page as it is.
const NavItem kNavItems[] = {
    {true, nullptr, 0, nullptr, nullptr},                   // 宝宝取名
    {false, nullptr, -1, nullptr, OpenNameScoringWindow},   // 姓名评测
    {false, RefreshFavouritesList, 3, nullptr, nullptr},    // 自选列表
    {true, nullptr, 1, nullptr, nullptr},                   // 组合模式
    {true, nullptr, 6, ListTangPoets, nullptr},             // 诗词模式
    {true, nullptr, 5, nullptr, nullptr},                   // 取英文名
    {true, nullptr, 7, nullptr, nullptr},                   // 取小名
    {false, nullptr, -1, nullptr, OpenBirthChartWindow},    // 生辰八字
};
constexpr int kNavItemCount = static_cast<int>(sizeof kNavItems / sizeof kNavItems[0]);

// The help menu's items as units of the window, until the skin's popup menu takes their place:
// CreateSkinPopupMenu (item width 100) with the three items, SetSkinMenuCallback (the menu,
// OnHelpMenuItem), and the check marks through IsSkinMenuItemChecked and SetSkinMenuItemChecked.
const char* const kHelpMenuItems[] = {"帮助菜单联系我们", "帮助菜单软件升级", "帮助菜单软件主页"};
constexpr int kHelpMenuItemCount = static_cast<int>(sizeof kHelpMenuItems / sizeof kHelpMenuItems[0]);

forms::Unit* HelpMenuItem(int item)
{
    forms::Form* main = FindMainWindow();
    if (!main || item < 1 || item > kHelpMenuItemCount)
        return nullptr;
    return main->Find(kHelpMenuItems[item - 1]);
}

}  // namespace

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
    if (nav.open)
        nav.open();
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
    forms::Unit* unit = HelpMenuItem(item);
    return unit && unit->Checked();
}

void OnHelpMenuItem(int item)
{
    forms::Unit* unit = HelpMenuItem(item);
    if (!unit)
        return;
    if (unit->Checked()) {
        unit->SetChecked(false);
        return;
    }
    unit->SetChecked(true);
    if (item == 1)
        OpenAboutWindow();
    else if (item == 2)
        OnMenuSoftwareUpgrade(unit->Owner()->Window());
}

void OnHelpLabelDown(forms::Event& event)
{
    event.form.PopupMenu(event.form.Get("帮助菜单"));
}

void OnHelpContactItem(forms::Event&)
{
    OnHelpMenuItem(1);
}

void OnHelpUpgradeItem(forms::Event&)
{
    OnHelpMenuItem(2);
}

void OnHelpHomeItem(forms::Event&)
{
    OnHelpMenuItem(3);
}
