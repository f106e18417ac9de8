// The skin's numbered popup menus: numbers, command ids and item data, insertion, check marks, the
// limits every operation checks, measuring, and commands through the skinned form's procedure.
#include <gtest/gtest.h>

#include <vector>

#include "skin/core/form_skinning.h"
#include "skin/core/skin_menus.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

std::vector<std::vector<int>>& Calls()
{
    static std::vector<std::vector<int>> calls;
    return calls;
}

int RecordingHandler(const int* arguments, int count)
{
    Calls().emplace_back(arguments, arguments + count);
    return 0;
}

ULONG_PTR ItemDataAt(HMENU menu, int position)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info));
    return info.dwItemData;
}

// A menu with the given plain items.
int MakeMenu(const std::vector<std::string>& texts, int width = 150, int height = 22)
{
    const int n = CreateSkinPopupMenu(width, height);
    for (const std::string& text : texts)
        EXPECT_TRUE(AddSkinMenuItem(n, text));
    return n;
}

// Creates menus until menu `number` exists.
void MakeMenusUpTo(int number)
{
    while (SkinMenuCount() < number)
        CreateSkinPopupMenu();
}

// What the system sends for the item at the position: its command id and its item data.
MEASUREITEMSTRUCT MeasureOf(HMENU menu, int position)
{
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemID = GetMenuItemID(menu, position);
    if (measure.itemID == static_cast<UINT>(-1))
        measure.itemID = 0;
    measure.itemData = ItemDataAt(menu, position);
    measure.itemWidth = 7;
    measure.itemHeight = 9;
    return measure;
}

}  // namespace

TEST(SkinMenusTest, CommandIdsFollowMenuAndItemNumbers)
{
    struct Case {
        int menu, item;
        UINT_PTR id;
    } cases[] = {{4, 2, 4002}, {1, 1, 1001}, {12, 7, 12007}, {4, 999, 4999}, {4, 1000, 41000}, {2, 12345, 212345}};
    for (const Case& c : cases) {
        EXPECT_EQ(SkinMenuCommandId(c.menu, c.item), c.id) << c.menu << "/" << c.item;
        if (c.item < 1000) {
            EXPECT_EQ(MenuNumberOfId(c.id), c.menu);
            EXPECT_EQ(ItemNumberOfId(c.id), c.item);
        }
    }
    EXPECT_EQ(MenuNumberOfId(999), 0) << "three digits name no menu";
    EXPECT_EQ(SkinMenuItemId(4002, 2), 4002u) << "a plain item: its id";
    EXPECT_EQ(SkinMenuItemId(0, 4005), 4005u) << "a separator: its data";
    EXPECT_EQ(SkinMenuItemId(0x20046, 4003), 4003u) << "a submenu item: its data";
}

TEST(SkinMenusTest, MenusAreNumberedFromOneAndItemsCarryTheirIds)
{
    const int before = SkinMenuCount();
    const int n = MakeMenu({"复制", "收藏", "删除", "导出"});
    EXPECT_EQ(n, before + 1);
    EXPECT_EQ(CreateSkinPopupMenu(), n + 1);
    const SkinMenuRecord& menu = *SkinMenuAt(n);
    EXPECT_EQ(menu.itemWidth, 150);
    EXPECT_EQ(menu.itemHeight, 22);
    EXPECT_EQ(menu.highlightColour, CLR_INVALID);
    ASSERT_EQ(GetMenuItemCount(menu.menu), 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(GetMenuItemID(menu.menu, i - 1), SkinMenuCommandId(n, i));
        EXPECT_EQ(ItemDataAt(menu.menu, i - 1), static_cast<ULONG_PTR>(i));
        EXPECT_EQ(RecordAt(menu.items, i)->itemNumber, i);
        EXPECT_TRUE(GetMenuState(menu.menu, i - 1, MF_BYPOSITION) & MF_OWNERDRAW);
    }
    const SkinMenuItemRecord& first = *SkinMenuItemAt(n, 1);
    EXPECT_EQ(first.text, "复制");
    EXPECT_EQ(first.fontFace, "宋体");
    EXPECT_EQ(first.fontSize, 12);
    EXPECT_EQ(first.textColour, 0u);
    EXPECT_EQ(first.submenu, nullptr);
}

