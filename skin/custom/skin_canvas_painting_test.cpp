// The drawing board's composition from a record onto a canvas: glow bands, frame and ring, the divider
// strip, the picture placements, the gradients, texts cut by the shape, the border.
#include <gtest/gtest.h>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/skin_canvas_painting.h"

namespace {

constexpr uint32_t kGround = 0x808080;

std::unique_ptr<SkinCanvasRecord> Board(int shape, int glowEdges = 0)
{
    auto board = std::make_unique<SkinCanvasRecord>();
    board->shape = shape;
    board->glowEdges = glowEdges;
    return board;
}

void Compose(const TestCanvas& canvas, const SkinCanvasRecord& board)
{
    GdipGraphics g;
    g.CreateFromHDC(canvas.Dc());
    ComposeSkinCanvas(board, g, canvas.Width(), canvas.Height());
}

bool Untouched(const TestCanvas& canvas, int x, int y)
{
    return canvas.Rgb(x, y) == kGround;
}

// Red shows through a glow of red: more red than green.
bool Reddened(const TestCanvas& canvas, int x, int y)
{
    const uint32_t c = canvas.Rgb(x, y);
    return RedOf(c) > GreenOf(c) + 8;
}

}  // namespace

TEST(SkinCanvasPaintingTest, InnerRectangleLeavesRoomForTheGlow)
{
    struct Case {
        int edges;
        RectF inner;
    };
    const Case cases[] = {
        {0, {0, 0, 100, 60}}, {1, {0, 6, 100, 54}}, {2, {0, 0, 100, 54}}, {4, {6, 0, 94, 60}},
        {8, {0, 0, 94, 60}},  {15, {6, 6, 88, 48}}, {3, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const RectF r = CanvasInnerRect(c.edges, 6, 100, 60);
        EXPECT_EQ(r.x, c.inner.x) << c.edges;
        EXPECT_EQ(r.y, c.inner.y) << c.edges;
        EXPECT_EQ(r.width, c.inner.width) << c.edges;
        EXPECT_EQ(r.height, c.inner.height) << c.edges;
    }
}

TEST(SkinCanvasPaintingTest, GlowShowsOnlyInTheBandsOfItsEdges)
{
    struct Case {
        int shape;
        int edges;
        POINT glowing;
        POINT plain;  // inside the inner rectangle, or outside the band
    };
    const Case cases[] = {
        {0, 1, {50, 3}, {50, 57}},  {0, 2, {50, 57}, {50, 3}},   {0, 4, {3, 30}, {97, 30}},
        {0, 8, {97, 30}, {3, 30}},  {0, 15, {3, 30}, {50, 30}},  {0, 15, {50, 57}, {20, 20}},
        {4, 15, {50, 3}, {50, 30}}, {4, 15, {3, 30}, {1, 1}},    {0, 5, {50, 30}, {50, 3}},
    };
    for (const Case& c : cases) {
        auto board = Board(c.shape, c.edges);
        board->glowColour = 0x0000FF;
        TestCanvas canvas(100, 60, kGround);
        Compose(canvas, *board);
        if (c.edges == 5) {
            EXPECT_TRUE(Untouched(canvas, c.glowing.x, c.glowing.y)) << "no glow for edges 5";
        } else {
            EXPECT_TRUE(Reddened(canvas, c.glowing.x, c.glowing.y))
                << c.shape << "/" << c.edges << " at " << c.glowing.x << "," << c.glowing.y << ": " << std::hex
                << canvas.Rgb(c.glowing.x, c.glowing.y);
        }
        EXPECT_TRUE(Untouched(canvas, c.plain.x, c.plain.y))
            << c.shape << "/" << c.edges << " at " << c.plain.x << "," << c.plain.y;
    }
}

TEST(SkinCanvasPaintingTest, DividerStripAcrossTheMiddle)
{
    // 25 high: the strip clips 10.5 to 14.5, the coloured line lies at 12.5, the white one at 11.5.
    auto board = Board(2);
    board->dividerColour = 0x000000;
    TestCanvas canvas(100, 25, kGround);
    Compose(canvas, *board);
    int darker = 0, lighter = 0;
    for (int y = 0; y < 25; ++y) {
        const int level = RedOf(canvas.Rgb(50, y));
        if (y < 10 || y > 14) {
            EXPECT_EQ(canvas.Rgb(50, y), kGround) << "row " << y;
            continue;
        }
        darker += level < 0x70;
        lighter += level > 0x90;
    }
    EXPECT_EQ(darker, 1);
    EXPECT_EQ(lighter, 1);

    auto vertical = Board(3);
    TestCanvas tall(25, 80, kGround);
    Compose(tall, *vertical);
    EXPECT_EQ(tall.Rgb(5, 40), kGround);
    EXPECT_NE(tall.Rgb(12, 40), kGround);
}

TEST(SkinCanvasPaintingTest, PicturePlacedByImageMode)
{
    const std::string small = SolidPng(20, 10, 0xFFFF0000);
    struct Case {
        int mode;
        int glowEdges;
        std::string picture;
        POINT red;
        POINT ground;
    };
    const Case cases[] = {
        {0, 0, small, {5, 5}, {95, 5}},
        {1, 0, small, {95, 5}, {5, 5}},
        {1, 0, SolidPng(120, 10, 0xFFFF0000), {5, 5}, {5, 15}},  // wider than the board: at the left
        {2, 0, small, {50, 30}, {5, 5}},
        // Centred from the board's corner: the picture's centre lies 6 up and left of the inner centre.
        {2, 15, small, {35, 20}, {53, 29}},
        {3, 0, small, {80, 45}, {-1, -1}},
        {4, 0, small, {95, 55}, {-1, -1}},
        {7, 0, small, {-1, -1}, {50, 30}},
    };
    for (const Case& c : cases) {
        auto board = Board(0, c.glowEdges);
        board->glowAlpha = 0;
        board->backgroundImage = c.picture;
        board->imageMode = c.mode;
        TestCanvas canvas(100, 60, kGround);
        Compose(canvas, *board);
        if (c.red.x >= 0) {
            EXPECT_EQ(canvas.Rgb(c.red.x, c.red.y), 0xFF0000u) << "mode " << c.mode << "/" << c.glowEdges;
        }
        if (c.ground.x >= 0) {
            EXPECT_EQ(canvas.Rgb(c.ground.x, c.ground.y), kGround) << "mode " << c.mode << "/" << c.glowEdges;
        }
    }
}

TEST(SkinCanvasPaintingTest, GradientsRunAsTheirModeSays)
{
    struct Case {
        int mode;
        POINT first;   // c1 (red)
        POINT second;  // c2 (blue)
    };
    const Case cases[] = {{1, {100, 1}, {100, 58}}, {2, {100, 58}, {100, 1}}, {3, {1, 30}, {198, 30}},
                          {4, {198, 30}, {1, 30}}};
    for (const Case& c : cases) {
        auto board = Board(0);
        board->gradientMode = c.mode;
        board->gradientColour1 = 0x0000FF;
        board->gradientColour2 = 0xFF0000;
        board->gradientAlpha1 = board->gradientAlpha2 = 255;
        TestCanvas canvas(200, 60, kGround);
        Compose(canvas, *board);
        const uint32_t a = canvas.Rgb(c.first.x, c.first.y);
        const uint32_t b = canvas.Rgb(c.second.x, c.second.y);
        EXPECT_GT(RedOf(a), 0xE0) << c.mode;
        EXPECT_GT(BlueOf(b), 0xE0) << c.mode;
    }
    // Mode 5 on a 200-wide shape: c1 at both sides, the half mix in the middle.
    auto board = Board(0);
    board->gradientMode = 5;
    board->gradientColour1 = 0x0000FF;
    board->gradientColour2 = 0xFF0000;
    board->gradientAlpha1 = board->gradientAlpha2 = 255;
    TestCanvas canvas(200, 60, kGround);
    Compose(canvas, *board);
    EXPECT_GT(RedOf(canvas.Rgb(1, 30)), 0xE0);
    EXPECT_GT(RedOf(canvas.Rgb(198, 30)), 0xE0);
    const uint32_t middle = canvas.Rgb(100, 30);
    EXPECT_NEAR(RedOf(middle), 0x80, 16) << std::hex << middle;
    EXPECT_NEAR(BlueOf(middle), 0x80, 16) << std::hex << middle;
}

TEST(SkinCanvasPaintingTest, TextsAreCutByTheShapeOnlyAfterAPicture)
{
    for (bool picture : {false, true}) {
        auto board = Board(4);
        if (picture) {
            board->backgroundImage = SolidPng(4, 4, 0xFFFFFFFF);
            board->imageMode = 3;
        }
        auto text = std::make_unique<CanvasTextElement>();
        text->text = "国";
        text->fontSize = 24;
        text->rect = RECT{0, 0, 40, 40};  // a line of any of the prefix's fonts fits
        board->textElements.push_back(std::move(text));
        TestCanvas canvas(100, 60, kGround);
        Compose(canvas, *board);
        // The text's pixels outside the ellipse (100 x 60), a margin off its edge: wherever the font
        // puts the glyph's left stroke, part of it stands there.
        int changed = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const double dx = (x + 0.5 - 50) / 50, dy = (y + 0.5 - 30) / 30;
                if (dx * dx + dy * dy > 1.1)
                    changed += canvas.Rgb(x, y) != kGround;
            }
        if (picture)
            EXPECT_EQ(changed, 0);
        else
            EXPECT_GT(changed, 0);
    }
}

