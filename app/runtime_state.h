// The run time's own state, shared by its files; nothing outside app/runtime*.cpp includes this.
#pragma once

#include "app/runtime_form.h"
#include "toolkit/gdi_handle.h"

#include <map>
#include <string>

struct RuntimeState {
    DWORD uiThread = 0;
    HWND invokeWindow = nullptr; // message-only window that carries work to the UI thread
    HWND mainWindow = nullptr;
    std::map<std::string, HWND> handles;          // form name -> window
    std::map<UINT, void (*)()> clickHandlers;     // control id -> "clicked" event
    std::map<HWND, FontHandle> ownedFonts;        // fonts the run time created, by the control using them
    FontHandle defaultFont;                       // shared by controls without a form font
    void (*exitRoutine)() = nullptr;
    bool exitDone = false;
};

RuntimeState& Runtime_State();

// Puts font on control and takes ownership of it; the control's previous run-time font is deleted
// only after the control has switched.
void Runtime_AdoptFont(HWND control, FontHandle font);
void Runtime_ReleaseFonts();
// The character height of a font of the given point size on this screen.
int Runtime_PointsToHeight(int points);
