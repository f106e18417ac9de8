// Track bars and progress bars: their looks from snapshots drawn into a plain memory context, their
// registration, and what their procedures keep from the native code and the hover.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/button_family.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/progress_family.h"
#include "skin/controls/trackbar_family.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

constexpr uint32_t kGreyBackground = 0x808080;

template <class Snapshot, class DrawFace>
std::unique_ptr<TestCanvas> Draw(const Snapshot& snapshot, DrawFace draw)
{
    auto canvas = std::make_unique<TestCanvas>(snapshot.width, snapshot.height, kGreyBackground);
    DrawLikeAPainter(*canvas, [&](HDC, GdipGraphics& graphics) { draw(graphics, snapshot); });
    return canvas;
}

std::unique_ptr<TestCanvas> DrawBar(const TrackbarSnapshot& bar)
{
    return Draw(bar, DrawTrackbarFace);
}

std::unique_ptr<TestCanvas> DrawProgress(const ProgressSnapshot& bar)
{
    return Draw(bar, DrawProgressFace);
}

bool Bluish(uint32_t rgb)
{
    return BlueOf(rgb) > RedOf(rgb) + 20;
}

// The first row, from the top, whose pixel in the column differs from the background.
int TopmostTouched(const TestCanvas& canvas, int x)
{
    for (int y = 0; y < canvas.Height(); ++y)
        if (canvas.Rgb(x, y) != kGreyBackground)
            return y;
    return -1;
}

int TouchedInRow(const TestCanvas& canvas, int y, int from, int to)
{
    int n = 0;
    for (int x = from; x <= to; ++x)
        n += canvas.Rgb(x, y) != kGreyBackground;
    return n;
}

// A 200 x 30 bar whose channel is (8, 12)-(192, 16), thumb at x 50, position 40 of 100, no frame.
TrackbarSnapshot PlainBar()
{
    TrackbarSnapshot bar;
    bar.width = 200;
    bar.height = 30;
    bar.channel = RECT{8, 12, 192, 16};
    bar.thumb = RECT{50, 4, 61, 26};
    bar.position = 40;
    bar.maximum = 100;
    bar.frameEffect = false;
    return bar;
}

class BarsTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitCommonControls();
        NativeMessages().clear();
        g_themeColour = 0xFF0000;  // blue
        g_trackbarEffect = true;
    }
    void TearDown() override { g_themeColour = kStartThemeColour; }
};

}  // namespace

TEST_F(BarsTest, TrackbarLooks)
{
    const TrackbarSnapshot plain = PlainBar();
    auto image = DrawBar(plain);
    constexpr int c0 = 12;
    EXPECT_NE(image->Rgb(100, c0 + 1), kGreyBackground) << "channel";
    EXPECT_EQ(image->Rgb(100, c0 - 1), kGreyBackground) << "nothing above the channel away from the thumb";
    EXPECT_TRUE(Bluish(image->Rgb(30, c0 + 1))) << "filled line up to the thumb";
    EXPECT_FALSE(Bluish(image->Rgb(100, c0 + 1))) << "no line past the thumb";
    EXPECT_EQ(image->Rgb(100, 1), kGreyBackground) << "no frame with the effect off";

    SCOPED_TRACE("frame effect: a gradient from top to bottom");
    TrackbarSnapshot framed = plain;
    framed.frameEffect = true;
    auto withFrame = DrawBar(framed);
    EXPECT_GT(RedOf(withFrame->Rgb(100, 2)), RedOf(withFrame->Rgb(100, 27)) + 20);

    SCOPED_TRACE("thumb 11 while hot, 6 otherwise; ticks move only the hot one");
    TrackbarSnapshot hot = plain;
    hot.hot = true;
    EXPECT_GE(TouchedInRow(*DrawBar(hot), c0 - 3, 45, 70), 5);
    EXPECT_EQ(TouchedInRow(*image, c0 - 3, 45, 70), 0);
    const int column = 50 + 5;
    std::vector<int> hotTops, smallTops;
    for (int mode : {kTickModeTopOrLeft, kTickModeBottomOrRight, kTickModeBoth, kTickModeNone}) {
        TrackbarSnapshot bar = plain;
        bar.tickMode = mode;
        smallTops.push_back(TopmostTouched(*DrawBar(bar), column));
        bar.hot = true;
        hotTops.push_back(TopmostTouched(*DrawBar(bar), column));
    }
    EXPECT_EQ(hotTops[1], c0 - 4);
    EXPECT_EQ(hotTops[0], hotTops[1] + 2) << "ticks on top";
    EXPECT_EQ(hotTops[2], hotTops[1] + 1) << "ticks on both sides";
    EXPECT_EQ(hotTops[3], hotTops[1]);
    EXPECT_EQ(smallTops, std::vector<int>(4, smallTops[0]));
    EXPECT_GT(smallTops[0], hotTops[1]);

    SCOPED_TRACE("at the maximum the line runs 10 further and the small thumb 8");
    TrackbarSnapshot atMax = plain;
    atMax.thumb = RECT{170, 4, 181, 26};
    atMax.position = 100;
    TrackbarSnapshot nearMax = atMax;
    nearMax.position = 99;
    EXPECT_TRUE(Bluish(DrawBar(atMax)->Rgb(175, c0 + 1)));
    EXPECT_FALSE(Bluish(DrawBar(nearMax)->Rgb(175, c0 + 1)));
    EXPECT_EQ(TopmostTouched(*DrawBar(nearMax), 171), TopmostTouched(*DrawBar(atMax), 179));
}

