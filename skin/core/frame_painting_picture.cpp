#include "skin/core/frame_painting_picture.h"

#include <algorithm>
#include <list>
#include <mutex>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/core/frame_surface.h"

namespace {

constexpr size_t kKeptLayers = 4;
constexpr size_t kKeptPixels = 6u << 20;  // 24 MB of layers at most

// A clipped drawing might differ inside as well: a layer serves other client sizes only when it keeps
// this far from the right and bottom edges, in the client it was drawn in and in the new one.
constexpr int kClearOfEdges = 2;

bool LiesClearInside(const PictureLayer& layer, int width, int height)
{
    return layer.x + layer.width + kClearOfEdges <= width && layer.y + layer.height + kClearOfEdges <= height;
}

// What a layer depends on: the picture's bytes, its placement and the client size (only while it
// does not lie clear inside, for a picture anchored at the top left).
struct KeptLayer {
    std::string picture;
    int mode = 0;
    int width = 0;
    int height = 0;
    bool anyClearSize = false;
    std::shared_ptr<const PictureLayer> layer;

    bool Matches(const std::string& otherPicture, int otherMode, int otherWidth, int otherHeight) const
    {
        if (mode != otherMode)
            return false;
        const bool sameSize = width == otherWidth && height == otherHeight;
        if (!sameSize && !(anyClearSize && LiesClearInside(*layer, otherWidth, otherHeight)))
            return false;
        return picture == otherPicture;
    }
};

std::mutex g_keptMutex;
std::list<KeptLayer> g_kept;  // the most recently used first

std::shared_ptr<const PictureLayer> Find(const std::string& picture, int mode, int width, int height)
{
    std::lock_guard<std::mutex> lock(g_keptMutex);
    for (auto kept = g_kept.begin(); kept != g_kept.end(); ++kept) {
        if (kept->Matches(picture, mode, width, height)) {
            g_kept.splice(g_kept.begin(), g_kept, kept);
            return kept->layer;
        }
    }
    return nullptr;
}

void Keep(KeptLayer kept)
{
    std::lock_guard<std::mutex> lock(g_keptMutex);
    g_kept.push_front(std::move(kept));
    size_t pixels = 0, count = 0;
    for (auto entry = g_kept.begin(); entry != g_kept.end(); ++entry) {
        pixels += entry->layer->argb.size();
        if (++count > kKeptLayers || (count > 1 && pixels > kKeptPixels)) {
            g_kept.erase(entry, g_kept.end());
            break;
        }
    }
}

// The smallest rectangle of the drawing holding every pixel that is not fully transparent (a
// transparent pixel leaves the frame as it is); empty when there is none.
std::shared_ptr<PictureLayer> CutLayer(const DibPixels& drawing)
{
    int left = drawing.width, right = -1, top = drawing.height, bottom = -1;
    for (int y = 0; y < drawing.height; ++y) {
        const uint32_t* row = drawing.Row(y);
        for (int x = 0; x < drawing.width; ++x) {
            if (row[x] >> 24) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
        }
    }
    auto layer = std::make_shared<PictureLayer>();
    if (right < 0)
        return layer;
    layer->x = left;
    layer->y = top;
    layer->width = right - left + 1;
    layer->height = bottom - top + 1;
    layer->argb.reserve(static_cast<size_t>(layer->width) * layer->height);
    for (int y = top; y <= bottom; ++y)
        layer->argb.insert(layer->argb.end(), drawing.Row(y) + left, drawing.Row(y) + right + 1);
    return layer;
}

}  // namespace

std::shared_ptr<const PictureLayer> FramePictureLayer(const std::string& picture, int mode, bool anchoredTopLeft,
                                                      const DibPixels& surface,
                                                      const std::function<void(GdipGraphics&)>& draw)
{
    if (surface.width <= 0 || surface.height <= 0)
        return nullptr;
    if (std::shared_ptr<const PictureLayer> kept = Find(picture, mode, surface.width, surface.height))
        return kept;
    GdiFlush();
    for (int y = 0; y < surface.height; ++y)
        std::fill(surface.Row(y), surface.Row(y) + surface.width, 0u);
    {
        GdipBitmap bitmap;
        if (!WrapPixels(bitmap, surface))
            return nullptr;
        GdipGraphics graphics;
        if (!graphics.CreateFromImage(bitmap))
            return nullptr;
        draw(graphics);
    }
    std::shared_ptr<const PictureLayer> layer = CutLayer(surface);
    const bool anyClearSize = anchoredTopLeft && LiesClearInside(*layer, surface.width, surface.height);
    Keep(KeptLayer{picture, mode, surface.width, surface.height, anyClearSize, layer});
    return layer;
}

void LayPictureLayer(const DibPixels& pixels, const PictureLayer& layer)
{
    const int left = std::max(layer.x, 0), top = std::max(layer.y, 0);
    const int right = std::min(layer.x + layer.width, pixels.width);
    const int bottom = std::min(layer.y + layer.height, pixels.height);
    for (int y = top; y < bottom; ++y) {
        const uint32_t* source = layer.argb.data() + static_cast<size_t>(y - layer.y) * layer.width + (left - layer.x);
        uint32_t* target = pixels.Row(y) + left;
        for (int i = 0; i < right - left; ++i)
            target[i] = BlendOver(target[i], source[i]);
    }
}
