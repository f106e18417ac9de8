#pragma once
// The navigation bar: an ordinary child window (a Static with SS_NOTIFY, so that it gets the mouse)
// made into a row or column of picture buttons with captions, tooltips, an optional drop-down part,
// a hover fade, a pressed and a checked look. Items are plain buttons, toggles or, in page mode,
// exclusive page buttons that each show a page window. Clicks reach the application through two
// callbacks. The record is a NavBarRecord of g_navBars (custom_control_records.h); painting is in
// nav_bar_painting.h.
#include <windows.h>

#include <optional>
#include <string>

#include "skin/custom/custom_control_frame.h"
#include "skin/custom/custom_control_records.h"

inline constexpr CustomControlKeys kNavBarKeys{kPropHwListIndex, kPropHwProc, RecordNumberFamily::kCustomListed};

// Steps of the hover fade and the period of its timer, whose id is the bar's window handle.
inline constexpr int kNavFadeSteps = 8;
inline constexpr UINT kNavFadePeriod = 20;
// Gap between neighbouring items.
inline constexpr int kNavItemGap = 5;

// The arguments of SkinNavBar::AddItem, every one optional.
struct NavBarItemOptions {
    std::optional<std::string> image;  // picture bytes
    std::optional<std::string> caption;
    std::optional<int> layout;  // 0
    std::optional<std::string> tipText;
    std::optional<bool> hasDropPart;  // false
    std::optional<bool> toggle;       // false; ignored in page mode
    std::optional<bool> checked;      // false; only in page mode or for a toggle
    std::optional<int> width;         // the bar's itemWidth
    std::optional<int> height;        // the bar's itemHeight
    std::optional<HWND> pageWindow;   // page mode only
    std::optional<int> position;      // insert before this item (1..count); appended when not given
    std::optional<std::string> imagePath;
    // Page mode only. The item opens a window: each click is reported, even on the current item.
    std::optional<bool> opensWindow;  // false
    // With opensWindow: the item shows no page, so a click leaves the checked item and the current
    // page as they are.
    std::optional<bool> keepsPage;    // false
};

// Every operation works on the bar of `window` and returns 0 (an empty text, a zero rectangle) when
// that window carries no bar, or when an item number lies outside 1..count.
struct SkinNavBar : CustomControlObject {
    SkinNavBar Copy() const { return *this; }

    // Makes the window a bar (record, tooltip window, subclassing) and returns its index. Defaults:
    // caption colour 0, back colour 0 (no fill), back alpha 255, page mode off, horizontal. A window
    // that is a bar already answers its index; one skinned otherwise is refused with 0.
    int Attach(HWND window, int itemWidth, int itemHeight, std::optional<COLORREF> captionColour = std::nullopt,
               std::optional<COLORREF> backColour = std::nullopt, std::optional<int> backAlpha = std::nullopt,
               std::optional<bool> pageMode = std::nullopt, std::optional<int> vertical = std::nullopt);
    // (item) on a click; in page mode only when the clicked item was not current and not checked, or
    // opens a window.
    int SetClickCallback(SkinCallback handler) const;
    // (item) on a click on an item's drop-down part.
    int SetSecondCallback(SkinCallback handler) const;
    // Marks the bar dirty and invalidates it.
    int Refresh() const;

    int AddItem(const NavBarItemOptions& options = NavBarItemOptions()) const;
    // A separator after the item (the number is not checked); drawn at the next full repaint.
    int AddSeparator(int item) const;
    int RemoveItem(int item) const;
    // Caption face ("宋体"), size (13), text colour (0), halo colour (0xFFFFFF) and halo mode (off: a
    // glow); captions then use them from the next full repaint on.
    int SetFont(std::optional<std::string> face = std::nullopt, std::optional<int> size = std::nullopt,
                std::optional<COLORREF> textColour = std::nullopt, std::optional<COLORREF> haloColour = std::nullopt,
                std::optional<bool> haloText = std::nullopt) const;
    // Plain captions in the complement of the skin's base colour (on when not given).
    int SetInverseCaptions(std::optional<bool> on = std::nullopt) const;
    // Checks the item (or unchecks it). In page mode it becomes the only checked item and the shown
    // page, and a selection is reported to the click callback; outside page mode only toggles can be
    // selected. Fails for a disabled or hidden item.
    int SelectItem(int item, bool select) const;
    int IsItemChecked(int item) const;
    int IsItemHidden(int item) const;
    int IsItemDisabled(int item) const;
    // The item's rectangle cut to whole pixels (left, top, right, bottom).
    RECT GetItemRect(int item) const;
    // Replaces what is given and redraws the item. A non-empty image path replaces the picture bytes.
    int SetItemContent(int item, std::optional<std::string> caption = std::nullopt,
                       std::optional<std::string> image = std::nullopt,
                       std::optional<std::string> tipText = std::nullopt,
                       std::optional<std::string> imagePath = std::nullopt) const;
    std::string GetItemText(int item) const;
    int SetItemDisabled(int item, std::optional<bool> disabled = std::nullopt) const;
    // A hidden item keeps its number and its place but has an empty rectangle.
    int SetItemHidden(int item, std::optional<bool> hidden = std::nullopt) const;
    HDC GetMemoryDC() const;

private:
    NavBarRecord* Record() const;
};

// The program's one bar object.
inline SkinNavBar g_navBar;

// The record of the bar on the window, or nullptr.
NavBarRecord* FindNavBar(HWND window);
// Sets dirty and invalidates the whole bar without erasing; 0 when the window is no bar.
int InvalidateNavBar(HWND window);

LRESULT CALLBACK NavBarWindowProcEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT NavBarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The enabled item under the position (packed as in a mouse message's lParam); 0 for none. Left and
// right edges are outside an item, top and bottom inside.
int HitTestNavItem(HWND window, LPARAM position);
// Hot tracking of a mouse move: the item left starts fading out, the item entered fading in.
int TrackNavBarHotItem(HWND window, LPARAM position);
// The click at a button release: checks, pages and callbacks.
int HandleNavItemClick(HWND window, LPARAM position);
// A click on item `item` (on its drop part when `drop` names it), from the mouse or the keyboard.
int ClickNavItem(HWND window, int item, int drop = 0);
// Copies the kept picture onto the window (into `dc` with the visible children clipped out, when one
// is given) and into the owning form's back buffer.
int BlitNavBarMemoryDC(HWND window, HDC dc = nullptr);
// From WM_NCDESTROY: the frame's detach, which also destroys the bar's tooltip window. 0 when the
// window carries no bar (its procedure is then left alone).
int DetachNavBar(HWND window);

// Places the item rectangles again (gaps of 5 pixels) and gives tool i the rectangle and tip of item i.
void LayoutNavItems(HWND window);
// Moves the page windows beside or below the bar, inside the form or container that holds it.
void LayoutNavBarPages(HWND window);
// Makes the window a child of the parent (a popup loses WS_POPUP and WS_CLIPCHILDREN).
void MakeChildWindow(HWND window, HWND parent);
