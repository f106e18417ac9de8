#pragma once
// The program as a process of its own: started in its folder, its top-level windows found from
// outside, its end awaited. Nothing here calls into the program.
#include <windows.h>

#include <string>
#include <vector>

namespace journey {

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Start(const std::string& exePath, const std::string& folder);
    bool Running() const;
    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }
    // Top-level windows of the process, visible ones only unless asked.
    std::vector<HWND> TopLevelWindows(bool visibleOnly = true) const;
    // The first visible top-level window with this caption (exact), or null.
    HWND FindWindowByCaption(const std::string& caption) const;
    // Waits for the process to end; false when it did not in time. The exit code is kept.
    bool WaitForExit(int milliseconds);
    DWORD ExitCode() const { return exitCode_; }
    // Ends a process that is still running (after a failed journey).
    void Kill();

private:
    PROCESS_INFORMATION info_ = {};
    DWORD exitCode_ = STILL_ACTIVE;
};

// Text and class of a window of any process (the text through a sent WM_GETTEXT, 2 s at most).
std::string WindowText(HWND window);
std::string WindowClass(HWND window);

// Waits until the process has handled the input given to it: it is idle, and each of its windows
// answers a sent WM_NULL. False when a window did not answer within the given time (a hang).
bool WaitUntilIdle(const ProgramProcess& program, int answerMilliseconds, std::string& reason);

}  // namespace journey
