#include "skin/core/skin_test_support.h"

#include <objidl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "skin/core/form_release.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/working_set_trim.h"

namespace {

std::atomic<int> g_trimCalls{0};

void CountTrim()
{
    ++g_trimCalls;
}

// Activation leaves a test process whenever any test on the shared desktop activates a window; the
// skin's tests count the trims instead of running the utility each time (its own test runs it).
[[maybe_unused]] const bool g_trimCounted = (ReplaceTrimAction(CountTrim), true);

constexpr char kTestFormClass[] = "BnSkinTestForm";

LRESULT CALLBACK OwnFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND)
        TestFormCommands().push_back(wParam & 0xFFF0);
    return DefWindowProcA(window, message, wParam, lParam);
}

// What the skin's form procedure does with the messages the tests send: pass them on, and on
// WM_NCDESTROY release the form and pass the message on with the procedure the release restored.
LRESULT CALLBACK TestSkinFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) {
        WNDPROC previous = ReleaseSkinnedForm(window);
        return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
    }
    WNDPROC previous = GetWindowPropHandle<WNDPROC>(window, kPropHwProc);
    return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
}

constexpr char kFrameFormClass[] = "BnSkinFrameForm";

LRESULT CALLBACK RecordingFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const FormMessage seen{window, message, wParam, lParam};
    FormMessages().push_back(seen);
    if (FormMessageProbe())
        FormMessageProbe()(seen);
    if (FormAnsweredMessages().count(message))
        return kFormOwnAnswer;
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterTestFormClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnFormProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kTestFormClass;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    registered = RegisterClassA(&wc) != 0;
}

uint32_t* DibPixels(HBITMAP bitmap)
{
    DIBSECTION section = {};
    if (GetObjectA(bitmap, sizeof(section), &section) != sizeof(section))
        return nullptr;
    return static_cast<uint32_t*>(section.dsBm.bmBits);
}

// A context holding a new DIB, with the bitmap it displaced.
HDC MakeCacheDc(int width, int height, HBITMAP& bitmap, HBITMAP& previous)
{
    HDC dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDib32(width, height);
    previous = static_cast<HBITMAP>(SelectObject(dc, bitmap));
    return dc;
}

}  // namespace

int TrimWorkingSetCalls()
{
    return g_trimCalls;
}

std::vector<WPARAM>& TestFormCommands()
{
    static std::vector<WPARAM> commands;
    return commands;
}

WNDPROC TestFormOwnProc()
{
    return OwnFormProc;
}

HWND CreateTestForm(int x, int y, int width, int height, HWND owner)
{
    RegisterTestFormClass();
    HWND form = CreateWindowExA(0, kTestFormClass, "test form", WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, width,
                                height, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(form, nullptr);
    return form;
}

HWND CreateFrameForm(int x, int y, int width, int height, DWORD extraStyle, bool visible)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = RecordingFormProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kFrameFormClass;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        registered = RegisterClassA(&wc) != 0;
    }
    DWORD style = WS_POPUP | WS_SYSMENU | extraStyle | (visible ? WS_VISIBLE : 0);
    HWND form = CreateWindowExA(0, kFrameFormClass, "测试窗口", style, x, y, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(form, nullptr);
    return form;
}

std::vector<FormMessage>& FormMessages()
{
    static std::vector<FormMessage> messages;
    return messages;
}

std::function<void(const FormMessage&)>& FormMessageProbe()
{
    static std::function<void(const FormMessage&)> probe;
    return probe;
}

std::set<UINT>& FormAnsweredMessages()
{
    static std::set<UINT> messages;
    return messages;
}

int CountFormMessages(HWND window, UINT message)
{
    int n = 0;
    for (const FormMessage& m : FormMessages())
        n += m.window == window && m.message == message;
    return n;
}

HWND CreateTestChild(HWND parent, const char* className, int x, int y, int width, int height, DWORD style,
                     DWORD exStyle)
{
    HWND child = CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(child, nullptr) << className;
    return child;
}

int SkinTestForm(HWND window)
{
    auto record = std::make_unique<SkinFormRecord>();
    record->hwnd = window;
    RECT client = {};
    GetClientRect(window, &client);
    record->clientWidth = client.right;
    record->clientHeight = client.bottom;
    SkinFormRecord* form = record.get();
    int n = AppendSkinForm(std::move(record));
    form->savedWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TestSkinFormProc)));
    SetWindowProp(window, kPropHwProc, reinterpret_cast<LONG_PTR>(form->savedWndProc));
    SetWindowProp(window, kPropHwListIndex, n);
    return n;
}

