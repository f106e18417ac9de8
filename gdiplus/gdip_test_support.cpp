#include "gdiplus/gdip_test_support.h"

#include <objidl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

namespace {

class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

testing::Environment* const g_gdiplusEnvironment = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

TestCanvas::TestCanvas(int width, int height, uint32_t rgb) : width_(width), height_(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    for (int i = 0; pixels_ && i < width * height; ++i)
        pixels_[i] = rgb;
}

TestCanvas::~TestCanvas()
{
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

uint32_t TestCanvas::Rgb(int x, int y) const
{
    GdiFlush();
    return pixels_[y * width_ + x] & 0xFFFFFF;
}

bool TestCanvas::DarkBounds(RECT& box, int threshold) const
{
    GdiFlush();
    bool found = false;
    box = {width_, height_, -1, -1};
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const uint32_t c = pixels_[y * width_ + x];
            if (RedOf(c) < threshold && GreenOf(c) < threshold && BlueOf(c) < threshold) {
                found = true;
                box.left = x < box.left ? x : box.left;
                box.top = y < box.top ? y : box.top;
                box.right = x > box.right ? x : box.right;
                box.bottom = y > box.bottom ? y : box.bottom;
            }
        }
    return found;
}