TEST(SkinMenusTest, InsertingRenumbersTheLaterItems)
{
    const int n = MakeMenu({"一", "二", "三"});
    SkinMenuItemOptions at2;
    at2.position = 2;
    ASSERT_TRUE(AddSkinMenuItem(n, "插入", at2));
    const SkinMenuRecord& menu = *SkinMenuAt(n);
    const char* order[] = {"一", "插入", "二", "三"};
    ASSERT_EQ(GetMenuItemCount(menu.menu), 4);
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(SkinMenuItemAt(n, i)->text, order[i - 1]);
        EXPECT_EQ(SkinMenuItemAt(n, i)->itemNumber, i);
        EXPECT_EQ(GetMenuItemID(menu.menu, i - 1), SkinMenuCommandId(n, i));
        EXPECT_EQ(ItemDataAt(menu.menu, i - 1), static_cast<ULONG_PTR>(i));
        EXPECT_TRUE(GetMenuState(menu.menu, i - 1, MF_BYPOSITION) & MF_OWNERDRAW);
    }
    SkinMenuItemOptions atEnd;
    atEnd.position = 5;
    EXPECT_TRUE(AddSkinMenuItem(n, "末尾", atEnd)) << "count + 1 appends";
    EXPECT_EQ(SkinMenuItemAt(n, 5)->text, "末尾");
}

TEST(SkinMenusTest, KindsOfItems)
{
    const int sub = MakeMenu({"子项"});
    const int n = CreateSkinPopupMenu();
    SkinMenuItemOptions options;
    options.disabled = true;
    options.checked = true;
    options.picture = "PNG bytes";
    ASSERT_TRUE(AddSkinMenuItem(n, "灰色", options));
    SkinMenuItemOptions separator;
    separator.separator = true;
    ASSERT_TRUE(AddSkinMenuItem(n, "", separator));
    SkinMenuItemOptions opens;
    opens.submenu = sub;
    ASSERT_TRUE(AddSkinMenuItem(n, "更多", opens));
    SkinMenuItemOptions noSuchMenu;
    noSuchMenu.submenu = SkinMenuCount() + 5;
    ASSERT_TRUE(AddSkinMenuItem(n, "无子菜单", noSuchMenu));

    const HMENU menu = SkinMenuAt(n)->menu;
    const UINT state = GetMenuState(menu, 0, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_GRAYED);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_EQ(SkinMenuItemAt(n, 1)->picture, "PNG bytes");
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    // The separator and the submenu item carry their command id as item data.
    EXPECT_EQ(ItemDataAt(menu, 1), SkinMenuCommandId(n, 2));
    EXPECT_EQ(GetSubMenu(menu, 2), SkinMenuAt(sub)->menu);
    EXPECT_EQ(SkinMenuItemAt(n, 3)->submenu, SkinMenuAt(sub)->menu);
    EXPECT_EQ(ItemDataAt(menu, 2), SkinMenuCommandId(n, 3));
    EXPECT_EQ(GetSubMenu(menu, 3), nullptr);
    EXPECT_EQ(SkinMenuItemAt(n, 4)->submenu, nullptr);
}

TEST(SkinMenusTest, OutOfRangeNumbersChangeNothing)
{
    const int n = MakeMenu({"一", "二"});
    const HMENU menu = SkinMenuAt(n)->menu;
    const int count = SkinMenuCount();
    EXPECT_FALSE(AddSkinMenuItem(0, "x"));
    EXPECT_FALSE(AddSkinMenuItem(count + 1, "x"));
    for (int position : {0, -2, 4, 100}) {
        SkinMenuItemOptions options;
        options.position = position;
        EXPECT_FALSE(AddSkinMenuItem(n, "x", options)) << position;
    }
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(RecordCount(SkinMenuAt(n)->items), 2);

    EXPECT_FALSE(SetSkinMenuCallback(0, RecordingHandler));
    EXPECT_FALSE(SetSkinMenuCallback(count + 1, RecordingHandler));
    for (auto [m, i] : {std::pair{0, 1}, {count + 1, 1}, {n, 0}, {n, 3}}) {
        EXPECT_FALSE(SetSkinMenuItemChecked(m, i, true)) << m << "/" << i;
        EXPECT_FALSE(IsSkinMenuItemChecked(m, i)) << m << "/" << i;
    }
    EXPECT_FALSE(PopupSkinMenuAtCursor(0, nullptr, 0, 0));
    EXPECT_EQ(SkinMenuAt(0), nullptr);
    EXPECT_EQ(SkinMenuItemAt(n, 3), nullptr);
    EXPECT_EQ(FindSkinnedMenu(nullptr), 0);
    EXPECT_EQ(FindSkinnedMenu(menu), n);
}

