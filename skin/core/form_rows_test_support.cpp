#include "skin/core/form_rows_test_support.h"

#include "skin/core/memory_dc.h"
#include "skin/core/skin_test_support.h"

Delivery Deliver(HWND form, UINT message, WPARAM wParam, LPARAM lParam)
{
    Delivery d;
    FormMessageProbe() = [&](const FormMessage& m) {
        if (m.window == form && m.message == message && !d.passedOn) {
            d.passedOn = true;
            d.wParam = m.wParam;
            d.lParam = m.lParam;
            d.exStyle = GetWindowLongPtrA(form, GWL_EXSTYLE);
        }
    };
    d.result = SendMessageA(form, message, wParam, lParam);
    FormMessageProbe() = nullptr;
    return d;
}

LPARAM PointParam(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

LPARAM ButtonCentre(const SkinFormRecord& form, int button)
{
    const RectF& r = RecordAt(form.captionButtons, button)->rect;
    return PointParam(static_cast<int>(r.x + r.width / 2), static_cast<int>(r.y + r.height / 2));
}

RECT ButtonInterior(const SkinFormRecord& form, int button)
{
    const RectF& r = RecordAt(form.captionButtons, button)->rect;
    const int x = static_cast<int>(r.x), y = static_cast<int>(r.y);
    return RECT{x + 2, y, x + static_cast<int>(r.width) - 3, y + static_cast<int>(r.height)};
}

Pixels CopyPixels(HDC dc, const RECT& area)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    Pixels pixels;
    HDC copy = CreateMemoryDC(width, height);
    if (!copy)
        return pixels;
    GdiFlush();
    BitBlt(copy, 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
    GdiFlush();
    DIBSECTION section = {};
    GetObjectA(GetCurrentObject(copy, OBJ_BITMAP), sizeof(section), &section);
    const auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
    for (int i = 0; bits && i < width * height; ++i)
        pixels.push_back(bits[i] & 0xFFFFFF);
    ReleaseMemoryDC(copy);
    return pixels;
}
