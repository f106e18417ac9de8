// Static controls of skinned dialogs: what the installer records, the text, bitmap and icon looks, and
// which statics are left to their own painting over the skin background.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "gdiplus/gdip_test_support.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/static_family.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

constexpr uint32_t kGreyBackground = 0x808080;

std::unique_ptr<TestCanvas> Draw(int w, int h, const StaticSnapshot& face)
{
    auto canvas = std::make_unique<TestCanvas>(w, h, kGreyBackground);
    DrawLikeAPainter(*canvas, [&](HDC dc, GdipGraphics&) { DrawStaticFace(dc, w, h, face); });
    return canvas;
}

int WidthOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r.right - r.left;
}

class StaticFamilyTest : public testing::Test {
protected:
    void SetUp() override
    {
        NativeMessages().clear();
        OnNativeMessage() = nullptr;
    }
    void TearDown() override { OnNativeMessage() = nullptr; }
};

}  // namespace

TEST_F(StaticFamilyTest, KindAlignmentAndWidthFromTheStyle)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 400, 0, false));
    struct Case {
        DWORD style;
        int kind;
        int alignment;
    } cases[] = {
        {SS_LEFT, kStaticKindText, kImageAtTopLeft},
        {SS_CENTER, kStaticKindText, kImageAtTopLeft},
        {SS_ETCHEDHORZ, kStaticKindText, kImageAtTopLeft},
        {SS_ICON, kStaticKindIcon, kImageAtTopLeft},
        {SS_ICON | SS_REALSIZECONTROL, kStaticKindIcon, kImageStretched},
        {SS_BLACKFRAME, kStaticKindIcon, kImageAtTopLeft},
        {SS_SIMPLE, kStaticKindIcon, kImageAtTopLeft},
        {SS_ENHMETAFILE, kStaticKindIcon, kImageAtTopLeft},
        {SS_BITMAP, kStaticKindBitmap, kImageAtTopLeft},
        {SS_BITMAP | SS_RIGHTJUST, kStaticKindBitmap, kImageAtBottomRight},
        {SS_BITMAP | SS_REALSIZECONTROL, kStaticKindBitmap, kImageStretched},
        {SS_BITMAP | SS_CENTERIMAGE | SS_RIGHTJUST | SS_REALSIZECONTROL, kStaticKindBitmap, kImageCentred},
    };
    std::vector<HWND> statics;
    std::vector<int> widths;
    for (size_t i = 0; i < std::size(cases); ++i) {
        statics.push_back(CreateControl(form, "Static", "", 10, 10 + 30 * static_cast<int>(i), 100, 24,
                                        cases[i].style));
        widths.push_back(WidthOf(statics.back()));
    }
    const int n = ShowSkinnedForm(form);
    EXPECT_EQ(RecordCount(FormRecord(n).statics), 0) << "forms leave their statics alone";
    const WNDPROC native = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(statics[0], GWLP_WNDPROC));
    // A dialog's installers skin its statics with 6 pixels more width; a second run changes nothing.
    RunDialogControlInstallers(n, form);
    SkinStatics(n, form, 6);
    ASSERT_EQ(RecordCount(FormRecord(n).statics), static_cast<int>(statics.size()));
    for (size_t i = 0; i < statics.size(); ++i) {
        SCOPED_TRACE(testing::Message() << std::hex << cases[i].style);
        const int index = FindStaticIndex(n, statics[i]);
        EXPECT_EQ(index, static_cast<int>(i) + 1);
        const SkinStaticRecord& record = *RecordAt(FormRecord(n).statics, index);
        EXPECT_EQ(record.kind, cases[i].kind);
        EXPECT_EQ(record.imageAlignment, cases[i].alignment);
        EXPECT_EQ(record.fontFace, "宋体");
        EXPECT_EQ(record.fontSize, 12);
        EXPECT_EQ(record.previousProc, native) << "subclassed once";
        EXPECT_EQ(WidthOf(statics[i]), widths[i] + (cases[i].kind == kStaticKindText ? 6 : 0))
            << "text statics widened once";
    }
}

