#include "skin/core/dialog_test_support.h"

#include <map>

#include "skin/core/screenshot.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skinned_dialog.h"
#include "skin/core/window_props.h"

namespace {

std::map<UINT_PTR, TimerScript*>& Scripts()
{
    static std::map<UINT_PTR, TimerScript*> scripts;
    return scripts;
}

void AppendWords(std::vector<WORD>& out, const std::wstring& text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

std::wstring Wide(const std::string& gbk)
{
    if (gbk.empty())
        return {};
    const int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), n);
    return wide;
}

void AlignToDword(std::vector<WORD>& out)
{
    if (out.size() % 2)
        out.push_back(0);
}

INT_PTR CALLBACK TestDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    DialogMessages().push_back(message);
    // No default focus at WM_INITDIALOG: that would activate the dialog while it is being made.
    return message == WM_CLOSE;
}

BOOL CALLBACK CollectDialogs(HWND window, LPARAM list)
{
    if (IsWindowVisible(window) && GetWindowClassName(window) == "#32770" && GetPropA(window, kPropHwProc))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found)
{
    if (IsWindowVisible(window) && GetWindowClassName(window) == "#32768") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::vector<UINT>& DialogMessages()
{
    static std::vector<UINT> messages;
    return messages;
}

int CountDialogMessages(UINT message)
{
    int count = 0;
    for (UINT m : DialogMessages())
        count += m == message;
    return count;
}

HWND CreateTestDialog(HWND owner, const std::string& title, int width, int height,
                      const std::vector<TestDialogItem>& items)
{
    std::vector<WORD> words;
    DLGTEMPLATE header = {};
    header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    header.cdit = static_cast<WORD>(items.size());
    header.cx = 200;
    header.cy = 80;
    words.resize(sizeof(header) / sizeof(WORD));
    memcpy(words.data(), &header, sizeof(header));
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    AppendWords(words, Wide(title));
    for (const TestDialogItem& item : items) {
        AlignToDword(words);
        DLGITEMTEMPLATE entry = {};
        entry.style = WS_CHILD | WS_VISIBLE | item.style;
        entry.x = item.x;
        entry.y = item.y;
        entry.cx = item.cx;
        entry.cy = item.cy;
        entry.id = item.id;
        const size_t at = words.size();
        words.resize(at + sizeof(entry) / sizeof(WORD));
        memcpy(words.data() + at, &entry, sizeof(entry));
        words.push_back(0xFFFF);
        words.push_back(item.classAtom);
        AppendWords(words, Wide(item.text));
        words.push_back(0);  // no creation data
    }
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(words.data()),
                                             owner, TestDialogProc, 0);
    if (dialog)
        SetWindowPos(dialog, nullptr, 120, 120, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return dialog;
}

HWND CreateSimpleTestDialog(int width, int height)
{
    return CreateTestDialog(nullptr, "测试对话框", width, height,
                            {{0x0082, "增加成功", SS_LEFT, 10, 10, 120, 10, 100},
                             {0x0080, "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 70, 40, 50, 14, IDOK}});
}

HWND ShowSkinnedTestDialog(int width, int height)
{
    HWND dialog = CreateSimpleTestDialog(width, height);
    SkinDialogWindow(dialog);
    ShowWindow(dialog, SW_SHOWNA);
    UpdateWindow(dialog);
    return dialog;
}

RECT WindowRectOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

std::vector<HWND> SkinnedDialogsOfThread()
{
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialogs, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

HWND OpenPopupMenuWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

TimerScript::TimerScript(UINT intervalMs, std::function<bool()> step) : step_(std::move(step))
{
    id_ = SetTimer(nullptr, 0, intervalMs, Tick);
    Scripts()[id_] = this;
}

TimerScript::~TimerScript()
{
    if (id_)
        KillTimer(nullptr, id_);
    Scripts().erase(id_);
}

void CALLBACK TimerScript::Tick(HWND, UINT, UINT_PTR id, DWORD)
{
    auto found = Scripts().find(id);
    if (found == Scripts().end())
        return;
    TimerScript* script = found->second;
    // A step may open a modal loop of its own, in which this timer keeps firing.
    if (script->finished_ || script->running_)
        return;
    script->running_ = true;
    const bool done = script->step_();
    script->running_ = false;
    if (done) {
        script->finished_ = true;
        KillTimer(nullptr, id);
    }
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

int LayeredAlpha(HWND window)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
        return -1;
    return alpha;
}

bool HasRoundRegion(HWND window, int corner)
{
    RECT r = {};
    GetWindowRect(window, &r);
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    HRGN wanted = CreateRoundRectRgn(0, 0, r.right - r.left + 1, r.bottom - r.top + 1, corner, corner);
    // The system may store the region in other bands than it was made with: compare the areas.
    const bool same = GetWindowRgn(window, current) != ERROR &&
                      CombineRgn(current, current, wanted, RGN_XOR) == NULLREGION;
    DeleteObject(current);
    DeleteObject(wanted);
    return same;
}

std::string SaveWholeWindowScreenshot(HWND window, const std::string& name)
{
    RECT r = {};
    GetWindowRect(window, &r);
    HDC dc = GetWindowDC(window);
    std::string path = SaveDcScreenshot(dc, r.right - r.left, r.bottom - r.top, name);
    ReleaseDC(window, dc);
    return path;
}
