// Events reach the handlers bound to them, with the right sender, when the controls are driven the
// way the user drives them (messages to the native windows).
#include "runtime/forms/forms_test_support.h"

#include <commctrl.h>
#include "runtime/forms/test_window.h"

namespace forms_test {
namespace {

using forms::EventKind;

POINT CentreOf(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Press(HWND window, UINT down, UINT up, POINT at, WPARAM keys)
{
    SendMessageA(window, down, keys, MAKELPARAM(at.x, at.y));
    SendMessageA(window, up, 0, MAKELPARAM(at.x, at.y));
}

class EventsTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        form_ = forms::OpenModeless(EveryUnitWindow());
        ASSERT_NE(form_, nullptr);
        Recorded().clear();
    }
    forms::Unit& U(const char* name) { return form_->Get(name); }
    forms::Form* form_ = nullptr;
};

TEST_F(EventsTest, ClicksReachTheirHandlersWithTheSender)
{
    SendMessageA(U("按钮生成").Window(), BM_CLICK, 0, 0);
    SendMessageA(U("单选框选择男").Window(), BM_CLICK, 0, 0);  // inside a group box
    U("高级选择夹1").SetCurrentPage(1);
    SendMessageA(U("选择框X").Window(), BM_CLICK, 0, 0);      // on a tab page
    const auto clicks = RecordedOf(EventKind::Click);
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[0].sender, "按钮生成");
    EXPECT_EQ(clicks[1].sender, "单选框选择男");
    EXPECT_EQ(clicks[2].sender, "选择框X");
    EXPECT_TRUE(U("选择框X").Checked());
}

TEST_F(EventsTest, MouseDownCarriesPositionAndButton)
{
    SendMessageA(U("标签1").Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageA(U("标签1").Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    SendMessageA(U("透明标签1").Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7, 3));  // inside a picture box
    const auto downs = RecordedOf(EventKind::MouseDown);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].sender, "标签1");
    EXPECT_EQ(downs[0].x, 5);
    EXPECT_EQ(downs[0].y, 6);
    EXPECT_EQ(downs[0].button, 1);
    EXPECT_EQ(downs[1].sender, "透明标签1");
    EXPECT_EQ(downs[1].button, 2);
    // A label with SS_NOTIFY also reports the click.
    const auto clicks = RecordedOf(EventKind::Click);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].sender, "标签1");
}

