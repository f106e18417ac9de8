#include "skin/controls/control_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/form_skinning.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

constexpr char kNativeProc[] = "BnTest_NativeProc";

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const NativeMessage m{window, message, wParam, lParam};
    NativeMessages().push_back(m);
    if (OnNativeMessage())
        OnNativeMessage()(m);
    WNDPROC native = GetWindowPropHandle<WNDPROC>(window, kNativeProc);
    if (message == WM_NCDESTROY)
        RemovePropA(window, kNativeProc);
    return CallWindowProcA(native ? native : DefWindowProcA, window, message, wParam, lParam);
}

HDC BackBufferOf(HWND control)
{
    // Kj controls name their form in Kj_FuID.
    int n = GetWindowPropNumber(control, kPropHwFormNumber);
    if (n == 0)
        n = GetWindowPropNumber(control, kPropKjFormNumber);
    const SkinFormRecord* form = SkinFormAt(n);
    return form ? form->backBufferDc : nullptr;
}

}  // namespace

std::vector<NativeMessage>& NativeMessages()
{
    static std::vector<NativeMessage> messages;
    return messages;
}

std::function<void(const NativeMessage&)>& OnNativeMessage()
{
    static std::function<void(const NativeMessage&)> hook;
    return hook;
}

void RecordNativeMessages(HWND control)
{
    LONG_PTR native = SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc));
    SetWindowProp(control, kNativeProc, native);
}

int CountNative(HWND window, UINT message)
{
    return static_cast<int>(std::count_if(NativeMessages().begin(), NativeMessages().end(),
                                          [&](const NativeMessage& m) { return m.window == window && m.message == message; }));
}

HWND CreateControl(HWND parent, const char* className, const char* text, int x, int y, int width, int height,
                   DWORD style, int id)
{
    HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                   nullptr);
    EXPECT_NE(control, nullptr) << className;
    return control;
}

int ShowSkinnedForm(HWND form)
{
    SetSkinOptions(true, 0);
    SkinForm(form);
    ShowWindow(form, SW_SHOWNOACTIVATE);
    UpdateWindow(form);
    PumpMessages();
    return FindSkinnedWindow(form);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void ParkCursor()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
}

RECT BackBufferPlace(HWND control)
{
    return GetClientRectInWindow(control);
}

uint32_t BackBufferPixel(HWND control, int x, int y)
{
    const RECT place = BackBufferPlace(control);
    HDC dc = BackBufferOf(control);
    return dc ? PixelRgb(dc, place.left + x, place.top + y) : 0xFFFFFFFF;
}

void BlankBackBufferPatch(HWND control, uint32_t rgb)
{
    HDC dc = BackBufferOf(control);
    if (!dc)
        return;
    const RECT place = BackBufferPlace(control);
    HBRUSH brush = CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    FillRect(dc, &place, brush);
    DeleteObject(brush);
    GdiFlush();
}

bool PatchIsBlank(HWND control, uint32_t rgb)
{
    const RECT place = BackBufferPlace(control);
    const int w = place.right - place.left;
    const int h = place.bottom - place.top;
    for (int y = 0; y < h; y += 2) {
        for (int x = 0; x < w; x += 2) {
            if (BackBufferPixel(control, x, y) != rgb)
                return false;
        }
    }
    return true;
}

uint32_t BackBufferWindowPixel(HWND control, int x, int y)
{
    const RECT place = GetRectInSkinnedWindow(control);
    HDC dc = BackBufferOf(control);
    return dc ? PixelRgb(dc, place.left + x, place.top + y) : 0xFFFFFFFF;
}

void BlankBackBufferWindow(HWND control, uint32_t rgb)
{
    HDC dc = BackBufferOf(control);
    if (!dc)
        return;
    const RECT place = GetRectInSkinnedWindow(control);
    HBRUSH brush = CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    FillRect(dc, &place, brush);
    DeleteObject(brush);
    GdiFlush();
}

uint32_t FramePixel(HWND control, int x, int y)
{
    const SkinFormRecord* form = SkinFormAt(FindOwningSkinnedWindow(control));
    const RECT place = GetRectInSkinnedWindow(control);
    return form && form->frameDc ? PixelRgb(form->frameDc, place.left + x, place.top + y) : 0xFFFFFFFF;
}

