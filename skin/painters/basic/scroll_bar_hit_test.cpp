// Which part of a real scroll bar the mouse is over, judged by the companion's last paint.
#include "skin/painters/basic/scroll_bar.h"
#include "skin/painters/basic/scroll_bar_owner.h"

namespace {

// Bounds are inclusive on every side.
bool Inside(const RECT& r, int x, int y) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; }

}  // namespace

int Scroll_HitTest(HWND control, int direction, LPARAM lParam) {
    const ScrollBarSlot slot = Scroll_FindSlot(control, direction);
    if (!slot.bar) return kScrollNone;
    RECT window{};
    GetWindowRect(slot.bar, &window);
    const int x = static_cast<short>(LOWORD(lParam)) - window.left;
    const int y = static_cast<short>(HIWORD(lParam)) - window.top;
    const ScrollBarGeometry& parts = *slot.geometry;
    if (Inside(parts[0], x, y)) return kScrollStartArrow;
    if (Inside(parts[1], x, y)) return kScrollEndArrow;
    if (Inside(parts[2], x, y)) return kScrollThumb;
    return kScrollNone;
}
