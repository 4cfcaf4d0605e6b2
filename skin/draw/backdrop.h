// The cheap repaint of an unchanged control: while nothing has changed, a painter copies its control's area back
// out of the dressed window's whole-window copy (frameCopyDC) instead of drawing it again.
#pragma once

#include <windows.h>

// Whether control must really repaint: 0 when its record is unknown; while the window is being moved, only when it
// is also being sized; otherwise only while the window is active. toolbarOwner reads Kj_FuID instead of Hw_FuID.
int Skin_NeedsRedraw(HWND control, bool toolbarOwner = false);

// Copies the window's area of frameCopyDC to (0, 0) of dc (the window's own DC when dc is null) and releases the
// DC. With clipAllChildren a given DC is released and a fresh one from Skin_GetClippedDC is used; otherwise the DC
// has the window's painted children clipped out. A window without an owner property is taken as a dressed window.
void Skin_BlitBackdrop(HWND window, bool toolbarOwner, bool clipAllChildren, HDC dc = nullptr);

// window's DC (dc when given) with every visible child that the skin does not paint (no Hw_FuID) clipped out.
HDC Skin_GetClippedDC(HWND window, HDC dc = nullptr);
