#pragma once
// Shared by the GDI+ layer's tests: GDI+ is started once per test program (a gtest environment), and
// a canvas gives a 32-bpp top-down DIB in a memory context whose pixels the tests read.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class TestCanvas {
public:
    TestCanvas(int width, int height, uint32_t rgb = 0xFFFFFF);
    ~TestCanvas();
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The colour bits only (0xRRGGBB): GDI+ also writes the alpha byte of a 32-bpp DIB.
    uint32_t Rgb(int x, int y) const;
    // Bounding box of the pixels darker than the threshold on every channel; false when none is.
    bool DarkBounds(RECT& box, int threshold = 0x80) const;

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* pixels_ = nullptr;
};

// Channels of a 0xRRGGBB colour.
inline int RedOf(uint32_t rgb) { return (rgb >> 16) & 0xFF; }
inline int GreenOf(uint32_t rgb) { return (rgb >> 8) & 0xFF; }
inline int BlueOf(uint32_t rgb) { return rgb & 0xFF; }

// A GIF89a of equal-sized frames, each one solid colour (0xRRGGBB) with its delay in hundredths of a
// second, written here so the tests need no picture files.
std::string MakeAnimatedGif(int width, int height, const std::vector<uint32_t>& frameColours,
                            const std::vector<int>& delays);
