#include "skin/custom/group_list_parts.h"

GroupListRecord* FindGroupList(HWND window)
{
    return FindCustomRecord(g_groupLists, window, kGroupListKeys);
}
