// The keyboard of dialog boxes in the program's windows: key presses are posted to the focused window
// and go through the message loop, as typed keys do.
#include "runtime/forms/forms_test_support.h"

#include <commctrl.h>

namespace forms_test {
namespace {

using forms::Define;
using forms::EventKind;
using forms::UnitKind;

struct Seen {
    std::vector<std::string> clicks;
    std::vector<int> menuRows;
    std::vector<POINT> menuPoints;
    int closeRequests = 0;
    std::vector<int> pages;
};
Seen& Log2()
{
    static Seen seen;
    return seen;
}

void OnClick(forms::Event& e) { Log2().clicks.push_back(e.sender.Name()); }
void OnRightPress(forms::Event& e)
{
    Log2().menuRows.push_back(e.item);
    Log2().menuPoints.push_back(POINT{e.x, e.y});
}
void OnMayClose(forms::Event&) { ++Log2().closeRequests; }
void OnPageChanged(forms::Event& e) { Log2().pages.push_back(e.sender.CurrentPage()); }

enum : int {
    kGroup = 1, kTabs, kName, kCheck, kGo, kStop, kNotes, kList, kHiddenEdit, kYear, kOnPageTwo,
    kBoy, kGirl, kFirst, kSecond, kThird, kRich, kPageTwoNotes
};

forms::FormDef KeysWindow(unsigned flags)
{
    forms::FormDef d;
    d.id = 301;
    d.name = "KeysWindow";
    d.caption = "键盘";
    d.rect = {60, 60, 520, 420};
    d.flags = flags;
    d.units = {
        Define(UnitKind::Edit, kName, "编辑框名字", {10, 10, 100, 22}, "思远"),
        Define(UnitKind::GroupBox, kGroup, "分组框1", {10, 40, 300, 120}, "设置"),
        Define(UnitKind::CheckBox, kCheck, "选择框1", {10, 20, 100, 22}, "限定").In(kGroup),
        Define(UnitKind::Edit, kHiddenEdit, "编辑框隐藏", {10, 50, 40, 22}).Flags(forms::kHidden).In(kGroup),
        Define(UnitKind::Button, kGo, "按钮生成", {120, 20, 80, 30}, "生成").Flags(forms::kDefaultButton).In(kGroup),
        Define(UnitKind::Button, kStop, "按钮停止", {120, 60, 80, 30}, "停止").In(kGroup),
        Define(UnitKind::ComboBox, kYear, "组合框年", {210, 20, 70, 22}, "2").Items({"1", "2", "3"})
            .Flags(forms::kDropDownList).In(kGroup),
        // Two radio groups side by side: 男 女, and 甲 乙 丙 with 乙 disabled.
        Define(UnitKind::RadioBox, kBoy, "单选框男", {10, 90, 40, 22}, "男").Flags(forms::kGroupStart | forms::kChecked)
            .In(kGroup),
        Define(UnitKind::RadioBox, kGirl, "单选框女", {52, 90, 40, 22}, "女").In(kGroup),
        Define(UnitKind::RadioBox, kFirst, "单选框甲", {110, 90, 40, 22}, "甲")
            .Flags(forms::kGroupStart | forms::kChecked).In(kGroup),
        Define(UnitKind::RadioBox, kSecond, "单选框乙", {152, 90, 40, 22}, "乙").Flags(forms::kDisabled).In(kGroup),
        Define(UnitKind::RadioBox, kThird, "单选框丙", {194, 90, 40, 22}, "丙").In(kGroup),
        Define(UnitKind::TabControl, kTabs, "选择夹1", {10, 170, 480, 200}).Items({"一", "二"}),
        Define(UnitKind::ListView, kList, "列表1", {6, 30, 300, 150}).Columns({{"名字", 120}}).In(kTabs, 0),
        Define(UnitKind::Edit, kNotes, "编辑框备注", {320, 30, 140, 60}).Flags(forms::kMultiLine).In(kTabs, 0),
        Define(UnitKind::RichEdit, kRich, "富文本框", {320, 100, 140, 60}).In(kTabs, 0),
        Define(UnitKind::Edit, kOnPageTwo, "编辑框第二页", {6, 30, 100, 22}).In(kTabs, 1),
        Define(UnitKind::Edit, kPageTwoNotes, "编辑框第二页备注", {120, 30, 100, 60}).Flags(forms::kMultiLine)
            .In(kTabs, 1),
    };
    d.bindings = {{kGo, EventKind::Click, OnClick},
                  {kStop, EventKind::Click, OnClick},
                  {kBoy, EventKind::Click, OnClick},
                  {kGirl, EventKind::Click, OnClick},
                  {kFirst, EventKind::Click, OnClick},
                  {kThird, EventKind::Click, OnClick},
                  {kTabs, EventKind::PageChanged, OnPageChanged},
                  {kList, EventKind::RightPress, OnRightPress},
                  {0, EventKind::MayClose, OnMayClose}};
    return d;
}

class DialogKeysTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        Log2() = Seen();
    }
    void TearDown() override
    {
        HoldShift(false);
        Hold(VK_CONTROL, false);
        FormsTest::TearDown();
    }
    forms::Form* Open(unsigned flags = forms::kFormFixed)
    {
        def_ = KeysWindow(flags);
        forms::Form* form = forms::OpenModeless(def_);
        if (form) {
            SetForegroundWindow(form->Window());
            SetActiveWindow(form->Window());
        }
        return form;
    }
    // A key press as the keyboard gives it to the focused window, handled by the message loop.
    static void Type(WPARAM key, UINT message = WM_KEYDOWN)
    {
        HWND focus = GetFocus();
        PostMessageA(focus, message, key, 1);
        PostMessageA(focus, message == WM_KEYDOWN ? WM_KEYUP : WM_SYSKEYUP, key, 0xC0000001);
        forms::ProcessPendingMessages();
    }
    static void HoldShift(bool down) { Hold(VK_SHIFT, down); }
    static void Hold(int key, bool down)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[key] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    // The focus after each key of the list, typed one after the other.
    static std::vector<std::string> FocusAfterEach(forms::Form& form, const std::vector<WPARAM>& keys)
    {
        std::vector<std::string> seen;
        for (WPARAM key : keys) {
            Type(key);
            seen.push_back(FocusName(form));
        }
        return seen;
    }
    static bool IsChecked(forms::Form& form, const char* name) { return form.Get(name).Checked(); }
    static std::string FocusName(forms::Form& form)
    {
        HWND focus = GetFocus();
        for (const auto& unit : form.Units())
            if (unit->Window() && unit->Window() == focus)
                return unit->Name();
        // The edit field of a combo box.
        for (const auto& unit : form.Units())
            if (unit->Window() && IsChild(unit->Window(), focus) && unit->Kind() == UnitKind::ComboBox)
                return unit->Name();
        return focus == form.Window() ? "window" : "?";
    }
    forms::FormDef def_;
};

