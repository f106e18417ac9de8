#pragma once
// Shared by the tests that paint off-screen: a 32-bpp top-down DIB in a memory context whose pixels the
// tests read. Plain GDI, so that every layer's tests can use it.
#include <windows.h>

#include <cstdint>

// Channels of a 0xRRGGBB colour.
inline int RedOf(uint32_t rgb) { return (rgb >> 16) & 0xFF; }
inline int GreenOf(uint32_t rgb) { return (rgb >> 8) & 0xFF; }
inline int BlueOf(uint32_t rgb) { return rgb & 0xFF; }

class TestCanvas {
public:
    TestCanvas(int width, int height, uint32_t rgb = 0xFFFFFF) : width_(width), height_(height)
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
    ~TestCanvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The colour bits only (0xRRGGBB): GDI+ also writes the alpha byte of a 32-bpp DIB.
    uint32_t Rgb(int x, int y) const
    {
        GdiFlush();
        return pixels_[y * width_ + x] & 0xFFFFFF;
    }
    // Bounding box of the pixels darker than the threshold on every channel; false when none is.
    bool DarkBounds(RECT& box, int threshold = 0x80) const
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

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* pixels_ = nullptr;
};
