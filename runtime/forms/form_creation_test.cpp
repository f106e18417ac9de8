// A window made from a definition: every unit kind with its real class under its container, the
// windowless units, the created event and the unit properties handlers rely on.
#include "runtime/forms/forms_test_support.h"
#include "runtime/forms/test_window.h"

#include "runtime/datetime.h"

namespace forms_test {
namespace {

using forms::UnitKind;

TEST_F(FormsTest, EveryUnitGetsItsRealClassUnderItsContainer)
{
    Recorded().clear();
    forms::Form* form = forms::OpenModeless(EveryUnitWindow());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ClassOf(form->Window()), "BnForm");

    struct Expected {
        const char* name;
        const char* className;
        const char* container;  // nullptr: the window itself
    };
    const Expected expected[] = {
        {"分组框1", "Button", nullptr},
        {"编辑框_姓1", "Edit", "分组框1"},
        {"超级编辑框1", "RichEdit20A", nullptr},
        {"标签1", "Static", nullptr},
        {"透明标签1", "Static", "图片框1"},
        {"图片框1", "Static", nullptr},
        {"画板1", "BnDrawPanel", nullptr},
        {"按钮生成", "Button", nullptr},
        {"图形按钮1", "Button", nullptr},
        {"选择框X", "Button", "高级选择夹1"},
        {"单选框选择男", "Button", "分组框1"},
        {"组合框年1", "ComboBox", "分组框1"},
        {"组合框设置名字个数", "ComboBox", "分组框1"},
        {"列表框_五行", "ListBox", nullptr},
        {"选择列表框1", "ListBox", nullptr},
        {"进度条1", "msctls_progress32", nullptr},
        {"滑块条1", "msctls_trackbar32", nullptr},
        {"高级选择夹1", "SysTabControl32", nullptr},
        {"公历日期框", "SysDateTimePick32", "高级选择夹1"},
        {"月历1", "SysMonthCal32", "高级选择夹1"},
        {"颜色选择器1", "BnColourPicker", nullptr},
        {"超级链接框1", "BnHyperlink", nullptr},
        {"超文本浏览框2", "BnHyperlink", nullptr},
        {"超级列表框1", "SysListView32", "高级选择夹1"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        forms::Unit* unit = form->Find(e.name);
        ASSERT_NE(unit, nullptr);
        ASSERT_NE(unit->Window(), nullptr);
        EXPECT_EQ(ClassOf(unit->Window()), e.className);
        HWND container = e.container ? form->Get(e.container).Window() : form->Window();
        EXPECT_EQ(GetParent(unit->Window()), container);
    }
    // Labels and picture boxes hear the mouse only with SS_NOTIFY.
    for (const char* name : {"标签1", "透明标签1", "图片框1"})
        EXPECT_TRUE(GetWindowLongPtrA(form->Get(name).Window(), GWL_STYLE) & SS_NOTIFY) << name;
    // Control ids stay below the skin's menu commands.
    for (const auto& unit : form->Units()) {
        if (unit->Window()) {
            EXPECT_LT(GetDlgCtrlID(unit->Window()), 1000) << unit->Name();
        }
    }

    for (const char* name : {"时钟1", "通用对话框保存", "右键菜单", "名字评分", "数据库连接1", "记录集3"}) {
        forms::Unit* unit = form->Find(name);
        ASSERT_NE(unit, nullptr) << name;
        EXPECT_EQ(unit->Window(), nullptr) << name;
        EXPECT_TRUE(unit->IsAlive()) << name;
    }
    EXPECT_GT(form->Get("名字评分").CommandId(), 0);
    EXPECT_LT(form->Get("复制此名").CommandId(), 1000);
    EXPECT_NE(form->Get("名字评分").CommandId(), form->Get("复制此名").CommandId());
    EXPECT_NE(form->Get("数据库连接1").Connection(), nullptr);
    EXPECT_NE(form->Get("记录集3").RecordSet(), nullptr);

    // The created event came once, after every unit existed, and the window was shown after it.
    ASSERT_EQ(RecordedOf(forms::EventKind::Created).size(), 1u);
    EXPECT_EQ(g_unitsAtCreation, EveryUnitWindow().units.size());
    EXPECT_TRUE(IsWindowVisible(form->Window()));
}

TEST_F(FormsTest, TabPagesShowOnlyTheUnitsOfTheCurrentPage)
{
    forms::Form* form = forms::OpenModeless(EveryUnitWindow());
    ASSERT_NE(form, nullptr);
    forms::Unit& tab = form->Get("高级选择夹1");
    EXPECT_EQ(tab.CurrentPage(), 0);
    EXPECT_EQ(tab.PageCount(), 3);
    EXPECT_TRUE(IsWindowVisible(form->Get("超级列表框1").Window()));
    EXPECT_FALSE(IsWindowVisible(form->Get("选择框X").Window()));
    ASSERT_TRUE(tab.SetCurrentPage(1));
    EXPECT_FALSE(IsWindowVisible(form->Get("超级列表框1").Window()));
    EXPECT_TRUE(IsWindowVisible(form->Get("选择框X").Window()));
    // The unit's own visibility is kept apart from its page's.
    EXPECT_TRUE(form->Get("超级列表框1").Visible());
    form->Get("选择框X").SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(form->Get("选择框X").Window()));
    ASSERT_TRUE(tab.SetCurrentPage(0));
    ASSERT_TRUE(tab.SetCurrentPage(1));
    EXPECT_FALSE(IsWindowVisible(form->Get("选择框X").Window()));
    EXPECT_FALSE(tab.SetCurrentPage(3));
}

TEST_F(FormsTest, UnitPropertiesReadBackWhatWasWritten)
{
    forms::Form* form = forms::OpenModeless(EveryUnitWindow());
    ASSERT_NE(form, nullptr);

    forms::Unit& edit = form->Get("编辑框_姓1");
    EXPECT_EQ(edit.Text(), "张");
    ASSERT_TRUE(edit.SetText("欧阳"));
    EXPECT_EQ(edit.Text(), "欧阳");
    ASSERT_TRUE(edit.AppendText("修"));
    EXPECT_EQ(edit.Text(), "欧阳修");
    ASSERT_TRUE(edit.Move(12, 26, 150, 24));
    EXPECT_EQ(edit.Left(), 12);
    EXPECT_EQ(edit.Top(), 26);
    EXPECT_EQ(edit.Width(), 150);
    EXPECT_EQ(edit.Height(), 24);
    ASSERT_TRUE(edit.SetEnabled(false));
    EXPECT_FALSE(edit.Enabled());

    // The combo box's rectangle is its edit field's, whatever the drop-down list measures.
    forms::Unit& combo = form->Get("组合框年1");
    ASSERT_TRUE(combo.SetHeight(combo.Height()));
    const int comboHeight = combo.Height();
    EXPECT_LT(comboHeight, 40);
    ASSERT_TRUE(combo.Move(10, 60, 120, comboHeight));
    EXPECT_EQ(combo.Height(), comboHeight);
    EXPECT_EQ(combo.ItemCount(), 3);
    EXPECT_EQ(combo.ItemText(2), "2013");
    EXPECT_EQ(combo.Text(), "2012");
    ASSERT_TRUE(combo.SetText("1999"));
    EXPECT_EQ(combo.Text(), "1999");
    forms::Unit& lengths = form->Get("组合框设置名字个数");
    EXPECT_EQ(lengths.Text(), "二字");
    ASSERT_TRUE(lengths.SetCurrentIndex(1));
    EXPECT_EQ(lengths.Text(), "三字");
    EXPECT_FALSE(lengths.SetText("四字"));

    forms::Unit& list = form->Get("列表框_五行");
    ASSERT_TRUE(list.ClearItems());
    EXPECT_EQ(list.AddItem("--------"), 0);
    EXPECT_EQ(list.AddItem("【木】2"), 1);
    ASSERT_TRUE(list.SetCurrentIndex(1));
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(list.ItemText(1), "【木】2");
    EXPECT_EQ(list.ItemText(5), "");

    forms::Unit& checks = form->Get("选择列表框1");
    EXPECT_FALSE(checks.ItemChecked(1));
    ASSERT_TRUE(checks.SetItemChecked(1, true));
    EXPECT_TRUE(checks.ItemChecked(1));
    EXPECT_FALSE(checks.ItemChecked(0));

    forms::Unit& check = form->Get("选择框X");
    ASSERT_TRUE(check.SetChecked(true));
    EXPECT_TRUE(check.Checked());
    ASSERT_TRUE(check.SetTag("真"));
    EXPECT_EQ(check.Tag(), "真");
    // A text colour is published for the skin in "Kj_Ztys".
    ASSERT_TRUE(check.SetTextColour(0x0000FF));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(check.Window(), "Kj_Ztys")), 0x0000FF);
    ASSERT_TRUE(form->Get("标签1").SetTextColour(0x808000));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(form->Get("标签1").Window(), "Kj_Ztys")), 0x808000);

    forms::Unit& progress = form->Get("进度条1");
    EXPECT_EQ(progress.Maximum(), 60);
    ASSERT_TRUE(progress.SetRange(0, 3600));
    ASSERT_TRUE(progress.SetPosition(42));
    EXPECT_EQ(progress.Position(), 42);
    EXPECT_EQ(progress.Maximum(), 3600);
    EXPECT_EQ(form->Get("滑块条1").Position(), 10);

    double date = 0;
    ASSERT_TRUE(MakeDateTime(2012, 5, 12, 0, 0, 0, date));
    for (const char* name : {"公历日期框", "月历1"}) {
        forms::Unit& picker = form->Get(name);
        ASSERT_TRUE(picker.SetDate(date)) << name;
        const DateTimeParts parts = SplitDateTime(picker.Date());
        EXPECT_EQ(parts.year, 2012) << name;
        EXPECT_EQ(parts.month, 5) << name;
        EXPECT_EQ(parts.day, 12) << name;
    }

    EXPECT_EQ(form->Get("颜色选择器1").Colour(), 0x0000FFu);
    ASSERT_TRUE(form->Get("颜色选择器1").SetColour(0x123456));
    EXPECT_EQ(form->Get("颜色选择器1").Colour(), 0x123456u);
    EXPECT_EQ(form->Get("超文本浏览框2").Text(), "http://example.invalid/page");

    forms::Unit& self = form->Self();
    EXPECT_EQ(self.Text(), "全部单元");
    EXPECT_EQ(self.Width(), 760);
    EXPECT_EQ(self.Height(), 560);
    ASSERT_TRUE(self.SetText("名字评分"));
    EXPECT_EQ(self.Text(), "名字评分");
}

