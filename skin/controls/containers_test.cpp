// Containers: registration and removal, what their procedure keeps from their own code, the brushes
// they hand their children, page layout, and the pictures of group boxes and tab controls.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/canvas_backgrounds.h"
#include "skin/controls/container_family.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/container_painting.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/text_measure.h"
#include "skin/core/drawing_core.h"
#include "skin/core/form_skinning.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

struct SkinnedForm {
    ScopedWindow window;
    int number = 0;
    explicit SkinnedForm(int width = 420, int height = 300) : window(CreateFrameForm(40, 40, width, height, 0, false))
    {
        InitCommonControls();
        number = ShowSkinnedForm(window.get());
    }
    SkinFormRecord& Record() const { return *SkinFormAt(number); }
    SkinContainerRecord& Container(HWND w) const
    {
        return *RecordAt(Record().containers, FindContainerIndex(number, w));
    }
};

HWND GroupBox(HWND parent, const char* text, int x, int y, int w, int h, DWORD align = 0)
{
    return CreateControl(parent, "Button", text, x, y, w, h, BS_GROUPBOX | align);
}

HWND TabControl(HWND parent, int x, int y, int w, int h, DWORD style, int tabs)
{
    HWND tab = CreateControl(parent, WC_TABCONTROLA, "", x, y, w, h, style | WS_CLIPSIBLINGS);
    for (int i = 0; i < tabs; ++i) {
        std::string text = "页面" + std::to_string(i + 1);
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    return tab;
}

std::vector<LONG> Corners(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

TEST(ContainersTest, RegistrationByKindAndOnlyOnce)
{
    SkinnedForm form;
    HWND tab = TabControl(form.window.get(), 10, 10, 200, 120, 0, 2);
    HWND box = GroupBox(form.window.get(), "分组", 220, 10, 180, 120);
    HWND push = CreateControl(box, "Button", "按钮", 10, 30, 80, 24);
    HWND plain = CreateControl(form.window.get(), "Static", "", 10, 140, 200, 100);
    CreateControl(plain, "Static", "里面", 5, 5, 50, 20);

    ASSERT_EQ(SkinContainerWindow(tab, 0), 1);
    ASSERT_EQ(SkinContainerWindow(box), 2);
    ASSERT_EQ(SkinContainerWindow(plain, 0), 3);
    const SkinContainerRecord& t = form.Container(tab);
    EXPECT_EQ(t.paintAsContainer, 1) << "a tab control always paints itself";
    EXPECT_EQ(t.kind, kContainerKindTabControl);
    EXPECT_FALSE(t.fontFace.empty());
    EXPECT_GT(t.fontSize, 0);
    EXPECT_EQ(form.Container(box).kind, kContainerKindGroupBox);
    const SkinContainerRecord& p = form.Container(plain);
    EXPECT_EQ(p.kind, kContainerKindOther);
    EXPECT_EQ(p.paintAsContainer, 0);
    EXPECT_TRUE(p.fontFace.empty());
    EXPECT_EQ(GetWindowPropNumber(box, kPropHwFormNumber), form.number);
    EXPECT_EQ(GetWindowPropNumber(box, kPropHwListIndex), 2);

    // The push button inside the group box was skinned, and paints hot.
    const int buttons = RecordCount(form.Record().buttons);
    EXPECT_EQ(FindListIndex(form.Record().buttons, push), buttons);
    BlankBackBufferPatch(push);
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(PatchIsBlank(push));

    // A second registration changes nothing and skins no child twice.
    WNDPROC installed = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_WNDPROC));
    EXPECT_EQ(SkinContainerWindow(box), 0);
    EXPECT_EQ(RecordCount(form.Record().containers), 3);
    EXPECT_EQ(RecordCount(form.Record().buttons), buttons);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_WNDPROC)), installed);

    // A window outside every skinned form is not registered.
    ScopedWindow loose(CreateTestForm(0, 0, 50, 50));
    EXPECT_EQ(SkinContainerWindow(loose.get()), 0);

    // Destroying container 1 of three moves the others up, with their Hw_lbID; the procedure finds each
    // one's record before and after (the numbers it remembers are checked against the records).
    const auto sizeMarksDirty = [&](HWND w) {
        form.Container(w).backgroundDirty = false;
        SendMessageA(w, WM_SIZE, 0, 0);
        return form.Container(w).backgroundDirty;
    };
    EXPECT_TRUE(sizeMarksDirty(box));
    EXPECT_TRUE(sizeMarksDirty(plain));
    WNDPROC boxOwnProc = form.Container(box).previousProc;
    DestroyWindow(tab);
    ASSERT_EQ(RecordCount(form.Record().containers), 2);
    EXPECT_EQ(GetWindowPropNumber(box, kPropHwListIndex), 1);
    EXPECT_EQ(GetWindowPropNumber(plain, kPropHwListIndex), 2);
    EXPECT_EQ(FindContainerIndex(form.number, box), 1);
    EXPECT_TRUE(sizeMarksDirty(box));
    EXPECT_TRUE(sizeMarksDirty(plain));
    // Removal gives the window its own procedure back.
    EXPECT_EQ(UnskinContainer(form.number, 1), boxOwnProc);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_WNDPROC)), boxOwnProc);
    EXPECT_EQ(UnskinContainer(form.number, 5), nullptr);
}

