// Up-down controls, toolbars and controls handed to the skin: hit tests and hover repaints, toolbar
// repaint flags and button looks, Kj registration once only, Kj pictures laid over the background
// without their key colour, and a form with every control of these families and containers skinned,
// painted and destroyed again and again without leaks; the picture of them all.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/container_family.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/toolbar_family.h"
#include "skin/controls/updown_family.h"
#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"
#include "skin/core/on_request_skinning.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

HWND Toolbar(HWND parent, int buttons, bool withIcons, HIMAGELIST* imagesOut = nullptr)
{
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NODIVIDER |
                               CCS_NORESIZE | TBSTYLE_LIST, 0, 0, 400, 30, parent, nullptr, nullptr, nullptr);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST images = nullptr;
    if (withIcons) {
        images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4);
        for (COLORREF colour : {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 40, 200), RGB(200, 160, 0)}) {
            HBITMAP picture = SolidBitmap(16, 16, colour);
            ImageList_Add(images, picture, nullptr);
            DeleteObject(picture);
        }
        SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    }
    const BYTE states[] = {TBSTATE_ENABLED, TBSTATE_ENABLED | TBSTATE_CHECKED, TBSTATE_ENABLED | TBSTATE_PRESSED, 0,
                           TBSTATE_ENABLED | TBSTATE_INDETERMINATE, TBSTATE_ENABLED | TBSTATE_HIDDEN};
    const BYTE styles[] = {BTNS_BUTTON, BTNS_CHECK, BTNS_BUTTON, BTNS_BUTTON, BTNS_DROPDOWN, BTNS_BUTTON};
    std::vector<TBBUTTON> list;
    std::vector<std::string> texts;
    for (int i = 0; i < buttons; ++i)
        texts.push_back("按钮" + std::to_string(i + 1));
    for (int i = 0; i < buttons; ++i) {
        TBBUTTON b = {};
        b.iBitmap = withIcons ? i % 4 : I_IMAGENONE;
        b.idCommand = 100 + i;
        b.fsState = states[i % 6];
        b.fsStyle = styles[i % 6];
        b.iString = reinterpret_cast<INT_PTR>(texts[static_cast<size_t>(i)].c_str());
        list.push_back(b);
        if (i % 6 == 2) {
            TBBUTTON separator = {};
            separator.fsState = TBSTATE_ENABLED;
            separator.fsStyle = BTNS_SEP;
            separator.iBitmap = 6;
            list.push_back(separator);
        }
    }
    SendMessageA(bar, TB_ADDBUTTONSA, list.size(), reinterpret_cast<LPARAM>(list.data()));
    if (imagesOut)
        *imagesOut = images;
    return bar;
}

}  // namespace

TEST(UpDownTest, HalvesHoverAndPaint)
{
    InitCommonControls();
    ScopedWindow form(CreateFrameForm(40, 40, 300, 200, 0, false));
    HWND vertical = CreateControl(form.get(), UPDOWN_CLASSA, "", 10, 10, 16, 22);
    HWND horizontal = CreateControl(form.get(), UPDOWN_CLASSA, "", 40, 10, 30, 15, UDS_HORZ);
    RecordNativeMessages(vertical);
    const int n = ShowSkinnedForm(form.get());
    const SkinFormRecord& record = *SkinFormAt(n);
    ASSERT_EQ(RecordCount(record.upDowns), 2);
    const int v = FindListIndex(record.upDowns, vertical);
    const int h = FindListIndex(record.upDowns, horizontal);
    ASSERT_TRUE(RecordAt(record.upDowns, h)->horizontal);

    struct Hit {
        int index, x, y, half;
    };
    for (const Hit& c : {Hit{h, 15, 7, 0}, Hit{h, 16, 7, 1}, Hit{v, 8, 11, 0}, Hit{v, 8, 12, 1}})
        EXPECT_EQ(HitTestUpDownPart(n, c.index, MAKELPARAM(c.x, c.y)), c.half) << c.x << "," << c.y;

    // Entering repaints; the same half does not; the other half does.
    BlankBackBufferPatch(vertical);
    SendMessageA(vertical, WM_MOUSEMOVE, 0, MAKELPARAM(8, 4));
    EXPECT_FALSE(PatchIsBlank(vertical));
    const uint32_t hotTop = BackBufferPixel(vertical, 8, 2);
    BlankBackBufferPatch(vertical);
    SendMessageA(vertical, WM_MOUSEMOVE, 0, MAKELPARAM(9, 5));
    EXPECT_TRUE(PatchIsBlank(vertical));
    SendMessageA(vertical, WM_MOUSEMOVE, 0, MAKELPARAM(9, 18));
    EXPECT_FALSE(PatchIsBlank(vertical));
    EXPECT_NE(BackBufferPixel(vertical, 8, 2), hotTop) << "the top half is no longer lit";

    // Pressed: the lit half's gradient runs the other way (theme colour at its top).
    PaintUpDown(n, v, true, false, MAKELPARAM(8, 4));
    const uint32_t litTop = BackBufferPixel(vertical, 8, 1);
    PaintUpDown(n, v, true, true, MAKELPARAM(8, 4));
    EXPECT_NE(BackBufferPixel(vertical, 8, 1), litTop);

    // WM_NCPAINT is answered without painting or reaching the native code.
    NativeMessages().clear();
    BlankBackBufferPatch(vertical);
    EXPECT_EQ(SendMessageA(vertical, WM_NCPAINT, 1, 0), 1);
    EXPECT_TRUE(PatchIsBlank(vertical));
    EXPECT_EQ(CountNative(vertical, WM_NCPAINT), 0);
}

