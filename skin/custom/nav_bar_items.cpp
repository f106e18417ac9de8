// The items of a navigation bar: adding, removing, changing and asking, the layout of their
// rectangles and tools, and the page windows of page mode.
#include <algorithm>

#include "skin/controls/container_pages.h"
#include "skin/core/drawing_core.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_rects.h"
#include "skin/custom/nav_bar.h"
#include "skin/custom/nav_bar_painting.h"

namespace {

RECT TruncatedRect(const RectF& r)
{
    return RECT{static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
                static_cast<LONG>(r.y + r.height)};
}

// Places rectangle i after rectangle i - 1 (the first at the origin); a bar that is neither
// horizontal nor vertical leaves it alone.
void PlaceAfterPrevious(NavBarRecord& bar, size_t i)
{
    RectF& r = bar.itemRects[i];
    const RectF* previous = i > 0 ? &bar.itemRects[i - 1] : nullptr;
    if (bar.vertical == 1) {
        r.x = 0;
        r.y = previous ? previous->y + previous->height + kNavItemGap : 0;
    } else if (bar.vertical == 0) {
        r.y = 0;
        r.x = previous ? previous->x + previous->width + kNavItemGap : 0;
    }
}

// Tool i gets the rectangle and tip of item i; an item without a tip has no tool.
void SyncTool(const NavBarRecord& bar, int i)
{
    const NavBarItem* item = RecordAt(bar.items, i);
    bar.toolTip.DeleteTool(i);
    if (item && !item->tipText.empty())
        bar.toolTip.AddTool(TruncatedRect(bar.itemRects[static_cast<size_t>(i) - 1]), item->tipText, i);
}

// The holder of the bar's page windows: the attached-page list of the form that is the bar's parent,
// or the page list of the registered container that is; nullptr when the parent is neither.
std::vector<AttachedPage>* PageListOf(HWND parent, int& statusHeight)
{
    statusHeight = 0;
    if (SkinFormRecord* form = SkinFormAt(FindSkinnedWindow(parent))) {
        statusHeight = form->statusHeight;
        return &form->attachedPages;
    }
    const int owner = FindOwningSkinnedWindow(parent);
    SkinFormRecord* form = SkinFormAt(owner);
    SkinContainerRecord* container = form ? RecordAt(form->containers, FindContainerIndex(owner, parent)) : nullptr;
    return container ? &container->attachedPages : nullptr;
}

// Makes the page a child of the bar's parent, registers it with the form or container there and
// places it beside (vertical bar) or below the bar.
void RegisterPage(const NavBarRecord& bar, HWND page)
{
    HWND parent = GetParent(bar.hwnd);
    MakeChildWindow(page, parent);
    int status = 0;
    std::vector<AttachedPage>* pages = PageListOf(parent, status);
    if (!pages)
        return;
    const bool onForm = FindSkinnedWindow(parent) != 0;
    const RECT r = GetRectInAncestorClient(bar.hwnd);
    RECT c = {};
    GetClientRect(parent, &c);
    if (bar.vertical == 1) {
        AppendAttachedPage(*pages, AttachedPage{page, r.top, r.right, false});
        const int height = onForm ? c.bottom - status - r.top - 2 : c.bottom - r.top - 2;
        SetWindowPos(page, bar.hwnd, r.right, r.top, c.right - r.right - 2, height, 0);
    } else if (bar.vertical == 0) {
        AppendAttachedPage(*pages, AttachedPage{page, r.bottom, 2, true});
        const int height = onForm ? c.bottom - status - r.bottom - 2 : c.bottom - r.bottom;
        SetWindowPos(page, bar.hwnd, 2, r.bottom, c.right - 4, height, 0);
    } else {
        AppendAttachedPage(*pages, AttachedPage{page, 0, 0, false});
    }
}

// A stored item number after item `removed` went: cleared when it named that item, one lower when it
// named a later one.
void FollowRemoval(int& number, int removed)
{
    if (number == removed)
        number = 0;
    else if (number > removed)
        --number;
}

// A stored item number after an item was inserted at `position`.
void FollowInsertion(int& number, int position)
{
    if (number >= position)
        ++number;
}

template <class Change>
void ForEachStoredItem(NavBarRecord& bar, Change change)
{
    change(bar.mouseItem);
    change(bar.hotItem);
    change(bar.selectedItem);
    change(bar.currentItem);
    change(bar.fadeIn.item);
    change(bar.fadeOut.item);
}

}  // namespace

