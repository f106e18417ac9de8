// The drawing board's animated pictures on their workers: frames in order, stops that erase, moves,
// replacements, GIF timing, the patch after a recomposition, a stress run of random operations and
// the release of everything a board made.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "gdiplus/gdip_test_support.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/skin_canvas_painting.h"
#include "skin/custom/skin_canvas_test_support.h"

namespace {

const RECT kBoard = {30, 40, 230, 140};  // 200 x 100
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

uint32_t WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const uint32_t c = PixelRgb(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

struct AnimationFixture {
    BarTestForm f = MakeBarTestForm(300, 200, kBoard);
    ScopedWindow form{f.form};
    SkinCanvas board;
    AnimationFixture()
    {
        board.Attach(f.host, 0);
        UpdateWindow(f.host);
    }
    AnimatedImageItem* Item(int n) const { return RecordAt(FindSkinCanvas(f.host)->animatedImages, n); }
    int Shown(int n) const { return Item(n)->playback ? Item(n)->playback->framesShown.load() : 0; }
    bool ShowsBackground(int x, int y) const { return WindowPixel(f.host, x, y) == FormPatternAt(kBoard, x, y); }
};

}  // namespace

TEST(SkinCanvasAnimationTest, FramesShowInTheirOrder)
{
    AnimationFixture t;
    ASSERT_EQ(t.board.AddAnimatedImage(MakeAnimatedGif(20, 20, {kRed, kGreen, kBlue}, {10, 20, 30}), 10, 10), 1);
    EXPECT_EQ(t.board.GetImageCount(), 0) << "animated pictures are no picture elements";
    EXPECT_EQ(t.Item(1)->width, 20) << "the picture's own size";
    std::vector<uint32_t> seen;
    PumpUntil([&] {
        const uint32_t c = WindowPixel(t.f.host, 20, 20);
        if (c != FormPatternAt(kBoard, 20, 20) && (seen.empty() || seen.back() != c))
            seen.push_back(c);
        return seen.size() >= 5;
    }, 4000);
    ASSERT_GE(seen.size(), 4u);
    for (size_t i = 1; i < seen.size(); ++i) {
        const uint32_t from = seen[i - 1], to = seen[i];
        const bool next = (from == kRed && to == kGreen) || (from == kGreen && to == kBlue) ||
                          (from == kBlue && to == kRed);
        EXPECT_TRUE(next) << std::hex << from << " -> " << to;
    }
}

TEST(SkinCanvasAnimationTest, StopErasesWithinADelayAndPlayStartsOneWorkerAgain)
{
    AnimationFixture t;
    t.board.AddAnimatedImage(MakeAnimatedGif(20, 20, {kRed}, {50}), 10, 10);
    ASSERT_TRUE(PumpUntil([&] { return WindowPixel(t.f.host, 20, 20) == kRed; }));
    EXPECT_TRUE(t.board.StopAnimation());
    EXPECT_TRUE(PumpUntil([&] { return t.ShowsBackground(20, 20); }, 500)) << "erased within one delay";
    EXPECT_EQ(LiveAnimationWorkers(*FindSkinCanvas(t.f.host)), 1) << "stopped, not joined yet";
    // Stop then play: the old worker is joined first, one worker draws the item.
    EXPECT_TRUE(t.board.PlayAnimation());
    EXPECT_TRUE(t.board.PlayAnimation()) << "a playing item stays as it is";
    EXPECT_EQ(LiveAnimationWorkers(*FindSkinCanvas(t.f.host)), 1);
    EXPECT_TRUE(PumpUntil([&] { return WindowPixel(t.f.host, 20, 20) == kRed; }));
    EXPECT_FALSE(t.board.StopAnimation(2));
    EXPECT_FALSE(t.board.PlayAnimation(0));
}

TEST(SkinCanvasAnimationTest, MovingAStoppedItemShowsNothingNewUntilPlay)
{
    AnimationFixture t;
    t.board.AddAnimatedImage(MakeAnimatedGif(20, 20, {kGreen}, {5}), 10, 10);
    ASSERT_TRUE(PumpUntil([&] { return WindowPixel(t.f.host, 20, 20) == kGreen; }));
    t.board.StopAnimation();
    EXPECT_TRUE(t.board.MoveAnimatedImage(120));
    EXPECT_EQ(t.Item(1)->y, 10) << "only x given";
    EXPECT_EQ(t.Item(1)->width, 20);
    EXPECT_TRUE(t.ShowsBackground(20, 20)) << "the old place";
    EXPECT_FALSE(PumpUntil([&] { return WindowPixel(t.f.host, 130, 20) == kGreen; }, 200));
    t.board.PlayAnimation();
    EXPECT_TRUE(PumpUntil([&] { return WindowPixel(t.f.host, 130, 20) == kGreen; }));

    // A playing item moves and plays on at the new place.
    EXPECT_TRUE(t.board.MoveAnimatedImage(std::nullopt, 60));
    EXPECT_TRUE(t.ShowsBackground(130, 20));
    EXPECT_TRUE(PumpUntil([&] { return WindowPixel(t.f.host, 130, 70) == kGreen; }));
    EXPECT_FALSE(t.board.MoveAnimatedImage(1, 1, 1, 1, 2));
}

TEST(SkinCanvasAnimationTest, ReplacingNeedsAnExistingItem)
{
    AnimationFixture t;
    const std::string gif = MakeAnimatedGif(16, 16, {kRed, kBlue}, {10, 10});
    EXPECT_EQ(t.board.AddAnimatedImage(gif, 0, 0, std::nullopt, std::nullopt, 3), 1)
        << "a board without items appends";
    EXPECT_EQ(t.board.AddAnimatedImage(gif, 40, 0), 2);
    EXPECT_EQ(t.board.AddAnimatedImage(gif, 0, 0, std::nullopt, std::nullopt, 5), -1);
    EXPECT_EQ(t.board.AddAnimatedImage("", 0, 0), -1);
    EXPECT_EQ(RecordCount(FindSkinCanvas(t.f.host)->animatedImages), 2);
    EXPECT_EQ(LiveAnimationWorkers(*FindSkinCanvas(t.f.host)), 2) << "nothing started";
    // A replaced item keeps its size unless one is given, and plays the new picture.
    EXPECT_EQ(t.board.AddAnimatedImage(MakeAnimatedGif(8, 8, {kGreen}, {10}), 40, 50, std::nullopt, std::nullopt, 2), 2);
    EXPECT_EQ(t.Item(2)->width, 16);
    EXPECT_EQ(LiveAnimationWorkers(*FindSkinCanvas(t.f.host)), 2);
    EXPECT_TRUE(PumpUntil([&] { return WindowPixel(t.f.host, 48, 58) == kGreen; }));
}

TEST(SkinCanvasAnimationTest, TimingWithoutDelaysWithZeroDelaysAndWithoutFrames)
{
    AnimationFixture t;
    // A picture without delays: its first frame, once, until stopped.
    t.board.AddAnimatedImage(SolidPng(10, 10, 0xFFFF0000), 0, 0);
    // Delays of 0: 10 ms between frames, not a spinning core.
    t.board.AddAnimatedImage(MakeAnimatedGif(10, 10, {kRed, kGreen}, {0, 0}), 20, 0);
    // Bytes GDI+ cannot decode: an item of 0 x 0 with a worker that draws nothing.
    EXPECT_EQ(t.board.AddAnimatedImage("GIF89a but not really", 40, 0), 3);
    EXPECT_EQ(t.Item(3)->width, 0);
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(t.Shown(1), 1);
    EXPECT_GT(t.Shown(2), 3);
    EXPECT_LT(t.Shown(2), 60) << "about one frame in 10 ms";
    EXPECT_EQ(t.Shown(3), 0);
    EXPECT_EQ(LiveAnimationWorkers(*FindSkinCanvas(t.f.host)), 3);
}

TEST(SkinCanvasAnimationTest, AfterARecompositionFramesLieOverTheNewPicture)
{
    AnimationFixture t;
    t.board.AddAnimatedImage(MakeAnimatedGif(20, 20, {kRed}, {2}), 10, 10);
    ASSERT_TRUE(PumpUntil([&] { return t.Shown(1) > 0; }));
    t.board.SetBackgroundImage(SolidPng(8, 8, 0xFF0000FF), 4);
    UpdateWindow(t.f.host);
    HDC patch = t.Item(1)->playback->patch;
    std::lock_guard<std::mutex> lock(t.Item(1)->playback->mutex);
    EXPECT_EQ(PixelRgb(patch, 5, 5), kBlue) << "the patch holds the new kept picture";
    EXPECT_EQ(PixelRgb(t.board.GetBackgroundDC(), 15, 15), kBlue);
}

TEST(SkinCanvasAnimationTest, StressOfRandomOperationsOnSeveralBoards)
{
    BarTestForm f = MakeBarTestForm(420, 300, RECT{10, 10, 200, 140});
    ScopedWindow form(f.form);
    std::mt19937 random(22);
    const std::vector<std::string> gifs = {MakeAnimatedGif(16, 16, {kRed, kGreen}, {1, 2}),
                                           MakeAnimatedGif(24, 12, {kBlue, kGreen, kRed}, {0, 1, 3}),
                                           MakeAnimatedGif(8, 8, {kGreen}, {1})};
    struct Live {
        HWND window = nullptr;
        SkinCanvas board;
        std::vector<std::weak_ptr<AnimationPlayback>> playbacks;
    };
    std::vector<Live> boards(3);
    auto make = [&](Live& b, int slot) {
        b.window = CreateBarHost(f.form, 10 + 205 * (slot % 2), 10 + 145 * (slot / 2), 190, 130);
        b.board.Attach(b.window, static_cast<int>(random() % 5), 0, 1);
        b.playbacks.clear();
    };
    auto note = [](Live& b) {
        for (const auto& item : FindSkinCanvas(b.window)->animatedImages)
            if (item->playback)
                b.playbacks.push_back(item->playback);
    };
    for (size_t i = 0; i < boards.size(); ++i)
        make(boards[i], static_cast<int>(i));
    const int rounds = 300;
    for (int round = 0; round < rounds; ++round) {
        Live& b = boards[random() % boards.size()];
        const int count = RecordCount(FindSkinCanvas(b.window)->animatedImages);
        const int item = count > 0 ? static_cast<int>(random() % count) + 1 : 1;
        switch (random() % 8) {
        case 0:
        case 1:
            if (count < 4)
                b.board.AddAnimatedImage(gifs[random() % gifs.size()], random() % 160, random() % 110);
            break;
        case 2:
            b.board.AddAnimatedImage(gifs[random() % gifs.size()], random() % 160, random() % 110, std::nullopt,
                                     std::nullopt, item);
            break;
        case 3:
            b.board.MoveAnimatedImage(random() % 160, random() % 110, std::nullopt, std::nullopt, item);
            break;
        case 4:
            b.board.StopAnimation(item);
            break;
        case 5:
            b.board.PlayAnimation(item);
            break;
        case 6:
            b.board.Refresh();
            UpdateWindow(b.window);
            break;
        default: {
            note(b);
            const size_t slot = static_cast<size_t>(&b - boards.data());
            DestroyWindow(b.window);
            for (const auto& p : b.playbacks)
                ASSERT_TRUE(p.expired()) << "a worker outlived its board's DestroyWindow, round " << round;
            make(b, static_cast<int>(slot));
            break;
        }
        }
        note(b);
        if (round % 10 == 0)
            PumpUntil([] { return false; }, 5);
    }
    // A stopped, joined item leaves its rectangle as the kept picture.
    Live& b = boards[0];
    UpdateWindow(b.window);
    const int n = b.board.AddAnimatedImage(gifs[0], 30, 30);
    ASSERT_TRUE(PumpUntil([&] { return RecordAt(FindSkinCanvas(b.window)->animatedImages, n)->playback->framesShown > 0; }));
    b.board.StopAnimation(n);
    b.board.MoveAnimatedImage(std::nullopt, std::nullopt, std::nullopt, std::nullopt, n);  // joins
    HDC kept = b.board.GetBackgroundDC();
    HDC dc = GetDC(b.window);
    for (int y = 30; y < 46; y += 3)
        for (int x = 30; x < 46; x += 3)
            EXPECT_EQ(PixelRgb(dc, x, y), PixelRgb(kept, x, y)) << x << "," << y;
    ReleaseDC(b.window, dc);
    for (Live& live : boards) {
        note(live);
        DestroyWindow(live.window);
        for (const auto& p : live.playbacks)
            EXPECT_TRUE(p.expired());
    }
}

TEST(SkinCanvasAnimationTest, BoardsMadeAndDestroyedReleaseEverything)
{
    const int boards = RecordCount(g_skinCanvases);
    const int memoryDcs = MemoryDcCount();
    for (int cycle = 0; cycle < 12; ++cycle) {
        BarTestForm f = MakeBarTestForm(300, 200, kBoard);
        SkinCanvas board;
        board.Attach(f.host, cycle % 5, cycle % 2 ? 15 : 0, 1, 0, SolidPng(6, 6, 0xFF336699), cycle % 5);
        board.SetGradient(cycle % 7);
        board.AddImage(SolidPng(12, 12, 0xFF00FF00), 5, 5);
        board.AddText("起名", CanvasTextOptions());
        CanvasTextOptions halo;
        halo.halo = true;
        board.AddText("宝宝", halo);
        board.AddAnimatedImage(MakeAnimatedGif(10, 10, {kRed, kBlue}, {1, 1}), 40, 20);
        board.AddAnimatedImage(MakeAnimatedGif(10, 10, {kGreen}, {1}), 70, 20);
        UpdateWindow(f.host);
        board.RedrawText(2);
        PumpUntil([&] { return RecordAt(FindSkinCanvas(f.host)->animatedImages, 1)->playback->framesShown > 0; });
        HDC kept = board.GetBackgroundDC();
        HGDIOBJ keptBitmap = GetCurrentObject(kept, OBJ_BITMAP);
        HDC patch = RecordAt(FindSkinCanvas(f.host)->animatedImages, 1)->playback->patch;
        HGDIOBJ patchBitmap = GetCurrentObject(patch, OBJ_BITMAP);
        DestroyWindow(f.form);
        EXPECT_EQ(GetObjectType(kept), 0u);
        EXPECT_EQ(GetObjectType(keptBitmap), 0u);
        EXPECT_EQ(GetObjectType(patch), 0u);
        EXPECT_EQ(GetObjectType(patchBitmap), 0u);
    }
    EXPECT_EQ(RecordCount(g_skinCanvases), boards);
    EXPECT_EQ(MemoryDcCount(), memoryDcs);
}
