// Modal and modeless windows, the program's message loop, handlers that process pending messages,
// and handlers that close their own window.
#include "runtime/forms/forms_test_support.h"

namespace forms_test {
namespace {

using forms::Define;
using forms::EventKind;
using forms::UnitKind;

std::vector<std::string>& Trace()
{
    static std::vector<std::string> trace;
    return trace;
}

// A modal window that closes itself on the second tick of its timer.
void OnModalCreated(forms::Event& e)
{
    forms::Form* opener = forms::FindForm("Opener");
    Trace().push_back(opener && !IsWindowEnabled(opener->Window()) ? "modal created, opener disabled"
                                                                   : "modal created, opener enabled");
    e.form.Get("时钟1").SetInterval(10);
}
void OnModalTick(forms::Event& e)
{
    static int ticks = 0;
    Trace().push_back("modal tick");
    if (++ticks % 2 == 0)
        e.form.Close();
}
void OnModalDestroying(forms::Event&) { Trace().push_back("modal destroying"); }

const forms::FormDef& ModalWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 201;
        d.name = "ModalWindow";
        d.caption = "姓名评测";
        d.rect = {80, 80, 300, 120};
        d.units = {Define(UnitKind::Timer, 1, "时钟1")};
        d.bindings = {{0, EventKind::Created, OnModalCreated},
                      {1, EventKind::TimerTick, OnModalTick},
                      {0, EventKind::Destroying, OnModalDestroying}};
        return d;
    }();
    return def;
}

void OnOpenModalClicked(forms::Event& e)
{
    Trace().push_back("opening");
    const bool opened = forms::OpenModal(ModalWindow(), &e.form);
    Trace().push_back(std::string(opened ? "modal returned" : "modal failed") +
                      (IsWindowEnabled(e.form.Window()) ? ", opener enabled" : ", opener disabled"));
}

const forms::FormDef& OpenerWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 200;
        d.name = "Opener";
        d.caption = "宝宝取名";
        d.rect = {40, 40, 400, 200};
        d.units = {Define(UnitKind::Button, 1, "按钮1", {10, 10, 80, 28}, "评分")};
        d.bindings = {{1, EventKind::Click, OnOpenModalClicked}};
        return d;
    }();
    return def;
}

TEST_F(FormsTest, ModalWindowBlocksItsOpenerUntilItCloses)
{
    Trace().clear();
    forms::Form* opener = forms::OpenModeless(OpenerWindow());
    ASSERT_NE(opener, nullptr);
    SendMessageA(opener->Get("按钮1").Window(), BM_CLICK, 0, 0);
    const std::vector<std::string> expected = {"opening", "modal created, opener disabled", "modal tick",
                                               "modal tick", "modal destroying", "modal returned, opener enabled"};
    EXPECT_EQ(Trace(), expected);
    EXPECT_EQ(forms::FindForm("ModalWindow"), nullptr);
    EXPECT_EQ(forms::OpenFormCount(), 1);
}

// A modal window over its opener, while a handler hides another of the program's windows and shows it
// again (as a window that the modal one opens and closes does): the modal window must stay above, and
// active. The other window is not the modal one's owner, so ownership alone does not keep it beneath;
// while hidden it is raised to the top, as a window closing above it leaves it when it hands on the
// activation: shown again where it stands, it would cover the modal window.
bool IsAbove(HWND upper, HWND lower)
{
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window; window = GetWindow(window, GW_HWNDNEXT))
        if (window == lower)
            return true;
    return false;
}

void OnHidingModalTick(forms::Event& e)
{
    static int ticks = 0;
    forms::Form* opener = forms::FindForm("Bystander");
    if (!opener)
        return;
    switch (++ticks % 3) {
    case 1:
        opener->Self().SetVisible(false);
        SetWindowPos(opener->Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    case 2:
        opener->Self().SetVisible(true);
        Trace().push_back(IsAbove(e.form.Window(), opener->Window()) ? "modal above other" : "other above modal");
        Trace().push_back(GetActiveWindow() == e.form.Window() ? "modal active" : "modal not active");
        Trace().push_back(IsWindowVisible(opener->Window()) ? "other shown" : "other hidden");
        break;
    default:
        e.form.Close();
    }
}

const forms::FormDef& HidingModalWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d = ModalWindow();
        d.id = 202;
        d.name = "HidingModal";
        d.units = {Define(UnitKind::Timer, 1, "时钟1").Interval(20)};
        d.bindings = {{1, EventKind::TimerTick, OnHidingModalTick}};
        return d;
    }();
    return def;
}