TEST(ContainersTest, EraseRuleAndPaintFlagZero)
{
    SkinnedForm form;
    HWND box = GroupBox(form.window.get(), "分组", 10, 10, 180, 120);
    HWND plain = CreateControl(form.window.get(), "Static", "", 200, 10, 100, 100);
    CreateControl(plain, "Static", "里面", 5, 5, 50, 20);
    SkinContainerWindow(box);
    SkinContainerWindow(plain, 0);
    SkinContainerRecord& record = form.Container(box);
    HDC dc = GetDC(box);
    struct Case {
        bool active, moving, sizing, dirtyAfter;
    };
    for (const Case& c : {Case{true, false, false, true}, Case{false, false, false, false},
                          Case{true, true, false, false}, Case{true, true, true, false}}) {
        form.Record().active = c.active;
        form.Record().moving = c.moving;
        form.Record().sizing = c.sizing;
        record.backgroundDirty = false;
        EXPECT_EQ(SendMessageA(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
        EXPECT_EQ(record.backgroundDirty, c.dirtyAfter) << c.active << c.moving << c.sizing;
    }
    form.Record().moving = form.Record().sizing = false;
    EXPECT_EQ(SendMessageA(plain, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(box, dc);

    // A dirty container paints in full and is clean after; a clean one copies the back buffer.
    record.backgroundDirty = true;
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(record.backgroundDirty);
    EXPECT_FALSE(record.childrenMoved);
    BlankBackBufferPatch(box);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(PatchIsBlank(box)) << "a clean paint only copies from the back buffer";
}

TEST(ContainersTest, ChildBrushesAreFreedWhenChildrenGo)
{
    SkinnedForm form;
    ASSERT_TRUE(g_veilEnabled);
    HWND box = GroupBox(form.window.get(), "选项", 10, 10, 300, 200);
    SkinContainerWindow(box);
    HDC dc = GetDC(box);
    const int memoryDcs = MemoryDcCount();

    // One pair alive per child: the replaced pair is deleted.
    HWND label = CreateControl(box, "Static", "说明", 10, 30, 80, 20);
    SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    HGDIOBJ firstBrush = GetWindowPropHandle<HGDIOBJ>(label, kPropKjCtlBrush);
    HGDIOBJ firstBitmap = GetWindowPropHandle<HGDIOBJ>(label, kPropKjCtlBitmap);
    ASSERT_TRUE(IsDeletable(firstBrush));
    ASSERT_NE(firstBitmap, nullptr);
    const LRESULT second =
        SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(second), GetWindowPropHandle<HGDIOBJ>(label, kPropKjCtlBrush));
    EXPECT_EQ(GetObjectType(firstBrush), 0u);
    EXPECT_EQ(GetObjectType(firstBitmap), 0u);

    // A hundred check boxes made later, each handed a pair, then destroyed: half of them on their own
    // (WM_PARENTNOTIFY), the rest with the container.
    std::vector<HGDIOBJ> handedOut;
    std::vector<HWND> boxes;
    for (int i = 0; i < 100; ++i) {
        HWND check = CreateControl(box, "Button", "选择", 10 + (i % 5) * 50, 60 + (i / 5) % 6 * 20, 48, 18,
                                   BS_AUTOCHECKBOX);
        SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(check));
        for (const char* key : {kPropKjCtlBrush, kPropKjCtlBitmap})
            if (HGDIOBJ object = GetWindowPropHandle<HGDIOBJ>(check, key); IsDeletable(object))
                handedOut.push_back(object);
        boxes.push_back(check);
    }
    ASSERT_EQ(handedOut.size(), 200u);
    for (size_t i = 0; i < boxes.size(); i += 2)
        DestroyWindow(boxes[i]);
    for (size_t i = 0; i < handedOut.size(); i += 4) {
        EXPECT_EQ(GetObjectType(handedOut[i]), 0u);
        EXPECT_EQ(GetObjectType(handedOut[i + 1]), 0u);
    }
    ReleaseDC(box, dc);
    HGDIOBJ labelBrush = GetWindowPropHandle<HGDIOBJ>(label, kPropKjCtlBrush);
    DestroyWindow(box);
    for (HGDIOBJ object : handedOut)
        EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(GetObjectType(labelBrush), 0u);
    EXPECT_EQ(MemoryDcCount(), memoryDcs);
    EXPECT_EQ(RecordCount(form.Record().containers), 0);
}

// A pair a skinned parent handed a child goes when the child goes, however it goes: a child that tells
// its parent nothing (WS_EX_NOPARENTNOTIFY) destroyed alone, on the form or in a container; the edit
// field of a combo box (it tells the combo box, never the form) when the veil came on after the form
// was skinned, destroyed with its combo box alone or with the whole form.
TEST(ContainersTest, ChildBrushesGoWithChildrenThatTellNobody)
{
    InitCommonControls();
    enum class Child { kQuietStaticOnForm, kQuietStaticInContainer, kComboField };
    const struct {
        const char* what;
        Child child;
        bool destroyForm;
    } cases[] = {
        {"quiet static on the form", Child::kQuietStaticOnForm, false},
        {"quiet static in a container", Child::kQuietStaticInContainer, false},
        {"combo field, combo box destroyed", Child::kComboField, false},
        {"combo field, form destroyed", Child::kComboField, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedWindow form(CreateFrameForm(40, 40, 400, 260, 0, false));
        HWND parent = form.get();
        if (c.child == Child::kQuietStaticInContainer)
            parent = GroupBox(form.get(), "选项", 10, 40, 300, 180);
        HWND combo = c.child == Child::kComboField
                         ? CreateControl(form.get(), "ComboBox", "", 10, 40, 150, 200, CBS_DROPDOWN)
                         : nullptr;
        HWND child = combo ? FindWindowExA(combo, nullptr, "Edit", nullptr)
                           : CreateTestChild(parent, "Static", 10, 30, 80, 20, WS_VISIBLE, WS_EX_NOPARENTNOTIFY);
        ASSERT_NE(child, nullptr);
        SetSkinOptions(true, combo ? std::nullopt : std::optional<int>(0));
        SkinForm(form.get());
        ShowWindow(form.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(form.get());
        PumpMessages();
        if (parent != form.get()) {
            ASSERT_GT(SkinContainerWindow(parent), 0);
        }
        SetSkinOptions(true, 0);
        const int n = FindSkinnedWindow(form.get());
        ASSERT_EQ(FindListIndex(SkinFormAt(n)->edits, child), 0) << "the field is none of the edit family's";

        HDC dc = GetDC(child);
        const UINT message = combo ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
        ASSERT_NE(SendMessageA(combo ? combo : parent, message, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(child)),
                  0);
        ReleaseDC(child, dc);
        const HGDIOBJ brush = GetWindowPropHandle<HGDIOBJ>(child, kPropKjCtlBrush);
        const HGDIOBJ bitmap = GetWindowPropHandle<HGDIOBJ>(child, kPropKjCtlBitmap);
        ASSERT_TRUE(IsDeletable(brush));
        ASSERT_NE(bitmap, nullptr);

        DestroyWindow(c.destroyForm ? form.get() : combo ? combo : child);
        PumpMessages();
        EXPECT_EQ(GetObjectType(brush), 0u);
        EXPECT_EQ(GetObjectType(bitmap), 0u);
    }
}

TEST(ContainersTest, NotificationsAndCommandsRepaint)
{
    SkinnedForm form;
    HWND outer = CreateControl(form.window.get(), "Static", "", 10, 10, 380, 260);
    HWND tab = TabControl(outer, 10, 10, 200, 100, 0, 2);
    HWND arrows = CreateControl(tab, UPDOWN_CLASSA, "", 150, 2, 30, 16, UDS_HORZ);
    HWND memo = CreateControl(outer, "Edit", "", 220, 10, 140, 100, ES_MULTILINE | WS_VSCROLL | WS_BORDER);
    RecordNativeMessages(outer);
    ASSERT_GT(SkinContainerWindow(outer, 0), 0);
    ASSERT_GT(SkinContainerWindow(tab), 0);
    SkinContainerRecord& tabRecord = form.Container(tab);

    for (UINT code : {static_cast<UINT>(TCN_SELCHANGING), static_cast<UINT>(UDN_DELTAPOS)}) {
        tabRecord.backgroundDirty = false;
        NMHDR header = {code == TCN_SELCHANGING ? tab : arrows, 0, code};
        SendMessageA(outer, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
        EXPECT_TRUE(tabRecord.backgroundDirty) << code;
    }
    // A notification without its header goes on unchanged.
    NativeMessages().clear();
    SendMessageA(outer, WM_NOTIFY, 7, 0);
    ASSERT_EQ(CountNative(outer, WM_NOTIFY), 1);

    // EN_CHANGE repaints the Edit's overlay.
    const SkinEditRecord* edit = RecordAt(form.Record().edits, FindListIndex(form.Record().edits, memo));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(edit->verticalScrollBar, nullptr);
    SetWindowTextA(memo, "一\r\n二\r\n三\r\n四\r\n五\r\n六\r\n七\r\n八\r\n九\r\n十\r\n十一\r\n十二");
    PumpMessages();
    BlankBackBufferPatch(edit->verticalScrollBar);
    SendMessageA(outer, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(memo));
    EXPECT_FALSE(PatchIsBlank(edit->verticalScrollBar));
}

TEST(ContainersTest, AttachedPagesFollowTheSize)
{
    SkinnedForm form;
    HWND plain = CreateControl(form.window.get(), "Static", "", 10, 10, 100, 100);
    HWND wide = CreateControl(plain, "Static", "", 0, 0, 10, 10);
    HWND narrow = CreateControl(plain, "Static", "", 0, 0, 10, 10);
    SkinContainerWindow(plain, 0);
    auto& pages = form.Container(plain).attachedPages;
    pages.push_back(AttachedPage{wide, 30, 0, true});
    pages.push_back(AttachedPage{narrow, 10, 80, false});
    MoveWindow(plain, 10, 10, 300, 200, TRUE);
    EXPECT_EQ(Corners(GetWindowRectInParent(wide)), (std::vector<LONG>{2, 30, 298, 200}));
    EXPECT_EQ(Corners(GetWindowRectInParent(narrow)), (std::vector<LONG>{80, 10, 298, 198}));
}

TEST(ContainersTest, GroupBoxCaptionPlaces)
{
    SkinnedForm form;
    const std::string caption = "          ";
    for (DWORD align : {static_cast<DWORD>(BS_LEFT), static_cast<DWORD>(BS_RIGHT), static_cast<DWORD>(BS_CENTER),
                        static_cast<DWORD>(0)}) {
        HWND box = GroupBox(form.window.get(), caption.c_str(), 10, 80, 200, 100, align);
        SkinContainerWindow(box);
        const SkinContainerRecord& record = form.Container(box);
        const int tw = MeasureTextWidth(caption, record.fontFace, record.fontSize, record.fontStyle);
        const float x = align == BS_LEFT ? 10.0f : align == BS_CENTER ? (200 - tw) / 2.0f : 200.0f - tw - 10;
        PaintContainer(form.number, FindContainerIndex(form.number, box));
        // The frame's top line, and the gap the caption's patch leaves in it.
        const RECT place = BackBufferPlace(box);
        auto framePixel = [&](int px, int py) { return PixelRgb(form.Record().frameDc, place.left + px, place.top + py); };
        // The line is the row with the most pixels off the frame picture; the gap its longest run of
        // frame pixels.
        int lineY = -1, most = 0;
        for (int y = 3; y <= 8; ++y) {
            int touched = 0;
            for (int px = 5; px < 195; ++px)
                touched += BackBufferPixel(box, px, y) != framePixel(px, y);
            if (touched > most) {
                most = touched;
                lineY = y;
            }
        }
        ASSERT_GE(lineY, 0) << align;
        int gapStart = -1, gapEnd = -1;
        for (int px = 5, runStart = -1; px <= 195; ++px) {
            const bool bare = px < 195 && BackBufferPixel(box, px, lineY) == framePixel(px, lineY);
            if (bare && runStart < 0)
                runStart = px;
            if (!bare && runStart >= 0) {
                if (px - runStart > gapEnd - gapStart) {
                    gapStart = runStart;
                    gapEnd = px;
                }
                runStart = -1;
            }
        }
        EXPECT_EQ(gapStart, static_cast<int>(x)) << align;
        EXPECT_EQ(gapEnd, static_cast<int>(x + static_cast<float>(tw))) << align;
        DestroyWindow(box);
    }
}

TEST(ContainersTest, TabPageFrameBelowTheRows)
{
    SkinnedForm form;
    for (int rowsWanted : {1, 2}) {
        const DWORD style = TCS_FIXEDWIDTH | (rowsWanted == 2 ? TCS_MULTILINE | TCS_RAGGEDRIGHT : 0);
        HWND tab = TabControl(form.window.get(), 10, 10, 200, 150, style, rowsWanted == 2 ? 5 : 2);
        SendMessageA(tab, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20));
        SkinContainerWindow(tab);
        const int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
        RECT s = {};
        SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)),
                     reinterpret_cast<LPARAM>(&s));
        ASSERT_EQ(rows, rowsWanted);
        const int top = (s.bottom - s.top) * rows + 1;
        if (s.bottom - s.top == 20) {
            EXPECT_EQ(top, rows == 1 ? 21 : 41);
        }
        PaintContainer(form.number, FindContainerIndex(form.number, tab));
        const RECT place = BackBufferPlace(tab);
        auto framePixel = [&](int px, int py) { return PixelRgb(form.Record().frameDc, place.left + px, place.top + py); };
        // The frame's right edge runs from just below its top down; above it, right of the tabs, nothing.
        auto touched = [&](int y) {
            return BackBufferPixel(tab, 198, y) != framePixel(198, y) || BackBufferPixel(tab, 199, y) != framePixel(199, y);
        };
        EXPECT_TRUE(touched(top + 10)) << rows;
        EXPECT_FALSE(touched(top - 2)) << rows;
        DestroyWindow(tab);
    }
}

TEST(ContainersTest, BackgroundsBehindPartsOfWindows)
{
    SkinnedForm form;
    HWND tab = TabControl(form.window.get(), 10, 10, 300, 200, 0, 1);
    HWND inner = GroupBox(tab, "标题", 20, 40, 200, 100);
    HWND bare = GroupBox(form.window.get(), "标题", 320, 10, 90, 100);
    SkinContainerWindow(tab, 1, RGB(255, 255, 255), 100);
    SkinContainerWindow(inner, 1, RGB(255, 0, 0), 128);
    SkinContainerWindow(bare, 1, RGB(255, 0, 0), 128);
    HDC dc = CreateMemoryDC(200, 100);
    const RECT patch = {1, 1, 61, 16};
    auto frame = [&](HWND w, int x, int y) {
        const RECT place = GetRectInSkinnedWindow(w);
        return PixelRgb(form.Record().frameDc, place.left + x, place.top + y);
    };
    // On a filled tab control: its fill above the frame line, the group box's own fill below.
    PaintBackgroundInSkinCanvas(inner, dc, patch);
    for (int y : {1, 4})
        EXPECT_TRUE(RgbNear(PixelRgb(dc, 30, y), Blend(frame(inner, 30, y), 0xFFFFFF, 100), 3)) << y;
    for (int y : {5, 15})
        EXPECT_TRUE(RgbNear(PixelRgb(dc, 30, y), Blend(frame(inner, 30, y), 0xFF0000, 128), 3)) << y;
    // Straight on the form: the bare frame picture above the line.
    PaintBackgroundInSkinCanvas(bare, dc, patch);
    EXPECT_EQ(PixelRgb(dc, 30, 2), frame(bare, 30, 2));
    EXPECT_TRUE(RgbNear(PixelRgb(dc, 30, 8), Blend(frame(bare, 30, 8), 0xFF0000, 128), 3));

    // A window outside every form and host leaves the context untouched.
    ScopedWindow loose(CreateTestForm(0, 0, 60, 60));
    const uint32_t before = PixelRgb(dc, 10, 10);
    PaintBackgroundInSkinCanvas(loose.get(), dc, RECT{0, 0, 50, 50});
    EXPECT_EQ(PixelRgb(dc, 10, 10), before);

    // A stand-in drawing board hosting a control: the control shows the board's picture.
    HWND board = CreateControl(form.window.get(), "Static", "", 10, 220, 200, 70);
    HWND onBoard = CreateControl(board, "Static", "", 20, 10, 50, 30);
    HDC boardPicture = CreateMemoryDC(200, 70);
    HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
    RECT all = {0, 0, 200, 70};
    FillRect(boardPicture, &all, green);
    DeleteObject(green);
    SetWindowProp(board, kPropCanvasHostsChildren, 1);
    SetWindowProp(board, kPropCanvasBackgroundDc, reinterpret_cast<LONG_PTR>(boardPicture));
    PaintBackgroundInSkinCanvas(onBoard, dc, RECT{0, 0, 50, 30});
    EXPECT_EQ(PixelRgb(dc, 10, 10), 0x00A000u);
    RemovePropA(board, kPropCanvasBackgroundDc);
    ReleaseMemoryDC(boardPicture);
    ReleaseMemoryDC(dc);
}

TEST(ContainersTest, SeeThroughChildrenShowTheFillOfAPaintingContainer)
{
    SkinnedForm form;
    HWND tab = TabControl(form.window.get(), 10, 10, 400, 280, 0, 2);
    // A native group box and a picture static draw no background of their own; a text static, a radio
    // button (style bit 0x4 like a group box) and a registered group box do.
    HWND box = GroupBox(tab, "分组", 10, 40, 180, 120);
    HWND picture = CreateControl(tab, "Static", "", 200, 40, 150, 100, SS_BITMAP | SS_NOTIFY);
    HWND text = CreateControl(tab, "Static", "文字", 200, 150, 60, 16);
    HWND radio = CreateControl(tab, "Button", "单选", 200, 170, 60, 16, BS_RADIOBUTTON);
    HWND ownBox = GroupBox(tab, "自绘", 10, 170, 180, 100);
    CreateControl(box, "Static", "标签", 10, 20, 60, 16);
    ASSERT_GT(SkinContainerWindow(ownBox), 0);
    ASSERT_GT(SkinContainerWindow(tab, 1, RGB(255, 255, 255), 255, 1), 0);
    const auto transparent = [](HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; };
    EXPECT_TRUE(transparent(box));
    EXPECT_TRUE(transparent(picture));
    EXPECT_FALSE(transparent(text));
    EXPECT_FALSE(transparent(radio));
    EXPECT_FALSE(transparent(ownBox));

    // The container's picture covers the group box's inside and the picture's rectangle with its fill,
    // where a stale patch of the back buffer would otherwise stay.
    BlankBackBufferPatch(tab);
    RedrawWindow(tab, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_EQ(BackBufferPixel(tab, 100, 120), 0xFFFFFFu) << "inside the group box";
    EXPECT_EQ(BackBufferPixel(tab, 300, 120), 0xFFFFFFu) << "inside the picture";
    // And so does the screen (a window Wine never painted shows 0xF5F5F5).
    EXPECT_EQ(WindowPixel(box, 90, 80), 0xFFFFFFu);
    EXPECT_EQ(WindowPixel(picture, 100, 80), 0xFFFFFFu);
}

TEST(ContainersTest, TabLooksByWhereTheyLieAndThePlainContainer)
{
    SkinnedForm form;
    constexpr COLORREF kFill = RGB(200, 220, 255);
    // A filled tab control on the form, and one in a filled group box with a translucent fill of its own.
    HWND onForm = TabControl(form.window.get(), 10, 10, 200, 120, 0, 2);
    HWND outer = GroupBox(form.window.get(), "外框", 10, 140, 220, 150);
    HWND nested = TabControl(outer, 10, 20, 200, 120, 0, 2);
    ASSERT_GT(SkinContainerWindow(onForm, 1, kFill, 255), 0);
    ASSERT_GT(SkinContainerWindow(outer, 1, RGB(255, 250, 230), 160), 0);
    ASSERT_GT(SkinContainerWindow(nested, 1, kFill, 128), 0);
    const auto strip = [](HWND tab, RECT& client) {
        GetClientRect(tab, &client);
        HDC dc = CreateBackgroundDC(tab, client);
        PaintTabControlStrip(tab, dc);
        return dc;
    };
    const auto itemRect = [](HWND tab, int item) {
        RECT r = {};
        SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
        return r;
    };

    // On the form: the selected top tab keeps the background (no highlight), the other tab and the
    // junction under the selected one take the fill.
    RECT client = {};
    HDC painted = strip(onForm, client);
    HDC behind = CreateBackgroundDC(onForm, client);
    const RECT selected = itemRect(onForm, 0);
    const RECT other = itemRect(onForm, 1);
    const POINT inSelected = {selected.left + 3, selected.top + 4};
    EXPECT_EQ(PixelRgb(painted, inSelected.x, inSelected.y), PixelRgb(behind, inSelected.x, inSelected.y));
    EXPECT_EQ(PixelRgb(painted, other.left + 3, other.top + 6), 0xC8DCFFu);
    EXPECT_EQ(PixelRgb(painted, selected.left + 3, selected.bottom - 1), 0xC8DCFFu) << "the junction";
    ReleaseMemoryDC(painted);
    ReleaseMemoryDC(behind);

    // Inside a container: the other tab shows the gradient, and nothing more lies on the junction.
    painted = strip(nested, client);
    behind = CreateBackgroundDC(nested, client);
    const RECT nestedSelected = itemRect(nested, 0);
    const RECT nestedOther = itemRect(nested, 1);
    EXPECT_NE(PixelRgb(painted, nestedOther.left + 3, nestedOther.top + 3),
              PixelRgb(painted, nestedOther.left + 3, nestedOther.bottom - 4));
    EXPECT_EQ(PixelRgb(painted, nestedSelected.left + 3, nestedSelected.bottom - 1),
              PixelRgb(behind, nestedSelected.left + 3, nestedSelected.bottom - 1));
    ReleaseMemoryDC(painted);
    ReleaseMemoryDC(behind);

    // A plain container paints exactly its background with option 0, a rounded frame with option 1.
    HWND plain = CreateControl(form.window.get(), "Static", "", 250, 10, 150, 100);
    HWND framed = CreateControl(form.window.get(), "Static", "", 250, 130, 150, 100);
    for (HWND w : {plain, framed})
        CreateControl(w, "Static", "子", 100, 60, 30, 16);
    ASSERT_GT(SkinContainerWindow(plain, 1, 0, 255, 0), 0);
    ASSERT_GT(SkinContainerWindow(framed, 1, 0, 255, 1), 0);
    for (HWND w : {plain, framed}) {
        BlankBackBufferPatch(w);
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    PumpMessages();
    GetClientRect(plain, &client);
    behind = CreateBackgroundDC(plain, client);
    int differing = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < client.right; ++x)
            differing += BackBufferPixel(plain, x, y) != PixelRgb(behind, x, y);
    EXPECT_EQ(differing, 0);
    ReleaseMemoryDC(behind);
    behind = CreateBackgroundDC(framed, client);
    EXPECT_NE(BackBufferPixel(framed, 1, 50), PixelRgb(behind, 1, 50)) << "the inner line of the frame";
    ReleaseMemoryDC(behind);
}

TEST(ContainersTest, TheFocusedTabShowsTheFocusMarkAndLosesItWithTheFocus)
{
    SkinnedForm form;
    HWND tab = TabControl(form.window.get(), 10, 10, 200, 150, TCS_FIXEDWIDTH | WS_TABSTOP, 2);
    SendMessageA(tab, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20));
    SkinContainerWindow(tab);
    const int index = FindContainerIndex(form.number, tab);
    auto selectedTabPixels = [&] {
        PaintContainer(form.number, index);
        RECT s = {};
        SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)),
                     reinterpret_cast<LPARAM>(&s));
        std::string pixels;
        for (int y = s.top; y < s.bottom; ++y)
            for (int x = s.left; x < s.right; ++x)
                pixels += std::to_string(BackBufferPixel(tab, x, y)) + ",";
        return pixels;
    };
    SetFocus(form.window.get());
    const std::string plain = selectedTabPixels();
    form.Container(tab).backgroundDirty = false;
    SetFocus(tab);
    ASSERT_EQ(GetFocus(), tab);
    EXPECT_TRUE(form.Container(tab).backgroundDirty) << "the focus asks for a new picture";
    EXPECT_NE(selectedTabPixels(), plain);
    form.Container(tab).backgroundDirty = false;
    SetFocus(form.window.get());
    EXPECT_TRUE(form.Container(tab).backgroundDirty);
    EXPECT_EQ(selectedTabPixels(), plain);
    DestroyWindow(tab);
}
