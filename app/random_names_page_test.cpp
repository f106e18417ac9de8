// Page 0 of MainWindow under Wine: 生成 starts, pauses and resumes the timers, 停止 stops them, ticks
// list scored names once per run and only above the minimum, and the option boxes enable their units.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "app/generator_handlers.h"
#include "app/main_window_scoring.h"
#include "app/main_window_test_support.h"
#include "app/skin_modal_test_support.h"
#include "naming/char_data.h"
#include "naming/generation_state.h"
#include "naming/name_score.h"
#include "naming/random_names.h"
#include "naming/report_input.h"
#include "runtime/random.h"
#include "runtime/text.h"
#include "runtime/textset.h"
#include "skin/controls/control_framework.h"

namespace app_test {
namespace {

using RandomNamesPageTest = MainWindowTest;

TEST_F(RandomNamesPageTest, ThreePressesStartPauseAndResumeAndStopEndsTheRun)
{
    Unit("编辑框_姓1").SetText("张");
    ASSERT_TRUE(Unit("单选框选择男").Checked());
    ASSERT_EQ("三字", Unit("组合框设置名字个数").Text());
    Unit("超级列表框1").AppendRow({"旧的一行"});

    Click("按钮生成");
    EXPECT_EQ("暂停", Unit("按钮生成").Text());
    EXPECT_EQ(0, Unit("超级列表框1").RowCount());  // the start clears the list
    EXPECT_EQ("张", g_surname);
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Unit("超级列表框1").RowCount() >= 6; }));

    Click("按钮生成");
    EXPECT_EQ("继续", Unit("按钮生成").Text());
    const int paused = Unit("超级列表框1").RowCount();
    forms_test::PumpUntil([] { return false; }, 200);
    EXPECT_EQ(paused, Unit("超级列表框1").RowCount());  // no ticks while paused

    Click("按钮生成");
    EXPECT_EQ("暂停", Unit("按钮生成").Text());
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Unit("超级列表框1").RowCount() >= paused + 6; }));
    EXPECT_GE(Unit("超级列表框1").RowCount(), paused);  // resuming keeps the rows
    ASSERT_TRUE(SaveScreenshot(window_->Window(), "generator-page0.png"));

    Click("按钮停止");
    EXPECT_EQ("生成", Unit("按钮生成").Text());
    EXPECT_TRUE(g_stopGeneration);
    const std::vector<std::string> rows = Column("超级列表框1", 0);
    forms_test::PumpUntil([] { return false; }, 150);
    EXPECT_EQ(rows.size(), static_cast<size_t>(Unit("超级列表框1").RowCount()));

    // Each row: a three-character name with 张 first, then its score tag; no name twice in the run.
    std::set<std::string> names;
    for (const std::string& row : rows) {
        const int tag = TextFind(row, "【");
        ASSERT_EQ(7, tag) << row;
        const std::string name = row.substr(0, 6);
        EXPECT_EQ("张", name.substr(0, 2));
        EXPECT_EQ(ScoreTag(ScoreName(MainWindowTalents(), name)), row.substr(6));
        EXPECT_TRUE(names.insert(name).second) << name;
    }
}

TEST_F(RandomNamesPageTest, TicksListNamesAboveTheMinimumOnceEach)
{
    Unit("编辑框_姓1").SetText("张");
    Click("选择框自定义分数");
    Unit("编辑框分数").SetText("80");
    SeedRandom(2403);
    Click("按钮生成");
    forms::Unit& timer = Unit("时钟取3个字男名字");
    ASSERT_EQ(30, timer.Interval());
    timer.SetInterval(0);  // the ticks below come one by one, in a known number
    Unit("超级列表框1").SetVisible(false);  // and need no repainting
    constexpr int kTicks = 80;
    for (int i = 0; i < kTicks; ++i) {
        forms::Event tick{*window_, timer, forms::EventKind::TimerTick};
        OnBoyName3Timer(tick);
    }

    // The same draws again, outside the window: the list holds exactly the names that pass.
    SeedRandom(2403);
    NameTickInputs inputs;
    inputs.surname = "张";
    inputs.minimumOn = true;
    inputs.minimum = "80";
    std::string previous;
    TextSet seen;
    std::vector<std::string> expected;
    std::set<std::string> scores;
    NameTickResult result;
    for (int i = 0; i < kTicks; ++i) {
        result = RunNameTick(NameTimer::Boy3, inputs, previous, MainWindowTalents(), seen);
        scores.insert(result.score);
        if (result.listed)
            expected.push_back(result.fullName + result.tag);
    }
    EXPECT_EQ(1u, scores.count("80"));  // drawn, and dropped
    EXPECT_EQ(1u, scores.count("81"));  // drawn, and kept
    EXPECT_EQ(expected, Column("超级列表框1", 0));
    for (const std::string& row : expected)
        EXPECT_GT(TextToInt(row.substr(TextFind(row, "【") + 1)), 80) << row;
    EXPECT_EQ(result.fullName, g_lastFullName);  // the latest candidate, listed or not
    EXPECT_EQ(result.tag, g_lastScoreTag);
}

