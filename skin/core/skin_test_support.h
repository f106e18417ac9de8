#pragma once
// Shared by the skin core's tests: GDI+ started once per test program, borderless test forms skinned
// the way the form skinning leaves them, controls registered in a form's lists, and a frame painted
// with a known pattern.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "skin/core/skin_form_record.h"

// Destroys the window at the end of a test when it still exists.
class ScopedWindow {
public:
    explicit ScopedWindow(HWND window = nullptr) : window_(window) {}
    ~ScopedWindow()
    {
        if (window_ && IsWindow(window_))
            DestroyWindow(window_);
    }
    ScopedWindow(const ScopedWindow&) = delete;
    ScopedWindow& operator=(const ScopedWindow&) = delete;
    HWND get() const { return window_; }
    operator HWND() const { return window_; }

private:
    HWND window_;
};

// How often the working-set trim ran in this test program: the skin's test programs count the trims
// instead of running the utility.
int TrimWorkingSetCalls();

// A visible borderless top-level window (window and client rectangle coincide), owned by `owner` when
// given. Its own procedure records the system commands it receives (TestFormCommands).
HWND CreateTestForm(int x, int y, int width, int height, HWND owner = nullptr);
HWND CreateTestChild(HWND parent, const char* className, int x, int y, int width, int height, DWORD style = 0,
                     DWORD exStyle = 0);
// The WM_SYSCOMMAND codes the test forms' own procedures received, oldest first.
std::vector<WPARAM>& TestFormCommands();
// The procedure every test form has before it is skinned.
WNDPROC TestFormOwnProc();

// A frameless top-level window (WS_POPUP | WS_SYSMENU | extraStyle, so the client area is the window
// rectangle) as the form runtime makes skinned windows. Its own procedure records every message it
// receives (FormMessages) and then calls DefWindowProcA.
HWND CreateFrameForm(int x, int y, int width, int height, DWORD extraStyle = 0, bool visible = true);
struct FormMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<FormMessage>& FormMessages();
// Called with every message as it reaches a frame form's own procedure, to look at the form then.
std::function<void(const FormMessage&)>& FormMessageProbe();
// Messages the frame forms' own procedure answers with kFormOwnAnswer itself instead of passing them
// to DefWindowProcA (a close that is vetoed, a system command that is only recorded).
std::set<UINT>& FormAnsweredMessages();
inline constexpr LRESULT kFormOwnAnswer = 0x5EED;
// How many messages of that kind the window's own procedure received.
int CountFormMessages(HWND window, UINT message);

// Records the window as a skinned form and subclasses it with a form procedure that releases the form
// on WM_NCDESTROY; returns the form number.
int SkinTestForm(HWND form);
SkinFormRecord& FormRecord(int formNumber);
// Register a control in one of the form's lists and set its properties; return its list index.
int RegisterTestButton(int formNumber, HWND button);
int RegisterTestEdit(int formNumber, HWND edit);
int RegisterTestContainer(int formNumber, HWND window, COLORREF fill, BYTE alpha, int kind,
                          int paintAsContainer = 1);

// What the frame painter leaves: frameDc filled with PatternColour (with its bitmaps in the form's
// properties), caption and status caches, and a back buffer copied from the frame.
void PaintTestFrame(int formNumber);
// 0xRRGGBB of the pattern at a form position.
uint32_t PatternColour(int x, int y);
// 0xRRGGBB of a pixel of a device context.
uint32_t PixelRgb(HDC dc, int x, int y);
// Blends `over` at `alpha` onto `under` the way GDI+ does it, per channel, 0xRRGGBB.
uint32_t Blend(uint32_t under, uint32_t over, int alpha);
bool RgbNear(uint32_t a, uint32_t b, int tolerance = 2);
