// The side list's costs on the main window's list (fifteen open rows in 200 x 300, the bar shown, one
// row with two entries): a full paint, and a hover move from one row to the next, which redraws both
// rows and the embedded bar.
#include <windows.h>

#include <cstdio>

#include "skin/core/benchmark_timing.h"
#include "skin/core/engine_startup.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/group_list.h"

int main()
{
    InitSkinEngine();
    HWND form = CreateTestForm(40, 40, 300, 360);
    const int n = SkinTestForm(form);
    PaintTestFrame(n);
    HWND host = CreateTestChild(form, "Static", 10, 30, 200, 300, SS_NOTIFY);
    SkinGroupList list;
    GroupListOptions options;
    options.childHeight = 25;
    options.backAlpha = 200;
    options.childTextColour = 0xFFFFFF;
    list.Create(host, options);
    for (int i = 0; i < 15; ++i)
        list.AddRow("生肖纪年对照表", true);
    list.AddChild(1, "今日宜忌", std::nullopt, "新", "吉时与冲煞");
    list.AddChild(1, "择日", std::nullopt, std::nullopt, "婚嫁 搬家 开业");
    UpdateWindow(host);

    const Timing paint = Measure(20, [&] { PaintGroupList(host); });
    int step = 0;
    const Timing hover = Measure(60, [&] {
        // Rows 2 and 3 in turn: 79..105 and 105..131.
        const int y = (++step % 2) ? 90 : 115;
        SendMessageA(host, WM_MOUSEMOVE, 0, MAKELPARAM(100, y));
    });

    std::printf("Group list, fifteen open rows and two entries in 200 x 300, the bar shown:\n");
    std::printf("  full paint: median %.1f ms, worst %.1f ms of 20 (target: under 50 ms)\n", paint.median, paint.worst);
    std::printf("  hover move (two item redraws and the bar): median %.2f ms, worst %.2f ms of 60"
                " (target: under 15 ms)\n",
                hover.median, hover.worst);
    DestroyWindow(form);
    ShutdownGdiplus(g_gdiplusToken);
    return 0;
}
