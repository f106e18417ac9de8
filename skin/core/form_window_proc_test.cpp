// The skinned form's window procedure: which messages it answers itself and which reach the form's
// own procedure, the state it keeps, the paint paths and the brushes it hands child controls.
#include <gtest/gtest.h>

#include "gdiplus/gdip_graphics.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_window_proc.h"
#include "skin/core/frame_painting.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

class FormProcTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetSkinOptions(true, 0);
        g_firstFormSize = false;
        g_skinBaseColour = RGB(90, 120, 150);
    }
    void TearDown() override
    {
        SetSkinOptions(true);
        g_skinBaseColour = 0;
    }
};

// Sends the message and reports whether the form's own procedure saw it.
bool ReachesOwnProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr)
{
    FormMessages().clear();
    LRESULT r = SendMessageA(form, message, wParam, lParam);
    if (result)
        *result = r;
    return CountFormMessages(form, message) > 0;
}

HBRUSH BrushOf(HWND control)
{
    return GetWindowPropHandle<HBRUSH>(control, kPropKjCtlBrush);
}

HBITMAP BitmapOf(HWND control)
{
    return GetWindowPropHandle<HBITMAP>(control, kPropKjCtlBitmap);
}

LRESULT ControlColour(HWND form, UINT message, HWND control, bool* passedOn)
{
    HDC dc = GetDC(control);
    LRESULT result = 0;
    *passedOn = ReachesOwnProc(form, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control),
                               &result);
    ReleaseDC(control, dc);
    return result;
}

}  // namespace

TEST_F(FormProcTest, MessageTable)
{
    ScopedWindow window(CreateFrameForm(30, 30, 300, 200, WS_MINIMIZEBOX));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    SkinFormRecord& form = FormRecord(n);
    UpdateWindow(window);
    RECT rect = {30, 30, 330, 230};
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    const LPARAM rectParam = reinterpret_cast<LPARAM>(&rect);

    struct Row {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool passedOn;
        std::function<bool()> state;
    } rows[] = {
        {"WM_SIZING", WM_SIZING, WMSZ_RIGHT, rectParam, true, [&] { return form.sizing; }},
        {"WM_MOVING", WM_MOVING, 0, rectParam, true, [&] { return form.moving; }},
        {"WM_EXITSIZEMOVE", WM_EXITSIZEMOVE, 0, 0, true, [&] { return !form.moving && !form.sizing; }},
        {"WM_ACTIVATE active", WM_ACTIVATE, WA_ACTIVE, 0, true, [&] { return form.active; }},
        {"WM_ACTIVATE inactive", WM_ACTIVATE, WA_INACTIVE, 0, true, [&] { return !form.active; }},
        {"WM_ACTIVATEAPP 1", WM_ACTIVATEAPP, 1, 0, true, [&] { return form.active; }},
        {"WM_ACTIVATEAPP 0", WM_ACTIVATEAPP, 0, 0, true, [&] { return !form.active; }},
        {"WM_QUERYOPEN", WM_QUERYOPEN, 0, 0, true, [&] { return !form.minimized && form.restorePending; }},
        {"WM_SHOWWINDOW hide", WM_SHOWWINDOW, 0, 0, true, [&] { return form.wasHidden && !form.justShown; }},
        {"WM_SIZE", WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200), true,
         [&] { return form.needsFullRepaint && form.hotCaptionButton == 0; }},
        {"WM_DRAWITEM", WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item), true, [] { return true; }},
        {"WM_ERASEBKGND", WM_ERASEBKGND, 0, 0, false, [] { return true; }},
        {"WM_PAINT", WM_PAINT, 0, 0, false, [&] { return !form.needsFullRepaint; }},
        {"another message", WM_USER + 3, 0, 0, true, [] { return true; }},
    };
    form.minimized = true;
    form.hotCaptionButton = 2;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WPARAM wParam = row.wParam;
        HDC dc = nullptr;
        if (row.message == WM_ERASEBKGND)
            wParam = reinterpret_cast<WPARAM>(dc = GetDC(window));
        LRESULT result = 0;
        EXPECT_EQ(ReachesOwnProc(window, row.message, wParam, row.lParam, &result), row.passedOn);
        if (row.message == WM_ERASEBKGND) {
            EXPECT_EQ(result, 1);
        }
        if (dc)
            ReleaseDC(window, dc);
        EXPECT_TRUE(row.state());
    }
}

