// Push buttons, check boxes and radio buttons painted by the skin.
#pragma once

#include <windows.h>

// Registers the push buttons of parent with the record at position n.
void Button_Register(int n, HWND parent);
// Registers the check boxes and radio buttons of parent with the record at position n.
void Button_RegisterChecks(int n, HWND parent);
// Paints a registered push button on dc from an owner-draw request.
void Button_PaintPush(HWND button, HDC dc, UINT itemState, const RECT& rect);
// A dressed window's or container's WM_DRAWITEM: paints a registered push button, leaves every other item alone.
void Button_RelayDrawItem(const DRAWITEMSTRUCT* item);
