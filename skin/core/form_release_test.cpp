// Releasing a skinned form: its objects go, its window gets its own procedure back, and everything
// registered after it is renumbered.
#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "skin/core/drawing_core.h"
#include "skin/core/form_release.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

int FormNumberOf(HWND window)
{
    return GetWindowPropNumber(window, kPropHwFormNumber);
}

template <class Record>
Record* AppendCustom(RecordList<Record>& list, HWND window, int formNumber)
{
    auto record = std::make_unique<Record>();
    record->hwnd = window;
    Record* added = record.get();
    {
        SkinRegistryWriteGuard guard;
        AppendRecord(list, std::move(record));
    }
    SetWindowProp(window, kPropHwFormNumber, formNumber);
    return added;
}

std::unique_ptr<SkinKjRecord> KjRecordOf(HWND window)
{
    auto record = std::make_unique<SkinKjRecord>();
    record->hwnd = window;
    return record;
}

template <class Record>
void DropCustom(RecordList<Record>& list)
{
    SkinRegistryWriteGuard guard;
    list.clear();
}

// What the edit family does when an edit box goes: delete its WM_CTLCOLOR* brush and bitmap.
LRESULT CALLBACK TestEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = GetWindowPropHandle<WNDPROC>(window, kPropHwProc);
    if (message == WM_DESTROY) {
        DeleteObject(GetPropA(window, kPropKjCtlBrush));
        DeleteObject(GetPropA(window, kPropKjCtlBitmap));
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void GiveVeiledBrush(HWND edit)
{
    HBITMAP veiled = MakeVeiledBackgroundBitmap(edit);
    SetWindowProp(edit, kPropKjCtlBitmap, reinterpret_cast<LONG_PTR>(veiled));
    SetWindowProp(edit, kPropKjCtlBrush, reinterpret_cast<LONG_PTR>(CreatePatternBrush(veiled)));
}

// One form's worth of what the skin makes: a painted frame with its caches and back buffer, a painted
// and published button, an edit box with its veiled WM_CTLCOLOR brush, and a menu.
HWND SkinAndPaintAForm()
{
    HWND form = CreateTestForm(100, 100, 200, 150);
    int n = SkinTestForm(form);
    HWND button = CreateTestChild(form, "Button", 10, 40, 80, 24);
    RegisterTestButton(n, button);
    HWND edit = CreateTestChild(form, "Edit", 10, 80, 100, 24, 0, WS_EX_CLIENTEDGE);
    RegisterTestEdit(n, edit);
    HWND box = CreateTestChild(form, "Button", 120, 10, 70, 100, BS_GROUPBOX);
    RegisterTestContainer(n, box, RGB(200, 200, 200), 120, kContainerKindGroupBox);
    PaintTestFrame(n);

    HDC image = CreateBackgroundDC(button, RECT{0, 0, 80, 24});
    BlitToControl(button, image);
    ReleaseMemoryDC(image);
    HDC boxImage = CreateBackgroundDC(box, RECT{0, 0, 70, 100});
    BlitToControl(box, boxImage);
    ReleaseMemoryDC(boxImage);

    SetWindowProp(edit, kPropHwProc, SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TestEditProc)));
    GiveVeiledBrush(edit);
    SetWindowProp(form, kPropFormMenu, reinterpret_cast<LONG_PTR>(CreateMenu()));
    return form;
}

}  // namespace

