// The tab strip's item operations: adding, styling, tips, deleting, selecting, the select callback,
// repaint requests, colour and width setters and queries.
#include "skin/custom/tab_strip.h"

#include "skin/custom/tab_strip_painting.h"

namespace {

// After an item before it went, a kept number names the item that followed.
void FollowDeletion(int& number, int deleted)
{
    if (number == deleted)
        number = 0;
    else if (number > deleted)
        --number;
}

}  // namespace

int SkinTabStrip::AddItem(const TabItemOptions& options) const
{
    TabStripRecord* strip = Record();
    if (!strip)
        return 0;
    RECT client = {};
    GetClientRect(window, &client);
    const int n = AppendRecord(strip->items, std::make_unique<TabStripItem>());
    TabStripItem& item = *RecordAt(strip->items, n);
    if (n == 1 && strip->selectionMode) {
        item.selected = true;
        strip->selectedItem = 1;
    }
    item.index = n;
    item.caption = options.caption.value_or(std::string());
    item.image = options.image.value_or(std::string());
    item.tipText = options.tipText.value_or(std::string());
    item.textColour = options.textColour.value_or(0);
    item.haloColour = options.haloColour.value_or(-1);
    item.fontName = options.fontName.value_or("宋体");
    item.fontSize = options.fontSize.value_or(12);
    item.fontStyle = options.fontStyle.value_or(0);
    if (strip->fillWidth) {
        ComputeTabWidths(window);
        LayoutTabStripItems(window);
    } else {
        // Only the new item is placed; the ones before keep their places.
        item.rect = TabItemPlace(*strip, n, client.bottom);
        strip->contentWidth = 2 * strip->margin + n * strip->itemWidth + (n - 1) * kTabItemGap;
    }
    if (!item.tipText.empty())
        strip->toolTip.AddTool(item.rect, item.tipText, n);
    return 1;
}

int SkinTabStrip::SetItemTip(int item, const std::string& text) const
{
    TabStripRecord* strip = Record();
    TabStripItem* target = strip ? RecordAt(strip->items, item) : nullptr;
    if (!target)
        return 0;
    if (text.empty())
        strip->toolTip.DeleteTool(item);
    else if (target->tipText.empty())
        strip->toolTip.AddTool(target->rect, text, item);
    else
        strip->toolTip.UpdateTipText(item, text);
    target->tipText = text;
    return 1;
}

int SkinTabStrip::SetItemStyle(int item, const TabItemStyle& style) const
{
    TabStripRecord* strip = Record();
    if (!strip || (item != -1 && !RecordAt(strip->items, item)))
        return 0;
    for (int i = 1; i <= RecordCount(strip->items); ++i) {
        if (item != -1 && i != item)
            continue;
        TabStripItem& target = *RecordAt(strip->items, i);
        target.fontName = style.fontName.value_or(target.fontName);
        target.fontSize = style.fontSize.value_or(target.fontSize);
        target.fontStyle = style.fontStyle.value_or(target.fontStyle);
        target.textColour = style.textColour.value_or(target.textColour);
        target.haloColour = style.haloColour.value_or(target.haloColour);
    }
    Refresh();
    return 1;
}

int SkinTabStrip::DeleteItem(int item) const
{
    TabStripRecord* strip = Record();
    if (!strip || !RecordAt(strip->items, item))
        return 0;
    const int oldCount = RecordCount(strip->items);
    if (strip->mouseItem == item)
        strip->hotItem = 0;
    FollowDeletion(strip->mouseItem, item);
    FollowDeletion(strip->hotItem, item);
    FollowDeletion(strip->selectedItem, item);
    strip->items.erase(strip->items.begin() + (item - 1));
    // Tool k belongs to item k: the tools from the deleted number on are made again.
    for (int k = item; k <= oldCount; ++k)
        strip->toolTip.DeleteTool(k);
    if (strip->fillWidth)
        ComputeTabWidths(window);
    LayoutTabStripItems(window);
    for (int k = item; k <= RecordCount(strip->items); ++k) {
        const TabStripItem& moved = *RecordAt(strip->items, k);
        if (!moved.tipText.empty())
            strip->toolTip.AddTool(moved.rect, moved.tipText, k);
    }
    Refresh();
    return 1;
}