uint32_t WindowPixel(HWND control, int x, int y)
{
    HDC dc = GetWindowDC(control);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

int CountKeyPixels(HWND control)
{
    constexpr uint32_t kKey = 0xFF00FF;
    RECT r = {};
    GetWindowRect(control, &r);
    int count = 0;
    for (int y = 0; y < r.bottom - r.top; y += 2)
        for (int x = 0; x < r.right - r.left; x += 2)
            count += (BackBufferWindowPixel(control, x, y) == kKey) + (WindowPixel(control, x, y) == kKey);
    return count;
}

int ColourDistance(uint32_t a, uint32_t b)
{
    int d = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return d;
}

void DrawLikeAPainter(TestCanvas& canvas, const std::function<void(HDC, GdipGraphics&)>& draw)
{
    const int w = canvas.Width();
    const int h = canvas.Height();
    HDC memory = CreateMemoryDC(w, h);
    ASSERT_NE(memory, nullptr);
    BitBlt(memory, 0, 0, w, h, canvas.Dc(), 0, 0, SRCCOPY);
    {
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachOpaqueGraphics(graphics, surface, memory);
        draw(memory, graphics);
    }
    BitBlt(canvas.Dc(), 0, 0, w, h, memory, 0, 0, SRCCOPY);
    GdiFlush();
    ReleaseMemoryDC(memory);
}

namespace {

// The painter's picture of the registered button over what lies behind it; 0 when there is none. The
// caller releases it.
HDC ExpectedButtonDc(HWND button, UINT state)
{
    RECT client = {};
    GetClientRect(button, &client);
    ButtonFace face;
    EXPECT_TRUE(TakeButtonFace(button, face));
    const SkinButtonRecord* record = FindOwnRecord(button, &SkinFormRecord::buttons);
    HDC dc = record ? CreateBackgroundDC(button, client) : nullptr;
    if (!dc)
        return nullptr;
    // An enabled indicator's caption stands out from what lies behind it.
    if (record->kind != kButtonKindPush && !(state & ODS_DISABLED))
        face.textColour = ReadableTextColour(face.textColour, MeanColourOf(dc));
    GdipBitmap surface;
    GdipGraphics graphics;
    AttachOpaqueGraphics(graphics, surface, dc);
    const auto draw = record->kind == kButtonKindRadio      ? DrawRadioButtonFace
                      : record->kind == kButtonKindCheckBox ? DrawCheckBoxFace
                                                            : DrawPushButtonFace;
    draw(graphics, client.right, client.bottom, state, face);
    return dc;
}

}  // namespace

uint32_t ExpectedPushButtonPixel(HWND button, UINT state, int x, int y)
{
    HDC dc = ExpectedButtonDc(button, state);
    if (!dc)
        return 0xFFFFFFFF;
    const uint32_t pixel = PixelRgb(dc, x, y);
    ReleaseMemoryDC(dc);
    return pixel;
}

std::vector<uint32_t> ExpectedButtonPicture(HWND button, UINT state)
{
    RECT client = {};
    GetClientRect(button, &client);
    std::vector<uint32_t> pixels;
    HDC dc = ExpectedButtonDc(button, state);
    if (!dc)
        return pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(PixelRgb(dc, x, y));
    ReleaseMemoryDC(dc);
    return pixels;
}

std::vector<uint32_t> BackBufferPicture(HWND control)
{
    RECT client = {};
    GetClientRect(control, &client);
    const RECT place = BackBufferPlace(control);
    HDC dc = BackBufferOf(control);
    std::vector<uint32_t> pixels;
    for (int y = 0; dc && y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(PixelRgb(dc, place.left + x, place.top + y));
    return pixels;
}

bool IsDeletable(HGDIOBJ object)
{
    return object && object != GetStockObject(NULL_BRUSH);
}

HBITMAP SolidBitmap(int width, int height, COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void ExpectEraseKeepsTheBackground(HWND control, COLORREF textColour)
{
    SetWindowProp(control, kPropKjTextColour, static_cast<LONG_PTR>(textColour));
    const int passed = CountNative(control, WM_ERASEBKGND);
    HDC dc = GetDC(control);
    SetTextColor(dc, 0x654321);
    EXPECT_EQ(SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0x654321);
    EXPECT_EQ(GetTextColor(dc), textColour);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    ReleaseDC(control, dc);
    EXPECT_EQ(CountNative(control, WM_ERASEBKGND), passed);
}

bool SameImage(const TestCanvas& a, const TestCanvas& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Rgb(x, y) != b.Rgb(x, y))
                return false;
    return true;
}
