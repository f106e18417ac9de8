// The lunar month calendar and the lunar date box as units: their dates (solar and lunar), what they
// refuse, the events the user's actions raise, and what the calendar paints.
#include "runtime/forms/forms_test_support.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "calendar/calendar.h"
#include "runtime/datetime.h"
#include "runtime/forms/lunar_controls.h"
#include "runtime/forms/test_canvas.h"

namespace forms_test {
namespace {

using forms::Define;
using forms::EventKind;
using forms::UnitKind;

std::vector<std::string> g_events;

void Note(forms::Event& e)
{
    g_events.push_back(e.sender.Name() + (e.kind == EventKind::Changed ? ":changed" : ":selection"));
}

const forms::FormDef& LunarWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 300;
        d.name = "LunarUnitsWindow";
        d.caption = "农历";
        d.rect = {60, 60, 420, 380};
        d.units = {
            Define(UnitKind::LunarMonthCalendar, 1, "农历月历1", {8, 8, 364, 256}),
            Define(UnitKind::LunarDateBox, 2, "农历日期框1", {8, 280, 200, 22}),
        };
        d.bindings = {{1, EventKind::SelectionChanged, Note}, {2, EventKind::Changed, Note}};
        return d;
    }();
    return def;
}

double Day(int year, int month, int day)
{
    double value = 0;
    EXPECT_TRUE(MakeDateTime(year, month, day, 0, 0, 0, value));
    return value;
}

bool SameLunar(const LunarDate& a, const LunarDate& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.isLeapMonth == b.isLeapMonth;
}

// Pixels of a canvas that meet a condition, within a rectangle.
template <typename Condition>
int CountPixels(const TestCanvas& canvas, const RECT& r, Condition condition)
{
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            count += condition(canvas.Rgb(x, y)) ? 1 : 0;
    return count;
}

// Text, even anti-aliased grey text: anything not (nearly) white.
bool IsInk(uint32_t rgb)
{
    return RedOf(rgb) < 0xE0 || GreenOf(rgb) < 0xE0 || BlueOf(rgb) < 0xE0;
}

