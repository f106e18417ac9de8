// The drawing board's animated pictures. Each playing item has one worker (StoppableWorker) and one
// AnimationPlayback shared with it: the worker decodes its own copy of the picture once, draws every
// frame over the patch of the kept picture and copies it to the window, waits on its stop signal for
// the frame's delay, and once stopped erases its rectangle with the patch. The window thread joins an
// item's worker before it changes the item or starts another, never while holding the registry's
// guard or a playback's mutex.
#include <algorithm>
#include <chrono>
#include <vector>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_image.h"
#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"
#include "skin/custom/skin_canvas.h"
#include "skin/custom/skin_canvas_painting.h"

namespace {

constexpr int kZeroDelayMs = 10;      // a frame delay of 0 would spin a core redrawing
constexpr int kWaitForPatchMs = 10;   // a picture without delays waits so for the first kept picture

int WidthOf(const RECT& r)
{
    return r.right - r.left;
}

int HeightOf(const RECT& r)
{
    return r.bottom - r.top;
}

bool Overlap(const RECT& a, const RECT& b)
{
    RECT meet = {};
    return IntersectRect(&meet, &a, &b) != FALSE;
}

// Under the playback's mutex: the patch becomes the kept picture under the rectangle.
void FillPatch(const SkinCanvasRecord& board, AnimationPlayback& playback)
{
    std::lock_guard<std::mutex> lock(playback.mutex);
    if (!board.backgroundDC || !playback.patch)
        return;
    const RECT& r = playback.rect;
    BitBlt(playback.patch, 0, 0, WidthOf(r), HeightOf(r), board.backgroundDC, r.left, r.top, SRCCOPY);
    playback.patchReady = true;
}

}  // namespace

bool ShowAnimationFrame(AnimationPlayback& playback, const GdipImage& picture, HDC frameDc)
{
    const RECT& r = playback.rect;
    HDC windowDc = ExcludeChildrenFromClip(playback.window);  // takes the registry's read guard: no lock held
    bool shown = false;
    {
        std::lock_guard<std::mutex> lock(playback.mutex);
        if (playback.patchReady) {
            BitBlt(frameDc, 0, 0, WidthOf(r), HeightOf(r), playback.patch, 0, 0, SRCCOPY);
            GdipGraphics surface;
            if (surface.CreateFromHDC(frameDc)) {
                surface.DrawImageRectRect(picture, 0, 0, static_cast<float>(WidthOf(r)), static_cast<float>(HeightOf(r)));
                surface.DeleteGraphics();
            }
            BitBlt(windowDc, r.left, r.top, WidthOf(r), HeightOf(r), frameDc, 0, 0, SRCCOPY);
            ++playback.framesShown;
            shown = true;
        }
    }
    ReleaseDC(playback.window, windowDc);
    return shown;
}

namespace {

void EraseRect(AnimationPlayback& playback)
{
    const RECT& r = playback.rect;
    HDC windowDc = ExcludeChildrenFromClip(playback.window);
    {
        std::lock_guard<std::mutex> lock(playback.mutex);
        if (playback.patchReady)
            BitBlt(windowDc, r.left, r.top, WidthOf(r), HeightOf(r), playback.patch, 0, 0, SRCCOPY);
    }
    ReleaseDC(playback.window, windowDc);
}

void RunAnimation(AnimationPlayback& playback, StoppableWorker& worker)
{
    GdipImage picture;
    picture.LoadImageFromStream(playback.imageData);
    const int frames = picture.ImageGetFrameCount(kFrameDimensionTime);
    std::vector<int> delays;
    const bool timed = picture.GetFrameDelays(delays) && static_cast<int>(delays.size()) >= frames;
    HDC frameDc = CreateMemoryDC(WidthOf(playback.rect), HeightOf(playback.rect));
    int frame = 0;
    bool shownOnce = false;
    while (!worker.StopRequested()) {
        if (frames < 1 || !frameDc) {
            worker.WaitForStop();  // nothing to draw
            break;
        }
        picture.ImageSelectActiveFrame(kFrameDimensionTime, frame);
        const bool shown = ShowAnimationFrame(playback, picture, frameDc);
        shownOnce = shownOnce || shown;
        if (!timed) {
            // Without delays the first frame stays until the stop.
            if (shownOnce) {
                worker.WaitForStop();
                break;
            }
            if (worker.WaitFor(std::chrono::milliseconds(kWaitForPatchMs)))
                break;
            continue;
        }
        const int delay = delays[static_cast<size_t>(frame)] > 0 ? delays[static_cast<size_t>(frame)] * 10 : kZeroDelayMs;
        if (worker.WaitFor(std::chrono::milliseconds(delay)))
            break;
        frame = (frame + 1) % frames;
    }
    if (!playback.boardClosing)
        EraseRect(playback);
    ReleaseMemoryDC(frameDc);
}

// Starts a worker for the item with its present picture and rectangle.
void StartItem(SkinCanvasRecord& board, AnimatedImageItem& item)
{
    auto playback = std::make_shared<AnimationPlayback>();
    playback->window = board.hwnd;
    playback->rect = RECT{item.x, item.y, item.x + item.width, item.y + item.height};
    playback->imageData = item.imageData;
    playback->patch = CreateMemoryDC(item.width, item.height);
    FillPatch(board, *playback);
    item.playback = playback;
    item.stopRequested = false;
    item.worker.Start([playback](StoppableWorker& self) { RunAnimation(*playback, self); });
}

// Signals the item's worker, waits for it to end and frees its playback.
void JoinItem(AnimatedImageItem& item)
{
    item.worker.RequestStop();
    item.worker.Join();
    if (item.playback) {
        ReleaseMemoryDC(item.playback->patch);
        item.playback->patch = nullptr;
        item.playback.reset();
    }
}

RECT ItemRect(const AnimatedImageItem& item)
{
    return RECT{item.x, item.y, item.x + item.width, item.y + item.height};
}

}  // namespace

