// The drawing board's record, attach and detach, window procedure, setters and elements, on boards of
// skinned test forms.
#include <gtest/gtest.h>

#include <random>

#include "gdiplus/gdip_test_support.h"
#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/skin_canvas_painting.h"
#include "skin/custom/skin_canvas_test_support.h"

namespace {

const RECT kBoard = {30, 40, 230, 140};  // 200 x 100

struct BoardFixture {
    BarTestForm f = MakeBarTestForm(300, 200, kBoard);
    ScopedWindow form{f.form};
    SkinCanvas board;
};

// The procedure a board replaces: records what reaches it and answers WM_MOVE with 77.
std::vector<UINT>& PassedOn()
{
    static std::vector<UINT> messages;
    return messages;
}

WNDPROC g_hostProc = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PassedOn().push_back(message);
    if (message == WM_MOVE)
        return 77;
    return CallWindowProcA(g_hostProc, window, message, wParam, lParam);
}

int CountPassed(UINT message)
{
    int n = 0;
    for (UINT m : PassedOn())
        n += m == message;
    return n;
}

uint32_t KeptPixel(const SkinCanvas& board, int x, int y)
{
    return PixelRgb(board.GetBackgroundDC(), x, y);
}

uint32_t WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const uint32_t c = PixelRgb(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

}  // namespace

