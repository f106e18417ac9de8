// Caption-button and status-band layout, at skinning time and after a size change.
#include <gtest/gtest.h>

#include "skin/core/form_skinning.h"
#include "skin/core/frame_layout.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

struct Box {
    int x, y, width, height;
};

void ExpectRect(const FormRect& r, Box b)
{
    EXPECT_EQ(r.x, b.x);
    EXPECT_EQ(r.y, b.y);
    EXPECT_EQ(r.width, b.width);
    EXPECT_EQ(r.height, b.height);
}

void Resize(HWND window, int width, int height)
{
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

}  // namespace

TEST(FrameLayoutTest, CaptionButtonsSitInTheStripAtTheRightEdge)
{
    ScopedWindow window(CreateFrameForm(10, 10, 400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    const SkinFormRecord& form = FormRecord(n);
    EXPECT_EQ(form.captionStrip.x, 306);
    const float xs[] = {308, 335, 362};
    const float widths[] = {26, 26, 40};
    for (int i = 0; i < 3; ++i) {
        const RectF& r = form.captionButtons[static_cast<size_t>(i)]->rect;
        EXPECT_EQ(r.x, xs[i]);
        EXPECT_EQ(r.y, 1);
        EXPECT_EQ(r.width, widths[i]);
        EXPECT_EQ(r.height, 18);
    }
    // The close button reaches 2 pixels past the client area, so the corner hits it.
    EXPECT_EQ(form.captionButtons[2]->rect.x + form.captionButtons[2]->rect.width, 402);

    Resize(window, 500, 300);
    LayoutCaptionButtons(n);
    EXPECT_EQ(form.captionStrip.x, 406);
    EXPECT_EQ(form.captionButtons[0]->rect.x, 408);
    EXPECT_EQ(form.captionButtons[2]->rect.x, 462);
}

TEST(FrameLayoutTest, StatusBandAndSegments)
{
    ScopedWindow window(CreateFrameForm(10, 10, 400, 300));
    SkinFormOptions options;
    options.statusHeight = 5;
    SkinForm(window, options);
    const int n = FindSkinnedWindow(window);
    SkinFormRecord& form = FormRecord(n);

    SCOPED_TRACE("no segments given: one filling the band");
    ExpectRect(form.statusRect, {3, 291, 394, 5});
    ASSERT_EQ(form.statusSegmentRects.size(), 1u);
    ExpectRect(form.statusSegmentRects[0], {3, 291, 394, 5});

    SCOPED_TRACE("widths 100, -1, 50");
    std::vector<StatusBandSegment> segments(3);
    segments[0].width = 100;
    segments[1].width = -1;
    segments[2].width = 50;
    LayoutStatusBand(n, 20, segments, true);
    ASSERT_EQ(form.statusSegmentRects.size(), 3u);
    ExpectRect(form.statusSegmentRects[0], {3, 276, 100, 20});
    ExpectRect(form.statusSegmentRects[1], {103, 276, 294, 20});
    ExpectRect(form.statusSegmentRects[2], {397, 276, 50, 20});

    SCOPED_TRACE("100 pixels wider and 40 taller: only the -1 segment grows");
    Resize(window, 500, 340);
    RelayoutStatusBand(n);
    ExpectRect(form.statusRect, {3, 316, 494, 20});
    ExpectRect(form.statusSegmentRects[0], {3, 316, 100, 20});
    ExpectRect(form.statusSegmentRects[1], {103, 316, 394, 20});
    ExpectRect(form.statusSegmentRects[2], {497, 316, 50, 20});
}
