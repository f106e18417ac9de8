// The perpetual calendar window: opening beside the main window, the page layout, the calendar
// board, the calculators, the solar terms and the essays.
#include "app/calendar_test_fixture.h"

#include <commctrl.h>

#include <cstdio>

#include "app/calendar_texts.h"
#include "app/tinted_window_skin_test_support.h"
#include "calendar/calendar.h"
#include "runtime/text.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"

namespace calendar_test {
namespace {

const forms::FormDef& StandInMainWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 1;
        d.name = "MainWindow";
        d.caption = "宝宝起名";
        d.rect = {20, 20, 300, 200};
        return d;
    }();
    return def;
}

TEST_F(CalendarWindowTest, OpensModelessInPlaceOfTheMainWindow)
{
    forms::Form* main = forms::OpenModeless(StandInMainWindow());
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(main->Self().Visible());
    forms::Form& calendar = Open();
    EXPECT_FALSE(calendar.IsModal());
    EXPECT_FALSE(main->Self().Visible());
    EXPECT_EQ(OpenPerpetualCalendar(), &calendar) << "one calendar window at a time";
    EXPECT_EQ(U("万年历选择夹").CurrentPage(), 0);
    EXPECT_EQ(calendar.Self().Width(), 394);
    EXPECT_EQ(calendar.Self().Height(), 364);
    ExpectTintedWindowSkin(calendar.Window(), 100, false);
    // The tab control is handed to the skin whole.
    const SkinFormRecord* skinned = SkinFormOfWindow(calendar.Window());
    ASSERT_NE(skinned, nullptr);
    bool tabsHandedOver = false;
    for (int i = 1; i <= RecordCount(skinned->kjControls); ++i)
        tabsHandedOver = tabsHandedOver || RecordAt(skinned->kjControls, i)->hwnd == U("万年历选择夹").Window();
    EXPECT_TRUE(tabsHandedOver);

    EXPECT_TRUE(calendar.Close());
    EXPECT_TRUE(main->Self().Visible());
    EXPECT_EQ(forms::FindForm("PerpetualCalendarWindow"), nullptr);
}

// The GDI objects of the process. Wine's GetGuiResources reads 0; there a handle whose generation
// half is 0 names the object of that slot whatever its generation, so the slots are counted.
DWORD LiveGdiObjects()
{
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted)
        return counted;
    DWORD live = 0;
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot)
        live += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    return live;
}

TEST_F(CalendarWindowTest, AHundredOpeningsLeaveNoGdiObjectBehind)
{
    forms::Form* main = forms::OpenModeless(StandInMainWindow());
    ASSERT_NE(main, nullptr);
    for (int page : {0, 1}) {  // first use: classes, the shared fonts and the system's own caches
        Open();
        U("万年历选择夹").SetCurrentPage(page);
        forms_test::PumpUntilPainted(form_->Window());
        ASSERT_TRUE(form_->Close());
    }
    const DWORD before = LiveGdiObjects();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 100; ++i) {
        Open();
        U("万年历选择夹").SetCurrentPage(1);  // the month calendar's page
        ASSERT_TRUE(form_->Close()) << i;
        forms::ProcessPendingMessages();
    }
    const DWORD after = LiveGdiObjects();
    std::printf("calendar window, 100 openings: GDI objects %lu before, %lu after\n", before, after);
    EXPECT_LE(after, before + 5) << "objects left behind per opening";
    main->Destroy();
}

TEST_F(CalendarWindowTest, EveryTabSizesTheWindowToItsPage)
{
    Open();
    // The narrow pages grow when the tab strip, the month (公历), the board's lines and the term list
    // (日历牌) or the task sentences with their time boxes (事务) need it; the 时间 page is as wide as
    // its world clocks need.
    const struct {
        int page, width, height;
        bool atLeast;
    } pages[] = {{2, 264, 328, true}, {3, 584, 356, false}, {1, 301, 256, true}, {4, 394, 324, true},
                 {0, 394, 364, false}};
    for (const auto& p : pages) {
        ASSERT_TRUE(U("万年历选择夹").SetCurrentPage(p.page));
        if (p.atLeast) {
            EXPECT_GE(form_->Self().Width(), p.width) << p.page;
            EXPECT_GE(form_->Self().Height(), p.height) << p.page;
        } else {
            EXPECT_EQ(form_->Self().Width(), p.width) << p.page;
            EXPECT_EQ(form_->Self().Height(), p.height) << p.page;
        }
        EXPECT_EQ(U("图片框4").Visible(), p.page == 2);
        // Every tab header lies inside the tab control: none behind the strip's scroll arrows.
        RECT last = {};
        forms::Unit& tabs = U("万年历选择夹");
        ASSERT_TRUE(SendMessageA(tabs.Window(), TCM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&last)));
        EXPECT_LE(last.right, tabs.Width()) << p.page;
    }
    U("万年历选择夹").SetCurrentPage(3);
    // The box holds every time zone whole, the first (shown while closed) too: the list needs to drop
    // down no wider than the box.
    EXPECT_EQ(SendMessageA(U("组合框1").Window(), CB_GETDROPPEDWIDTH, 0, 0), U("组合框1").Width());
    EXPECT_TRUE(U("按钮11").Enabled());
    EXPECT_FALSE(U("按钮1").Enabled());
    EXPECT_FALSE(U("按钮9").Enabled());
    EXPECT_FALSE(U("公历日期框1").Enabled());
}

