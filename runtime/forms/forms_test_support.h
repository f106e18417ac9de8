#pragma once
// What the form-runtime tests share: a fixture that starts the runtime with stand-in platform actions
// and closes every window a test left open, and a few helpers that drive windows by messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/forms/form_runtime.h"
#include "runtime/forms/platform_actions.h"

namespace forms_test {

// What the stand-in actions were asked to do.
struct ActionLog {
    std::vector<std::string> messages;   // "caption|text"
    std::vector<std::string> openedUrls;
    std::string savePathToGive;          // empty: the user cancels
    int saveRequests = 0;
    std::vector<double> clockSets;       // date-times the system clock was asked to take
    int shutdowns = 0;
};
ActionLog& Log();

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

std::string ClassOf(HWND window);
// A press and release of the left button at a point of the window's client area, as the mouse gives
// them to the window under it.
void ClickAt(HWND window, int x, int y);
// How many pixels of the window's client area, as its DC shows them, pass the test.
int CountPixels(HWND window, bool (*test)(COLORREF colour));
// Pixels a caption's strokes leave: near black.
bool IsDarkPixel(COLORREF colour);
// Saves what the window shows (frame and children) as a PNG file of that name under the build's
// screenshots folder; false when it could not be captured or written.
bool SaveScreenshot(HWND window, const std::string& fileName);
// Handles pending messages until the condition holds or the time runs out.
template <typename Condition>
bool PumpUntil(Condition condition, int milliseconds = 3000)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (!condition()) {
        if (static_cast<int>(end - GetTickCount()) <= 0)
            return false;
        forms::ProcessPendingMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Handles messages until the window and its shown children have nothing left to paint; false when the
// time ran out first. A test that reads the screen reads it after this, once: on a busy machine the
// paints come late, not wrong.
bool PumpUntilPainted(HWND window, int milliseconds = 20000);

}  // namespace forms_test