TEST_F(BarsTest, TrackbarSelectionChannelAndVerticalBars)
{
    TrackbarSnapshot bar = PlainBar();
    bar.channel = RECT{8, 10, 192, 22};
    bar.thumb = RECT{8, 4, 19, 26};  // at the start: no filled line
    bar.position = 0;
    bar.selectionStart = 20;
    bar.selectionEnd = 80;
    auto wide = DrawBar(bar);
    EXPECT_NE(wide->Rgb(100, 11), kGreyBackground) << "the reported channel without a selection range";
    bar.selectionRange = true;
    auto selected = DrawBar(bar);
    for (int y : {10, 11, 12, 13})
        EXPECT_EQ(selected->Rgb(100, y), kGreyBackground) << "a 4-pixel channel from row 14, not " << y;
    EXPECT_NE(selected->Rgb(100, 14), kGreyBackground);
    EXPECT_GT(RedOf(selected->Rgb(100, 15)), 0xB0) << "white selection line";
    EXPECT_LT(RedOf(selected->Rgb(160, 15)), 0x80) << "ends after the selection";
    // Without a positive maximum there is nothing to scale the selection by.
    for (float maximum : {0.0f, -5.0f}) {
        bar.maximum = maximum;
        EXPECT_LT(RedOf(DrawBar(bar)->Rgb(100, 15)), 0x80) << maximum;
    }

    SCOPED_TRACE("vertical: the channel rectangle is read transposed");
    TrackbarSnapshot vertical;
    vertical.width = 30;
    vertical.height = 200;
    vertical.vertical = true;
    vertical.channel = RECT{8, 12, 192, 16};
    vertical.thumb = RECT{4, 50, 26, 61};
    vertical.position = 40;
    vertical.maximum = 100;
    vertical.frameEffect = true;
    auto image = DrawBar(vertical);
    EXPECT_TRUE(Bluish(image->Rgb(13, 30))) << "filled line down to the thumb";
    EXPECT_FALSE(Bluish(image->Rgb(13, 100)));
    EXPECT_GT(RedOf(image->Rgb(2, 150)), RedOf(image->Rgb(27, 150)) + 20) << "frame gradient left to right";
}

