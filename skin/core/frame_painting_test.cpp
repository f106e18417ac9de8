// The frame picture of a skinned form: its layers, the caption copy, and single buttons and the
// title repainted over it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/core/caption_buttons.h"
#include "skin/core/caption_title.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_test_support.h"
#include "skin/core/frame_painting.h"
#include "skin/core/frame_surface.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr uint32_t kGreyRgb = 0x808080;
constexpr uint32_t kRedRgb = 0xFF0000;
constexpr uint32_t kBlueRgb = 0x0000FF;

// A picture of two colours side by side (ARGB).
std::string TwoColourPng(int width, int height, uint32_t left, uint32_t right)
{
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(width, height);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(bitmap);
        GdipSolidBrush a, b;
        a.CreateSolidFill(left);
        b.CreateSolidFill(right);
        graphics.FillRectangleI(a, 0, 0, width / 2, height);
        graphics.FillRectangleI(b, width / 2, 0, width - width / 2, height);
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}

// Skin globals as a fresh start leaves them, with a grey base colour; put back afterwards.
class FramePaintingTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_skinBaseColour = kGrey;
        g_skinImage.clear();
        g_skinImageMode = 0;
        g_themeColour = kStartThemeColour;
        g_firstFormSize = false;
    }
    void TearDown() override
    {
        g_skinBaseColour = 0;
        g_skinImage.clear();
        g_skinImageMode = 0;
    }

    // A hidden 200 x 150 form skinned with the options and painted off screen.
    int Paint(const SkinFormOptions& options, DWORD style = 0)
    {
        window_.reset(new ScopedWindow(CreateFrameForm(20, 20, 200, 150, style, false)));
        SkinForm(*window_, options);
        const int n = FindSkinnedWindow(*window_);
        PaintFormFrame(n, false);
        return n;
    }
    uint32_t At(int n, int x, int y) { return PixelRgb(FormRecord(n).frameDc, x, y); }

    std::unique_ptr<ScopedWindow> window_;
};

SkinFormOptions NoFrame()
{
    SkinFormOptions o;
    o.frameEnabled = 0;
    o.captionHeight = 30;
    return o;
}

std::vector<uint32_t> Pixels(HDC dc, int x, int y, int width, int height)
{
    std::vector<uint32_t> pixels;
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            pixels.push_back(PixelRgb(dc, i, j));
    return pixels;
}

int Luminance(uint32_t rgb)
{
    return static_cast<int>(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF));
}

}  // namespace

TEST_F(FramePaintingTest, BaseColourAlone)
{
    const int n = Paint(NoFrame());
    for (auto [x, y] : {std::pair{0, 0}, {199, 149}, {100, 10}, {100, 100}})
        EXPECT_EQ(At(n, x, y), kGreyRgb) << x << "," << y;
    EXPECT_EQ(FormRecord(n).captionCacheDc, nullptr) << "no caption copy without the frame behaviour";
    EXPECT_FALSE(FormRecord(n).needsFullRepaint);
    EXPECT_EQ(FormRecord(n).clientWidth, 200);
}