TEST_F(FormsTest, MissingUnitsAndWrongKindsFailQuietly)
{
    forms::Form* form = forms::OpenModeless(EveryUnitWindow());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Find("不存在"), nullptr);
    forms::Unit& missing = form->Get("不存在");
    EXPECT_FALSE(missing.IsAlive());
    EXPECT_FALSE(missing.SetText("x"));
    EXPECT_EQ(missing.Text(), "");
    EXPECT_FALSE(missing.SetTag("x"));
    EXPECT_EQ(missing.Tag(), "");
    EXPECT_EQ(missing.AppendRow({"a"}), -1);
    // Properties of other kinds.
    EXPECT_EQ(form->Get("按钮生成").AppendRow({"a"}), -1);
    EXPECT_FALSE(form->Get("按钮生成").SetCurrentPage(1));
    EXPECT_EQ(form->Get("标签1").ItemCount(), 0);
    EXPECT_FALSE(form->Get("编辑框_姓1").SetDate(1.0));
}

TEST_F(FormsTest, PicturesComeFromBytesAndUndecodableBytesFail)
{
    forms::Form* form = forms::OpenModeless(EveryUnitWindow());
    ASSERT_NE(form, nullptr);
    // A 2 x 1 BMP: one blue and one red pixel.
    const unsigned char bmp[] = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // info header
        255, 0, 0, 0, 0, 255, 0, 0,                      // pixels, rows padded to 4 bytes
    };
    const std::string bytes(reinterpret_cast<const char*>(bmp), sizeof bmp);
    forms::Unit& picture = form->Get("图片框1");
    ASSERT_TRUE(picture.SetPicture(bytes));
    EXPECT_EQ(picture.Picture(), bytes);
    EXPECT_NE(SendMessageA(picture.Window(), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_FALSE(picture.SetPicture("not a picture"));
    EXPECT_EQ(picture.Picture(), "");
    EXPECT_TRUE(picture.SetPicture(""));
    EXPECT_EQ(SendMessageA(picture.Window(), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(FormsTest, DrawingPanelKeepsItsPictureAcrossResizes)
{
    forms::Form* form = forms::OpenModeless(EveryUnitWindow());
    ASSERT_NE(form, nullptr);
    forms::Unit& panel = form->Get("画板1");
    ASSERT_TRUE(panel.Clear());
    ASSERT_TRUE(panel.SetPen(RGB(255, 0, 0), 3));
    ASSERT_TRUE(panel.DrawLine(0, 50, 99, 50));
    ASSERT_TRUE(panel.SetPen(0xC0C0C0, 1));
    ASSERT_TRUE(panel.SetFillColour(0x606060));
    ASSERT_TRUE(panel.DrawEllipse(20, 20, 30, 30));
    HDC dc = panel.PanelDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetPixel(dc, 10, 50), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 25, 25), RGB(0x60, 0x60, 0x60));
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 255, 255));
    ASSERT_TRUE(panel.SetWidth(160));
    dc = panel.PanelDC();
    EXPECT_EQ(GetPixel(dc, 10, 50), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 150, 50), RGB(255, 255, 255));
    EXPECT_FALSE(form->Get("标签1").DrawLine(0, 0, 1, 1));
}

