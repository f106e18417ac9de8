#include "gdiplus/picture_guard.h"

#include <string>

#include "runtime/picture_structure.h"

namespace gdipx {

bool PictureFileDecodable(const WCHAR* fileName)
{
    HANDLE file = CreateFileW(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    LARGE_INTEGER size = {};
    std::string bytes;
    if (GetFileSizeEx(file, &size) && static_cast<unsigned long long>(size.QuadPart) > kPictureMostBytes) {
        CloseHandle(file);
        return false;  // refused unread: no picture of the program is this large
    }
    bool read = size.QuadPart >= 0;
    if (read) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        read = bytes.empty() || (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) &&
                                 got == bytes.size());
    }
    CloseHandle(file);
    return !read || PictureOutlineSound(bytes);
}

}  // namespace gdipx
