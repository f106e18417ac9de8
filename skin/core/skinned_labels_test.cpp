// Skinned text labels: registration (once, only on a skinned form), the procedure's rows, the text's
// place, font and colour in pixels, copies from the back buffer, new text drawn before it is stored,
// the halo and what lies behind a label in a container.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_string_format.h"
#include "skin/core/form_rows_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/skinned_labels.h"
#include "skin/core/window_props.h"

namespace {

constexpr COLORREF kBase = RGB(200, 220, 240);
constexpr uint32_t kBaseRgb = 0xC8DCF0;

// What reached the label's own (native) procedure, and a look at the form's back buffer then.
struct LabelProbe {
    std::vector<UINT> messages;
    std::function<void(UINT)> onMessage;
};
LabelProbe g_probe;
WNDPROC g_staticProc = nullptr;

LRESULT CALLBACK ProbedStaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_probe.messages.push_back(message);
    if (g_probe.onMessage)
        g_probe.onMessage(message);
    return CallWindowProcA(g_staticProc, window, message, wParam, lParam);
}

class SkinnedLabelTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_firstFormSize = false;
        g_skinBaseColour = kBase;
        window_ = CreateFrameForm(40, 40, 400, 300);
        SkinForm(window_);
        n_ = FindSkinnedWindow(window_);
        UpdateWindow(window_);
        g_probe = LabelProbe{};
    }
    void TearDown() override
    {
        DestroyWindow(window_);
        g_skinBaseColour = 0;
    }

    // A static with a native procedure that reports to g_probe.
    HWND MakeLabel(HWND parent, const char* text, int x, int y, int width, int height)
    {
        HWND label = CreateTestChild(parent, "Static", x, y, width, height);
        SetWindowTextA(label, text);
        g_staticProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbedStaticProc)));
        return label;
    }
    SkinnedChildRecord& Record(int index) { return *FormRecord(n_).childControls[static_cast<size_t>(index) - 1]; }
    // The label's picture as its form keeps it.
    Pixels Published(HWND label)
    {
        RECT r = {};
        GetWindowRect(label, &r);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
        return CopyPixels(FormRecord(n_).backBufferDc, r);
    }
    void Render(HWND label)
    {
        InvalidateRect(label, nullptr, FALSE);
        UpdateWindow(label);
    }

    HWND window_ = nullptr;
    int n_ = 0;
};

// The text as GDI+ draws it in black 宋体 12, on one line, left-aligned and centred vertically in a box
// starting at x 0 and `boxWidth` wide, over the base colour.
Pixels ReferenceText(const std::string& text, int width, int height, int boxWidth)
{
    HDC dc = CreateMemoryDC(width, height);
    RECT all = {0, 0, width, height};
    HBRUSH base = CreateSolidBrush(kBase);
    FillRect(dc, &all, base);
    DeleteObject(base);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(dc);
        GdipFont font;
        font.CreateFontFromName("宋体", 12, 0);
        GdipStringFormat format;
        format.CreateStringFormat(0x2000 | 0x1000);
        format.SetStringFormatAlign(0);
        format.SetStringFormatLineAlign(1);
        GdipSolidBrush black;
        black.CreateSolidFill(0xFF000000);
        graphics.DrawString(text, font, black, RectF{0, 0, static_cast<float>(boxWidth), static_cast<float>(height)},
                            format);
    }
    Pixels pixels = CopyPixels(dc, all);
    ReleaseMemoryDC(dc);
    return pixels;
}