TEST(ToolbarTest, RepaintFlagAndBackBufferCopies)
{
    InitCommonControls();
    ParkCursor();
    ScopedWindow form(CreateFrameForm(40, 40, 420, 120, 0, false));
    HIMAGELIST images = nullptr;
    HWND bar = Toolbar(form.get(), 6, true, &images);
    const int n = ShowSkinnedForm(form.get());
    SkinFormRecord& record = *SkinFormAt(n);
    const int k = FindListIndex(record.kjControls, bar);
    ASSERT_GT(k, 0);
    EXPECT_EQ(GetWindowPropHandle<HIMAGELIST>(bar, kPropKjToolbarImages), images);
    SkinKjRecord& kj = *RecordAt(record.kjControls, k);
    PumpMessages();
    EXPECT_FALSE(kj.repaint) << "the first paint cleared it";

    // A paint with the flag clear, after an erase on an inactive form, renders nothing afresh.
    record.active = false;
    BlankBackBufferPatch(bar);
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_FALSE(kj.repaint);
    EXPECT_TRUE(PatchIsBlank(bar));
    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(kj.repaint);
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(PatchIsBlank(bar));
    EXPECT_FALSE(kj.repaint);

    // A second run of the installer, or a second registration, subclasses nothing again.
    const WNDPROC installed = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(bar, GWLP_WNDPROC));
    SkinToolbars(n, form.get());
    EXPECT_EQ(SkinKjControl(bar), 0);
    EXPECT_EQ(RecordCount(record.kjControls), k);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(bar, GWLP_WNDPROC)), installed);
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW) ;
    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));

    // A control no skinned form owns is left alone.
    ScopedWindow loose(CreateTestForm(0, 0, 60, 60));
    HWND looseButton = CreateControl(loose.get(), "Button", "", 0, 0, 20, 20);
    EXPECT_EQ(SkinKjControl(looseButton), 0);
    EXPECT_EQ(GetPropA(looseButton, kPropKjProc), nullptr);

    // The toolbar's image list is its own: the form's end leaves it alive.
    DestroyWindow(form.get());
    PumpMessages();
    EXPECT_EQ(ImageList_GetImageCount(images), 4);
    ImageList_Destroy(images);
}