void MakeChildWindow(HWND window, HWND parent)
{
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if (style & WS_POPUP)
        style &= ~static_cast<LONG_PTR>(WS_POPUP | WS_CLIPCHILDREN);
    style |= WS_CHILD;
    SetWindowLongPtrA(window, GWL_STYLE, style);
    SetParent(window, parent);
}

void LayoutNavItems(HWND window)
{
    NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return;
    for (size_t i = 0; i < bar->itemRects.size(); ++i)
        PlaceAfterPrevious(*bar, i);
    for (int i = 1; i <= RecordCount(bar->items); ++i)
        SyncTool(*bar, i);
}

void LayoutNavBarPages(HWND window)
{
    const NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return;
    int formNumber = 0, containerNumber = 0;
    HWND host = nullptr;
    const bool onForm = FindCustomContainer(window, formNumber, containerNumber, host, false);
    const SkinFormRecord* form = SkinFormAt(formNumber);
    HWND holder = nullptr;
    int status = 0;
    if (onForm && form) {
        holder = form->hwnd;
        status = form->statusHeight;
    } else if (const SkinContainerRecord* container = form ? RecordAt(form->containers, containerNumber) : nullptr) {
        holder = container->hwnd;
    }
    if (!holder)
        return;
    const RECT r = GetRectInAncestorClient(window);
    RECT c = {};
    GetClientRect(holder, &c);
    for (const auto& item : bar->items) {
        if (!item->pageWindow)
            continue;
        if (bar->vertical == 1)
            SetWindowPos(item->pageWindow, window, r.right, r.top, c.right - r.right - 2, c.bottom - status - r.top - 2,
                         0);
        else
            SetWindowPos(item->pageWindow, window, 2, r.bottom, c.right - 4,
                         onForm ? c.bottom - status - r.bottom - 4 : c.bottom - r.bottom, 0);
    }
}

int SkinNavBar::AddItem(const NavBarItemOptions& options) const
{
    NavBarRecord* bar = Record();
    if (!bar)
        return 0;
    const int count = RecordCount(bar->items);
    if (options.position && (*options.position < 1 || *options.position > count))
        return 0;

    auto item = std::make_unique<NavBarItem>();
    if (const std::string path = options.imagePath.value_or(""); !path.empty())
        item->imagePath = path;
    else
        item->image = options.image.value_or("");
    item->caption = options.caption.value_or("");
    item->layout = options.layout.value_or(0);
    item->tipText = options.tipText.value_or("");
    item->hasDropPart = options.hasDropPart.value_or(false);
    const bool toggle = options.toggle.value_or(false);
    if (!bar->pageMode)
        item->toggle = toggle;
    if (bar->pageMode || toggle)
        item->checked = options.checked.value_or(false);
    if (bar->pageMode) {
        item->opensWindow = options.opensWindow.value_or(false);
        item->keepsPage = item->opensWindow && options.keepsPage.value_or(false);
    }
    const float width = static_cast<float>(options.width.value_or(bar->itemWidth));
    const float height = static_cast<float>(options.height.value_or(bar->itemHeight));
    if (item->hasDropPart) {
        item->splitOffset = static_cast<int>(width - bar->dropWidth - 2);
        item->dropWidth = bar->dropWidth;
    }
    if (HWND page = options.pageWindow.value_or(nullptr); bar->pageMode && page) {
        item->pageWindow = page;
        RegisterPage(*bar, page);
        ShowWindow(page, item->checked ? SW_SHOWNA : SW_HIDE);
    }

    int number = 0;
    if (!options.position) {
        bar->items.push_back(std::move(item));
        bar->itemRects.push_back(RectF{0, 0, width, height});
        number = RecordCount(bar->items);
        PlaceAfterPrevious(*bar, static_cast<size_t>(number) - 1);
        SyncTool(*bar, number);
    } else {
        number = *options.position;
        bar->items.insert(bar->items.begin() + (number - 1), std::move(item));
        bar->itemRects.insert(bar->itemRects.begin() + (number - 1), RectF{0, 0, width, height});
        ForEachStoredItem(*bar, [number](int& stored) { FollowInsertion(stored, number); });
        LayoutNavItems(bar->hwnd);
    }

    if (bar->pageMode && options.checked.value_or(false)) {
        for (const auto& other : bar->items)
            other->checked = false;
        RecordAt(bar->items, number)->checked = true;
        bar->currentItem = number;
    }
    Refresh();
    return 1;
}

