#include "skin/painters/basic/scroll_bar_owner.h"

#include "skin/core/control_registration.h"
#include "skin/draw/geometry.h"

namespace {

template <typename Entry>
ScrollBarSlot SlotOf(Entry* entry, int direction) {
    if (!entry) return {};
    if (direction == SB_VERT) return {entry->verticalBar, &entry->verticalBarGeometry};
    if (direction == SB_HORZ) return {entry->horizontalBar, &entry->horizontalBarGeometry};
    return {};
}

}  // namespace

bool Scroll_IsEditControl(HWND control) { return lstrcmpiA(Window_GetClassName(control).c_str(), "Edit") == 0; }

ScrollBarSlot Scroll_FindSlot(HWND control, int direction) {
    if (!control) return {};
    if (Scroll_IsEditControl(control)) return SlotOf(Skin_ControlEntry(control, &WindowSkinRecord::editBoxes), direction);
    return SlotOf(Skin_ControlEntry(control, &WindowSkinRecord::listControls), direction);
}

int Scroll_DirectionOf(HWND control, HWND companion) {
    if (!companion) return -1;
    if (Scroll_FindSlot(control, SB_VERT).bar == companion) return SB_VERT;
    if (Scroll_FindSlot(control, SB_HORZ).bar == companion) return SB_HORZ;
    return -1;
}

bool Scroll_BarInfo(HWND control, int direction, SCROLLBARINFO& info) {
    info = {};
    info.cbSize = sizeof info;
    const LONG object = direction == SB_HORZ ? OBJID_HSCROLL : OBJID_VSCROLL;
    return GetScrollBarInfo(control, object, &info) != FALSE;
}

bool Scroll_BarDisabled(const SCROLLBARINFO& info) {
    constexpr DWORD kUnavailable = STATE_SYSTEM_UNAVAILABLE;
    if (info.rgstate[0] & kUnavailable) return true;
    return (info.rgstate[1] & kUnavailable) && (info.rgstate[5] & kUnavailable);
}
