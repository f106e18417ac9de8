// PaintFormFrame of an 800 x 600 skinned form with picture, tint, title, three caption buttons and
// three status segments: mean and worst of 50 paints. Repainting the same size reuses the frame's
// pictures and the drawn background picture; a paint after a resize rebuilds them, so it is measured
// as well, each of its 50 paints at a size not painted before.
#include <windows.h>

#include <cstdio>

#include "skin/core/benchmark_timing.h"
#include "skin/core/engine_startup.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_test_support.h"
#include "skin/core/frame_painting.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

constexpr int kPaints = 50;

}  // namespace

int main()
{
    InitSkinEngine();
    g_firstFormSize = false;
    g_skinBaseColour = RGB(0x3C, 0x8C, 0xC8);
    HWND window = CreateFrameForm(40, 40, 800, 600, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false);
    SetWindowTextA(window, "宝宝起名 - 起名测名");
    SkinForm(window, ProgramLikeOptions());
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    const int n = FindSkinnedWindow(window);

    const auto paint = [n] { PaintFormFrame(n, true); };
    const Timing same = Measure(kPaints, paint);
    int width = 760;
    const Timing resized = Measure(kPaints, paint, [&] {
        SetWindowPos(window, nullptr, 0, 0, width++, 600, SWP_NOMOVE | SWP_NOZORDER);
    });
    std::printf("PaintFormFrame, 800 x 600 form with picture, tint, title, 3 caption buttons, 3 status segments:\n");
    std::printf("  mean %.1f ms, worst %.1f ms of %d paints (target: under 30 ms)\n", same.mean, same.worst, kPaints);
    std::printf("  after a resize (760 to 809 x 600): mean %.1f ms, worst %.1f ms of %d paints (no target set: a new size\n"
                "  also makes new frame pictures and a new window region)\n",
                resized.mean, resized.worst, kPaints);
    DestroyWindow(window);
    ShutdownGdiplus(g_gdiplusToken);
    return 0;
}
