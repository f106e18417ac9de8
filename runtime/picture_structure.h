#pragma once
// A look at picture bytes before the platform's decoder gets them. The decoder trusts the lengths a
// file gives; a damaged JPEG can make it read past the end of the data and end the program. So a
// JPEG, PNG, GIF or BMP is handed over only when its outline holds together: the markers, blocks and
// chunks lie inside the bytes in a valid order, their lengths fit, and the picture reaches its end
// marker. Pixel data itself is not checked. Bytes of any other kind pass: no decoder claims them.
#include <string>

enum class PictureKind { Other, Jpeg, Png, Gif, Bmp };

// The kind the leading bytes announce.
PictureKind PictureKindOf(const std::string& bytes);

// True when the bytes can go to the decoder: not empty, and, for the four checked kinds, an outline
// that holds together.
bool PictureOutlineSound(const std::string& bytes);
