// The scroll bar under Wine: its parts in each mode, input sent as messages, and the pixels of its
// track, thumb and arrows.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/custom_control_records.h"
#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/scroll_bar.h"

namespace {

struct ScrollReport {
    int window;
    int position;
};

std::vector<ScrollReport>& Reports()
{
    static std::vector<ScrollReport> reports;
    return reports;
}

int RecordScroll(const int* arguments, int count)
{
    Reports().push_back(ScrollReport{count > 0 ? arguments[0] : 0, count > 1 ? arguments[1] : 0});
    return 0;
}

// One message to the bar, its point in client coordinates.
struct Send {
    UINT message;
    int x = 0;
    int y = 0;
    int wheel = 0;
};

Send Down(int x, int y) { return Send{WM_LBUTTONDOWN, x, y}; }
Send Up(int x, int y) { return Send{WM_LBUTTONUP, x, y}; }
Send Move(int x, int y) { return Send{WM_MOUSEMOVE, x, y}; }
Send Leave() { return Send{WM_MOUSELEAVE}; }
Send Tick() { return Send{WM_TIMER}; }
Send Wheel(int delta) { return Send{WM_MOUSEWHEEL, 0, 0, delta}; }

void Deliver(HWND window, const Send& s)
{
    switch (s.message) {
    case WM_TIMER:
        SendMessageA(window, WM_TIMER, kScrollRepeatTimer, 0);
        break;
    case WM_MOUSEWHEEL:
        SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<int16_t>(s.wheel))), 0);
        break;
    default:
        SendMessageA(window, s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                     MAKELPARAM(static_cast<WORD>(static_cast<int16_t>(s.x)), static_cast<WORD>(static_cast<int16_t>(s.y))));
        break;
    }
}

// Pixels of the area whose colours differ by more than 3 on some channel.
int CountChanged(const TestCanvas& a, const TestCanvas& b, const RECT& area)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += !RgbNear(a.Rgb(x, y), b.Rgb(x, y), 3);
    return n;
}

class ScrollBarTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reports().clear();
        f_ = MakeBarTestForm(400, 340, RECT{20, 20, 37, 220});
    }
    void TearDown() override
    {
        if (IsWindow(f_.form))
            DestroyWindow(f_.form);
    }
    // A stand-alone 17 x 200 bar reporting to RecordScroll.
    ScrollBarRecord* StandAlone(const ScrollBarOptions& options = ScrollBarOptions())
    {
        EXPECT_GT(bar_.Create(f_.host, true, options), 0);
        bar_.SetScrollCallback(RecordScroll);
        return FindScrollBar(f_.host);
    }

    BarTestForm f_;
    SkinScrollBar bar_;
};

}  // namespace

TEST_F(ScrollBarTest, AStandAloneBarLaysOutItsPartsAndPlacesTheThumb)
{
    ScrollBarRecord* bar = StandAlone();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->mode, kScrollBarStandAlone);
    EXPECT_EQ(GetWindowPropNumber(f_.host, kPropHwFormNumber), f_.number);
    ScrollPartRects parts = bar_.GetPartRects();
    EXPECT_TRUE(SameRect(parts.bar, RECT{0, 0, 17, 200}));
    EXPECT_TRUE(SameRect(parts.up, RECT{1, 0, 16, 15}));
    EXPECT_TRUE(SameRect(parts.down, RECT{1, 184, 16, 199}));
    EXPECT_TRUE(SameRect(parts.thumb, RECT{1, 15, 16, 45}));

    EXPECT_EQ(bar_.Position(100), 100);
    EXPECT_EQ(bar_.GetPartRects().thumb.top, 155);
    // A new range alone leaves the thumb where it is, also through a refresh.
    EXPECT_TRUE(bar_.SetRange(1, 300));
    EXPECT_TRUE(bar_.Refresh());
    EXPECT_EQ(bar_.GetPartRects().thumb.top, 155);
    EXPECT_EQ(bar_.Position(), 100);
    // A position beyond the range is kept as given; the next step down brings it back to the maximum.
    EXPECT_TRUE(bar_.SetRange(1, 100));
    EXPECT_EQ(bar_.Position(150), 150);
    EXPECT_GT(bar_.GetPartRects().thumb.top, 155);
    Deliver(f_.host, Wheel(-120));
    EXPECT_EQ(bar_.Position(), 100);
}

