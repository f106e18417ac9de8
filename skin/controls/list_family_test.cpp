// List-type controls and list headers: the six registering passes, the paint ways, the frame per
// state, the arrow-key rule, paints while the form is dragged or just restored, and the header's hit
// tests, content placement, hover and stretched last item.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/header_family.h"
#include "skin/controls/list_family.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kTheme = 0x22CADD;  // kStartThemeColour as 0xRRGGBB
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kKey = 0xFF00FF;

class ListFamilyTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitCommonControls();
        g_themeColour = kStartThemeColour;
    }
    void TearDown() override
    {
        OnNativeMessage() = nullptr;
        SetSkinOptions(true, 0);
    }
};

HWND AddReportList(HWND form, int x, int y, DWORD style = 0)
{
    HWND view = CreateControl(form, WC_LISTVIEWA, "", x, y, 280, 130, WS_BORDER | LVS_REPORT | style);
    const char* titles[] = {"序号", "名字", "评分"};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = i == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = 70;
        column.pszText = const_cast<char*>(titles[i]);
        SendMessageA(view, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < 30; ++row) {
        const std::string text = std::to_string(row + 1);
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    return view;
}

int ListIndexOf(int formNumber, HWND control)
{
    const SkinFormRecord& form = FormRecord(formNumber);
    for (int i = 1; i <= RecordCount(form.listControls); ++i)
        if (RecordAt(form.listControls, i)->hwnd == control)
            return i;
    return 0;
}

int HeaderIndexOf(int formNumber, HWND header)
{
    const SkinFormRecord& form = FormRecord(formNumber);
    for (int i = 1; i <= RecordCount(form.headers); ++i)
        if (RecordAt(form.headers, i)->hwnd == header)
            return i;
    return 0;
}

}  // namespace

TEST_F(ListFamilyTest, PaintWaysByClassVeilAndDirt)
{
    struct Case {
        const char* className;
        bool veil, dirty;
        ListPaintWay way;
    } cases[] = {
        {"SysTreeView32", true, true, ListPaintWay::kTree},
        {"SysListView32", true, true, ListPaintWay::kVeiled},
        {"ListBox", true, true, ListPaintWay::kVeiled},
        {"SysDateTimePick32", true, true, ListPaintWay::kVeiled},
        {"SysIPAddress32", true, true, ListPaintWay::kNative},
        {"ComboLBox", true, true, ListPaintWay::kNative},
        {"SysListView32", false, true, ListPaintWay::kNative},
        {"SysTreeView32", false, true, ListPaintWay::kNative},
        {"SysListView32", true, false, ListPaintWay::kBackBuffer},
        {"ListBox", false, false, ListPaintWay::kBackBuffer},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseListPaintWay(c.className, c.veil, c.dirty), c.way) << c.className << " " << c.veil << c.dirty;
}

TEST_F(ListFamilyTest, FramePerState)
{
    struct Case {
        const char* name;
        bool hot, focused, effect;
        uint32_t outer, second;  // pixels (0, 20) and (1, 20)
    } cases[] = {
        {"plain", false, false, true, Blend(kGrey, kBlack, 90), kGrey},
        {"focused", false, true, true, Blend(kGrey, kTheme, 200), kGrey},
        {"hot: 2 pixels", true, false, true, Blend(kGrey, kTheme, 200), Blend(kGrey, kTheme, 200)},
        {"hot without the effect", true, false, false, Blend(kGrey, kTheme, 200), kGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListFrameSnapshot frame;
        frame.width = 80;
        frame.height = 40;
        frame.client = RECT{3, 3, 77, 37};
        frame.hot = c.hot;
        frame.focused = c.focused;
        frame.veil = true;
        frame.frameEffect = c.effect;
        TestCanvas canvas(80, 40, kGrey);
        DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& graphics) { DrawListFrameFace(graphics, frame); });
        EXPECT_TRUE(RgbNear(canvas.Rgb(0, 20), c.outer, 4)) << std::hex << canvas.Rgb(0, 20);
        EXPECT_TRUE(RgbNear(canvas.Rgb(1, 20), c.second, 4)) << std::hex << canvas.Rgb(1, 20);
        EXPECT_EQ(canvas.Rgb(40, 20), kKey) << "the client area is keyed out";
    }
    ListFrameSnapshot combosList;
    combosList.width = 20;
    combosList.height = 20;
    combosList.keyedWhole = true;
    TestCanvas canvas(20, 20, kGrey);
    DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& graphics) { DrawListFrameFace(graphics, combosList); });
    EXPECT_EQ(canvas.Rgb(0, 0), kKey);
}

