#include "app/program_launch_support.h"

#include <algorithm>
#include <vector>

namespace app_test {
namespace {

struct Search {
    DWORD processId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisibleMainWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && IsWindowVisible(window) && std::string(className) == "BnForm" &&
        WindowTextOf(window) == "宝宝取名") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> ChildrenOf(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

}  // namespace

std::string BuiltProgramPath()
{
    std::string path = "Z:" BN_PROGRAM_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

LaunchedProgram::~LaunchedProgram()
{
    if (!process_.hProcess)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool LaunchedProgram::Start(const std::string& exePath, const std::string& currentDirectory,
                            const std::string& arguments)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"" + (arguments.empty() ? "" : " " + arguments);
    return CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          currentDirectory.c_str(), &startup, &process_) != FALSE;
}

HWND LaunchedProgram::WaitForMainWindow(int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (static_cast<int>(end - GetTickCount()) > 0) {
        Search search;
        search.processId = process_.dwProcessId;
        EnumWindows(FindVisibleMainWindow, reinterpret_cast<LPARAM>(&search));
        DWORD_PTR ignored = 0;
        // Idle: the window's thread has handled every message sent before this one.
        if (search.found &&
            SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, static_cast<UINT>(milliseconds), &ignored)) {
            mainWindow_ = search.found;
            return mainWindow_;
        }
        if (WaitForSingleObject(process_.hProcess, 5) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

bool LaunchedProgram::CloseAndWait(int milliseconds)
{
    if (!mainWindow_ || !PostMessageA(mainWindow_, WM_CLOSE, 0, 0))
        return false;
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_.hProcess, &exitCode_) != FALSE;
}

bool LaunchedProgram::WaitUntilEnded()
{
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, INFINITE) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_.hProcess, &exitCode_) != FALSE;
}

HWND FindSurnameEdit(HWND mainWindow)
{
    for (HWND group : ChildrenOf(mainWindow)) {
        if (WindowTextOf(group) != "请设置宝宝相关信息：")
            continue;
        HWND first = nullptr;
        RECT firstRect = {};
        for (HWND child : ChildrenOf(group)) {
            RECT r = {};
            GetWindowRect(child, &r);
            if (ClassOf(child) == "Edit" && (!first || r.top < firstRect.top || (r.top == firstRect.top && r.left < firstRect.left))) {
                first = child;
                firstRect = r;
            }
        }
        return first;
    }
    return nullptr;
}

std::string WindowTextOf(HWND window)
{
    char text[256] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied))
        return {};
    return std::string(text, std::min<size_t>(copied, sizeof text - 1));
}

}  // namespace app_test
