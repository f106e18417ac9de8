#include "app/main_window_remote.h"

#include "app/remote_client.h"
#include "app/remote_request_text.h"
#include "app/update_check.h"
#include "runtime/forms/form.h"

std::string g_startupServiceBaseUrl = kRemoteServiceBaseUrl;

bool ConnectMainWindowToServer(HWND mainWindow)
{
    SetScrambleKey(kStartupScrambleKey);
    return ConnectServer(g_startupServiceBaseUrl, kRemoteServicePage, mainWindow);
}

void OnSoftwareUpgradeMenuItem(forms::Event& event)
{
    OnMenuSoftwareUpgrade(event.form.Window());
}

void OnSoftwareUpdateMenuItem(forms::Event& event)
{
    CheckForUpdateWithPrompt(event.form.Window());
}