TEST_F(RandomNamesPageTest, OptionBoxesEnableTheirUnits)
{
    EXPECT_FALSE(Unit("单选框木1").Enabled());
    Click("选择框第二个字");
    EXPECT_TRUE(Unit("单选框金1").Enabled() && Unit("单选框土1").Enabled());
    EXPECT_FALSE(Unit("单选框木2").Enabled());
    Click("选择框第三个字");
    EXPECT_TRUE(Unit("单选框木2").Enabled());
    Click("选择框第二个字");
    EXPECT_FALSE(Unit("单选框金1").Enabled());
    EXPECT_FALSE(Unit("编辑框限定字").Enabled());
    Click("选择框自定义名字");
    EXPECT_TRUE(Unit("编辑框限定字").Enabled() && Unit("组合框名字限定字位数").Enabled());

    // With a limit checked a press sorts the list into the pools, again at every press.
    Unit("编辑框_姓1").SetText("李");
    Click("按钮生成");
    const std::string wood = Unit("编辑框木").Text();
    EXPECT_FALSE(wood.empty());
    Click("按钮生成");
    Click("按钮生成");
    EXPECT_EQ(wood + wood + wood, Unit("编辑框木").Text());
}

// The rectangle of a window on the screen.
RECT ScreenRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

TEST_F(RandomNamesPageTest, TheMinimumScoreBoxStaysShownAndTakesTypingOnceTicked)
{
    HWND check = Unit("选择框自定义分数").Window();
    HWND box = Unit("编辑框分数").Window();
    RECT overlap = {};
    const RECT checkRect = ScreenRect(check), boxRect = ScreenRect(box);
    EXPECT_FALSE(IntersectRect(&overlap, &checkRect, &boxRect)) << "the check box leaves the edit box free";

    // Ticked with a click on the check box itself.
    forms_test::ClickAt(check, 6, 11);
    forms::ProcessPendingMessages();
    ASSERT_TRUE(Unit("选择框自定义分数").Checked());
    UpdateWindow(window_->Window());
    EXPECT_GT(forms_test::CountPixels(box, forms_test::IsDarkPixel), 10) << "the edit box still shows 80";

    // A click in the middle of the edit box reaches the edit box, and typing goes into it.
    const POINT middle = {(boxRect.left + boxRect.right) / 2, (boxRect.top + boxRect.bottom) / 2};
    HWND under = WindowFromPoint(middle);
    EXPECT_EQ(box, under);
    POINT at = middle;
    ScreenToClient(under, &at);
    forms_test::ClickAt(under, at.x, at.y);
    SendMessageA(box, EM_SETSEL, 0, -1);
    for (char digit : {'9', '0'})
        SendMessageA(GetFocus(), WM_CHAR, static_cast<WPARAM>(digit), 1);
    EXPECT_EQ("90", Unit("编辑框分数").Text());
    EXPECT_TRUE(Unit("选择框自定义分数").Checked()) << "the click on the edit box left the check box alone";
    ASSERT_TRUE(SaveScreenshot(window_->Window(), "input-group.png"));
}

