// The group list under Wine: creation, clicks and callbacks, hit testing, layout with and without the
// embedded bar, highlight pixels, the row and entry operations, the order of the window procedures
// and the release of everything a list made.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/group_list.h"
#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/scroll_bar.h"

namespace {

// The callbacks in the order they ran: "click 2 1", "expand 3", "collapse 3".
std::vector<std::string>& Events()
{
    static std::vector<std::string> events;
    return events;
}

std::string Joined(const char* name, const int* arguments, int count)
{
    std::string text = name;
    for (int i = 0; i < count; ++i)
        text += " " + std::to_string(arguments[i]);
    return text;
}

int OnClick(const int* a, int n)
{
    Events().push_back(Joined("click", a, n));
    return 0;
}

int OnExpand(const int* a, int n)
{
    Events().push_back(Joined("expand", a, n));
    return 0;
}

int OnCollapse(const int* a, int n)
{
    Events().push_back(Joined("collapse", a, n));
    return 0;
}

constexpr int kW = 200, kH = 300;

class GroupListTest : public testing::Test {
protected:
    void SetUp() override
    {
        Events().clear();
        f_ = MakeBarTestForm(420, 340, RECT{10, 10, 10 + kW, 10 + kH});
        host_ = f_.host;
    }
    void TearDown() override
    {
        if (IsWindow(f_.form))
            DestroyWindow(f_.form);
    }
    GroupListRecord* Make(const GroupListOptions& options = GroupListOptions())
    {
        EXPECT_GT(list_.Create(host_, options), 0);
        list_.SetClickCallback(OnClick);
        list_.SetExpandCallback(OnExpand);
        list_.SetCollapseCallback(OnCollapse);
        return FindGroupList(host_);
    }
    void Paint() { PaintGroupList(host_); }
    void Click(int x, int y) { Press(host_, x, y); }
    void MoveTo(int x, int y) { SendMessageA(host_, WM_MOUSEMOVE, 0, MouseAt(x, y)); }

    BarTestForm f_;
    HWND host_ = nullptr;
    SkinGroupList list_;
};

std::vector<std::string> List(std::initializer_list<const char*> items)
{
    return std::vector<std::string>(items.begin(), items.end());
}

}  // namespace

TEST_F(GroupListTest, CreateDefaultsAndTheMainWindowsArguments)
{
    const int before = RecordCount(g_groupLists);
    EXPECT_EQ(list_.Create(host_), before + 1);
    const GroupListRecord* list = FindGroupList(host_);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->rowHeight, 26);
    EXPECT_EQ(list->childHeight, 26);
    EXPECT_EQ(list->backColour, -1);
    EXPECT_EQ(list->backAlpha, 0);
    EXPECT_EQ(list->childTextColour, 0u);
    EXPECT_EQ(list->childNoteColour, 0x808080u);
    EXPECT_TRUE(list->frameVisible);
    EXPECT_EQ(list->fontName, "宋体");
    EXPECT_EQ(list->fontSize, 12);
    EXPECT_TRUE(list->autoRefresh);
    EXPECT_TRUE(list->dirty);
    EXPECT_EQ(list->marginLeft, 3);
    EXPECT_EQ(list->marginTop, 3);
    EXPECT_EQ(list_.GetMemoryDC(), nullptr);
    EXPECT_EQ(GetWindowPropNumber(host_, kPropHwFormNumber), f_.number);
    // The embedded bar lives on the same window, from 0, reporting to the list.
    const ScrollBarRecord* bar = FindScrollBar(host_);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->mode, kScrollBarEmbedded);
    EXPECT_EQ(bar->minimum, 0);
    EXPECT_EQ(bar->scrollCallback, GroupListScrollThunk);
    EXPECT_EQ(list->scrollBar.window, host_);

    // The side list of the main window: entries 25 high, a background alpha of 200, white entry captions.
    HWND side = CreateBarHost(f_.form, 220, 10, 180, 300);
    SkinGroupList mainList;
    GroupListOptions options;
    options.childHeight = 25;
    options.backAlpha = 200;
    options.childTextColour = 0xFFFFFF;
    EXPECT_EQ(mainList.Create(side, options), before + 2);
    const GroupListRecord* sideList = FindGroupList(side);
    EXPECT_EQ(sideList->rowHeight, 26);
    EXPECT_EQ(sideList->childHeight, 25);
    EXPECT_EQ(sideList->backColour, -1);
    EXPECT_EQ(sideList->backAlpha, 200);
    EXPECT_EQ(sideList->childTextColour, 0xFFFFFFu);
    EXPECT_EQ(sideList->childNoteColour, 0x808080u);
}

