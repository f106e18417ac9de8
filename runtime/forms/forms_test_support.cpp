#include "runtime/forms/forms_test_support.h"

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

}  // namespace forms_test
