// The drawing board as a person meets it: the real mouse coming to rest on a board and leaving it,
// and a screenshot of boards of every shape on a skinned form.
#include <gtest/gtest.h>

#include "skin/custom/nav_bar_test_support.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/skin_canvas_test_support.h"

TEST(SkinCanvasScreenTest, RealMouseRestingAndLeavingCallTheHandlers)
{
    BarTestForm f = MakeBarTestForm(400, 200, RECT{40, 40, 240, 140});
    ScopedWindow form(f.form);
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form);
    PumpUntil([&] { return GetForegroundWindow() == form.get(); }, 1000);
    SkinCanvas board;
    ASSERT_GT(board.Attach(f.host), 0);
    board.SetMouseEnterCallback(RecordEnter);
    board.SetMouseLeaveCallback(RecordLeave);
    UpdateWindow(f.host);
    RecordedEnters().clear();
    RecordedLeaves().clear();
    const int self = static_cast<int>(reinterpret_cast<INT_PTR>(f.host));

    MoveMouseOver(form, 350, 180);
    PumpUntil([] { return false; }, 50);
    MoveMouseOver(f.host, 100, 50);
    ASSERT_TRUE(PumpUntil([] { return !RecordedEnters().empty(); }, 3000, [&] { MoveMouseOver(f.host, 101, 50); }));
    EXPECT_EQ(RecordedEnters().front(), self);
    // Moving on inside the board is checked with posted messages (SkinCanvasTest): under Wine a real
    // mouse moving inside a window whose hover was delivered can bring a WM_MOUSELEAVE.
    EXPECT_EQ(RecordedEnters().size(), 1u);
    RecordedLeaves().clear();
    RecordedEnters().clear();

    MoveMouseOver(form, 350, 180);
    ASSERT_TRUE(PumpUntil([] { return !RecordedLeaves().empty(); }, 3000, [&] { MoveMouseOver(form, 351, 180); }));
    EXPECT_EQ(RecordedLeaves(), std::vector<int>{self});
    EXPECT_FALSE(FindSkinCanvas(f.host)->hovering);

    // Back again: the tracking is armed anew and the enter handler fires again.
    RecordedEnters().clear();
    MoveMouseOver(f.host, 60, 30);
    EXPECT_TRUE(PumpUntil([] { return !RecordedEnters().empty(); }, 3000, [&] { MoveMouseOver(f.host, 61, 30); }));
    EXPECT_EQ(RecordedEnters().front(), self);
    MoveMouseOver(form, 350, 180);
    PumpUntil([&] { return !FindSkinCanvas(f.host)->hovering; }, 1000, [&] { MoveMouseOver(form, 351, 180); });
}

TEST(SkinCanvasScreenTest, BoardsOfEveryShapeScreenshot)
{
    SetSkinOptions(true, 0);
    g_firstFormSize = false;
    ScopedWindow window(CreateFrameForm(30, 30, 760, 420, WS_MINIMIZEBOX, false));
    SetWindowTextA(window, "画板");
    SkinFormOptions options;
    options.captionHeight = 120;
    options.frameEnabled = 1;
    options.statusHeight = 5;
    options.backgroundImage = ProgramPicture("builtin_skin.jpg");
    options.imageMode = 1;
    SkinForm(window, options);

    // A rounded board with glow on all edges, border, gradient, a tiled picture, three texts, an
    // animation and a skinned button that it hosts.
    HWND rounded = CreateBarHost(window, 20, 40, 300, 170);
    HWND button = CreateTestChild(rounded, "Button", 180, 20, 90, 28, BS_PUSHBUTTON);
    SetWindowTextA(button, "生成");
    SkinCanvas a;
    a.Attach(rounded, 1, 15, 1, 0, SolidPng(8, 8, 0x30FFFFFF), 4);
    a.SetGlow(15, 8, 0x00A0FF, 200);
    a.SetGradient(1, 0xFFFFFF, 160, 0xF0C080, 90);
    a.SetBorderColour(0x804020, 200);
    a.AddImage(SolidPng(40, 40, 0xFF3070C0), 20, 20);
    CanvasTextOptions plain;
    plain.x = 70;
    plain.y = 22;
    plain.fontSize = 14;
    a.AddText("宝宝起名 画板", plain);
    CanvasTextOptions halo = plain;
    halo.y = 50;
    halo.halo = true;
    halo.textColour = 0x202020;
    halo.haloColour = 0xFFFFFF;
    a.AddText("光晕文字", halo);
    CanvasTextOptions glow = plain;
    glow.y = 80;
    glow.glow = true;
    glow.textColour = 0xFFFFFF;
    glow.haloColour = 0x000080;
    glow.width = 120;
    glow.height = 24;
    a.AddText("发光文字", glow);
    a.AddAnimatedImage(MakeAnimatedGif(40, 40, {0x40C040, 0xC04040}, {50, 50}), 230, 110);

    // An ellipse with a ring of glow and a stretched picture; a plain rectangle with a left glow;
    // the two divider strips.
    HWND ellipse = CreateBarHost(window, 340, 40, 200, 120);
    SkinCanvas b;
    b.Attach(ellipse, 4, 15, 1, 0, SolidPng(4, 4, 0xFFE0A040), 3);
    b.SetGlow(15, 10, 0xFF8000, 255);
    HWND rectangle = CreateBarHost(window, 560, 40, 170, 120);
    SkinCanvas c;
    c.Attach(rectangle, 0, 4, 1);
    c.SetGlow(4, 10, 0x0000FF, 255);
    c.SetGradient(5, 0xFFFFFF, 40, 0x0080FF, 200);
    HWND horizontal = CreateBarHost(window, 20, 230, 710, 25);
    SkinCanvas d;
    d.Attach(horizontal, 2, 0, 0, 0x000000);
    HWND vertical = CreateBarHost(window, 370, 270, 25, 120);
    SkinCanvas e;
    e.Attach(vertical, 3, 0, 0, 0x0000A0);

    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    for (HWND board : {rounded, ellipse, rectangle, horizontal, vertical})
        UpdateWindow(board);
    UpdateWindow(button);
    EXPECT_TRUE(FindSkinCanvas(rounded)->hostsChildren);
    ASSERT_TRUE(PumpUntil([&] {
        const AnimatedImageItem* item = RecordAt(FindSkinCanvas(rounded)->animatedImages, 1);
        return item->playback && item->playback->framesShown > 0;
    }));
    EXPECT_FALSE(SaveWindowScreenshot(window, "drawing-board.png").empty());
    SetSkinOptions(true);
}
