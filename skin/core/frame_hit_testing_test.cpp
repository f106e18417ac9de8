// The painted frame's mouse behaviour: caption strip, caption buttons, border zones, dragging and
// resizing, the status band and the maximised size.
#include <gtest/gtest.h>

#include "skin/core/form_skinning.h"
#include "skin/core/frame_hit_testing.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

constexpr RECT kClient = {0, 0, 400, 300};

// A 400 x 300 form with minimise, maximise and close: strip x 306, buttons at 308, 335, 362.
int SkinBoxedForm(HWND window, const SkinFormOptions& options = SkinFormOptions())
{
    SkinForm(window, options);
    return FindSkinnedWindow(window);
}

// Removes the keys a test queued for a modal loop that did not run.
void DrainKeys(HWND window)
{
    MSG msg;
    while (PeekMessageA(&msg, window, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

}  // namespace

TEST(FrameHitTestingTest, CaptionStripAndButtons)
{
    ScopedWindow window(CreateFrameForm(10, 10, 400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const int n = SkinBoxedForm(window);
    // One pixel left of the strip counts for the hover timer, not for a hit.
    EXPECT_TRUE(IsPointInCaptionStrip(n, At(305, 5)));
    EXPECT_TRUE(IsPointInCaptionStrip(n, At(304, 0)));
    EXPECT_FALSE(IsPointInCaptionStrip(n, At(303, 5)));
    EXPECT_TRUE(IsPointInCaptionStrip(n, At(401, 22)));
    EXPECT_FALSE(IsPointInCaptionStrip(n, At(350, 23)));
    EXPECT_FALSE(IsPointInCaptionStrip(n, At(350, -1)));

    struct Case {
        int x, y, button;
    } cases[] = {
        {305, 5, 0},  {309, 5, 1}, {308, 5, 0} /* on the edge */, {333, 18, 1}, {334, 5, 0},
        {336, 10, 2}, {361, 10, 0}, {363, 10, 3}, {401, 10, 3}, {402, 10, 0}, {320, 1, 0},
        {320, 19, 0}, {320, 23, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitTestCaptionButtons(n, c.x, c.y), c.button) << c.x << "," << c.y;
    EXPECT_EQ(FindMaximizeButton(n), 2);

    ScopedWindow fixed(CreateFrameForm(10, 10, 400, 300, WS_MINIMIZEBOX));
    EXPECT_EQ(FindMaximizeButton(SkinBoxedForm(fixed)), 0);
}

TEST(FrameHitTestingTest, BorderZones)
{
    struct Case {
        int x, y, zone;
        WPARAM command;
        LPCSTR cursor;
    } cases[] = {
        {0, 150, 1, SC_SIZE + WMSZ_LEFT, IDC_SIZEWE},      {3, 11, 1, SC_SIZE + WMSZ_LEFT, IDC_SIZEWE},
        {397, 150, 2, SC_SIZE + WMSZ_RIGHT, IDC_SIZEWE},   {200, 3, 3, SC_SIZE + WMSZ_TOP, IDC_SIZENS},
        {200, 297, 4, SC_SIZE + WMSZ_BOTTOM, IDC_SIZENS},  {10, 10, 5, SC_SIZE + WMSZ_TOPLEFT, IDC_SIZENWSE},
        {390, 0, 6, SC_SIZE + WMSZ_TOPRIGHT, IDC_SIZENESW}, {0, 290, 7, SC_SIZE + WMSZ_BOTTOMLEFT, IDC_SIZENESW},
        {399, 299, 8, SC_SIZE + WMSZ_BOTTOMRIGHT, IDC_SIZENWSE},
        {4, 150, 0, 0, nullptr}, {200, 4, 0, 0, nullptr}, {396, 150, 0, 0, nullptr}, {200, 150, 0, 0, nullptr},
        {11, 11, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        const int zone = FindBorderZone(c.x, c.y, kClient, 3);
        EXPECT_EQ(zone, c.zone);
        EXPECT_EQ(BorderZoneCommand(zone), c.command);
        EXPECT_EQ(BorderZoneCursor(zone), c.cursor);
    }
}

TEST(FrameHitTestingTest, ResizeCursorOnlyOnResizableForms)
{
    ScopedWindow window(CreateFrameForm(10, 10, 400, 300));
    const int n = SkinBoxedForm(window);
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    UpdateResizeCursor(n, At(200, 150), kClient);
    EXPECT_EQ(GetCursor(), arrow);
    UpdateResizeCursor(n, At(0, 150), kClient);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));

    ScopedWindow fixed(CreateFrameForm(10, 10, 400, 300));
    SkinFormOptions options;
    options.resizable = 0;
    const int m = SkinBoxedForm(fixed, options);
    SetCursor(arrow);
    UpdateResizeCursor(m, At(0, 150), kClient);
    EXPECT_EQ(GetCursor(), arrow);
}

TEST(FrameHitTestingTest, PressesDragOrResizeThroughTheModalLoops)
{
    struct Case {
        const char* what;
        int resizable, frame;
        int x, y;
        UINT message;  // 0: nothing is sent
        WPARAM wParam;
    } cases[] = {
        {"caption drags", 1, 1, 100, 10, WM_NCLBUTTONDOWN, HTCAPTION},
        {"on the caption buttons: nothing", 1, 1, 320, 5, 0, 0},
        {"y 2 over the strip falls to the top edge", 1, 1, 320, 2, WM_SYSCOMMAND, SC_SIZE + WMSZ_TOP},
        {"right edge resizes", 1, 1, 398, 150, WM_SYSCOMMAND, SC_SIZE + WMSZ_RIGHT},
        {"bottom-right corner", 1, 1, 399, 299, WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT},
        {"caption at x 3 resizes from the left", 1, 1, 3, 15, WM_SYSCOMMAND, SC_SIZE + WMSZ_LEFT},
        {"caption at y 3, x 5: top-left corner", 1, 1, 5, 3, WM_SYSCOMMAND, SC_SIZE + WMSZ_TOPLEFT},
        {"not resizable: the caption still drags", 0, 1, 100, 10, WM_NCLBUTTONDOWN, HTCAPTION},
        {"not resizable: the edges do nothing", 0, 1, 398, 150, 0, 0},
        {"not resizable: caption corner does nothing", 0, 1, 3, 15, 0, 0},
        {"no frame behaviour: nothing", 1, 0, 100, 10, 0, 0},
        {"the body does nothing", 1, 1, 200, 150, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedWindow window(CreateFrameForm(100, 100, 400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        SkinFormOptions options;
        options.resizable = c.resizable;
        options.frameEnabled = c.frame;
        const int n = SkinBoxedForm(window, options);
        UpdateWindow(window);
        FormRecord(n).needsFullRepaint = false;
        // Return ends the modal move or size loop the press starts.
        PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
        FormMessages().clear();
        BeginBorderDrag(n, At(c.x, c.y), kClient);
        DrainKeys(window);
        const int drags = CountFormMessages(window, WM_NCLBUTTONDOWN);
        int sizes = 0;
        WPARAM command = 0;
        for (const FormMessage& m : FormMessages()) {
            if (m.window == window.get() && m.message == WM_SYSCOMMAND && (m.wParam & 0xFFF0) == SC_SIZE) {
                ++sizes;
                command = m.wParam;
            }
        }
        if (c.message == WM_NCLBUTTONDOWN) {
            EXPECT_EQ(drags, 1);
            EXPECT_EQ(sizes, 0);
        } else if (c.message == WM_SYSCOMMAND) {
            EXPECT_EQ(drags, 0);
            EXPECT_EQ(command, c.wParam);
            EXPECT_TRUE(FormRecord(n).needsFullRepaint) << "a resize marks the frame dirty";
        } else {
            EXPECT_EQ(drags + sizes, 0);
        }
    }
}

TEST(FrameHitTestingTest, StatusBandSegments)
{
    ScopedWindow window(CreateFrameForm(10, 10, 400, 300));
    SkinFormOptions options;
    options.statusHeight = 20;
    std::vector<StatusBandSegment> segments(2);
    segments[0].width = 100;
    segments[1].width = -1;
    options.statusSegments = segments;
    const int n = SkinBoxedForm(window, options);
    // Band (3, 276, 394, 20); segments at x 3 (100 wide) and 103 (294 wide).
    struct Case {
        int x, y, segment;
    } cases[] = {
        {50, 286, 1}, {3, 286, 0} /* band edge, segment edge */, {103, 286, 0}, {104, 286, 2}, {396, 286, 2},
        {50, 276, 0}, {50, 275, 0}, {50, 297, 0}, {398, 286, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPointInStatusBand(n, c.x, c.y), c.segment) << c.x << "," << c.y;

    ScopedWindow bare(CreateFrameForm(10, 10, 400, 300));
    EXPECT_EQ(IsPointInStatusBand(SkinBoxedForm(bare), 50, 290), 0);
}

TEST(FrameHitTestingTest, MaximisedSizeLeavesTheTaskbarFree)
{
    struct Case {
        const char* what;
        RECT taskbar;
        bool visible, forMinMaxInfo;
        SIZE size;
    } cases[] = {
        {"40 pixels at the bottom", {0, 728, 1024, 768}, true, false, {1024, 728}},
        {"auto-hidden at the bottom", {0, 766, 1024, 806}, true, false, {1024, 768}},
        {"pushed above the screen", {0, -40, 1024, 0}, true, false, {1024, 768}},
        {"60 pixels at the left", {0, 0, 60, 768}, true, true, {964, 768}},
        {"hidden at the left, for WM_GETMINMAXINFO", {0, 0, 60, 768}, false, true, {1024, 768}},
        {"hidden at the left, for a stretched form", {0, 0, 60, 768}, false, false, {964, 768}},
        {"none", {0, 0, 0, 0}, false, true, {1024, 768}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SIZE size = MaximizedSizeFor(c.taskbar, c.visible, 1024, 768, c.forMinMaxInfo);
        EXPECT_EQ(size.cx, c.size.cx);
        EXPECT_EQ(size.cy, c.size.cy);
    }
    // Wine's desktop has a taskbar window with an empty rectangle, on a 1024 x 768 virtual desktop.
    for (bool forMinMaxInfo : {true, false}) {
        const SIZE wine = MaximizedFormSize(forMinMaxInfo);
        EXPECT_EQ(wine.cx, 1024);
        EXPECT_EQ(wine.cy, 768);
    }
}
