#include "skin/core/caption_button_pictures.h"

#include <list>
#include <mutex>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"

namespace {

constexpr size_t kKeptPictures = 48;
constexpr int kLargestKeptSide = 256;
constexpr int kLockReadIntoUserBuffer = 1 | 4;  // ImageLockModeRead | ImageLockModeUserInputBuf

std::mutex g_keptMutex;
std::list<std::shared_ptr<const DecodedPicture>> g_kept;  // the most recently used first

std::shared_ptr<const DecodedPicture> Decode(const std::string& bytes)
{
    GdipBitmap bitmap;
    if (!bitmap.CreateBitmapFromStream(bytes))
        return nullptr;
    auto picture = std::make_shared<DecodedPicture>();
    picture->bytes = bytes;
    picture->width = bitmap.GetImageWidth();
    picture->height = bitmap.GetImageHeight();
    if (picture->width <= 0 || picture->height <= 0)
        return nullptr;
    if (bitmap.GetImagePixelFormat() != kPixelFormat32bppArgb || picture->width > kLargestKeptSide ||
        picture->height > kLargestKeptSide)
        return picture;
    std::vector<uint32_t> pixels(static_cast<size_t>(picture->width) * picture->height);
    BitmapData data;
    data.width = static_cast<unsigned>(picture->width);
    data.height = static_cast<unsigned>(picture->height);
    data.stride = picture->width * 4;
    data.pixelFormat = kPixelFormat32bppArgb;
    data.scan0 = pixels.data();
    if (bitmap.BitmapLockBits(Rect{0, 0, picture->width, picture->height}, kLockReadIntoUserBuffer,
                              kPixelFormat32bppArgb, data)) {
        bitmap.BitmapUnlockBits(data);
        picture->argb = std::move(pixels);
    }
    return picture;
}

}  // namespace

std::shared_ptr<const DecodedPicture> DecodeSmallPicture(const std::string& bytes)
{
    if (bytes.empty())
        return nullptr;
    {
        std::lock_guard<std::mutex> lock(g_keptMutex);
        for (auto kept = g_kept.begin(); kept != g_kept.end(); ++kept) {
            if ((*kept)->bytes == bytes) {
                g_kept.splice(g_kept.begin(), g_kept, kept);
                return *kept;
            }
        }
    }
    std::shared_ptr<const DecodedPicture> picture = Decode(bytes);
    if (!picture)
        return nullptr;
    std::lock_guard<std::mutex> lock(g_keptMutex);
    g_kept.push_front(picture);
    if (g_kept.size() > kKeptPictures)
        g_kept.pop_back();
    return picture;
}

bool IsSmallPictureKept(const std::string& bytes)
{
    std::lock_guard<std::mutex> lock(g_keptMutex);
    for (const auto& kept : g_kept) {
        if (kept->bytes == bytes)
            return true;
    }
    return false;
}

bool DrawDecodedPicture(GdipGraphics& graphics, const DecodedPicture& picture, float x, float y, float width,
                        float height)
{
    GdipBitmap bitmap;
    const bool ready =
        picture.argb.empty()
            ? bitmap.CreateBitmapFromStream(picture.bytes)
            : bitmap.CreateBitmapFromScan0(picture.width, picture.height, picture.width * 4, kPixelFormat32bppArgb,
                                           const_cast<uint32_t*>(picture.argb.data()));
    return ready && graphics.DrawImageRectRect(bitmap, x, y, width, height);
}