TEST_F(DialogKeysTest, TabWalksTheTabStopsInCreationOrderIntoContainersAndRound)
{
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    SetFocus(form->Get("编辑框名字").Window());
    // Hidden units and the other tab page are passed over; each radio group is one stop, its checked
    // radio; the tab control's tabs come before its page; a multi-line edit box does not keep Tab, a
    // rich edit box does.
    const std::vector<WPARAM> tabs(10, VK_TAB);
    EXPECT_EQ(FocusAfterEach(*form, tabs),
              (std::vector<std::string>{"选择框1", "按钮生成", "按钮停止", "组合框年", "单选框男", "单选框甲",
                                        "选择夹1", "列表1", "编辑框备注", "富文本框"}));
    EXPECT_EQ(form->Get("编辑框备注").Text(), "") << "Tab typed into the multi-line edit box";
    Type(VK_TAB);
    EXPECT_EQ(FocusName(*form), "富文本框");
    EXPECT_NE(form->Get("富文本框").Text().find('\t'), std::string::npos) << "the rich edit box types Tab";

    // The checked radio of a group is its stop, in both directions; backwards the walk goes round.
    form->Get("单选框女").SetChecked(true);
    form->Get("单选框男").SetChecked(false);
    form->Get("单选框丙").SetChecked(true);
    form->Get("单选框甲").SetChecked(false);
    SetFocus(form->Get("选择框1").Window());
    HoldShift(true);
    EXPECT_EQ(FocusAfterEach(*form, {VK_TAB, VK_TAB}), (std::vector<std::string>{"编辑框名字", "富文本框"}));
    SetFocus(form->Get("选择夹1").Window());
    EXPECT_EQ(FocusAfterEach(*form, {VK_TAB, VK_TAB, VK_TAB}),
              (std::vector<std::string>{"单选框丙", "单选框女", "组合框年"}));
    HoldShift(false);
    EXPECT_TRUE(Log2().clicks.empty());

    // A window whose focus is on itself starts at the first stop.
    SetFocus(form->Window());
    Type(VK_TAB);
    EXPECT_EQ(FocusName(*form), "编辑框名字");
}

