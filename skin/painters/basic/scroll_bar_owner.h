// Where a control keeps its companions: an edit box in its edit entry, every other control in its list entry.
#pragma once

#include <windows.h>

#include "skin/core/window_skin_record.h"

struct ScrollBarSlot {
    HWND bar = nullptr;                     // the companion, null when there is none
    ScrollBarGeometry* geometry = nullptr;  // its part rectangles, in the companion's coordinates
};

// Whether control is an edit box (its companions live in the edit entries).
bool Scroll_IsEditControl(HWND control);
// The companion slot of control for direction (SB_VERT or SB_HORZ); empty when control has no entry.
ScrollBarSlot Scroll_FindSlot(HWND control, int direction);
// SB_VERT or SB_HORZ when companion is one of control's companions, else -1.
int Scroll_DirectionOf(HWND control, HWND companion);
// GetScrollBarInfo of control's scroll bar in direction; false when the system has none to give.
bool Scroll_BarInfo(HWND control, int direction, SCROLLBARINFO& info);
// Whether the whole bar is disabled: the bar's own state says so, or (as some systems report it) both of its
// arrow buttons do.
bool Scroll_BarDisabled(const SCROLLBARINFO& info);
