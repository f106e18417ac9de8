// MainWindow's shell under Wine: the navigation items and their guard, also clicked on the bar, the
// side list's rows, the help menu's items, also chosen on the popped-up skin menu, the page change and
// the resize table.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <map>

#include "app/main_window_fun_page.h"
#include "app/main_window_layout.h"
#include "app/main_window_navigation.h"
#include "app/modal_test_support.h"
#include "app/shell_test_support.h"
#include "runtime/forms/form_runtime.h"
#include "skin/core/skin_menus.h"
#include "skin/custom/group_list.h"
#include "skin/custom/nav_bar.h"

namespace app_test {
namespace {

class MainWindowShellTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        LayOutDataFolder("张", true);
        ASSERT_TRUE(OpenMainWindow());
    }
    bool MainVisible() { return IsWindowVisible(window_->Window()) != FALSE; }
    // Runs the action; notes the modal window that opened meanwhile (closed at once), "" for none.
    std::string ModalOpenedBy(void (*action)(int), int item)
    {
        std::string opened;
        RunInsideNextModalLoop([&] {
            for (forms::Form* form : forms::OpenForms())
                if (form->IsModal())
                    opened = form->Name();
            pageWhileOpen_ = MainPage();
        });
        action(item);
        forms_test::PumpUntil([] { return false; }, 40);  // steps armed for a loop that never came run now
        return opened;
    }
    int pageWhileOpen_ = -1;  // the main window's page while the last modal window was open
};

TEST_F(MainWindowShellTest, TheWindowCarriesTheProgramsOwnIcon)
{
    // What the task bar and Alt+Tab ask: WM_GETICON first, then the class's icons.
    HWND window = window_->Window();
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICONSM), 0);
}

TEST_F(MainWindowShellTest, NavigationItemsShowTheirPagesAndResetTheGenerateCaption)
{
    const struct {
        int item;
        int page;
    } cases[] = {{4, 1}, {6, 5}, {7, 7}, {3, 3}, {5, 6}, {1, 0}};
    for (const auto& c : cases) {
        Unit("按钮生成").SetText("暂停");
        OnNavBarClicked(c.item);
        EXPECT_EQ(c.page, MainPage()) << c.item;
        EXPECT_EQ("生成", Unit("按钮生成").Text()) << c.item;
    }
    for (int outside : {0, 9, -1}) {
        OnNavBarClicked(outside);
        EXPECT_EQ(0, MainPage());
    }
}