int SkinCanvas::AddAnimatedImage(const std::string& gif, int x, int y, std::optional<int> width,
                                 std::optional<int> height, std::optional<int> replace) const
{
    SkinCanvasRecord* board = Record();
    if (!board || gif.empty())
        return -1;
    const SIZE size = CanvasPictureSize(gif);
    if (!replace || board->animatedImages.empty()) {
        auto item = std::make_unique<AnimatedImageItem>();
        item->imageData = gif;
        item->x = x;
        item->y = y;
        item->width = width.value_or(size.cx);
        item->height = height.value_or(size.cy);
        AnimatedImageItem* added = item.get();
        const int number = AppendRecord(board->animatedImages, std::move(item));
        StartItem(*board, *added);
        return number;
    }
    AnimatedImageItem* item = RecordAt(board->animatedImages, *replace);
    if (!item)
        return -1;
    JoinItem(*item);
    item->imageData = gif;
    item->x = x;
    item->y = y;
    item->width = width.value_or(item->width);
    item->height = height.value_or(item->height);
    StartItem(*board, *item);
    return *replace;
}

bool SkinCanvas::MoveAnimatedImage(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                                   std::optional<int> height, int itemNumber) const
{
    SkinCanvasRecord* board = Record();
    AnimatedImageItem* item = board ? RecordAt(board->animatedImages, itemNumber) : nullptr;
    if (!item)
        return false;
    const bool playing = !item->stopRequested;
    // A playing worker erases its own rectangle as it ends; the old place is shown from the kept
    // picture here as well, for a stopped item moved before its worker had ended.
    JoinItem(*item);
    if (board->backgroundDC)
        BlitCanvasRect(window, *board, ItemRect(*item));
    item->x = x.value_or(item->x);
    item->y = y.value_or(item->y);
    item->width = width.value_or(item->width);
    item->height = height.value_or(item->height);
    if (playing)
        StartItem(*board, *item);
    return true;
}

bool SkinCanvas::StopAnimation(int itemNumber) const
{
    SkinCanvasRecord* board = Record();
    AnimatedImageItem* item = board ? RecordAt(board->animatedImages, itemNumber) : nullptr;
    if (!item)
        return false;
    item->stopRequested = true;
    item->worker.RequestStop();
    return true;
}

bool SkinCanvas::PlayAnimation(int itemNumber) const
{
    SkinCanvasRecord* board = Record();
    AnimatedImageItem* item = board ? RecordAt(board->animatedImages, itemNumber) : nullptr;
    if (!item)
        return false;
    if (item->stopRequested) {
        JoinItem(*item);
        StartItem(*board, *item);
    }
    return true;
}

void StopAllAnimatedImages(SkinCanvasRecord& board)
{
    for (const auto& item : board.animatedImages) {
        if (item->playback)
            item->playback->boardClosing = true;
        item->worker.RequestStop();
    }
    for (const auto& item : board.animatedImages)
        JoinItem(*item);
    board.animatedImages.clear();
}

void RefreshAnimationPatches(SkinCanvasRecord& board, const RECT* changed)
{
    for (const auto& item : board.animatedImages) {
        if (item->playback && (!changed || Overlap(item->playback->rect, *changed)))
            FillPatch(board, *item->playback);
    }
}

int LiveAnimationWorkers(const SkinCanvasRecord& board)
{
    return static_cast<int>(std::count_if(board.animatedImages.begin(), board.animatedImages.end(),
                                          [](const auto& item) { return item->worker.Joinable(); }));
}