SkinFormRecord& FormRecord(int formNumber)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form) {
        ADD_FAILURE() << "no form " << formNumber;
        std::abort();
    }
    return *form;
}

template <class Record>
static int RegisterIn(RecordList<Record>& list, int formNumber, HWND window)
{
    auto record = std::make_unique<Record>();
    record->hwnd = window;
    int index = AppendRecord(list, std::move(record));
    SetWindowProp(window, kPropHwFormNumber, formNumber);
    SetWindowProp(window, kPropHwListIndex, index);
    return index;
}

int RegisterTestButton(int formNumber, HWND button)
{
    return RegisterIn(FormRecord(formNumber).buttons, formNumber, button);
}

int RegisterTestEdit(int formNumber, HWND edit)
{
    return RegisterIn(FormRecord(formNumber).edits, formNumber, edit);
}

int RegisterTestContainer(int formNumber, HWND window, COLORREF fill, BYTE alpha, int kind, int paintAsContainer)
{
    auto record = std::make_unique<SkinContainerRecord>();
    record->hwnd = window;
    record->fillColour = fill;
    record->fillAlpha = alpha;
    record->kind = kind;
    record->paintAsContainer = paintAsContainer;
    RECT client = {};
    GetClientRect(window, &client);
    record->clientWidth = client.right;
    record->clientHeight = client.bottom;
    int index = 0;
    {
        SkinRegistryWriteGuard guard;
        index = AppendRecord(FormRecord(formNumber).containers, std::move(record));
    }
    SetWindowProp(window, kPropHwFormNumber, formNumber);
    SetWindowProp(window, kPropHwListIndex, index);
    return index;
}

uint32_t PatternColour(int x, int y)
{
    return (static_cast<uint32_t>(x & 0xFF) << 16) | (static_cast<uint32_t>(y & 0xFF) << 8) |
           static_cast<uint32_t>((x * 7 + y * 13) & 0xFF);
}

void PaintTestFrame(int formNumber)
{
    SkinFormRecord& form = FormRecord(formNumber);
    RECT client = {};
    GetClientRect(form.hwnd, &client);
    const int width = client.right;
    const int height = client.bottom;

    if (!form.frameDc)
        form.frameDc = CreateCompatibleDC(nullptr);
    HBITMAP frame = CreateDib32(width, height);
    HGDIOBJ previous = SelectObject(form.frameDc, frame);
    if (!GetPropA(form.hwnd, kPropFramePrevBitmap))
        SetWindowProp(form.hwnd, kPropFramePrevBitmap, reinterpret_cast<LONG_PTR>(previous));
    else
        DeleteObject(previous);
    SetWindowProp(form.hwnd, kPropFrameBitmap, reinterpret_cast<LONG_PTR>(frame));
    if (uint32_t* pixels = DibPixels(frame)) {
        // Bottom-up rows.
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[(height - 1 - y) * width + x] = PatternColour(x, y);
    }

    if (!form.captionCacheDc)
        form.captionCacheDc = MakeCacheDc(width, 25, form.captionCacheBitmap, form.captionCacheOldBitmap);
    if (!form.statusCacheDc)
        form.statusCacheDc = MakeCacheDc(width, 20, form.statusCacheBitmap, form.statusCacheOldBitmap);

    ReleaseMemoryDC(form.backBufferDc);
    form.backBufferDc = CreateMemoryDC(width, height);
    BitBlt(form.backBufferDc, 0, 0, width, height, form.frameDc, 0, 0, SRCCOPY);
    form.clientWidth = width;
    form.clientHeight = height;
}

uint32_t PixelRgb(HDC dc, int x, int y)
{
    GdiFlush();
    COLORREF c = GetPixel(dc, x, y);
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

uint32_t Blend(uint32_t under, uint32_t over, int alpha)
{
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int a = (under >> shift) & 0xFF;
        int b = (over >> shift) & 0xFF;
        result |= static_cast<uint32_t>((b * alpha + a * (255 - alpha) + 127) / 255) << shift;
    }
    return result;
}

bool RgbNear(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}