TEST_F(ScrollBarTest, EmbeddedAndDetachedBarsTakeTheStripAtTheRightEdge)
{
    HWND host = CreateBarHost(f_.form, 40, 10, 300, 300);
    SkinScrollBar embedded;
    ASSERT_GT(embedded.Create(host), 0);
    EXPECT_EQ(FindScrollBar(host)->mode, kScrollBarEmbedded);
    EXPECT_EQ(GetWindowPropNumber(host, kPropHwFormNumber), 0);  // a host keeps what it had
    EXPECT_TRUE(embedded.SetBarLength(297));
    EXPECT_TRUE(embedded.Refresh());
    const ScrollPartRects parts = embedded.GetPartRects();
    EXPECT_TRUE(SameRect(parts.bar, RECT{282, 2, 299, 299}));
    EXPECT_TRUE(SameRect(parts.up, RECT{283, 2, 298, 17}));
    EXPECT_TRUE(SameRect(parts.down, RECT{283, 283, 298, 298}));

    // A detached bar draws at the same place into the context its owner hands over.
    HWND other = CreateBarHost(f_.form, 40, 10, 300, 120);
    SkinScrollBar detached;
    ASSERT_GT(detached.CreateDetached(other), 0);
    detached.SetBarLength(100);
    TestCanvas canvas(300, 120, 0x000000);
    EXPECT_TRUE(detached.SetTargetDC(canvas.Dc()));
    EXPECT_TRUE(SameRect(detached.GetPartRects().bar, RECT{282, 2, 299, 102}));
    EXPECT_EQ(canvas.Rgb(298, 60), 0x000000u);  // nothing drawn before an action
    SendMessageA(other, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_GT(GreenOf(canvas.Rgb(298, 60)), 0xE0);  // the track's right column is near white
    EXPECT_EQ(canvas.Rgb(270, 60), 0x000000u);
    DestroyWindow(other);
    DestroyWindow(host);
}

TEST_F(ScrollBarTest, InputSentAsMessages)
{
    struct Case {
        const char* what;
        int page;
        int position;
        std::vector<Send> sends;
        int expectedPosition;
        int expectedReports;
    };
    // Thumb at 15..45 for position 1, at 84..114 for 50; the down arrow at 184..199.
    const std::vector<Case> cases = {
        {"a press alone does not scroll", 10, 1, {Down(8, 190)}, 1, 0},
        {"a held down arrow steps on each tick", 10, 1, {Down(8, 190), Tick(), Tick(), Tick()}, 4, 3},
        {"at the maximum every tick still reports", 10, 99, {Down(8, 190), Tick(), Tick(), Tick()}, 100, 3},
        {"the up arrow steps up", 10, 5, {Down(8, 5), Tick(), Tick()}, 3, 2},
        {"the track below the thumb pages to the maximum", 10, 1, {Down(8, 150), Tick(), Tick(), Tick(), Tick(),
                                                                    Tick(), Tick(), Tick(), Tick(), Tick(), Tick(),
                                                                    Tick(), Tick()}, 100, 12},
        {"the track above the thumb pages up", 10, 50, {Down(8, 40), Tick()}, 40, 1},
        {"the thumb's top edge is the thumb", 10, 1, {Down(8, 15), Tick(), Tick()}, 1, 0},
        {"wheel down by a page of 25", 25, 10, {Wheel(-120)}, 12, 1},
        {"wheel up by a page of 25", 25, 10, {Wheel(120)}, 7, 1},
        {"a wheel delta of 0 is down", 25, 10, {Wheel(0)}, 12, 1},
        {"a small page steps the wheel by 1", 5, 10, {Wheel(120)}, 9, 1},
        {"a drag past the top gives the minimum", 10, 50, {Down(8, 90), Move(8, -200)}, 1, 1},
        {"back down the thumb follows at once", 10, 50, {Down(8, 90), Move(8, -200), Move(8, -190)}, 7, 2},
        {"leaving stops the repeat", 10, 1, {Down(8, 190), Tick(), Leave(), Tick(), Move(8, 190), Tick()}, 2, 1},
        {"the button coming up stops it", 10, 1, {Down(8, 190), Tick(), Up(8, 190), Tick()}, 2, 1},
        {"a drag ends at the button up", 10, 50, {Down(8, 90), Up(8, 90), Move(8, 20)}, 50, 0},
    };
    StandAlone();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bar_.SetRange(1, 100, 1, c.page);
        bar_.Position(c.position);
        Deliver(f_.host, Up(0, 0));
        Reports().clear();
        for (const Send& s : c.sends)
            Deliver(f_.host, s);
        EXPECT_EQ(bar_.Position(), c.expectedPosition);
        ASSERT_EQ(static_cast<int>(Reports().size()), c.expectedReports);
        for (const ScrollReport& r : Reports())
            EXPECT_EQ(r.window, HandleToLong(f_.host));
        if (!Reports().empty()) {
            EXPECT_EQ(Reports().back().position, c.expectedPosition);
        }
    }
}