// A click in the middle of a navigation item, as the mouse gives it to the bar on 图片框1.
void ClickNavItem(int item)
{
    const RECT r = g_navBar.GetItemRect(item);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(g_navBar.window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(g_navBar.window, WM_LBUTTONUP, 0, at);
}

TEST_F(MainWindowShellTest, TheBarsItemsReachTheNavigationHandlerOncePerNewItem)
{
    HWND bar = Unit("图片框1").Window();
    ASSERT_EQ(bar, g_navBar.window);
    const NavBarRecord* record = FindNavBar(bar);
    ASSERT_NE(nullptr, record);
    EXPECT_TRUE(record->pageMode);
    const char* const captions[] = {"宝宝取名", "姓名评测", "自选列表", "组合模式",
                                    "诗词模式", "取英文名", "取小名",   "生辰八字"};
    ASSERT_EQ(8, RecordCount(record->items));
    for (int item = 1; item <= 8; ++item) {
        EXPECT_EQ(captions[item - 1], g_navBar.GetItemText(item)) << item;
        EXPECT_FALSE(g_navBar.IsItemChecked(item)) << item;
        const RECT r = g_navBar.GetItemRect(item);
        EXPECT_EQ(85, r.right - r.left) << item;
        EXPECT_EQ(75, r.bottom - r.top) << item;
        RECT client = {};
        GetClientRect(bar, &client);
        EXPECT_LE(r.right, client.right) << "item " << item << " fits on the bar";
    }

    const struct {
        int item;
        int page;
    } cases[] = {{4, 1}, {6, 5}, {7, 7}, {3, 3}, {1, 0}};
    for (const auto& c : cases) {
        Unit("按钮生成").SetText("暂停");
        ClickNavItem(c.item);
        EXPECT_EQ(c.page, MainPage()) << c.item;
        EXPECT_EQ("生成", Unit("按钮生成").Text()) << c.item;
        EXPECT_TRUE(g_navBar.IsItemChecked(c.item)) << c.item;
    }

    // The current item clicked again calls nothing, even after the page changed otherwise.
    Unit("高级选择夹1").SetCurrentPage(4);
    ClickNavItem(1);
    EXPECT_EQ(4, MainPage());

    // A held-back item still becomes the bar's current one: clicked again once the generator is done,
    // it does nothing until another item has been clicked.
    Unit("按钮生成").SetEnabled(false);
    ClickNavItem(6);
    EXPECT_EQ(4, MainPage());
    Unit("按钮生成").SetEnabled(true);
    ClickNavItem(6);
    EXPECT_EQ(4, MainPage());
    ClickNavItem(7);
    EXPECT_EQ(7, MainPage());
    ClickNavItem(6);
    EXPECT_EQ(5, MainPage());

    // The items that open a window open it on every click and leave the bar's current item alone.
    for (int again = 0; again < 2; ++again) {
        EXPECT_EQ("NameScoringWindow", ModalOpenedBy(ClickNavItem, 2)) << again;
        EXPECT_EQ(2, pageWhileOpen_) << "the scoring page shows with its window";
        EXPECT_EQ(5, MainPage()) << "the page of before shows again once it is closed";
        EXPECT_EQ("BirthChartWindow", ModalOpenedBy(ClickNavItem, 8)) << again;
        EXPECT_EQ(5, MainPage());
    }
    for (int item = 1; item <= 8; ++item)
        EXPECT_EQ(item == 6, g_navBar.IsItemChecked(item) != 0) << item;
    ClickNavItem(7);
    EXPECT_EQ(7, MainPage()) << "the item of the page shown is the bar's current one";
    EXPECT_TRUE(MainVisible());
}

TEST_F(MainWindowShellTest, WhileAGeneratorFillsAListFiveItemsAreInertAndThreeAreNot)
{
    Unit("高级选择夹1").SetCurrentPage(4);
    Unit("按钮生成").SetEnabled(false);  // as while a worker fills a list
    for (int item : {1, 4, 5, 6, 7}) {
        OnNavBarClicked(item);
        EXPECT_EQ(4, MainPage()) << item;
    }
    EXPECT_EQ("NameScoringWindow", ModalOpenedBy(OnNavBarClicked, 2));
    EXPECT_EQ(2, pageWhileOpen_) << "the scoring page shows with its window";
    EXPECT_EQ(4, MainPage()) << "and goes when the window closes";
    EXPECT_EQ("BirthChartWindow", ModalOpenedBy(OnNavBarClicked, 8));
    EXPECT_EQ(4, MainPage()) << "the birth chart leaves the page";
    OnNavBarClicked(3);
    EXPECT_EQ(3, MainPage());

    Unit("按钮生成").SetEnabled(true);
    OnNavBarClicked(6);
    EXPECT_EQ(5, MainPage());
    EXPECT_TRUE(MainVisible());
}

TEST_F(MainWindowShellTest, SideListRowsShowTheirFeaturePagesAndTheLastOpensTheCalendar)
{
    forms::Unit& pages = Unit("高级选择夹2");
    ASSERT_EQ(15, pages.PageCount());
    for (int row = 14; row >= 1; --row) {
        OnSideListClicked(row, 0);
        EXPECT_EQ(row - 1, pages.CurrentPage()) << row;
    }
    EXPECT_EQ(nullptr, forms::FindForm("PerpetualCalendarWindow"));
    for (int outside : {0, 16}) {
        OnSideListClicked(outside, 0);
        EXPECT_EQ(0, pages.CurrentPage());
    }

    OnSideListClicked(15, 3);
    EXPECT_EQ(14, pages.CurrentPage());
    forms::Form* calendar = forms::FindForm("PerpetualCalendarWindow");
    ASSERT_NE(nullptr, calendar);
    EXPECT_FALSE(calendar->IsModal());
    EXPECT_FALSE(MainVisible());
    EXPECT_TRUE(calendar->Close());
    EXPECT_TRUE(MainVisible());
}

TEST_F(MainWindowShellTest, TheSideListsRowsReachTheSideListHandler)
{
    HWND panel = Unit("画板5").Window();
    ASSERT_EQ(panel, g_groupList.window);
    const GroupListRecord* list = FindGroupList(panel);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(25, list->childHeight);
    EXPECT_EQ(200, list->backAlpha);
    EXPECT_EQ(0xFFFFFFu, list->childTextColour);
    ASSERT_EQ(kFeaturePageCount, g_groupList.GetRowCount());
    for (int row = 1; row <= kFeaturePageCount; ++row) {
        EXPECT_EQ(kFeaturePageTitles[row - 1], g_groupList.GetText(row)) << row;
        EXPECT_TRUE(RecordAt(list->rows, row)->expanded) << row;
        EXPECT_EQ(0, g_groupList.GetChildCount(row)) << row;
    }

    Unit("高级选择夹1").SetCurrentPage(4);
    forms::Unit& pages = Unit("高级选择夹2");
    for (int row : {3, 9, 1, 14}) {
        const RECT r = RecordAt(list->rows, row)->rect;
        const int x = r.left + 20, y = (r.top + r.bottom) / 2;
        int hitRow = 0, entry = -1;
        ASSERT_EQ(1, g_groupList.HitTest(x, y, hitRow, entry)) << row;
        ASSERT_EQ(row, hitRow);
        SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(panel, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        EXPECT_EQ(row - 1, pages.CurrentPage()) << row;
    }
    EXPECT_EQ(4, MainPage());
}

TEST_F(MainWindowShellTest, HelpItemsActEverySecondChoice)
{
    bool mainHiddenMeanwhile = false;
    RunInsideNextModalLoop([&] {
        mainHiddenMeanwhile = !MainVisible();
        forms::Form* about = forms::FindForm("AboutWindow");
        ASSERT_NE(nullptr, about);
        SendMessageA(about->Get("按钮1").Window(), BM_CLICK, 0, 0);
    });
    OnHelpMenuItem(1);
    EXPECT_TRUE(mainHiddenMeanwhile);
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(nullptr, forms::FindForm("AboutWindow"));
    EXPECT_TRUE(IsHelpMenuItemChecked(1));

    EXPECT_EQ("", ModalOpenedBy(OnHelpMenuItem, 1)) << "the second choice only removes the check";
    EXPECT_FALSE(IsHelpMenuItemChecked(1));
    EXPECT_EQ("AboutWindow", ModalOpenedBy(OnHelpMenuItem, 1)) << "the third acts again";
    EXPECT_TRUE(MainVisible());

    // 软件升级 asks the service, which does not answer: nothing is shown.
    OnHelpMenuItem(2);
    EXPECT_TRUE(IsHelpMenuItemChecked(2));
    EXPECT_TRUE(forms_test::Log().messages.empty());
    OnHelpMenuItem(2);
    EXPECT_FALSE(IsHelpMenuItemChecked(2));
    OnHelpMenuItem(3);
    EXPECT_TRUE(IsHelpMenuItemChecked(3));
    EXPECT_TRUE(forms_test::Log().openedUrls.empty());
    for (int outside : {0, 4}) {
        OnHelpMenuItem(outside);
        EXPECT_FALSE(IsHelpMenuItemChecked(outside));
    }
}

// Chooses the first item of the open menu with the keys, once the menu shows.
bool g_menuShown = false;

void CALLBACK ChooseFirstMenuItem(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu))
        return;
    KillTimer(nullptr, timer);
    g_menuShown = true;
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

void CALLBACK CloseShownMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND menu = FindWindowA("#32768", nullptr);
    g_menuShown = menu && IsWindowVisible(menu);
    EndMenu();
}