TEST_F(DialogKeysTest, ArrowKeysMoveWithinARadioGroupAndCheckAsAClickDoes)
{
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    SetFocus(form->Get("单选框男").Window());
    struct Case {
        WPARAM key;
        const char* focus;
    } cases[] = {
        {VK_RIGHT, "单选框女"}, {VK_RIGHT, "单选框男"},  // round the group, never into the next one
        {VK_LEFT, "单选框女"},  {VK_UP, "单选框男"},   {VK_DOWN, "单选框女"},
    };
    for (const Case& c : cases) {
        Type(c.key);
        EXPECT_EQ(FocusName(*form), c.focus) << c.key;
        EXPECT_TRUE(IsChecked(*form, c.focus)) << c.focus;
        EXPECT_EQ(IsChecked(*form, "单选框男") + IsChecked(*form, "单选框女"), 1) << "one radio of the group checked";
    }
    EXPECT_EQ(Log2().clicks, (std::vector<std::string>{"单选框女", "单选框男", "单选框女", "单选框男", "单选框女"}));
    EXPECT_TRUE(IsChecked(*form, "单选框甲")) << "the other group keeps its choice";

    // The disabled radio is passed over.
    Log2().clicks.clear();
    SetFocus(form->Get("单选框甲").Window());
    EXPECT_EQ(FocusAfterEach(*form, {VK_RIGHT, VK_RIGHT, VK_LEFT}),
              (std::vector<std::string>{"单选框丙", "单选框甲", "单选框丙"}));
    EXPECT_TRUE(IsChecked(*form, "单选框丙"));
    EXPECT_FALSE(IsChecked(*form, "单选框甲"));
    EXPECT_FALSE(IsChecked(*form, "单选框乙"));

    // Elsewhere the arrow keys stay the control's own.
    SetFocus(form->Get("编辑框名字").Window());
    Type(VK_RIGHT);
    EXPECT_EQ(FocusName(*form), "编辑框名字");
    EXPECT_EQ(Log2().clicks.size(), 3u);
}

TEST_F(DialogKeysTest, ControlWithTabOrPageKeysTurnsThePagesAndFreesAFocusLeftOnAHiddenPage)
{
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    forms::Unit& tabs = form->Get("选择夹1");
    SetFocus(form->Get("编辑框备注").Window());
    Hold(VK_CONTROL, true);
    Type(VK_TAB);
    EXPECT_EQ(tabs.CurrentPage(), 1);
    EXPECT_TRUE(IsWindowVisible(form->Get("编辑框第二页").Window()));
    EXPECT_FALSE(IsWindowVisible(form->Get("编辑框备注").Window()));
    EXPECT_EQ(GetFocus(), tabs.Window()) << "the focus went to the tabs";
    EXPECT_EQ(static_cast<int>(SendMessageA(tabs.Window(), TCM_GETCURSEL, 0, 0)), 1) << "the tabs show the page";

    const struct {
        WPARAM key;
        bool shift;
        int page;
    } cases[] = {{VK_TAB, false, 0}, {VK_TAB, true, 1}, {VK_PRIOR, false, 0}, {VK_PRIOR, false, 1},
                 {VK_NEXT, false, 0}};
    for (const auto& c : cases) {
        HoldShift(c.shift);
        Type(c.key);
        HoldShift(false);
        EXPECT_EQ(tabs.CurrentPage(), c.page) << c.key << " " << c.shift;
    }
    // From outside every tab control the window's tab control turns; the focus stays where it is.
    SetFocus(form->Get("编辑框名字").Window());
    Type(VK_TAB);
    // From a multi-line edit box on a page too: it types no tab.
    SetFocus(form->Get("编辑框第二页备注").Window());
    Type(VK_TAB);
    Hold(VK_CONTROL, false);
    EXPECT_EQ(tabs.CurrentPage(), 0);
    EXPECT_EQ(form->Get("编辑框第二页备注").Text(), "");
    EXPECT_EQ(Log2().pages, (std::vector<int>{1, 0, 1, 0, 1, 0, 1, 0}));
}

