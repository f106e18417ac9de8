// The drawing board's costs: one animation frame of a 100 x 100 GIF (the patch copied, the frame
// drawn over it, the result copied to the window) and a full recomposition of a 400 x 300 board with
// glow, tiled picture, gradient, border and ten elements.
#include <windows.h>

#include <cstdio>

#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/core/benchmark_timing.h"
#include "skin/core/engine_startup.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/skin_canvas.h"
#include "skin/custom/skin_canvas_painting.h"

int main()
{
    InitSkinEngine();
    HWND form = CreateTestForm(40, 40, 460, 360);
    const int n = SkinTestForm(form);
    PaintTestFrame(n);
    HWND host = CreateBarHost(form, 20, 30, 400, 300);
    SkinCanvas board;
    board.Attach(host, 1, 15, 1, 0, SolidPng(64, 64, 0x60FFFFFF), 4);
    board.SetGlow(15, 8, 0x00A0FF, 200);
    board.SetGradient(5, 0xFFFFFF, 120, 0xF0C080, 60);
    for (int i = 0; i < 5; ++i)
        board.AddImage(SolidPng(32, 32, 0xFF3070C0), 20 + 70 * i, 20);
    for (int i = 0; i < 5; ++i) {
        CanvasTextOptions text;
        text.x = 20;
        text.y = 80 + 36 * i;
        text.fontSize = 14;
        text.halo = i == 1;
        text.glow = i == 2;
        text.width = i == 2 ? 200 : text.width;
        text.height = i == 2 ? 24 : text.height;
        board.AddText("宝宝起名 画板的文字元素", text);
    }
    UpdateWindow(host);
    const Timing recomposition = Measure(20, [&] { PaintSkinCanvas(host); });

    AnimationPlayback playback;
    playback.window = host;
    playback.rect = RECT{250, 150, 350, 250};
    playback.patch = CreateMemoryDC(100, 100);
    BitBlt(playback.patch, 0, 0, 100, 100, board.GetBackgroundDC(), 250, 150, SRCCOPY);
    playback.patchReady = true;
    GdipImage gif;
    gif.LoadImageFromStream(MakeAnimatedGif(100, 100, {0xFF0000, 0x00FF00, 0x0000FF}, {10, 10, 10}));
    HDC frameDc = CreateMemoryDC(100, 100);
    int frame = 0;
    const Timing step = Measure(60, [&] {
        gif.ImageSelectActiveFrame(kFrameDimensionTime, frame);
        frame = (frame + 1) % 3;
        ShowAnimationFrame(playback, gif, frameDc);
    });

    std::printf("Drawing board:\n");
    std::printf("  animation frame of a 100 x 100 GIF (copy, draw, blit): median %.2f ms, worst %.2f ms of 60"
                " (target: under 16 ms)\n",
                step.median, step.worst);
    std::printf("  full recomposition of a 400 x 300 board, all layers and ten elements: median %.1f ms, worst"
                " %.1f ms of 20 (target: under 50 ms)\n",
                recomposition.median, recomposition.worst);
    ReleaseMemoryDC(frameDc);
    ReleaseMemoryDC(playback.patch);
    DestroyWindow(form);
    ShutdownGdiplus(g_gdiplusToken);
    return 0;
}