TEST_F(MainWindowShellTest, PressingTheHelpLabelPopsUpTheSkinnedHelpMenu)
{
    const SkinMenuRecord* menu = SkinMenuAt(g_helpMenu);
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(100, menu->itemWidth);
    ASSERT_EQ(3, RecordCount(menu->items));
    const char* const captions[] = {"联系我们", "软件升级", "软件主页"};
    for (int item = 1; item <= 3; ++item)
        EXPECT_EQ(captions[item - 1], SkinMenuItemAt(g_helpMenu, item)->text);

    HWND label = Unit("透明标签使用帮助").Window();
    g_menuShown = false;
    SetTimer(nullptr, 0, 50, CloseShownMenu);
    SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_TRUE(g_menuShown);
    forms_test::PumpUntil([] { return false; }, 40);
    EXPECT_FALSE(IsHelpMenuItemChecked(1)) << "closing the menu chooses nothing";

    // 联系我们 chosen on the menu reaches OnHelpMenuItem through the skin: the about window opens.
    g_menuShown = false;
    SetTimer(nullptr, 0, 20, ChooseFirstMenuItem);
    SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ASSERT_TRUE(g_menuShown);
    std::string opened;
    RunInsideNextModalLoop([&] {
        if (forms::Form* about = forms::FindForm("AboutWindow"))
            opened = about->Name();
    });
    EXPECT_TRUE(forms_test::PumpUntil([&] { return !opened.empty(); }));
    EXPECT_TRUE(IsHelpMenuItemChecked(1));
    EXPECT_TRUE(MainVisible());
}