TEST(SkinReleaseTest, ReleasingTheFirstFormRenumbersTheRest)
{
    ScopedWindow a(CreateTestForm(0, 0, 200, 150));
    ScopedWindow b(CreateTestForm(210, 0, 200, 150));
    ScopedWindow c(CreateTestForm(420, 0, 200, 150));
    const int base = SkinFormCount();
    const int na = SkinTestForm(a);
    const int nb = SkinTestForm(b);
    const int nc = SkinTestForm(c);
    ASSERT_EQ(nc, base + 3);

    HWND buttonB = CreateTestChild(b, "Button", 5, 5, 50, 20);
    RegisterTestButton(nb, buttonB);
    HWND buttonsC[] = {CreateTestChild(c, "Button", 5, 5, 50, 20), CreateTestChild(c, "Button", 5, 30, 50, 20)};
    for (HWND button : buttonsC)
        RegisterTestButton(nc, button);
    HWND editC = CreateTestChild(c, "Edit", 5, 55, 80, 40, ES_MULTILINE);
    RegisterTestEdit(nc, editC);
    HWND overlay = CreateTestChild(c, "Static", 70, 55, 15, 40);
    FormRecord(nc).edits[0]->verticalScrollBar = overlay;
    SetWindowProp(overlay, kPropHwFormNumber, nc);
    HWND toolbar = CreateTestChild(c, "Static", 100, 5, 50, 20);
    FormRecord(nc).kjControls.push_back(KjRecordOf(toolbar));
    SetWindowProp(toolbar, kPropKjFormNumber, nc);
    HWND navBar = CreateTestChild(c, "Static", 100, 30, 50, 50);
    AppendCustom(g_navBars, navBar, nc);
    HWND standAlone = CreateTestChild(c, "Static", 160, 30, 15, 50);
    AppendCustom(g_scrollBars, standAlone, nc);
    HWND embedded = CreateTestChild(c, "Static", 180, 30, 15, 50);
    AppendCustom(g_scrollBars, embedded, 77)->mode = kScrollBarEmbedded;

    HWND editA = CreateTestChild(a, "Edit", 5, 5, 80, 20);
    RegisterTestEdit(na, editA);
    PaintTestFrame(na);
    GiveVeiledBrush(editA);
    HGDIOBJ brushA = GetPropA(editA, kPropKjCtlBrush);
    HGDIOBJ bitmapA = GetPropA(editA, kPropKjCtlBitmap);
    ASSERT_NE(GetObjectType(bitmapA), 0u);

    WNDPROC restored = ReleaseSkinnedForm(a);
    EXPECT_EQ(GetObjectType(brushA), 0u) << "an edit box that still exists gives up its brush";
    EXPECT_EQ(GetObjectType(bitmapA), 0u);
    EXPECT_EQ(GetPropA(editA, kPropKjCtlBrush), nullptr) << "so it cannot delete the handle again";
    EXPECT_EQ(restored, TestFormOwnProc());
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(a, GWLP_WNDPROC)), TestFormOwnProc())
        << "messages reach the window's own procedure directly";
    EXPECT_EQ(FindSkinnedWindow(a), 0);
    EXPECT_EQ(SkinFormCount(), base + 2);

    EXPECT_EQ(GetWindowPropNumber(b, kPropHwListIndex), na);
    EXPECT_EQ(GetWindowPropNumber(c, kPropHwListIndex), na + 1);
    EXPECT_EQ(FormNumberOf(buttonB), na);
    for (HWND button : buttonsC)
        EXPECT_EQ(FormNumberOf(button), na + 1);
    EXPECT_EQ(GetWindowPropNumber(buttonsC[1], kPropHwListIndex), 2) << "list indexes stay";
    EXPECT_EQ(FormNumberOf(editC), na + 1);
    EXPECT_EQ(FormNumberOf(overlay), na + 1);
    EXPECT_EQ(GetWindowPropNumber(toolbar, kPropKjFormNumber), na + 1);
    EXPECT_EQ(FormNumberOf(navBar), na + 1);
    EXPECT_EQ(FormNumberOf(standAlone), na + 1);
    EXPECT_EQ(FormNumberOf(embedded), 77) << "an embedded bar keeps its host's number";

    SCOPED_TRACE("releasing the last form changes no other number");
    DestroyWindow(c);
    EXPECT_EQ(SkinFormCount(), base + 1);
    EXPECT_EQ(GetWindowPropNumber(b, kPropHwListIndex), na);
    EXPECT_EQ(FormNumberOf(buttonB), na);
    DropCustom(g_navBars);
    DropCustom(g_scrollBars);
}

