#pragma once
// The tab strip: an ordinary child window made into a self-drawn row of tab-like items, each with a
// caption, an optional picture, its own font and colours and an optional tooltip. Items show hover,
// press and selection looks; a press reaches the application through the select callback. The record
// is a TabStripRecord of g_tabStrips (custom_control_records.h); painting is in tab_strip_painting.h,
// the item highlights in tab_strip_highlights.h.
#include <windows.h>

#include <optional>
#include <string>

#include "skin/custom/custom_control_frame.h"
#include "skin/custom/custom_control_records.h"

inline constexpr CustomControlKeys kTabStripKeys{kPropHwListIndex, kPropHwProc, RecordNumberFamily::kCustomListed};

// Pixels between neighbouring items.
inline constexpr int kTabItemGap = 3;

// The arguments of SkinTabStrip::Create after the window, every one optional (the defaults in
// brackets).
struct TabStripOptions {
    std::optional<int> itemWidth;        // 60
    std::optional<int> highlightStyle;   // 1
    std::optional<int> shapeStyle;       // 3
    std::optional<bool> selectionMode;   // true
    std::optional<COLORREF> colour1;     // 0xDDCA22
    std::optional<int> alpha1;           // 160
    std::optional<COLORREF> colour2;     // 0: no fill
    std::optional<int> alpha2;           // 255
    std::optional<bool> separators;      // true
    std::optional<bool> attachedTabs;    // false
    std::optional<bool> baseline;        // false
};

// The arguments of SkinTabStrip::AddItem, every one optional.
struct TabItemOptions {
    std::optional<std::string> caption;
    std::optional<std::string> image;  // picture bytes
    std::optional<COLORREF> textColour;  // 0
    std::optional<int> haloColour;       // -1: none
    std::optional<std::string> fontName;  // 宋体
    std::optional<int> fontSize;          // 12
    std::optional<int> fontStyle;         // 0
    std::optional<std::string> tipText;
};

// What SkinTabStrip::SetItemStyle changes; an omitted field keeps the item's value.
struct TabItemStyle {
    std::optional<std::string> fontName;
    std::optional<int> fontSize;
    std::optional<int> fontStyle;
    std::optional<COLORREF> textColour;
    std::optional<int> haloColour;
};

// Every operation works on the strip of `window` and returns its failure value (0, an all-zero
// rectangle, -1 where named) when that window carries no strip.
struct SkinTabStrip : CustomControlObject {
    SkinTabStrip Copy() const { return *this; }

    // Makes the window a strip (record, tooltip window, subclassing) and returns its index. It draws
    // nothing: the strip shows at the window's next WM_PAINT. A window that is a strip already answers
    // its index; one skinned otherwise is refused with 0.
    int Create(HWND window, const TabStripOptions& options = TabStripOptions());
    // Appends an item and places it (with fill width on, every item); the first item of a selection
    // strip is selected, without a callback. Nothing is repainted until Refresh.
    int AddItem(const TabItemOptions& options = TabItemOptions()) const;
    // Adds, changes or (with an empty text) removes the item's tooltip.
    int SetItemTip(int item, const std::string& text = std::string()) const;
    // Item -1: every item.
    int SetItemStyle(int item, const TabItemStyle& style) const;
    int DeleteItem(int item) const;
    // Selects the item (selection strips; a number above the count changes nothing and gives 1) and
    // reports a change to the select callback; -1 clears the selection in either mode.
    int SelectItem(int item) const;
    // The selected item; 0 on a push-button strip.
    int GetSelectedItem() const;
    // (item) at every press on an item and at each change of SelectItem.
    int SetSelectCallback(SkinCallback handler) const;
    // A full repaint at the next WM_PAINT.
    void Refresh() const;
    int SetAlpha1(int alpha) const;
    RECT GetItemRect(int item) const;
    // Captions in the complement of the skin's base colour from the next full repaint on.
    int SetInverseCaptions(std::optional<bool> on = std::nullopt) const;
    HDC GetMemoryDC() const;
    int SetColour1(std::optional<COLORREF> colour = std::nullopt, std::optional<int> alpha = std::nullopt) const;
    int SetColour2(std::optional<COLORREF> colour = std::nullopt, std::optional<int> alpha = std::nullopt) const;
    // The items share the client width while on; turned off they keep the shared width.
    int SetFillWidth(std::optional<bool> on = std::nullopt) const;
    // The selected item whatever the mode; -1 without a strip.
    int FindSelectedItem() const;

private:
    TabStripRecord* Record() const;
};

// The program's one strip object.
inline SkinTabStrip g_tabStrip;

// The record of the strip on the window, or nullptr.
TabStripRecord* FindTabStrip(HWND window);

// With fill width: itemWidth = floor((client width - (n - 1) x 3) / n). A strip without items keeps
// its width.
void ComputeTabWidths(HWND window);
// Places every item (margin 2, gaps of 3) and gives tool i item i's rectangle.
void LayoutTabStripItems(HWND window);
// The rectangle item `number` takes on the strip (its row position, the strip's height rules).
RECT TabItemPlace(const TabStripRecord& strip, int number, int clientHeight);
// The first item whose left..right (both inclusive) holds x and whose bottom lies at or below y (the
// top edge is not tested); 0 for none. `position` is packed as in a mouse message's lParam.
int HitTestTabStrip(HWND window, LPARAM position);
// The first item with its selected flag; 0 none, -1 when the window carries no strip.
int FindSelectedTab(HWND window);
int FirstSelectedTab(const TabStripRecord& strip);
// dirty, no hot item (its hover look goes too), the whole window invalidated without erasing.
void InvalidateTabStrip(HWND window);
// From WM_NCDESTROY: the previous procedure back (also without a record), the record and its tooltip
// window gone, the later strips renumbered.
void DetachTabStrip(HWND window);

LRESULT CALLBACK TabStripWindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT TabStripWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
