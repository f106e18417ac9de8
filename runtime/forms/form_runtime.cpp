// Start-up, the registry of open windows, message loops, modal windows and calls from workers.
#include "runtime/forms/form_runtime.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include "runtime/forms/own_controls.h"
#include "runtime/forms/runtime_internal.h"

namespace forms {
namespace {

constexpr char kCallClass[] = "BnFormsCall";
constexpr UINT kRunActionMessage = WM_APP + 1;

struct RuntimeState {
    bool initialised = false;
    bool oleStarted = false;
    DWORD uiThread = 0;
    HINSTANCE instance = nullptr;
    HWND callWindow = nullptr;
    std::vector<std::shared_ptr<Form>> forms;
    std::map<std::tuple<std::string, int, bool>, HFONT> fonts;
    void (*exitRoutine)() = nullptr;
    bool exitRoutineRan = false;
    UINT rowCountMessage = 0;
    std::unordered_map<HWND, Unit*> unitWindows;
};

RuntimeState& State()
{
    static RuntimeState state;
    return state;
}

void RunExitRoutineOnce()
{
    RuntimeState& state = State();
    if (state.exitRoutine && !state.exitRoutineRan) {
        state.exitRoutineRan = true;
        state.exitRoutine();
    }
}

LRESULT CALLBACK CallWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRunActionMessage) {
        const auto* action = reinterpret_cast<const std::function<void()>*>(lParam);
        (*action)();
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The first icon group's name, a number or a text (the resource compiler keeps an undefined symbol as
// a text name).
struct IconName {
    bool found = false;
    WORD number = 0;
    std::string text;
};

BOOL CALLBACK KeepFirstIconName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found)
{
    IconName& first = *reinterpret_cast<IconName*>(found);
    first.found = true;
    if (IS_INTRESOURCE(name))
        first.number = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    else
        first.text = name;
    return FALSE;
}

// The program file's first icon, as the shell shows the file; 0 when it has none.
HICON ProgramIcon(HINSTANCE instance, int size)
{
    IconName first;
    EnumResourceNamesA(instance, RT_GROUP_ICON, KeepFirstIconName, reinterpret_cast<LONG_PTR>(&first));
    if (!first.found)
        return nullptr;
    const LPCSTR name = first.text.empty() ? MAKEINTRESOURCEA(first.number) : first.text.c_str();
    return static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

bool RegisterRuntimeClasses(HINSTANCE instance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, kFormClass, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FormWindowProc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        // The task bar and Alt+Tab show the program's own icon.
        wc.hIcon = ProgramIcon(instance, GetSystemMetrics(SM_CXICON));
        wc.hIconSm = ProgramIcon(instance, GetSystemMetrics(SM_CXSMICON));
        wc.lpszClassName = kFormClass;
        if (!RegisterClassExA(&wc))
            return false;
    }
    wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, kCallClass, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = CallWindowProcedure;
        wc.hInstance = instance;
        wc.lpszClassName = kCallClass;
        if (!RegisterClassExA(&wc))
            return false;
    }
    return RegisterOwnControlClasses(instance);
}

// Disables every enabled window of the program except the new one; the list is what to enable again.
std::vector<std::weak_ptr<Form>> DisableOtherForms()
{
    std::vector<std::weak_ptr<Form>> disabled;
    for (const auto& form : State().forms) {
        if (form->IsAlive() && IsWindowEnabled(form->Window())) {
            EnableWindow(form->Window(), FALSE);
            disabled.push_back(form);
        }
    }
    return disabled;
}

void EnableForms(const std::vector<std::weak_ptr<Form>>& forms)
{
    for (const auto& weak : forms)
        if (auto form = weak.lock(); form && form->IsAlive())
            EnableWindow(form->Window(), TRUE);
}

std::function<void(Unit&)>& UnitWindowMadeHandler()
{
    static std::function<void(Unit&)> handler;
    return handler;
}