TEST_F(ListFamilyTest, SixPassesOnceEachAndTheTreesKeyOnlyWithTheVeil)
{
    for (bool veil : {true, false}) {
        SCOPED_TRACE(veil ? "veil" : "no veil");
        ScopedWindow form(CreateFrameForm(20, 20, 640, 400, 0, false));
        HWND box = CreateControl(form, "ListBox", "", 10, 40, 100, 80, WS_BORDER | WS_VSCROLL);
        HWND simple = CreateControl(form, "ComboBox", "", 120, 40, 100, 100, CBS_SIMPLE);
        HWND view = AddReportList(form, 230, 40);
        HWND sorted = AddReportList(form, 230, 180, LVS_SORTASCENDING);
        HWND tree = CreateControl(form, WC_TREEVIEWA, "", 10, 180, 100, 80, WS_BORDER);
        HWND address = CreateControl(form, WC_IPADDRESSA, "", 10, 270, 130, 22, WS_BORDER);
        HWND picker = CreateControl(form, DATETIMEPICK_CLASSA, "", 10, 300, 130, 24, WS_BORDER);
        SetSkinOptions(true, veil ? std::optional<int>(0) : std::nullopt);
        SkinForm(form);
        const int n = FindSkinnedWindow(form);
        ASSERT_GT(n, 0);
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(GetComboBoxInfo(simple, &info));
        EXPECT_EQ(RecordCount(FormRecord(n).listControls), 6);
        for (HWND listed : {box, info.hwndList, view, tree, address, picker})
            EXPECT_GT(ListIndexOf(n, listed), 0);
        EXPECT_EQ(ListIndexOf(n, sorted), 0) << "a sorted list view is passed over";
        EXPECT_EQ(SendMessageA(tree, TVM_GETBKCOLOR, 0, 0) == static_cast<LRESULT>(kKey), veil);
        EXPECT_NE(RecordAt(FormRecord(n).listControls, ListIndexOf(n, box))->verticalScrollBar, nullptr);
        EXPECT_EQ(RecordAt(FormRecord(n).listControls, ListIndexOf(n, address))->verticalScrollBar, nullptr);

        // A second run subclasses nothing twice.
        const WNDPROC boxProc = GetWindowPropHandle<WNDPROC>(box, kPropHwProc);
        const WNDPROC headerProc =
            GetWindowPropHandle<WNDPROC>(ListView_GetHeader(view), kPropHwProc);
        const int headers = RecordCount(FormRecord(n).headers);
        EXPECT_EQ(headers, 2) << "the headers of both list views";
        RunControlInstallers(n, form);
        SkinListControls(n, form);
        SkinListViewHeaders(n, form);
        EXPECT_EQ(RecordCount(FormRecord(n).listControls), 6);
        EXPECT_EQ(RecordCount(FormRecord(n).headers), headers);
        EXPECT_EQ(GetWindowPropHandle<WNDPROC>(box, kPropHwProc), boxProc);
        EXPECT_EQ(GetWindowPropHandle<WNDPROC>(ListView_GetHeader(view), kPropHwProc), headerProc);
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("名字"));
        EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 1) << "messages still reach the list box";
    }
}

TEST_F(ListFamilyTest, DragCopiesTheBackBufferRestoredListViewsWaitAndArrowKeysKeepTheListDirty)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    HWND view = AddReportList(form, 10, 40);
    RecordNativeMessages(view);
    const int n = ShowSkinnedForm(form);
    ParkCursor();
    SkinListControlRecord& record = *RecordAt(FormRecord(n).listControls, ListIndexOf(n, view));

    // While the form is dragged and no hover was seen, the back buffer's picture stands in.
    FormRecord(n).moving = true;
    record.hoverSeen = false;
    BlankBackBufferPatch(view);
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    RECT client = {};
    GetClientRect(view, &client);
    const int y = client.bottom - 5;
    EXPECT_EQ(WindowPixel(view, 40, y), kBlankPatch) << "copied from the back buffer";
    EXPECT_TRUE(PatchIsBlank(view));
    // With a hover seen it paints afresh.
    record.hoverSeen = true;
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    EXPECT_NE(BackBufferPixel(view, 40, client.bottom - 8), kBlankPatch);
    FormRecord(n).moving = false;
    record.hoverSeen = false;

    // Just restored, a list view leaves its paint to the form.
    FormRecord(n).restorePending = true;
    BlankBackBufferPatch(view);
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(BackBufferPixel(view, 40, client.bottom - 8), kBlankPatch);
    FormRecord(n).restorePending = false;

    // Held arrow keys: each reaches the list view's own code with the list dirty and its whole client
    // area invalid, until the key comes up.
    int keys = 0;
    OnNativeMessage() = [&](const NativeMessage& m) {
        if (m.window != view || m.message != WM_KEYDOWN)
            return;
        ++keys;
        EXPECT_TRUE(record.arrowKeyDown);
        EXPECT_TRUE(record.dirty);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        HRGN whole = CreateRectRgnIndirect(&client);
        EXPECT_NE(GetUpdateRgn(view, region, FALSE), ERROR);
        EXPECT_TRUE(EqualRgn(region, whole)) << "the whole client area";
        DeleteObject(whole);
        DeleteObject(region);
    };
    UpdateWindow(view);
    for (int repeat = 0; repeat < 3; ++repeat) {
        record.dirty = false;
        ValidateRect(view, nullptr);
        SendMessageA(view, WM_KEYDOWN, VK_DOWN, 0);
    }
    OnNativeMessage() = nullptr;
    EXPECT_EQ(keys, 3);
    SendMessageA(view, WM_KEYUP, VK_DOWN, 0);
    EXPECT_FALSE(record.arrowKeyDown);
    SendMessageA(view, WM_KEYDOWN, 'A', 0);
    EXPECT_FALSE(record.arrowKeyDown) << "only arrow keys";
}