TEST(ToolbarTest, GreyIconsAndNativePaintWithoutChildSkinning)
{
    // Grey icons: coloured pixels turn grey (reddish when indeterminate); grey pixels stay out.
    HICON icon = nullptr;
    {
        HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR24, 1, 1);
        HBITMAP picture = SolidBitmap(4, 4, RGB(90, 150, 30));
        ImageList_Add(list, picture, nullptr);
        DeleteObject(picture);
        icon = ImageList_GetIcon(list, 0, ILD_TRANSPARENT);
        ImageList_Destroy(list);
    }
    ASSERT_NE(icon, nullptr);
    TestCanvas canvas(8, 4, 0x123456);
    DrawLikeAPainter(canvas, [&](HDC dc, GdipGraphics&) {
        DrawIconTinted(dc, 0, 0, icon, TBSTATE_ENABLED);
        DrawIconTinted(dc, 4, 0, icon, TBSTATE_INDETERMINATE);
    });
    EXPECT_EQ(canvas.Rgb(1, 1), 0x5A5A5Au);  // (90 + 150 + 30) / 3 = 90
    EXPECT_EQ(canvas.Rgb(5, 1), 0x6E5A5Au);
    DestroyIcon(icon);

    // With child skinning off a Kj control's paint is its own.
    InitCommonControls();
    ScopedWindow form(CreateFrameForm(40, 40, 300, 120, 0, false));
    HWND button = CreateControl(form.get(), "Button", "原样", 10, 10, 80, 24, BS_OWNERDRAW);
    RecordNativeMessages(button);
    ShowSkinnedForm(form.get());
    ASSERT_GT(SkinKjControl(button, RGB(255, 0, 255)), 0);
    const bool saved = g_skinChildControls;
    g_skinChildControls = false;
    NativeMessages().clear();
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    g_skinChildControls = saved;
    ASSERT_EQ(CountNative(button, WM_PAINT), 1);
    for (const NativeMessage& m : NativeMessages()) {
        if (m.message == WM_PAINT) {
            EXPECT_EQ(m.wParam, 0u) << "the native code painted with its own context";
        }
    }
}

namespace {

// Toolbar buttons painted one at a time over the toolbar's background, pixel by pixel against it.
struct LoneButtons {
    HWND bar;
    RECT client = {};
    HDC background = nullptr;

    explicit LoneButtons(HWND toolbar) : bar(toolbar)
    {
        GetClientRect(bar, &client);
        background = CreateBackgroundDC(bar, client);
    }
    ~LoneButtons() { ReleaseMemoryDC(background); }

    RECT Item(int index) const
    {
        RECT r = {};
        SendMessageA(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    HDC Paint(int index, bool hot) const
    {
        HDC dc = CreateBackgroundDC(bar, client);
        PaintToolbarButtons(bar, index, dc, hot);
        return dc;
    }
    int ChangedPixels(HDC dc) const
    {
        int changed = 0;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                changed += PixelRgb(dc, x, y) != PixelRgb(background, x, y);
        return changed;
    }
};

int ChannelSum(uint32_t rgb)
{
    return static_cast<int>((rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF));
}

// The brightest pixel of an area that the paint changed (the test form's background is black).
uint32_t BrightestChanged(HDC dc, HDC background, const RECT& area)
{
    uint32_t brightest = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const uint32_t pixel = PixelRgb(dc, x, y);
            if (pixel != PixelRgb(background, x, y) && ChannelSum(pixel) > ChannelSum(brightest))
                brightest = pixel;
        }
    }
    return brightest;
}

}  // namespace

