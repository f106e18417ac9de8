// The navigation bar's costs on the main window's bar (eight 85 x 75 items with their 128 x 128
// pictures): one hover-fade step (the own pass of one item), a full repaint, the grey transform of one
// picture for a disabled item, and how many messages a second the bar's procedure passes on.
#include <windows.h>

#include <cstdio>

#include "skin/custom/nav_bar_test_support.h"
#include "gdiplus/gdip_bitmap.h"
#include "skin/core/benchmark_timing.h"
#include "skin/core/engine_startup.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/nav_bar.h"
#include "skin/custom/nav_bar_images.h"
#include "skin/custom/nav_bar_painting.h"

namespace {

const char* const kCaptions[kProgramNavPictureCount] = {"宝宝取名", "姓名评测", "自选列表", "组合模式",
                                                     "诗词模式", "取英文名", "取小名",   "生辰八字"};

}  // namespace

int main()
{
    InitSkinEngine();
    HWND form = CreateTestForm(40, 40, 800, 200);
    const int n = SkinTestForm(form);
    PaintTestFrame(n);
    HWND host = CreateTestChild(form, "Static", 10, 30, 8 * 85 + 7 * 5, 78, SS_NOTIFY);
    SkinNavBar bar;
    bar.Attach(host, 85, 75, std::nullopt, std::nullopt, std::nullopt, true);
    for (int i = 0; i < kProgramNavPictureCount; ++i) {
        NavBarItemOptions item;
        item.image = ProgramNavPicture(i);
        item.caption = kCaptions[i];
        bar.AddItem(item);
    }
    UpdateWindow(host);

    int step = 0;
    const Timing fade = Measure(80, [&] {
        step = step % 8 + 1;
        DrawNavItem(host, 2, nullptr, NavItemLook{true, false, 20 * step});
    });
    const Timing repaint = Measure(20, [&] { PaintNavBar(host); });
    const std::string picture = ProgramNavPicture(0);
    const Timing grey = Measure(20, [&] {
        GdipBitmap bitmap;
        bitmap.CreateBitmapFromStream(picture);
        MakeDerivedItemImage(bitmap);
    });
    const Timing greyPng = Measure(20, [&] { MakeDerivedItemImagePng(picture); });
    constexpr int kMessages = 20000;
    const double rate = MessagesPerSecond(host, kMessages);

    std::printf("Navigation bar, eight 85 x 75 items with 128 x 128 PNG pictures:\n");
    std::printf("  fade step (own pass of one item): median %.2f ms, worst %.2f ms of 80 (target: under 5 ms)\n",
                fade.median, fade.worst);
    std::printf("  full repaint of the bar: median %.1f ms, worst %.1f ms of 20 (target: under 50 ms)\n",
                repaint.median, repaint.worst);
    std::printf("  grey transform of a 128 x 128 PNG (decoded, MakeDerivedItemImage): median %.2f ms, worst %.2f ms"
                " of 20 (about 4 ms expected)\n",
                grey.median, grey.worst);
    std::printf("  the same to new PNG bytes (MakeDerivedItemImagePng): median %.2f ms, worst %.2f ms of 20\n",
                greyPng.median, greyPng.worst);
    std::printf("  messages through the bar's procedure (WM_NULL, passed on): %.0f a second over %d"
                " (target: at least 100000 a second)\n",
                rate, kMessages);
    DestroyWindow(form);
    ShutdownGdiplus(g_gdiplusToken);
    return 0;
}