int SkinNavBar::AddSeparator(int item) const
{
    NavBarRecord* bar = Record();
    if (!bar)
        return 0;
    bar->separators.push_back(item);
    return 1;
}

int SkinNavBar::RemoveItem(int item) const
{
    NavBarRecord* bar = Record();
    if (!bar || !RecordAt(bar->items, item))
        return 0;
    const int count = RecordCount(bar->items);
    if (bar->mouseItem == item)
        bar->hotItem = 0;
    ForEachStoredItem(*bar, [item](int& stored) { FollowRemoval(stored, item); });
    if (bar->fadeIn.item == 0)
        bar->fadeIn = NavBarFade{};
    if (bar->fadeOut.item == 0)
        bar->fadeOut = NavBarFade{0, kNavFadeSteps};  // nothing left to fade: the timer may stop
    bar->toolTip.DeleteTool(count);
    bar->items.erase(bar->items.begin() + (item - 1));
    bar->itemRects.erase(bar->itemRects.begin() + (item - 1));
    const int remaining = count - 1;
    auto& separators = bar->separators;
    separators.erase(std::remove_if(separators.begin(), separators.end(), [remaining](int n) { return n >= remaining; }),
                     separators.end());
    LayoutNavItems(bar->hwnd);
    Refresh();
    return 1;
}

int SkinNavBar::SetFont(std::optional<std::string> face, std::optional<int> size, std::optional<COLORREF> textColour,
                        std::optional<COLORREF> haloColour, std::optional<bool> haloText) const
{
    NavBarRecord* bar = Record();
    if (!bar)
        return 0;
    bar->fontName = face.value_or("宋体");
    bar->fontSize = size.value_or(13);
    bar->textColour = textColour.value_or(0);
    bar->haloColour = haloColour.value_or(0xFFFFFF);
    bar->haloText = haloText.value_or(false);
    bar->fontSet = true;
    return 1;
}

int SkinNavBar::SetInverseCaptions(std::optional<bool> on) const
{
    NavBarRecord* bar = Record();
    if (!bar)
        return 0;
    bar->inverseCaptions = on.value_or(true);
    return 1;
}

int SkinNavBar::SelectItem(int item, bool select) const
{
    NavBarRecord* bar = Record();
    NavBarItem* selected = bar ? RecordAt(bar->items, item) : nullptr;
    if (!selected || selected->disabled || selected->hidden || (!bar->pageMode && !selected->toggle))
        return 0;
    bar->selectedItem = select ? item : 0;
    if (!bar->pageMode) {
        selected->checked = select;
        RedrawNavItem(window, item, false);
        return 1;
    }
    for (const auto& other : bar->items)
        other->checked = false;
    selected->checked = select;
    if (select && item != bar->currentItem) {
        if (const NavBarItem* current = RecordAt(bar->items, bar->currentItem)) {
            RedrawNavItem(window, bar->currentItem, false);
            if (current->pageWindow)
                ShowWindow(current->pageWindow, SW_HIDE);
        }
        bar->currentItem = item;
    }
    RedrawNavItem(window, item, false);
    if (!select)
        return 1;
    if (bar->clickCallback) {
        bar = InvokeControlCallback(bar->clickCallback, {item}, g_navBars, window, kNavBarKeys);
        if (!bar)
            return 1;
    }
    // The new page shows whether or not a callback is set.
    if (const NavBarItem* shown = RecordAt(bar->items, item); shown && shown->pageWindow)
        ShowWindow(shown->pageWindow, SW_SHOWNA);
    return 1;
}

