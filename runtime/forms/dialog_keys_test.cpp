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

enum : int { kGroup = 1, kTabs, kName, kCheck, kGo, kStop, kNotes, kList, kHiddenEdit, kYear, kOnPageTwo };

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
        Define(UnitKind::TabControl, kTabs, "选择夹1", {10, 170, 480, 200}).Items({"一", "二"}),
        Define(UnitKind::ListView, kList, "列表1", {6, 30, 300, 150}).Columns({{"名字", 120}}).In(kTabs, 0),
        Define(UnitKind::Edit, kNotes, "编辑框备注", {320, 30, 140, 100}).Flags(forms::kMultiLine).In(kTabs, 0),
        Define(UnitKind::Edit, kOnPageTwo, "编辑框第二页", {6, 30, 100, 22}).In(kTabs, 1),
    };
    d.bindings = {{kGo, EventKind::Click, OnClick},
                  {kStop, EventKind::Click, OnClick},
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
    static void HoldShift(bool down)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    static std::string FocusName(forms::Form& form)
    {
        HWND focus = GetFocus();
        for (const auto& unit : form.Units())
            if (unit->Window() && (unit->Window() == focus || IsChild(unit->Window(), focus)) &&
                unit->Kind() != UnitKind::GroupBox && unit->Kind() != UnitKind::TabControl)
                return unit->Name();
        return focus == form.Window() ? "window" : "?";
    }
    forms::FormDef def_;
};

TEST_F(DialogKeysTest, TabWalksTheTabStopsInCreationOrderIntoContainersAndBack)
{
    forms::Form* form = Open();
    ASSERT_NE(form, nullptr);
    SetFocus(form->Get("编辑框名字").Window());
    std::vector<std::string> forwards;
    for (int i = 0; i < 7; ++i) {
        Type(VK_TAB);
        forwards.push_back(FocusName(*form));
    }
    // Hidden units and the other tab page are passed over; the multi-line edit box keeps Tab, so the
    // walk ends there.
    const std::vector<std::string> expected = {"选择框1", "按钮生成", "按钮停止", "组合框年", "列表1", "编辑框备注",
                                               "编辑框备注"};
    EXPECT_EQ(forwards, expected);

    SetFocus(form->Get("组合框年").Window());
    HoldShift(true);
    std::vector<std::string> backwards;
    for (int i = 0; i < 4; ++i) {
        Type(VK_TAB);
        backwards.push_back(FocusName(*form));
    }
    HoldShift(false);
    EXPECT_EQ(backwards, (std::vector<std::string>{"按钮停止", "按钮生成", "选择框1", "编辑框名字"}));
    EXPECT_TRUE(Log2().clicks.empty());
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
    for (const char* focus : {"编辑框名字", "编辑框备注", "按钮生成"}) {
        SetFocus(form->Get(focus).Window());
        Type(VK_ESCAPE);
    }
    EXPECT_EQ(Log2().closeRequests, 0);
    EXPECT_TRUE(form->IsAlive());
    EXPECT_TRUE(IsWindow(form->Get("分组框1").Window()));
    EXPECT_TRUE(IsWindow(form->Get("选择夹1").Window()));
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