TEST_F(DialogKeysTest, EnterPressesTheFocusedButtonOrElseTheDefaultOne)
{
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* focus;
        std::vector<std::string> clicks;
    } cases[] = {
        {"编辑框名字", {"按钮生成"}},
        {"选择框1", {"按钮生成"}},
        {"按钮停止", {"按钮停止"}},
        {"列表1", {"按钮生成"}},
        {"编辑框备注", {}},  // a multi-line edit box types the line break
    };
    for (const Case& c : cases) {
        Log2().clicks.clear();
        SetFocus(form->Get(c.focus).Window());
        Type(VK_RETURN);
        EXPECT_EQ(Log2().clicks, c.clicks) << c.focus;
    }
    EXPECT_NE(form->Get("编辑框备注").Text().find("\r\n"), std::string::npos);
    EXPECT_TRUE(form->IsAlive());

    // Without an enabled default button Enter presses nothing.
    form->Get("按钮生成").SetEnabled(false);
    Log2().clicks.clear();
    SetFocus(form->Get("编辑框名字").Window());
    Type(VK_RETURN);
    EXPECT_TRUE(Log2().clicks.empty());
}

// A control that asks for Enter itself, as the navigation bar does: the list below answers so.
WNDPROC g_listProc = nullptr;
int g_enterSeen = 0;
LRESULT CALLBACK AsksForEnter(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE && lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
        return CallWindowProcA(g_listProc, window, message, wParam, lParam) | DLGC_WANTMESSAGE;
    if (message == WM_KEYDOWN && wParam == VK_RETURN)
        ++g_enterSeen;
    return CallWindowProcA(g_listProc, window, message, wParam, lParam);
}

TEST_F(DialogKeysTest, AControlThatAsksForEnterGetsIt)
{
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    HWND list = form->Get("列表1").Window();
    g_enterSeen = 0;
    g_listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AsksForEnter)));
    SetFocus(list);
    Type(VK_RETURN);
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listProc));
    EXPECT_EQ(g_enterSeen, 1);
    EXPECT_TRUE(Log2().clicks.empty()) << "the default button stays unpressed";
}