TEST_F(FramePaintingTest, SkinPictureByImageMode)
{
    g_skinImage = TwoColourPng(40, 20, 0xFFFF0000, 0xFF0000FF);
    struct Probe {
        int x, y;
        uint32_t rgb;
    };
    struct Case {
        int mode;
        std::vector<Probe> probes;
    } cases[] = {
        {0, {{5, 5, kRedRgb}, {25, 5, kBlueRgb}, {45, 5, kGreyRgb}, {5, 25, kGreyRgb}}},
        {1, {{165, 5, kRedRgb}, {185, 5, kBlueRgb}, {155, 5, kGreyRgb}}},
        {2, {{85, 70, kRedRgb}, {105, 70, kBlueRgb}, {75, 70, kGreyRgb}, {85, 60, kGreyRgb}}},
        {3, {{10, 10, kRedRgb}, {190, 140, kBlueRgb}}},
        // Every second copy mirrored: red blue | blue red | red blue ...
        {4, {{5, 5, kRedRgb}, {25, 5, kBlueRgb}, {45, 5, kBlueRgb}, {65, 5, kRedRgb}, {85, 5, kRedRgb},
             {165, 5, kRedRgb}, {195, 5, kBlueRgb}, {5, 25, kGreyRgb}}},
        {5, {{5, 5, kGreyRgb}, {25, 5, kGreyRgb}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        g_skinImageMode = c.mode;
        const int n = Paint(NoFrame());
        for (const Probe& p : c.probes)
            EXPECT_EQ(At(n, p.x, p.y), p.rgb) << p.x << "," << p.y;
    }
}

TEST_F(FramePaintingTest, AFormsOwnPictureComesBeforeTheSkin)
{
    g_skinImage = TwoColourPng(40, 20, 0xFFFF0000, 0xFF0000FF);
    SkinFormOptions own = NoFrame();
    own.backgroundImage = TwoColourPng(20, 10, 0xFF00FF00, 0xFF00FF00);
    own.imageMode = 3;
    const int n = Paint(own);
    EXPECT_EQ(At(n, 5, 5), 0x00FF00u);
    EXPECT_EQ(At(n, 195, 145), 0x00FF00u);
}

TEST_F(FramePaintingTest, TintAndCaptionGloss)
{
    const uint32_t white = 0xFFFFFF, red = 0xFF0000, black = 0;
    struct Case {
        const char* what;
        COLORREF tint;
        int alpha;
        bool gradient;
        uint32_t body, captionTop, captionBottom;
    } cases[] = {
        {"no tint: white gloss", CLR_INVALID, 255, true, kGreyRgb, Blend(kGreyRgb, white, 150), kGreyRgb},
        {"black tint: body black, white gloss", RGB(0, 0, 0), 255, true, black, Blend(kGreyRgb, white, 150),
         kGreyRgb},
        {"alpha 300: low byte 44, gloss from 60", RGB(255, 0, 0), 300, true, Blend(kGreyRgb, red, 44),
         Blend(kGreyRgb, red, 60), Blend(kGreyRgb, red, 44)},
        {"tint over everything", RGB(255, 0, 0), 300, false, Blend(kGreyRgb, red, 44), Blend(kGreyRgb, red, 44),
         Blend(kGreyRgb, red, 44)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SkinFormOptions o = NoFrame();
        o.tintColour = c.tint;
        o.tintAlpha = c.alpha;
        o.captionGradient = c.gradient;
        const int n = Paint(o);
        EXPECT_TRUE(RgbNear(At(n, 100, 100), c.body, 3)) << std::hex << At(n, 100, 100);
        EXPECT_TRUE(RgbNear(At(n, 100, 0), c.captionTop, 8)) << std::hex << At(n, 100, 0);
        EXPECT_TRUE(RgbNear(At(n, 100, 29), c.captionBottom, 8)) << std::hex << At(n, 100, 29);
    }
}

TEST_F(FramePaintingTest, BorderRegionAndCaptionCopyOnlyWithTheFrameBehaviour)
{
    SkinFormOptions framed;
    framed.frameEnabled = 1;
    window_.reset(new ScopedWindow(CreateFrameForm(20, 20, 200, 150, 0, false)));
    SkinForm(*window_, framed);
    int n = FindSkinnedWindow(*window_);
    PaintFormFrame(n, true);
    EXPECT_LT(Luminance(At(n, 0, 75)), Luminance(kGreyRgb) - 150) << "dark outer border";
    EXPECT_NE(FormRecord(n).captionCacheDc, nullptr);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(*window_, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "rounded corner";
    EXPECT_TRUE(PtInRegion(region, 100, 75));

    SkinFormOptions plain = NoFrame();
    window_.reset(new ScopedWindow(CreateFrameForm(20, 20, 200, 150, 0, false)));
    SkinForm(*window_, plain);
    n = FindSkinnedWindow(*window_);
    PaintFormFrame(n, true);
    EXPECT_EQ(At(n, 0, 75), kGreyRgb);
    EXPECT_EQ(GetWindowRgn(*window_, region), ERROR) << "no region given";
    DeleteObject(region);
}

TEST_F(FramePaintingTest, StatusSegments)
{
    const std::string tall = TwoColourPng(30, 30, 0xFFFF0000, 0xFFFF0000);
    std::vector<StatusBandSegment> segments(2);
    segments[0].width = 60;
    segments[0].picture = tall;
    segments[1].width = -1;
    segments[1].text = "就绪";
    segments[1].textColour = RGB(0, 0, 0);
    SkinFormOptions o = NoFrame();
    o.statusHeight = 20;
    o.statusSegments = segments;
    const int n = Paint(o);
    const FormRect first = FormRecord(n).statusSegmentRects[0];
    const FormRect second = FormRecord(n).statusSegmentRects[1];

    // A picture as tall as the band or taller: a square of 70 % of its height, centred.
    const int side = 14, top = first.y + (20 - side) / 2;
    EXPECT_EQ(At(n, first.x + 2 + side / 2, top + side / 2), kRedRgb);
    EXPECT_NE(At(n, first.x + 2 + side / 2, top - 2), kRedRgb);
    EXPECT_NE(At(n, first.x + 2 + side + 2, top + side / 2), kRedRgb);

    int dark = 0;
    for (int y = second.y; y < second.y + second.height; ++y)
        for (int x = second.x; x < second.x + 40; ++x)
            dark += Luminance(At(n, x, y)) < 150;
    EXPECT_GT(dark, 10) << "the segment text";
    EXPECT_GT(Luminance(At(n, second.x + 100, second.y + 1)), Luminance(kGreyRgb)) << "white glass";
}

TEST_F(FramePaintingTest, TitleRedrawStaysInItsRectangle)
{
    SkinFormOptions framed;
    window_.reset(new ScopedWindow(CreateFrameForm(20, 20, 300, 150, WS_MINIMIZEBOX, false)));
    SetWindowTextA(*window_, "旧标题");
    SkinForm(*window_, framed);
    const int n = FindSkinnedWindow(*window_);
    PaintFormFrame(n, false);
    HDC frame = FormRecord(n).frameDc;
    const std::vector<uint32_t> before = Pixels(frame, 0, 0, 300, 150);
    GdipGraphics graphics;
    DrawFormTitle(n, graphics, false, std::string("新的标题"));
    const std::vector<uint32_t> after = Pixels(frame, 0, 0, 300, 150);

    const int x0 = 9, width = 300 - FormRecord(n).captionStrip.width - 10 - 6;
    int changed = 0;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (before[static_cast<size_t>(y * 300 + x)] == after[static_cast<size_t>(y * 300 + x)])
                continue;
            ++changed;
            EXPECT_TRUE(x >= x0 && x < x0 + width && y < 3 + 42) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 20);
}

// The strongest contrast (WCAG ratio) between a pixel of the area and the area's commonest colour.
double StrongestContrast(const std::vector<uint32_t>& pixels)
{
    auto luminance = [](uint32_t rgb) {
        auto linear = [](uint32_t c) {
            const double v = c / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
    };
    std::map<uint32_t, int> counts;
    for (uint32_t p : pixels)
        ++counts[p];
    uint32_t background = 0;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) {
            most = count;
            background = colour;
        }
    double best = 0;
    const double lb = luminance(background);
    for (uint32_t p : pixels) {
        const double lp = luminance(p);
        best = std::max(best, (std::max(lp, lb) + 0.05) / (std::min(lp, lb) + 0.05));
    }
    return best;
}

TEST_F(FramePaintingTest, TheTitleStandsOutFromAVeryDarkAndANearWhiteTheme)
{
    // White on a grey halo, as a form starts: over a near-white caption it would all but vanish.
    for (const COLORREF base : {RGB(0, 0, 68), RGB(255, 238, 238)}) {
        g_skinBaseColour = base;
        g_themeColour = base;
        SkinFormOptions framed;
        window_.reset(new ScopedWindow(CreateFrameForm(20, 20, 300, 150, WS_MINIMIZEBOX, false)));
        SetWindowTextA(*window_, "标题标题");
        SkinForm(*window_, framed);
        const int n = FindSkinnedWindow(*window_);
        PaintFormFrame(n, false);
        const double contrast = StrongestContrast(Pixels(FormRecord(n).frameDc, 30, 4, 60, 18));
        EXPECT_GE(contrast, 4.5) << std::hex << base;
    }
}

TEST_F(FramePaintingTest, CaptionButtonLooks)
{
    window_.reset(new ScopedWindow(CreateFrameForm(20, 20, 300, 150, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false)));
    SkinForm(*window_);
    const int n = FindSkinnedWindow(*window_);
    PaintFormFrame(n, false);
    SkinFormRecord& form = FormRecord(n);
    HDC frame = form.frameDc;
    auto region = [&](int i) {
        const CaptionButtonRecord& b = *form.captionButtons[static_cast<size_t>(i) - 1];
        return Pixels(frame, static_cast<int>(b.rect.x - 1), 1, b.width, b.height);
    };
    auto pixel = [&](int i, int dx, int dy) {
        const CaptionButtonRecord& b = *form.captionButtons[static_cast<size_t>(i) - 1];
        return PixelRgb(frame, static_cast<int>(b.rect.x - 1) + dx, 1 + dy);
    };
    auto paint = [&](int i, bool pressed, int alpha) {
        GdipGraphics graphics;
        PaintCaptionButtons(n, i, graphics, false, pressed, alpha);
    };

    SCOPED_TRACE("alpha 0 repaints each button exactly as the full paint drew it");
    const std::vector<std::vector<uint32_t>> full = {region(1), region(2), region(3)};
    for (int i = 1; i <= 3; ++i) {
        paint(i, false, 0);
        EXPECT_EQ(region(i), full[static_cast<size_t>(i) - 1]) << "button " << i;
    }
    const uint32_t restingMinimise = pixel(1, 13, 2);

    SCOPED_TRACE("alpha 240: the theme colour, red for close");
    paint(1, false, 240);
    const uint32_t hot = pixel(1, 13, 2);
    EXPECT_GT(static_cast<int>((hot >> 8) & 0xFF), static_cast<int>(hot >> 16) + 60) << std::hex << hot;
    EXPECT_GT(static_cast<int>(hot & 0xFF), static_cast<int>(hot >> 16) + 60) << std::hex << hot;
    paint(3, false, 240);
    const uint32_t hotClose = pixel(3, 6, 2);
    EXPECT_GT(static_cast<int>(hotClose >> 16), static_cast<int>((hotClose >> 8) & 0xFF) + 60) << std::hex << hotClose;

    SCOPED_TRACE("pressed: darker, the close button red");
    paint(1, true, 0);
    EXPECT_LT(Luminance(pixel(1, 13, 2)), Luminance(restingMinimise));
    paint(3, true, 0);
    const uint32_t pressedClose = pixel(3, 6, 2);
    EXPECT_GT(static_cast<int>(pressedClose >> 16), static_cast<int>((pressedClose >> 8) & 0xFF) + 60);

    SCOPED_TRACE("maximised: the maximise button shows the restore picture");
    paint(2, false, 0);
    const std::vector<uint32_t> maximise = region(2);
    form.maximized = true;
    paint(2, false, 0);
    EXPECT_NE(region(2), maximise);
    form.maximized = false;

    SCOPED_TRACE("button 0 paints nothing");
    const std::vector<uint32_t> all = Pixels(frame, 0, 0, 300, 25);
    paint(0, false, 240);
    EXPECT_EQ(Pixels(frame, 0, 0, 300, 25), all);
}

namespace {

int CallbackCalls = 0;
int CountCall(const int*, int)
{
    return ++CallbackCalls;
}

}  // namespace

TEST_F(FramePaintingTest, TitleBarButtonsGoLeftmost)
{
    ScopedWindow window(CreateFrameForm(20, 20, 400, 150, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false));
    SkinFormOptions options;
    options.frameEnabled = 1;
    SkinForm(window, options);
    const int n = FindSkinnedWindow(window);
    const SkinFormRecord& form = FormRecord(n);
    const std::string first = TwoColourPng(26, 18, 0xFFFF0000, 0xFFFF0000);
    const std::string second = TwoColourPng(26, 18, 0xFF00FF00, 0xFF00FF00);
    EXPECT_TRUE(AddTitleBarButton(window, first, "换肤", CountCall));
    EXPECT_TRUE(AddTitleBarButton(window, second, "设置", CountCall));
    EXPECT_EQ(form.captionStrip.width, 95 + 54);
    ASSERT_EQ(form.captionButtons.size(), 5u);
    EXPECT_EQ(form.captionButtons[0]->image, second);
    EXPECT_EQ(form.captionButtons[1]->image, first);
    EXPECT_EQ(form.captionButtons[0]->kind, kCaptionCustom);
    EXPECT_EQ(form.captionButtons[0]->rect.x, static_cast<float>(form.captionStrip.x + 2));

    // Tool 1 is the leftmost rectangle with the second button's text.
    char text[64] = {};
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = window;
    info.uId = 1;
    info.lpszText = text;
    ASSERT_TRUE(SendMessageA(form.tooltip.tipWindow, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.rect.left, static_cast<LONG>(form.captionButtons[0]->rect.x));
    SendMessageA(form.tooltip.tipWindow, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, "设置");

    ScopedWindow plain(CreateFrameForm(20, 20, 200, 150, 0, false));
    EXPECT_FALSE(AddTitleBarButton(plain, first, "换肤", CountCall));
}

namespace {

// Every pixel of a memory context's DIB, rows from..to (excluded), top row first.
std::vector<uint32_t> DibRows(HDC dc, int from, int to)
{
    DibPixels pixels;
    if (!DibPixelsOfDc(dc, pixels))
        return {};
    GdiFlush();
    std::vector<uint32_t> rows;
    for (int y = from; y < to && y < pixels.height; ++y)
        rows.insert(rows.end(), pixels.Row(y), pixels.Row(y) + pixels.width);
    return rows;
}

// The form's layers drawn by GDI+ alone, as the layer functions draw them on their own: background,
// border (with the frame behaviour) and status segments, on a picture of the client size.
class GdiplusReference {
public:
    GdiplusReference(int formNumber, int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), dib_(CreateDib32(width, height))
    {
        previous_ = SelectObject(dc_, dib_);
        const SkinFormRecord& form = FormRecord(formNumber);
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachGraphicsToDc(graphics, surface, dc_);
        PaintFrameBackground(graphics, formNumber);
        if (form.frameEnabled)
            PaintFrameBorder(formNumber, graphics);
        caption_ = DibRows(dc_, 0, form.captionHeight);
        for (int i = 1; i <= static_cast<int>(form.statusSegments.size()); ++i)
            PaintStatusSegment(formNumber, graphics, i);
    }
    ~GdiplusReference()
    {
        SelectObject(dc_, previous_);
        DeleteObject(dib_);
        DeleteDC(dc_);
    }
    // The caption band before the title and buttons, and the rows below it when all is drawn.
    const std::vector<uint32_t>& Caption() const { return caption_; }
    std::vector<uint32_t> Rows(int from, int to) const { return DibRows(dc_, from, to); }

private:
    HDC dc_;
    HBITMAP dib_;
    HGDIOBJ previous_ = nullptr;
    std::vector<uint32_t> caption_;
};

}  // namespace

// The frame paint blends its large layers straight into the frame's pixels and keeps what does not
// change between paints; the pixels must be those GDI+ draws, at the first paint, at a repaint of the
// same size and after a resize.
TEST_F(FramePaintingTest, DirectPaintGivesGdiplusPixels)
{
    const std::string picture = CaptionTestPicture();
    struct Case {
        const char* what;
        int width, height;
        std::function<void(SkinFormOptions&)> adjust;
    } cases[] = {
        {"program-like", 800, 600, [](SkinFormOptions&) {}},
        {"mode 1, tint over all", 333, 217,
         [&](SkinFormOptions& o) {
             o.imageMode = 1;
             o.captionGradient = 0;
             o.tintColour = RGB(200, 30, 60);
             o.tintAlpha = 300;
         }},
        {"mode 2, black tint", 501, 333,
         [&](SkinFormOptions& o) {
             o.imageMode = 2;
             o.tintColour = RGB(0, 0, 0);
         }},
        {"mode 3, no tint, no frame", 640, 480,
         [&](SkinFormOptions& o) {
             o.imageMode = 3;
             o.tintColour = CLR_INVALID;
             o.frameEnabled = 0;
         }},
        {"mode 4", 1000, 300, [&](SkinFormOptions& o) { o.imageMode = 4; }},
        {"narrow", 30, 200, [&](SkinFormOptions& o) { o.statusHeight = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SkinFormOptions options = ProgramLikeOptions();
        options.backgroundImage = picture;
        c.adjust(options);
        window_.reset(new ScopedWindow(CreateFrameForm(20, 20, c.width, c.height, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false)));
        SkinForm(*window_, options);
        const int n = FindSkinnedWindow(*window_);
        for (int paint = 1; paint <= 3; ++paint) {
            SCOPED_TRACE(paint == 1 ? "first paint" : paint == 2 ? "repaint" : "resized");
            if (paint == 3)
                SetWindowPos(*window_, nullptr, 0, 0, c.width + 7, c.height + 5, SWP_NOMOVE | SWP_NOZORDER);
            PaintFormFrame(n, false);
            const SkinFormRecord& form = FormRecord(n);
            const GdiplusReference reference(n, form.clientWidth, form.clientHeight);
            if (form.frameEnabled) {
                EXPECT_TRUE(DibRows(form.captionCacheDc, 0, form.captionHeight) == reference.Caption());
            }
            EXPECT_TRUE(DibRows(form.frameDc, form.captionHeight, form.clientHeight) ==
                        reference.Rows(form.captionHeight, form.clientHeight));
        }
    }
}

// Giving the region again costs a round trip to the display and repaints the whole window, so a
// repaint of the same size keeps it; a new size gets a new one.
TEST_F(FramePaintingTest, RoundRegionIsGivenAgainOnlyForANewSize)
{
    window_.reset(new ScopedWindow(CreateFrameForm(20, 20, 300, 200, 0, true)));
    SkinForm(*window_);
    const int n = FindSkinnedWindow(*window_);
    PaintFormFrame(n, true);
    ValidateRect(*window_, nullptr);
    PaintFormFrame(n, true);
    EXPECT_FALSE(GetUpdateRect(*window_, nullptr, FALSE)) << "the region was given again";

    SetWindowPos(*window_, nullptr, 0, 0, 320, 210, SWP_NOMOVE | SWP_NOZORDER);
    PaintFormFrame(n, true);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(*window_, region), ERROR);
    RECT box = {};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right, 320);
    EXPECT_EQ(box.bottom, 210);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    DeleteObject(region);
}