uint32_t AsRgb(COLORREF colour)
{
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

class LunarUnitsTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        form_ = forms::OpenModeless(LunarWindow());
        ASSERT_NE(form_, nullptr);
        g_events.clear();
    }
    forms::Unit& Calendar() { return form_->Get("农历月历1"); }
    forms::Unit& Box() { return form_->Get("农历日期框1"); }
    HWND BoxList(int id) { return GetDlgItem(Box().Window(), id); }
    // The calendar as it paints itself, on a canvas of its client size.
    std::unique_ptr<TestCanvas> PaintCalendar(RECT& client)
    {
        GetClientRect(Calendar().Window(), &client);
        auto canvas = std::make_unique<TestCanvas>(client.right, client.bottom);
        EXPECT_TRUE(forms::PaintLunarCalendar(Calendar().Window(), canvas->Dc()));
        return canvas;
    }
    std::string ListText(int id)
    {
        HWND list = BoxList(id);
        const int index = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
        char text[64] = {};
        if (index >= 0)
            SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // The user presses the left button at a point of the calendar.
    void PressCalendar(int x, int y)
    {
        SendMessageA(Calendar().Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(Calendar().Window(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    forms::Form* form_ = nullptr;
};

TEST_F(LunarUnitsTest, CalendarGivesTheSelectedDateSolarAndLunar)
{
    forms::Unit& calendar = Calendar();
    ASSERT_TRUE(calendar.SetDate(Day(2012, 12, 4) + 0.5));  // the time of day is dropped
    EXPECT_EQ(calendar.Date(), Day(2012, 12, 4));
    LunarDate lunar;
    ASSERT_TRUE(calendar.GetLunarDate(lunar));
    EXPECT_TRUE(SameLunar(lunar, {2012, 10, 21, false}));

    ASSERT_TRUE(calendar.SetLunarDate({2012, 4, 1, true}));  // 闰四月初一
    EXPECT_EQ(calendar.Date(), Day(2012, 5, 21));
    EXPECT_FALSE(calendar.SetLunarDate({2013, 4, 1, true})) << "2013 has no leap month 4";
    EXPECT_FALSE(calendar.SetDate(Day(1900, 6, 1))) << "before the shown years";
    EXPECT_FALSE(calendar.SetDate(Day(2101, 1, 1)));
    EXPECT_EQ(calendar.Date(), Day(2012, 5, 21));

    EXPECT_EQ(calendar.DisplayMode(), 0);
    EXPECT_TRUE(calendar.SetDisplayMode(1));
    EXPECT_EQ(calendar.DisplayMode(), 1);
    EXPECT_FALSE(calendar.SetDisplayMode(2));
    EXPECT_EQ(calendar.DisplayMode(), 1);
    EXPECT_EQ(Box().DisplayMode(), -1);
    EXPECT_TRUE(g_events.empty()) << "dates set by the program raise nothing";
}

TEST_F(LunarUnitsTest, UserPicksADayOrAnotherMonth)
{
    forms::Unit& calendar = Calendar();
    ASSERT_TRUE(calendar.SetDate(Day(2012, 12, 4)));
    // December 2012 starts on a Saturday, so the 4th is the Tuesday of the second week. The grid is
    // found from the selected cell, the one filled with the highlight colour.
    RECT client;
    const auto canvas = PaintCalendar(client);
    const uint32_t highlight = AsRgb(GetSysColor(COLOR_HIGHLIGHT));
    int left = client.right, top = client.bottom, right = 0, bottom = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            if (canvas->Rgb(x, y) == highlight) {
                left = std::min(left, x), top = std::min(top, y);
                right = std::max(right, x), bottom = std::max(bottom, y);
            }
    ASSERT_LT(left, right) << "no selected cell painted";
    const int cellWidth = right - left + 3;   // the mark leaves one pixel on each side
    const int cellHeight = bottom - top + 3;
    // Wednesday of the same week is the 5th; Sunday of the next week the 9th.
    PressCalendar(left + cellWidth + cellWidth / 2, top + cellHeight / 2);
    EXPECT_EQ(calendar.Date(), Day(2012, 12, 5));
    PressCalendar(left - 2 * cellWidth + cellWidth / 2, top + cellHeight + cellHeight / 2);
    EXPECT_EQ(calendar.Date(), Day(2012, 12, 9));
    // The arrows in the header's corners step the month, keeping the day where the month has it.
    PressCalendar(client.right - 4, 4);
    EXPECT_EQ(calendar.Date(), Day(2013, 1, 9));
    PressCalendar(4, 4);
    PressCalendar(4, 4);
    EXPECT_EQ(calendar.Date(), Day(2012, 11, 9));
    SendMessageA(calendar.Window(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(calendar.Date(), Day(2012, 11, 10));
    ASSERT_EQ(g_events.size(), 6u);
    for (const std::string& event : g_events)
        EXPECT_EQ(event, "农历月历1:selection");

    // A press on an empty cell (Wednesday of November's first week) changes nothing and raises nothing.
    g_events.clear();
    PressCalendar(client.right / 2, top - cellHeight / 2 - 2);
    EXPECT_EQ(calendar.Date(), Day(2012, 11, 10));
    EXPECT_TRUE(g_events.empty());
}

TEST_F(LunarUnitsTest, DisplayModeOneLeavesOutTheLunarWords)
{
    forms::Unit& calendar = Calendar();
    ASSERT_TRUE(calendar.SetDate(Day(2012, 12, 4)));
    RECT client;
    const auto lunarView = PaintCalendar(client);
    ASSERT_TRUE(calendar.SetDisplayMode(1));
    const auto solarView = PaintCalendar(client);
    // Ink of the days in the grid: the lunar view adds a word under every day.
    const RECT grid = {0, client.bottom / 4, client.right, client.bottom * 7 / 8};
    EXPECT_GT(CountPixels(*lunarView, grid, IsInk), CountPixels(*solarView, grid, IsInk) * 3 / 2);
    // Weekends are red in both views.
    auto red = [](uint32_t rgb) { return rgb == 0xD00000; };
    EXPECT_GT(CountPixels(*lunarView, grid, red), 0);
    EXPECT_GT(CountPixels(*solarView, grid, red), 0);
    ASSERT_TRUE(calendar.SetDisplayMode(0));
    EXPECT_TRUE(SaveScreenshot(form_->Window(), "lunar-month-calendar.png"));
}

TEST_F(LunarUnitsTest, DateBoxRoundTripsALeapMonth)
{
    forms::Unit& box = Box();
    ASSERT_TRUE(box.SetLunarDate({2012, 4, 10, true}));
    EXPECT_EQ(box.Date(), Day(2012, 5, 30));
    EXPECT_EQ(ListText(1), "2012");
    EXPECT_EQ(ListText(2), "闰四月");
    EXPECT_EQ(ListText(3), "初十");
    // The plain fourth month comes right before the leap one in the list.
    const int leapIndex = static_cast<int>(SendMessageA(BoxList(2), CB_GETCURSEL, 0, 0));
    char before[32] = {};
    SendMessageA(BoxList(2), CB_GETLBTEXT, leapIndex - 1, reinterpret_cast<LPARAM>(before));
    EXPECT_STREQ(before, "四月");
    EXPECT_EQ(SendMessageA(BoxList(2), CB_GETCOUNT, 0, 0), 13);

    ASSERT_TRUE(box.SetLunarDate({2012, 4, 10, false}));
    EXPECT_EQ(box.Date(), Day(2012, 4, 30));
    ASSERT_TRUE(box.SetDate(Day(2012, 5, 30)));
    LunarDate lunar;
    ASSERT_TRUE(box.GetLunarDate(lunar));
    EXPECT_TRUE(SameLunar(lunar, {2012, 4, 10, true}));
    EXPECT_TRUE(g_events.empty());
}

TEST_F(LunarUnitsTest, DateBoxRefusesDatesThatDoNotExist)
{
    forms::Unit& box = Box();
    // A month of 29 days in 2012, by the calendar service.
    int shortMonth = 0;
    CalendarDate solar;
    for (int month = 1; month <= 12 && !shortMonth; ++month)
        if (!LunarToSolar(2012, month, 30, false, solar))
            shortMonth = month;
    ASSERT_NE(shortMonth, 0);
    ASSERT_TRUE(box.SetLunarDate({2012, shortMonth, 29, false}));
    const double before = box.Date();
    EXPECT_FALSE(box.SetLunarDate({2012, shortMonth, 30, false}));
    EXPECT_FALSE(box.SetLunarDate({2013, 4, 1, true}));
    EXPECT_FALSE(box.SetLunarDate({2012, 13, 1, false}));
    EXPECT_FALSE(box.SetLunarDate({2101, 1, 1, false}));
    EXPECT_EQ(box.Date(), before);
    EXPECT_EQ(SendMessageA(BoxList(3), CB_GETCOUNT, 0, 0), 29);
    EXPECT_FALSE(box.SetDate(Day(1899, 1, 1)));
    EXPECT_EQ(box.Date(), before);
}

TEST_F(LunarUnitsTest, DateBoxFollowsTheUsersChoicesAndReportsThem)
{
    forms::Unit& box = Box();
    // Picking a month shorter than the day cuts the day to the month's last: start on day 30 of a
    // long month whose next month (no leap month between) has 29 days.
    CalendarDate solar;
    int longMonth = 0;
    for (int month = 1; month < 12 && !longMonth; ++month)
        if (LunarToSolar(2012, month, 30, false, solar) && !LunarToSolar(2012, month + 1, 30, false, solar) &&
            month != 4)
            longMonth = month;
    ASSERT_NE(longMonth, 0);
    ASSERT_TRUE(box.SetLunarDate({2012, longMonth, 30, false}));
    SendMessageA(BoxList(2), WM_KEYDOWN, VK_DOWN, 0);  // the next month of the list
    LunarDate lunar;
    ASSERT_TRUE(box.GetLunarDate(lunar));
    EXPECT_TRUE(SameLunar(lunar, {2012, longMonth + 1, 29, false}));
    EXPECT_EQ(ListText(3), "廿九");

    // A year without the leap month keeps the month number as a plain month.
    ASSERT_TRUE(box.SetLunarDate({2012, 4, 5, true}));
    SendMessageA(BoxList(1), WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_TRUE(box.GetLunarDate(lunar));
    EXPECT_TRUE(SameLunar(lunar, {2013, 4, 5, false}));
    EXPECT_EQ(ListText(2), "四月");
    ASSERT_EQ(g_events.size(), 2u);
    EXPECT_EQ(g_events[0], "农历日期框1:changed");
    EXPECT_EQ(g_events[1], "农历日期框1:changed");

    // Disabling the unit disables its lists.
    box.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(BoxList(1)));
    box.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(BoxList(3)));
}

}  // namespace
}  // namespace forms_test
