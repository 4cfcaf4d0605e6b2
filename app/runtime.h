// The GUI run time: windows from forms, events, the message loop, threads, message boxes and control
// properties that any thread may read or write (the access runs on the user-interface thread).
#pragma once

#include "app/runtime_form.h"
#include "toolkit/text.h"

#include <functional>

// Start-up: must run on the thread that will own the windows, before anything else.
bool Runtime_Startup();
// The routine called once when the program ends (by Runtime_Exit), after the message loop.
void Runtime_RegisterExit(void (*routine)());
void Runtime_Exit();

// Creates the window and its controls, runs its "created" event, then shows it. Null on failure.
HWND Runtime_LoadWindow(const WindowForm& form);
// The handle of a window or control by form name (CP936); null when unknown.
HWND Runtime_Handle(const char* formName);
// Runs the message loop until the main window has closed.
int Runtime_MessageLoop();

// Runs work on the user-interface thread and returns when it is done. False if it could not be carried there.
bool Runtime_OnUiThread(const std::function<void()>& work);

Text Runtime_GetText(HWND control);
void Runtime_SetText(HWND control, std::string_view text);
void Runtime_SetCaption(HWND control, std::string_view text);
void Runtime_SetFontSize(HWND control, int points);
void Runtime_AppendText(HWND edit, std::string_view text);

// Task-modal, ownerless box with caption "信息：" and an OK button; returns when closed.
void Runtime_MessageBox(std::string_view text);
// Starts routine on a new thread with the default stack; the thread handle is closed at once.
bool Runtime_StartThread(void (*routine)());
