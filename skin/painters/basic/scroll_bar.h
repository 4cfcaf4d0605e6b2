// Companion scroll bars: painted windows laid over the real scroll bars of edit boxes and list controls.
#pragma once

#include <windows.h>

// Part codes of a companion bar.
enum ScrollPart : int { kScrollNone = 0, kScrollThumb = 1, kScrollStartArrow = 3, kScrollEndArrow = 4 };

// Creates the companion of control for direction (SB_VERT or SB_HORZ); shown when visible.
HWND Scroll_CreateBar(HWND control, int direction, bool visible);
// Repaints control's companion in direction with hoverPart highlighted.
void Scroll_PaintBar(HWND control, int direction, int hoverPart);
// Shows, hides and places both companions of control.
void Scroll_SyncBars(HWND control);
// The part of control's real scroll bar in direction under the screen point packed in lParam.
int Scroll_HitTest(HWND control, int direction, LPARAM lParam);
