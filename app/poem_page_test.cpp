// MainWindow's poem page under Wine, on a fixture poem table: the dynasty labels and the Tang poets of
// the navigation item, the titles of a poet, the picker's boxes and their click rule, OK, and
// poem-mode naming with its stop and the window closing meanwhile.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "app/generator_handlers.h"
#include "app/main_window_navigation.h"
#include "app/main_window_scoring.h"
#include "app/page_test_support.h"
#include "app/poem_page.h"
#include "naming/char_data.h"
#include "naming/generation_state.h"
#include "naming/name_score.h"
#include "runtime/text.h"
#include "skin/core/screenshot.h"

namespace app_test {
namespace {

using Texts = std::vector<std::string>;

class PoemPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Unit("高级选择夹1").SetCurrentPage(6);
    }
    // Chooses the poet by name in the poet list, then the title in the title list.
    void ChoosePoem(const std::string& poet, const std::string& title)
    {
        const Texts poets = Column("超级列表框诗人", 1);
        const auto p = std::find(poets.begin(), poets.end(), poet);
        ASSERT_NE(p, poets.end()) << poet;
        Unit("超级列表框诗人").SelectRow(static_cast<int>(p - poets.begin()));
        const Texts titles = Column("超级列表框诗词标题", 1);
        const auto t = std::find(titles.begin(), titles.end(), title);
        ASSERT_NE(t, titles.end()) << title;
        Unit("超级列表框诗词标题").SelectRow(static_cast<int>(t - titles.begin()));
    }
    std::vector<forms::Unit*> Boxes()
    {
        std::vector<forms::Unit*> boxes;
        for (const PickerBoxRef& ref : g_pickerCheckBoxes)
            boxes.push_back(window_->Find(ref.unit));
        return boxes;
    }
    Texts Captions()
    {
        Texts captions;
        for (forms::Unit* box : Boxes())
            captions.push_back(box ? box->Text() : "?");
        return captions;
    }
    bool PickerShown() { return Unit("分组框1").Visible(); }
};

TEST_F(PoemPageTest, DynastyLabelsListTheirPoetsAndTheNavigationItemAppendsTheTangPoets)
{
    const struct {
        const char* label;
        Texts poets;
    } cases[] = {
        {"透明标签_先秦", {"佚名", "屈原"}},  // no dynasty is 秦 exactly: every one containing it
        {"透明标签_随", {"杨广"}},             // 5.随 queries 隋
        {"透明标签_明", {}},
        {"透明标签_唐", {"李商隐", "杜牧", "O'Neil", "佚名"}},
    };
    for (const auto& c : cases) {
        PressOn(c.label);
        EXPECT_EQ(c.poets, Column("超级列表框诗人", 1)) << c.label;
        EXPECT_EQ(0, Unit("超级列表框诗词标题").RowCount()) << c.label;
    }
    EXPECT_EQ((Texts{"1", "2", "3", "4"}), Column("超级列表框诗人", 0));
    EXPECT_EQ("1.先秦", Unit("透明标签_先秦").Text());

    Unit("超级列表框诗人").SelectRow(0);
    EXPECT_EQ((Texts{"无题", "锦瑟"}), Column("超级列表框诗词标题", 1));
    EXPECT_EQ((Texts{"1", "2"}), Column("超级列表框诗词标题", 0));

    // The navigation item appends the Tang poets, numbered from 1 again, and leaves the titles.
    OnNavBarClicked(1);
    OnNavBarClicked(5);
    EXPECT_EQ(6, MainPage());
    EXPECT_EQ((Texts{"1", "2", "3", "4", "1", "2", "3", "4"}), Column("超级列表框诗人", 0));
    EXPECT_EQ(2, Unit("超级列表框诗词标题").RowCount());
}

