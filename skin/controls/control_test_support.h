#pragma once
// Shared by the control families' tests: skinned forms made the way the application windows are made
// (frameless, SetSkinOptions with veil 0, SkinForm, then shown so the frame is painted), a recording
// procedure below the skin's subclass that shows what reaches a control's native code, and the
// control's patch of its form's back buffer.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

class TestCanvas;

struct NativeMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message the recorded controls' native procedures received, oldest first.
std::vector<NativeMessage>& NativeMessages();
// Called with each recorded message before the native procedure handles it; empty by default.
std::function<void(const NativeMessage&)>& OnNativeMessage();
// Puts the recorder between the control and its native procedure; skin it afterwards.
void RecordNativeMessages(HWND control);
int CountNative(HWND window, UINT message);

// A visible child control with a text and a control id.
HWND CreateControl(HWND parent, const char* className, const char* text, int x, int y, int width, int height,
                   DWORD style = 0, int id = 0);

// Skins a hidden frameless form (CreateFrameForm with visible false) as an application window does,
// shows it, lets the frame and the controls paint, and returns the form's number.
int ShowSkinnedForm(HWND form);
// Dispatches every queued message of this thread.
void PumpMessages();
// Keeps the real pointer away from the test windows, so that only the tests' own messages move it.
void ParkCursor();

// The control's client area in its form's back buffer.
RECT BackBufferPlace(HWND control);
// 0xRRGGBB of a pixel of the control's patch of the back buffer, in the control's client coordinates.
uint32_t BackBufferPixel(HWND control, int x, int y);
// Fills the control's patch of the back buffer with one colour, so that the next paint shows.
inline constexpr uint32_t kBlankPatch = 0x13579B;
void BlankBackBufferPatch(HWND control, uint32_t rgb = kBlankPatch);
bool PatchIsBlank(HWND control, uint32_t rgb = kBlankPatch);

// The same in the control's window coordinates (its whole window rectangle, border included), and the
// pixel of the form's frame picture there: what lies behind the control.
uint32_t BackBufferWindowPixel(HWND control, int x, int y);
void BlankBackBufferWindow(HWND control, uint32_t rgb = kBlankPatch);
uint32_t FramePixel(HWND control, int x, int y);
// 0xRRGGBB of a pixel of the control's window DC, border included.
uint32_t WindowPixel(HWND control, int x, int y);
// How many pixels of the key colour 0xFF00FF the control's window rectangle shows in its form's back
// buffer and on the screen, every second pixel of every second row looked at.
int CountKeyPixels(HWND control);

// 0xRRGGBB of a pixel of the picture the push-button painter makes of the registered button in that
// state over what lies behind it.
uint32_t ExpectedPushButtonPixel(HWND button, UINT state, int x, int y);
// The whole client picture (rows top down) the painter of the registered button's kind makes in that
// state over what lies behind it, and the control's client patch of its form's back buffer.
std::vector<uint32_t> ExpectedButtonPicture(HWND button, UINT state);
std::vector<uint32_t> BackBufferPicture(HWND control);

// Sends WM_ERASEBKGND with a context whose text colour is 0x654321 and expects what the skinned
// controls that paint their own background answer: the old text colour, the control's Kj_Ztys (set to
// `textColour` here) as the new one, a transparent background mode, and nothing passed to the native
// code (the control must be recorded).
void ExpectEraseKeepsTheBackground(HWND control, COLORREF textColour);

// True when the two canvases hold the same colours everywhere.
bool SameImage(const TestCanvas& a, const TestCanvas& b);

// A brush or bitmap a parent handed a child that someone must delete (not 0, not the stock null brush).
bool IsDeletable(HGDIOBJ object);

// A new device-dependent bitmap of one colour; the caller deletes it.
HBITMAP SolidBitmap(int width, int height, COLORREF colour);

// The colour distance (largest channel difference) of two 0xRRGGBB colours.
int ColourDistance(uint32_t a, uint32_t b);

class GdipGraphics;
// Draws onto a skin memory context (a bottom-up DIB, as every painter gets) that starts with the
// canvas's pixels, through a graphics attached as the painters attach theirs, then copies the result
// back onto the canvas for reading.
void DrawLikeAPainter(TestCanvas& canvas, const std::function<void(HDC, GdipGraphics&)>& draw);