// Expected sizes (-1: not set by the table) of one unit of each row of the resize table.
// A rectangle of a window in screen coordinates.
RECT ScreenRectOf(HWND window, RECT r)
{
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Contains(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST_F(MainWindowShellTest, EveryFeaturePageHeaderCanBeReachedAndClicked)
{
    Unit("高级选择夹1").SetCurrentPage(4);
    forms::ProcessPendingMessages();
    HWND tabs = Unit("高级选择夹2").Window();
    // What a parent sees of the header strip: the part inside the page of 高级选择夹1.
    RECT page = {};
    GetClientRect(Unit("高级选择夹1").Window(), &page);
    const RECT shown = ScreenRectOf(Unit("高级选择夹1").Window(), page);
    RECT strip = {};
    GetClientRect(tabs, &strip);
    EXPECT_TRUE(Contains(shown, ScreenRectOf(tabs, strip))) << "the feature pages end inside the window";

    forms::Unit& pages = Unit("高级选择夹2");
    for (int target : {14, 10, 0, 12}) {
        RECT header = {};
        for (int scroll = 0; scroll < kFeaturePageCount; ++scroll) {
            SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(target), reinterpret_cast<LPARAM>(&header));
            // A header scrolled out to the left has an empty rectangle.
            const bool leftOfView = header.right <= header.left || header.left < 0;
            if (!leftOfView && Contains(shown, ScreenRectOf(tabs, header)))
                break;
            // The strip's own scroll arrows, where the headers do not all fit.
            HWND arrows = FindWindowExA(tabs, nullptr, "msctls_updown32", nullptr);
            ASSERT_NE(nullptr, arrows) << "header " << target << " is out of sight and there are no arrows";
            RECT box = {};
            GetClientRect(arrows, &box);
            ASSERT_TRUE(IsWindowVisible(arrows));
            ASSERT_TRUE(Contains(shown, ScreenRectOf(arrows, box))) << "the arrows are in sight";
            const int x = leftOfView ? box.right / 4 : box.right * 3 / 4;
            forms_test::ClickAt(arrows, x, box.bottom / 2);
            forms::ProcessPendingMessages();
        }
        ASSERT_TRUE(header.right > header.left && Contains(shown, ScreenRectOf(tabs, header))) << "header " << target;
        forms_test::ClickAt(tabs, (header.left + header.right) / 2, (header.top + header.bottom) / 2);
        forms::ProcessPendingMessages();
        EXPECT_EQ(target, pages.CurrentPage()) << "a click on header " << target << " shows its page";
    }
    UpdateWindow(window_->Window());
    EXPECT_TRUE(forms_test::SaveScreenshot(window_->Window(), "fun-tools-page.png"));
}

TEST_F(MainWindowShellTest, ScreenshotsOfEveryPage)
{
    const char* const names[] = {"宝宝取名", "组合模式", "名字评分", "自选列表", "趣味工具", "取英文名", "诗词模式", "取小名"};
    for (int page = 0; page < 8; ++page) {
        Unit("高级选择夹1").SetCurrentPage(page);
        forms_test::PumpUntil([] { return false; }, 150);
        UpdateWindow(window_->Window());
        EXPECT_TRUE(forms_test::SaveScreenshot(window_->Window(), "main-page-" + std::to_string(page) + ".png"))
            << names[page];
    }
}

struct Expected {
    const char* unit;
    int left, width, height;
};

void ExpectLayout(forms::Form& window, const std::vector<Expected>& table, int windowWidth)
{
    for (const Expected& e : table) {
        forms::Unit& unit = window.Get(e.unit);
        ASSERT_TRUE(unit.IsAlive()) << e.unit;
        if (e.left >= 0) {
            EXPECT_EQ(e.left, unit.Left()) << e.unit << " at " << windowWidth;
        }
        if (e.width >= 0) {
            EXPECT_EQ(e.width, unit.Width()) << e.unit << " at " << windowWidth;
        }
        if (e.height >= 0) {
            EXPECT_EQ(e.height, unit.Height()) << e.unit << " at " << windowWidth;
        }
    }
}

TEST_F(MainWindowShellTest, ResizeTableHoldsAndNothingGoesNegativeOnASmallWindow)
{
    // 800 x 600: 高级选择夹1 is 800 x (600 - 96 - 146 - 25) = 800 x 333.
    const std::vector<Expected> at800 = {
        {"分组框18", -1, 800, -1},
        {"高级选择夹1", -1, 800, 333},
        {"超级列表框1", -1, 800 - 200 - 28, 333 - 45},
        {"分组框13", 572 + 16, -1, 333 - 44},
        {"超级编辑框1", -1, -1, 289 - 24},
        {"透明标签使用帮助", 800 - 80, -1, -1},
        {"超级列表框取小名", -1, 785, 333 - 120},
        {"分组框5", -1, 790, 283},
        {"超级列表框取英文名", -1, 780, 263},
        {"超级列表框3", -1, 790, 283},
        {"组合模式_超级列表框", -1, 800 - 200 - 30, 283},
        {"超级列表框诗人", -1, -1, 333 - 78},
        {"超级列表框诗词标题", -1, -1, 255},
        {"超级列表框诗词模式", -1, 800 - 2 * 180, 333 - 60 - 80},
        {"画板5", -1, -1, 333 - 36},
        {"高级选择夹2", -1, 800 - 180 - 14, 283},  // ends 6 pixels inside 高级选择夹1
        {"编辑框血型配对", -1, 606 - 53, 283 - 10},
        {"超文本浏览框百家姓", -1, 606 - 50, 273},
    };
    forms::Unit& self = window_->Self();
    ASSERT_TRUE(self.Move(self.Left(), self.Top(), 800, 600));
    ExpectLayout(*window_, at800, 800);

    ASSERT_TRUE(self.Move(self.Left(), self.Top(), 200, 150));
    for (const auto& unit : window_->Units()) {
        if (!unit->Window())
            continue;
        EXPECT_GE(unit->Width(), 0) << unit->Name();
        EXPECT_GE(unit->Height(), 0) << unit->Name();
    }
    EXPECT_EQ(0, Unit("高级选择夹1").Height());
    EXPECT_EQ(16, Unit("分组框13").Left());

    ASSERT_TRUE(self.Move(self.Left(), self.Top(), 800, 600));
    ExpectLayout(*window_, at800, 800);
}

TEST_F(MainWindowShellTest, DesignedSizeIsLaidOutAsTheResizeTableLaysItOut)
{
    using Rect = std::array<int, 4>;
    auto rectOf = [](const forms::Unit& unit) { return Rect{unit.Left(), unit.Top(), unit.Width(), unit.Height()}; };
    std::map<std::string, Rect> designed;
    for (const auto& unit : window_->Units())
        if (unit->Window())
            designed[unit->Name()] = rectOf(*unit);
    LayoutMainWindow(*window_);
    for (const auto& unit : window_->Units()) {
        if (unit->Window()) {
            EXPECT_EQ(designed[unit->Name()], rectOf(*unit)) << unit->Name();
        }
    }
}

}  // namespace
}  // namespace app_test
