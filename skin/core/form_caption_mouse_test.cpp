// Caption buttons under the mouse, driven by messages: the hover fade in its steps and pixels, the
// fade timer's life, presses and clicks (also on a form that goes away while clicked), the caption
// double-click, and a form whose frame behaviour is off.
#include <gtest/gtest.h>

#include "gdiplus/gdip_graphics.h"
#include "skin/core/caption_buttons.h"
#include "skin/core/form_caption_mouse.h"
#include "skin/core/form_rows_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

class CaptionMouseTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_firstFormSize = false;
        g_skinBaseColour = RGB(60, 120, 170);
        FormAnsweredMessages() = {WM_SYSCOMMAND};
        TestFormCommands().clear();
    }
    void TearDown() override
    {
        FormAnsweredMessages().clear();
        g_skinBaseColour = 0;
    }

    // A shown 400 x 300 form with minimise (1), maximise (2) and close (3) buttons, frame painted.
    HWND MakeForm(SkinFormOptions options = SkinFormOptions())
    {
        HWND window = CreateFrameForm(50, 50, 400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        SkinForm(window, options);
        UpdateWindow(window);
        n_ = FindSkinnedWindow(window);
        return window;
    }
    SkinFormRecord& Form() { return FormRecord(n_); }

    void MoveTo(HWND window, LPARAM point) { SendMessageA(window, WM_MOUSEMOVE, 0, point); }
    void Step(HWND window, int steps = 1)
    {
        for (int i = 0; i < steps; ++i)
            SendMessageA(window, WM_TIMER, CaptionFadeTimerId(window), 0);
    }
    // The pointer comes in over button `button` and the hover notice follows, as it does on screen.
    void EnterOver(HWND window, int button)
    {
        MoveTo(window, ButtonCentre(Form(), button));
        SendMessageA(window, WM_MOUSEHOVER, 0, ButtonCentre(Form(), button));
    }
    // The button's frame-picture pixels equal a fresh paint of it at that hover opacity.
    void ExpectButtonAt(int button, int alpha)
    {
        const RECT inside = ButtonInterior(Form(), button);
        const Pixels shown = CopyPixels(Form().frameDc, inside);
        GdipGraphics graphics;
        PaintCaptionButtons(n_, button, graphics, false, false, alpha);
        EXPECT_EQ(shown, CopyPixels(Form().frameDc, inside)) << "button " << button << " at " << alpha;
    }

    int n_ = 0;
};

// True when the form's fade timer fires within a few of its intervals; the message is taken out of the
// queue, not handled.
bool FadeTimerRunning(HWND window)
{
    for (int i = 0; i < 5; ++i) {
        Sleep(kCaptionFadeIntervalMs + 5);
        MSG msg;
        while (PeekMessageA(&msg, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            if (msg.wParam == CaptionFadeTimerId(window))
                return true;
        }
    }
    return false;
}

int g_clicksA = 0, g_clicksB = 0;
int ClickA(const int*, int)
{
    return ++g_clicksA;
}
int ClickB(const int*, int)
{
    return ++g_clicksB;
}

}  // namespace

TEST_F(CaptionMouseTest, LitButtonLooksAsPaintedAtFullHover)
{
    ScopedWindow window(MakeForm());
    EnterOver(window, 1);
    EXPECT_TRUE(Form().inCaptionStrip);
    EXPECT_EQ(Form().hotCaptionButton, 1);
    for (int step = 1; step <= 8; ++step) {
        Step(window);
        EXPECT_EQ(Form().fadeIn.level, step);
    }
    ExpectButtonAt(1, 240);
    Step(window, 3);
    EXPECT_EQ(Form().fadeIn.level, 8) << "a lit button stays lit";
    ExpectButtonAt(1, 240);
    EXPECT_TRUE(FadeTimerRunning(window)) << "the timer runs while the pointer is in the strip";
}