// Rows (from the top) holding a pixel darker than the background.
std::vector<int> InkedRows(const Pixels& pixels, int width)
{
    std::vector<int> rows;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int row = static_cast<int>(i) / width;
        if (pixels[i] != kBaseRgb && (rows.empty() || rows.back() != row))
            rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST_F(SkinnedLabelTest, RegisteredOnceAndOnlyOnASkinnedForm)
{
    ScopedWindow loose(CreateFrameForm(0, 0, 100, 40));
    HWND outside = CreateTestChild(loose, "Static", 0, 0, 50, 20);
    EXPECT_FALSE(CreateSkinnedChildControl(outside)) << "no skinned form owns it";
    EXPECT_FALSE(CreateSkinnedChildControl(window_)) << "the form itself";

    HWND label = MakeLabel(window_, "标签", 20, 60, 100, 20);
    ASSERT_TRUE(CreateSkinnedChildControl(label));
    EXPECT_EQ(GetWindowPropNumber(label, kPropHwFormNumber), n_);
    EXPECT_EQ(GetWindowPropNumber(label, kPropHwListIndex), 1);
    EXPECT_EQ(GetWindowPropHandle<WNDPROC>(label, kPropHwProc), ProbedStaticProc);
    const SkinnedChildRecord& r = Record(1);
    EXPECT_EQ(r.hwnd, label);
    EXPECT_EQ(r.alignment, 0);
    EXPECT_EQ(r.lineAlignment, 1);
    EXPECT_FALSE(r.wrap);
    EXPECT_EQ(r.textColour, 0u);
    EXPECT_FALSE(r.halo);
    EXPECT_EQ(r.haloColour, CLR_INVALID);
    EXPECT_EQ(r.fontName, "宋体");
    EXPECT_EQ(r.fontSize, 12);
    EXPECT_EQ(r.fontStyle, 0);
    EXPECT_TRUE(r.dirty);

    EXPECT_FALSE(CreateSkinnedChildControl(label)) << "a second registration would call itself";
    EXPECT_EQ(GetWindowPropHandle<WNDPROC>(label, kPropHwProc), ProbedStaticProc);
    EXPECT_EQ(RecordCount(FormRecord(n_).childControls), 1);
    SetWindowTextA(label, "还在");  // reaches the native procedure once, no recursion
    EXPECT_EQ(std::count(g_probe.messages.begin(), g_probe.messages.end(), static_cast<UINT>(WM_SETTEXT)), 1);

    HWND other = CreateTestChild(window_, "Static", 20, 90, 100, 20);
    SetWindowProp(other, kPropHwProc, reinterpret_cast<LONG_PTR>(DefWindowProcA));
    EXPECT_FALSE(CreateSkinnedChildControl(other)) << "another skin procedure runs it already";

    LabelStyle style;
    style.fontName = "黑体";
    style.fontSize = 14;
    style.fontStyle = 1;
    style.textColour = RGB(10, 20, 30);
    style.haloColour = RGB(255, 255, 255);
    style.alignment = 2;
    style.lineAlignment = 0;
    style.wrap = true;
    ASSERT_TRUE(CreateSkinnedChildControl(CreateTestChild(window_, "Static", 20, 120, 100, 20), style));
    const SkinnedChildRecord& s = Record(2);
    EXPECT_EQ(s.fontName, "黑体");
    EXPECT_EQ(s.fontSize, 14);
    EXPECT_EQ(s.fontStyle, 1);
    EXPECT_EQ(s.textColour, RGB(10, 20, 30));
    EXPECT_TRUE(s.halo);
    EXPECT_EQ(s.haloColour, RGB(255, 255, 255));
    EXPECT_EQ(s.alignment, 2);
    EXPECT_EQ(s.lineAlignment, 0);
    EXPECT_TRUE(s.wrap);
}

TEST_F(SkinnedLabelTest, DefaultLabelDrawsBlackTextFromTwoPixelsLeftCentredOnOneLine)
{
    const std::string text = "宝宝起名";
    HWND label = MakeLabel(window_, text.c_str(), 40, 100, 120, 24);
    ASSERT_TRUE(CreateSkinnedChildControl(label));
    Render(label);
    EXPECT_FALSE(Record(1).dirty);
    const Pixels shown = Published(label);
    const Pixels reference = ReferenceText(text, 122, 24, 128);
    ASSERT_EQ(shown.size(), 120u * 24u);
    // Drawn straight into the DIB's pixels, the soft edges of the glyphs round a shade apart.
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_TRUE(RgbNear(shown[y * 120 + x], reference[y * 122 + x + 2], 3)) << x << "," << y;
    EXPECT_NE(std::count(shown.begin(), shown.end(), 0u), 0) << "black ink";

    SCOPED_TRACE("text wider than the label is cut, not wrapped");
    HWND narrow = MakeLabel(window_, "一二三四五六七八九十", 40, 140, 40, 48);
    HWND wrapping = CreateTestChild(window_, "Static", 100, 140, 40, 64);  // room for three lines
    SetWindowTextA(wrapping, "一二三四五六七八九十");
    LabelStyle wraps;
    wraps.wrap = true;
    ASSERT_TRUE(CreateSkinnedChildControl(narrow));
    ASSERT_TRUE(CreateSkinnedChildControl(wrapping, wraps));
    Render(narrow);
    Render(wrapping);
    const std::vector<int> oneLine = InkedRows(Published(narrow), 40);
    const std::vector<int> lines = InkedRows(Published(wrapping), 40);
    ASSERT_FALSE(oneLine.empty());
    EXPECT_LE(oneLine.back() - oneLine.front(), 16);
    EXPECT_GT(lines.back() - lines.front(), 20) << "a wrapping label takes more lines";
}

TEST_F(SkinnedLabelTest, ProcedureRows)
{
    HWND box = CreateTestChild(window_, "Button", 20, 40, 300, 200, BS_GROUPBOX);
    RegisterTestContainer(n_, box, 0, 255, kContainerKindGroupBox);
    SkinContainerRecord& container = *FormRecord(n_).containers[0];
    HWND label = MakeLabel(box, "行", 20, 30, 100, 20);
    ASSERT_TRUE(CreateSkinnedChildControl(label));
    SkinnedChildRecord& r = Record(1);
    SkinFormRecord& form = FormRecord(n_);
    HDC dc = GetDC(label);

    struct Row {
        const char* what;
        std::function<void()> before;
        UINT message;
        WPARAM wParam;
        bool passedOn;
        bool dirtyAfter;
    } rows[] = {
        {"WM_MOVE", [&] { r.dirty = false; }, WM_MOVE, 0, true, true},
        {"WM_SHOWWINDOW shown", [&] { r.dirty = false; }, WM_SHOWWINDOW, 1, true, true},
        {"WM_SHOWWINDOW hidden", [&] { r.dirty = false; }, WM_SHOWWINDOW, 0, true, false},
        {"WM_SIZE", [&] { r.dirty = false; }, WM_SIZE, 0, true, true},
        {"WM_ERASEBKGND, active form: renders next",
         [&] {
             r.dirty = false;
             form.active = true;
         },
         WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), false, true},
        {"WM_ERASEBKGND, inactive form: copies next",
         [&] {
             r.dirty = false;
             form.active = false;
         },
         WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), false, false},
        {"WM_ERASEBKGND, form dragged: copies next",
         [&] {
             r.dirty = false;
             form.active = form.moving = true;
         },
         WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), false, false},
        {"WM_PAINT renders a stale label", [&] { form.moving = false; r.dirty = true; }, WM_PAINT, 0, false, false},
        {"WM_WINDOWPOSCHANGING marks the container", [&] { container.childrenMoved = false; },
         WM_WINDOWPOSCHANGING, 0, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        row.before();
        g_probe.messages.clear();
        WINDOWPOS place = {};
        const LPARAM lParam = row.message == WM_WINDOWPOSCHANGING ? reinterpret_cast<LPARAM>(&place) : 0;
        const LRESULT result = SendMessageA(label, row.message, row.wParam, lParam);
        EXPECT_EQ(!g_probe.messages.empty() && g_probe.messages.front() == row.message, row.passedOn);
        EXPECT_EQ(r.dirty, row.dirtyAfter);
        if (row.message == WM_ERASEBKGND) {
            EXPECT_EQ(result, 1);
        }
    }
    EXPECT_TRUE(container.childrenMoved);
    ReleaseDC(label, dc);
}