TEST_F(PoemPageTest, ATitleLaysItsPoemOutAsUncheckedBoxesAtTheirPlaces)
{
    PressOn("透明标签_唐");
    ChoosePoem("李商隐", "无题");
    ASSERT_TRUE(PickerShown());
    forms::Unit& sample = Unit("选择框X");
    EXPECT_FALSE(sample.Visible());
    const std::vector<forms::Unit*> boxes = Boxes();
    ASSERT_EQ(28u, boxes.size()) << "four lines of seven: the last line is kept";
    const std::string poem = "相见时难别亦难东风无力百花残春蚕到死丝方尽蜡炬成灰泪始干";
    for (int k = 0; k < 28; ++k) {
        forms::Unit& box = *boxes[k];
        const int line = k / 7 + 1, column = k % 7 + 1;
        EXPECT_EQ(poem.substr(2 * k, 2), box.Text()) << k;
        EXPECT_EQ(sample.Left() + 32 * column - 30, box.Left()) << k;
        EXPECT_EQ(sample.Top() + 16 * line - 10, box.Top()) << k;
        EXPECT_EQ(sample.Width(), box.Width());
        EXPECT_TRUE(box.Visible());
        EXPECT_FALSE(box.Checked());
        EXPECT_EQ("假", box.Tag());
    }
    // The same title of another poet shows that poet's poem.
    ChoosePoem("杜牧", "无题");
    EXPECT_EQ("落魄江湖载酒行楚腰纤细掌中轻", TextJoin(Captions(), ""));
    EXPECT_EQ(nullptr, window_->Find(boxes[0]->Id())) << "the earlier boxes are gone";
    // A character without a reading gets no box and leaves no gap.
    ChoosePoem("佚名", "缺字");
    EXPECT_EQ((Texts{"明", "月", "光", "照", "我", "床"}), Captions());
    ASSERT_EQ(6u, Boxes().size());
    EXPECT_EQ(sample.Left() + 32 * 2 - 30, Boxes()[1]->Left());
    EXPECT_EQ(sample.Left() + 32 * 3 - 30, Boxes()[5]->Left());
    // An apostrophe in the poet and in the title is plain text.
    ChoosePoem("O'Neil", "Tom's 歌");
    EXPECT_EQ("明月几时有把酒问青天", TextJoin(Captions(), ""));

    // Either list taking the focus hides the picker.
    SetFocus(Unit("超级列表框诗人").Window());
    EXPECT_FALSE(PickerShown());
    // A double-click on the titles tries the second connection, whose file is not there.
    SendMessageA(Unit("超级列表框诗词标题").Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 30));
    EXPECT_FALSE(PoemOdbcDatabaseOpened());
}

// A click on a row of a list view, as the mouse gives it.
void ClickRow(HWND list, int row)
{
    RECT r = {};
    r.left = LVIR_LABEL;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)));
    forms_test::ClickAt(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    forms::ProcessPendingMessages();
}

TEST_F(PoemPageTest, OneClickOnATitleShowsItsPoem)
{
    PressOn("透明标签_唐");
    HWND poets = Unit("超级列表框诗人").Window();
    HWND titles = Unit("超级列表框诗词标题").Window();
    ClickRow(poets, 0);  // 李商隐
    ASSERT_EQ((Texts{"无题", "锦瑟"}), Column("超级列表框诗词标题", 1));

    ClickRow(titles, 1);
    EXPECT_EQ(titles, GetFocus());
    ASSERT_TRUE(PickerShown()) << "the first click shows the poem";
    EXPECT_TRUE(IsWindowVisible(Unit("分组框1").Window()));
    ASSERT_EQ("锦瑟无端五十弦一弦一柱思华年", TextJoin(Captions(), "").substr(0, 28));
    forms_test::PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(IsWindowVisible(Boxes()[0]->Window()));
    // What the picker lies over does not show through it, nor do its scroll bars.
    HWND names = Unit("超级列表框诗词模式").Window();
    EXPECT_FALSE(IsWindowVisible(names));
    EXPECT_FALSE(IsWindowVisible(Unit("编辑框诗内容").Window()));
    for (HWND child = GetWindow(GetParent(names), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetPropA(child, "Mngd_zct") == names || GetPropA(child, "Mngd_zct") == Unit("编辑框诗内容").Window()) {
            EXPECT_FALSE(IsWindowVisible(child)) << "a scroll bar of a covered unit shows";
        }
    }
    EXPECT_TRUE(SaveWindowScreenshot(window_->Window(), "poem-page-one-click.png").size() > 0);

    // Another title of the list, clicked while the list has the focus, shows its poem at once too.
    ClickRow(titles, 0);
    EXPECT_TRUE(PickerShown());
    EXPECT_EQ("相见时难别亦难", TextJoin(Captions(), "").substr(0, 14));

    // Going back to the poets hides the picker; a click on a title brings it back.
    ClickRow(poets, 0);
    EXPECT_EQ(poets, GetFocus());
    EXPECT_FALSE(PickerShown());
    EXPECT_TRUE(IsWindowVisible(names)) << "the names list comes back";
    ClickRow(titles, 1);
    EXPECT_TRUE(PickerShown());
}

