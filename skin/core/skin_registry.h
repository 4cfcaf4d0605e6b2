// The process-wide list of dressed windows' records, and how windows and controls find theirs.
// Positions are 1-based and are a record's identity; the registry is used on the user-interface thread only.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/core/window_skin_record.h"

using SkinRegistry = std::vector<std::unique_ptr<WindowSkinRecord>>;

SkinRegistry& Skin_Registry();

// Appends a record and gives its position (the caller sets Hw_lbID when it subclasses the window).
int Skin_AppendRecord(std::unique_ptr<WindowSkinRecord> record);
// The record at a position; null outside the registry.
WindowSkinRecord* Skin_RecordAt(int position);
// Frees every record and everything it owns (program exit).
void Skin_ClearRegistry();

// Position of the record whose window is window, scanning from 1; 0 when there is none.
int Skin_FindWindowRecord(HWND window);
// The record of window itself, else of the nearest window up its parent and owner chain; 0 when none has one.
// A chain that comes back on itself ends the search.
int Skin_FindOwnerRecord(HWND window);

// Tears down the record of window (on its WM_NCDESTROY): frees the edit boxes' colour brushes and bitmaps and the
// record's surfaces, gives the window its replaced procedure back, removes the record and renumbers the records
// after it. Nothing happens for a window without a record.
void Skin_ReleaseWindow(HWND window);
// Writes every record's position again on its window, its controls and their scroll bar companions.
void Skin_RenumberRecords();

// Integer window properties.
void Prop_SetInt(HWND window, const wchar_t* name, LONG_PTR value);
LONG_PTR Prop_GetInt(HWND window, const wchar_t* name);
// Deletes the GDI object kept in the property name and clears the property, so nothing deletes it twice.
void Prop_DeleteObject(HWND window, const wchar_t* name);

// The record of a dressed top-level window (through Hw_lbID) and of a registered control (through Hw_FuID, or
// Kj_FuID for a toolbar); null when the stored position lies outside the registry.
WindowSkinRecord* Skin_WindowRecord(HWND window);
WindowSkinRecord* Skin_ControlRecord(HWND control, bool toolbar = false);