TEST(ToolbarTest, ButtonLooks)
{
    InitCommonControls();
    ParkCursor();
    ScopedWindow form(CreateFrameForm(40, 40, 420, 160, 0, false));
    HIMAGELIST images = nullptr;
    // Buttons: 0 plain, 1 checked, 2 pressed, 3 separator, 4 disabled, 5 indeterminate dropdown, 6 hidden.
    HWND bar = Toolbar(form.get(), 6, true, &images);
    ShowSkinnedForm(form.get());
    PumpMessages();
    LoneButtons lone(bar);
    ASSERT_NE(lone.background, nullptr);
    constexpr int kIcon = 16;
    const auto iconCentre = [&](int index) {
        const RECT r = lone.Item(index);
        return POINT{r.left + 2 + kIcon / 2, r.top + (r.bottom - r.top - kIcon) / 2 + kIcon / 2};
    };

    HDC hidden = lone.Paint(6, false);
    EXPECT_EQ(lone.ChangedPixels(hidden), 0) << "a hidden button leaves the background";
    ReleaseMemoryDC(hidden);

    // The icon in its own colour on a plain button, which shows no face of its own.
    HDC plain = lone.Paint(0, false);
    const POINT c0 = iconCentre(0);
    EXPECT_EQ(PixelRgb(plain, c0.x, c0.y), 0xC82828u);
    const RECT r0 = lone.Item(0);
    EXPECT_EQ(PixelRgb(plain, r0.left + 1, r0.top + 1), PixelRgb(lone.background, r0.left + 1, r0.top + 1));

    // Greyed icons: (200 + 160 + 0) / 3 = 120 when disabled; (200 + 40 + 40) / 3 = 93, red 113 when
    // indeterminate. Greyed text is 0x808080.
    HDC disabled = lone.Paint(4, false);
    const POINT c4 = iconCentre(4);
    EXPECT_EQ(PixelRgb(disabled, c4.x, c4.y), 0x787878u);
    HDC indeterminate = lone.Paint(5, false);
    const POINT c5 = iconCentre(5);
    EXPECT_EQ(PixelRgb(indeterminate, c5.x, c5.y), 0x715D5Du);
    RECT text = lone.Item(4);
    text.left += 2 + kIcon;
    const uint32_t greyText = BrightestChanged(disabled, lone.background, text);
    EXPECT_TRUE(RgbNear(greyText, 0x808080, 8)) << std::hex << greyText;
    ReleaseMemoryDC(plain);
    ReleaseMemoryDC(disabled);

    // The dropdown's split line 12 pixels from its right: none on a plain face, dark when hot.
    const RECT r5 = lone.Item(5);
    const int split = r5.right - 12;
    const int middle = (r5.top + r5.bottom) / 2;
    EXPECT_EQ(PixelRgb(indeterminate, split, middle), PixelRgb(lone.background, split, middle));
    ReleaseMemoryDC(indeterminate);
    HDC hot = lone.Paint(5, true);
    EXPECT_LT(ChannelSum(PixelRgb(hot, split, middle)) + 60, ChannelSum(PixelRgb(hot, split - 2, middle)));
    ReleaseMemoryDC(hot);

    // A separator that starts a row (left of x 10, not the first button) is a line across the bar.
    HWND wrapping = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NODIVIDER |
                                    CCS_NORESIZE | TBSTYLE_LIST, 0, 40, 400, 90, form.get(),
                                    nullptr, nullptr, nullptr);
    SendMessageA(wrapping, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON row[3] = {};
    row[0].fsState = TBSTATE_ENABLED | TBSTATE_WRAP;
    row[0].fsStyle = BTNS_BUTTON;
    row[0].iBitmap = I_IMAGENONE;
    row[0].idCommand = 200;
    row[1].fsState = TBSTATE_ENABLED;
    row[1].fsStyle = BTNS_SEP;
    row[1].iBitmap = 6;
    row[2].fsState = TBSTATE_ENABLED;
    row[2].fsStyle = BTNS_BUTTON;
    row[2].iBitmap = I_IMAGENONE;
    row[2].idCommand = 201;
    SendMessageA(wrapping, TB_ADDBUTTONSA, 3, reinterpret_cast<LPARAM>(row));
    ASSERT_GT(SkinKjControl(wrapping), 0);
    LoneButtons wrapped(wrapping);
    const RECT separator = wrapped.Item(1);
    ASSERT_LT(separator.left, 10) << "the separator starts the second row";
    HDC line = wrapped.Paint(1, false);
    // Dark, then light one pixel below (the test form's background is black).
    const int lineY = separator.bottom - 5;
    const int across = wrapped.client.right / 2;
    EXPECT_EQ(PixelRgb(line, across, lineY), 0u);
    EXPECT_GT(ChannelSum(PixelRgb(line, across, lineY + 1)), 3 * 0x80);
    EXPECT_EQ(PixelRgb(wrapped.background, across, lineY + 1), 0u);
    ReleaseMemoryDC(line);
    DestroyWindow(form.get());
    ImageList_Destroy(images);
}

