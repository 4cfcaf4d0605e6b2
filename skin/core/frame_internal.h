// Pieces the frame's files share: drawing into an open composition, and the frame procedure's handlers.
#pragma once

#include <windows.h>

#include "image/graphics_object.h"
#include "skin/core/control_registration.h"
#include "skin/core/frame.h"
#include "skin/core/window_skin_record.h"

// The record of a dressed window from its Hw_lbID, with its position; null for a window without one.
WindowSkinRecord* Frame_Record(HWND window, int* position = nullptr);

// Draws the title icon and text on graphics (which covers frameDC), kept inside the title band left of the buttons.
void Frame_PaintTitle(WindowSkinRecord& record, GraphicsObject& graphics, const Text& text, int clientWidth);
// Restores the button's area from the title strip copy and draws the button there in the given look; outside
// composing only within its box.
void Frame_PaintCaptionButton(WindowSkinRecord& record, GraphicsObject& graphics, int button, CaptionLook look,
                              int opacity, bool composing);
// The window's text as a code page 936 text.
Text Frame_WindowText(HWND window);
// Copies rect of frameDC onto the window, its children clipped out.
void Frame_ShowRect(const WindowSkinRecord& record, const RECT& rect);

// The work area a maximised window takes: from the taskbar's rectangle when there is a taskbar window, else from
// the system. forTracking applies the rule of WM_GETMINMAXINFO for a hidden vertical taskbar.
RECT Frame_WorkArea(bool forTracking);
// The size rule behind Frame_WorkArea for a taskbar rectangle on a screen of the given size.
SIZE Frame_WorkAreaFromTaskbar(const RECT& taskbar, bool taskbarVisible, int screenWidth, int screenHeight,
                               bool forTracking);

// Handlers of the frame procedure, one per message, by concern.
using FrameHandler = LRESULT (*)(HWND window, WPARAM wParam, LPARAM lParam);
// paint, show, size
LRESULT Frame_OnSize(HWND, WPARAM, LPARAM);
LRESULT Frame_OnPaint(HWND, WPARAM, LPARAM);
LRESULT Frame_OnEraseBackground(HWND, WPARAM, LPARAM);
LRESULT Frame_OnShowWindow(HWND, WPARAM, LPARAM);
LRESULT Frame_OnSetText(HWND, WPARAM, LPARAM);
LRESULT Frame_OnSizing(HWND, WPARAM, LPARAM);
LRESULT Frame_OnMoving(HWND, WPARAM, LPARAM);
LRESULT Frame_OnExitSizeMove(HWND, WPARAM, LPARAM);
// mouse
LRESULT Frame_OnMouseMove(HWND, WPARAM, LPARAM);
LRESULT Frame_OnMouseHover(HWND, WPARAM, LPARAM);
LRESULT Frame_OnMouseLeave(HWND, WPARAM, LPARAM);
LRESULT Frame_OnLButtonDown(HWND, WPARAM, LPARAM);
LRESULT Frame_OnLButtonUp(HWND, WPARAM, LPARAM);
LRESULT Frame_OnLButtonDoubleClick(HWND, WPARAM, LPARAM);
LRESULT Frame_OnTimer(HWND, WPARAM, LPARAM);
// window state
LRESULT Frame_OnActivate(HWND, WPARAM, LPARAM);
LRESULT Frame_OnActivateApp(HWND, WPARAM, LPARAM);
LRESULT Frame_OnQueryOpen(HWND, WPARAM, LPARAM);
LRESULT Frame_OnSysCommand(HWND, WPARAM, LPARAM);
LRESULT Frame_OnGetMinMaxInfo(HWND, WPARAM, LPARAM);
LRESULT Frame_OnWindowPosChanged(HWND, WPARAM, LPARAM);
// colour answers and relays
LRESULT Frame_OnCtlColorStatic(HWND, WPARAM, LPARAM);
LRESULT Frame_OnCtlColorEdit(HWND, WPARAM, LPARAM);
LRESULT Frame_OnCtlColorButton(HWND, WPARAM, LPARAM);
LRESULT Frame_OnCtlColorListBox(HWND, WPARAM, LPARAM);
LRESULT Frame_OnDrawItem(HWND, WPARAM, LPARAM);
LRESULT Frame_OnNotify(HWND, WPARAM, LPARAM);
LRESULT Frame_OnCommand(HWND, WPARAM, LPARAM);
// teardown
LRESULT Frame_OnDestroy(HWND, WPARAM, LPARAM);
LRESULT Frame_OnNcDestroy(HWND, WPARAM, LPARAM);
