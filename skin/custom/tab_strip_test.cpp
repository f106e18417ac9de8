// The tab strip's creation, geometry, hit test, input, item operations and lifetime, driven by
// messages on a skinned test form.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/controls/control_test_support.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"
#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/tab_strip.h"
#include "skin/custom/tab_strip_test_support.h"

namespace {

// A 200 x 30 strip host on a skinned form; messages reaching the host's own procedure are recorded.
class TabStripTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearRecordedCallbacks();
        NativeMessages().clear();
        f_ = MakeBarTestForm(500, 200, RECT{10, 10, 210, 40});
        host_ = f_.host;
        RecordNativeMessages(host_);
    }
    void TearDown() override
    {
        if (IsWindow(f_.form))
            DestroyWindow(f_.form);
        ClearRecordedCallbacks();
    }
    // A strip with `count` items and the recording select callback.
    TabStripRecord* Make(int count, const TabStripOptions& options = TabStripOptions())
    {
        EXPECT_GT(strip_.Create(host_, options), 0);
        for (int i = 0; i < count; ++i)
            strip_.AddItem(CaptionItem("标签"));
        strip_.SetSelectCallback(RecordClick);
        return FindTabStrip(host_);
    }
    TabItemOptions Tipped(int i) { return CaptionItem("标签", i == 1 ? "甲" : i == 2 ? "乙" : "丙"); }

    BarTestForm f_;
    HWND host_ = nullptr;
    SkinTabStrip strip_;
};

void Move(HWND strip, int x, int y)
{
    SendMessageA(strip, WM_MOUSEMOVE, 0, MouseAt(x, y));
}

HWND TipOf(HWND host)
{
    return FindTabStrip(host)->toolTip.tipWindow;
}

LRESULT ToolCount(HWND host)
{
    return SendMessageA(TipOf(host), TTM_GETTOOLCOUNT, 0, 0);
}

}  // namespace

TEST_F(TabStripTest, CreateTakesDefaultsForOmittedArgumentsAndPassedZeros)
{
    EXPECT_EQ(strip_.Create(host_), 1);
    const TabStripRecord* s = FindTabStrip(host_);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->itemWidth, 60);
    EXPECT_EQ(s->highlightStyle, 1);
    EXPECT_EQ(s->shapeStyle, 3);
    EXPECT_TRUE(s->selectionMode);
    EXPECT_EQ(s->colour1, 0xDDCA22u);
    EXPECT_EQ(s->alpha1, 160);
    EXPECT_EQ(s->colour2, 0u);
    EXPECT_EQ(s->alpha2, 255);
    EXPECT_TRUE(s->separators);
    EXPECT_FALSE(s->attachedTabs);
    EXPECT_FALSE(s->baseline);
    EXPECT_EQ(s->margin, 2);
    EXPECT_TRUE(s->dirty);
    EXPECT_EQ(s->itemHeight, 30);
    EXPECT_EQ(s->memoryDC, nullptr) << "nothing is painted at creation";
    EXPECT_NE(s->toolTip.tipWindow, nullptr);
    EXPECT_EQ(GetWindowProp(host_, kPropHwProc), reinterpret_cast<LONG_PTR>(s->oldWndProc));
    EXPECT_EQ(GetWindowPropNumber(host_, kPropHwFormNumber), f_.number);

    // The skin-settings window's strip: 80, 3, 1, 1, 0xFFFFFF, 255, two omitted, 0, 1, 1.
    HWND second = CreateBarHost(f_.form, 10, 60, 200, 30);
    SkinTabStrip other;
    EXPECT_EQ(other.Create(second, SkinSettingsStripOptions()), 2);
    const TabStripRecord* t = FindTabStrip(second);
    EXPECT_EQ(std::vector<int>({t->itemWidth, t->highlightStyle, t->shapeStyle, t->selectionMode,
                                static_cast<int>(t->colour1), t->alpha1, static_cast<int>(t->colour2), t->alpha2,
                                t->separators, t->attachedTabs, t->baseline}),
              std::vector<int>({80, 3, 1, 1, 0xFFFFFF, 255, 0, 255, 0, 1, 1}));
    EXPECT_EQ(strip_.Create(host_), 1) << "a strip already: its index again";

    DestroyWindow(host_);
    EXPECT_EQ(RecordCount(g_tabStrips), 1);
    EXPECT_EQ(GetWindowPropNumber(second, kPropHwListIndex), 1);
    EXPECT_EQ(other.GetItemRect(1).right, 0);
    EXPECT_EQ(other.AddItem(CaptionItem("一")), 1) << "the object still reaches its renumbered strip";

    // An object never attached, or whose window went, gives its failure values.
    SkinTabStrip never;
    EXPECT_EQ(never.AddItem(), 0);
    EXPECT_EQ(never.FindSelectedItem(), -1);
    EXPECT_EQ(strip_.SelectItem(1), 0);
    EXPECT_EQ(strip_.SetFillWidth(), 0);
    EXPECT_EQ(strip_.GetMemoryDC(), nullptr);
}

