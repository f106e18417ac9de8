#pragma once
// The registry of skinned forms. A form's number is its 1-based position; the form window carries it
// in Hw_lbID and every control registered in the form's lists in Hw_FuID (Kj_FuID for the Kj list).
// Releasing a form moves the later ones up and rewrites those properties (form_release.h), so read a
// number from its property at the moment of use and look the record up through SkinFormAt.
//
// Threads: the UI thread appends, releases and renumbers; the drawing board's animation threads only
// read (ExcludeChildrenFromClip). Every change of the registry, of a form's containers list or of
// g_skinCanvases is made under a SkinRegistryWriteGuard; a reader on another thread holds a
// SkinRegistryReadGuard for as long as it uses any record. The UI thread reads without a guard.
#include <windows.h>

#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>

#include "skin/core/skin_form_record.h"

std::shared_mutex& SkinRegistryMutex();

class SkinRegistryReadGuard {
public:
    SkinRegistryReadGuard() : lock_(SkinRegistryMutex()) {}

private:
    std::shared_lock<std::shared_mutex> lock_;
};

class SkinRegistryWriteGuard {
public:
    SkinRegistryWriteGuard() : lock_(SkinRegistryMutex()) {}

private:
    std::unique_lock<std::shared_mutex> lock_;
};

int SkinFormCount();
// Record of form n, or nullptr when n is outside 1..count.
SkinFormRecord* SkinFormAt(int n);
// Appends a finished record (its window must not be registered yet) and returns its number.
int AppendSkinForm(std::unique_ptr<SkinFormRecord> record);
// Takes record n out of the registry (later forms move up) and hands it to the caller; nullptr when n
// is out of range. Only the form release uses it: it renumbers afterwards.
std::unique_ptr<SkinFormRecord> RemoveSkinForm(int n);

// Number of the form whose window is the handle; 0 for none and for handle 0.
int FindSkinnedWindow(HWND window);
// The record of the skinned form or dialog the window is, found through its Hw_lbID number (remembered
// per window: a procedure looks it up for every message); nullptr when the number names no form or
// another window's (a window destroyed since included). Its number goes to *formNumber when given.
SkinFormRecord* SkinFormOfWindow(HWND window, int* formNumber = nullptr);
// Number of the form the window belongs to: its own record, else that of the nearest window above it
// (parents, and the owner of a popup); 0 when none is skinned.
int FindOwningSkinnedWindow(HWND window);
// Index of the window in form n's containers list; 0 when absent or when n names no form.
int FindContainerIndex(int formNumber, HWND window);
// The window's class name (at most 254 characters); empty for an invalid window.
std::string GetWindowClassName(HWND window);
