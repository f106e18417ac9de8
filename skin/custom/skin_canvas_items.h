#pragma once
// What a drawing board carries over its background: picture and text elements, and animated pictures
// each played by a worker thread of its own. All of them are numbered from 1 in the order they were
// added and live until the board goes.
#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "runtime/stoppable_worker.h"

struct CanvasImageElement {
    std::string imageData;  // any picture GDI+ decodes from a stream
    int x = 0;
    int y = 0;
    int width = 0;  // the size it is drawn at
    int height = 0;
};

struct CanvasTextElement {
    std::string text;
    std::string fontName = "宋体";
    int fontSize = 12;  // em size in pixels
    int fontStyle = 0;  // GDI+ style bits
    COLORREF textColour = 0;  // always opaque
    bool glowText = false;
    bool haloText = false;  // wins over glowText
    COLORREF haloColour = 0xFFFFFF;
    int alignment = 0;  // 0 near, 1 centre, 2 far
    int lineAlignment = 0;
    RECT rect = {};  // layout rectangle in board client coordinates
    bool wrap = true;
    bool ellipsis = false;
};

// What an animated picture's worker shares with the board's window thread. The worker gets its own
// copy of the picture and the rectangle when it starts, and never touches the board's record or its
// kept picture: under `mutex` the window thread keeps `patch` (the kept picture under the rectangle)
// up to date, and the worker draws every frame over the patch and erases with it.
struct AnimationPlayback {
    HWND window = nullptr;
    RECT rect = {};
    std::string imageData;
    std::mutex mutex;
    HDC patch = nullptr;       // a registered memory context of the rectangle's size
    bool patchReady = false;   // false until the board has a kept picture
    std::atomic<bool> boardClosing{false};  // the board is going: end without erasing
    std::atomic<int> framesShown{0};        // frames drawn since the start (tests and benchmarks read it)
};

struct AnimatedImageItem {
    std::string imageData;  // the GIF picture
    int x = 0;
    int y = 0;
    int width = 0;  // every frame is scaled to this size
    int height = 0;
    bool stopRequested = false;  // stopped by StopAnimation (or never started)
    std::shared_ptr<AnimationPlayback> playback;  // the state of the last worker started, or none
    StoppableWorker worker;
};