int SkinTabStrip::SelectItem(int item) const
{
    TabStripRecord* strip = Record();
    if (!strip)
        return 0;
    if (strip->selectionMode && item > 0) {
        TabStripItem* target = RecordAt(strip->items, item);
        if (!target)
            return 1;
        target->selected = true;
        if (item == strip->selectedItem)
            return 1;
        if (TabStripItem* old = RecordAt(strip->items, strip->selectedItem)) {
            old->selected = false;
            DrawTabStripItem(window, strip->selectedItem);
        }
        DrawTabStripItem(window, item);
        strip->selectedItem = item;
        if (strip->selectCallback)
            InvokeControlCallback(strip->selectCallback, {item}, g_tabStrips, window, kTabStripKeys);
        return 1;
    }
    if (item == -1) {
        if (TabStripItem* old = RecordAt(strip->items, strip->selectedItem)) {
            old->selected = false;
            DrawTabStripItem(window, strip->selectedItem);
            strip->selectedItem = 0;
        }
        return 1;
    }
    return 0;
}

int SkinTabStrip::GetSelectedItem() const
{
    const TabStripRecord* strip = Record();
    if (!strip || !strip->selectionMode)
        return 0;
    return FindSelectedTab(window);
}

int SkinTabStrip::SetSelectCallback(SkinCallback handler) const
{
    TabStripRecord* strip = Record();
    if (!strip)
        return 0;
    strip->selectCallback = handler;
    return 1;
}

void SkinTabStrip::Refresh() const
{
    InvalidateTabStrip(window);
}

int SkinTabStrip::SetAlpha1(int alpha) const
{
    TabStripRecord* strip = Record();
    if (!strip)
        return 0;
    strip->alpha1 = alpha;
    Refresh();
    return 1;
}

RECT SkinTabStrip::GetItemRect(int item) const
{
    const TabStripRecord* strip = Record();
    const TabStripItem* target = strip ? RecordAt(strip->items, item) : nullptr;
    return target ? target->rect : RECT{};
}

int SkinTabStrip::SetInverseCaptions(std::optional<bool> on) const
{
    TabStripRecord* strip = Record();
    if (!strip)
        return 0;
    strip->inverseCaptions = on.value_or(true);
    return 1;
}

HDC SkinTabStrip::GetMemoryDC() const
{
    const TabStripRecord* strip = Record();
    return strip ? strip->memoryDC : nullptr;
}

int SkinTabStrip::SetColour1(std::optional<COLORREF> colour, std::optional<int> alpha) const
{
    TabStripRecord* strip = Record();
    if (!strip)
        return 0;
    strip->colour1 = colour.value_or(strip->colour1);
    strip->alpha1 = alpha.value_or(strip->alpha1);
    Refresh();
    return 1;
}

int SkinTabStrip::SetColour2(std::optional<COLORREF> colour, std::optional<int> alpha) const
{
    TabStripRecord* strip = Record();
    if (!strip)
        return 0;
    strip->colour2 = colour.value_or(strip->colour2);
    strip->alpha2 = alpha.value_or(strip->alpha2);
    Refresh();
    return 1;
}

int SkinTabStrip::SetFillWidth(std::optional<bool> on) const
{
    TabStripRecord* strip = Record();
    if (!strip)
        return 0;
    strip->fillWidth = on.value_or(true);
    ComputeTabWidths(window);
    LayoutTabStripItems(window);
    Refresh();
    return 1;
}

int SkinTabStrip::FindSelectedItem() const
{
    return FindSelectedTab(window);
}
