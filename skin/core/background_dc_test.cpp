// What lies behind a control, publishing control images into the back buffer, and child clipping.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

constexpr uint32_t kGrey = 0xC0C0C0;
constexpr COLORREF kGreyRef = RGB(0xC0, 0xC0, 0xC0);
constexpr uint32_t kRed = 0xFF0000;

// A skinned 300 x 200 form at (100, 100) with the pattern in its frame context.
class SkinBackgroundTest : public testing::Test {
protected:
    void SetUp() override
    {
        form_ = CreateTestForm(100, 100, 300, 200);
        n_ = SkinTestForm(form_);
        PaintTestFrame(n_);
        dcsBefore_ = MemoryDcCount();
    }
    void TearDown() override
    {
        EXPECT_EQ(MemoryDcCount(), dcsBefore_) << "every context a test made is released";
        DestroyWindow(form_);
    }

    // Each pixel of the context against the frame at (ox + x, oy + y), or the expectation given.
    template <class Expect>
    void ExpectPixels(HDC dc, int width, int height, Expect expected)
    {
        int wrong = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                uint32_t want = expected(x, y);
                uint32_t got = PixelRgb(dc, x, y);
                if (!RgbNear(got, want) && ++wrong <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") " << std::hex << got << " not " << want;
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    HWND form_ = nullptr;
    int n_ = 0;
    int dcsBefore_ = 0;
};

}  // namespace

TEST_F(SkinBackgroundTest, ControlStraightOnTheFormGetsItsPatchOfTheFrame)
{
    HWND control = CreateTestChild(form_, "Static", 10, 40, 80, 24);
    RECT area = {};
    GetClientRect(control, &area);
    HDC dc = CreateBackgroundDC(control, area);
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(IsMemoryDcRegistered(dc));
    BITMAP info = {};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 80);
    EXPECT_EQ(info.bmHeight, 24);
    ExpectPixels(dc, 80, 24, [](int x, int y) { return PatternColour(10 + x, 40 + y); });
    ReleaseMemoryDC(dc);
}

TEST_F(SkinBackgroundTest, GroupBoxFillSparesItsCaptionRowsAndCorners)
{
    HWND box = CreateTestChild(form_, "Button", 20, 30, 100, 60, BS_GROUPBOX);
    RegisterTestContainer(n_, box, kGreyRef, 128, kContainerKindGroupBox);
    HDC dc = CreateBackgroundDC(box, RECT{0, 0, 100, 60});
    ASSERT_NE(dc, nullptr);
    auto frame = [](int x, int y) { return PatternColour(20 + x, 30 + y); };
    auto filled = [&](int x, int y) { return Blend(frame(x, y), kGrey, 128); };
    struct Probe {
        int x, y;
        bool fill;
    } probes[] = {
        {50, 0, false}, {50, 4, false},  {50, 5, true},  {50, 30, true}, {50, 58, true},
        {50, 59, false}, {0, 5, false},  {99, 5, false}, {0, 58, false}, {2, 30, true},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(testing::Message() << "(" << p.x << ", " << p.y << ")");
        uint32_t want = p.fill ? filled(p.x, p.y) : frame(p.x, p.y);
        EXPECT_TRUE(RgbNear(PixelRgb(dc, p.x, p.y), want)) << std::hex << PixelRgb(dc, p.x, p.y) << " not " << want;
    }
    ReleaseMemoryDC(dc);
}

TEST_F(SkinBackgroundTest, FillColourZeroMeansNoFill)
{
    HWND box = CreateTestChild(form_, "Button", 20, 30, 60, 40, BS_GROUPBOX);
    RegisterTestContainer(n_, box, 0, 255, kContainerKindGroupBox);
    HWND inside = CreateTestChild(box, "Static", 10, 15, 30, 10);
    for (HWND window : {box, inside}) {
        RECT area = {};
        GetClientRect(window, &area);
        RECT place = {};
        GetWindowRect(window, &place);
        HDC dc = CreateBackgroundDC(window, area);
        ASSERT_NE(dc, nullptr);
        ExpectPixels(dc, area.right, area.bottom,
                     [&](int x, int y) { return PatternColour(place.left - 100 + x, place.top - 100 + y); });
        ReleaseMemoryDC(dc);
    }
}

