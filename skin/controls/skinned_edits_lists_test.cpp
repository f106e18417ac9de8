// A form with every control of the edit, combo, list and header families: painted in each state and
// destroyed again and again without leaving memory contexts, records, overlays or GDI objects behind;
// and the picture of every control in its states.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/control_test_support.h"
#include "skin/controls/scroll_overlays.h"
#include "skin/core/memory_dc.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

struct EveryControl {
    HWND lineEdit, edgeEdit, focusEdit, plainEdit, memo;
    HWND simpleCombo, dropDown, dropList;
    HWND listBox, listView, tree, picker, address, header;
};

std::string Lines(int count, const char* word)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::string(word) + std::to_string(i) + " 这一行写得比编辑框宽得多，横向也能滚动\r\n";
    return text;
}

void AddColumns(HWND view, const std::vector<std::pair<const char*, int>>& columns)
{
    for (size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = i == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = columns[i].second;
        column.pszText = const_cast<char*>(columns[i].first);
        SendMessageA(view, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void AddRow(HWND view, int row, const std::vector<std::string>& cells)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(cells[0].c_str());
    SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (size_t i = 1; i < cells.size(); ++i) {
        item.iSubItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(cells[i].c_str());
        SendMessageA(view, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
}

EveryControl AddEveryControl(HWND form)
{
    EveryControl c{};
    c.lineEdit = CreateControl(form, "Edit", "单线边框", 10, 40, 120, 22, WS_BORDER | ES_AUTOHSCROLL, 1);
    c.edgeEdit = CreateControl(form, "Edit", "立体边框", 10, 70, 120, 22, ES_AUTOHSCROLL, 2);
    SetWindowLongPtrA(c.edgeEdit, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWindowPos(c.edgeEdit, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    c.focusEdit = CreateControl(form, "Edit", "有焦点", 10, 100, 120, 22, WS_BORDER | ES_AUTOHSCROLL, 3);
    c.plainEdit = CreateControl(form, "Edit", "无边框", 10, 130, 120, 22, ES_AUTOHSCROLL, 4);
    c.memo = CreateControl(form, "Edit", "", 10, 160, 200, 110,
                           WS_BORDER | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 5);
    SetWindowTextA(c.memo, Lines(20, "第").c_str());

    c.simpleCombo = CreateControl(form, "ComboBox", "", 230, 40, 120, 100, CBS_SIMPLE, 6);
    c.dropDown = CreateControl(form, "ComboBox", "", 230, 150, 120, 200, CBS_DROPDOWN, 7);
    c.dropList = CreateControl(form, "ComboBox", "", 230, 180, 120, 200, CBS_DROPDOWNLIST, 8);
    for (HWND combo : {c.simpleCombo, c.dropDown, c.dropList})
        for (const char* text : {"张伟", "王芳", "李娜", "刘洋"})
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(c.dropList, CB_SETCURSEL, 1, 0);
    SendMessageA(c.dropDown, CB_SETCURSEL, 2, 0);

    c.listBox = CreateControl(form, "ListBox", "", 230, 215, 120, 80, WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 9);
    for (int i = 1; i <= 12; ++i)
        SendMessageA(c.listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(("名字 " + std::to_string(i)).c_str()));
    SendMessageA(c.listBox, LB_SETCURSEL, 2, 0);

    c.listView = CreateControl(form, WC_LISTVIEWA, "", 370, 40, 280, 130, WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, 10);
    AddColumns(c.listView, {{"序号", 50}, {"名字", 90}, {"评分", 70}});
    for (int row = 0; row < 12; ++row)
        AddRow(c.listView, row, {std::to_string(row + 1), row % 2 ? "王思远" : "李佳怡", std::to_string(80 + row)});
    ListView_SetItemState(c.listView, 1, LVIS_SELECTED, LVIS_SELECTED);

    c.tree = CreateControl(form, WC_TREEVIEWA, "", 370, 180, 140, 110,
                           WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, 11);
    TVINSERTSTRUCTA insert = {};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("五行");
    HTREEITEM root = reinterpret_cast<HTREEITEM>(SendMessageA(c.tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    insert.hParent = root;
    for (const char* text : {"金", "木", "水", "火", "土"}) {
        insert.item.pszText = const_cast<char*>(text);
        SendMessageA(c.tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    }
    SendMessageA(c.tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));

    c.picker = CreateControl(form, DATETIMEPICK_CLASSA, "", 520, 180, 130, 24, WS_BORDER, 12);
    c.address = CreateControl(form, WC_IPADDRESSA, "", 520, 215, 130, 22, WS_BORDER, 13);
    c.header = CreateControl(form, WC_HEADERA, "", 10, 290, 330, 24, HDS_BUTTONS | HDS_HORZ, 14);
    HDITEMA item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    const char* texts[] = {"左对齐", "居中", "右对齐"};
    const int formats[] = {HDF_LEFT, HDF_CENTER, HDF_RIGHT};
    for (int i = 0; i < 3; ++i) {
        item.pszText = const_cast<char*>(texts[i]);
        item.cxy = 100;
        item.fmt = formats[i] | HDF_STRING;
        SendMessageA(c.header, HDM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    return c;
}

std::vector<HWND> Children(HWND form)
{
    std::vector<HWND> children;
    HWND child = nullptr;
    while ((child = FindWindowExA(form, child, nullptr, nullptr)) != nullptr)
        children.push_back(child);
    return children;
}

}  // namespace

TEST(SkinnedEditsListsTest, FormsInEveryStateLeaveNothingBehind)
{
    InitCommonControls();
    const int memoryDcs = MemoryDcCount();
    const int forms = SkinFormCount();
    int handedOut = 0;
    // A round costs about 1.5 s under Wine (skinning and the state paints): ten keep the run short.
    constexpr int kRounds = 10;
    for (int round = 0; round < kRounds; ++round) {
        HWND form = CreateFrameForm(30, 30, 660, 330, 0, false);
        const EveryControl c = AddEveryControl(form);
        if (round == 0)
            SendMessageA(c.listView, LVM_SETIMAGELIST, LVSIL_SMALL,
                         reinterpret_cast<LPARAM>(ImageList_Create(16, 16, ILC_COLOR32, 1, 1)));
        ASSERT_GT(ShowSkinnedForm(form), 0);
        std::vector<HWND> overlays;
        for (HWND child : Children(form))
            if (GetPropA(child, kPropOverlayOwner))
                overlays.push_back(child);
        ASSERT_FALSE(overlays.empty());

        SendMessageA(c.lineEdit, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c.edgeEdit, WM_SETFOCUS, 0, 0);
        SendMessageA(c.edgeEdit, WM_MOUSELEAVE, 0, 0);
        SendMessageA(c.memo, WM_VSCROLL, SB_PAGEDOWN, 0);
        SendMessageA(c.memo, WM_NCMOUSEMOVE, HTVSCROLL, 0);
        SendMessageA(c.dropList, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c.dropDown, WM_SETFOCUS, 0, 0);
        SendMessageA(c.listView, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c.listView, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageA(c.listView, WM_KEYUP, VK_DOWN, 0);
        SendMessageA(c.listBox, WM_VSCROLL, SB_PAGEDOWN, 0);
        SendMessageA(c.header, WM_MOUSEMOVE, 0, MAKELPARAM(50, 5));
        SendMessageA(c.tree, WM_SETFOCUS, 0, 0);
        RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages();

        // Brush pairs the form and the combo boxes handed out for WM_CTLCOLOR*.
        std::vector<HGDIOBJ> objects;
        std::vector<HWND> windows = Children(form);
        for (HWND combo : {c.simpleCombo, c.dropDown})
            windows.push_back(FindWindowExA(combo, nullptr, "Edit", nullptr));
        for (HWND window : windows)
            for (const char* key : {kPropKjCtlBrush, kPropKjCtlBitmap})
                if (HGDIOBJ object = GetWindowPropHandle<HGDIOBJ>(window, key); IsDeletable(object))
                    objects.push_back(object);
        handedOut += static_cast<int>(objects.size());
        DestroyWindow(form);
        PumpMessages();
        for (HGDIOBJ object : objects)
            ASSERT_EQ(GetObjectType(object), 0u) << "round " << round;
        for (HWND overlay : overlays)
            ASSERT_FALSE(IsWindow(overlay)) << "round " << round;
        ASSERT_EQ(MemoryDcCount(), memoryDcs) << "round " << round;
        ASSERT_EQ(SkinFormCount(), forms) << "round " << round;
    }
    EXPECT_GT(handedOut, 0) << "the edit boxes were given brushes to paint with";
}

TEST(SkinnedEditsListsTest, PictureOfEveryControlInItsStates)
{
    InitCommonControls();
    const COLORREF baseColour = g_skinBaseColour;
    g_skinBaseColour = RGB(214, 226, 236);
    ScopedWindow form(CreateFrameForm(0, 0, 660, 330, 0, false));
    const EveryControl c = AddEveryControl(form);
    ASSERT_GT(ShowSkinnedForm(form), 0);
    ParkCursor();
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    // Hot and focused looks, painted at once and shown until the next paint.
    SendMessageA(c.focusEdit, WM_SETFOCUS, 0, 0);
    SendMessageA(c.focusEdit, WM_PAINT, 0, 0);
    SendMessageA(c.edgeEdit, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    SendMessageA(c.dropList, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    SendMessageA(c.dropDown, WM_SETFOCUS, 0, 0);
    SendMessageA(c.listBox, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    SendMessageA(c.header, WM_MOUSEMOVE, 0, MAKELPARAM(150, 5));
    SendMessageA(c.memo, WM_NCMOUSEMOVE, HTVSCROLL, 0);
    const std::string saved = SaveWindowScreenshot(form, "skinned-edits-lists.png");
    g_skinBaseColour = baseColour;
    EXPECT_FALSE(saved.empty());
}