TEST_F(CalendarWindowTest, BoardShowsTodayInWordsAndWeekendColours)
{
    Open();
    // Lunar dates whose day words differ in kind; their weekdays decide the colours.
    const struct {
        LunarDate lunar;
        const char* text;
    } days[] = {
        {{2012, 10, 21, false}, "农历:二零一二年十月廿一"},
        {{2012, 12, 1, false}, "农历:二零一二年腊月初一"},   // 2013-01-12, a Saturday
        {{2012, 10, 20, false}, "农历:二零一二年十月二十"},  // 2012-12-03, a Monday
        {{2012, 10, 10, false}, "农历:二零一二年十月初十"},
        {{2012, 10, 15, false}, "农历:二零一二年十月十五"},
        {{2012, 9, 30, false}, "农历:二零一二年九月三十"},
    };
    bool sawSaturday = false, sawMonday = false;
    for (const auto& d : days) {
        CalendarDate solar;
        ASSERT_TRUE(LunarToSolar(d.lunar.year, d.lunar.month, d.lunar.day, false, solar)) << d.text;
        const double now = TestDateTime(solar.year, solar.month, solar.day, 9, 30, 0);
        BoardTick(now);
        EXPECT_EQ(U("透明标签5").Text(), d.text);
        EXPECT_EQ(U("透明标签1").Text(), IntToText(solar.year) + "年" + IntToText(solar.month) + "月");
        EXPECT_EQ(U("透明标签2").Text(), IntToText(solar.day));
        const int weekday = DateTimeWeekday(now);
        EXPECT_EQ(U("透明标签3").Text(), WeekdayName(weekday));
        const bool weekend = weekday == 1 || weekday == 7;
        EXPECT_EQ(U("透明标签2").TextColour(), weekend ? 0x0000FF : 0x808000) << d.text;
        EXPECT_EQ(U("透明标签3").TextColour(), weekend ? 0x0000FF : 0) << d.text;
        sawSaturday = sawSaturday || weekday == 7;
        sawMonday = sawMonday || weekday == 2;
        FourPillars pillars;
        ASSERT_TRUE(FourPillarsAt(solar.year, solar.month, solar.day, 9, 30, 0, pillars));
        EXPECT_EQ(U("透明标签6").Text(), "四柱:" + JoinFourPillars(pillars));
    }
    EXPECT_TRUE(sawSaturday && sawMonday);

    // The board's page, with the clock running, as a person sees it.
    g_testNow = TestDateTime(2012, 12, 4, 15, 0, 0);
    BoardTick(g_testNow);
    ClockTick(g_testNow);
    U("万年历选择夹").SetCurrentPage(2);
    EXPECT_EQ(U("透明标签4").Text(), "15:00:00");
    EXPECT_TRUE(forms_test::SaveScreenshot(form_->Window(), "calendar-board.png"));
}

TEST_F(CalendarWindowTest, LeapMonthShowsOnTheBoardAndInTheCalculatorCaption)
{
    // 2023-04-19 is the 29th of the leap second month of 2023.
    g_testNow = TestDateTime(2023, 4, 19, 10, 0, 0);
    Open();
    U("万年历选择夹").SetCurrentPage(2);
    EXPECT_EQ(U("透明标签5").Text(), "农历:二零二三年闰二月廿九");
    Click("按钮8");
    EXPECT_EQ(U("透明标签11").Text(), "农历日期:2023年闰2月29日");
    // The month before it is the plain second month.
    Click("按钮8");
    ASSERT_TRUE(U("农历月历1").SetDate(TestDateTime(2023, 3, 21)));
    Click("按钮8");
    EXPECT_EQ(U("透明标签11").Text(), "农历日期:2023年2月30日");
}