TEST_F(StaticFamilyTest, TextBitmapAndIconLooks)
{
    SCOPED_TRACE("text: black with a white glow from the top left");
    StaticSnapshot text;
    text.kind = kStaticKindText;
    text.text = "测试文字";
    auto written = Draw(120, 24, text);
    RECT dark = {};
    ASSERT_TRUE(written->DarkBounds(dark, 0x30));
    EXPECT_LE(dark.left, 3);
    EXPECT_LE(dark.top, 4);
    int glow = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 120; ++x)
            glow += RedOf(written->Rgb(x, y)) > 0xA0;
    EXPECT_GT(glow, 20) << "a white halo around the text";

    SCOPED_TRACE("bitmaps by alignment");
    HBITMAP red = SolidBitmap(10, 8, RGB(255, 0, 0));
    struct Case {
        int alignment;
        POINT inside;
        POINT outside;
    } cases[] = {
        {kImageAtTopLeft, {5, 4}, {35, 25}},
        {kImageAtBottomRight, {35, 25}, {5, 4}},
        {kImageCentred, {20, 15}, {5, 4}},
        {kImageStretched, {35, 25}, {-1, -1}},
    };
    for (const Case& c : cases) {
        StaticSnapshot picture;
        picture.kind = kStaticKindBitmap;
        picture.imageAlignment = c.alignment;
        picture.picture = red;
        auto canvas = Draw(40, 30, picture);
        EXPECT_EQ(canvas->Rgb(c.inside.x, c.inside.y), 0xFF0000u) << c.alignment;
        EXPECT_EQ(canvas->Rgb(2, 2) == 0xFF0000u, c.alignment != kImageAtBottomRight && c.alignment != kImageCentred);
        if (c.outside.x >= 0) {
            EXPECT_EQ(canvas->Rgb(c.outside.x, c.outside.y), kGreyBackground) << c.alignment;
        }
    }
    // A picture larger than the control is clipped; none at all draws nothing.
    StaticSnapshot large;
    large.kind = kStaticKindBitmap;
    large.picture = red;
    EXPECT_EQ(Draw(6, 5, large)->Rgb(5, 4), 0xFF0000u);
    large.picture = nullptr;
    EXPECT_EQ(Draw(40, 30, large)->Rgb(5, 4), kGreyBackground);
    DeleteObject(red);

    SCOPED_TRACE("icons: at (0, 0), or stretched over the control");
    StaticSnapshot icon;
    icon.kind = kStaticKindIcon;
    icon.picture = LoadIcon(nullptr, IDI_APPLICATION);
    auto natural = Draw(80, 80, icon);
    icon.imageAlignment = kImageStretched;
    auto stretched = Draw(80, 80, icon);
    RECT drawn = {}, grown = {};
    auto changedBounds = [](const TestCanvas& canvas, RECT& box) {
        box = RECT{1000, 1000, -1, -1};
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                if (canvas.Rgb(x, y) != kGreyBackground) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
    };
    changedBounds(*natural, drawn);
    changedBounds(*stretched, grown);
    EXPECT_LE(drawn.right, GetSystemMetrics(SM_CXICON));
    EXPECT_LE(drawn.bottom, GetSystemMetrics(SM_CYICON));
    EXPECT_GT(grown.right, drawn.right + 20);
    EXPECT_GT(grown.bottom, drawn.bottom + 20);
}

