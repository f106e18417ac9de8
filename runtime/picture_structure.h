#pragma once
// A look at picture bytes before the platform's decoder gets them. The decoder trusts the lengths a
// file gives; a damaged JPEG can make it read past the end of the data and end the program. So a
// JPEG, PNG, GIF or BMP is handed over only when its outline holds together: the markers, blocks and
// chunks lie inside the bytes in a valid order, their lengths fit, and the picture reaches its end
// marker. Pixel data itself is not checked. Bytes of any other kind pass: no decoder claims them.
// The sides a picture claims are bounded too: the decoder allocates its whole pixel buffer from them
// before it reads a pixel, and a 1.5 KB file can claim 65000 x 65000.
#include <cstddef>
#include <cstdint>
#include <string>

// The most pixels a picture may claim (256 MB of 32-bit pixels); the program's pictures are screen-sized.
inline constexpr uint64_t kPictureMostPixels = 64ull * 1024 * 1024;
// The largest picture file read at all: the program's pictures are a few hundred kilobytes.
inline constexpr size_t kPictureMostBytes = 16u * 1024 * 1024;

enum class PictureKind { Other, Jpeg, Png, Gif, Bmp, Ico };

// The kind the leading bytes announce.
PictureKind PictureKindOf(const std::string& bytes);

// True when the bytes can go to the decoder: not empty, no larger than kPictureMostBytes, and, for the
// checked kinds, an outline that holds together with sides under kPictureMostPixels.
bool PictureOutlineSound(const std::string& bytes);