TEST_F(CalendarWindowTest, SolarTermsButtonListsTheYearAndHidesOnTheSecondPress)
{
    Open();
    U("万年历选择夹").SetCurrentPage(2);
    ASSERT_TRUE(U("农历月历1").SetDate(TestDateTime(2012, 6, 1)));
    forms::Unit& list = U("选择列表框1");
    Click("按钮7");
    EXPECT_TRUE(list.Visible());
    EXPECT_FALSE(U("图片框4").Visible()) << "the list takes the board's place, not a place over it";
    ASSERT_EQ(list.ItemCount(), 24);
    EXPECT_EQ(TextFind(list.ItemText(0), "立春:2012年2月"), 1) << list.ItemText(0);
    EXPECT_EQ(TextFind(list.ItemText(21), "冬至:2012年12月"), 1) << list.ItemText(21);
    EXPECT_EQ(TextFind(list.ItemText(22), "小寒:2012年1月"), 1) << list.ItemText(22);
    EXPECT_EQ(TextFind(list.ItemText(23), "大寒:2012年1月"), 1) << list.ItemText(23);
    Click("按钮7");
    EXPECT_FALSE(list.Visible());
    EXPECT_TRUE(U("图片框4").Visible());
    EXPECT_EQ(list.ItemCount(), 24) << "filled again on the second press";
    Click("按钮7");
    EXPECT_TRUE(list.Visible());
    Click("按钮10");
    EXPECT_FALSE(list.Visible());
    EXPECT_TRUE(U("图片框4").Visible());
}