TEST_F(StaticFamilyTest, StaticsWithNothingToShowPaintThemselvesOverTheSkin)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    struct Case {
        const char* what;
        const char* text;
        DWORD style;
        bool native;
        bool overSkin;  // into a memory context holding the skin background
    } cases[] = {
        {"text", "文字", SS_LEFT, false, false},
        {"text between spaces", " 字 ", SS_LEFT, false, false},
        {"empty text", "", SS_LEFT, true, true},
        {"ASCII spaces", "   ", SS_LEFT, true, true},
        {"full-width spaces", "　　", SS_LEFT, true, true},
        {"etched frame", "", SS_ETCHEDFRAME, true, true},
        // The system makes an etched line two pixels high with an edge around it: no client area to
        // paint over, so the message goes on as it came.
        {"etched line", "", SS_ETCHEDHORZ, true, false},
        {"black frame, no icon", "", SS_BLACKFRAME, true, true},
        // A picture place without a picture (a message box without an icon) shows the skin alone.
        {"bitmap static without a bitmap", "", SS_BITMAP, false, false},
    };
    std::vector<HWND> statics;
    for (size_t i = 0; i < std::size(cases); ++i) {
        statics.push_back(CreateControl(form, "Static", cases[i].text, 10, 10 + 30 * static_cast<int>(i), 120, 24,
                                        cases[i].style));
        RecordNativeMessages(statics.back());
    }
    const int n = ShowSkinnedForm(form);
    SkinStatics(n, form, 6);
    std::vector<bool> intoMemoryDc(statics.size(), false);
    OnNativeMessage() = [&](const NativeMessage& m) {
        for (size_t i = 0; i < statics.size(); ++i)
            if (m.window == statics[i] && m.message == WM_PAINT)
                intoMemoryDc[i] = IsMemoryDcRegistered(reinterpret_cast<HDC>(m.wParam));
    };
    NativeMessages().clear();
    const int memoryDcs = MemoryDcCount();
    for (HWND s : statics) {
        InvalidateRect(s, nullptr, TRUE);
        UpdateWindow(s);
    }
    for (size_t i = 0; i < statics.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        EXPECT_EQ(CountNative(statics[i], WM_PAINT), cases[i].native ? 1 : 0);
        EXPECT_EQ(intoMemoryDc[i], cases[i].overSkin) << "the native code paints over the skin background";
    }
    EXPECT_EQ(MemoryDcCount(), memoryDcs) << "every memory context released";
}

TEST_F(StaticFamilyTest, MessagesAndTheBrushPairTheParentHandedOut)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND label = CreateControl(form, "Static", "标签", 10, 10, 100, 24);
    HWND quiet = CreateWindowExA(WS_EX_NOPARENTNOTIFY, "Static", "安静", WS_CHILD | WS_VISIBLE, 10, 50, 100, 24, form,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    RecordNativeMessages(label);
    const int n = ShowSkinnedForm(form);
    SkinStatics(n, form, 6);
    SkinFormRecord& record = FormRecord(n);
    NativeMessages().clear();

    ExpectEraseKeepsTheBackground(label, 0x00FF00);

    // Statics have no hover; their non-client paint is the native code's.
    record.hoverKind = 4;
    record.prevHotIndex = 2;
    SendMessageA(label, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageA(label, WM_NCPAINT, 1, 0);
    EXPECT_EQ(record.hoverKind, 4);
    EXPECT_EQ(record.prevHotIndex, 2);
    EXPECT_EQ(CountNative(label, WM_MOUSEMOVE), 1);
    EXPECT_EQ(CountNative(label, WM_NCPAINT), 1);
    SetWindowTextA(label, "新标签");
    EXPECT_EQ(CountNative(label, WM_SETTEXT), 1);

    // A static deletes the pair it was handed and takes the properties off, so nothing is deleted twice.
    for (HWND s : {label, quiet}) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
        SetWindowProp(s, kPropKjCtlBrush, reinterpret_cast<LONG_PTR>(brush));
        SetWindowProp(s, kPropKjCtlBitmap, reinterpret_cast<LONG_PTR>(bitmap));
        DestroyWindow(s);
        EXPECT_EQ(GetObjectType(brush), 0u);
        EXPECT_EQ(GetObjectType(bitmap), 0u);
    }
}