std::shared_ptr<Form> MakeForm(const FormDef& def, Form* owner, bool modal,
                               std::vector<std::weak_ptr<Form>> disabled = {})
{
    if (!InitFormRuntime())
        return nullptr;
    auto form = std::make_shared<Form>(def, modal);
    FormAccess::SetDisabledByModal(*form, std::move(disabled));
    HWND ownerWindow = owner && owner->IsAlive() ? owner->Window() : nullptr;
    if (!FormAccess::Create(*form, ownerWindow))
        return nullptr;
    return form;
}

}  // namespace

void SetUnitWindowMadeHandler(std::function<void(Unit&)> handler)
{
    UnitWindowMadeHandler() = std::move(handler);
}

void NotifyUnitWindowMade(Unit& unit)
{
    if (UnitWindowMadeHandler())
        UnitWindowMadeHandler()(unit);
}

HINSTANCE RuntimeInstance()
{
    return State().instance;
}

UINT RowCountMessage()
{
    return State().rowCountMessage;
}

bool InitFormRuntime()
{
    RuntimeState& state = State();
    if (state.initialised)
        return true;
    state.instance = GetModuleHandleA(nullptr);
    state.uiThread = GetCurrentThreadId();
    state.oleStarted = SUCCEEDED(OleInitialize(nullptr));
    SetCurrentDirectoryA(ProgramFolder().c_str());
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                     ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES;
    const bool commonControls = InitCommonControlsEx(&controls) != FALSE;
    const bool richEdit = LoadLibraryA("riched20.dll") != nullptr;
    if (!commonControls || !richEdit || !RegisterRuntimeClasses(state.instance))
        return false;
    state.rowCountMessage = RegisterWindowMessageA("BnForms.ListRowCount");
    state.callWindow = CreateWindowExA(0, kCallClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, state.instance,
                                       nullptr);
    if (!state.callWindow)
        return false;
    state.initialised = true;
    std::atexit(RunExitRoutineOnce);
    return true;
}

void ShutdownFormRuntime()
{
    RuntimeState& state = State();
    RunExitRoutineOnce();
    if (!state.initialised)
        return;
    for (auto& form : std::vector<std::shared_ptr<Form>>(state.forms))
        form->Destroy();
    state.forms.clear();
    if (state.callWindow)
        DestroyWindow(state.callWindow);
    state.callWindow = nullptr;
    for (auto& entry : state.fonts)
        DeleteObject(entry.second);
    state.fonts.clear();
    if (state.oleStarted)
        OleUninitialize();
    state.oleStarted = false;
    state.initialised = false;
}

void SetExitRoutine(void (*routine)())
{
    State().exitRoutine = routine;
    State().exitRoutineRan = false;
}

std::string ProgramFolder()
{
    char path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

void RememberUnitWindow(HWND window, Unit* unit)
{
    State().unitWindows[window] = unit;
}

void ForgetUnitWindow(HWND window)
{
    State().unitWindows.erase(window);
}

Unit* UnitOfWindow(HWND window)
{
    auto& windows = State().unitWindows;
    auto found = windows.find(window);
    return found == windows.end() ? nullptr : found->second;
}

void RegisterForm(const std::shared_ptr<Form>& form)
{
    State().forms.push_back(form);
}

void UnregisterForm(Form* form)
{
    auto& forms = State().forms;
    forms.erase(std::remove_if(forms.begin(), forms.end(), [&](const auto& f) { return f.get() == form; }),
                forms.end());
    // Wakes a loop that waits in GetMessage, so it sees that the last window is gone.
    if (forms.empty())
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

std::shared_ptr<Form> FormOfWindow(HWND window)
{
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, 0));
    return form ? form->weak_from_this().lock() : nullptr;
}