TEST(SkinMenusTest, CommandIdsThatWouldNotSurviveWmCommandAreRefused)
{
    MakeMenusUpTo(66);
    // Menu 66 item 1 would be 66001, which WM_COMMAND cuts to 16 bits.
    EXPECT_FALSE(AddSkinMenuItem(66, "x"));
    EXPECT_EQ(GetMenuItemCount(SkinMenuAt(66)->menu), 0);
    EXPECT_EQ(RecordCount(SkinMenuAt(66)->items), 0);
    EXPECT_TRUE(AddSkinMenuItem(65, "x")) << "65001 fits";
    EXPECT_GT(SkinMenuCommandId(65, 536), kLargestMenuCommandId);
}

TEST(SkinMenusTest, CheckMarksLiveInTheMenu)
{
    const int n = MakeMenu({"一", "二"});
    EXPECT_FALSE(IsSkinMenuItemChecked(n, 2));
    EXPECT_TRUE(SetSkinMenuItemChecked(n, 2, true));
    EXPECT_TRUE(IsSkinMenuItemChecked(n, 2));
    EXPECT_FALSE(IsSkinMenuItemChecked(n, 1));
    EXPECT_TRUE(SetSkinMenuItemChecked(n, 2, false));
    EXPECT_FALSE(IsSkinMenuItemChecked(n, 2));
}

TEST(SkinMenusTest, MeasuringGivesTheMenusItemSize)
{
    const int n = MakeMenu({"一"}, 160, 24);
    SkinMenuItemOptions separator;
    separator.separator = true;
    ASSERT_TRUE(AddSkinMenuItem(n, "", separator));
    separator.position = 1;
    ASSERT_TRUE(AddSkinMenuItem(n, "", separator));
    const int sub = MakeMenu({"子项"});
    SkinMenuItemOptions opens;
    opens.submenu = sub;
    ASSERT_TRUE(AddSkinMenuItem(n, "更多", opens));
    const HMENU menu = SkinMenuAt(n)->menu;

    struct Case {
        int position;
        UINT width, height;
    } cases[] = {{0, 160, 12}, {1, 160, 24}, {2, 160, 12}, {3, 160, 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        MEASUREITEMSTRUCT measure = MeasureOf(menu, c.position);
        MeasureSkinMenuItem(nullptr, &measure);
        EXPECT_EQ(measure.itemWidth, c.width);
        EXPECT_EQ(measure.itemHeight, c.height);
    }

    // An item of no skin menu keeps what the system measured.
    MEASUREITEMSTRUCT other = {};
    other.itemID = 42;
    other.itemData = 7;
    other.itemWidth = 7;
    other.itemHeight = 9;
    MeasureSkinMenuItem(nullptr, &other);
    EXPECT_EQ(other.itemWidth, 7u);
    EXPECT_EQ(other.itemHeight, 9u);
    MeasureSkinMenuItem(nullptr, nullptr);
}

TEST(SkinMenusTest, TheFormProcedureMeasuresAndDeliversMenuCommands)
{
    MakeMenusUpTo(2);
    const SkinCallback saved = SkinMenuAt(2)->callback;
    ASSERT_TRUE(SetSkinMenuCallback(2, RecordingHandler));
    const int n = MakeMenu({"一", "二"}, 170, 26);
    ScopedWindow window(CreateFrameForm(40, 40, 300, 200));
    SkinForm(window);

    Calls().clear();
    SendMessageA(window, WM_COMMAND, 2007, 0);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0], std::vector<int>{7});

    Calls().clear();
    FormMessages().clear();
    SendMessageA(window, WM_COMMAND, 999, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(2007, 1), 0);  // an accelerator
    SendMessageA(window, WM_COMMAND, 2007, reinterpret_cast<LPARAM>(window.get()));  // a control's notification
    SendMessageA(window, WM_COMMAND, SkinMenuCommandId(n, 1), 0);  // a menu without a handler
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(CountFormMessages(window, WM_COMMAND), 4) << "every command reaches the form's own procedure";

    MEASUREITEMSTRUCT measure = MeasureOf(SkinMenuAt(n)->menu, 1);
    SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, 170u);
    EXPECT_EQ(measure.itemHeight, 26u);
    // A control's item (wParam is its id) is not the menu service's.
    measure = MeasureOf(SkinMenuAt(n)->menu, 1);
    SendMessageA(window, WM_MEASUREITEM, 5, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, 7u);
    SetSkinMenuCallback(2, saved);
}