TEST_F(FormsTest, AWindowShownAgainStaysBeneathTheModalWindow)
{
    Trace().clear();
    forms::Form* opener = forms::OpenModeless(OpenerWindow());
    ASSERT_NE(opener, nullptr);
    forms::FormDef bystanderDef = OpenerWindow();
    bystanderDef.id = 203;
    bystanderDef.name = "Bystander";
    bystanderDef.rect = {60, 60, 400, 200};
    forms::Form* bystander = forms::OpenModeless(bystanderDef);
    ASSERT_NE(bystander, nullptr);
    ASSERT_TRUE(forms::OpenModal(HidingModalWindow(), opener));
    const std::vector<std::string> expected = {"modal above other", "modal active", "other shown"};
    EXPECT_EQ(Trace(), expected);
    bystander->Destroy();
    opener->Destroy();
}

// Two windows that close themselves after a number of ticks.
int g_firstTicks = 0, g_secondTicks = 0;
void OnFirstTick(forms::Event& e)
{
    ++g_firstTicks;
    e.form.Destroy();
}
void OnSecondTick(forms::Event& e)
{
    if (++g_secondTicks == 3)
        e.form.Close();
}

forms::FormDef TickingWindow(int id, const char* name, forms::Handler onTick)
{
    forms::FormDef d;
    d.id = id;
    d.name = name;
    d.caption = name;
    d.rect = {100, 100, 200, 100};
    d.units = {Define(UnitKind::Timer, 1, "时钟1").Interval(15)};
    d.bindings = {{1, EventKind::TimerTick, onTick}};
    return d;
}

TEST_F(FormsTest, ProgramLoopEndsWhenTheLastWindowIsGone)
{
    g_firstTicks = g_secondTicks = 0;
    ASSERT_NE(forms::OpenModeless(TickingWindow(210, "First", OnFirstTick)), nullptr);
    ASSERT_NE(forms::OpenModeless(TickingWindow(211, "Second", OnSecondTick)), nullptr);
    EXPECT_EQ(forms::RunMessageLoop(), 0);
    EXPECT_EQ(forms::OpenFormCount(), 0);
    EXPECT_EQ(g_firstTicks, 1);
    EXPECT_EQ(g_secondTicks, 3) << "closing one window must not end the loop";
    EXPECT_EQ(forms::RunMessageLoop(), 0) << "no window: the loop returns at once";
}

// Handlers that close their window, veto a close, or run other handlers inside them.
int g_laterHandlerCalls = 0;
bool g_vetoClose = true;
std::string g_textWhileDestroying;
void OnClickDestroys(forms::Event& e) { e.form.Destroy(); }
void OnClickLater(forms::Event&) { ++g_laterHandlerCalls; }
void OnMayClose(forms::Event& e) { e.allow = !g_vetoClose; }
void OnClickDestroysSender(forms::Event& e) { e.form.DestroyUnit(e.sender); }
void OnDestroying(forms::Event& e) { g_textWhileDestroying = e.form.Get("编辑框1").Text(); }
int g_nestedTicks = 0;
bool g_tickRanInsideHandler = false;
void OnNestedTick(forms::Event& e)
{
    ++g_nestedTicks;
    e.sender.SetInterval(0);
}
void OnClickPumps(forms::Event& e)
{
    e.form.Get("时钟1").SetInterval(5);
    const DWORD end = GetTickCount() + 2000;
    while (g_nestedTicks == 0 && static_cast<int>(end - GetTickCount()) > 0) {
        Sleep(10);
        forms::ProcessPendingMessages();
    }
    g_tickRanInsideHandler = g_nestedTicks > 0;
}

const forms::FormDef& HandlerWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 220;
        d.name = "HandlerWindow";
        d.caption = "处理";
        d.rect = {60, 60, 300, 200};
        d.units = {Define(UnitKind::Button, 1, "按钮关闭", {10, 10, 80, 28}, "关闭"),
                   Define(UnitKind::Edit, 2, "编辑框1", {10, 50, 120, 22}, "留下"),
                   Define(UnitKind::Button, 3, "按钮等待", {100, 10, 80, 28}, "等待"),
                   Define(UnitKind::Timer, 4, "时钟1"),
                   Define(UnitKind::Button, 5, "按钮自毁", {190, 10, 80, 28}, "自毁")};
        d.bindings = {{1, EventKind::Click, OnClickDestroys}, {1, EventKind::Click, OnClickLater},
                      {0, EventKind::MayClose, OnMayClose},   {0, EventKind::Destroying, OnDestroying},
                      {3, EventKind::Click, OnClickPumps},    {4, EventKind::TimerTick, OnNestedTick},
                      {5, EventKind::Click, OnClickDestroysSender}, {5, EventKind::Click, OnClickLater}};
        return d;
    }();
    return def;
}

