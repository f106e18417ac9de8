// The clock tools: the analog clock's pixels, setting the time, and the timed tasks driven tick by
// tick through the window, with the platform's clock and shutdown stood in for.
#include "app/calendar_test_fixture.h"

#include <string>
#include <vector>

#include "runtime/text.h"

namespace calendar_test {
namespace {

using forms_test::Log;

constexpr COLORREF kHandBlack = RGB(0, 0, 0);
constexpr COLORREF kSecondOrange = 0x0080FF;

class ClockToolsTest : public CalendarWindowTest {
protected:
    void SetUp() override
    {
        CalendarWindowTest::SetUp();
        start_ = TestDateTime(2012, 12, 4, 15, 0, 0);
        g_testNow = start_;
        Open();
        U("万年历选择夹").SetCurrentPage(4);
    }
    COLORREF ClockPixel(int dx, int dy)
    {
        forms::Unit& panel = U("画板1");
        return GetPixel(panel.PanelDC(), panel.Width() / 2 + dx, panel.Height() / 2 + dy);
    }
    // Ticks at the given seconds after the start; the seconds after which a new message box showed.
    std::vector<long long> TickAt(const std::vector<long long>& seconds)
    {
        std::vector<long long> shown;
        for (long long s : seconds) {
            const size_t before = Log().messages.size();
            ClockTick(PlusSeconds(start_, s));
            if (Log().messages.size() > before)
                shown.push_back(s);
        }
        return shown;
    }
    double start_ = 0;
};

TEST_F(ClockToolsTest, ClockHandsAtThreeOClock)
{
    U("万年历选择夹").SetCurrentPage(3);
    ClockTick(start_);
    EXPECT_EQ(ClockPixel(15, 0), kHandBlack) << "hour hand right";
    EXPECT_EQ(ClockPixel(25, 0), kHandBlack);
    EXPECT_NE(ClockPixel(-15, 0), kHandBlack);
    // The second hand lies on the minute hand; the minute hand's second pixel column shows beside it.
    EXPECT_EQ(ClockPixel(0, -25), kSecondOrange) << "minute and second hand up";
    EXPECT_TRUE(ClockPixel(-1, -25) == kHandBlack || ClockPixel(1, -25) == kHandBlack);
    EXPECT_EQ(ClockPixel(0, -44), kSecondOrange) << "second hand beyond the minute hand";
    EXPECT_EQ(ClockPixel(0, 9), kSecondOrange) << "its tail down";
    EXPECT_NE(ClockPixel(0, 16), kSecondOrange) << "the tail is 13 pixels long";
    EXPECT_EQ(ClockPixel(0, 0), 0x606060u) << "hub";
    EXPECT_EQ(U("公历时编辑框1").Text(), "15");
    EXPECT_EQ(U("标签5").Text(), "2012年12月4日15时0分0秒 星期二");
    EXPECT_EQ(U("标签6").Text(), "2012年12月4日7时0分0秒 星期二");
    EXPECT_EQ(U("标签7").Text(), "2012年12月3日23时0分0秒 星期一");
    EXPECT_EQ(U("标签10").Text(), "2012年12月4日2时0分0秒 星期二");
    EXPECT_TRUE(forms_test::SaveScreenshot(form_->Window(), "calendar-clock.png"));
}

TEST_F(ClockToolsTest, TypedTimeMovesTheClockUntilCancelled)
{
    U("万年历选择夹").SetCurrentPage(3);
    Click("按钮11");
    EXPECT_TRUE(U("按钮1").Enabled());
    EXPECT_TRUE(U("按钮9").Enabled());
    EXPECT_FALSE(U("按钮11").Enabled());
    EXPECT_TRUE(U("公历日期框1").Enabled());
    EXPECT_FALSE(GetWindowLongPtrA(U("公历时编辑框1").Window(), GWL_STYLE) & ES_READONLY);
    U("公历时编辑框1").SetText("09");
    ClockTick(PlusSeconds(start_, 1));
    EXPECT_EQ(ClockPixel(-15, 0), kHandBlack) << "hour hand at nine";
    EXPECT_NE(ClockPixel(15, 0), kHandBlack);
    EXPECT_EQ(U("公历时编辑框1").Text(), "09") << "the typed time stays while editing";
    EXPECT_EQ(U("透明标签4").Text(), "15:00:01") << "the board's clock goes on";

    Click("按钮1");
    ClockTick(PlusSeconds(start_, 2));
    EXPECT_EQ(ClockPixel(15, 0), kHandBlack);
    EXPECT_EQ(U("公历时编辑框1").Text(), "15");
    EXPECT_TRUE(Log().clockSets.empty());
}

TEST_F(ClockToolsTest, SettingTheTimeGoesThroughThePlatform)
{
    U("万年历选择夹").SetCurrentPage(3);
    Click("按钮11");
    U("公历日期框1").SetDate(TestDateTime(2013, 2, 10));
    U("公历时编辑框1").SetText("8");
    U("公历分编辑框1").SetText("30");
    U("公历秒编辑框1").SetText("5");
    Click("按钮9");
    ASSERT_EQ(Log().clockSets.size(), 1u);
    EXPECT_EQ(Log().clockSets[0], TestDateTime(2013, 2, 10, 8, 30, 5));
    EXPECT_TRUE(U("按钮11").Enabled());
    EXPECT_FALSE(U("按钮9").Enabled());

    // A time that does not exist sets nothing.
    Click("按钮11");
    U("公历时编辑框1").SetText("25");
    Click("按钮9");
    EXPECT_EQ(Log().clockSets.size(), 1u);
}

TEST_F(ClockToolsTest, RestReminderEveryMinute)
{
    EXPECT_EQ(U("编辑框2").Text(), DateTimeToText(start_)) << "starts when the window opened";
    U("编辑框3").SetText("1");
    U("选择框1").SetChecked(true);
    Click("按钮3");
    EXPECT_EQ(U("进度条1").Maximum(), 60);
    EXPECT_EQ(TickAt(SecondsFromTo(1, 30)), std::vector<long long>{});
    EXPECT_EQ(U("进度条1").Position(), 30);
    EXPECT_EQ(TickAt(SecondsFromTo(31, 130)), (std::vector<long long>{60, 120}));
    ASSERT_EQ(Log().messages.size(), 2u);
    EXPECT_EQ(Log().messages[0],
              "休息一会吧！|你已经在电脑前面连续工作1分钟了，为了保护眼睛\r\n和你的身体，请注意休息！");
    EXPECT_EQ(U("进度条1").Position(), 10);
    EXPECT_EQ(g_restReminderCount, 2);
}

TEST_F(ClockToolsTest, MemoFiresOnceThoughItsSecondWasSkipped)
{
    U("编辑框4").SetText(DateTimeToText(PlusSeconds(start_, 10)));
    U("选择框2").SetChecked(true);
    Click("按钮3");
    EXPECT_EQ(U("进度条2").Maximum(), 10);
    EXPECT_EQ(TickAt({1, 2, 9}), std::vector<long long>{});
    EXPECT_EQ(U("进度条2").Position(), 9);
    EXPECT_EQ(TickAt({11, 12, 13, 20}), std::vector<long long>{11});
    ASSERT_EQ(Log().messages.size(), 1u);
    EXPECT_EQ(Log().messages[0], "别忘了！|现在有一件重要的事情要办!");
    EXPECT_EQ(g_memoReminderOn, 0);
    EXPECT_EQ(U("进度条2").Position(), 0);
}

TEST_F(ClockToolsTest, ShutdownComesAtItsMomentUnlessCancelled)
{
    U("编辑框6").SetText(DateTimeToText(PlusSeconds(start_, 5)));
    U("选择框3").SetChecked(true);
    Click("按钮3");
    TickAt({1, 2});
    Click("按钮6");
    EXPECT_FALSE(U("选择框3").Checked());
    EXPECT_EQ(g_timedShutdownOn, 0);
    EXPECT_EQ(U("进度条3").Position(), 0);
    TickAt(SecondsFromTo(3, 10));
    EXPECT_EQ(Log().shutdowns, 0) << "a cancelled shutdown never happens";

    // Started again with the moment still ahead, it comes once, though its second gets no tick.
    U("编辑框6").SetText(DateTimeToText(PlusSeconds(start_, 15)));
    U("选择框3").SetChecked(true);
    Click("按钮3");
    TickAt({14, 16, 17});
    EXPECT_EQ(Log().shutdowns, 1);
}

TEST_F(ClockToolsTest, TimeFreezeSetsTheClockEveryTick)
{
    const double frozen = TestDateTime(2012, 1, 1, 8, 0, 0);
    U("编辑框7").SetText(DateTimeToText(frozen));
    U("选择框4").SetChecked(true);
    Click("按钮3");
    TickAt({1, 2, 3});
    EXPECT_EQ(Log().clockSets, (std::vector<double>{frozen, frozen, frozen}));
    U("编辑框7").SetText("不是时间");
    TickAt({4});
    EXPECT_EQ(Log().clockSets.size(), 3u) << "no date-time, no clock change";
}

TEST_F(ClockToolsTest, TaskBoxesLieAboveTheirSentences)
{
    // Each box sits in a gap of its sentence label: above it, and cut out of the label's painting.
    const struct {
        const char* sentence;
        const char* box;
    } rows[] = {{"标签11", "编辑框2"}, {"标签11", "编辑框3"}, {"标签12", "编辑框4"}, {"标签13", "编辑框6"}, {"标签15", "编辑框7"}};
    for (const auto& row : rows) {
        HWND label = U(row.sentence).Window();
        EXPECT_TRUE(GetWindowLongPtrA(label, GWL_STYLE) & WS_CLIPSIBLINGS) << row.sentence;
        bool boxFirst = false;
        for (HWND w = GetWindow(label, GW_HWNDFIRST); w && w != label; w = GetWindow(w, GW_HWNDNEXT))
            boxFirst = boxFirst || w == U(row.box).Window();
        EXPECT_TRUE(boxFirst) << row.box << " lies under " << row.sentence;
    }
}

TEST_F(ClockToolsTest, TasksEndWithTheWindowThatStartedThem)
{
    U("编辑框6").SetText(DateTimeToText(PlusSeconds(start_, 600)));
    U("编辑框7").SetText(DateTimeToText(start_));
    U("选择框3").SetChecked(true);
    U("选择框4").SetChecked(true);
    Click("按钮3");
    TickAt({1});
    ASSERT_EQ(Log().clockSets.size(), 1u);
    ASSERT_TRUE(form_->Close());
    forms::ProcessPendingMessages();

    // Reopened two hours later: every box unticked, and nothing acts past the new boxes' times.
    start_ = PlusSeconds(start_, 2 * 3600);
    g_testNow = start_;
    Open();
    U("万年历选择夹").SetCurrentPage(4);
    for (const char* box : {"选择框1", "选择框2", "选择框3", "选择框4"})
        EXPECT_FALSE(U(box).Checked()) << box;
    TickAt({1, 2, 599, 600, 601, 700});
    EXPECT_EQ(Log().shutdowns, 0) << "a shutdown the page does not show";
    EXPECT_EQ(Log().clockSets.size(), 1u) << "a time freeze the page does not show";
    EXPECT_EQ(U("进度条3").Position(), 0);

    // Started in this window, they act again.
    U("编辑框6").SetText(DateTimeToText(PlusSeconds(start_, 1000)));
    U("选择框3").SetChecked(true);
    Click("按钮3");
    TickAt({1200});
    EXPECT_EQ(Log().shutdowns, 1);
}

}  // namespace
}  // namespace calendar_test
