// The tooltip that names a dressed window's caption buttons: one "ToolTips_class32" window per dressed window,
// owned by its record. Requests on a null tooltip go nowhere.
#pragma once

#include <windows.h>

#include "toolkit/text.h"

// A new always-tip tooltip window for owner (600 pixels wide at most); null when it cannot be created.
HWND Tooltip_Create(HWND owner);
// Adds tool id over rect (owner's client coordinates) with text, the tooltip watching the owner's mouse messages.
void Tooltip_AddTool(HWND tooltip, HWND owner, UINT id, const RECT& rect, const Text& text);
void Tooltip_SetToolRect(HWND tooltip, HWND owner, UINT id, const RECT& rect);
void Tooltip_SetToolText(HWND tooltip, HWND owner, UINT id, const Text& text);