void RaiseModalForms()
{
    HWND innermost = nullptr;
    for (const auto& form : State().forms) {
        if (form->IsAlive() && form->IsModal() && IsWindowVisible(form->Window())) {
            SetWindowPos(form->Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            innermost = form->Window();
        }
    }
    if (innermost)
        SetActiveWindow(innermost);
}

HFONT SharedFont(const std::string& name, int points, bool bold)
{
    auto& fonts = State().fonts;
    const auto key = std::make_tuple(name, points, bold);
    if (auto found = fonts.find(key); found != fonts.end())
        return found->second;
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             name.c_str());
    if (font)
        fonts[key] = font;
    return font;
}

Form* OpenModeless(const FormDef& def, Form* owner)
{
    std::shared_ptr<Form> form = MakeForm(def, owner, false);
    // A created handler may have closed the window already.
    return form && form->IsAlive() ? form.get() : nullptr;
}

bool OpenModal(const FormDef& def, Form* owner)
{
    if (!InitFormRuntime())
        return false;
    std::vector<std::weak_ptr<Form>> disabled = DisableOtherForms();
    auto form = MakeForm(def, owner, true, disabled);
    if (!form) {
        EnableForms(disabled);
        return false;
    }
    MSG msg;
    while (form->Window()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0)
            break;
        if (HandleDialogKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The window enables the others as it goes; this covers a loop left through WM_QUIT.
    EnableForms(disabled);
    if (owner && owner->IsAlive())
        SetActiveWindow(owner->Window());
    return true;
}

int RunMessageLoop()
{
    MSG msg;
    while (OpenFormCount() > 0) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got < 0)
            break;
        if (HandleDialogKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

void ProcessPendingMessages()
{
    // A timer whose handler (with the paint it causes) takes longer than its period is due again
    // whenever the queue runs empty, so the queue never does: the time spent here is bounded, and
    // callers that wait for something call again.
    constexpr DWORD kLongestTurnMs = 100;
    const DWORD started = GetTickCount();
    MSG msg;
    while (GetTickCount() - started < kLongestTurnMs && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (HandleDialogKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

Form* FindForm(const std::string& name)
{
    for (const auto& form : State().forms)
        if (form->IsAlive() && form->Name() == name)
            return form.get();
    return nullptr;
}

Form* FindForm(int id)
{
    for (const auto& form : State().forms)
        if (form->IsAlive() && form->Id() == id)
            return form.get();
    return nullptr;
}

std::vector<Form*> OpenForms()
{
    std::vector<Form*> open;
    for (const auto& form : State().forms)
        if (form->IsAlive())
            open.push_back(form.get());
    return open;
}

int OpenFormCount()
{
    return static_cast<int>(State().forms.size());
}

bool IsUiThread()
{
    return State().initialised && GetCurrentThreadId() == State().uiThread;
}

bool RunOnUiThread(const std::function<void()>& action)
{
    RuntimeState& state = State();
    if (!state.initialised || !action)
        return false;
    if (GetCurrentThreadId() == state.uiThread) {
        action();
        return true;
    }
    // SendMessage waits until the user-interface thread has run the action; it fails at once when the
    // call window (and so the runtime) is gone.
    return SendMessageA(state.callWindow, kRunActionMessage, 0, reinterpret_cast<LPARAM>(&action)) == 1;
}

FormRef::FormRef(Form& form) : form_(form.weak_from_this()) {}

bool FormRef::Call(const std::function<void(Form&)>& action) const
{
    bool ran = false;
    const bool reached = RunOnUiThread([&] {
        auto form = form_.lock();
        if (!form || !form->IsAlive())
            return;
        FormAccess::BeginDispatch(*form);
        action(*form);
        FormAccess::EndDispatch(*form);
        ran = true;
    });
    return reached && ran;
}

bool FormRef::SetUnitText(const std::string& unitName, const std::string& text) const
{
    bool done = false;
    const bool ran = Call([&](Form& form) { done = form.Get(unitName).SetText(text); });
    return ran && done;
}

}  // namespace forms
