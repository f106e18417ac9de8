// The main window maximised by its caption button and by a double-click on its caption, restored,
// dragged smaller than it can be, and driven by the keyboard: Tab to 生成, Enter generates, Shift+F10
// opens the list's menu, Escape closes 姓名评测.
#include <string>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"

namespace journey {
namespace {

// The size the main window is designed for: it never gets smaller.
constexpr int kDesignedWidth = 952;
constexpr int kDesignedHeight = 672;

RECT WindowRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// Presses the left button at one point, moves the pointer in steps to another and lets go there.
void DragPointer(POINT from, POINT to)
{
    MovePointer(from);
    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &press, sizeof press);
    Sleep(150);
    for (int step = 1; step <= 10; ++step) {
        MovePointer(POINT{from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
        Sleep(40);
    }
    INPUT release = press;
    release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &release, sizeof release);
    Sleep(300);
}

// The units a person needs to see stay inside the window and do not cover each other.
bool UnitsShown(HWND window, std::string& reason)
{
    const RECT frame = WindowRect(window);
    for (const char* text : {"生成", "停止", "导出自选", "使用帮助"}) {
        HWND unit = FindByText(window, text);
        const RECT r = unit ? WindowRect(unit) : RECT{};
        if (!unit || r.left < frame.left || r.top < frame.top || r.right > frame.right || r.bottom > frame.bottom) {
            reason = std::string("\"") + text + "\" is not shown inside the window " + Describe(frame) +
                     (unit ? " but at " + Describe(r) : "");
            return false;
        }
    }
    const RECT go = WindowRect(FindByText(window, "生成"));
    const RECT exportButton = WindowRect(FindByText(window, "导出自选"));
    RECT overlap;
    if (IntersectRect(&overlap, &go, &exportButton)) {
        reason = "生成 and 导出自选 overlap";
        return false;
    }
    return true;
}

// Maximised: the window covers the work area, its caption on the screen, and its units fill it.
Step ExpectMaximised(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(kMain);
        Sleep(300);
        const RECT r = WindowRect(window);
        const RECT work = WorkAreaOf(window);
        if (!EqualRect(&r, &work)) {
            reason = "the maximised window is at " + Describe(r) + ", the work area is " + Describe(work);
            return false;
        }
        // The result list's tab control follows the window's width and height.
        HWND tabs = FindByClass(window, "SysTabControl32", 0);
        const RECT t = tabs ? WindowRect(tabs) : RECT{};
        if (!tabs || t.right < r.right - 8 || t.bottom < r.bottom - 40) {
            reason = "the tab control is at " + Describe(t) + " in the window " + Describe(r);
            return false;
        }
        return UnitsShown(window, reason);
    }, {kMain});
}

Step ExpectRestored(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(kMain);
        Sleep(300);
        const RECT r = WindowRect(window);
        if (r.right - r.left != kDesignedWidth || r.bottom - r.top != kDesignedHeight || r.top < 0) {
            reason = "the restored window is at " + Describe(r);
            return false;
        }
        HWND tabs = FindByClass(window, "SysTabControl32", 0);
        const RECT t = tabs ? WindowRect(tabs) : RECT{};
        if (!tabs || t.right > r.right) {
            reason = "the tab control is at " + Describe(t) + " in the window " + Describe(r);
            return false;
        }
        return UnitsShown(window, reason);
    }, {kMain});
}

// The maximise button's picture, as a text of its pixels, with the pointer away from it.
std::string MaximiseButtonPixels(HWND window)
{
    const RECT r = WindowRect(window);
    MovePointer(POINT{r.left + 300, r.top + 300});
    Sleep(400);
    HDC screen = GetDC(nullptr);
    std::string pixels;
    const int x0 = r.right - 22 - 20 - 13 - 8, y0 = r.top + 2;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
            const COLORREF c = GetPixel(screen, x0 + x, y0 + y);
            pixels += std::to_string((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 24) + ",";
        }
    ReleaseDC(nullptr, screen);
    return pixels;
}

Step RememberMaximiseGlyph()
{
    return Verify("maximise-glyph", [](Session& session, std::string&) {
        session.lastText = MaximiseButtonPixels(session.WaitForWindow(kMain));
        return true;
    }, {kMain});
}

// After a restore the button shows the maximise glyph it showed before the window was maximised.
Step ExpectMaximiseGlyph(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        if (MaximiseButtonPixels(session.WaitForWindow(kMain)) != session.lastText) {
            reason = "the maximise button does not show the glyph it had before the window was maximised";
            return false;
        }
        return true;
    }, {kMain});
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