TEST_F(CaptionMouseTest, MovingAcrossButtonsFadesInAndOutTogether)
{
    ScopedWindow window(MakeForm());
    EnterOver(window, 1);
    Step(window, 8);

    SCOPED_TRACE("A to B: both fade in the same steps");
    MoveTo(window, ButtonCentre(Form(), 2));
    EXPECT_EQ(Form().fadeOut.button, 1);
    EXPECT_EQ(Form().fadeIn.button, 2);
    for (int step = 1; step <= 2; ++step) {
        Step(window);
        EXPECT_EQ(Form().fadeIn.level, step);
        EXPECT_EQ(Form().fadeOut.level, step);
    }
    ExpectButtonAt(2, 60);
    ExpectButtonAt(1, 180);

    SCOPED_TRACE("on to C before A has finished: A at rest at once, B fades out");
    MoveTo(window, ButtonCentre(Form(), 3));
    ExpectButtonAt(1, 0);
    EXPECT_EQ(Form().fadeOut.button, 2);
    EXPECT_EQ(Form().fadeOut.level, 0);
    EXPECT_EQ(Form().fadeIn.button, 3);
    Step(window);
    ExpectButtonAt(2, 210);
    ExpectButtonAt(3, 30);
}

TEST_F(CaptionMouseTest, LeavingTheStripStopsTheTimerEightStepsLater)
{
    ScopedWindow window(MakeForm());
    EnterOver(window, 2);
    Step(window, 8);
    MoveTo(window, PointParam(150, 150));
    EXPECT_FALSE(Form().inCaptionStrip);
    EXPECT_EQ(Form().hotCaptionButton, 0);
    Step(window, 7);
    EXPECT_EQ(Form().fadeOut.button, 2);
    EXPECT_EQ(Form().fadeOut.level, 7);
    EXPECT_TRUE(FadeTimerRunning(window));
    Step(window);
    EXPECT_EQ(Form().fadeOut.button, 0) << "both fades cleared";
    EXPECT_EQ(Form().fadeIn.button, 0);
    ExpectButtonAt(2, 0);
    EXPECT_FALSE(FadeTimerRunning(window));

    SCOPED_TRACE("leaving the form starts the fade-out too");
    EnterOver(window, 2);
    Step(window, 8);
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Form().mouseInside);
    EXPECT_EQ(Form().fadeOut.button, 2);
    EXPECT_EQ(Form().hotCaptionButton, 0);
    Step(window, 8);
    EXPECT_EQ(Form().fadeOut.button, 0);
    EXPECT_FALSE(FadeTimerRunning(window));
}

TEST_F(CaptionMouseTest, PressOnOneReleaseOnAnotherClicksTheSecond)
{
    ScopedWindow window(CreateFrameForm(50, 50, 400, 300));
    SkinForm(window);
    AddTitleBarButton(window, "", "A", ClickA);
    AddTitleBarButton(window, "", "B", ClickB);  // B is button 1, A button 2
    UpdateWindow(window);
    n_ = FindSkinnedWindow(window);
    g_clicksA = g_clicksB = 0;

    const RECT inside = ButtonInterior(Form(), 1);
    const Pixels atRest = CopyPixels(Form().frameDc, inside);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, ButtonCentre(Form(), 1));
    EXPECT_EQ(g_pressedCaptionButton, 1);
    EXPECT_NE(CopyPixels(Form().frameDc, inside), atRest) << "pressed look";
    MoveTo(window, ButtonCentre(Form(), 2));
    const Delivery up = Deliver(window, WM_LBUTTONUP, 0, ButtonCentre(Form(), 2));
    EXPECT_TRUE(up.passedOn);
    EXPECT_EQ(g_clicksA, 1);
    EXPECT_EQ(g_clicksB, 0);

    SCOPED_TRACE("released beside the buttons: no click");
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, ButtonCentre(Form(), 1));
    MoveTo(window, PointParam(150, 150));
    SendMessageA(window, WM_LBUTTONUP, 0, PointParam(150, 150));
    EXPECT_EQ(g_clicksA + g_clicksB, 1);
}

TEST_F(CaptionMouseTest, CaptionButtonsSendTheirSystemCommands)
{
    ScopedWindow window(MakeForm());
    struct Case {
        int button;
        WPARAM command;
        bool maximised;
    } cases[] = {{2, SC_MAXIMIZE, true}, {2, SC_RESTORE, false}, {1, SC_MINIMIZE, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        FormMessages().clear();
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, ButtonCentre(Form(), c.button));
        SendMessageA(window, WM_LBUTTONUP, 0, ButtonCentre(Form(), c.button));
        ASSERT_EQ(CountFormMessages(window, WM_SYSCOMMAND), 1);
        for (const FormMessage& m : FormMessages()) {
            if (m.message == WM_SYSCOMMAND) {
                EXPECT_EQ(m.wParam, c.command);
            }
        }
        EXPECT_EQ(Form().maximized, c.maximised);
        EXPECT_TRUE(Form().needsFullRepaint);
    }
}