TEST_F(BarsTest, ProgressLooks)
{
    ProgressSnapshot full;
    full.width = 200;
    full.height = 20;
    full.position = 100;
    auto image = DrawProgress(full);
    EXPECT_TRUE(Bluish(image->Rgb(100, 10)));
    EXPECT_TRUE(Bluish(image->Rgb(198, 10))) << "the bar's path is (1, 1, 197, h - 3)";
    EXPECT_FALSE(Bluish(image->Rgb(199, 10)));
    EXPECT_TRUE(Bluish(image->Rgb(100, 18)));
    EXPECT_FALSE(Bluish(image->Rgb(100, 19)));
    EXPECT_GT(BlueOf(image->Rgb(100, 15)) - RedOf(image->Rgb(100, 15)),
              BlueOf(image->Rgb(100, 3)) - RedOf(image->Rgb(100, 3)))
        << "white above, theme below";

    ProgressSnapshot shifted = full;
    shifted.low = 50;
    shifted.high = 150;
    EXPECT_TRUE(SameImage(*DrawProgress(shifted), *image)) << "position 100 of 50..150 is a full bar";

    ProgressSnapshot empty = full;
    empty.position = 0;
    auto trough = DrawProgress(empty);
    EXPECT_FALSE(Bluish(trough->Rgb(100, 10)));
    struct Case {
        const char* what;
        int low, high, position;
    } troughOnly[] = {
        {"an empty range", 50, 50, 50},
        {"a reversed range", 100, 0, 50},
        {"a length that truncates to 0", 0, 1000, 4},
        {"a negative position", 0, 100, -20},
    };
    for (const Case& c : troughOnly) {
        ProgressSnapshot bar = full;
        bar.low = c.low;
        bar.high = c.high;
        bar.position = c.position;
        EXPECT_TRUE(SameImage(*DrawProgress(bar), *trough)) << c.what;
    }

    SCOPED_TRACE("vertical: 30 of 100 grows up from the bottom");
    ProgressSnapshot vertical;
    vertical.width = 20;
    vertical.height = 100;
    vertical.vertical = true;
    vertical.position = 30;
    auto up = DrawProgress(vertical);
    EXPECT_TRUE(Bluish(up->Rgb(10, 71))) << "path (1, 71, w - 3, 27)";
    EXPECT_FALSE(Bluish(up->Rgb(10, 69)));
    EXPECT_TRUE(Bluish(up->Rgb(10, 98)));
    EXPECT_FALSE(Bluish(up->Rgb(10, 99)));
    EXPECT_TRUE(Bluish(up->Rgb(18, 85)));
    EXPECT_FALSE(Bluish(up->Rgb(19, 85)));
    EXPECT_GT(BlueOf(up->Rgb(16, 85)) - RedOf(up->Rgb(16, 85)), BlueOf(up->Rgb(3, 85)) - RedOf(up->Rgb(3, 85)))
        << "white at the left, theme at the right";
}

TEST_F(BarsTest, RegistrationFromTheStyle)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    struct Case {
        DWORD style;
        bool vertical;
        int tickMode;
        bool selection;
    } cases[] = {
        {0, false, kTickModeBottomOrRight, false},
        {TBS_VERT, true, kTickModeBottomOrRight, false},
        {TBS_TOP, false, kTickModeTopOrLeft, false},
        {TBS_BOTH, false, kTickModeBoth, false},
        {TBS_TOP | TBS_BOTH, false, kTickModeTopOrLeft, false},
        {TBS_NOTICKS | TBS_TOP, false, kTickModeNone, false},
        {TBS_ENABLESELRANGE, false, kTickModeBottomOrRight, true},
    };
    std::vector<HWND> bars;
    for (size_t i = 0; i < std::size(cases); ++i)
        bars.push_back(CreateControl(form, TRACKBAR_CLASSA, "", 10, 10 + 30 * static_cast<int>(i), 150, 26,
                                     cases[i].style));
    HWND horizontal = CreateControl(form, PROGRESS_CLASSA, "", 200, 10, 150, 20);
    HWND upright = CreateControl(form, PROGRESS_CLASSA, "", 200, 40, 20, 100, PBS_VERTICAL | PBS_SMOOTH);
    const WNDPROC nativeBar = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(bars[0], GWLP_WNDPROC));
    const int n = ShowSkinnedForm(form);
    for (int run = 0; run < 2; ++run) {
        SkinTrackbars(n, form);
        SkinProgressBars(n, form);
        RunControlInstallers(n, form);
    }
    const SkinFormRecord& record = FormRecord(n);
    ASSERT_EQ(RecordCount(record.trackbars), static_cast<int>(bars.size())) << "one record each after three runs";
    ASSERT_EQ(RecordCount(record.progressBars), 2);
    for (size_t i = 0; i < bars.size(); ++i) {
        SCOPED_TRACE(i);
        const int index = GetWindowPropNumber(bars[i], kPropHwListIndex);
        EXPECT_EQ(index, static_cast<int>(i) + 1);
        const SkinTrackbarRecord& bar = *RecordAt(record.trackbars, index);
        EXPECT_EQ(bar.hwnd, bars[i]);
        EXPECT_EQ(bar.vertical, cases[i].vertical);
        EXPECT_EQ(bar.tickMode, cases[i].tickMode);
        EXPECT_EQ(bar.selectionRange, cases[i].selection);
        EXPECT_EQ(bar.previousProc, nativeBar) << "subclassed once";
        EXPECT_EQ(GetWindowPropHandle<WNDPROC>(bars[i], kPropHwProc), nativeBar);
    }
    EXPECT_FALSE(RecordAt(record.progressBars, GetWindowPropNumber(horizontal, kPropHwListIndex))->vertical);
    EXPECT_TRUE(RecordAt(record.progressBars, GetWindowPropNumber(upright, kPropHwListIndex))->vertical);
    // Still answering, through one subclass.
    SendMessageA(bars[0], TBM_SETPOS, TRUE, 30);
    EXPECT_EQ(SendMessageA(bars[0], TBM_GETPOS, 0, 0), 30);
    SendMessageA(upright, PBM_SETPOS, 30, 0);
    EXPECT_EQ(SendMessageA(upright, PBM_GETPOS, 0, 0), 30);
}

