#pragma once
// What the main window does with the remote service: the creation steps that connect to it, and the
// handlers of the update items of the window definition's menus.
#include <windows.h>

#include <string>

#include "runtime/forms/form_definition.h"

// Creation steps 5 and 6 of the main window: installs the start-up key and connects to the service
// (the server clock then runs on a timer of the window). False when the service could not be reached;
// the window goes on without the server clock.
bool ConnectMainWindowToServer(HWND mainWindow);
// The service address that start-up connects to: the shipped one unless a test points it elsewhere.
extern std::string g_startupServiceBaseUrl;

// Click handlers of the menu items: "使用帮助" > "软件升级" runs the plain update check, "托盘菜单" >
// "软件更新" the prompting one, both for the window the menu belongs to.
void OnSoftwareUpgradeMenuItem(forms::Event& event);
void OnSoftwareUpdateMenuItem(forms::Event& event);
