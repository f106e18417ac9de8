#include "runtime/forms/platform_actions.h"

#include <commdlg.h>
#include <shellapi.h>

#include <mutex>
#include <vector>

#include "runtime/datetime.h"

namespace forms {
namespace {

int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned style)
{
    return MessageBoxA(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), style);
}

// "desc|*.a|desc2|*.b" becomes the double-NUL list the dialog wants; a bare pattern is its own
// description.
std::string DialogFilter(const std::string& filter)
{
    std::string list;
    if (filter.empty())
        return list;
    if (filter.find('|') == std::string::npos) {
        list = filter + '\0' + filter + '\0';
    } else {
        list = filter;
        for (char& c : list)
            if (c == '|')
                c = '\0';
        list += '\0';
    }
    list += '\0';
    return list;
}

bool SystemAskSavePath(HWND owner, const SaveDialogRequest& request, std::string& path)
{
    // Room for the longest path the platform takes, so a deep folder never overruns the buffer.
    std::vector<char> file(32768, '\0');
    request.fileName.copy(file.data(), file.size() - 1);
    const std::string filter = DialogFilter(request.filter);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&ofn))
        return false;
    path = file.data();
    return true;
}

bool SystemOpenUrl(const std::string& address)
{
    if (address.empty())
        return false;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool EnablePrivilege(const char* name)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool found = LookupPrivilegeValueA(nullptr, name, &privileges.Privileges[0].Luid);
    const bool adjusted = found && AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                          GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return adjusted;
}

bool SystemSetTime(double localDateTime)
{
    if (localDateTime < -657434.0 || localDateTime > 2958465.99999)
        return false;
    const DateTimeParts parts = SplitDateTime(localDateTime);
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(parts.year);
    time.wMonth = static_cast<WORD>(parts.month);
    time.wDay = static_cast<WORD>(parts.day);
    time.wHour = static_cast<WORD>(parts.hour);
    time.wMinute = static_cast<WORD>(parts.minute);
    time.wSecond = static_cast<WORD>(parts.second);
    EnablePrivilege(SE_SYSTEMTIME_NAME);
    return SetLocalTime(&time) != FALSE;
}

bool SystemShutDown()
{
    EnablePrivilege(SE_SHUTDOWN_NAME);
    return ExitWindowsEx(EWX_POWEROFF | EWX_FORCE, SHTDN_REASON_MAJOR_OTHER) != FALSE;
}

std::mutex g_actionsLock;
PlatformActions g_actions = SystemActions();

}  // namespace

PlatformActions SystemActions()
{
    PlatformActions actions;
    actions.messageBox = SystemMessageBox;
    actions.askSavePath = SystemAskSavePath;
    actions.openUrl = SystemOpenUrl;
    actions.setSystemTime = SystemSetTime;
    actions.shutDown = SystemShutDown;
    return actions;
}

const PlatformActions& Actions()
{
    return g_actions;
}

PlatformActions ReplaceActions(const PlatformActions& actions)
{
    std::lock_guard<std::mutex> hold(g_actionsLock);
    const PlatformActions previous = g_actions;
    const PlatformActions system = SystemActions();
    g_actions.messageBox = actions.messageBox ? actions.messageBox : system.messageBox;
    g_actions.askSavePath = actions.askSavePath ? actions.askSavePath : system.askSavePath;
    g_actions.openUrl = actions.openUrl ? actions.openUrl : system.openUrl;
    g_actions.setSystemTime = actions.setSystemTime ? actions.setSystemTime : system.setSystemTime;
    g_actions.shutDown = actions.shutDown ? actions.shutDown : system.shutDown;
    return previous;
}

}  // namespace forms