TEST_F(TabStripTest, ItemsAreLaidOutAtFixedOrSharedWidths)
{
    TabStripRecord* s = Make(2);
    EXPECT_TRUE(SameRect(strip_.GetItemRect(1), RECT{2, 2, 62, 27}));
    EXPECT_TRUE(SameRect(strip_.GetItemRect(2), RECT{65, 2, 125, 27}));
    EXPECT_EQ(s->contentWidth, 127);
    EXPECT_TRUE(SameRect(strip_.GetItemRect(0), RECT{}));
    EXPECT_TRUE(SameRect(strip_.GetItemRect(3), RECT{}));

    strip_.AddItem(CaptionItem("三"));
    EXPECT_EQ(strip_.SetFillWidth(), 1);
    EXPECT_EQ(s->itemWidth, 64);
    EXPECT_EQ(strip_.GetItemRect(1).left, 2);
    EXPECT_EQ(strip_.GetItemRect(2).left, 69);
    EXPECT_EQ(strip_.GetItemRect(3).left, 136);
    EXPECT_EQ(s->contentWidth, 202);
    EXPECT_EQ(strip_.SetFillWidth(false), 1);
    EXPECT_EQ(s->itemWidth, 64) << "the shared width stays";

    // Resizing: widths follow only with fill width on, heights never.
    SetWindowPos(host_, nullptr, 0, 0, 300, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(s->itemWidth, 64);
    strip_.SetFillWidth();
    EXPECT_EQ(s->itemWidth, 98);
    EXPECT_EQ(strip_.GetItemRect(3).bottom, 27);
    SetWindowPos(host_, nullptr, 0, 0, 200, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(s->itemWidth, 64);
    EXPECT_EQ(strip_.GetItemRect(1).bottom, 27);
}

TEST_F(TabStripTest, AttachedTabsReachTheItemHeightUnlessTheShapeIsRound)
{
    struct Case {
        std::optional<bool> attached;
        int shape;
        int bottom;
    };
    const Case cases[] = {{true, 1, 30}, {true, 2, 30}, {true, 3, 27}, {false, 1, 27}, {std::nullopt, 1, 27}};
    for (const Case& c : cases) {
        HWND host = CreateBarHost(f_.form, 10, 100, 200, 30);
        TabStripOptions o;
        o.attachedTabs = c.attached;
        o.shapeStyle = c.shape;
        SkinTabStrip strip;
        strip.Create(host, o);
        strip.AddItem();
        strip.AddItem();
        strip.SetFillWidth(false);  // every item through the layout
        EXPECT_EQ(strip.GetItemRect(1).bottom, c.bottom) << "shape " << c.shape;
        EXPECT_EQ(strip.GetItemRect(2).bottom, c.bottom) << "shape " << c.shape;
        DestroyWindow(host);
    }
}

TEST_F(TabStripTest, FillWidthWithoutItemsKeepsTheWidth)
{
    TabStripRecord* s = Make(0);
    EXPECT_EQ(strip_.SetFillWidth(), 1);
    EXPECT_EQ(s->itemWidth, 60);
    SetWindowPos(host_, nullptr, 0, 0, 250, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(s->itemWidth, 60);
    strip_.AddItem(CaptionItem("一"));
    EXPECT_EQ(s->itemWidth, 250) << "the first item added takes the whole width";
}

TEST_F(TabStripTest, HitTestTakesBothSideEdgesAndIgnoresTheTop)
{
    Make(2);
    struct Case {
        int x, y, item;
    };
    const Case cases[] = {{62, 10, 1}, {63, 10, 0}, {64, 10, 0}, {65, 10, 2}, {2, 10, 1},   {125, 10, 2},
                          {126, 10, 0}, {30, 0, 1}, {30, 27, 1}, {30, 28, 0}, {-1, 10, 0}, {1, 10, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(HitTestTabStrip(host_, MouseAt(c.x, c.y)), c.item) << c.x << ", " << c.y;
}

TEST_F(TabStripTest, PaintingAndErasingStayWithTheStrip)
{
    Make(2);
    struct Step {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool passedOn;
    };
    HDC dc = GetDC(host_);
    const Step steps[] = {
        {WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, false},
        {WM_PAINT, 0, 0, false},
        {WM_MOUSEMOVE, 0, MouseAt(30, 10), true},
        {WM_LBUTTONDOWN, MK_LBUTTON, MouseAt(90, 10), true},
        {WM_LBUTTONUP, 0, MouseAt(90, 10), true},
        {WM_MOUSELEAVE, 0, 0, true},
        {WM_SIZE, 0, MAKELPARAM(200, 30), true},
        {WM_MOVE, 0, MAKELPARAM(10, 10), true},
        {WM_TIMER, 1, 0, true},
    };
    for (const Step& step : steps) {
        const int before = CountNative(host_, step.message);
        const LRESULT result = SendMessageA(host_, step.message, step.wParam, step.lParam);
        EXPECT_EQ(CountNative(host_, step.message) - before, step.passedOn ? 1 : 0) << "message " << step.message;
        if (step.message == WM_ERASEBKGND) {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        }
    }
    ReleaseDC(host_, dc);
    EXPECT_EQ(RecordedClicks(), std::vector<int>{2});
}

TEST_F(TabStripTest, APaintDrawsOnceThenCopiesTheKeptPicture)
{
    TabStripRecord* s = Make(2);
    UpdateWindow(host_);
    EXPECT_FALSE(s->dirty);
    HDC kept = s->memoryDC;
    ASSERT_NE(kept, nullptr);
    InvalidateRect(host_, nullptr, FALSE);
    UpdateWindow(host_);
    EXPECT_EQ(s->memoryDC, kept) << "a clean strip is only copied";
    strip_.Refresh();
    EXPECT_TRUE(s->dirty);
    UpdateWindow(host_);
    EXPECT_NE(s->memoryDC, nullptr);
    EXPECT_EQ(GetObjectType(kept), 0u) << "the old picture is released";
    EXPECT_EQ(strip_.GetMemoryDC(), s->memoryDC);
}

TEST_F(TabStripTest, SelectionStripsSelectAndReportEveryPress)
{
    TabStripRecord* s = Make(3);
    UpdateWindow(host_);
    EXPECT_EQ(s->selectedItem, 1) << "the first item added";
    EXPECT_TRUE(RecordedClicks().empty()) << "without a callback";
    Press(host_, 90, 10);
    EXPECT_EQ(GetCapture(), host_);
    EXPECT_TRUE(s->buttonDown);
    EXPECT_EQ(s->selectedItem, 2);
    EXPECT_FALSE(RecordAt(s->items, 1)->selected);
    EXPECT_TRUE(RecordAt(s->items, 2)->selected);
    Release(host_, 90, 10);
    EXPECT_FALSE(s->buttonDown);
    ClickAt(host_, 90, 10);
    ClickAt(host_, 64, 10);
    EXPECT_EQ(RecordedClicks(), (std::vector<int>{2, 2})) << "the selected item again calls back; a gap does not";
    EXPECT_EQ(strip_.GetSelectedItem(), 2);
    EXPECT_EQ(strip_.FindSelectedItem(), 2);
}

TEST_F(TabStripTest, PushButtonStripsShowThePressUntilTheRelease)
{
    TabStripOptions o;
    o.selectionMode = false;
    TabStripRecord* s = Make(3, o);
    UpdateWindow(host_);
    EXPECT_EQ(s->selectedItem, 0);
    Press(host_, 90, 10);
    EXPECT_TRUE(RecordAt(s->items, 2)->pressed);
    EXPECT_EQ(RecordedClicks(), std::vector<int>{2}) << "at the press";
    // Moves while the button is held change nothing; the release lets go of the pressed item.
    Move(host_, 30, 10);
    EXPECT_EQ(s->hotItem, 0);
    EXPECT_EQ(s->mouseItem, 2);
    Release(host_, 30, 10);
    EXPECT_FALSE(RecordAt(s->items, 2)->pressed);
    EXPECT_FALSE(RecordAt(s->items, 1)->pressed);
    EXPECT_EQ(strip_.GetSelectedItem(), 0);
    EXPECT_EQ(strip_.FindSelectedItem(), 0);
    EXPECT_EQ(strip_.SelectItem(1), 0);
    EXPECT_EQ(strip_.SelectItem(-1), 1);
}

TEST_F(TabStripTest, HoverFollowsTheMouseAndGoesWithResizesAndRefreshes)
{
    TabStripRecord* s = Make(2);
    UpdateWindow(host_);
    Move(host_, 30, 10);
    EXPECT_EQ(s->hotItem, 1);
    EXPECT_TRUE(RecordAt(s->items, 1)->hover);
    Move(host_, 90, 10);
    EXPECT_EQ(s->hotItem, 2);
    EXPECT_FALSE(RecordAt(s->items, 1)->hover);
    EXPECT_TRUE(RecordAt(s->items, 2)->hover);
    Move(host_, 150, 10);
    EXPECT_EQ(s->hotItem, 0);
    EXPECT_FALSE(RecordAt(s->items, 2)->hover);
    Move(host_, 30, 10);
    SendMessageA(host_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(s->hotItem, 0);
    EXPECT_FALSE(RecordAt(s->items, 1)->hover);

    // Dropping the hot item drops its hover look too.
    Move(host_, 30, 10);
    SendMessageA(host_, WM_SIZE, 0, MAKELPARAM(200, 30));
    EXPECT_EQ(s->hotItem, 0);
    EXPECT_FALSE(RecordAt(s->items, 1)->hover);
    Move(host_, 90, 10);
    strip_.Refresh();
    EXPECT_EQ(s->hotItem, 0);
    EXPECT_FALSE(RecordAt(s->items, 2)->hover);
}

TEST_F(TabStripTest, SelectItemTable)
{
    TabStripRecord* s = Make(2);
    struct Row {
        int item;
        int result;
        int selectedAfter;
        std::vector<int> callbacks;
    };
    const Row rows[] = {
        {5, 1, 1, {}}, {0, 0, 1, {}}, {-2, 0, 1, {}}, {2, 1, 2, {2}}, {2, 1, 2, {2}}, {-1, 1, 0, {2}}, {-1, 1, 0, {2}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(strip_.SelectItem(row.item), row.result) << row.item;
        EXPECT_EQ(s->selectedItem, row.selectedAfter) << row.item;
        EXPECT_EQ(strip_.FindSelectedItem(), row.selectedAfter) << row.item;
        EXPECT_EQ(RecordedClicks(), row.callbacks) << row.item;
    }
}

TEST_F(TabStripTest, ItemTipsAreAddedUpdatedAndDeleted)
{
    Make(2);
    EXPECT_EQ(ToolCount(host_), 0) << "items without tips have no tools";
    EXPECT_EQ(strip_.SetItemTip(2, "第二"), 1);
    EXPECT_EQ(ToolCount(host_), 1);
    ToolReading tool = ReadTool(TipOf(host_), host_, 2);
    ASSERT_TRUE(tool.found);
    EXPECT_EQ(tool.text, "第二");
    EXPECT_TRUE(SameRect(tool.rect, RECT{65, 2, 125, 27}));
    EXPECT_EQ(strip_.SetItemTip(2, "新的"), 1);
    EXPECT_EQ(ToolCount(host_), 1);
    EXPECT_EQ(ReadTool(TipOf(host_), host_, 2).text, "新的");
    EXPECT_EQ(strip_.SetItemTip(2), 1);
    EXPECT_EQ(ToolCount(host_), 0);
    EXPECT_EQ(RecordAt(FindTabStrip(host_)->items, 2)->tipText, "");
    EXPECT_EQ(strip_.SetItemTip(3, "无"), 0);
    EXPECT_EQ(strip_.SetItemTip(0, "无"), 0);
}

TEST_F(TabStripTest, ItemStylesChangeOnlyWhatIsGiven)
{
    TabStripRecord* s = Make(0);
    TabItemOptions full = CaptionItem("甲");
    full.fontName = "黑体";
    full.textColour = 0x123456;
    full.haloColour = 0xFFFFFF;
    full.fontStyle = 1;
    strip_.AddItem(full);
    strip_.AddItem(CaptionItem("乙"));
    const TabStripItem& plain = *RecordAt(s->items, 2);
    EXPECT_EQ(plain.fontName, "宋体");
    EXPECT_EQ(plain.fontSize, 12);
    EXPECT_EQ(plain.textColour, 0u);
    EXPECT_EQ(plain.haloColour, -1);
    EXPECT_EQ(plain.fontStyle, 0);
    EXPECT_EQ(plain.index, 2);

    UpdateWindow(host_);
    TabItemStyle size14;
    size14.fontSize = 14;
    EXPECT_EQ(strip_.SetItemStyle(-1, size14), 1);
    EXPECT_TRUE(s->dirty) << "a repaint is asked for";
    for (int i = 1; i <= 2; ++i)
        EXPECT_EQ(RecordAt(s->items, i)->fontSize, 14);
    EXPECT_EQ(RecordAt(s->items, 1)->fontName, "黑体");
    EXPECT_EQ(RecordAt(s->items, 1)->textColour, 0x123456u);
    EXPECT_EQ(RecordAt(s->items, 1)->haloColour, 0xFFFFFF);
    EXPECT_EQ(RecordAt(s->items, 1)->fontStyle, 1);
    EXPECT_EQ(RecordAt(s->items, 1)->caption, "甲");
    TabItemStyle halo;
    halo.haloColour = 0;
    EXPECT_EQ(strip_.SetItemStyle(2, halo), 1);
    EXPECT_EQ(plain.haloColour, 0);
    EXPECT_EQ(strip_.SetItemStyle(3, halo), 0);
    EXPECT_EQ(strip_.SetItemStyle(0, halo), 0);
}

TEST_F(TabStripTest, DeletingTheSelectedItemLeavesNoSelection)
{
    TabStripRecord* s = Make(3);
    strip_.SelectItem(2);
    EXPECT_EQ(strip_.DeleteItem(2), 1);
    EXPECT_EQ(s->selectedItem, 0);
    EXPECT_EQ(strip_.FindSelectedItem(), 0);
    EXPECT_TRUE(SameRect(strip_.GetItemRect(2), RECT{65, 2, 125, 27})) << "the later item moves up";
    EXPECT_EQ(strip_.DeleteItem(3), 0);
    EXPECT_EQ(strip_.DeleteItem(0), 0);
}

TEST_F(TabStripTest, NumbersAndToolsFollowTheirItemsAfterADeletion)
{
    TabStripRecord* s = Make(0);
    for (int i = 1; i <= 3; ++i)
        strip_.AddItem(Tipped(i));
    strip_.SelectItem(3);
    Move(host_, 90, 10);
    ASSERT_EQ(s->hotItem, 2);
    EXPECT_EQ(strip_.DeleteItem(1), 1);
    EXPECT_EQ(s->selectedItem, 2);
    EXPECT_TRUE(RecordAt(s->items, 2)->selected);
    EXPECT_EQ(s->mouseItem, 1);
    EXPECT_EQ(s->hotItem, 0) << "the deletion's refresh drops the hot item";
    EXPECT_FALSE(RecordAt(s->items, 1)->hover);
    EXPECT_EQ(ToolCount(host_), 2) << "no tool beyond the count";
    const char* texts[] = {"乙", "丙"};
    for (int k = 1; k <= 2; ++k) {
        const ToolReading tool = ReadTool(TipOf(host_), host_, k);
        ASSERT_TRUE(tool.found) << k;
        EXPECT_EQ(tool.text, texts[k - 1]) << k;
        EXPECT_TRUE(SameRect(tool.rect, strip_.GetItemRect(k))) << k;
    }
    EXPECT_FALSE(ReadTool(TipOf(host_), host_, 3).found);

    // A press held over a deletion is still released on its item.
    TabStripOptions o;
    o.selectionMode = false;
    HWND second = CreateBarHost(f_.form, 10, 60, 200, 30);
    SkinTabStrip pushButtons;
    pushButtons.Create(second, o);
    for (int i = 1; i <= 3; ++i)
        pushButtons.AddItem(Tipped(i));
    TabStripRecord* p = FindTabStrip(second);
    Press(second, 150, 10);
    pushButtons.DeleteItem(1);
    EXPECT_EQ(p->mouseItem, 2);
    EXPECT_TRUE(RecordAt(p->items, 2)->pressed);
    Release(second, 150, 10);
    EXPECT_FALSE(RecordAt(p->items, 2)->pressed);
}

TEST_F(TabStripTest, SettersStoreAndAskForARepaint)
{
    TabStripRecord* s = Make(1);
    UpdateWindow(host_);
    EXPECT_EQ(strip_.SetColour1(0x112233), 1);
    EXPECT_EQ(s->colour1, 0x112233u);
    EXPECT_EQ(s->alpha1, 160) << "an omitted alpha stays";
    EXPECT_TRUE(s->dirty);
    UpdateWindow(host_);
    EXPECT_EQ(strip_.SetColour2(std::nullopt, 0), 1);
    EXPECT_EQ(s->colour2, 0u);
    EXPECT_EQ(s->alpha2, 0) << "a passed 0 is used";
    EXPECT_TRUE(s->dirty);
    UpdateWindow(host_);
    EXPECT_EQ(strip_.SetAlpha1(77), 1);
    EXPECT_EQ(s->alpha1, 77);
    EXPECT_TRUE(s->dirty);
    UpdateWindow(host_);
    EXPECT_EQ(strip_.SetInverseCaptions(), 1);
    EXPECT_TRUE(s->inverseCaptions);
    EXPECT_FALSE(s->dirty) << "shows at the next full repaint";
    strip_.SetInverseCaptions(false);
    EXPECT_FALSE(s->inverseCaptions);
}

namespace {

HWND g_stripToDestroy = nullptr;

int DestroyingCallback(const int* arguments, int count)
{
    RecordClick(arguments, count);
    DestroyWindow(g_stripToDestroy);
    return 0;
}

}  // namespace

TEST_F(TabStripTest, ASelectCallbackMayDestroyTheStrip)
{
    Make(2);
    g_stripToDestroy = host_;
    strip_.SetSelectCallback(DestroyingCallback);
    Press(host_, 90, 10);
    EXPECT_EQ(RecordedClicks(), std::vector<int>{2});
    EXPECT_FALSE(IsWindow(host_));
    EXPECT_EQ(RecordCount(g_tabStrips), 0);
    EXPECT_EQ(strip_.SelectItem(1), 0);
}

TEST_F(TabStripTest, StripsMadeAndDestroyedLeaveNothingBehind)
{
    const int contexts = MemoryDcCount();
    const int tooltips = CountThreadTooltips();
    for (int round = 0; round < 4; ++round) {
        HWND host = CreateBarHost(f_.form, 10, 60, 200, 30);
        SkinTabStrip strip;
        ASSERT_EQ(strip.Create(host), 1);
        for (int i = 1; i <= 3; ++i)
            strip.AddItem(Tipped(i));
        strip.SetItemTip(1, "改");
        UpdateWindow(host);
        Move(host, 90, 10);
        ClickAt(host, 150, 10);
        const TabStripRecord* s = FindTabStrip(host);
        HDC kept = s->memoryDC;
        HWND tip = s->toolTip.tipWindow;
        ASSERT_NE(kept, nullptr);
        EXPECT_EQ(CountThreadTooltips(), tooltips + 1);
        DestroyWindow(host);
        EXPECT_TRUE(g_tabStrips.empty());
        EXPECT_EQ(MemoryDcCount(), contexts);
        EXPECT_EQ(GetObjectType(kept), 0u);
        EXPECT_FALSE(IsWindow(tip));
    }
    EXPECT_EQ(CountThreadTooltips(), tooltips);
}
