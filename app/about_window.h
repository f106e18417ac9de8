#pragma once
// The about window (联系我们): the credits line, where to find the program and a close button. It is
// opened modal; while it is open the main window is hidden, and however it closes the main window
// shows again.
#include "runtime/forms/form_definition.h"

// The addresses the window shows and opens.
extern const char kHomePageUrl[];
extern const char kDownloadUrl[];

const forms::FormDef& AboutWindowDef();

// Opens the window modal, without an owner; returns once it has closed. False when it could not be
// made.
bool OpenAboutWindow();

// Item 联系我们 of the main window's menu 使用帮助.
void OnMenuContactUs(forms::Event& event);

void OnAboutWindowCreated(forms::Event& event);
void OnAboutWindowDestroy(forms::Event& event);
// Click on the label beside the download link: opens the home page.
void OpenDownloadPage(forms::Event& event);
void CloseAboutWindow(forms::Event& event);