TEST_F(DialogKeysTest, EscapeClosesASecondaryWindowAsItsCloseButtonDoes)
{
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    HWND window = form->Window();
    SetFocus(form->Get("编辑框备注").Window());  // also from a multi-line edit box
    Type(VK_ESCAPE);
    EXPECT_EQ(Log2().closeRequests, 1);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(DialogKeysTest, EscapeLeavesTheMainWindowAndItsContainersOpen)
{
    forms::Form* form = Open(forms::kFormMain);
    ASSERT_NE(form, nullptr);
    // Escape in a multi-line edit box leaves it for the tabs of its page; elsewhere the focus stays.
    const struct {
        const char* focus;
        HWND after;
    } cases[] = {{"编辑框名字", form->Get("编辑框名字").Window()},
                 {"编辑框备注", form->Get("选择夹1").Window()},
                 {"按钮生成", form->Get("按钮生成").Window()}};
    for (const auto& c : cases) {
        SetFocus(form->Get(c.focus).Window());
        Type(VK_ESCAPE);
        EXPECT_EQ(GetFocus(), c.after) << c.focus;
    }
    EXPECT_EQ(Log2().closeRequests, 0);
    EXPECT_TRUE(form->IsAlive());
    EXPECT_TRUE(IsWindow(form->Get("分组框1").Window()));
    EXPECT_TRUE(IsWindow(form->Get("选择夹1").Window()));
}

TEST_F(DialogKeysTest, TheFocusGoesBackToItsControlWhenTheWindowIsActiveAgain)
{
    forms::Form* form = Open(forms::kFormMain);
    ASSERT_NE(form, nullptr);
    HWND list = form->Get("列表1").Window();
    SetFocus(list);
    // A box the window owns comes and goes, as a message box does.
    for (int round = 0; round < 2; ++round) {
        HWND box = CreateWindowExA(0, "Static", "增加成功", WS_POPUP | WS_VISIBLE, 100, 100, 120, 60, form->Window(),
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(box, nullptr);
        SetActiveWindow(box);
        forms::ProcessPendingMessages();
        EXPECT_NE(GetFocus(), list);
        DestroyWindow(box);
        forms::ProcessPendingMessages();
        EXPECT_EQ(GetActiveWindow(), form->Window());
        EXPECT_EQ(GetFocus(), list) << "round " << round << ": the focus is on " << FocusName(*form);
    }
    // A control that went away in the meantime gets nothing: the window keeps the focus itself.
    HWND box = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 100, 100, 120, 60, form->Window(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    SetActiveWindow(box);
    form->Get("选择夹1").SetCurrentPage(1);
    DestroyWindow(box);
    forms::ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), form->Window());
}

TEST_F(DialogKeysTest, AControlDisabledWithTheFocusHandsItOnAndAWindowWithoutFocusStillTakesTab)
{
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    SetFocus(form->Get("按钮生成").Window());
    form->Get("按钮生成").SetEnabled(false);
    EXPECT_EQ(FocusName(*form), "按钮停止");
    form->Get("编辑框名字").SetEnabled(false);
    EXPECT_EQ(FocusName(*form), "按钮停止") << "a control without the focus changes nothing";

    // With no focus the system gives keys to the active window as system keys.
    SetFocus(nullptr);
    ASSERT_EQ(GetFocus(), nullptr);
    PostMessageA(form->Window(), WM_SYSKEYDOWN, VK_TAB, 1);
    PostMessageA(form->Window(), WM_SYSKEYUP, VK_TAB, 0xC0000001);
    forms::ProcessPendingMessages();
    EXPECT_EQ(FocusName(*form), "选择框1");
}

TEST_F(DialogKeysTest, TabGoesThroughTheListsOfALunarDateBox)
{
    forms::FormDef d;
    d.id = 302;
    d.name = "DateKeysWindow";
    d.caption = "日期";
    d.rect = {60, 60, 320, 120};
    d.units = {Define(UnitKind::Edit, 1, "编辑框名字", {10, 10, 100, 22}),
               Define(UnitKind::LunarDateBox, 2, "农历日期框1", {10, 40, 240, 22})};
    forms::Form* form = forms::OpenModeless(d);
    ASSERT_NE(form, nullptr);
    SetForegroundWindow(form->Window());
    HWND box = form->Get("农历日期框1").Window();
    SetFocus(form->Get("编辑框名字").Window());
    std::vector<HWND> seen;
    for (int i = 0; i < 4; ++i) {
        Type(VK_TAB);
        seen.push_back(GetFocus());
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(GetParent(seen[static_cast<size_t>(i)]), box) << i;
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);
    EXPECT_EQ(seen[3], form->Get("编辑框名字").Window()) << "round to the start";
}

TEST_F(DialogKeysTest, ControlWithTabTypesNoTabWhereThereAreNoPagesToTurn)
{
    forms::FormDef d;
    d.id = 303;
    d.name = "NotesWindow";
    d.caption = "备注";
    d.rect = {60, 60, 320, 160};
    d.units = {Define(UnitKind::Edit, 1, "编辑框备注", {10, 10, 200, 80}).Flags(forms::kMultiLine),
               Define(UnitKind::Button, 2, "按钮确定", {220, 10, 80, 30}, "确定")};
    forms::Form* form = forms::OpenModeless(d);
    ASSERT_NE(form, nullptr);
    SetForegroundWindow(form->Window());
    SetFocus(form->Get("编辑框备注").Window());
    for (bool shift : {false, true}) {
        HoldShift(shift);
        Hold(VK_CONTROL, true);
        Type(VK_TAB);
        Hold(VK_CONTROL, false);
        HoldShift(false);
    }
    EXPECT_EQ(form->Get("编辑框备注").Text(), "");
    EXPECT_EQ(FocusName(*form), "编辑框备注");
}

// Ends whatever menu the thread is in.
void CALLBACK EndAnyMenu(HWND, UINT, UINT_PTR, DWORD)
{
    EndMenu();
}

TEST_F(DialogKeysTest, ShiftF10AndTheMenuKeyOpenTheListMenuAtTheSelectedRow)
{
    // Left to the system, F10 enters the window's menu mode, a loop of its own that would hold the test
    // until its time limit: a timer ends any menu after two seconds, so a missing handler fails at once.
    struct MenuGuard {
        UINT_PTR timer = SetTimer(nullptr, 0, 2000, EndAnyMenu);
        ~MenuGuard() { KillTimer(nullptr, timer); }
    } menuGuard;
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    forms::Unit& list = form->Get("列表1");
    for (const char* name : {"王一", "王二", "王三", "王四"})
        list.AppendRow({name});
    list.SelectRow(2);
    forms::ProcessPendingMessages();
    SetFocus(list.Window());
    HoldShift(true);
    Type(VK_F10, WM_SYSKEYDOWN);
    HoldShift(false);
    Type(VK_APPS);
    ASSERT_EQ(Log2().menuRows, (std::vector<int>{2, 2}));
    RECT row = {};
    row.left = LVIR_BOUNDS;
    SendMessageA(list.Window(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    for (const POINT& at : Log2().menuPoints)
        EXPECT_TRUE(PtInRect(&row, at)) << at.x << "," << at.y;

    // Elsewhere the keys open nothing.
    SetFocus(form->Get("编辑框名字").Window());
    Type(VK_APPS);
    EXPECT_EQ(Log2().menuRows.size(), 2u);
}

}  // namespace
}  // namespace forms_test