TEST(KjControlTest, ThePictureGoesOverTheBackgroundWithoutItsKeyColour)
{
    InitCommonControls();
    ASSERT_NE(LoadLibraryA("riched20.dll"), nullptr);
    ParkCursor();
    ScopedWindow form(CreateFrameForm(40, 40, 520, 300, 0, false));
    ShowSkinnedForm(form.get());
    constexpr COLORREF kKey = RGB(255, 255, 255);

    // The controls have no border: window and client coordinates are the same.
    // A month calendar paints into the context it is given: where its own picture is the key colour
    // the background shows, elsewhere its picture.
    HWND calendar = CreateControl(form.get(), MONTHCAL_CLASSA, "", 10, 40, 240, 200);
    ASSERT_GT(SkinKjControl(calendar, kKey), 0);
    RedrawWindow(calendar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    RECT client = {};
    GetClientRect(calendar, &client);
    HDC native = CreateMemoryDC(client.right, client.bottom);
    SendMessageA(calendar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(native), PRF_CLIENT);
    int keyed = 0, own = 0, wrong = 0;
    for (int y = 0; y < client.bottom; y += 3) {
        for (int x = 0; x < client.right; x += 3) {
            const bool isKey = PixelRgb(native, x, y) == 0xFFFFFFu;
            const uint32_t expected = isKey ? FramePixel(calendar, x, y) : PixelRgb(native, x, y);
            (isKey ? keyed : own) += 1;
            wrong += WindowPixel(calendar, x, y) != expected;
        }
    }
    ReleaseMemoryDC(native);
    EXPECT_GT(keyed, 100);
    EXPECT_GT(own, 100);
    EXPECT_EQ(wrong, 0);

    // A rich edit paints on the screen: its picture is read back over the background. Each scroll
    // step repaints all of it.
    HWND edit = CreateControl(form.get(), "RichEdit20A", "", 270, 40, 230, 200, ES_MULTILINE | WS_VSCROLL);
    SendMessageA(edit, EM_SETBKGNDCOLOR, 0, kKey);
    std::string lines;
    for (int i = 0; i < 40; ++i)
        lines += "第" + std::to_string(i + 1) + "行\r\n";
    SetWindowTextA(edit, lines.c_str());
    CHARFORMATA red = {};
    red.cbSize = sizeof(red);
    red.dwMask = CFM_COLOR;
    red.crTextColor = RGB(255, 0, 0);
    SendMessageA(edit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&red));
    RecordNativeMessages(edit);
    ASSERT_GT(SkinKjControl(edit, kKey), 0);
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    RECT editClient = {};
    GetClientRect(edit, &editClient);
    const int blankX = editClient.right - 20;
    EXPECT_EQ(WindowPixel(edit, blankX, 30), FramePixel(edit, blankX, 30)) << "the background beside the text";
    int textPixels = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 40; ++x)
            textPixels += (WindowPixel(edit, x, y) & 0xFF0000) > 0x800000;
    EXPECT_GT(textPixels, 0) << "the first line's text";

    // The native code paints the whole client area after a scroll step, not only the line scrolled in.
    RECT painted = {};
    OnNativeMessage() = [&](const NativeMessage& m) {
        RECT update = {};
        if (m.message == WM_PAINT && GetUpdateRect(m.window, &update, FALSE))
            UnionRect(&painted, &painted, &update);
    };
    SendMessageA(edit, WM_VSCROLL, SB_LINEDOWN, 0);
    UpdateWindow(edit);
    OnNativeMessage() = nullptr;
    EXPECT_TRUE(EqualRect(&painted, &editClient))
        << painted.left << " " << painted.top << " " << painted.right << " " << painted.bottom;
    EXPECT_EQ(WindowPixel(edit, blankX, 30), FramePixel(edit, blankX, 30));
}