TEST_F(SkinBackgroundTest, ControlsInsideAFilledContainerTakeItsFill)
{
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    HWND tab = CreateTestChild(form_, WC_TABCONTROLA, 10, 10, 200, 150, TCS_FIXEDWIDTH);
    SendMessageA(tab, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20));
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    char text[] = "page";
    item.pszText = text;
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    RegisterTestContainer(n_, tab, RGB(0, 0, 0xFF), 255, kContainerKindTabControl);
    HWND box = CreateTestChild(tab, "Button", 20, 40, 100, 60, BS_GROUPBOX);
    RegisterTestContainer(n_, box, kGreyRef, 255, kContainerKindGroupBox);
    HWND button = CreateTestChild(box, "Button", 10, 20, 40, 20);

    SCOPED_TRACE("the tab control fills only its page");
    HDC tabDc = CreateBackgroundDC(tab, RECT{0, 0, 200, 150});
    EXPECT_TRUE(RgbNear(PixelRgb(tabDc, 100, 5), PatternColour(110, 15))) << "tab row";
    EXPECT_TRUE(RgbNear(PixelRgb(tabDc, 100, 80), 0x0000FF)) << "page";
    ReleaseMemoryDC(tabDc);

    SCOPED_TRACE("a group box on the page: the page's colour outside its frame, its own inside");
    HDC boxDc = CreateBackgroundDC(box, RECT{0, 0, 100, 60});
    EXPECT_TRUE(RgbNear(PixelRgb(boxDc, 50, 2), 0x0000FF));
    EXPECT_TRUE(RgbNear(PixelRgb(boxDc, 0, 5), 0x0000FF));
    EXPECT_TRUE(RgbNear(PixelRgb(boxDc, 50, 30), kGrey));
    ReleaseMemoryDC(boxDc);

    SCOPED_TRACE("a button in the group box: the box's fill over its whole area");
    HDC buttonDc = CreateBackgroundDC(button, RECT{0, 0, 40, 20});
    ExpectPixels(buttonDc, 40, 20, [](int, int) { return kGrey; });
    ReleaseMemoryDC(buttonDc);
}

TEST_F(SkinBackgroundTest, ControlOnAHostingDrawingBoardTakesTheBoardsBackground)
{
    HWND board = CreateTestChild(form_, "Static", 50, 20, 200, 150);
    HDC boardBackground = CreateMemoryDC(200, 150);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x)
            SetPixelV(boardBackground, x, y, RGB(y, 0x33, x));
    SetWindowProp(board, kPropCanvasHostsChildren, 1);
    SetWindowProp(board, kPropCanvasBackgroundDc, reinterpret_cast<LONG_PTR>(boardBackground));
    HWND button = CreateTestChild(board, "Button", 30, 40, 50, 20);

    HDC dc = CreateBackgroundDC(button, RECT{0, 0, 50, 20});
    ASSERT_NE(dc, nullptr);
    ExpectPixels(dc, 50, 20, [](int x, int y) { return (static_cast<uint32_t>(40 + y) << 16) | 0x3300u | (30 + x); });
    ReleaseMemoryDC(dc);

    SCOPED_TRACE("the board itself takes the form's frame");
    HDC own = CreateBackgroundDC(board, RECT{0, 0, 200, 150});
    ExpectPixels(own, 200, 150, [](int x, int y) { return PatternColour(50 + x, 20 + y); });
    ReleaseMemoryDC(own);
    ReleaseMemoryDC(boardBackground);
}

TEST_F(SkinBackgroundTest, WindowOutsideEveryFormGetsNothing)
{
    ScopedWindow plain(CreateTestForm(0, 0, 100, 100));
    HWND control = CreateTestChild(plain, "Static", 5, 5, 40, 20);
    EXPECT_EQ(CreateBackgroundDC(control, RECT{0, 0, 40, 20}), nullptr);
    EXPECT_EQ(MemoryDcCount(), dcsBefore_);
    EXPECT_EQ(MakeVeiledBackgroundBitmap(control), nullptr);
}

