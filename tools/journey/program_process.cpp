#include "tools/journey/program_process.h"

#include <algorithm>

namespace journey {
namespace {

struct WindowSearch {
    DWORD processId = 0;
    bool visibleOnly = true;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (!search->visibleOnly || IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

ProgramProcess::~ProgramProcess()
{
    Kill();
    if (info_.hProcess) {
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

bool ProgramProcess::Start(const std::string& exePath, const std::string& folder)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    exitCode_ = STILL_ACTIVE;
    return CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &info_) != FALSE;
}

bool ProgramProcess::Running() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ProgramProcess::TopLevelWindows(bool visibleOnly) const
{
    WindowSearch search;
    search.processId = info_.dwProcessId;
    search.visibleOnly = visibleOnly;
    if (info_.hProcess)
        EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramProcess::FindWindowByCaption(const std::string& caption) const
{
    for (HWND window : TopLevelWindows(true))
        if (WindowText(window) == caption)
            return window;
    return nullptr;
}

bool ProgramProcess::WaitForExit(int milliseconds)
{
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(info_.hProcess, &exitCode_);
    return true;
}

void ProgramProcess::Kill()
{
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

std::string WindowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                             2000, &copied))
        return {};
    text.resize(std::min<size_t>(copied, length));
    return text;
}

std::string WindowClass(HWND window)
{
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool WaitUntilIdle(const ProgramProcess& program, int answerMilliseconds, std::string& reason)
{
    // Input reaches the program's queue asynchronously: let it arrive, then wait until the program
    // waits for more, then make every window answer.
    Sleep(60);
    if (!program.Running())
        return true;
    WaitForInputIdle(program.Handle(), static_cast<DWORD>(answerMilliseconds));
    for (HWND window : program.TopLevelWindows(false)) {
        DWORD_PTR ignored = 0;
        if (!IsWindow(window))
            continue;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                 static_cast<UINT>(answerMilliseconds), &ignored) &&
            IsWindow(window)) {
            reason = "window \"" + WindowText(window) + "\" (" + WindowClass(window) + ") did not answer within " +
                     std::to_string(answerMilliseconds) + " ms";
            return false;
        }
    }
    return true;
}

}  // namespace journey
