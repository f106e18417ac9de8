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
#include "skin/custom/scroll_bar.h"
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
    // Page mode: the item opens a window, so every click reaches the click callback, even on the
    // current item; with keepsPage it is no page button at all (the checked item and page stay).
    bool opensWindow = false;
    bool keepsPage = false;
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
    int pressedItem = 0;  // the item the button went down on: only a release over it clicks
    int focusItem = 0;    // the item the keyboard is on; marked while the bar has the focus
};

// An entry of a group-list row. Its rectangle is in client coordinates, scrolled, from the last layout.
struct GroupListChild {
    std::string caption;  // first line; without it no text of the entry is drawn
    std::string tag;      // short text at the top right
    std::string note;     // second line; without it the caption is centred vertically
    std::string picture;  // picture bytes, drawn as a square at the left
    bool hover = false;
    bool selected = false;
    RECT rect = {};
};

// A row of a group list: a header that opens and closes, and its entries (1-based).
struct GroupListRow {
    std::string caption;
    RECT rect = {};  // the header, client coordinates, scrolled
    bool expanded = false;
    bool hover = false;
    bool selected = false;
    RecordList<GroupListChild> children;
};

// Row and entry numbers are 1-based; entry 0 is the row header. The hover and selection numbers follow
// their items through inserts and removals and are cleared with them.
struct GroupListRecord {
    WNDPROC oldWndProc = nullptr;  // also in Hw_hProc
    HWND hwnd = nullptr;
    HDC memoryDC = nullptr;  // the last finished picture of the whole list; 0 before the first full paint
    bool frameVisible = true;
    int rowHeight = 26;
    int childHeight = 26;
    int backColour = -1;  // COLORREF laid over the background; negative: none
    int backAlpha = 0;
    bool dirty = true;
    SkinScrollBar scrollBar;  // embedded on the list's window
    bool scrollBarShown = false;
    SkinCallback clickCallback = nullptr;     // (row, entry)
    SkinCallback expandCallback = nullptr;    // (row)
    SkinCallback collapseCallback = nullptr;  // (row)
    SkinCallback scrollCallback = nullptr;    // given to the bar
    int marginLeft = 3;  // left and right inset of the items
    int marginTop = 3;   // top and bottom inset
    RecordList<GroupListRow> rows;
    int hoverRow = 0;
    int hoverChild = 0;
    int selectedRow = 0;
    int selectedChild = 0;
    COLORREF rowTextColour = 0;
    COLORREF childTextColour = 0;
    COLORREF childNoteColour = 0x808080;
    COLORREF childTagColour = 0;
    bool inverseCaptions = false;  // captions in the complement of g_skinBaseColour
    COLORREF backdrop = 0xFFFFFF;  // the mean colour behind the items at the last full paint
    std::string fontName = "宋体";
    int fontSize = 12;
    bool autoRefresh = true;
};

// One item of a tab strip.
struct TabStripItem {
    RECT rect = {};  // client coordinates of the strip
    int index = 0;   // its number when it was added
    std::string image;  // picture bytes, decoded on every draw; empty: none
    std::string caption;
    COLORREF textColour = 0;
    int haloColour = -1;  // a COLORREF, or -1: no halo round the caption
    bool pressed = false;  // push-button strips: held down
    bool hover = false;
    bool selected = false;  // selection strips
    std::string fontName = "宋体";
    int fontSize = 12;  // pixels
    int fontStyle = 0;  // GDI+ FontStyle bits
    std::string tipText;  // the item has a tool (id = its number) exactly while this is not empty
};

// Item numbers are 1-based, 0 means none; the numbers kept here follow their items when an earlier
// item is deleted.
struct TabStripRecord {
    HWND hwnd = nullptr;
    int shapeStyle = 3;  // the strip's own frame: 1 none, 2 rounded top, 3 rounded, 4 glossy band
    int itemWidth = 60;
    RecordList<TabStripItem> items;
    int originX = 0;
    int originY = 0;
    int contentWidth = 0;  // the laid-out row, margins included
    int itemHeight = 0;    // the client height at creation
    WNDPROC oldWndProc = nullptr;  // also in Hw_hProc
    int margin = 2;
    int hotItem = 0;
    int selectedItem = 0;
    int mouseItem = 0;  // hit by the last move or press; the one a release lets go
    SkinCallback selectCallback = nullptr;  // (item)
    HDC memoryDC = nullptr;  // the finished picture of the strip; 0 before the first full repaint
    bool dirty = true;
    bool selectionMode = true;  // a press selects; else items are push buttons
    COLORREF colour1 = 0xDDCA22;  // the item highlight
    int alpha1 = 160;
    COLORREF colour2 = 0;  // the strip's fill; 0 means none
    int alpha2 = 255;
    int highlightStyle = 1;  // 1 gradient, 3 solid, 4 glass, others glow
    bool inverseCaptions = false;
    bool separators = true;
    bool fillWidth = false;  // the items share the client width
    bool buttonDown = false;
    bool attachedTabs = false;  // items reach the strip's bottom, open tabs (not with shapeStyle 3)
    bool baseline = false;      // with attachedTabs: a line along the bottom, open under the selection
    ToolTipClass toolTip;       // tool id = item number
};

inline constexpr int kScrollBarStandAlone = 0;
inline constexpr int kScrollBarEmbedded = 1;
inline constexpr int kScrollBarDetached = 2;

// Rectangles are in the client coordinates of the record's window (window coordinates when detached).
struct ScrollBarRecord {
    // The bar's own window when stand-alone, else its host's window.
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;  // also in Hw_GdHproc
    int mode = kScrollBarStandAlone;
    bool dirty = true;
    // Stand-alone: the bar's own kept picture. Otherwise the host's buffer last handed over (0: the
    // bar paints nothing).
    HDC targetDC = nullptr;
    int width = 0;  // the window's size at the last layout
    int height = 0;
    int dragOriginY = 0;  // the thumb press, then the last drag step
    bool held = false;    // the left button went down here and has not come up or left
    int pressedPart = 0;  // an action code: 0 none, 1 thumb, 2 up, 3 down, 4 track
    int pageDirection = 0;  // a track press: 0 above the thumb, 1 at or below its top
    COLORREF backColour = 0;  // 0: no fill
    int backAlpha = 0;
    int minimum = 1;
    int maximum = 100;
    int position = 1;  // kept unclamped as given
    int step = 1;
    int page = 10;
    RectF barRect = {};
    RectF thumbRect = {};  // its height is the thumb length
    RectF upRect = {};
    RectF downRect = {};
    SkinCallback scrollCallback = nullptr;  // (window, position)
    int hoverPart = 0;  // a hit-test code, -1 none
    int lastHoverPart = 0;
};

inline RecordList<SkinCanvasRecord> g_skinCanvases;
inline RecordList<NavBarRecord> g_navBars;
inline RecordList<GroupListRecord> g_groupLists;
inline RecordList<TabStripRecord> g_tabStrips;
inline RecordList<ScrollBarRecord> g_scrollBars;