TEST_F(SkinBackgroundTest, PublishingLeavesTheBackBufferUnderVisibleChildren)
{
    HWND control = CreateTestChild(form_, "Static", 10, 40, 80, 40);
    RegisterTestContainer(n_, control, 0, 255, kContainerKindOther);
    CreateTestChild(control, "Static", 5, 5, 20, 10);
    HWND hidden = CreateTestChild(control, "Static", 40, 5, 20, 10);
    ShowWindow(hidden, SW_HIDE);
    HDC image = CreateMemoryDC(80, 40);
    HBRUSH red = CreateSolidBrush(RGB(0xFF, 0, 0));
    RECT all = {0, 0, 80, 40};
    FillRect(image, &all, red);
    DeleteObject(red);

    BlitToControl(control, image);
    HDC back = FormRecord(n_).backBufferDc;
    EXPECT_EQ(PixelRgb(back, 12, 42), kRed);
    EXPECT_EQ(PixelRgb(back, 89, 79), kRed);
    EXPECT_EQ(PixelRgb(back, 15, 45), PatternColour(15, 45)) << "under the visible child";
    EXPECT_EQ(PixelRgb(back, 34, 54), PatternColour(34, 54));
    EXPECT_EQ(PixelRgb(back, 50, 45), kRed) << "a hidden child is drawn over";
    EXPECT_EQ(PixelRgb(back, 90, 45), PatternColour(90, 45)) << "outside the control";
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(back, clip), 0) << "the back buffer's clip is cleared";
    DeleteObject(clip);
    ReleaseMemoryDC(image);

    SCOPED_TRACE("copying back into a context the caller keeps");
    HDC target = CreateMemoryDC(80, 40);
    HBRUSH green = CreateSolidBrush(RGB(0, 0xFF, 0));
    FillRect(target, &all, green);
    DeleteObject(green);
    BlitFormBackground(control, false, false, target);
    EXPECT_EQ(GetObjectType(target), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(PixelRgb(target, 2, 2), kRed);
    EXPECT_EQ(PixelRgb(target, 10, 10), 0x00FF00u) << "the child is clipped out";
    ReleaseMemoryDC(target);
}

TEST_F(SkinBackgroundTest, ChildRectanglesAreClampedToTheKnownSize)
{
    CreateTestChild(form_, "Static", -10, 10, 30, 20);
    CreateTestChild(form_, "Static", 250, 50, 100, 20);
    HDC dc = CreateMemoryDC(400, 100);
    ExcludeChildrenFromClip(form_, dc);
    HBRUSH red = CreateSolidBrush(RGB(0xFF, 0, 0));
    RECT all = {0, 0, 400, 100};
    FillRect(dc, &all, red);
    EXPECT_NE(PixelRgb(dc, 0, 15), kRed) << "left part starts at 0";
    EXPECT_EQ(PixelRgb(dc, 20, 15), kRed);
    EXPECT_NE(PixelRgb(dc, 299, 55), kRed);
    EXPECT_EQ(PixelRgb(dc, 320, 55), kRed) << "cut at the form's client width";

    SCOPED_TRACE("a skinned control that is no container has no known size: nothing is excluded");
    HWND list = CreateTestChild(form_, "Static", 10, 60, 100, 30);
    SetWindowProp(list, kPropHwFormNumber, n_);
    CreateTestChild(list, "Static", 0, 0, 100, 10);
    SelectClipRgn(dc, nullptr);
    ExcludeChildrenFromClip(list, dc);
    RECT clip = {};
    EXPECT_EQ(GetClipBox(dc, &clip), SIMPLEREGION);
    EXPECT_EQ(clip.right, 400);
    EXPECT_EQ(clip.bottom, 100);
    DeleteObject(red);
    ReleaseMemoryDC(dc);
}

TEST_F(SkinBackgroundTest, VeiledBackgroundOfAnEditBox)
{
    HWND edit = CreateTestChild(form_, "Edit", 30, 50, 100, 30, 0, WS_EX_CLIENTEDGE);
    HBITMAP veiled = MakeVeiledBackgroundBitmap(edit);
    ASSERT_NE(veiled, nullptr);
    EXPECT_EQ(MemoryDcCount(), dcsBefore_);
    BITMAP info = {};
    GetObjectA(veiled, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 96);
    EXPECT_EQ(info.bmHeight, 26);
    HDC reader = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(reader, veiled);
    EXPECT_TRUE(RgbNear(PixelRgb(reader, 4, 6), Blend(PatternColour(36, 58), 0xFFFFFF, 160)));
    SelectObject(reader, old);
    DeleteDC(reader);
    DeleteObject(veiled);
}

