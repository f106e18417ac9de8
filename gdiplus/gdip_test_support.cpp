#include "gdiplus/gdip_test_support.h"

#include <objidl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

void PutWord(std::string& out, int value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

// LZW data of 2-bit colour indexes that never grows past 3-bit codes: a clear code before every
// second pixel keeps the table at its start.
std::string UncompressedLzw(int pixelCount, int colourIndex)
{
    const int clear = 4, end = 5;
    std::vector<int> codes;
    for (int i = 0; i < pixelCount; ++i) {
        if (i % 2 == 0)
            codes.push_back(clear);
        codes.push_back(colourIndex);
    }
    codes.push_back(end);
    std::string bytes;
    unsigned int buffer = 0;
    int bits = 0;
    for (int code : codes) {
        buffer |= static_cast<unsigned int>(code) << bits;
        bits += 3;
        while (bits >= 8) {
            bytes.push_back(static_cast<char>(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0)
        bytes.push_back(static_cast<char>(buffer & 0xFF));
    std::string blocks;
    for (size_t at = 0; at < bytes.size(); at += 255) {
        const size_t size = std::min<size_t>(255, bytes.size() - at);
        blocks.push_back(static_cast<char>(size));
        blocks.append(bytes, at, size);
    }
    blocks.push_back('\0');
    return blocks;
}

}  // namespace

std::string MakeAnimatedGif(int width, int height, const std::vector<uint32_t>& frameColours,
                            const std::vector<int>& delays)
{
    // Up to four colours: the palette holds the frame colours in order.
    std::string gif = "GIF89a";
    PutWord(gif, width);
    PutWord(gif, height);
    gif += "\xF1";  // global colour table of 4 entries
    gif.push_back('\0');
    gif.push_back('\0');
    for (size_t i = 0; i < 4; ++i) {
        const uint32_t rgb = i < frameColours.size() ? frameColours[i] : 0;
        gif.push_back(static_cast<char>((rgb >> 16) & 0xFF));
        gif.push_back(static_cast<char>((rgb >> 8) & 0xFF));
        gif.push_back(static_cast<char>(rgb & 0xFF));
    }
    gif += std::string("\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01\x00\x00\x00", 19);
    for (size_t frame = 0; frame < frameColours.size(); ++frame) {
        gif += std::string("\x21\xF9\x04\x00", 4);
        PutWord(gif, frame < delays.size() ? delays[frame] : 0);
        gif += std::string("\x00\x00", 2);
        gif.push_back('\x2C');
        PutWord(gif, 0);
        PutWord(gif, 0);
        PutWord(gif, width);
        PutWord(gif, height);
        gif.push_back('\0');
        gif.push_back('\x02');  // minimum code size
        gif += UncompressedLzw(width * height, static_cast<int>(frame % 4));
    }
    gif.push_back('\x3B');
    return gif;
}