TEST_F(PoemPageTest, BoxesFollowTheirTagsAndOkTakesTheCheckedCharactersInPoemOrder)
{
    PressOn("透明标签_唐");
    ChoosePoem("O'Neil", "Tom's 歌");
    std::vector<forms::Unit*> boxes = Boxes();
    ASSERT_EQ(10u, boxes.size());
    auto click = [&](int k) { SendMessageA(boxes[k]->Window(), BM_CLICK, 0, 0); };
    click(1);
    EXPECT_TRUE(boxes[1]->Checked());
    EXPECT_EQ("真", boxes[1]->Tag());
    EXPECT_EQ(0xFF, boxes[1]->TextColour());
    click(1);
    EXPECT_FALSE(boxes[1]->Checked());
    EXPECT_EQ("假", boxes[1]->Tag());
    EXPECT_EQ(0, boxes[1]->TextColour());

    // 全选 leaves the tags: the first click on a box keeps it checked, the second unchecks it.
    Click("按钮4");
    for (forms::Unit* box : boxes) {
        EXPECT_TRUE(box->Checked());
        EXPECT_EQ(0xFF, box->TextColour());
        EXPECT_EQ("假", box->Tag());
    }
    click(0);
    EXPECT_TRUE(boxes[0]->Checked());
    click(0);
    EXPECT_FALSE(boxes[0]->Checked());
    Click("按钮2");
    for (forms::Unit* box : boxes) {
        EXPECT_FALSE(box->Checked());
        EXPECT_EQ(0, box->TextColour());
    }

    Unit("编辑框诗内容").SetText("山");
    click(8);
    click(2);
    click(5);
    click(2);  // unchecked again
    forms::ProcessPendingMessages();
    EXPECT_FALSE(SaveWindowScreenshot(window_->Window(), "poem-page.png").empty());
    Click("按钮1");
    EXPECT_EQ("山把青", Unit("编辑框诗内容").Text());
    EXPECT_FALSE(PickerShown());
    for (forms::Unit* box : boxes)
        EXPECT_FALSE(box->Checked());

    // OK with nothing checked only hides the picker.
    ChoosePoem("李商隐", "锦瑟");
    ASSERT_TRUE(PickerShown());
    Click("按钮1");
    EXPECT_FALSE(PickerShown());
    EXPECT_EQ("山把青", Unit("编辑框诗内容").Text());

    // The window's destruction takes the boxes with it.
    ASSERT_FALSE(g_pickerCheckBoxes.empty());
    window_->Close();
    window_ = nullptr;
    EXPECT_TRUE(g_pickerCheckBoxes.empty());
}

// Two characters of different elements, in the order of the element boxes (金 木 水 火 土).
Texts TwoCharactersInElementOrder(const std::string& first, const std::string& second)
{
    const char* order = "金木水火土";
    const int a = TextFind(order, GetCharElement(first));
    const int b = TextFind(order, GetCharElement(second));
    return a < b ? Texts{first, second} : Texts{second, first};
}

