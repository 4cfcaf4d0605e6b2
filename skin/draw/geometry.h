// Window geometry for the painters: where a window lies in its parent and in its dressed top-level window, where
// its client area lies inside it, and clipping its children out of a DC.
#pragma once

#include <windows.h>

#include "toolkit/text.h"

bool Window_IsTransparent(HWND window);  // WS_EX_TRANSPARENT
bool Window_HasScrollBars(HWND window);  // WS_VSCROLL or WS_HSCROLL
// 1 with WS_BORDER; else 2 with WS_EX_WINDOWEDGE, WS_EX_CLIENTEDGE or WS_EX_DLGMODALFRAME; else 0.
int Window_BorderKind(HWND window);
// The class name as a code page 936 text.
Text Window_GetClassName(HWND window);
// The window text as a code page 936 text; empty for none.
Text Window_GetText(HWND window);
// Asks for WM_MOUSELEAVE (and WM_MOUSEHOVER with TME_HOVER, after hoverTime ms; 0 is the system's default).
void Window_TrackMouse(HWND window, DWORD flags = TME_LEAVE, DWORD hoverTime = 0);

// The window rectangle in its parent's client coordinates; all zero for a dressed top-level window.
RECT Window_RectInParent(HWND window);
// The window rectangle relative to the window rectangle of the dressed window it belongs to (its top-level
// window when it belongs to none).
RECT Window_RectInTop(HWND window);
// The client area with its scroll bars, in the window's own coordinates, assuming equal opposite borders.
RECT Window_ClientInset(HWND window);
// The client area with its scroll bars, relative to the dressed window's rectangle.
RECT Window_ClientRectInTop(HWND window);
// The client area without scroll bars (taken as 17 pixels thick), in the window's own coordinates.
RECT Window_ClientRectInWindow(HWND window);

// Position of window in the containers of the record at position, 0 when it is not there.
int Skin_FindContainerEntry(int position, HWND window);
// On a control's WM_WINDOWPOSCHANGING: marks its parent's container entry dirty when the parent is a container.
void Skin_MarkParentDirty(HWND control);

// Clips every visible, non-transparent child of window out of dc (window's own DC from GetDC when dc is null,
// released by the caller) and returns the DC. Child rectangles are cut to the window's recorded extent: the
// composed size for a dressed window, the client extent for a container, nothing for other controls.
HDC Dc_ExcludeChildren(HWND window, HDC dc = nullptr);

// The first child of window, then the next, that is visible (WS_VISIBLE) and not transparent; null at the end.
HWND Window_NextPaintedChild(HWND window, HWND after);