TEST_F(GroupListTest, ClicksOpenCloseSelectAndReport)
{
    Make();
    list_.AddRow("一");  // closed
    list_.AddRow("二", true);
    for (const char* caption : {"甲", "乙", "丙"})
        list_.AddChild(1, caption);
    list_.AddChild(2, "丁");
    list_.AddChild(2, "戊");
    const GroupListRecord* list = FindGroupList(host_);
    EXPECT_TRUE(SameRect(RecordAt(list->rows, 1)->rect, RECT{3, 3, 197, 29}));
    EXPECT_TRUE(SameRect(RecordAt(list->rows, 2)->rect, RECT{3, 29, 197, 55}));
    EXPECT_TRUE(SameRect(RecordAt(RecordAt(list->rows, 2)->children, 2)->rect, RECT{13, 81, 197, 107}));

    // A shared edge belongs to the upper item.
    int row = 0, entry = 0;
    EXPECT_EQ(list_.HitTest(100, 29, row, entry), 1);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(list_.HitTest(100, 81, row, entry), 1);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(entry, 1);

    Click(100, 10);
    EXPECT_EQ(Events(), List({"expand 1", "click 1 0"}));
    EXPECT_TRUE(RecordAt(list->rows, 1)->expanded);
    EXPECT_TRUE(RecordAt(list->rows, 1)->selected);
    Click(100, 60);  // entry 2 of row 1 now
    EXPECT_EQ(Events().back(), "click 1 2");
    EXPECT_FALSE(RecordAt(list->rows, 1)->selected);
    EXPECT_TRUE(RecordAt(RecordAt(list->rows, 1)->children, 2)->selected);
    EXPECT_TRUE(RecordAt(list->rows, 1)->expanded);
    Events().clear();
    Click(100, 10);
    EXPECT_EQ(Events(), List({"collapse 1", "click 1 0"}));

    // Margins, the space below the last item and the entries of a closed row fire nothing.
    Events().clear();
    list_.CollapseRow(2);
    EXPECT_EQ(list_.HitTest(100, 70, row, entry), 0);
    for (POINT p : {POINT{1, 10}, POINT{198, 10}, POINT{100, 1}, POINT{100, 70}, POINT{100, 290}})
        Click(p.x, p.y);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(list->selectedRow, 1);
    EXPECT_EQ(list->selectedChild, 0);
    EXPECT_TRUE(Events().empty());
}

