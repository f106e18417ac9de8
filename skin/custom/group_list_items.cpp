// The group list's rows and entries: adding, inserting, removing, opening, selecting, captions,
// pictures, font and colours, and the queries. The hover and selection numbers follow their items.
#include <memory>

#include "skin/custom/group_list.h"

namespace {

// A number that names a removed item is cleared; one behind it moves up with its item.
void FollowRemoval(int& number, int removed)
{
    if (number == removed)
        number = 0;
    else if (number > removed)
        --number;
}

void FollowInsertion(int& number, int inserted)
{
    if (number >= inserted)
        ++number;
}

// Where a new item goes: the 1-based place, or 0 for a position outside 1..count + 1. An omitted
// position or -1 appends.
int InsertionPlace(std::optional<int> position, int count)
{
    const int place = position.value_or(-1);
    if (place == -1)
        return count + 1;
    return place >= 1 && place <= count + 1 ? place : 0;
}

template <class T>
void InsertAt(RecordList<T>& list, int place, std::unique_ptr<T> item)
{
    list.insert(list.begin() + (place - 1), std::move(item));
}

}  // namespace

int SkinGroupList::SetAutoRefresh(std::optional<bool> on) const
{
    GroupListRecord* list = Record();
    if (!list)
        return 0;
    list->autoRefresh = on.value_or(true);
    return 1;
}

int SkinGroupList::AddRow(const std::string& caption, std::optional<bool> expanded,
                          std::optional<int> position) const
{
    GroupListRecord* list = Record();
    if (!list)
        return -1;
    const int place = InsertionPlace(position, RecordCount(list->rows));
    if (place == 0)
        return -1;
    auto row = std::make_unique<GroupListRow>();
    row->caption = caption;
    row->expanded = expanded.value_or(false);
    InsertAt(list->rows, place, std::move(row));
    FollowInsertion(list->hoverRow, place);
    FollowInsertion(list->selectedRow, place);
    if (list->autoRefresh)
        RelayoutGroupList(window);
    return place;
}

int SkinGroupList::AddChild(int row, const std::string& caption, std::optional<std::string> picture,
                            std::optional<std::string> tag, std::optional<std::string> note,
                            std::optional<int> position) const
{
    GroupListRecord* list = Record();
    GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    if (!header)
        return -1;
    const int place = InsertionPlace(position, RecordCount(header->children));
    if (place == 0)
        return -1;
    auto child = std::make_unique<GroupListChild>();
    child->caption = caption;
    child->picture = picture.value_or(std::string());
    child->tag = tag.value_or(std::string());
    child->note = note.value_or(std::string());
    InsertAt(header->children, place, std::move(child));
    if (list->hoverRow == row)
        FollowInsertion(list->hoverChild, place);
    if (list->selectedRow == row)
        FollowInsertion(list->selectedChild, place);
    if (list->autoRefresh)
        RelayoutGroupList(window);
    return place;
}

int SkinGroupList::DeleteRow(int row, std::optional<bool> refresh) const
{
    GroupListRecord* list = Record();
    if (!list || !RecordAt(list->rows, row))
        return 0;
    if (list->hoverRow == row)
        list->hoverChild = 0;
    if (list->selectedRow == row)
        list->selectedChild = 0;
    FollowRemoval(list->hoverRow, row);
    FollowRemoval(list->selectedRow, row);
    list->rows.erase(list->rows.begin() + (row - 1));
    if (refresh.value_or(true))
        RelayoutGroupList(window);
    return 1;
}

int SkinGroupList::DeleteChild(int row, int entry, std::optional<bool> refresh) const
{
    GroupListRecord* list = Record();
    GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    if (!header || !RecordAt(header->children, entry))
        return 0;
    // A removed entry's number falls back to its row's header.
    if (list->hoverRow == row)
        FollowRemoval(list->hoverChild, entry);
    if (list->selectedRow == row)
        FollowRemoval(list->selectedChild, entry);
    header->children.erase(header->children.begin() + (entry - 1));
    if (refresh.value_or(true))
        RelayoutGroupList(window);
    return 1;
}

int SkinGroupList::Clear() const
{
    GroupListRecord* list = Record();
    if (!list)
        return 0;
    list->rows.clear();
    list->hoverRow = list->hoverChild = 0;
    list->selectedRow = list->selectedChild = 0;
    RelayoutGroupList(window);
    return 1;
}

int SkinGroupList::ClearChildren(int row) const
{
    GroupListRecord* list = Record();
    GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    if (!header)
        return 0;
    header->children.clear();
    // An entry that was hovered or selected goes with the others; the header keeps its own flags.
    if (list->hoverRow == row && list->hoverChild != 0 && !header->hover)
        list->hoverRow = list->hoverChild = 0;
    if (list->selectedRow == row && list->selectedChild != 0 && !header->selected)
        list->selectedRow = list->selectedChild = 0;
    RelayoutGroupList(window);
    return 1;
}