TEST_F(EventsTest, ChangesCarryTheNewText)
{
    U("编辑框_姓1").SetText("李");
    const auto changes = RecordedOf(EventKind::Changed);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].sender, "编辑框_姓1");
    EXPECT_EQ(changes[0].text, "李");

    // Stepping through a combo box with the keyboard, as a user does: the handler reads the newly
    // selected item, not the text the box showed before.
    forms::Unit& year = U("组合框年1");
    SendMessageA(year.Window(), CB_SETCURSEL, 1, 0);
    year.SetText("1999");
    Recorded().clear();
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(year.Window(), &info));
    SendMessageA(info.hwndItem, WM_KEYDOWN, VK_DOWN, 0);
    auto selections = RecordedOf(EventKind::SelectionChanged);
    ASSERT_EQ(selections.size(), 1u);
    EXPECT_EQ(selections[0].sender, "组合框年1");
    EXPECT_EQ(selections[0].text, "2013");
    EXPECT_TRUE(RecordedOf(EventKind::Changed).empty()) << "showing the selection is no typed change";

    forms::Unit& lengths = U("组合框设置名字个数");
    SendMessageA(lengths.Window(), WM_KEYDOWN, VK_DOWN, 0);
    selections = RecordedOf(EventKind::SelectionChanged);
    ASSERT_EQ(selections.size(), 2u);
    EXPECT_EQ(selections[1].sender, "组合框设置名字个数");
    EXPECT_EQ(selections[1].text, "三字");

    // A slider moved by the keyboard reports its change; one moved by the program does not.
    forms::Unit& slider = U("滑块条1");
    slider.SetPosition(20);
    SendMessageA(slider.Window(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(slider.Window(), WM_KEYUP, VK_RIGHT, 0);
    EXPECT_EQ(slider.Position(), 21);
    const auto slides = RecordedOf(EventKind::Changed);
    ASSERT_EQ(slides.size(), 1u);
    EXPECT_EQ(slides[0].sender, "滑块条1");
}

TEST_F(EventsTest, ListViewRowsReportDoubleClickRightPressAndCurrentRow)
{
    forms::Unit& list = U("超级列表框1");
    for (int i = 0; i < 3; ++i)
        list.AppendRow({std::to_string(i + 1), "张三丰" + std::to_string(i), "95"});
    forms::ProcessPendingMessages();
    RECT row1 = {};
    row1.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(list.Window(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row1)));
    const POINT at1 = CentreOf(row1);
    Press(list.Window(), WM_LBUTTONDOWN, WM_LBUTTONUP, at1, MK_LBUTTON);
    SendMessageA(list.Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at1.x, at1.y));
    SendMessageA(list.Window(), WM_LBUTTONUP, 0, MAKELPARAM(at1.x, at1.y));
    const auto doubles = RecordedOf(EventKind::DoubleClick);
    ASSERT_EQ(doubles.size(), 1u);
    EXPECT_EQ(doubles[0].sender, "超级列表框1");
    EXPECT_EQ(doubles[0].item, 1);
    EXPECT_EQ(list.SelectedCell(1), "张三丰1");

    RECT row2 = {};
    row2.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(list.Window(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row2)));
    // The list view watches the mouse until the button comes up (a drag if it moves away), so the
    // pointer stands on the row and the release waits in the queue.
    POINT at2 = CentreOf(row2);
    POINT screen = at2;
    ClientToScreen(list.Window(), &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(list.Window(), WM_RBUTTONUP, 0, MAKELPARAM(at2.x, at2.y));
    SendMessageA(list.Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at2.x, at2.y));
    const auto rights = RecordedOf(EventKind::RightPress);
    ASSERT_EQ(rights.size(), 1u);
    EXPECT_EQ(rights[0].item, 2);
    // The press made the row under the mouse the selected one, so a menu handler reads it.
    EXPECT_EQ(list.SelectedRow(), 2);

    const auto current = RecordedOf(EventKind::ItemChanged);
    ASSERT_GE(current.size(), 2u);
    EXPECT_EQ(current.front().item, 1);
    EXPECT_EQ(current.back().item, 2);
}

TEST_F(EventsTest, PageChangesComeFromTheUserAndFromTheProgram)
{
    forms::Unit& tab = U("高级选择夹1");
    RECT header = {};
    ASSERT_TRUE(SendMessageA(tab.Window(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&header)));
    Press(tab.Window(), WM_LBUTTONDOWN, WM_LBUTTONUP, CentreOf(header), MK_LBUTTON);
    EXPECT_EQ(tab.CurrentPage(), 1);
    EXPECT_TRUE(IsWindowVisible(U("选择框X").Window()));
    EXPECT_FALSE(IsWindowVisible(U("超级列表框1").Window()));
    ASSERT_TRUE(tab.SetCurrentPage(2));
    ASSERT_TRUE(tab.SetCurrentPage(2));  // no change, no event
    const auto pages = RecordedOf(EventKind::PageChanged);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].sender, "高级选择夹1");
    EXPECT_TRUE(IsWindowVisible(U("月历1").Window()));
}

TEST_F(EventsTest, TimersTickUntilStopped)
{
    forms::Unit& timer = U("时钟1");
    ASSERT_TRUE(timer.SetInterval(10));
    ASSERT_TRUE(PumpUntil([] { return RecordedOf(EventKind::TimerTick).size() >= 3; }));
    EXPECT_EQ(RecordedOf(EventKind::TimerTick)[0].sender, "时钟1");
    ASSERT_TRUE(timer.SetInterval(0));
    forms::ProcessPendingMessages();
    const size_t ticks = RecordedOf(EventKind::TimerTick).size();
    Sleep(60);
    forms::ProcessPendingMessages();
    EXPECT_EQ(RecordedOf(EventKind::TimerTick).size(), ticks);
}

