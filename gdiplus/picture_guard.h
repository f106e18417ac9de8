#pragma once
// Picture bytes and files are looked at before the platform's decoder gets them: a damaged picture
// can make that decoder read past its data and end the program. Bytes go through PictureOutlineSound
// (runtime/picture_structure.h); files through this.
#include <windows.h>

namespace gdipx {

// True when the file's bytes may go to the decoder; a file over the picture size cap is refused unread,
// a file that cannot be read is left to the decoder (it fails on it by itself).
bool PictureFileDecodable(const WCHAR* fileName);

}  // namespace gdipx