TEST_F(FormProcTest, FirstSizeOfAnyFormLeavesTheFrameClean)
{
    ScopedWindow window(CreateFrameForm(30, 30, 300, 200));
    SkinForm(window);
    SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
    HWND page = CreateTestChild(window, "Static", 0, 0, 10, 10);
    form.attachedPages.push_back(AttachedPage{page, 40, 0, true});
    HWND box = CreateTestChild(window, "Button", 0, 0, 50, 50, BS_GROUPBOX);
    RegisterTestContainer(FindSkinnedWindow(window), box, 0, 255, kContainerKindGroupBox);
    form.containers[0]->backgroundDirty = false;

    g_firstFormSize = true;
    form.needsFullRepaint = true;
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    EXPECT_FALSE(form.needsFullRepaint);
    EXPECT_FALSE(g_firstFormSize);
    EXPECT_TRUE(form.containers[0]->backgroundDirty) << "the form's backgrounds are stale";
    RECT placed = {};
    GetWindowRect(page, &placed);
    EXPECT_EQ(placed.right - placed.left, 296) << "attached pages follow";

    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    EXPECT_TRUE(form.needsFullRepaint);

    // While minimised the backgrounds are left alone.
    form.minimized = true;
    form.containers[0]->backgroundDirty = false;
    SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_FALSE(form.containers[0]->backgroundDirty);
}

TEST_F(FormProcTest, LayoutFollowsEverySizeChange)
{
    ScopedWindow window(CreateFrameForm(0, 0, 300, 200, WS_MAXIMIZEBOX));
    SkinFormOptions options;
    options.statusHeight = 10;
    SkinForm(window, options);
    const SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
    SetWindowPos(window, nullptr, 0, 0, 500, 260, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(form.captionStrip.x, 500 - form.captionStrip.width + 1);
    EXPECT_EQ(form.statusRect.y, 260 - 10 - 3 - 1);
    EXPECT_EQ(form.statusRect.width, 494);
    EXPECT_FALSE(form.maximized);

    // Stretched over the whole screen by the system: taken as maximised, kept to the work area.
    SetWindowPos(window, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
    EXPECT_TRUE(form.maximized);
}

TEST_F(FormProcTest, ShowingPaintsTheFrameOnceThenCopiesIt)
{
    ScopedWindow window(CreateFrameForm(30, 30, 300, 200, 0, false));
    SkinForm(window);
    SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
    ShowWindow(window, SW_SHOW);
    ASSERT_NE(form.frameDc, nullptr) << "the first show painted the frame";
    EXPECT_TRUE(form.justShown);
    EXPECT_FALSE(form.needsFullRepaint);
    UpdateWindow(window);
    HDC dc = GetDC(window);
    for (auto [x, y] : {std::pair{150, 100}, {10, 5}, {290, 190}})
        EXPECT_EQ(PixelRgb(dc, x, y), PixelRgb(form.frameDc, x, y)) << x << "," << y;
    ReleaseDC(window, dc);

    ShowWindow(window, SW_HIDE);
    EXPECT_TRUE(form.wasHidden);
    form.needsFullRepaint = true;
    ShowWindow(window, SW_SHOW);
    EXPECT_TRUE(form.needsFullRepaint) << "later shows wait for WM_PAINT";
    UpdateWindow(window);
    EXPECT_FALSE(form.needsFullRepaint);
    EXPECT_FALSE(form.justShown);
}

TEST_F(FormProcTest, EraseCopiesTheOldPictureOnceBetweenRebuilds)
{
    ScopedWindow window(CreateFrameForm(30, 30, 300, 200));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    SkinFormRecord& form = FormRecord(n);
    PaintFormFrame(n, true);
    UpdateWindow(window);
    form.justShown = false;
    form.needsFullRepaint = true;
    form.backgroundErased = false;
    RECT all = {0, 0, 300, 200};
    HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
    FillRect(form.backBufferDc, &all, green);
    HDC dc = GetDC(window);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(PixelRgb(dc, 150, 100), 0x00C800u);
    EXPECT_TRUE(form.backgroundErased);

    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 200));
    FillRect(form.backBufferDc, &all, blue);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(PixelRgb(dc, 150, 100), 0x00C800u) << "not copied a second time";
    // Nor while sizing.
    form.backgroundErased = false;
    form.sizing = true;
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(PixelRgb(dc, 150, 100), 0x00C800u);
    ReleaseDC(window, dc);
    DeleteObject(green);
    DeleteObject(blue);
}