TEST_F(EventsTest, ClonesShareTheTemplatesHandlersAndCanBeDestroyed)
{
    forms::Unit& original = U("选择框X");
    original.SetTag("假");
    forms::Unit* copy = form_->CloneUnit(original);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->Id(), original.Id());
    EXPECT_EQ(form_->Find(copy->Name()), copy);
    EXPECT_EQ(GetParent(copy->Window()), GetParent(original.Window()));
    EXPECT_EQ(copy->Tag(), "假");
    EXPECT_EQ(copy->Text(), "春");
    copy->SetText("秋");
    copy->Move(60, 40, 40, 20);
    U("高级选择夹1").SetCurrentPage(1);
    SendMessageA(copy->Window(), BM_CLICK, 0, 0);
    const auto clicks = RecordedOf(EventKind::Click);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].sender, copy->Name());
    EXPECT_EQ(clicks[0].text, "秋");

    const std::string name = copy->Name();
    HWND window = copy->Window();
    ASSERT_TRUE(form_->DestroyUnit(*copy));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(form_->Find(name), nullptr);
    EXPECT_FALSE(form_->DestroyUnit(U("不存在")));
}

TEST_F(EventsTest, OwnControlsAndMenusReportClicks)
{
    forms::Unit& link = U("超级链接框1");
    Press(link.Window(), WM_LBUTTONDOWN, WM_LBUTTONUP, {3, 3}, MK_LBUTTON);
    ASSERT_EQ(Log().openedUrls.size(), 1u);
    EXPECT_EQ(Log().openedUrls[0], "http://example.invalid/");
    forms::Unit& html = U("超文本浏览框2");
    Press(html.Window(), WM_LBUTTONDOWN, WM_LBUTTONUP, {3, 3}, MK_LBUTTON);
    ASSERT_EQ(Log().openedUrls.size(), 2u);
    EXPECT_EQ(Log().openedUrls[1], "http://example.invalid/page");
    Press(U("画板1").Window(), WM_LBUTTONDOWN, WM_LBUTTONUP, {20, 20}, MK_LBUTTON);

    forms::Unit& checks = U("选择列表框1");
    RECT item0 = {};
    SendMessageA(checks.Window(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item0));
    Press(checks.Window(), WM_LBUTTONDOWN, WM_LBUTTONUP, {item0.left + 3, (item0.top + item0.bottom) / 2}, MK_LBUTTON);
    EXPECT_TRUE(checks.ItemChecked(0));
    const auto toggles = RecordedOf(EventKind::ItemChanged);
    ASSERT_EQ(toggles.size(), 1u);
    EXPECT_EQ(toggles[0].item, 0);

    SendMessageA(form_->Window(), WM_COMMAND, MAKEWPARAM(U("名字评分").CommandId(), 0), 0);
    const auto clicks = RecordedOf(EventKind::Click);
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[0].sender, "超级链接框1");
    EXPECT_EQ(clicks[1].sender, "画板1");
    EXPECT_EQ(clicks[2].sender, "名字评分");
}

TEST_F(EventsTest, PopupMenuChoiceReachesTheItemsHandler)
{
    // The menu's own loop reads the queued keys: down to the first item, then Enter.
    PostMessageA(form_->Window(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(form_->Window(), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(form_->PopupMenu(U("右键菜单"), 100, 100));
    forms::ProcessPendingMessages();
    const auto clicks = RecordedOf(EventKind::Click);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].sender, "名字评分");
    EXPECT_FALSE(form_->PopupMenu(U("名字评分")));
}

TEST_F(EventsTest, ResizingRaisesResized)
{
    MoveWindow(form_->Window(), 40, 40, 800, 600, TRUE);
    ASSERT_FALSE(RecordedOf(EventKind::Resized).empty());
    EXPECT_EQ(form_->Self().Width(), 800);
}

}  // namespace
}  // namespace forms_test