TEST(SkinCanvasPaintingTest, BorderOnTheShapeAndNoneOnADivider)
{
    auto board = Board(0);
    board->border = 1;
    board->borderColour = 0x0000FF;
    board->borderAlpha = 0x1FF;
    TestCanvas canvas(100, 60, kGround);
    Compose(canvas, *board);
    EXPECT_EQ(canvas.Rgb(0, 30), 0xFF0000u);
    EXPECT_EQ(canvas.Rgb(99, 30), 0xFF0000u) << "the outer line on (0, 0, w - 1, h - 1)";
    for (int x : {1, 98})
        EXPECT_TRUE(RgbNear(canvas.Rgb(x, 30), Blend(kGround, 0xFFFFFF, 120), 3)) << "the inner line at " << x;
    EXPECT_EQ(canvas.Rgb(50, 30), kGround);

    auto divider = Board(2);
    divider->border = 1;
    divider->borderColour = 0x0000FF;
    TestCanvas strip(100, 25, kGround);
    Compose(strip, *divider);
    EXPECT_EQ(strip.Rgb(0, 12) & 0xFF0000, strip.Rgb(50, 12) & 0xFF0000) << "no border on a divider";
}

TEST(SkinCanvasPaintingTest, HaloWinsOverGlowAndLongTextsAreCutOrEndInAnEllipsis)
{
    auto paint = [](const CanvasTextElement& e, TestCanvas& canvas) {
        GdipGraphics g;
        g.CreateFromHDC(canvas.Dc());
        PaintTextElement(e, g);
    };
    CanvasTextElement halo;
    halo.text = "宝宝";
    halo.rect = RECT{4, 4, 60, 24};
    halo.haloText = true;
    halo.haloColour = 0x00FFFF;
    CanvasTextElement both = halo;
    both.glowText = true;
    TestCanvas a(70, 30, kGround), b(70, 30, kGround);
    paint(halo, a);
    paint(both, b);
    int differing = 0, changed = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 70; ++x) {
            differing += a.Rgb(x, y) != b.Rgb(x, y);
            changed += a.Rgb(x, y) != kGround;
        }
    EXPECT_EQ(differing, 0) << "a halo and a glow draw the halo";
    EXPECT_GT(changed, 0);

    // Without wrapping a text wider than its rectangle is cut at the right edge, with the ellipsis too
    // (Wine's GDI+ draws no ellipsis character: the text is cut the same way).
    CanvasTextElement cut;
    cut.text = "宝宝起名宝宝起名宝宝起名";
    cut.rect = RECT{0, 0, 60, 17};
    cut.wrap = false;
    for (bool ellipsis : {false, true}) {
        cut.ellipsis = ellipsis;
        TestCanvas canvas(120, 20, 0xFFFFFF);
        paint(cut, canvas);
        RECT box = {};
        ASSERT_TRUE(canvas.DarkBounds(box));
        EXPECT_LE(box.right, 61) << ellipsis;
    }
}