// Near-black pixels that the window shows in the top `rows` rows of another window's place: the up
// arrow of a skinned scroll bar there has sixteen.
int DarkPixelsAtTopOf(HWND window, HWND place, int rows)
{
    RECT r = ScreenRect(place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    HDC dc = GetDC(window);
    int dark = 0;
    for (int y = r.top; y < r.top + rows && y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            dark += forms_test::IsDarkPixel(GetPixel(dc, x, y)) ? 1 : 0;
    ReleaseDC(window, dc);
    return dark;
}

TEST_F(RandomNamesPageTest, TheResultListShowsItsScrollBarOnceItsRowsOverflow)
{
    forms::Unit& list = Unit("超级列表框1");
    HWND listWindow = list.Window();
    const SkinListControlRecord* record = FindOwnRecord(listWindow, &SkinFormRecord::listControls);
    ASSERT_NE(nullptr, record);
    HWND bar = record->verticalScrollBar;
    ASSERT_NE(nullptr, bar);
    HWND shown = window_->Window();
    EXPECT_FALSE(IsWindowVisible(bar)) << "no bar while the rows fit";

    const struct {
        const char* step;
        std::function<void()> act;
    } steps[] = {
        {"rows appended as the generator appends them",
         [&] {
             for (int i = 0; i < 60; ++i) {
                 list.AppendRow({"张三丰【 95分】"});
                 forms::ProcessPendingMessages();
             }
         }},
        {"the pointer over the list", [&] { SendMessageA(listWindow, WM_MOUSEMOVE, 0, MAKELPARAM(60, 40)); }},
        {"the list repainted", [&] { RedrawWindow(listWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }},
        {"another page and back",
         [&] {
             SelectPage(1);
             forms::ProcessPendingMessages();
             SelectPage(0);
         }},
        {"the window resized", [&] { window_->Self().Move(30, 20, 900, 640); }},
    };
    // The bar's pixels are read off the screen: no window of a test running beside this one may cover them.
    SetWindowPos(shown, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const auto& step : steps) {
        step.act();
        // A busy machine may take a while to paint: the arrow has two seconds to show.
        forms_test::PumpUntil([&] { return IsWindowVisible(bar) && DarkPixelsAtTopOf(shown, bar, 17) >= 8; }, 2000);
        EXPECT_TRUE(IsWindowVisible(bar)) << step.step;
        EXPECT_GE(DarkPixelsAtTopOf(shown, bar, 17), 8) << step.step << ": the bar's up arrow shows";
    }
    ASSERT_TRUE(SaveScreenshot(shown, "result-list-scroll-bar.png"));

    // On any other page the list is hidden, and so is its bar: it must not stand over that page.
    for (int page : {1, 4, 6, 7}) {
        SelectPage(page);
        forms_test::PumpUntil([] { return false; }, 150);
        EXPECT_FALSE(IsWindowVisible(bar)) << "page " << page;
    }
    // A new run empties the list: the bar goes with the rows, and does not come back on other pages.
    SelectPage(0);
    forms_test::PumpUntil([] { return false; }, 150);
    ASSERT_TRUE(IsWindowVisible(bar));
    ASSERT_TRUE(list.DeleteAllRows());
    forms_test::PumpUntil([] { return false; }, 150);
    EXPECT_FALSE(IsWindowVisible(bar)) << "no bar over an empty list";
    SelectPage(6);
    forms_test::PumpUntil([] { return false; }, 150);
    EXPECT_FALSE(IsWindowVisible(bar)) << "no bar over the poem page";
}

TEST_F(RandomNamesPageTest, TwoCharacterNamesGreyTheThirdLimitAndKeepTheSecond)
{
    // Chosen as a user chooses: the arrow keys on the drop-down list.
    auto chooseLength = [&](UINT key, const char* expected) {
        SendMessageA(Unit("组合框设置名字个数").Window(), WM_KEYDOWN, key, 0);
        ASSERT_EQ(expected, Unit("组合框设置名字个数").Text());
    };
    Click("选择框第三个字");
    ASSERT_TRUE(Unit("单选框木2").Enabled());
    chooseLength(VK_UP, "二字");
    EXPECT_FALSE(Unit("选择框第三个字").Enabled());
    for (const char* radio : {"单选框金2", "单选框木2", "单选框水2", "单选框火2", "单选框土2"})
        EXPECT_FALSE(Unit(radio).Enabled()) << radio;
    EXPECT_TRUE(Unit("选择框第二个字").Enabled());
    ASSERT_TRUE(SaveScreenshot(window_->Window(), "generator-two-characters.png"));
    chooseLength(VK_DOWN, "三字");
    EXPECT_TRUE(Unit("选择框第三个字").Enabled());
    EXPECT_TRUE(Unit("单选框木2").Enabled());  // the radios follow the check box again
    Click("选择框第三个字");
    chooseLength(VK_UP, "二字");
    chooseLength(VK_DOWN, "三字");
    EXPECT_TRUE(Unit("选择框第三个字").Enabled());
    EXPECT_FALSE(Unit("单选框木2").Enabled());
    chooseLength(VK_UP, "二字");

    // A girl's two-character names with the second character limited to 木.
    Click("单选框选择女");
    Click("选择框第二个字");
    Click("单选框木1");
    ASSERT_TRUE(Unit("单选框木1").Checked());
    Unit("编辑框_姓1").SetText("王");
    SeedRandom(77);
    Click("按钮生成");
    forms::Unit& timer = Unit("时钟取2个字女名字");
    ASSERT_EQ(30, timer.Interval());
    timer.SetInterval(0);
    for (int i = 0; i < 120; ++i) {
        forms::Event tick{*window_, timer, forms::EventKind::TimerTick};
        OnGirlName2Timer(tick);
    }
    const std::vector<std::string> rows = Column("超级列表框1", 0);
    ASSERT_EQ(120u, rows.size());
    std::set<std::string> names;
    for (const std::string& row : rows) {
        ASSERT_EQ(5, TextFind(row, "【")) << row;
        EXPECT_EQ("木", GetCharElement(row.substr(2, 2))) << row;
        names.insert(row.substr(0, 4));
    }
    EXPECT_GT(names.size(), 10u);
    EXPECT_EQ(0u, names.count("王珠") + names.count("王雪"));
    Click("按钮停止");
}

TEST_F(RandomNamesPageTest, FixedCharacterAndSurnamesThatStartNothing)
{
    Unit("编辑框_姓1").SetText("欧阳");
    Click("选择框自定义名字");
    Unit("编辑框限定字").SetText("明");
    Click("按钮生成");
    forms::Unit& timer = Unit("时钟取3个字男名字");
    timer.SetInterval(0);
    for (int i = 0; i < 20; ++i) {
        forms::Event tick{*window_, timer, forms::EventKind::TimerTick};
        OnBoyName3Timer(tick);
    }
    EXPECT_EQ("明", g_fixedNameChar);
    const std::vector<std::string> rows = Column("超级列表框1", 0);
    ASSERT_FALSE(rows.empty());
    for (const std::string& row : rows) {
        // Position 2 is the given name's first character: the surname stays whole.
        EXPECT_EQ("欧阳明", row.substr(0, 6)) << row;
        EXPECT_EQ(9, TextFind(row, "【")) << row;
    }

    Click("按钮停止");
    Unit("编辑框_姓1").SetText("");
    Click("按钮生成");
    EXPECT_EQ("生成", Unit("按钮生成").Text());  // no surname: nothing starts
    EXPECT_EQ(Unit("编辑框_姓1").Window(), GetFocus());

    // A surname the scorer cannot read starts nothing either, and the box says what it needs.
    MessageBoxAnswerer boxes;
    for (const char* surname : {"Smith", "诸葛亮明", "王a"}) {
        boxes.Clear();
        Unit("编辑框_姓1").SetText(surname);
        SetFocus(Unit("按钮生成").Window());
        Click("按钮生成");
        EXPECT_EQ("生成", Unit("按钮生成").Text()) << surname;
        EXPECT_EQ(std::vector<std::string>{kScorableSurnameWord}, boxes.Texts()) << surname;
        EXPECT_EQ(Unit("编辑框_姓1").Window(), GetFocus()) << surname;
    }
}

}  // namespace
}  // namespace app_test

