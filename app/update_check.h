#pragma once
// The update check: asks the remote service for the newest release's version tag and compares it
// with the end of the program file's own FileVersion.
#include <windows.h>

#include <string>

// The page offered for downloading a newer release.
extern const char kDownloadPageUrl[];
extern const char kUpToDateText[];
extern const char kUpdatePromptText[];
extern const char kUpdatePromptCaption[];

// Part of the FileVersion string of the program file's version resource: 0 its first three bytes,
// 1 its last three bytes (the version tag), 2 the whole string; empty for any other part or when the
// file has no FileVersion.
std::string GetExeVersionPart(int part);

// The plain check: tells the user when the program is up to date, shows nothing otherwise.
void OnMenuSoftwareUpgrade(HWND owner);
// The prompting check: when the versions differ, asks whether to update; on Yes opens the download
// page and ends the process at once (windows are not closed first).
void CheckForUpdateWithPrompt(HWND owner);

// How the prompting check ends the process; replaceable so tests can stand in. A null action puts the
// system's ExitProcess back. Returns the previous action.
using ExitProcessAction = void (*)(UINT exitCode);
ExitProcessAction ReplaceExitProcessAction(ExitProcessAction action);