TEST_F(GroupListTest, TheBarShowsWhenOneMoreRowThanFitsAndScrollsToTheLastItem)
{
    GroupListRecord* list = Make();
    for (int i = 0; i < 11; ++i)  // 286 of 294 pixels
        list_.AddRow("行", true);
    EXPECT_FALSE(list->scrollBarShown);
    EXPECT_EQ(RecordAt(list->rows, 1)->rect.right, kW - 3);
    EXPECT_EQ(list->scrollBar.Position(), 0);

    list_.AddRow("行", true);  // 312
    EXPECT_TRUE(list->scrollBarShown);
    EXPECT_EQ(RecordAt(list->rows, 1)->rect.right, kW - 20);
    const ScrollBarRecord* bar = FindScrollBar(host_);
    EXPECT_EQ(bar->maximum, 312 - kH + 6);
    EXPECT_EQ(bar->page, kH - 6);
    Paint();
    EXPECT_FALSE(list->dirty);
    EXPECT_EQ(bar->targetDC, list->memoryDC);

    // A click on the bar's strip reaches the bar but no item.
    Click(kW - 8, 150);
    EXPECT_TRUE(Events().empty());
    SendMessageA(host_, WM_LBUTTONUP, 0, MouseAt(kW - 8, 150));

    SendMessageA(host_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(list->scrollBar.Position(), 18);
    EXPECT_EQ(RecordAt(list->rows, 12)->rect.bottom, kH - 3);
    EXPECT_EQ(RecordAt(list->rows, 1)->rect.top, 3 - 18);

    // The half-scrolled first row is cut at y 3, its highlight with it.
    const uint32_t above = PixelRgb(list->memoryDC, 100, 2);
    const uint32_t inside = PixelRgb(list->memoryDC, 100, 6);
    list_.Select(1);
    EXPECT_EQ(PixelRgb(list->memoryDC, 100, 2), above);
    EXPECT_FALSE(RgbNear(PixelRgb(list->memoryDC, 100, 6), inside, 3));

    // Content that fits again takes the list back to the top and hides the bar's buffer.
    list_.DeleteRow(12);
    list_.DeleteRow(11);
    EXPECT_FALSE(list->scrollBarShown);
    EXPECT_EQ(list->scrollBar.Position(), 0);
    Paint();
    EXPECT_EQ(bar->targetDC, nullptr);
}

TEST_F(GroupListTest, SelectedAndHoveredItemsAreFilledWithTheThemeColour)
{
    const COLORREF savedTheme = g_themeColour;
    g_themeColour = 0x2060C0;
    GroupListRecord* list = Make();
    list_.AddRow("一", true);
    list_.AddRow("二", true);
    list_.AddChild(2, "甲");
    Paint();
    const int x = 150;
    const uint32_t rowPlain = PixelRgb(list->memoryDC, x, 16);
    const uint32_t entryPlain = PixelRgb(list->memoryDC, x, 68);
    list_.Select(1);
    EXPECT_TRUE(RgbNear(PixelRgb(list->memoryDC, x, 16), Blend(rowPlain, 0xC06020, 100), 3));
    MoveTo(x, 68);
    EXPECT_EQ(list->hoverRow, 2);
    EXPECT_EQ(list->hoverChild, 1);
    EXPECT_TRUE(RgbNear(PixelRgb(list->memoryDC, x, 68), Blend(entryPlain, 0xC06020, 60), 3));
    // Leaving draws it plain again; the selection stays.
    SendMessageA(host_, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(RgbNear(PixelRgb(list->memoryDC, x, 68), entryPlain, 2));
    EXPECT_TRUE(RgbNear(PixelRgb(list->memoryDC, x, 16), Blend(rowPlain, 0xC06020, 100), 3));
    g_themeColour = savedTheme;
}

TEST_F(GroupListTest, EntryTagsShowOnlyBesideShortCaptions)
{
    Make();
    list_.AddRow("行", true);
    // Entries 184 wide: the tag shows while the caption's bytes x 6.5 < 124, up to 19 bytes.
    list_.AddChild(1, "一二三四五六七八九", std::nullopt, std::string("新"));    // 18 bytes
    list_.AddChild(1, "一二三四五六七八九十", std::nullopt, std::string("新"));  // 20 bytes
    const GroupListRecord* list = FindGroupList(host_);
    auto darkInTagCorner = [&](int entry) {
        TestCanvas canvas(kW, kH);
        GdipGraphics g;
        g.CreateFromHDC(canvas.Dc());
        DrawGroupListChild(host_, 1, entry, &g);
        const RECT& r = RecordAt(RecordAt(list->rows, 1)->children, entry)->rect;
        int dark = 0;
        for (int y = r.top + 2; y < r.top + 20; ++y)
            for (int x = r.right - 20; x < r.right; ++x)
                dark += GreenOf(canvas.Rgb(x, y)) < 0x80;
        return dark;
    };
    EXPECT_GT(darkInTagCorner(1), 5);
    EXPECT_EQ(darkInTagCorner(2), 0);
}

TEST_F(GroupListTest, RowAndEntryOperations)
{
    GroupListRecord* list = Make();
    EXPECT_EQ(list_.AddRow("a", true), 1);
    EXPECT_EQ(list_.AddRow("b"), 2);
    EXPECT_FALSE(RecordAt(list->rows, 2)->expanded);
    EXPECT_EQ(list_.AddRow("c", true), 3);
    EXPECT_EQ(list_.AddRow("first", true, 1), 1);
    EXPECT_EQ(list_.AddRow("last", true, 5), 5);
    Paint();
    for (int bad : {0, -2, 7}) {
        EXPECT_EQ(list_.AddRow("x", true, bad), -1);
        EXPECT_FALSE(list->dirty);
    }
    EXPECT_EQ(list_.GetRowCount(), 5);
    EXPECT_EQ(list_.GetText(1), "first");
    EXPECT_EQ(list_.GetText(2), "a");

    EXPECT_EQ(list_.AddChild(0, "x"), -1);
    EXPECT_EQ(list_.AddChild(6, "x"), -1);
    EXPECT_EQ(list_.AddChild(2, "one"), 1);
    EXPECT_EQ(list_.AddChild(2, "two", SolidPng(8, 8, 0xFF00FF00)), 2);
    EXPECT_EQ(list_.AddChild(2, "zero", std::nullopt, std::nullopt, std::nullopt, 1), 1);
    EXPECT_EQ(list_.AddChild(2, "x", std::nullopt, std::nullopt, std::nullopt, 5), -1);
    EXPECT_EQ(list_.GetChildCount(2), 3);
    EXPECT_EQ(list_.GetText(2, 3), "two");
    EXPECT_EQ(list_.GetText(2, -1), "");
    EXPECT_EQ(list_.GetText(2, 4), "");
    EXPECT_EQ(list_.GetText(9), "");

    // Auto-refresh off: additions wait for the next refresh.
    Paint();
    EXPECT_EQ(list_.SetAutoRefresh(false), 1);
    EXPECT_EQ(list_.AddRow("quiet"), 6);
    EXPECT_FALSE(list->dirty);
    EXPECT_EQ(list_.Refresh(), 1);
    EXPECT_TRUE(list->dirty);
    list_.SetAutoRefresh();

    // Opening an open row changes nothing; neither it nor Select calls back.
    Paint();
    EXPECT_EQ(list_.ExpandRow(1), 1);
    EXPECT_FALSE(list->dirty);
    EXPECT_EQ(list_.CollapseRow(1), 1);
    EXPECT_TRUE(list->dirty);
    EXPECT_EQ(list_.ExpandRow(0), 0);

    // Select: an entry beyond the row's entries selects the header and is kept.
    EXPECT_EQ(list_.Select(2, 1), 1);
    EXPECT_TRUE(RecordAt(RecordAt(list->rows, 2)->children, 1)->selected);
    EXPECT_EQ(list_.Select(2, 9), 1);
    EXPECT_FALSE(RecordAt(RecordAt(list->rows, 2)->children, 1)->selected);
    EXPECT_TRUE(RecordAt(list->rows, 2)->selected);
    EXPECT_EQ(list->selectedChild, 9);
    EXPECT_EQ(list_.Select(7), 0);
    int row = -5, entry = -5;
    EXPECT_EQ(list_.AnyHighlighted(row, entry), 1);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(entry, -5);
    list_.Select(2, 3);
    EXPECT_EQ(list_.AnyHighlighted(row, entry), 1);
    EXPECT_EQ(entry, 3);
    EXPECT_TRUE(Events().empty());

    // SetText: an omitted text empties the caption and keeps the picture; empty bytes remove it.
    EXPECT_EQ(list_.SetText(2, 3), 1);
    EXPECT_EQ(list_.GetText(2, 3), "");
    EXPECT_FALSE(RecordAt(RecordAt(list->rows, 2)->children, 3)->picture.empty());
    EXPECT_EQ(list_.SetText(2, 3, std::string("three"), std::string()), 1);
    EXPECT_TRUE(RecordAt(RecordAt(list->rows, 2)->children, 3)->picture.empty());
    EXPECT_EQ(list_.SetText(2, 4, std::string("x")), 0);
    EXPECT_EQ(list_.SetText(2, -1, std::string("header")), 1);
    EXPECT_EQ(list_.GetText(2), "header");

    // Font setters keep what is not given and refresh.
    Paint();
    EXPECT_EQ(list_.SetFont(), 1);
    EXPECT_TRUE(list->dirty);
    EXPECT_EQ(list->fontName, "宋体");
    EXPECT_EQ(list->childNoteColour, 0x808080u);
    list_.SetFont(std::string("黑体"), 14, std::nullopt, 0x0000FF);
    EXPECT_EQ(list->fontSize, 14);
    EXPECT_EQ(list->childTextColour, 0x0000FFu);
    EXPECT_EQ(list->rowTextColour, 0u);

    // Removing the selected entry leaves the row's number; removals honour their refresh flag.
    Paint();
    EXPECT_EQ(list_.DeleteChild(2, 3, false), 1);
    EXPECT_FALSE(list->dirty);
    EXPECT_EQ(list->selectedRow, 2);
    EXPECT_EQ(list->selectedChild, 0);
    EXPECT_EQ(list_.DeleteChild(2, 3), 0);
    EXPECT_EQ(list_.DeleteRow(0), 0);
}

TEST_F(GroupListTest, HoverAndSelectionFollowTheirItemsAndGoWithThem)
{
    GroupListRecord* list = Make();
    for (int i = 0; i < 3; ++i)
        list_.AddRow("行", true);
    list_.AddChild(3, "甲");
    list_.AddChild(3, "乙");
    Paint();
    MoveTo(100, 40);  // row 2
    Click(100, 95);   // entry 1 of row 3
    ASSERT_EQ(list->hoverRow, 2);
    ASSERT_EQ(list->selectedRow, 3);
    ASSERT_EQ(list->selectedChild, 1);

    list_.AddRow("新", true, 1);
    EXPECT_EQ(list->hoverRow, 3);
    EXPECT_EQ(list->selectedRow, 4);
    list_.AddChild(4, "前", std::nullopt, std::nullopt, std::nullopt, 1);
    EXPECT_EQ(list->selectedChild, 2);
    EXPECT_TRUE(RecordAt(RecordAt(list->rows, 4)->children, 2)->selected);
    list_.DeleteRow(1);
    EXPECT_EQ(list->hoverRow, 2);
    EXPECT_EQ(list->selectedRow, 3);
    list_.DeleteRow(2);  // the hovered row
    EXPECT_EQ(list->hoverRow, 0);
    EXPECT_EQ(list->selectedRow, 2);
    list_.ClearChildren(2);  // with the selected entry
    EXPECT_EQ(list->selectedRow, 0);
    EXPECT_EQ(list->selectedChild, 0);

    Click(100, 10);
    MoveTo(100, 10);
    const float thumb = FindScrollBar(host_)->thumbRect.height;
    list_.Clear();
    EXPECT_EQ(list->hoverRow, 0);
    EXPECT_EQ(list->selectedRow, 0);
    EXPECT_EQ(list_.GetRowCount(), 0);
    // An empty list: moving, clicking, the wheel and painting touch nothing that is gone.
    Events().clear();
    MoveTo(100, 20);
    SendMessageA(host_, WM_MOUSELEAVE, 0, 0);
    Click(100, 20);
    SendMessageA(host_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    Paint();
    EXPECT_EQ(FindScrollBar(host_)->thumbRect.height, thumb);
    EXPECT_TRUE(Events().empty());
    int row = 0, entry = 0;
    EXPECT_EQ(list_.AnyHighlighted(row, entry), 0);
}

TEST_F(GroupListTest, AnItemRedrawBeforeTheFirstPaintDrawsNothing)
{
    GroupListRecord* list = Make();
    list_.AddRow("一", true);
    MoveTo(100, 10);
    EXPECT_EQ(list->hoverRow, 1);
    list_.Select(1);
    EXPECT_EQ(list->memoryDC, nullptr);
    Paint();
    EXPECT_NE(list->memoryDC, nullptr);
}

namespace {

// The window's own procedure under the list: counts what reaches it and what the bar had seen by then.
WNDPROC g_ownProc = nullptr;
int g_ownButtonDowns = 0;
bool g_barHeldWhenOwnRan = false;
bool g_barHeldAtClick = true;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        ++g_ownButtonDowns;
        const ScrollBarRecord* bar = FindScrollBar(window);
        g_barHeldWhenOwnRan = bar && bar->held;
    }
    return CallWindowProcA(g_ownProc, window, message, wParam, lParam);
}

HWND g_clickedList = nullptr;

int NoteBarAtClick(const int*, int)
{
    const ScrollBarRecord* bar = FindScrollBar(g_clickedList);
    g_barHeldAtClick = bar && bar->held;
    return 0;
}

int DestroyOnClick(const int*, int)
{
    DestroyWindow(g_clickedList);
    return 0;
}

}  // namespace

TEST_F(GroupListTest, TheListsProcedureRunsFirstThenTheBarsThenTheWindowsOwn)
{
    g_ownProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(host_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
    g_ownButtonDowns = 0;
    g_clickedList = host_;
    Make();
    list_.AddRow("一", true);
    list_.SetClickCallback(NoteBarAtClick);
    Click(100, 10);
    EXPECT_FALSE(g_barHeldAtClick);     // the list's procedure ran before the bar's
    EXPECT_TRUE(g_barHeldWhenOwnRan);   // the bar's before the window's own
    EXPECT_EQ(g_ownButtonDowns, 1);
    EXPECT_TRUE(FindScrollBar(host_)->held);
}

TEST_F(GroupListTest, AClickHandlerMayDestroyTheList)
{
    const int lists = RecordCount(g_groupLists), bars = RecordCount(g_scrollBars);
    Make();
    list_.AddRow("一");
    g_clickedList = host_;
    list_.SetClickCallback(DestroyOnClick);
    Click(100, 10);
    EXPECT_FALSE(IsWindow(host_));
    EXPECT_EQ(RecordCount(g_groupLists), lists);
    EXPECT_EQ(RecordCount(g_scrollBars), bars);
    EXPECT_EQ(list_.GetRowCount(), 0);
}

TEST_F(GroupListTest, FilledScrolledListsLeaveNothingBehind)
{
    const int memoryDcs = MemoryDcCount();
    const std::string picture = SolidPng(16, 16, 0xFF3080E0);
    std::vector<HGDIOBJ> made;
    for (int round = 0; round < 4; ++round) {
        HWND host = CreateBarHost(f_.form, 10, 10, kW, kH);
        SkinGroupList list;
        list.Create(host);
        for (int i = 0; i < 15; ++i)
            list.AddRow("行", true);
        list.AddChild(1, "甲", picture, "新", "说明");
        UpdateWindow(host);
        PaintGroupList(host);
        SendMessageA(host, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
        SendMessageA(host, WM_MOUSEMOVE, 0, MouseAt(100, 100));
        HDC dc = list.GetMemoryDC();
        ASSERT_NE(dc, nullptr);
        made.push_back(dc);
        made.push_back(GetCurrentObject(dc, OBJ_BITMAP));
        EXPECT_EQ(FindScrollBar(host)->targetDC, dc);
        DestroyWindow(host);
        EXPECT_EQ(FindGroupList(host), nullptr);
    }
    EXPECT_TRUE(g_groupLists.empty());
    EXPECT_TRUE(g_scrollBars.empty());
    EXPECT_EQ(MemoryDcCount(), memoryDcs);
    for (HGDIOBJ object : made)
        EXPECT_EQ(GetObjectType(object), 0u);
}