TEST_F(SkinnedLabelTest, CleanPaintCopiesFromTheBackBuffer)
{
    HWND label = MakeLabel(window_, "复制", 40, 100, 120, 24);
    ASSERT_TRUE(CreateSkinnedChildControl(label));
    Render(label);
    SkinFormRecord& form = FormRecord(n_);
    RECT place = {40, 100, 160, 124};
    HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
    FillRect(form.backBufferDc, &place, green);
    DeleteObject(green);
    Render(label);
    EXPECT_FALSE(Record(1).dirty);
    HDC dc = GetDC(label);
    EXPECT_EQ(PixelRgb(dc, 5, 5), 0x00C800u) << "copied, not rendered";
    EXPECT_EQ(PixelRgb(dc, 115, 20), 0x00C800u);
    ReleaseDC(label, dc);
}

TEST_F(SkinnedLabelTest, NewTextIsDrawnBeforeTheLabelStoresIt)
{
    HWND label = MakeLabel(window_, "旧的文字", 40, 100, 120, 24);
    ASSERT_TRUE(CreateSkinnedChildControl(label));
    Render(label);
    struct Case {
        const char* text;
        bool inked;
    } cases[] = {{"新的文字", true}, {nullptr, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inked);
        const Pixels old = Published(label);
        Pixels whenStored;
        g_probe.onMessage = [&](UINT message) {
            if (message == WM_SETTEXT)
                whenStored = Published(label);
        };
        SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text));
        g_probe.onMessage = nullptr;
        EXPECT_NE(whenStored, old);
        EXPECT_EQ(!InkedRows(whenStored, 120).empty(), c.inked);
        PaintSkinnedChild(label);
        EXPECT_EQ(whenStored, Published(label)) << "the picture of the text now stored";
    }
}

TEST_F(SkinnedLabelTest, HaloAndWhatLiesBehind)
{
    HWND plain = MakeLabel(window_, "光晕", 40, 60, 80, 24);
    HWND glowing = CreateTestChild(window_, "Static", 40, 100, 80, 24);
    SetWindowTextA(glowing, "光晕");
    LabelStyle halo;
    halo.haloColour = RGB(255, 0, 0);
    ASSERT_TRUE(CreateSkinnedChildControl(plain));
    ASSERT_TRUE(CreateSkinnedChildControl(glowing, halo));
    Render(plain);
    Render(glowing);
    const auto reddish = [](const Pixels& p) {
        return std::any_of(p.begin(), p.end(), [](uint32_t c) { return (c >> 16) > ((c >> 8) & 0xFF) + 40; });
    };
    EXPECT_FALSE(reddish(Published(plain)));
    EXPECT_TRUE(reddish(Published(glowing))) << "the red halo";
    EXPECT_FALSE(InkedRows(Published(glowing), 80).empty());

    SCOPED_TRACE("a label in a filled container shows the fill");
    HWND box = CreateTestChild(window_, "Button", 200, 40, 180, 200, BS_GROUPBOX);
    RegisterTestContainer(n_, box, RGB(0, 0, 255), 255, kContainerKindGroupBox);
    HWND inside = MakeLabel(box, "里", 20, 40, 100, 24);
    ASSERT_TRUE(CreateSkinnedChildControl(inside));
    Render(inside);
    HDC dc = GetDC(inside);
    EXPECT_EQ(PixelRgb(dc, 90, 3), 0x0000FFu);
    ReleaseDC(inside, dc);
}
