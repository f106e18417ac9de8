#pragma once
// Message boxes in the skin's look. ShowMessageBox shows the system's message box and a CBT hook of the
// calling thread hands the box to SkinDialogWindow at the moment it is activated; the skinned box
// removes the hook again once it is active. The caller sees an ordinary blocking call. UI thread only.
#include <windows.h>

#include <optional>
#include <string>

// The hook while it is installed; 0 otherwise.
inline HHOOK g_cbtHook = nullptr;

// The title of a box shown without a caption.
inline constexpr char kDefaultMessageBoxCaption[] = "提示";

// Shows the box and returns the identifier of the pressed button minus one (0 OK, 1 Cancel, 2 Abort,
// 3 Retry, 4 Ignore, 5 Yes, 6 No), or -1 when no box could be shown. Without a caption the box is
// titled kDefaultMessageBoxCaption. No hook remains installed when it returns.
int ShowMessageBox(HWND owner, const std::string& text, UINT style = MB_OK,
                   const std::optional<std::string>& caption = std::nullopt);

// Installs the hook for the calling thread (replacing one still installed); false when the system
// refused it, and the box is then shown unskinned.
bool InstallMessageBoxHook();
// Removes the hook when it is installed.
void RemoveMessageBoxHook();
// Makes a system message box's text static (and the box) large enough for its text as the skin draws
// it; nothing for a dialog without a message text.
void FitMessageTextToSkin(HWND box);
// Skins every "#32770" window of the thread that is about to be activated and is not skinned yet.
LRESULT CALLBACK MessageBoxHookProc(int code, WPARAM wParam, LPARAM lParam);