TEST_F(ListFamilyTest, NoKeyColourLeftAfterListFramePaints)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    HWND view = AddReportList(form, 10, 40);
    HWND tree = CreateControl(form, WC_TREEVIEWA, "", 300, 40, 90, 80, WS_BORDER);
    const int n = ShowSkinnedForm(form);
    ParkCursor();
    PaintListControlFrame(n, ListIndexOf(n, view), true, false);
    PaintListControlFrame(n, ListIndexOf(n, tree), false, true);
    RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    for (HWND control : {view, tree})
        EXPECT_EQ(CountKeyPixels(control), 0);
}

TEST_F(ListFamilyTest, HeaderHitTestsContentPlaceHoverAndTheLastItem)
{
    EXPECT_EQ(HeaderContentX(HDF_RIGHT, 100, 0, 40, 3), 60);
    EXPECT_EQ(HeaderContentX(HDF_RIGHT, 40, 0, 100, 3), 3) << "does not fit: from the margin";
    EXPECT_EQ(HeaderContentX(HDF_CENTER, 100, 16, 40, 4), 20);
    EXPECT_EQ(HeaderContentX(HDF_CENTER, 50, 16, 40, 4), 4);
    EXPECT_EQ(HeaderContentX(HDF_LEFT, 100, 0, 10, 4), 4);

    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    HWND view = AddReportList(form, 10, 40);
    HWND header = CreateControl(form, WC_HEADERA, "", 10, 200, 300, 24, HDS_BUTTONS | HDS_HORZ);
    for (int i = 0; i < 3; ++i) {
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<char*>("列");
        item.cxy = 100;
        item.fmt = HDF_LEFT | HDF_STRING;
        SendMessageA(header, HDM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    const int n = ShowSkinnedForm(form);
    ParkCursor();
    const int index = HeaderIndexOf(n, header);
    ASSERT_GT(index, 0);
    struct Hit {
        int x, item;
    } hits[] = {{3, 0}, {5, 1}, {95, 1}, {96, 0}, {104, 0}, {105, 2}, {250, 3}, {296, 0}, {320, 0}};
    for (const Hit& h : hits)
        EXPECT_EQ(HitTestHeaderItem(n, index, MAKELPARAM(h.x, 5)), h.item) << h.x;
    EXPECT_EQ(HitTestHeaderItem(n, 99, MAKELPARAM(50, 5)), 0);

    // Under the mouse a button-style item turns darker; no hover repaint while the button is held.
    const auto brightness = [](uint32_t rgb) { return (rgb & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb >> 16); };
    const uint32_t plain = BackBufferWindowPixel(header, 50, 21);
    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(50, 5));
    const uint32_t hot = BackBufferWindowPixel(header, 50, 21);
    EXPECT_LT(brightness(hot), brightness(plain)) << std::hex << plain << " " << hot;
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
    BlankBackBufferWindow(header);
    SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 5));
    EXPECT_EQ(BackBufferWindowPixel(header, 150, 12), kBlankPatch);
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(150, 5));
    SendMessageA(header, WM_MOUSELEAVE, 0, 0);

    // The list view's last column reaches its client edge.
    HWND viewHeader = ListView_GetHeader(view);
    const SkinHeaderRecord& record = *RecordAt(FormRecord(n).headers, HeaderIndexOf(n, viewHeader));
    RECT place = {};
    const HeaderItemSnapshot last = TakeHeaderItemSnapshot(record, 2, 3, 3, place);
    if (last.icon)
        DestroyIcon(last.icon);
    RECT client = {};
    GetClientRect(view, &client);
    EXPECT_EQ(place.left, 140);
    EXPECT_EQ(place.right, client.right);
    EXPECT_EQ(last.width, 70) << "the separator stays at the item's own edge";
    EXPECT_EQ(last.drawnWidth, client.right - 140);
}

TEST_F(ListFamilyTest, AListPaintLeavesItsHeaderAsTheHeaderPaintedIt)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    HWND view = AddReportList(form, 10, 40);
    HWND tree = CreateControl(form, WC_TREEVIEWA, "", 300, 40, 90, 80, WS_BORDER);
    HWND treeChild = CreateControl(tree, "Static", "", 5, 5, 40, 12);
    ShowSkinnedForm(form);
    ParkCursor();
    HWND header = ListView_GetHeader(view);
    const auto row = [](HWND window, int y) {
        std::vector<uint32_t> pixels;
        for (int x = 2; x < 40; x += 3)
            pixels.push_back(WindowPixel(window, x, y));
        return pixels;
    };
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RedrawWindow(treeChild, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const std::vector<uint32_t> headerRow = row(header, 9);
    const std::vector<uint32_t> childRow = row(treeChild, 6);
    for (HWND list : {view, tree}) {
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
        EXPECT_EQ(row(header, 9), headerRow);
        EXPECT_EQ(row(treeChild, 6), childRow);
    }
}
