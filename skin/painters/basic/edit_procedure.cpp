// The edit box's window procedure: frame and background painting, focus and hover looks, and keeping the
// companion scroll bars in step with the real ones.
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/geometry.h"
#include "skin/painters/basic/edit_combo.h"
#include "skin/painters/basic/scroll_bar.h"
#include "toolkit/dispatch.h"

namespace {

constexpr int kEditHoverKind = 1;

EditEntry* Entry(HWND edit) { return Skin_ControlEntry(edit, &WindowSkinRecord::editBoxes); }
LONG_PTR Style(HWND edit) { return GetWindowLongPtrW(edit, GWL_STYLE); }
bool Translucent() { return Skin_State().translucentControls == 1; }
bool HasScrollStyle(HWND edit) { return Window_HasScrollBars(edit); }
int EditHoverKey(HWND parent) { return static_cast<int>(HandleToLong(parent)); }

void RepaintBar(HWND edit, int direction, int part) {
    const EditEntry* entry = Entry(edit);
    if (!entry) return;
    HWND bar = direction == SB_VERT ? entry->verticalBar : entry->horizontalBar;
    const LONG_PTR style = direction == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    if (bar && (Style(edit) & style)) Scroll_PaintBar(edit, direction, part);
}

void RepaintBars(HWND edit) {
    RepaintBar(edit, SB_VERT, kScrollNone);
    RepaintBar(edit, SB_HORZ, kScrollNone);
}

LRESULT PassOn(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return Skin_PassOn(edit, message, wParam, lParam);
}

// The brush and bitmap of the colour answers go with the edit box.
LRESULT OnDestroy(HWND edit, WPARAM wParam, LPARAM lParam) {
    Control_DropBackdropBrush(edit);
    return PassOn(edit, WM_DESTROY, wParam, lParam);
}

LRESULT OnMove(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (Translucent()) InvalidateRect(edit, nullptr, TRUE);
    Scroll_SyncBars(edit);
    return PassOn(edit, WM_MOVE, wParam, lParam);
}

template <UINT Message>
LRESULT SyncThenPassOn(HWND edit, WPARAM wParam, LPARAM lParam) {
    Scroll_SyncBars(edit);
    return PassOn(edit, Message, wParam, lParam);
}

LRESULT OnSetFocus(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (EditEntry* entry = Entry(edit)) entry->focused = 1;
    return PassOn(edit, WM_SETFOCUS, wParam, lParam);
}

LRESULT OnKillFocus(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (EditEntry* entry = Entry(edit)) entry->focused = 0;
    if (lstrcmpiA(Window_GetClassName(GetParent(edit)).c_str(), "ComboBox") == 0) {
        Edit_PaintFrame(edit, {}, false);
    } else {
        InvalidateRect(edit, nullptr, TRUE);
    }
    return PassOn(edit, WM_KILLFOCUS, wParam, lParam);
}

LRESULT OnSetText(HWND edit, WPARAM wParam, LPARAM lParam) {
    RepaintBars(edit);
    return PassOn(edit, WM_SETTEXT, wParam, lParam);
}

// The frame is painted over the whole window, scroll bar area included, on the screen and in the whole-window
// copy: the companions go back on top of it.
LRESULT OnPaint(HWND edit, WPARAM wParam, LPARAM lParam) {
    Edit_PaintFrame(edit);
    if (HasScrollStyle(edit)) RepaintBars(edit);
    return PassOn(edit, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (!Translucent()) return PassOn(edit, WM_ERASEBKGND, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    Edit_PaintBackground(edit, dc, true);
    return 1;
}

// The system's own non-client drawing is kept off the ring: it gets a region that clips everything away.
LRESULT OnNcPaint(HWND edit, WPARAM, LPARAM lParam) {
    Edit_PaintFrame(edit);
    if (HasScrollStyle(edit)) RepaintBars(edit);
    return DefWindowProcW(edit, WM_NCPAINT, static_cast<WPARAM>(0xFFFFFFFFu), lParam);
}

LRESULT OnNcMouseMove(HWND edit, WPARAM wParam, LPARAM lParam) {
    RepaintBar(edit, SB_VERT, Scroll_HitTest(edit, SB_VERT, lParam));
    RepaintBar(edit, SB_HORZ, Scroll_HitTest(edit, SB_HORZ, lParam));
    return PassOn(edit, WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT OnNcLButtonDown(HWND edit, WPARAM wParam, LPARAM lParam) {
    RepaintBars(edit);
    return PassOn(edit, WM_NCLBUTTONDOWN, wParam, lParam);
}

// The edit box scrolls itself on the wheel without a scroll message: the companions are repainted once it has,
// so they show the new position rather than the one before the wheel step.
LRESULT OnMouseWheel(HWND edit, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(edit, WM_MOUSEWHEEL, wParam, lParam);
    RepaintBars(edit);
    return result;
}

LRESULT OnKeyDown(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (Translucent() && !HasScrollStyle(edit)) InvalidateRect(edit, nullptr, TRUE);
    RepaintBars(edit);
    return PassOn(edit, WM_KEYDOWN, wParam, lParam);
}

template <UINT Message, int Direction>
LRESULT OnScroll(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (Translucent()) InvalidateRect(edit, nullptr, TRUE);
    const LRESULT result = PassOn(edit, Message, wParam, lParam);
    RepaintBar(edit, Direction, kScrollNone);
    return result;
}

LRESULT OnLButtonDown(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (EditEntry* entry = Entry(edit)) entry->mouseDown = 1;
    if (Translucent() && !HasScrollStyle(edit)) InvalidateRect(edit, nullptr, TRUE);
    return PassOn(edit, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnLButtonUp(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (EditEntry* entry = Entry(edit)) entry->mouseDown = 0;
    return PassOn(edit, WM_LBUTTONUP, wParam, lParam);
}

LRESULT OnWindowPosChanging(HWND edit, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(edit);
    return PassOn(edit, WM_WINDOWPOSCHANGING, wParam, lParam);
}

// The hover look is painted once per entry into the hovered state, not on every move.
void Hover(HWND edit) {
    Window_TrackMouse(edit);
    WindowSkinRecord* record = Skin_ControlRecord(edit);
    const EditEntry* entry = Entry(edit);
    if (!record || !entry) return;
    const int parentKey = EditHoverKey(GetParent(edit));
    record->hoverItem = static_cast<int>(Prop_GetInt(edit, SkinProp::kListId));
    if (record->hoverPainted == record->hoverItem && record->hoverKind == kEditHoverKind &&
        record->editHover == parentKey)
        return;
    Edit_PaintFrame(edit, entry->focused != 0, true);
    record->hoverPainted = record->hoverItem;
    record->hoverKind = kEditHoverKind;
    record->editHover = parentKey;
}

LRESULT OnMouseMove(HWND edit, WPARAM wParam, LPARAM lParam) {
    Hover(edit);
    const EditEntry* entry = Entry(edit);
    if (entry && entry->mouseDown) {
        if (!HasScrollStyle(edit)) InvalidateRect(edit, nullptr, TRUE);
        RepaintBars(edit);
    }
    return PassOn(edit, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND edit, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Skin_ControlRecord(edit)) record->hoverPainted = 0;
    Edit_PaintFrame(edit, {}, false);
    return PassOn(edit, WM_MOUSELEAVE, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_DESTROY, OnDestroy},
    {WM_MOVE, OnMove},
    {WM_SHOWWINDOW, SyncThenPassOn<WM_SHOWWINDOW>},
    {WM_GETMINMAXINFO, SyncThenPassOn<WM_GETMINMAXINFO>},
    {WM_WINDOWPOSCHANGED, SyncThenPassOn<WM_WINDOWPOSCHANGED>},
    {WM_SETFOCUS, OnSetFocus},
    {WM_KILLFOCUS, OnKillFocus},
    {WM_SETTEXT, OnSetText},
    {WM_PAINT, OnPaint},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_NCPAINT, OnNcPaint},
    {WM_NCMOUSEMOVE, OnNcMouseMove},
    {WM_NCLBUTTONDOWN, OnNcLButtonDown},
    {WM_MOUSEWHEEL, OnMouseWheel},
    {WM_KEYDOWN, OnKeyDown},
    {WM_HSCROLL, OnScroll<WM_HSCROLL, SB_HORZ>},
    {WM_VSCROLL, OnScroll<WM_VSCROLL, SB_VERT>},
    {WM_LBUTTONDOWN, OnLButtonDown},
    {WM_LBUTTONUP, OnLButtonUp},
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_MOUSELEAVE, OnMouseLeave},
};

}  // namespace

LRESULT CALLBACK Edit_WindowProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    // A control whose entry cannot be found any more (its record is gone) behaves as the system's edit box,
    // except that the brush and bitmap kept for it still go with it.
    if (!Entry(edit)) {
        if (message == WM_DESTROY) Control_DropBackdropBrush(edit);
        return Skin_PassOn(edit, message, wParam, lParam);
    }
    return Dispatch(kRoutes, edit, message, wParam, lParam, Skin_PassOn);
}
