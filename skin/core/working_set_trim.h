#pragma once
// Emptying the process's working set whenever the application loses the activation: the skin carries a
// small utility program (working_set_utility.c, built for the same architecture), writes it as
// "empty.exe" into the Windows folder and runs it with the process id. The trim sits behind a
// replaceable action, because activation leaves the process whenever any other window of the desktop
// is activated, so tests count the calls instead of running the utility each time.
#include <windows.h>

#include <string>

// The longest a trim waits for the utility before ending it.
inline constexpr DWORD kTrimWaitMs = 2000;

// The utility's bytes as the program carries them.
std::string WorkingSetUtilityBytes();
// "%windir%\empty.exe"; empty when the variable is not set.
std::string WorkingSetUtilityPath();

struct TrimRun {
    bool written = false;   // the file was missing or held other bytes and was written afresh
    bool ours = false;      // the file holds exactly the given bytes (only then is it run)
    bool started = false;
    bool finished = false;  // it ended by itself within the wait
    DWORD exitCode = 0;     // of a finished run
};
// Makes sure `path` holds `bytes`, writing them under a temporary name and renaming that over the file
// when it is missing or different (processes sharing the folder never see half a file), then runs it,
// hidden, as "path" <this process's id> and waits at most waitMs; a run still going then is ended.
// Nothing is run when the file cannot be made to hold the bytes.
TrimRun RunWorkingSetUtility(const std::string& path, const std::string& bytes, DWORD waitMs = kTrimWaitMs);

// Runs the trim action in force; the system's action runs the carried utility from the Windows folder
// (nothing when "windir" is not set). Blocks the calling thread for at most kTrimWaitMs.
void TrimWorkingSet();
using TrimAction = void (*)();
// Puts an action in force (null: the system's) and returns the one in force before.
TrimAction ReplaceTrimAction(TrimAction action);
