#pragma once
// Shared by the tests of skinned dialogs, message boxes and popup menus: modeless system dialogs
// ("#32770") made from an in-memory template, modal boxes driven from a timer, and pixels read back.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct TestDialogItem {
    WORD classAtom;  // 0x0080 button, 0x0082 static
    std::string text;
    DWORD style;
    short x, y, cx, cy;  // dialog units
    WORD id;
};

// A modeless dialog of the system's dialog class with the given title and controls, not yet visible,
// resized to width x height pixels. Its dialog procedure records every message it is given
// (DialogMessages) and otherwise leaves everything to the system; WM_CLOSE closes nothing.
HWND CreateTestDialog(HWND owner, const std::string& title, int width, int height,
                      const std::vector<TestDialogItem>& items);
// A static text and an OK button.
HWND CreateSimpleTestDialog(int width = 300, int height = 120);
// CreateSimpleTestDialog skinned (SkinDialogWindow), shown without activation and painted once.
HWND ShowSkinnedTestDialog(int width = 300, int height = 120);
RECT WindowRectOf(HWND window);

// The messages the test dialogs' procedures received, oldest first.
std::vector<UINT>& DialogMessages();
int CountDialogMessages(UINT message);

// The visible "#32770" windows of this thread that the skin took over, topmost (the newest box) first.
std::vector<HWND> SkinnedDialogsOfThread();
// The visible "#32768" popup-menu window of this thread; 0 when none is open.
HWND OpenPopupMenuWindow();

// Runs `step` every `intervalMs` from a thread timer until it returns true; runs inside modal loops
// (message boxes, popup menus). Kill with the returned id or let the step finish it.
class TimerScript {
public:
    TimerScript(UINT intervalMs, std::function<bool()> step);
    ~TimerScript();
    TimerScript(const TimerScript&) = delete;
    TimerScript& operator=(const TimerScript&) = delete;
    bool Finished() const { return finished_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    UINT_PTR id_ = 0;
    std::function<bool()> step_;
    bool finished_ = false;
    bool running_ = false;
};

// Dispatches this thread's messages for the given time.
void PumpFor(DWORD milliseconds);
// The layered window's alpha (LWA_ALPHA); -1 when it has none.
int LayeredAlpha(HWND window);
// True when the window's region is the rounded rectangle (0, 0, width + 1, height + 1) of its window
// rectangle with corners of the given size.
bool HasRoundRegion(HWND window, int corner);
// Saves the whole window (frame included) as the PNG build/screenshots/<name>.
std::string SaveWholeWindowScreenshot(HWND window, const std::string& name);
