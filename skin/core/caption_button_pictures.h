#pragma once
// The small pictures of a frame (caption buttons, status segments) decoded once: under Wine decoding
// even a 26 x 18 PNG costs about a millisecond, more than drawing the button it shows, and every frame
// paint and hover step draws them again.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class GdipGraphics;

struct DecodedPicture {
    std::string bytes;
    int width = 0;
    int height = 0;
    // A 32-bpp ARGB picture's pixels, over which GDI+ draws exactly as from the decoded picture; empty
    // for any other format (or a large picture), which is decoded again from the bytes at each drawing.
    std::vector<uint32_t> argb;
};

// The picture in those bytes, decoded at the first call and kept (the last few dozen small pictures
// are); 0 when they do not decode.
std::shared_ptr<const DecodedPicture> DecodeSmallPicture(const std::string& bytes);
// Whether the picture in those bytes is among the kept ones (nothing is decoded here).
bool IsSmallPictureKept(const std::string& bytes);
// Draws the picture stretched into (x, y, width, height), as GDI+ draws the decoded bytes there.
bool DrawDecodedPicture(GdipGraphics& graphics, const DecodedPicture& picture, float x, float y, float width,
                        float height);
