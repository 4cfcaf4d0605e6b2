// Companion scroll bars: painted windows laid over the real scroll bars of edit boxes and list controls.
#pragma once

#include <windows.h>

// Part codes of a companion bar.
enum ScrollPart : int { kScrollNone = 0, kScrollThumb = 1, kScrollStartArrow = 3, kScrollEndArrow = 4 };

// Repaints control's companion in direction (SB_VERT or SB_HORZ) with hoverPart highlighted.
void Scroll_PaintBar(HWND control, int direction, int hoverPart);