TEST_F(SkinBackgroundTest, ContainerInsideAHostingBoardLaysItsFillOverTheBoard)
{
    HWND board = CreateTestChild(form_, "Static", 20, 20, 240, 160);
    HDC boardBackground = CreateMemoryDC(240, 160);
    RECT all = {0, 0, 240, 160};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(boardBackground, &all, blue);
    DeleteObject(blue);
    SetWindowProp(board, kPropCanvasHostsChildren, 1);
    SetWindowProp(board, kPropCanvasBackgroundDc, reinterpret_cast<LONG_PTR>(boardBackground));
    HWND box = CreateTestChild(board, "Static", 10, 10, 200, 120);
    RegisterTestContainer(n_, box, RGB(255, 0, 0), 128, kContainerKindOther);
    SetWindowProp(box, kPropHostCanvas, reinterpret_cast<LONG_PTR>(board));
    HWND control = CreateTestChild(box, "Button", 20, 20, 40, 20);

    // A control in the container: the board's picture under the container's fill.
    const uint32_t blended = Blend(0x0000FF, kRed, 128);
    HDC dc = CreateBackgroundDC(control, RECT{0, 0, 40, 20});
    ASSERT_NE(dc, nullptr);
    ExpectPixels(dc, 40, 20, [blended](int, int) { return blended; });
    ReleaseMemoryDC(dc);
    // The container itself: the same.
    HDC own = CreateBackgroundDC(box, RECT{0, 0, 200, 120});
    ExpectPixels(own, 200, 120, [blended](int, int) { return blended; });
    ReleaseMemoryDC(own);
    ReleaseMemoryDC(boardBackground);
}

TEST_F(SkinBackgroundTest, ChildWalksOfTheDrawingCore)
{
    HWND unskinned = CreateTestChild(form_, "Static", 10, 10, 40, 30);
    HWND skinned = CreateTestChild(form_, "Button", 60, 10, 40, 30);
    RegisterTestButton(n_, skinned);
    HWND hidden = CreateTestChild(form_, "Static", 110, 10, 40, 30);
    ShowWindow(hidden, SW_HIDE);
    UpdateWindow(form_);
    for (HWND w : {unskinned, skinned, hidden})
        UpdateWindow(w);

    SCOPED_TRACE("only the unskinned visible children are clipped out");
    HDC dc = ExcludeUnskinnedChildrenFromClip(form_);
    EXPECT_FALSE(PtVisible(dc, 20, 20));
    EXPECT_TRUE(PtVisible(dc, 70, 20));
    EXPECT_TRUE(PtVisible(dc, 120, 20)) << "a hidden child is not clipped";
    EXPECT_TRUE(PtVisible(dc, 200, 100));
    ReleaseDC(form_, dc);

    SCOPED_TRACE("the back buffer goes onto the form around the unskinned children");
    RECT all = {0, 0, 300, 200};
    HDC screen = GetDC(form_);
    FillRect(screen, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(form_, screen);
    BlitFormBackground(form_, false, true);
    screen = GetDC(form_);
    EXPECT_EQ(PixelRgb(screen, 20, 20), 0u) << "under the unskinned child";
    EXPECT_EQ(PixelRgb(screen, 70, 20), PatternColour(70, 20)) << "under the skinned child";
    EXPECT_EQ(PixelRgb(screen, 200, 150), PatternColour(200, 150));
    ReleaseDC(form_, screen);

    SCOPED_TRACE("visible children are invalidated, hidden ones are not");
    InvalidateVisibleChildren(form_);
    RECT r;
    EXPECT_TRUE(GetUpdateRect(unskinned, &r, FALSE));
    EXPECT_TRUE(GetUpdateRect(skinned, &r, FALSE));
    EXPECT_FALSE(GetUpdateRect(hidden, &r, FALSE));
}