namespace {

// The colours of the control's whole window rectangle as its window DC shows them.
std::vector<uint32_t> WindowPicture(HWND control)
{
    RECT r = {};
    GetWindowRect(control, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC copy = CreateMemoryDC(w, h);
    HDC dc = GetWindowDC(control);
    BitBlt(copy, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    ReleaseDC(control, dc);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(PixelRgb(copy, x, y));
    ReleaseMemoryDC(copy);
    return pixels;
}

int CountDifferent(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    int different = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        different += a[i] != b[i];
    return different + static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}

// Every list of the form together: a registration anywhere changes the sum.
size_t CountAllRecords(const SkinFormRecord& form)
{
    return form.buttons.size() + form.edits.size() + form.listControls.size() + form.trackbars.size() +
           form.progressBars.size() + form.comboBoxes.size() + form.upDowns.size() + form.headers.size() +
           form.kjControls.size() + form.statics.size() + form.childControls.size() + form.containers.size();
}

struct HeldControl {
    const char* what;
    const char* className;
    DWORD style;
    bool groupBox;   // registered by SkinGroupBox rather than by an installer
    UINT probe;      // a message the native code answers, sent once after the request
    WPARAM wParam;
    LPARAM lParam;
};

}  // namespace

// A control the skin holds already (an installer's, or a container) handed to SkinControl keeps its one
// record and its one procedure: it paints as it did, passes each message on once and does not repaint
// itself in a loop.
TEST(KjControlTest, AControlTheSkinHoldsKeepsItsOneRecordAndProcedure)
{
    InitCommonControls();
    ParkCursor();
    static const char kItem[] = "项目";
    const HeldControl cases[] = {
        {"push button", "Button", BS_PUSHBUTTON, false, WM_GETTEXTLENGTH, 0, 0},
        {"check box", "Button", BS_AUTOCHECKBOX, false, BM_GETCHECK, 0, 0},
        {"radio button", "Button", BS_AUTORADIOBUTTON, false, BM_GETCHECK, 0, 0},
        {"edit box", "Edit", WS_BORDER | ES_AUTOHSCROLL, false, EM_GETLIMITTEXT, 0, 0},
        {"drop-down combo box", "ComboBox", CBS_DROPDOWN, false, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kItem)},
        {"drop-down list", "ComboBox", CBS_DROPDOWNLIST, false, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kItem)},
        {"list box", "ListBox", WS_BORDER, false, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kItem)},
        {"list view with its header", WC_LISTVIEWA, LVS_REPORT | WS_BORDER, false, LVM_GETITEMCOUNT, 0, 0},
        {"track bar", TRACKBAR_CLASSA, TBS_HORZ, false, TBM_GETPOS, 0, 0},
        {"progress bar", PROGRESS_CLASSA, 0, false, PBM_GETPOS, 0, 0},
        {"up-down", UPDOWN_CLASSA, UDS_HORZ, false, UDM_GETPOS32, 0, 0},
        {"group box", "Button", BS_GROUPBOX, true, WM_GETTEXTLENGTH, 0, 0},
        {"tab control as a container", WC_TABCONTROLA, 0, true, TCM_GETITEMCOUNT, 0, 0},
    };
    for (const HeldControl& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedWindow form(CreateFrameForm(40, 40, 360, 200, 0, false));
        HWND control = CreateControl(form.get(), c.className, "文字", 20, 40, 200, 60, c.style);
        if (c.groupBox)
            CreateControl(control, "Button", "里面", 10, 20, 60, 24);
        RecordNativeMessages(control);
        const int n = ShowSkinnedForm(form.get());
        if (c.groupBox) {
            ASSERT_GT(SkinGroupBox(control), 0);
        }
        ASSERT_TRUE(HoldsHwProperties(control)) << "the skin holds it";
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        PumpMessages();
        const std::vector<uint32_t> before = WindowPicture(control);
        const LONG_PTR procedure = GetWindowLongPtrA(control, GWLP_WNDPROC);
        const size_t records = CountAllRecords(*SkinFormAt(n));

        EXPECT_EQ(SkinControl(control), 0);
        EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), procedure) << "subclassed once";
        EXPECT_EQ(CountAllRecords(*SkinFormAt(n)), records) << "one record";
        EXPECT_EQ(GetPropA(control, kPropKjProc), nullptr);
        EXPECT_EQ(SkinGroupBox(control), 0) << "a container already, or a family's control";

        NativeMessages().clear();
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        for (int round = 0; round < 5; ++round) {
            PumpMessages();
            Sleep(20);
        }
        EXPECT_LE(CountNative(control, WM_PAINT), 2) << "no repaint loop";
        EXPECT_EQ(CountDifferent(WindowPicture(control), before), 0) << "painted as before";

        NativeMessages().clear();
        SendMessageA(control, c.probe, c.wParam, c.lParam);
        EXPECT_EQ(CountNative(control, c.probe), 1) << "the message reached the native code once";
    }
}