TEST_F(ScrollBarTest, AnEmptyRangeOrAThumbWithoutRoomDoesNoHarm)
{
    StandAlone();
    // Maximum = minimum: the thumb rests at the top of its run, also after a wheel notch.
    bar_.SetRange(5, 5);
    EXPECT_EQ(bar_.Position(5), 5);
    EXPECT_EQ(bar_.GetPartRects().thumb.top, 15);
    Deliver(f_.host, Wheel(-120));
    EXPECT_EQ(bar_.Position(), 5);
    EXPECT_EQ(bar_.GetPartRects().thumb.top, 15);

    // A thumb that fills its run: dragging it changes nothing.
    bar_.SetRange(1, 100);
    bar_.SetThumbLength(170);
    bar_.Position(1);
    Reports().clear();
    Deliver(f_.host, Down(8, 30));
    Deliver(f_.host, Move(8, 120));
    EXPECT_EQ(bar_.Position(), 1);
    EXPECT_EQ(bar_.GetPartRects().thumb.top, 15);
    Deliver(f_.host, Up(8, 120));
}

TEST_F(ScrollBarTest, TrackThumbAndArrowPixels)
{
    const COLORREF savedTheme = g_themeColour;
    g_themeColour = 0x2060C0;  // red C0, green 60, blue 20
    ScrollBarOptions options;
    options.backColour = 0;  // no fill: the track lies straight over what is behind
    ScrollBarRecord* bar = StandAlone(options);
    ASSERT_NE(bar, nullptr);
    auto draw = [&](int hover) {
        auto canvas = std::make_unique<TestCanvas>(17, 200, 0x808080);
        bar->hoverPart = hover;
        GdipGraphics g;
        g.CreateFromHDC(canvas->Dc());
        DrawScrollBarParts(g, *bar);
        return canvas;
    };
    const auto plain = draw(kScrollHitNone);
    EXPECT_TRUE(RgbNear(plain->Rgb(0, 100), Blend(0x808080, 0xC06020, 40), 8));
    EXPECT_TRUE(RgbNear(plain->Rgb(16, 100), 0xFFFFFF, 12));

    const auto thumbHovered = draw(kScrollHitThumb);
    const RECT thumb = {2, 17, 15, 43}, up = {2, 2, 15, 13};
    EXPECT_GT(CountChanged(*plain, *thumbHovered, thumb), 200);
    EXPECT_EQ(CountChanged(*plain, *thumbHovered, up), 0);
    const auto upHovered = draw(kScrollHitUp);
    EXPECT_GT(CountChanged(*plain, *upHovered, up), 80);
    EXPECT_EQ(CountChanged(*plain, *upHovered, thumb), 0);
    // The glyph: an opaque dark triangle 7 x 4 in the middle of the arrow.
    EXPECT_LT(GreenOf(plain->Rgb(8, 5)), 0x20);
    EXPECT_LT(GreenOf(plain->Rgb(5, 8)), 0x20);
    EXPECT_GT(GreenOf(plain->Rgb(5, 5)), 0x60);
    bar->hoverPart = kScrollHitNone;

    // On the window: moves within the track paint nothing, onto the thumb they repaint it hovered.
    Deliver(f_.host, Move(8, 100));
    ASSERT_NE(bar->targetDC, nullptr);
    const uint32_t thumbBefore = PixelRgb(bar->targetDC, 3, 30);
    bar->dirty = true;  // a paint would clear it
    Deliver(f_.host, Move(8, 120));
    EXPECT_TRUE(bar->dirty);
    Deliver(f_.host, Move(8, 30));
    EXPECT_FALSE(bar->dirty);
    EXPECT_EQ(bar->hoverPart, kScrollHitThumb);
    EXPECT_FALSE(RgbNear(PixelRgb(bar->targetDC, 3, 30), thumbBefore, 3));
    g_themeColour = savedTheme;
}