TEST_F(FormProcTest, FrameCopyNeverReleasesTheCallersDc)
{
    ScopedWindow window(CreateFrameForm(30, 30, 300, 200));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    SkinFormRecord& form = FormRecord(n);
    PaintFormFrame(n, true);
    for (bool justShown : {false, true}) {
        SCOPED_TRACE(justShown);
        form.justShown = justShown;
        HDC dc = GetDC(window);
        BlitFrameBuffer(n, dc);
        EXPECT_EQ(ReleaseDC(window, dc), 1) << "still the caller's to release";
    }

    // The copy path of WM_PAINT ends its paint: nothing is left to paint and the window shows the frame.
    form.justShown = false;
    form.needsFullRepaint = false;
    FormMessages().clear();
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    RECT update = {};
    EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(CountFormMessages(window, WM_PAINT), 0);
    HDC dc = GetDC(window);
    EXPECT_EQ(PixelRgb(dc, 150, 100), PixelRgb(form.frameDc, 150, 100));
    ReleaseDC(window, dc);
}

TEST_F(FormProcTest, ControlBrushes)
{
    ScopedWindow window(CreateFrameForm(30, 30, 400, 300));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    PaintFormFrame(n, true);
    HWND edit = CreateTestChild(window, "Edit", 10, 40, 100, 24);
    HWND label = CreateTestChild(window, "Static", 10, 70, 100, 20);
    HWND list = CreateTestChild(window, "ListBox", 120, 40, 100, 80);
    HWND ownerList = CreateTestChild(window, "ListBox", 230, 40, 100, 80, LBS_OWNERDRAWFIXED);
    HWND button = CreateTestChild(window, "Button", 10, 100, 80, 24);
    HWND combo = CreateTestChild(window, "ComboBox", 10, 140, 120, 100, CBS_DROPDOWN);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    const HGDIOBJ nullBrush = GetStockObject(NULL_BRUSH);
    bool passedOn = false;

    SCOPED_TRACE("veiled brushes for edit boxes and labels, renewed at every message");
    LRESULT first = ControlColour(window, WM_CTLCOLOREDIT, edit, &passedOn);
    EXPECT_FALSE(passedOn);
    EXPECT_NE(first, 0);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(first), BrushOf(edit));
    const HBITMAP firstBitmap = BitmapOf(edit);
    EXPECT_EQ(GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
    LRESULT second = ControlColour(window, WM_CTLCOLOREDIT, edit, &passedOn);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(second), BrushOf(edit));
    if (second != first) {
        EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), 0u) << "the old pair is deleted";
    }
    EXPECT_NE(BitmapOf(edit), nullptr);
    EXPECT_NE(ControlColour(window, WM_CTLCOLORSTATIC, label, &passedOn), 0);
    EXPECT_FALSE(passedOn);

    SCOPED_TRACE("hollow brushes for list boxes and buttons");
    EXPECT_EQ(ControlColour(window, WM_CTLCOLORLISTBOX, list, &passedOn), reinterpret_cast<LRESULT>(nullBrush));
    EXPECT_FALSE(passedOn);
    EXPECT_EQ(ControlColour(window, WM_CTLCOLORBTN, button, &passedOn), reinterpret_cast<LRESULT>(nullBrush));
    EXPECT_FALSE(passedOn);

    SCOPED_TRACE("passed on: a combo box's edit field and an owner-drawn list box");
    ControlColour(window, WM_CTLCOLOREDIT, info.hwndItem, &passedOn);
    EXPECT_TRUE(passedOn);
    ControlColour(window, WM_CTLCOLORLISTBOX, ownerList, &passedOn);
    EXPECT_TRUE(passedOn);

    SCOPED_TRACE("without the veil everything is passed on");
    SetSkinOptions(true);
    for (auto [message, control] : {std::pair{WM_CTLCOLOREDIT, edit}, {WM_CTLCOLORSTATIC, label},
                                    {WM_CTLCOLORLISTBOX, list}, {WM_CTLCOLORBTN, button}}) {
        ControlColour(window, message, control, &passedOn);
        EXPECT_TRUE(passedOn) << std::hex << message;
    }
}