namespace {

struct EveryContainer {
    HWND tabs[5], filledBox, nestedTab, nestedBox, upDowns[2], bar;
};

EveryContainer AddEveryContainer(HWND form)
{
    EveryContainer c{};
    const DWORD sides[] = {0, TCS_VERTICAL, TCS_VERTICAL | TCS_BOTTOM, TCS_BOTTOM, TCS_MULTILINE | TCS_FIXEDWIDTH};
    for (int i = 0; i < 5; ++i) {
        HWND tab = CreateControl(form, WC_TABCONTROLA, "", 10 + (i % 3) * 170, 40 + (i / 3) * 130, 160, 120,
                                 sides[i] | (i == 1 || i == 2 ? TCS_MULTILINE : 0));
        for (int t = 0; t < (i == 4 ? 6 : 3); ++t) {
            std::string text = "页" + std::to_string(t + 1);
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(t), reinterpret_cast<LPARAM>(&item));
        }
        if (i == 4)
            SendMessageA(tab, TCM_SETITEMSIZE, 0, MAKELPARAM(50, 20));
        c.tabs[i] = tab;
    }
    c.filledBox = CreateControl(form, "Button", "填充的分组框", 350, 170, 170, 100, BS_GROUPBOX | BS_CENTER);
    CreateControl(c.filledBox, "Button", "按钮", 20, 30, 70, 24);
    c.nestedTab = CreateControl(form, WC_TABCONTROLA, "", 10, 300, 250, 150, 0);
    {
        std::string text = "外层";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageA(c.nestedTab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    c.nestedBox = CreateControl(c.nestedTab, "Button", "嵌套分组框", 10, 30, 200, 100, BS_GROUPBOX | BS_LEFT);
    CreateControl(c.nestedBox, "Button", "选择", 20, 30, 80, 20, BS_AUTOCHECKBOX);
    c.upDowns[0] = CreateControl(form, UPDOWN_CLASSA, "", 280, 310, 16, 22);
    c.upDowns[1] = CreateControl(form, UPDOWN_CLASSA, "", 310, 310, 30, 15, UDS_HORZ);
    c.bar = Toolbar(form, 6, true);
    MoveWindow(c.bar, 0, 4, 520, 30, TRUE);
    return c;
}

void SkinEveryContainer(const EveryContainer& c)
{
    for (HWND tab : c.tabs)
        SkinContainerWindow(tab);
    SkinContainerWindow(c.filledBox, 1, RGB(255, 255, 255), 120);
    SkinContainerWindow(c.nestedTab, 1, RGB(230, 240, 255), 200);
    SkinContainerWindow(c.nestedBox, 1, RGB(255, 250, 230), 160);
}

}  // namespace

TEST(ContainerFormsTest, AHundredFormsLeaveNothingBehind)
{
    InitCommonControls();
    const int memoryDcs = MemoryDcCount();
    const int forms = SkinFormCount();
    for (int round = 0; round < 100; ++round) {
        HWND form = CreateFrameForm(20, 20, 540, 470, 0, false);
        const EveryContainer c = AddEveryContainer(form);
        const int n = ShowSkinnedForm(form);
        ASSERT_GT(n, 0);
        SkinEveryContainer(c);
        RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        SendMessageA(c.upDowns[0], WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c.upDowns[0], WM_MOUSELEAVE, 0, 0);
        SendMessageA(c.bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        PumpMessages();
        std::vector<HGDIOBJ> objects;
        std::vector<HWND> children;
        for (HWND parent : {c.filledBox, c.nestedBox}) {
            HWND child = nullptr;
            while ((child = FindWindowExA(parent, child, nullptr, nullptr)) != nullptr)
                for (const char* key : {kPropKjCtlBrush, kPropKjCtlBitmap})
                    if (HGDIOBJ object = GetWindowPropHandle<HGDIOBJ>(child, key); IsDeletable(object))
                        objects.push_back(object);
        }
        ASSERT_EQ(RecordCount(SkinFormAt(n)->containers), 8);
        DestroyWindow(form);
        PumpMessages();
        for (HGDIOBJ object : objects)
            ASSERT_EQ(GetObjectType(object), 0u) << "round " << round;
        ASSERT_EQ(MemoryDcCount(), memoryDcs) << "round " << round;
        ASSERT_EQ(SkinFormCount(), forms) << "round " << round;
    }
}

TEST(ContainerFormsTest, PictureOfContainersUpDownsAndToolbar)
{
    InitCommonControls();
    ScopedWindow form(CreateFrameForm(0, 0, 540, 470, 0, false));
    const EveryContainer c = AddEveryContainer(form.get());
    ShowSkinnedForm(form.get());
    SkinEveryContainer(c);
    SendMessageA(c.tabs[4], TCM_SETCURSEL, 4, 0);
    RedrawWindow(form.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageA(c.upDowns[0], WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    SendMessageA(c.upDowns[1], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 4));
    SendMessageA(c.upDowns[1], WM_MOUSEMOVE, 0, MAKELPARAM(20, 4));
    PumpMessages();
    const std::string path = SaveWindowScreenshot(form.get(), "skinned-containers-toolbars.png");
    EXPECT_FALSE(path.empty());
    SendMessageA(c.upDowns[1], WM_LBUTTONUP, 0, MAKELPARAM(20, 4));
}
