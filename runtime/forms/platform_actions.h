#pragma once
// Actions that leave the program's own windows: the plain system message box, the save dialog,
// opening a web address, setting the system clock and shutting Windows down. They sit behind one
// replaceable table so tests can stand in for them.
#include <windows.h>

#include <string>

namespace forms {

struct SaveDialogRequest {
    std::string title;
    std::string filter;       // "description|*.ext|..." or a bare pattern such as "*.txt"
    std::string defaultExt;   // without the dot
    std::string fileName;     // proposed file name
};

struct PlatformActions {
    // Returns the button chosen (IDOK, IDYES, ...), 0 on failure.
    int (*messageBox)(HWND owner, const std::string& text, const std::string& caption, unsigned style) = nullptr;
    // True and the chosen path when the user confirmed.
    bool (*askSavePath)(HWND owner, const SaveDialogRequest& request, std::string& path) = nullptr;
    bool (*openUrl)(const std::string& address) = nullptr;
    // A local date-time of runtime/datetime.h.
    bool (*setSystemTime)(double localDateTime) = nullptr;
    // Powers Windows off, forcing programs to close.
    bool (*shutDown)() = nullptr;
};

// The table in force; entries never null.
const PlatformActions& Actions();
// Puts a table in force (null entries take the system's action) and returns the previous one.
PlatformActions ReplaceActions(const PlatformActions& actions);
// The system's own actions.
PlatformActions SystemActions();

// Short forms.
inline int ShowPlainMessageBox(HWND owner, const std::string& text, const std::string& caption = "",
                               unsigned style = MB_OK)
{
    return Actions().messageBox(owner, text, caption, style);
}
inline bool OpenUrl(const std::string& address) { return Actions().openUrl(address); }
inline bool SetSystemClock(double localDateTime) { return Actions().setSystemTime(localDateTime); }
inline bool ShutDownWindows() { return Actions().shutDown(); }

}  // namespace forms