TEST_F(CalendarWindowTest, FourPillarCalculators)
{
    Open();
    U("万年历选择夹").SetCurrentPage(2);
    // The window opened at 2012-12-04 15:00:00: both calculators start from that moment.
    FourPillars opening;
    ASSERT_TRUE(FourPillarsAt(2012, 12, 4, 15, 0, 0, opening));
    Click("按钮8");
    EXPECT_TRUE(U("图片框5").Visible());
    EXPECT_FALSE(U("图片框4").Visible());
    EXPECT_EQ(U("图片框5").Height(), 213);
    EXPECT_EQ(U("透明标签11").Text(), "农历日期:2012年10月21日");
    EXPECT_EQ(U("公历柱编辑框").Text(), JoinFourPillars(opening));

    U("公历日期框").SetDate(TestDateTime(2012, 5, 12));
    U("公历时编辑框").SetText("12");
    U("公历分编辑框").SetText("12");
    U("公历秒编辑框").SetText("0");
    EXPECT_EQ(U("公历柱编辑框").Text(), "壬辰 乙巳 癸酉 戊午");
    // What the calculator cannot use is named, never read as 0 or shown as an empty result.
    const struct {
        const char* box;
        const char* typed;
        const char* word;
    } refused[] = {
        {"公历时编辑框", "", "时要填0到23的整数"},   {"公历时编辑框", "abc", "时要填0到23的整数"},
        {"公历时编辑框", "-5", "时要填0到23的整数"}, {"公历时编辑框", "2100", "时要填0到23的整数"},
        {"公历时编辑框", "24", "时要填0到23的整数"}, {"公历分编辑框", "60", "分要填0到59的整数"},
        {"公历秒编辑框", "x", "秒要填0到59的整数"},
    };
    for (const auto& r : refused) {
        const std::string before = U(r.box).Text();
        U(r.box).SetText(r.typed);
        EXPECT_EQ(U("公历柱编辑框").Text(), r.word) << r.box << " " << r.typed;
        U(r.box).SetText(before);
    }
    EXPECT_EQ(U("公历柱编辑框").Text(), "壬辰 乙巳 癸酉 戊午");
    U("公历日期框").SetDate(TestDateTime(1900, 6, 1));
    U("公历秒编辑框").SetText("00");  // a date set by the program raises nothing: a change does
    EXPECT_EQ(U("公历柱编辑框").Text(), "只能算1901年到2100年的四柱") << "the service refuses 1900";

    ASSERT_TRUE(U("农历日期框1").SetLunarDate({2012, 4, 10, true}));  // 2012-05-30
    U("公历时1").SetText("8");
    FourPillars leap;
    ASSERT_TRUE(FourPillarsAt(2012, 5, 30, 8, 0, 0, leap));
    EXPECT_EQ(U("立春编辑框3").Text(), JoinFourPillars(leap));
    EXPECT_EQ(U("透明标签11").Text(), "农历日期:2012年闰4月10日") << "the caption follows the box";

    // The lunar year list runs over the years whose every day the pillars can compute.
    HWND years = nullptr;  // of the box's three lists, the one with more than a lunar month's items
    for (HWND list = FindWindowExA(U("农历日期框1").Window(), nullptr, "ComboBox", nullptr); list && !years;
         list = FindWindowExA(U("农历日期框1").Window(), list, "ComboBox", nullptr))
        if (SendMessageA(list, CB_GETCOUNT, 0, 0) > 30)
            years = list;
    ASSERT_NE(years, nullptr);
    char first[16] = {}, last[16] = {};
    const LRESULT count = SendMessageA(years, CB_GETCOUNT, 0, 0);
    SendMessageA(years, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    SendMessageA(years, CB_GETLBTEXT, count - 1, reinterpret_cast<LPARAM>(last));
    EXPECT_EQ(std::string(first), "1901");
    EXPECT_EQ(std::string(last), "2099");
    EXPECT_FALSE(U("农历日期框1").SetLunarDate({1900, 6, 1, false}));
    EXPECT_FALSE(U("农历日期框1").SetLunarDate({2100, 12, 1, false}));

    Click("按钮8");
    EXPECT_FALSE(U("图片框5").Visible());
    EXPECT_TRUE(U("图片框4").Visible());
    EXPECT_EQ(U("透明标签4").Width(), 168);
}

TEST_F(CalendarWindowTest, EssaysTakeTheCalendarsPlace)
{
    Open();
    forms::Unit& essay = U("编辑框农历");
    Click("按钮公历说明");
    EXPECT_TRUE(essay.Visible());
    EXPECT_FALSE(U("农历月历1").Visible());
    EXPECT_EQ(essay.Width(), U("农历月历1").Width());
    EXPECT_EQ(TextFind(essay.Text(), "    中国是世界上最古老的文明国家之一"), 1);
    EXPECT_EQ(TextRight(essay.Text(), 7), "\r\n\r\n   ");
    EXPECT_EQ(essay.SelectionStart(), 0);
    Click("按钮公历说明");
    EXPECT_FALSE(essay.Visible());
    EXPECT_TRUE(U("农历月历1").Visible());

    U("万年历选择夹").SetCurrentPage(1);
    Click("按钮4");
    EXPECT_TRUE(U("编辑框公历").Visible());
    EXPECT_FALSE(U("编辑框1").Visible());
    EXPECT_FALSE(U("组合框2").Visible());
    EXPECT_EQ(U("透明标签1").Text(), "公元2012年12月");
    EXPECT_EQ(TextFind(U("编辑框公历").Text(), "    公历传自欧洲"), 1);
    Click("按钮4");
    EXPECT_FALSE(U("编辑框公历").Visible());
    EXPECT_TRUE(U("组合框2").Visible());
    Click("按钮4");
    Click("按钮5");
    EXPECT_FALSE(U("编辑框公历").Visible());
    const DateTimeParts shown = SplitDateTime(U("月历1").Date());
    EXPECT_EQ(shown.year * 10000 + shown.month * 100 + shown.day, 20121204);
}

TEST_F(CalendarWindowTest, ViewRadiosAndTodayButton)
{
    Open();
    forms::Unit& calendar = U("农历月历1");
    EXPECT_EQ(calendar.DisplayMode(), 0);
    Click("单选框1");
    EXPECT_EQ(calendar.DisplayMode(), 1);
    Click("单选框2");
    EXPECT_EQ(calendar.DisplayMode(), 0);
    calendar.SetDate(TestDateTime(2020, 2, 2));
    Click("按钮2");
    EXPECT_EQ(calendar.Date(), TestDateTime(2012, 12, 4));
}

TEST_F(CalendarWindowTest, OpeningAndClosingLeavesNothingBehind)
{
    forms::Form* main = forms::OpenModeless(StandInMainWindow());
    ASSERT_NE(main, nullptr);
    const int memoryDcs = MemoryDcCount();
    const int skinnedForms = SkinFormCount();
    const int openForms = forms::OpenFormCount();
    for (int cycle = 0; cycle < 20; ++cycle) {
        forms::Form& calendar = Open();
        ASSERT_EQ(SkinFormCount(), skinnedForms + 1) << "the window is a skinned form";
        U("万年历选择夹").SetCurrentPage(cycle % 5);
        ClockTick(PlusSeconds(g_testNow, 1));
        ASSERT_TRUE(calendar.Close());
        forms::ProcessPendingMessages();
        ASSERT_TRUE(main->Self().Visible());
    }
    EXPECT_EQ(MemoryDcCount(), memoryDcs);
    EXPECT_EQ(SkinFormCount(), skinnedForms);
    EXPECT_EQ(forms::OpenFormCount(), openForms);
}

}  // namespace
}  // namespace calendar_test
