#pragma once
// The records of the custom-drawn controls (drawing board, navigation bar, group list, tab strip,
// scroll bar) and their global lists, 1-based. A control's window carries its index in its list (the
// index property of its class, custom_control_frame.h) and Hw_FuID, the number of the skinned form it
// lies in; a form release rewrites Hw_FuID from these lists. Every record holds its window, the window
// procedure it replaced, a dirty flag and the memory context keeping its last finished picture.
//
// The drawing board's animation threads read g_skinCanvases: append to it, or remove from it, only
// while holding a SkinRegistryWriteGuard (skin/core/skin_registry.h).
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "gdiplus/gdip_types.h"
#include "skin/core/record_list.h"
#include "skin/core/skin_callback.h"
#include "skin/custom/skin_canvas_items.h"
#include "skin/custom/tooltip.h"

// Each record's dirty flag makes the control render afresh at its next paint instead of copying its
// kept picture (a drawing board rebuilds its background when either of its two flags is set).
struct SkinCanvasRecord {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    bool dirty = true;
    bool formDirty = false;
    HDC backgroundDC = nullptr;
    // Client size at the last recomposition; read by the animation threads too.
    std::atomic<int> clientWidth{0};
    std::atomic<int> clientHeight{0};
    int shape = 1;      // 0 rectangle, 1 rounded, 2 horizontal divider strip, 3 vertical strip, 4 ellipse
    int glowEdges = 0;  // 0 none, 1 top, 2 bottom, 4 left, 8 right, 15 all
    COLORREF glowColour = 0;
    int glowAlpha = 255;  // low byte used
    int glowWidth = 6;    // also the corner size of the rounded shape
    int border = 0;       // 1 draws the two-line border
    COLORREF borderColour = 0;
    int borderAlpha = 150;  // low byte used
    COLORREF dividerColour = 0;
    std::string backgroundImage;
    int imageMode = 0;  // 0 top-left, 1 top-right, 2 centred, 3 stretched, 4 tiled
    bool hostsChildren = false;
    int gradientMode = 0;  // 0 none, 1..6
    COLORREF gradientColour1 = 0xFFFFFF;
    COLORREF gradientColour2 = 0xFFFFFF;
    int gradientAlpha1 = 120;
    int gradientAlpha2 = 120;
    SkinCallback mouseEnterCallback = nullptr;  // (board window)
    SkinCallback mouseLeaveCallback = nullptr;
    bool hovering = false;
    bool buttonDown = false;
    RecordList<AnimatedImageItem> animatedImages;
    RecordList<CanvasImageElement> imageElements;
    RecordList<CanvasTextElement> textElements;
};

// One item of a navigation bar. Its rectangle is the entry of the same number in the bar's itemRects.
struct NavBarItem {
    std::string image;      // picture bytes (any format GDI+ reads); kept only when imagePath is empty
    std::string imagePath;  // a picture or icon file, read on every draw; wins over image
    std::string caption;
    int layout = 0;  // 0 picture above the caption, 1 picture left of it; anything else draws neither
    std::string tipText;  // the item has a tool only when this is not empty
    bool hasDropPart = false;
    bool toggle = false;  // a click flips checked (never in page mode)
    bool checked = false;
    int splitOffset = 0;  // with a drop part: from the item's left edge to the divider
    int dropWidth = 0;    // with a drop part: its width; 0 none
    HWND pageWindow = nullptr;  // page mode only
    bool disabled = false;
    bool hidden = false;  // its rectangle is empty
    int savedWidth = 0;   // the size before it was hidden
    int savedHeight = 0;
};

// An item whose hover look fades in or out, and the step reached (0..8).
struct NavBarFade {
    int item = 0;
    int step = 0;
};

// Item numbers are 1-based, 0 means none. Numbers kept here are checked against the item count
// wherever they are used.
struct NavBarRecord {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;  // also in Hw_hProc
    int itemWidth = 0;   // size of an item added without one
    int itemHeight = 0;
    COLORREF captionColour = 0;
    bool inverseCaptions = false;  // plain captions in the complement of g_skinBaseColour
    COLORREF backColour = 0;       // 0: no fill
    int backAlpha = 255;
    RecordList<NavBarItem> items;
    std::vector<int> separators;  // item numbers after which a separator is drawn
    std::vector<RectF> itemRects;  // client coordinates, one per item
    int mouseItem = 0;  // under the mouse at the last move or press; while the button is down, the pressed one
    int hotItem = 0;
    SkinCallback clickCallback = nullptr;   // (item)
    SkinCallback secondCallback = nullptr;  // (item), a click on the drop part
    int dropWidth = 13;  // given to items with a drop part
    bool dirty = false;  // the next WM_PAINT repaints the whole bar
    bool pageMode = false;
    int selectedItem = 0;
    int currentItem = 0;  // clicked last; in page mode the item whose page shows
    HDC memoryDC = nullptr;  // the finished picture of the bar; 0 before the first full repaint
    ToolTipClass toolTip;    // tool id = item number
    bool haloText = false;   // captions with DrawSkinText
    bool fontSet = false;    // captions with DrawTextGdiPlus
    COLORREF textColour = 0;
    COLORREF haloColour = 0;
    std::string fontName = "宋体";
    int fontSize = 12;
    int vertical = 0;  // 0 items left to right, 1 top to bottom
    NavBarFade fadeIn;
    NavBarFade fadeOut;
    bool mouseInside = false;
    bool buttonDown = false;
};

struct GroupListRecord {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    bool dirty = true;
    HDC memoryDC = nullptr;
};

struct TabStripRecord {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    bool dirty = true;
    HDC memoryDC = nullptr;
};

inline constexpr int kScrollBarStandAlone = 0;
inline constexpr int kScrollBarEmbedded = 1;
inline constexpr int kScrollBarDetached = 2;

struct ScrollBarRecord {
    // The bar's own window when stand-alone, else its host's window.
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    int mode = kScrollBarStandAlone;
    bool dirty = true;
    HDC targetDC = nullptr;
};

inline RecordList<SkinCanvasRecord> g_skinCanvases;
inline RecordList<NavBarRecord> g_navBars;
inline RecordList<GroupListRecord> g_groupLists;
inline RecordList<TabStripRecord> g_tabStrips;
inline RecordList<ScrollBarRecord> g_scrollBars;