TEST_F(CaptionMouseTest, DoubleClickInTheCaptionTogglesMaximiseOnlyWhenResizable)
{
    struct Case {
        const char* what;
        int resizable;
        LPARAM point;
        std::vector<WPARAM> commands;
    } cases[] = {
        {"resizable, in the caption", 1, PointParam(120, 12), {SC_MAXIMIZE, SC_RESTORE}},
        {"resizable, below the caption", 1, PointParam(120, 200), {}},
        {"fixed size", 0, PointParam(120, 12), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SkinFormOptions options;
        options.resizable = c.resizable;
        ScopedWindow window(MakeForm(options));
        FormMessages().clear();
        std::vector<WPARAM> seen;
        for (int i = 0; i < 2; ++i) {
            const Delivery d = Deliver(window, WM_LBUTTONDBLCLK, MK_LBUTTON, c.point);
            EXPECT_TRUE(d.passedOn);
        }
        for (const FormMessage& m : FormMessages())
            if (m.message == WM_SYSCOMMAND)
                seen.push_back(m.wParam);
        EXPECT_EQ(seen, c.commands);
    }
}

TEST_F(CaptionMouseTest, FormThatGoesAwayWhileClickedIsLeftAlone)
{
    // The form's own procedure destroys it on the command the click sends (or when the caption drag
    // starts); the skin's procedure then neither passes the mouse message on nor touches the freed
    // record.
    FormAnsweredMessages().clear();
    struct Case {
        const char* what;
        UINT message;
        int button;  // 0: a point in the caption
        UINT destroyingMessage;
    } cases[] = {{"close button", WM_LBUTTONUP, 3, WM_SYSCOMMAND},
                 {"caption double-click", WM_LBUTTONDBLCLK, 0, WM_SYSCOMMAND},
                 {"caption drag", WM_LBUTTONDOWN, 0, WM_NCLBUTTONDOWN}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int before = SkinFormCount();
        HWND window = MakeForm();
        FormMessageProbe() = [&c](const FormMessage& m) {
            if (m.message == c.destroyingMessage)
                DestroyWindow(m.window);
        };
        const LPARAM point = c.button ? ButtonCentre(Form(), c.button) : PointParam(120, 12);
        if (c.button)
            SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
        FormMessages().clear();
        const LRESULT result = SendMessageA(window, c.message, 0, point);
        FormMessageProbe() = nullptr;
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(result, 0);
        EXPECT_EQ(CountFormMessages(window, c.message), 0);
        EXPECT_EQ(SkinFormCount(), before);
    }
}

TEST_F(CaptionMouseTest, WithoutFrameBehaviourNoLightCursorClickOrTitle)
{
    struct Case {
        int frameEnabled;
        bool lights;
    } cases[] = {{1, true}, {0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frameEnabled);
        SkinFormOptions options;
        options.frameEnabled = c.frameEnabled;
        ScopedWindow window(MakeForm(options));
        FormMessages().clear();

        EnterOver(window, 1);
        Step(window, 8);
        EXPECT_EQ(Form().hotCaptionButton, c.lights ? 1 : 0);
        EXPECT_EQ(Form().fadeIn.level, c.lights ? 8 : 0);
        EXPECT_EQ(FadeTimerRunning(window), c.lights);

        HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
        SetCursor(arrow);
        MoveTo(window, PointParam(1, 150));
        EXPECT_EQ(GetCursor() != arrow, c.lights) << "the resize cursor at the left edge";

        g_pressedCaptionButton = 1;
        SendMessageA(window, WM_LBUTTONUP, 0, ButtonCentre(Form(), 1));
        EXPECT_EQ(CountFormMessages(window, WM_SYSCOMMAND), c.lights ? 1 : 0);

        const RECT title = {30, 4, 200, 20};
        const Pixels before = CopyPixels(Form().frameDc, title);
        SetWindowTextA(window, "别的标题");
        EXPECT_EQ(CopyPixels(Form().frameDc, title) != before, c.lights);
    }
}
