// Companion scroll bars: painted windows laid over the real scroll bars of edit boxes and list controls. A
// companion is a disabled "Static" child of the control's parent, so mouse input falls through to the real scroll
// bar underneath, which keeps doing the scrolling; the owning control's procedure repaints and places it.
#pragma once

#include <windows.h>

// Part codes of a companion bar.
enum ScrollPart : int { kScrollNone = 0, kScrollThumb = 1, kScrollStartArrow = 3, kScrollEndArrow = 4 };

// Creates the companion of control for direction (SB_VERT or SB_HORZ); shown when visible. The companion carries
// the owning control in Mngd_zct and its record's position in Hw_FuID. Null when the control has no parent or the
// window cannot be made.
HWND Scroll_CreateBar(HWND control, int direction, bool visible);
// The companion's window procedure: paints on WM_PAINT, passes everything else on.
LRESULT CALLBACK Scroll_BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Repaints control's companion in direction with hoverPart highlighted, and records the bar's part rectangles in
// the control's entry. Nothing happens when the control has no companion in that direction.
void Scroll_PaintBar(HWND control, int direction, int hoverPart);
// Shows, hides and places both companions of control.
void Scroll_SyncBars(HWND control);
// The part of control's real scroll bar in direction under the screen point packed in lParam (two signed 16-bit
// halves, x low), judged by the rectangles of the companion's last paint.
int Scroll_HitTest(HWND control, int direction, LPARAM lParam);