TEST(SkinCanvasTest, AttachStoresTheDefaultsAndTheFirstPaintComposes)
{
    BoardFixture t;
    ASSERT_EQ(t.board.Attach(t.f.host), 1);
    const SkinCanvasRecord* r = FindSkinCanvas(t.f.host);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->shape, 1);
    EXPECT_EQ(r->glowEdges, 0);
    EXPECT_EQ(r->glowWidth, 6);
    EXPECT_EQ(r->glowAlpha, 255);
    EXPECT_EQ(r->border, 0);
    EXPECT_EQ(r->borderAlpha, 150);
    EXPECT_EQ(r->gradientMode, 0);
    EXPECT_EQ(r->gradientColour1, 0xFFFFFFu);
    EXPECT_EQ(r->gradientAlpha2, 120);
    EXPECT_TRUE(r->dirty);
    EXPECT_FALSE(r->hostsChildren);
    EXPECT_EQ(r->clientWidth, 200);
    EXPECT_EQ(r->clientHeight, 100);
    EXPECT_EQ(GetWindowPropNumber(t.f.host, kPropHwFormNumber), t.f.number);
    EXPECT_EQ(t.board.GetWindow(), t.f.host);
    EXPECT_EQ(t.board.GetBackgroundDC(), nullptr) << "nothing is composed before the first paint";

    UpdateWindow(t.f.host);
    HDC kept = t.board.GetBackgroundDC();
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(GetWindowPropHandle<HDC>(t.f.host, kPropCanvasBackgroundDc), kept);
    EXPECT_FALSE(r->dirty);
    // The rounded shape only clips a picture, and none is set: the form's background shows unchanged.
    for (POINT p : {POINT{0, 0}, POINT{100, 50}, POINT{199, 99}}) {
        EXPECT_EQ(KeptPixel(t.board, p.x, p.y), FormPatternAt(kBoard, p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(WindowPixel(t.f.host, p.x, p.y), FormPatternAt(kBoard, p.x, p.y));
    }
}

TEST(SkinCanvasTest, DestroyingABoardRenumbersTheNextAndTheObjectStillReachesIt)
{
    BarTestForm f = MakeBarTestForm(300, 200, kBoard);
    ScopedWindow form(f.form);
    HWND second = CreateBarHost(f.form, 10, 150, 100, 30);
    const int before = RecordCount(g_skinCanvases);
    SkinCanvas first;
    ASSERT_EQ(first.Attach(f.host), before + 1);
    ASSERT_EQ(g_skinCanvas.Attach(second), before + 2);
    const int memoryDcs = MemoryDcCount();
    UpdateWindow(f.host);
    UpdateWindow(second);
    DestroyWindow(f.host);
    EXPECT_EQ(RecordCount(g_skinCanvases), before + 1);
    EXPECT_EQ(GetWindowPropNumber(second, kPropCanvasIndex), before + 1);
    EXPECT_EQ(g_skinCanvas.GetImageCount(), 0);
    EXPECT_EQ(first.GetImageCount(), -1) << "the destroyed board's object";
    EXPECT_EQ(MemoryDcCount(), memoryDcs + 1) << "the destroyed board released its picture";
}

TEST(SkinCanvasTest, OperationsWithoutABoardGiveTheirFailureValues)
{
    SkinCanvas never;
    BarTestForm f = MakeBarTestForm(300, 200, kBoard);
    ScopedWindow form(f.form);
    SkinCanvas gone;
    gone.Attach(f.host);
    DestroyWindow(f.host);
    for (const SkinCanvas* c : {&never, &gone}) {
        EXPECT_FALSE(c->SetGradient(1));
        EXPECT_FALSE(c->SetGlow(15, 6, 0, 255));
        EXPECT_FALSE(c->Refresh());
        EXPECT_FALSE(c->SetBorderColour(0));
        EXPECT_FALSE(c->SetMouseEnterCallback(RecordEnter));
        EXPECT_FALSE(c->SetBackgroundImage(SolidPng(4, 4, 0xFF000000)));
        EXPECT_EQ(c->AddAnimatedImage(MakeAnimatedGif(4, 4, {0xFF0000}, {10}), 0, 0), -1);
        EXPECT_FALSE(c->MoveAnimatedImage(1));
        EXPECT_FALSE(c->StopAnimation());
        EXPECT_FALSE(c->PlayAnimation());
        EXPECT_EQ(c->AddImage(SolidPng(4, 4, 0xFF000000), 0, 0), 0);
        EXPECT_EQ(c->RedrawImage(1), 0);
        EXPECT_EQ(c->ModifyImage(1, std::nullopt, 5), 0);
        EXPECT_EQ(c->GetImageCount(), -1);
        EXPECT_EQ(c->AddText("字"), -1);
        EXPECT_EQ(c->GetTextCount(), -1);
        EXPECT_EQ(c->GetText(), "");
        EXPECT_EQ(c->RedrawText(1), 0);
        EXPECT_EQ(c->ModifyText(1), 0);
        EXPECT_EQ(c->GetImageWidth(1), 0);
        EXPECT_EQ(c->GetBackgroundDC(), nullptr);
    }
    EXPECT_EQ(never.GetWindow(), nullptr);
    EXPECT_EQ(gone.GetWindow(), f.host) << "the stored handle, whatever it designates now";
    EXPECT_FALSE(InvalidateSkinCanvas(f.form));
    EXPECT_FALSE(RecomposeCanvasRect(f.form, RECT{0, 0, 5, 5}));
}

TEST(SkinCanvasTest, WhatReachesThePreviousProcedure)
{
    BoardFixture t;
    g_hostProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(t.f.host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    ASSERT_GT(t.board.Attach(t.f.host), 0);
    UpdateWindow(t.f.host);
    struct Case {
        UINT message;
        bool passedOn;
        LRESULT result;  // checked when not -1
    };
    const Case cases[] = {
        {WM_MOVE, true, 77},          {WM_SIZE, true, -1},          {WM_MOUSEMOVE, true, -1},
        {WM_MOUSEHOVER, true, -1},    {WM_MOUSELEAVE, true, -1},    {WM_LBUTTONDOWN, true, -1},
        {WM_LBUTTONUP, true, -1},     {WM_TIMER, true, -1},         {WM_MOUSEWHEEL, true, -1},
        {WM_ERASEBKGND, false, 1},    {WM_PAINT, false, -1},
    };
    for (const Case& c : cases) {
        PassedOn().clear();
        WPARAM wParam = 0;
        HDC dc = nullptr;
        if (c.message == WM_ERASEBKGND) {
            dc = GetDC(t.f.host);
            wParam = reinterpret_cast<WPARAM>(dc);
        }
        const LRESULT result = SendMessageA(t.f.host, c.message, wParam, 0);
        EXPECT_EQ(CountPassed(c.message), c.passedOn ? 1 : 0) << std::hex << c.message;
        if (c.result != -1) {
            EXPECT_EQ(result, c.result) << std::hex << c.message;
        }
        if (dc) {
            EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
            ReleaseDC(t.f.host, dc);
        }
    }
    // WM_MOVE marks the board dirty after passing the message on.
    SendMessageA(t.f.host, WM_MOVE, 0, 0);
    EXPECT_TRUE(FindSkinCanvas(t.f.host)->dirty);
    // The buttons' flag.
    SendMessageA(t.f.host, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_TRUE(FindSkinCanvas(t.f.host)->buttonDown);
    SendMessageA(t.f.host, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(FindSkinCanvas(t.f.host)->buttonDown);
    DestroyWindow(t.f.host);
    EXPECT_EQ(GetWindowLongPtrA(t.f.host, GWLP_WNDPROC), 0) << "the window is gone";
}

TEST(SkinCanvasTest, ACleanPaintOnlyCopiesTheKeptPicture)
{
    BoardFixture t;
    ASSERT_GT(t.board.Attach(t.f.host), 0);
    UpdateWindow(t.f.host);
    HDC kept = t.board.GetBackgroundDC();
    SetPixel(kept, 150, 60, RGB(1, 2, 3));
    InvalidateRect(t.f.host, nullptr, FALSE);
    UpdateWindow(t.f.host);
    EXPECT_EQ(t.board.GetBackgroundDC(), kept);
    EXPECT_EQ(WindowPixel(t.f.host, 150, 60), 0x010203u);
    EXPECT_EQ(PixelRgb(FormRecord(t.f.number).backBufferDc, kBoard.left + 150, kBoard.top + 60), 0x010203u)
        << "the copy refreshes the form's back buffer";
    // The form's background changed: the next paint composes afresh.
    FindSkinCanvas(t.f.host)->formDirty = true;
    InvalidateRect(t.f.host, nullptr, FALSE);
    UpdateWindow(t.f.host);
    EXPECT_EQ(KeptPixel(t.board, 150, 60), FormPatternAt(kBoard, 150, 60));
    EXPECT_FALSE(FindSkinCanvas(t.f.host)->formDirty);
}

TEST(SkinCanvasTest, SettersStoreAndOnlySomeRequestARepaint)
{
    BoardFixture t;
    ASSERT_GT(t.board.Attach(t.f.host, 0, 0, 1), 0);
    UpdateWindow(t.f.host);
    SkinCanvasRecord* r = FindSkinCanvas(t.f.host);

    // A gradient with only the mode given keeps the white veils of alpha 120, and shows at the refresh.
    EXPECT_TRUE(t.board.SetGradient(1));
    EXPECT_EQ(r->gradientColour1, 0xFFFFFFu);
    EXPECT_EQ(r->gradientAlpha1, 120);
    EXPECT_FALSE(r->dirty);
    UpdateWindow(t.f.host);
    EXPECT_EQ(KeptPixel(t.board, 100, 50), FormPatternAt(kBoard, 100, 50));
    EXPECT_TRUE(t.board.Refresh());
    UpdateWindow(t.f.host);
    EXPECT_TRUE(RgbNear(KeptPixel(t.board, 100, 50), Blend(FormPatternAt(kBoard, 100, 50), 0xFFFFFF, 120), 3));
    EXPECT_TRUE(t.board.SetGradient(std::nullopt, std::nullopt, 0x1AB));
    EXPECT_EQ(r->gradientAlpha1, 0xAB) << "an alpha keeps its low byte";

    // A border alpha of 0x1FF is kept whole and drawn opaque.
    EXPECT_TRUE(t.board.SetBorderColour(0x0000FF, 0x1FF));
    EXPECT_EQ(r->borderAlpha, 0x1FF);
    EXPECT_FALSE(r->dirty);
    t.board.SetGradient(0);
    t.board.Refresh();
    UpdateWindow(t.f.host);
    EXPECT_EQ(KeptPixel(t.board, 0, 50), 0xFF0000u) << "outer line, opaque red";
    EXPECT_TRUE(RgbNear(KeptPixel(t.board, 1, 50), Blend(FormPatternAt(kBoard, 1, 50), 0xFFFFFF, 120), 3))
        << "inner line, white at 120";

    EXPECT_TRUE(t.board.SetGlow(15, 8, 0x00FF00, 0x180));
    EXPECT_EQ(r->glowWidth, 8);
    EXPECT_EQ(r->glowAlpha, 0x180) << "kept as given";
    EXPECT_TRUE(r->dirty);

    // A picture set without a mode is drawn at its own size.
    t.board.SetBackgroundImage(SolidPng(10, 10, 0xFF0000FF), 3);
    EXPECT_EQ(r->imageMode, 3);
    t.board.SetGlow(0, 6, 0, 255);
    EXPECT_TRUE(t.board.SetBackgroundImage(SolidPng(10, 10, 0xFF0000FF)));
    EXPECT_EQ(r->imageMode, 0);
    UpdateWindow(t.f.host);
    EXPECT_EQ(KeptPixel(t.board, 5, 5), 0x0000FFu);
    EXPECT_EQ(KeptPixel(t.board, 50, 50), FormPatternAt(kBoard, 50, 50));
}

TEST(SkinCanvasTest, TheMouseRestingAndLeavingCallTheHandlersOnce)
{
    BoardFixture t;
    ASSERT_GT(t.board.Attach(t.f.host), 0);
    RecordedEnters().clear();
    RecordedLeaves().clear();
    t.board.SetMouseEnterCallback(RecordEnter);
    t.board.SetMouseLeaveCallback(RecordLeave);
    const int self = static_cast<int>(reinterpret_cast<INT_PTR>(t.f.host));
    SendMessageA(t.f.host, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(t.f.host, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    SendMessageA(t.f.host, WM_MOUSEMOVE, 0, MAKELPARAM(9, 9));
    EXPECT_EQ(RecordedEnters(), std::vector<int>{self});
    EXPECT_TRUE(FindSkinCanvas(t.f.host)->hovering);
    SendMessageA(t.f.host, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(RecordedLeaves(), std::vector<int>{self});
    EXPECT_FALSE(FindSkinCanvas(t.f.host)->hovering);
}

// A picture element with a JPEG header and noise after it (which the platform's decoder reads past):
// the board is drawn, the element's place shows the background.
TEST(SkinCanvasTest, ADamagedPictureElementShowsNothing)
{
    BoardFixture t;
    ASSERT_GT(t.board.Attach(t.f.host, 0), 0);
    std::mt19937 random(25);
    std::string damaged("\xFF\xD8\xFF\xE0\x00\x10\x4A\x46\x49\x46\x00", 11);
    for (int i = 0; i < 3000; ++i)
        damaged += static_cast<char>(random() & 0xFF);
    t.board.AddImage(damaged, 10, 20, 40, 30, true);
    UpdateWindow(t.f.host);
    EXPECT_EQ(KeptPixel(t.board, 20, 30), FormPatternAt(kBoard, 20, 30));
    EXPECT_EQ(WindowPixel(t.f.host, 20, 30), FormPatternAt(kBoard, 20, 30));
}

TEST(SkinCanvasTest, ElementsAddModifyRedrawAndRead)
{
    BoardFixture t;
    ASSERT_GT(t.board.Attach(t.f.host, 0), 0);
    EXPECT_EQ(t.board.GetImageCount(), 0);
    EXPECT_EQ(t.board.GetTextCount(), 0);
    EXPECT_EQ(t.board.GetText(), "");
    EXPECT_EQ(t.board.AddImage("", 0, 0), 0) << "empty picture bytes";
    EXPECT_EQ(t.board.GetImageCount(), 0);

    // Added before the first paint: drawn with it.
    EXPECT_EQ(t.board.AddImage(SolidPng(32, 16, 0xFFFF0000), 10, 20, std::nullopt, std::nullopt, true), 1);
    EXPECT_EQ(t.board.GetImageWidth(1), 32);
    EXPECT_EQ(t.board.GetImageHeight(1), 16);
    EXPECT_EQ(t.board.GetImageLeft(1), 10);
    EXPECT_EQ(t.board.GetImageTop(1), 20);
    EXPECT_EQ(t.board.GetBackgroundDC(), nullptr) << "a redraw before the first composition draws nothing";
    UpdateWindow(t.f.host);
    EXPECT_EQ(KeptPixel(t.board, 12, 22), 0xFF0000u);

    // Without draw-now the window changes at the next full paint only.
    EXPECT_EQ(t.board.AddImage(SolidPng(8, 8, 0xFF00FF00), 100, 20), 2);
    EXPECT_EQ(WindowPixel(t.f.host, 102, 22), FormPatternAt(kBoard, 102, 22));
    EXPECT_EQ(t.board.RedrawImage(2), 1);
    EXPECT_EQ(WindowPixel(t.f.host, 102, 22), 0x00FF00u);

    // Moved by x only: the old place shows the background, the size stays.
    EXPECT_EQ(t.board.ModifyImage(1, std::nullopt, 150), 1);
    EXPECT_EQ(KeptPixel(t.board, 12, 22), FormPatternAt(kBoard, 12, 22));
    EXPECT_EQ(WindowPixel(t.f.host, 12, 22), FormPatternAt(kBoard, 12, 22));
    EXPECT_EQ(KeptPixel(t.board, 152, 22), 0xFF0000u);
    EXPECT_EQ(t.board.GetImageWidth(1), 32);
    // A new picture only: stretched into the old size.
    EXPECT_EQ(t.board.ModifyImage(1, SolidPng(4, 4, 0xFF0000FF)), 1);
    EXPECT_EQ(t.board.GetImageWidth(1), 32);
    EXPECT_EQ(KeptPixel(t.board, 165, 27), 0x0000FFu);

    // A text with only its content: the defaults, a measured width, 17 high; nothing drawn.
    EXPECT_EQ(t.board.AddText("国国"), 1);
    const CanvasTextElement* text = RecordAt(FindSkinCanvas(t.f.host)->textElements, 1);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->fontName, "宋体");
    EXPECT_EQ(text->fontSize, 12);
    EXPECT_EQ(text->textColour, 0u);
    EXPECT_TRUE(text->wrap);
    EXPECT_FALSE(text->haloText || text->glowText || text->ellipsis);
    EXPECT_EQ(text->rect.left, 0);
    EXPECT_EQ(text->rect.top, 0);
    EXPECT_GT(text->rect.right, 12);
    EXPECT_EQ(text->rect.bottom, 17);
    const RECT textArea = {0, 0, text->rect.right, 17};
    EXPECT_EQ(CountPatternChanges(t.board.GetBackgroundDC(), textArea, kBoard), 0) << "AddText draws nothing";
    EXPECT_EQ(t.board.RedrawText(1), 1);
    const int once = CountPatternChanges(t.board.GetBackgroundDC(), textArea, kBoard);
    EXPECT_GT(once, 0);
    EXPECT_EQ(t.board.RedrawText(1), 1);
    EXPECT_EQ(CountPatternChanges(t.board.GetBackgroundDC(), textArea, kBoard), once) << "redrawn over a renewed background";
    EXPECT_EQ(t.board.GetText(), "国国");

    // A new colour only: the size is worked out again from the text and font as they stand.
    CanvasTextOptions wider;
    wider.width = 150;
    wider.height = 40;
    EXPECT_EQ(t.board.ModifyText(1, wider), 1);
    EXPECT_EQ(text->rect.right, 150);
    CanvasTextOptions colour;
    colour.textColour = 0x0000FF;
    EXPECT_EQ(t.board.ModifyText(1, colour), 1);
    EXPECT_EQ(text->rect.right, textArea.right);
    EXPECT_EQ(text->rect.bottom, 17);
    EXPECT_EQ(text->textColour, 0x0000FFu);

    // Out of range: element 0 and count + 1.
    for (int bad : {0, 2}) {
        EXPECT_EQ(t.board.RedrawText(bad), 0);
        EXPECT_EQ(t.board.ModifyText(bad, colour), 0);
        EXPECT_EQ(t.board.GetText(bad), "");
    }
    for (int bad : {0, 3}) {
        EXPECT_EQ(t.board.RedrawImage(bad), 0);
        EXPECT_EQ(t.board.ModifyImage(bad, std::nullopt, 1), 0);
        EXPECT_EQ(t.board.GetImageLeft(bad), 0);
        EXPECT_EQ(t.board.GetImageHeight(bad), 0);
    }
    // Undecodable bytes are kept, 0 x 0 without a size, and draw nothing.
    EXPECT_EQ(t.board.AddImage("not a picture", 5, 5), 3);
    EXPECT_EQ(t.board.GetImageWidth(3), 0);
}

TEST(SkinCanvasTest, RecomposingARectangleRenewsTheKeptPictureAndOnlyWithTheBlitTheWindow)
{
    BoardFixture t;
    ASSERT_GT(t.board.Attach(t.f.host, 0), 0);
    t.board.AddImage(SolidPng(20, 20, 0xFFFF0000), 10, 10);
    UpdateWindow(t.f.host);
    ASSERT_EQ(KeptPixel(t.board, 15, 15), 0xFF0000u);
    EXPECT_TRUE(RecomposeCanvasRect(t.f.host, RECT{10, 10, 30, 30}));
    EXPECT_EQ(KeptPixel(t.board, 15, 15), FormPatternAt(kBoard, 15, 15));
    EXPECT_EQ(WindowPixel(t.f.host, 15, 15), 0xFF0000u) << "no blit: the window keeps the element";
    EXPECT_TRUE(RecomposeCanvasRect(t.f.host, RECT{10, 10, 30, 30}, true));
    EXPECT_EQ(WindowPixel(t.f.host, 15, 15), FormPatternAt(kBoard, 15, 15));
}

TEST(SkinCanvasTest, ABoardNoSkinnedFormOwnsComposesOverAPlainContext)
{
    ScopedWindow plain(CreateTestForm(20, 20, 200, 100));
    HWND host = CreateBarHost(plain, 10, 10, 120, 60);
    SkinCanvas board;
    ASSERT_GT(board.Attach(host, 0, 0, 1), 0);
    EXPECT_EQ(GetWindowPropNumber(host, kPropHwFormNumber), 0);
    board.SetBorderColour(0x00FF00, 255);
    board.AddText("国", CanvasTextOptions());
    UpdateWindow(host);
    ASSERT_NE(board.GetBackgroundDC(), nullptr);
    EXPECT_EQ(KeptPixel(board, 0, 30), 0x00FF00u);
    EXPECT_EQ(board.RedrawText(1), 1);
    const int memoryDcs = MemoryDcCount();
    DestroyWindow(host);
    EXPECT_EQ(MemoryDcCount(), memoryDcs - 1);
}

TEST(SkinCanvasTest, AHostingBoardSkinsItsChildrenWhichTakeTheirBackgroundFromIt)
{
    BarTestForm f = MakeBarTestForm(300, 200, kBoard);
    ScopedWindow form(f.form);
    HWND button = CreateTestChild(f.host, "Button", 10, 10, 80, 26, BS_PUSHBUTTON);
    HWND inner = CreateBarHost(f.host, 100, 40, 90, 50);
    HWND innerButton = CreateTestChild(inner, "Button", 5, 5, 60, 24, BS_PUSHBUTTON);
    const size_t containers = FormRecord(f.number).containers.size();
    SkinCanvas outer;
    ASSERT_GT(outer.Attach(f.host, 0), 0);
    const SkinCanvasRecord* r = FindSkinCanvas(f.host);
    EXPECT_TRUE(r->hostsChildren);
    EXPECT_EQ(GetWindowPropNumber(f.host, kPropCanvasHostsChildren), 1);
    EXPECT_EQ(GetWindowProp(f.host, kPropHostCanvas), 0) << "no board above it hosts";
    EXPECT_GT(FindContainerIndex(f.number, f.host), 0);
    EXPECT_NE(GetWindowProp(button, kPropHwProc) | GetWindowProp(button, kPropKjProc), 0) << "the button is skinned";
    EXPECT_EQ(GetWindowLongPtrA(f.host, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SkinCanvasWindowProcEntry))
        << "the board sees every message before the container layer";
    SkinCanvas nested;
    ASSERT_GT(nested.Attach(inner, 0), 0);
    EXPECT_EQ(GetWindowPropHandle<HWND>(inner, kPropHostCanvas), f.host);
    EXPECT_NE(GetWindowProp(innerButton, kPropHwProc) | GetWindowProp(innerButton, kPropKjProc), 0);

    // The hosted button's background is the board's picture: here an opaque red gradient.
    outer.SetGradient(1, 0x0000FF, 255, 0x0000FF, 255);
    outer.Refresh();
    UpdateWindow(f.host);
    HDC behind = CreateBackgroundDC(button, RECT{0, 0, 10, 10});
    ASSERT_NE(behind, nullptr);
    EXPECT_EQ(PixelRgb(behind, 5, 5), 0xFF0000u);
    ReleaseMemoryDC(behind);

    DestroyWindow(f.host);
    EXPECT_EQ(FormRecord(f.number).containers.size(), containers) << "the hosting boards' container records go";
    EXPECT_EQ(FindSkinCanvas(inner), nullptr);
}

TEST(SkinCanvasTest, NoHostingWithoutChildrenOrWithChildSkinningOff)
{
    BarTestForm f = MakeBarTestForm(300, 200, kBoard);
    ScopedWindow form(f.form);
    SkinCanvas empty;
    ASSERT_GT(empty.Attach(f.host), 0);
    EXPECT_FALSE(FindSkinCanvas(f.host)->hostsChildren);
    EXPECT_EQ(FindContainerIndex(f.number, f.host), 0);

    HWND second = CreateBarHost(f.form, 10, 150, 100, 40);
    CreateTestChild(second, "Button", 5, 5, 60, 24, BS_PUSHBUTTON);
    g_skinChildControls = false;
    SkinCanvas off;
    off.Attach(second);
    g_skinChildControls = true;
    EXPECT_FALSE(FindSkinCanvas(second)->hostsChildren);
    EXPECT_EQ(GetWindowProp(second, kPropCanvasHostsChildren), 0);
    EXPECT_EQ(FindContainerIndex(f.number, second), 0);
}