TEST_F(FormProcTest, NoBrushOutlivesItsControlOrTheForm)
{
    HWND window = CreateFrameForm(30, 30, 400, 300);
    SkinForm(window);
    PaintFormFrame(FindSkinnedWindow(window), true);
    HWND goner = CreateTestChild(window, "Edit", 10, 40, 100, 24);
    HWND button = CreateTestChild(window, "Button", 10, 70, 80, 24);
    HWND edit = CreateTestChild(window, "Edit", 10, 100, 100, 24);
    HWND label = CreateTestChild(window, "Static", 10, 130, 100, 20);
    bool passedOn = false;
    for (auto [message, control] : {std::pair{WM_CTLCOLOREDIT, goner}, {WM_CTLCOLORBTN, button},
                                    {WM_CTLCOLOREDIT, edit}, {WM_CTLCOLORSTATIC, label}})
        ControlColour(window, message, control, &passedOn);

    const HGDIOBJ gonerBrush = BrushOf(goner), gonerBitmap = BitmapOf(goner);
    ASSERT_NE(gonerBrush, nullptr);
    DestroyWindow(goner);
    EXPECT_EQ(GetObjectType(gonerBrush), 0u);
    EXPECT_EQ(GetObjectType(gonerBitmap), 0u);
    DestroyWindow(button);
    EXPECT_EQ(GetObjectType(GetStockObject(NULL_BRUSH)), static_cast<DWORD>(OBJ_BRUSH)) << "stock brushes stay";

    const HGDIOBJ objects[] = {BrushOf(edit), BitmapOf(edit), BrushOf(label), BitmapOf(label)};
    for (HGDIOBJ object : objects)
        ASSERT_NE(GetObjectType(object), 0u);
    DestroyWindow(window);
    for (HGDIOBJ object : objects)
        EXPECT_EQ(GetObjectType(object), 0u);
}

TEST_F(FormProcTest, RestoredFormRefreshesItsListViewsAtTheNextRebuild)
{
    ScopedWindow window(CreateFrameForm(30, 30, 400, 300));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    SkinFormRecord& form = FormRecord(n);
    HWND view = CreateTestChild(window, "SysListView32", 10, 40, 200, 100);
    HWND hiddenView = CreateTestChild(window, "SysListView32", 10, 150, 200, 100);
    ShowWindow(hiddenView, SW_HIDE);
    for (HWND w : {view, hiddenView}) {
        auto record = std::make_unique<SkinListControlRecord>();
        record->hwnd = w;
        record->dirty = false;
        form.listControls.push_back(std::move(record));
    }
    UpdateWindow(window);
    SendMessageA(window, WM_QUERYOPEN, 0, 0);
    form.needsFullRepaint = true;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_FALSE(form.restorePending);
    EXPECT_TRUE(form.listControls[0]->dirty);
    EXPECT_FALSE(form.listControls[1]->dirty) << "only visible list views";
}
