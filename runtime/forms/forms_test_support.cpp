#include "runtime/forms/forms_test_support.h"
#include "runtime/forms/pending_paint.h"

namespace forms_test {
namespace {

int FakeMessageBox(HWND, const std::string& text, const std::string& caption, unsigned)
{
    Log().messages.push_back(caption + "|" + text);
    return IDOK;
}

bool FakeSavePath(HWND, const forms::SaveDialogRequest&, std::string& path)
{
    ++Log().saveRequests;
    path = Log().savePathToGive;
    return !path.empty();
}

bool FakeOpenUrl(const std::string& address)
{
    Log().openedUrls.push_back(address);
    return true;
}

// The clock and the shutdown are refused (nothing happens to this machine) but noted.
bool RefuseClock(double dateTime)
{
    Log().clockSets.push_back(dateTime);
    return false;
}

bool RefuseShutDown()
{
    ++Log().shutdowns;
    return false;
}

}  // namespace

ActionLog& Log()
{
    static ActionLog log;
    return log;
}

void FormsTest::SetUp()
{
    ASSERT_TRUE(forms::InitFormRuntime());
    Log() = ActionLog();
    forms::PlatformActions fakes;
    fakes.messageBox = FakeMessageBox;
    fakes.askSavePath = FakeSavePath;
    fakes.openUrl = FakeOpenUrl;
    fakes.setSystemTime = RefuseClock;
    fakes.shutDown = RefuseShutDown;
    forms::ReplaceActions(fakes);
}

void FormsTest::TearDown()
{
    for (forms::Form* form : forms::OpenForms())
        form->Destroy();
    forms::ProcessPendingMessages();
    EXPECT_EQ(forms::OpenFormCount(), 0);
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void ClickAt(HWND window, int x, int y)
{
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

int CountPixels(HWND window, bool (*test)(COLORREF colour))
{
    RECT client = {};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            count += test(GetPixel(dc, x, y)) ? 1 : 0;
    ReleaseDC(window, dc);
    return count;
}

bool IsDarkPixel(COLORREF colour)
{
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 200;
}


bool PumpUntilPainted(HWND window, int milliseconds)
{
    forms::ProcessPendingMessages();
    const bool painted = PumpUntil([window] { return !WaitsForPaint(window); }, milliseconds);
    // Wine copies what a window painted to the screen when its thread waits idle; until then the screen
    // shows what was there before. One idle wait, then the screen is what the window painted.
    GdiFlush();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 30, QS_ALLINPUT);
    return painted;
}

}  // namespace forms_test
