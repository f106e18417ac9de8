#pragma once
// Test and benchmark support: BabyName.exe started as a process of its own, as a person starts it, and
// its main window found and closed from outside.
#include <windows.h>

#include <string>

namespace app_test {

// The laid-out program (build/win64/program/BabyName.exe) as a Windows path.
std::string BuiltProgramPath();

class LaunchedProgram {
public:
    LaunchedProgram() = default;
    ~LaunchedProgram();
    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;

    // Starts the program with the given current directory (and arguments); false when it could not be
    // started.
    bool Start(const std::string& exePath, const std::string& currentDirectory, const std::string& arguments = "");
    // Waits until the process shows its main window and has handled every message waiting for it;
    // the window, or null when that did not happen in time.
    HWND WaitForMainWindow(int milliseconds);
    // Asks the main window to close (as its close button does) and waits for the process to end;
    // false when it did not end in time. exitCode() then holds its code.
    bool CloseAndWait(int milliseconds);
    // Waits, however long it takes, until the process ends by itself; false when it cannot be waited for.
    bool WaitUntilEnded();
    DWORD exitCode() const { return exitCode_; }
    HWND mainWindow() const { return mainWindow_; }
    HANDLE processHandle() const { return process_.hProcess; }

private:
    PROCESS_INFORMATION process_ = {};
    HWND mainWindow_ = nullptr;
    DWORD exitCode_ = STILL_ACTIVE;
};

// The first edit box of the main window's input group: 编辑框_姓1.
HWND FindSurnameEdit(HWND mainWindow);
// The text of a window of another process.
std::string WindowTextOf(HWND window);

}  // namespace app_test