int SkinGroupList::ExpandRow(int row) const
{
    return Record() ? ExpandGroupListRow(window, row) : 0;
}

int SkinGroupList::CollapseRow(int row) const
{
    return Record() ? CollapseGroupListRow(window, row) : 0;
}

int SkinGroupList::Refresh() const
{
    return RelayoutGroupList(window);
}

int SkinGroupList::HitTest(int x, int y, int& row, int& entry) const
{
    return Record() ? HitTestGroupList(window, x, y, row, entry) : 0;
}

int SkinGroupList::SetExpandCallback(SkinCallback handler) const
{
    GroupListRecord* list = Record();
    if (!list)
        return 0;
    list->expandCallback = handler;
    return 1;
}

int SkinGroupList::SetCollapseCallback(SkinCallback handler) const
{
    GroupListRecord* list = Record();
    if (!list)
        return 0;
    list->collapseCallback = handler;
    return 1;
}

int SkinGroupList::SetClickCallback(SkinCallback handler) const
{
    GroupListRecord* list = Record();
    if (!list)
        return 0;
    list->clickCallback = handler;
    return 1;
}

int SkinGroupList::AnyHighlighted(int& row, int& entry) const
{
    const GroupListRecord* list = Record();
    if (!list)
        return 0;
    for (int r = 1; r <= RecordCount(list->rows); ++r) {
        const GroupListRow& header = *RecordAt(list->rows, r);
        if (header.selected) {
            row = r;
            return 1;
        }
        for (int e = 1; e <= RecordCount(header.children); ++e) {
            if (RecordAt(header.children, e)->selected) {
                row = r;
                entry = e;
                return 1;
            }
        }
    }
    return 0;
}

int SkinGroupList::GetRowCount() const
{
    const GroupListRecord* list = Record();
    return list ? RecordCount(list->rows) : 0;
}

int SkinGroupList::GetChildCount(int row) const
{
    const GroupListRecord* list = Record();
    const GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    return header ? RecordCount(header->children) : 0;
}

int SkinGroupList::Select(int row, std::optional<int> entry) const
{
    GroupListRecord* list = Record();
    if (!list || !RecordAt(list->rows, row))
        return 0;
    // The previous item is drawn plain first, as a click does.
    MarkGroupListItem(window, list->selectedRow, list->selectedChild, true, false);
    const int wanted = entry.value_or(0);
    MarkGroupListItem(window, row, wanted, true, true);
    list->selectedRow = row;
    list->selectedChild = wanted;
    return 1;
}

int SkinGroupList::SetInverseCaptions(std::optional<bool> on) const
{
    GroupListRecord* list = Record();
    if (!list)
        return 0;
    list->inverseCaptions = on.value_or(true);
    return RelayoutGroupList(window);
}

int SkinGroupList::SetFont(std::optional<std::string> fontName, std::optional<int> fontSize,
                           std::optional<COLORREF> rowText, std::optional<COLORREF> childText,
                           std::optional<COLORREF> childNote, std::optional<COLORREF> childTag) const
{
    GroupListRecord* list = Record();
    if (!list)
        return 0;
    list->fontName = fontName.value_or(list->fontName);
    list->fontSize = fontSize.value_or(list->fontSize);
    list->rowTextColour = rowText.value_or(list->rowTextColour);
    list->childTextColour = childText.value_or(list->childTextColour);
    list->childNoteColour = childNote.value_or(list->childNoteColour);
    list->childTagColour = childTag.value_or(list->childTagColour);
    return RelayoutGroupList(window);
}

std::string SkinGroupList::GetText(int row, std::optional<int> entry) const
{
    const GroupListRecord* list = Record();
    const GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    if (!header)
        return std::string();
    const int wanted = entry.value_or(0);
    if (wanted == 0)
        return header->caption;
    const GroupListChild* child = RecordAt(header->children, wanted);
    return child ? child->caption : std::string();
}

int SkinGroupList::SetText(int row, std::optional<int> entry, std::optional<std::string> text,
                           std::optional<std::string> picture) const
{
    GroupListRecord* list = Record();
    GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    if (!header)
        return 0;
    const int wanted = entry.value_or(0);
    if (wanted >= 1) {
        GroupListChild* child = RecordAt(header->children, wanted);
        if (!child)
            return 0;
        child->caption = text.value_or(std::string());
        if (picture)
            child->picture = *picture;
        DrawGroupListChild(window, row, wanted);
        return 1;
    }
    header->caption = text.value_or(std::string());
    DrawGroupListRow(window, row);
    return 1;
}

HDC SkinGroupList::GetMemoryDC() const
{
    const GroupListRecord* list = Record();
    return list ? list->memoryDC : nullptr;
}