TEST_F(FormsTest, FramelessWindowsHaveNoSystemFrame)
{
    struct Case {
        unsigned flags;
        bool minimiseBox, maximiseBox;
    } cases[] = {
        {forms::kFormFrameless, true, false},
        {forms::kFormFrameless | forms::kFormResizable, true, true},
        {forms::kFormFrameless | forms::kFormNoMinimize, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        forms::FormDef def;
        def.name = "无边框窗口";
        def.caption = "无边框";
        def.rect = {60, 50, 320, 200};
        def.flags = c.flags;
        def.units = {forms::Define(UnitKind::Button, 1, "按钮1", {10, 10, 80, 24}, "确定")};
        forms::Form* form = forms::OpenModeless(def);
        ASSERT_NE(form, nullptr);
        HWND window = form->Window();
        const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
        EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, c.minimiseBox);
        EXPECT_EQ((style & WS_MAXIMIZEBOX) != 0, c.maximiseBox);
        // The rectangle of the definition is the client area.
        RECT outer = {}, client = {};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        EXPECT_EQ(outer.left, 60);
        EXPECT_EQ(outer.top, 50);
        EXPECT_EQ(client.right, 320);
        EXPECT_EQ(client.bottom, 200);
        EXPECT_TRUE(form->Destroy());
    }
}

}  // namespace
}  // namespace forms_test
