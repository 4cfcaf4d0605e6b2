// The toolbar's replacement procedure: what marks a toolbar for a full redraw, and painting it either afresh or
// from the frame copy.
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/backdrop.h"
#include "skin/draw/geometry.h"
#include "skin/painters/lists/toolbar_painter.h"
#include "toolkit/dispatch.h"

namespace {

ToolbarEntry* Entry(HWND window) {
    return Skin_ControlEntry(window, &WindowSkinRecord::toolbars);
}

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Skin_PassOnToolbar(window, message, wParam, lParam);
}

void MarkDirty(HWND window) {
    if (ToolbarEntry* entry = Entry(window)) entry->dirty = 1;
}

LRESULT OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ToolbarEntry* entry = Entry(window)) {
        entry->dirty = 1;
        if (!entry->mouseTracked) {
            entry->mouseTracked = 1;
            Window_TrackMouse(window);
        }
    }
    return PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    MarkDirty(window);
    return PassOn(window, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ToolbarEntry* entry = Entry(window)) {
        entry->mouseTracked = 0;
        entry->dirty = 1;
    }
    return PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnSize(HWND window, WPARAM wParam, LPARAM lParam) {
    MarkDirty(window);
    return PassOn(window, WM_SIZE, wParam, lParam);
}

LRESULT OnWindowPosChanging(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(window);
    return PassOn(window, WM_WINDOWPOSCHANGING, wParam, lParam);
}

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (Skin_State().translucentControls) InvalidateRect(window, nullptr, FALSE);
    return PassOn(window, WM_MOVE, wParam, lParam);
}

// With translucent controls the toolbar erases nothing: its picture covers the whole client area. A toolbar whose
// picture is current decides here whether it must draw afresh (an active window) or may be copied.
LRESULT OnEraseBackground(HWND window, WPARAM wParam, LPARAM lParam) {
    const SkinState& state = Skin_State();
    // With the skin off the system erases and draws the toolbar as usual.
    if (!state.translucentControls || !state.skinControls) return PassOn(window, WM_ERASEBKGND, wParam, lParam);
    if (ToolbarEntry* entry = Entry(window); entry && entry->dirty == 0) entry->dirty = Skin_NeedsRedraw(window, true);
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}

LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    ToolbarEntry* entry = Entry(window);
    if (!Skin_State().skinControls || !entry) return PassOn(window, WM_PAINT, wParam, lParam);
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    if (entry->dirty == 1) {
        Toolbar_Draw(window);
    } else {
        // The copy takes a DC of its own with the unpainted children clipped out.
        Skin_BlitBackdrop(window, true, true);
    }
    EndPaint(window, &paint);
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_LBUTTONDOWN, OnLButtonDown},
    {WM_MOUSELEAVE, OnMouseLeave},
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
    {WM_MOVE, OnMove},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_SIZE, OnSize},
    {WM_PAINT, OnPaint},
};

} // namespace

LRESULT CALLBACK Toolbar_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(kRoutes, window, message, wParam, lParam, PassOn);
}