TEST_F(FormsTest, MayCloseCanKeepTheWindowAndDestroyingSeesTheUnits)
{
    g_vetoClose = true;
    g_textWhileDestroying.clear();
    forms::Form* form = forms::OpenModeless(HandlerWindow());
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->Close());
    SendMessageA(form->Window(), WM_CLOSE, 0, 0);  // the caption's close button
    ASSERT_NE(forms::FindForm("HandlerWindow"), nullptr);
    g_vetoClose = false;
    EXPECT_TRUE(form->Close());
    EXPECT_EQ(forms::FindForm("HandlerWindow"), nullptr);
    EXPECT_EQ(g_textWhileDestroying, "留下");
}

TEST_F(FormsTest, NoHandlerRunsForAWindowThatAnEarlierHandlerDestroyed)
{
    g_laterHandlerCalls = 0;
    forms::Form* form = forms::OpenModeless(HandlerWindow());
    ASSERT_NE(form, nullptr);
    HWND window = form->Window();
    SendMessageA(form->Get("按钮关闭").Window(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(g_laterHandlerCalls, 0);
    EXPECT_EQ(forms::OpenFormCount(), 0);
}

TEST_F(FormsTest, AHandlerMayDestroyTheUnitThatRaisedItsEvent)
{
    g_laterHandlerCalls = 0;
    forms::Form* form = forms::OpenModeless(HandlerWindow());
    ASSERT_NE(form, nullptr);
    HWND button = form->Get("按钮自毁").Window();
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(form->Find("按钮自毁"), nullptr);
    EXPECT_EQ(g_laterHandlerCalls, 0);
    EXPECT_TRUE(form->IsAlive());
}

TEST_F(FormsTest, HandlersProcessPendingMessagesSoOtherHandlersRunInsideThem)
{
    g_nestedTicks = 0;
    g_tickRanInsideHandler = false;
    forms::Form* form = forms::OpenModeless(HandlerWindow());
    ASSERT_NE(form, nullptr);
    SendMessageA(form->Get("按钮等待").Window(), BM_CLICK, 0, 0);
    EXPECT_TRUE(g_tickRanInsideHandler);
    EXPECT_EQ(g_nestedTicks, 1);
}

}  // namespace
}  // namespace forms_test

namespace forms_test {
namespace {

int g_exitRuns = 0;
void OnExit() { ++g_exitRuns; }

TEST_F(FormsTest, PendingMessagesEndEvenWhenATimerOutrunsItsPeriod)
{
    // A tick that takes longer than the period is due again whenever the queue runs empty. The timer
    // ends itself after 200 ticks (5 s), so a turn that never ends by itself still ends, and fails.
    static int ticks = 0;
    static UINT_PTR timer = 0;
    ticks = 0;
    timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        if (++ticks == 200)
            KillTimer(nullptr, timer);
        Sleep(25);
    });
    ASSERT_NE(0u, timer);
    Sleep(30);
    forms::ProcessPendingMessages();
    const int handled = ticks;
    KillTimer(nullptr, timer);
    EXPECT_GE(handled, 1);
    EXPECT_LT(handled, 40) << "ticks handled in one turn";
}

TEST_F(FormsTest, StartUpMakesTheProgramFolderCurrentAndShutdownRunsTheExitRoutineOnce)
{
    g_exitRuns = 0;
    forms::SetExitRoutine(OnExit);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    forms::ShutdownFormRuntime();
    EXPECT_EQ(g_exitRuns, 1);
    ASSERT_TRUE(forms::InitFormRuntime());
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(lstrcmpiA(current, forms::ProgramFolder().c_str()), 0) << current;
    forms::ShutdownFormRuntime();
    EXPECT_EQ(g_exitRuns, 1) << "the exit routine runs once";
    ASSERT_TRUE(forms::InitFormRuntime());
}

}  // namespace
}  // namespace forms_test
