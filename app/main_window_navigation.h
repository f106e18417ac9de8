#pragma once
// How the user moves about MainWindow: the navigation bar's items, the side list's rows and the help
// menu. The bar and the list call their handlers with item numbers; so does the help menu.
namespace forms {
struct Event;
}  // namespace forms

// Navigation item (1 to 8: 宝宝取名, 姓名评测, 自选列表, 组合模式, 诗词模式, 取英文名, 取小名, 生辰八字).
// Items 1, 4, 5, 6 and 7 do nothing while 按钮生成 is disabled (a generator is filling a list).
void OnNavBarClicked(int item);
// Navigation items that open a window act on every click. Those that keep the page show the page of
// before again once their window is closed, so they never become the bar's current item.
bool NavItemOpensWindow(int item);
bool NavItemKeepsPage(int item);
// Side-list row (1 to 15) shows feature page row - 1 of 高级选择夹2; row 15 also opens the perpetual
// calendar. The child number is not used.
void OnSideListClicked(int row, int child);

// The help menu: the number of its skin popup menu (联系我们, 软件升级, 软件主页), which BuildMainWindowUi
// makes; 0 before.
extern int g_helpMenu;

// Help menu item (1 联系我们, 2 软件升级, 3 软件主页). A checked item is only unchecked; an unchecked
// one is checked and acts, so choosing the same item twice acts once.
void OnHelpMenuItem(int item);
bool IsHelpMenuItemChecked(int item);
// Mouse press on 透明标签使用帮助: pops the help menu up at the mouse.
void OnHelpLabelDown(forms::Event& event);
