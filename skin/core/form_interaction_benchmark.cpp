// An 800 x 600 skinned form as the program's windows make one: a WM_PAINT while the frame is clean (a
// copy of the frame picture) and one step of the caption-button hover fade (one button lighting up,
// another going dark): mean and worst; how many messages a second its procedure passes on.
#include <windows.h>

#include <cstdio>

#include "skin/core/benchmark_timing.h"
#include "skin/core/engine_startup.h"
#include "skin/core/form_caption_mouse.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_test_support.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

int main()
{
    InitSkinEngine();
    g_firstFormSize = false;
    HWND window = ShowProgramLikeForm(800, 600, "宝宝起名 - 起名测名");
    SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
    constexpr int kRuns = 100;

    const Timing paint = Measure(kRuns, [&] { UpdateWindow(window); }, [&] { InvalidateRect(window, nullptr, FALSE); });
    std::printf("Clean WM_PAINT of an 800 x 600 skinned form (the frame picture copied):\n");
    std::printf("  mean %.2f ms, worst %.2f ms of %d paints (target: under 2 ms)\n", paint.mean, paint.worst, kRuns);
    if (form.needsFullRepaint)
        std::printf("  (the frame was rebuilt: the figure is not that of a clean paint)\n");

    const Timing step = Measure(kRuns, [&] { SendMessageA(window, WM_TIMER, CaptionFadeTimerId(window), 0); }, [&] {
        form.mouseInside = form.inCaptionStrip = true;
        form.fadeIn = CaptionFade{1, 3};
        form.fadeOut = CaptionFade{2, 3};
    });
    std::printf("One caption-button fade step (one button lighting up, one going dark):\n");
    std::printf("  mean %.2f ms, worst %.2f ms of %d steps (target: under 5 ms)\n", step.mean, step.worst, kRuns);

    // Every message of the form, a list's 10,000 row notices among them, goes through the skin's procedure.
    constexpr int kMessages = 20000;
    const double rate = MessagesPerSecond(window, kMessages);
    std::printf("Messages through the skinned form's procedure (WM_NULL, passed on to the form's own):\n");
    std::printf("  %.0f a second over %d (target: at least 100000 a second)\n", rate, kMessages);
    HWND plain = CreateFrameForm(60, 60, 800, 600, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    std::printf("  the same form not skinned: %.0f a second (what the system and the form's own procedure cost)\n",
                MessagesPerSecond(plain, kMessages));
    DestroyWindow(plain);

    DestroyWindow(window);
    ShutdownGdiplus(g_gdiplusToken);
    return 0;
}