TEST_F(PoemPageTest, PoemModeNamesEveryPairOnceForTheRun)
{
    ASSERT_FALSE(GetCharElement("江").empty());
    ASSERT_FALSE(GetCharElement("林").empty());
    ASSERT_NE(GetCharElement("江"), GetCharElement("林"));
    const Texts ab = TwoCharactersInElementOrder("江", "林");
    Unit("编辑框诗内容").SetText("林江");
    Click("按钮生成");
    EXPECT_EQ(0, Unit("超级列表框诗人").RowCount());
    const std::string a = ab[0], b = ab[1];
    const Texts names = {"张" + a + a, "张" + a + b, "张" + b + a, "张" + b + b};
    ASSERT_EQ(names, Column("超级列表框诗词模式", 1));
    for (int row = 0; row < 4; ++row) {
        const ScoredNameRow expected = MakeScoredNameRow(MainWindowTalents(), IntToText(row + 1), names[row]);
        EXPECT_EQ(ScoredNameRowCells(expected), Row("超级列表框诗词模式", row));
    }
    EXPECT_TRUE(Unit("按钮生成").Enabled());
    EXPECT_EQ("林江", Unit("编辑框诗内容").Text()) << "a finished run keeps the picked characters";

    // The same characters again: all used in this run, so nothing.
    Click("按钮生成");
    EXPECT_EQ(0, Unit("超级列表框诗词模式").RowCount());
    EXPECT_TRUE(Unit("按钮生成").Enabled());

    // Without picked characters or without a surname 生成 does nothing.
    Unit("编辑框诗内容").SetText("");
    Click("按钮生成");
    Unit("编辑框诗内容").SetText("山水");
    Unit("编辑框_姓1").SetText("");
    Click("按钮生成");
    EXPECT_EQ(0, Unit("超级列表框诗词模式").RowCount());
    EXPECT_EQ(GetFocus(), Unit("编辑框_姓1").Window());
}

// Test steps run from the loop's message handling once the list holds enough rows.
struct RunningStep {
    int rows = 0;
    void (*act)() = nullptr;
    HWND list = nullptr;
    bool done = false;
};
RunningStep g_step;

void CALLBACK ActWhenRowsCome(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (g_step.done || ListView_GetItemCount(g_step.list) < g_step.rows)
        return;
    g_step.done = true;
    KillTimer(nullptr, timer);
    g_step.act();
}

forms::Form* g_window = nullptr;

TEST_F(PoemPageTest, StopMidwayKeepsTheRowsAndEmptiesTheListsAndThePickedCharacters)
{
    g_stopGeneration = true;  // a stop pressed earlier, on another page, is not meant for this run
    PressOn("透明标签_唐");
    ChoosePoem("李商隐", "锦瑟");
    ASSERT_GT(Unit("超级列表框诗词标题").RowCount(), 0);
    Unit("编辑框诗内容").SetText("锦瑟无端五十弦");
    g_window = window_;
    g_step = RunningStep{5, [] { SendMessageA(g_window->Get("按钮停止").Window(), BM_CLICK, 0, 0); },
                         Unit("超级列表框诗词模式").Window()};
    SetTimer(nullptr, 0, 1, ActWhenRowsCome);
    Click("按钮生成");
    ASSERT_TRUE(g_step.done);
    const int rows = Unit("超级列表框诗词模式").RowCount();
    EXPECT_GE(rows, 5);
    EXPECT_LT(rows, 49);
    EXPECT_EQ(IntToText(rows), Unit("超级列表框诗词模式").Cell(rows - 1, 0));
    EXPECT_EQ(0, Unit("超级列表框诗人").RowCount());
    EXPECT_EQ(0, Unit("超级列表框诗词标题").RowCount());
    EXPECT_EQ("", Unit("编辑框诗内容").Text());
    EXPECT_TRUE(Unit("按钮生成").Enabled());
    EXPECT_FALSE(g_stopGeneration);
}

TEST_F(PoemPageTest, ClosingTheWindowMidwayEndsTheRunCleanly)
{
    Unit("编辑框诗内容").SetText("锦瑟无端五十弦");
    g_window = window_;
    g_step = RunningStep{3, [] { g_window->Close(); }, Unit("超级列表框诗词模式").Window()};
    SetTimer(nullptr, 0, 1, ActWhenRowsCome);
    Click("按钮生成");
    ASSERT_TRUE(g_step.done);
    EXPECT_EQ(0, forms::OpenFormCount());
    EXPECT_FALSE(g_stopGeneration);
    window_ = nullptr;
}

}  // namespace
}  // namespace app_test