TEST_F(BarsTest, MessagesHoverAndTheBackBuffer)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 200, 0, false));
    HWND push = CreateControl(form, "Button", "推", 10, 10, 80, 24, BS_PUSHBUTTON);
    HWND bar = CreateControl(form, TRACKBAR_CLASSA, "", 10, 50, 200, 30, TBS_NOTICKS);
    HWND progress = CreateControl(form, PROGRESS_CLASSA, "", 10, 100, 200, 20);
    RecordNativeMessages(bar);
    RecordNativeMessages(progress);
    const int n = ShowSkinnedForm(form);
    SkinFormRecord& record = FormRecord(n);
    record.prevHotIndex = 0;  // whatever the real pointer did while the form was shown
    NativeMessages().clear();

    for (HWND w : {bar, progress}) {
        EXPECT_EQ(SendMessageA(w, WM_NCPAINT, 1, 0), 1);
        EXPECT_EQ(CountNative(w, WM_NCPAINT), 0);
        HDC dc = GetDC(w);
        EXPECT_EQ(SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        ReleaseDC(w, dc);
        EXPECT_EQ(CountNative(w, WM_ERASEBKGND), 0);
    }

    SCOPED_TRACE("from push button 1 to track bar 1");
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(record.prevHotIndex, 1);
    ASSERT_EQ(record.hoverKind, 0);
    BlankBackBufferPatch(bar);
    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(PatchIsBlank(bar)) << "same list index, another family: painted hot";
    EXPECT_TRUE(RecordAt(record.trackbars, 1)->hot);
    EXPECT_EQ(record.hoverKind, 2);
    EXPECT_EQ(record.prevHotIndex, 1);
    EXPECT_EQ(CountNative(bar, WM_MOUSEMOVE), 1);
    BlankBackBufferPatch(bar);
    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(9, 5));
    EXPECT_TRUE(PatchIsBlank(bar));
    SendMessageA(bar, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(PatchIsBlank(bar));
    EXPECT_FALSE(RecordAt(record.trackbars, 1)->hot);
    EXPECT_EQ(record.prevHotIndex, 0);

    SCOPED_TRACE("progress bars leave the hover alone");
    record.hoverKind = 4;
    record.prevHotIndex = 3;
    record.hotIndex = 3;
    BlankBackBufferPatch(progress);
    SendMessageA(progress, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(progress, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(PatchIsBlank(progress));
    EXPECT_EQ(record.hoverKind, 4);
    EXPECT_EQ(record.prevHotIndex, 3);
    EXPECT_EQ(record.hotIndex, 3);
    EXPECT_EQ(CountNative(progress, WM_MOUSEMOVE), 1);

    SCOPED_TRACE("a new position reaches the back buffer through the native repaint");
    SendMessageA(progress, PBM_SETPOS, 100, 0);
    UpdateWindow(progress);
    PumpMessages();
    EXPECT_TRUE(Bluish(BackBufferPixel(progress, 100, 10)));
    SendMessageA(progress, PBM_SETPOS, 0, 0);
    UpdateWindow(progress);
    PumpMessages();
    EXPECT_FALSE(Bluish(BackBufferPixel(progress, 100, 10)));
}