int SkinNavBar::IsItemChecked(int item) const
{
    const NavBarRecord* bar = Record();
    const NavBarItem* found = bar ? RecordAt(bar->items, item) : nullptr;
    return found && found->checked ? 1 : 0;
}

int SkinNavBar::IsItemHidden(int item) const
{
    const NavBarRecord* bar = Record();
    const NavBarItem* found = bar ? RecordAt(bar->items, item) : nullptr;
    return found && found->hidden ? 1 : 0;
}

int SkinNavBar::IsItemDisabled(int item) const
{
    const NavBarRecord* bar = Record();
    const NavBarItem* found = bar ? RecordAt(bar->items, item) : nullptr;
    return found && found->disabled ? 1 : 0;
}

RECT SkinNavBar::GetItemRect(int item) const
{
    const NavBarRecord* bar = Record();
    if (!bar || !RecordAt(bar->items, item))
        return RECT{};
    return TruncatedRect(bar->itemRects[static_cast<size_t>(item) - 1]);
}

int SkinNavBar::SetItemContent(int item, std::optional<std::string> caption, std::optional<std::string> image,
                               std::optional<std::string> tipText, std::optional<std::string> imagePath) const
{
    NavBarRecord* bar = Record();
    NavBarItem* found = bar ? RecordAt(bar->items, item) : nullptr;
    if (!found)
        return 0;
    if (caption)
        found->caption = *caption;
    if (imagePath && !imagePath->empty()) {
        found->imagePath = *imagePath;
        found->image.clear();
    } else if (image) {
        found->image = *image;
    }
    if (tipText)
        found->tipText = *tipText;
    if (bar->toolTip.GetHandle())
        bar->toolTip.UpdateTipText(item, found->tipText);
    DrawNavItem(window, item);
    return 1;
}

std::string SkinNavBar::GetItemText(int item) const
{
    const NavBarRecord* bar = Record();
    const NavBarItem* found = bar ? RecordAt(bar->items, item) : nullptr;
    return found ? found->caption : std::string();
}

int SkinNavBar::SetItemDisabled(int item, std::optional<bool> disabled) const
{
    NavBarRecord* bar = Record();
    NavBarItem* found = bar ? RecordAt(bar->items, item) : nullptr;
    if (!found)
        return 0;
    found->disabled = disabled.value_or(true);
    RedrawNavItem(window, item, false);
    return 1;
}

int SkinNavBar::SetItemHidden(int item, std::optional<bool> hidden) const
{
    NavBarRecord* bar = Record();
    NavBarItem* found = bar ? RecordAt(bar->items, item) : nullptr;
    if (!found)
        return 0;
    RectF& r = bar->itemRects[static_cast<size_t>(item) - 1];
    if (!found->hidden) {
        found->savedWidth = static_cast<int>(r.width);
        found->savedHeight = static_cast<int>(r.height);
    }
    found->hidden = hidden.value_or(true);
    if (found->hidden) {
        r.width = 0;
        r.height = 0;
    } else if (found->savedWidth > 0) {
        r.width = static_cast<float>(found->savedWidth);
        r.height = static_cast<float>(found->savedHeight);
    }
    LayoutNavItems(window);
    Refresh();
    return 1;
}

HDC SkinNavBar::GetMemoryDC() const
{
    const NavBarRecord* bar = Record();
    return bar ? bar->memoryDC : nullptr;
}
