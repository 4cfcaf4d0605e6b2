// The program's spine: start-up, the main window's events and the exit clean-up.
#pragma once

int App_Start();
void App_ReleaseGlobals();

// The main window's "created" event: dresses it through the skin engine.
void App_OnMainWindowCreated();
// The click on 按钮1: starts one more extraction job on a new thread and returns at once.
void App_OnExtractClicked();

// The routine a click starts; ExtractionJob unless a test puts a probe in its place.
void App_SetJobRoutine(void (*routine)());