Step ExpectFocusOn(const std::string& text, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        HWND focus = FocusOf(session.WaitForWindow(kMain));
        if (!focus || WindowText(focus) != text) {
            reason = "the focus is on \"" + (focus ? WindowText(focus) : std::string()) + "\" (" +
                     (focus ? WindowClass(focus) : std::string("nothing")) + "), not on \"" + text + "\"";
            return false;
        }
        return true;
    }, {kMain});
}

}  // namespace

std::vector<Journey> WindowKeyJourneys()
{
    std::vector<Journey> journeys;
    journeys.push_back({"window-maximise",
                        {
                            LayOut({SurnameSettings("王")}),
                            Launch(),
                            RememberMaximiseGlyph(),
                            ClickOn(kMain, CaptionButton(2), "maximise-button"),
                            ExpectMaximised("maximised"),
                            ClickOn(kMain, CaptionButton(2), "restore-button"),
                            ExpectRestored("restored"),
                            ExpectMaximiseGlyph("maximise-glyph-back"),
                            DoubleClickOn(kMain, "caption-double-click", Offset(400, 9)),
                            ExpectMaximised("maximised-by-caption"),
                            DoubleClickOn(kMain, "caption-double-click-again", Offset(400, 9)),
                            ExpectRestored("restored-by-caption"),
                            ExpectMaximiseGlyph("maximise-glyph-after-caption"),
                            Verify("shrink", [](Session& session, std::string& reason) {
                                HWND window = session.WaitForWindow(kMain);
                                const RECT r = WindowRect(window);
                                DragPointer(POINT{r.right - 2, r.bottom - 2}, POINT{r.right - 500, r.bottom - 400});
                                const RECT after = WindowRect(window);
                                if (after.right - after.left < kDesignedWidth || after.bottom - after.top < kDesignedHeight) {
                                    reason = "the window was shrunk to " + Describe(after);
                                    return false;
                                }
                                return UnitsShown(window, reason);
                            }, {kMain}),
                            CloseWindow(kMain, CloseWay::CloseButton, "close-main"),
                            ExpectExit(0, 10000, "process-ends"),
                        }});
    journeys.push_back({"window-keys",
                        {
                            LayOut({SurnameSettings("王")}),
                            Launch(),
                            ClickOn(kMain, UnitRightOf("自动挑选评分为："), "click-score-box"),
                            Press(VK_TAB, 0, "tab"),
                            ExpectFocusOn("生成", "focus-on-generate"),
                            Press(VK_RETURN, 0, "enter-generates"),
                            Verify("rows-generated", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 0, 3, 5000, reason);
                            }, {kMain}),
                            ClickOn(kMain, UnitWithText("停止"), "stop"),
                            ClickOn(kMain, ListRow(0, -1), "pick-row"),
                            Press(VK_F10, VK_SHIFT, "shift-f10"),
                            Verify("list-menu-open", [](Session&, std::string& reason) {
                                const DWORD end = GetTickCount() + 3000;
                                while (!FindWindowA("#32768", nullptr) && static_cast<int>(end - GetTickCount()) > 0)
                                    Sleep(30);
                                if (!FindWindowA("#32768", nullptr)) {
                                    reason = "Shift+F10 opened no menu";
                                    return false;
                                }
                                return true;
                            }),
                            Press(VK_ESCAPE, 0, "menu-escape"),
                            Verify("menu-closed-main-stays", [](Session& session, std::string& reason) {
                                Sleep(300);
                                if (FindWindowA("#32768", nullptr) && IsWindowVisible(FindWindowA("#32768", nullptr))) {
                                    reason = "the menu stayed open after Escape";
                                    return false;
                                }
                                return session.WaitForWindow(kMain) != nullptr;
                            }, {kMain}),
                            ClickOn(kMain, NavItem(2), "open-scoring"),
                            WaitFor(kScoring),
                            CloseWindow(kScoring, CloseWay::Escape, "escape-closes-scoring"),
                            Verify("escape-keeps-main", [](Session& session, std::string& reason) {
                                HWND window = session.WaitForWindow(kMain);
                                const RECT r = WindowRect(window);
                                ClickAt(POINT{(r.left + r.right) / 2, r.top + 8});
                                PressKey(VK_ESCAPE);
                                Sleep(500);
                                if (!IsWindow(window) || !IsWindowVisible(window)) {
                                    reason = "Escape closed the main window";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            CloseWindow(kMain, CloseWay::CloseButton, "close-main"),
                            ExpectExit(0, 10000, "process-ends"),
                        }});
    return journeys;
}

}  // namespace journey