TEST(SkinReleaseTest, EveryListOfAFormIsRenumbered)
{
    ScopedWindow a(CreateTestForm(0, 0, 200, 150));
    ScopedWindow b(CreateTestForm(210, 0, 300, 250));
    const int na = SkinTestForm(a);
    const int nb = SkinTestForm(b);
    SkinFormRecord& form = FormRecord(nb);
    std::vector<HWND> hw;  // windows that carry Hw_FuID
    auto control = [&](int i) {
        HWND w = CreateTestChild(b, "Static", 5 + (i % 10) * 25, 5 + (i / 10) * 25, 20, 20);
        SetWindowProp(w, kPropHwFormNumber, nb);
        return w;
    };
    int i = 0;
    auto add = [&](auto& list) {
        using Record = typename std::decay_t<decltype(list)>::value_type::element_type;
        auto record = std::make_unique<Record>();
        record->hwnd = control(i++);
        hw.push_back(record->hwnd);
        list.push_back(std::move(record));
    };
    add(form.listControls);
    form.listControls[0]->verticalScrollBar = control(i++);
    form.listControls[0]->horizontalScrollBar = control(i++);
    hw.push_back(form.listControls[0]->verticalScrollBar);
    hw.push_back(form.listControls[0]->horizontalScrollBar);
    add(form.comboBoxes);
    add(form.headers);
    add(form.upDowns);
    add(form.trackbars);
    add(form.progressBars);
    add(form.statics);
    add(form.childControls);
    HWND container = control(i++);
    RegisterTestContainer(nb, container, 0, 255, kContainerKindOther);
    hw.push_back(container);
    HWND kj = control(i++);
    form.kjControls.push_back(KjRecordOf(kj));
    SetWindowProp(kj, kPropKjFormNumber, nb);
    for (HWND w : {control(i++), control(i++), control(i++)})
        hw.push_back(w);
    AppendCustom(g_tabStrips, hw[hw.size() - 3], nb);
    AppendCustom(g_groupLists, hw[hw.size() - 2], nb);
    AppendCustom(g_skinCanvases, hw[hw.size() - 1], nb);

    ReleaseSkinnedForm(a);
    EXPECT_EQ(GetWindowPropNumber(b, kPropHwListIndex), na);
    for (size_t k = 0; k < hw.size(); ++k)
        EXPECT_EQ(FormNumberOf(hw[k]), na) << "window " << k;
    EXPECT_EQ(GetWindowPropNumber(kj, kPropKjFormNumber), na);
    DropCustom(g_tabStrips);
    DropCustom(g_groupLists);
    DropCustom(g_skinCanvases);
}

TEST(SkinReleaseTest, AWindowThatWasNeverSkinnedOnlyRenumbers)
{
    ScopedWindow form(CreateTestForm(0, 0, 100, 100));
    ScopedWindow plain(CreateTestForm(0, 0, 100, 100));
    const int n = SkinTestForm(form);
    SetWindowProp(form, kPropHwListIndex, 99);
    const int count = SkinFormCount();
    EXPECT_EQ(ReleaseSkinnedForm(plain), nullptr);
    EXPECT_EQ(SkinFormCount(), count);
    EXPECT_EQ(GetWindowPropNumber(form, kPropHwListIndex), n) << "numbers are made consistent again";
}

TEST(SkinReleaseTest, SkinPaintAndDestroyLeaveNoObjectsBehind)
{
    HANDLE process = GetCurrentProcess();
    DestroyWindow(SkinAndPaintAForm());  // first use: class registration and the system's own caches
    const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
    const int dcsBefore = MemoryDcCount();
    const int formsBefore = SkinFormCount();

    for (int i = 0; i < 100; ++i) {
        HWND form = SkinAndPaintAForm();
        const SkinFormRecord& record = FormRecord(FindSkinnedWindow(form));
        HGDIOBJ made[] = {record.frameDc,
                          GetPropA(form, kPropFrameBitmap),
                          record.captionCacheDc,
                          record.captionCacheBitmap,
                          record.statusCacheDc,
                          record.statusCacheBitmap,
                          record.backBufferDc,
                          GetPropA(record.edits[0]->hwnd, kPropKjCtlBitmap),
                          GetPropA(record.edits[0]->hwnd, kPropKjCtlBrush)};
        HMENU menu = GetWindowPropHandle<HMENU>(form, kPropFormMenu);
        ASSERT_EQ(MemoryDcCount(), dcsBefore + 1) << "the back buffer";
        DestroyWindow(form);
        for (HGDIOBJ object : made)
            ASSERT_EQ(GetObjectType(object), 0u) << "form " << i;
        ASSERT_FALSE(IsMenu(menu));
    }
    EXPECT_EQ(MemoryDcCount(), dcsBefore);
    EXPECT_EQ(SkinFormCount(), formsBefore);
    // Wine's GetGuiResources reads 0 (not implemented); there the per-object checks above do the work.
    EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(GetGuiResources(process, GR_USEROBJECTS), userBefore);
}
