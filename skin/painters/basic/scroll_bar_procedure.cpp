// The companion's window procedure: it only paints.
#include "skin/core/control_registration.h"
#include "skin/painters/basic/scroll_bar.h"
#include "skin/painters/basic/scroll_bar_owner.h"
#include "toolkit/dispatch.h"

namespace {

LRESULT OnPaint(HWND companion, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT paint;
    BeginPaint(companion, &paint);
    HWND control = static_cast<HWND>(GetPropW(companion, SkinProp::kScrollOwner));
    const int direction = Scroll_DirectionOf(control, companion);
    if (direction >= 0) Scroll_PaintBar(control, direction, kScrollNone);
    EndPaint(companion, &paint);
    return DefWindowProcW(companion, WM_PAINT, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_PAINT, OnPaint},
};

}  // namespace

LRESULT CALLBACK Scroll_BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}
