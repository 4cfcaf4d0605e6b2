// The replacement procedure of list controls: one route per message the painter takes part in; everything else,
// and every message whose entry cannot be found, goes on to the replaced procedure unchanged.
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/geometry.h"
#include "skin/painters/basic/scroll_bar.h"
#include "skin/painters/lists/list_painter.h"
#include "skin/painters/lists/list_parts.h"
#include "toolkit/dispatch.h"

namespace {

constexpr LONG_PTR kOwnerDrawn = 0x30; // LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE

LONG_PTR StyleOf(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}
bool Translucent() {
    return Skin_State().translucentControls != 0;
}

template <UINT Message> LRESULT PassOn(HWND window, WPARAM wParam, LPARAM lParam) {
    return Skin_PassOn(window, Message, wParam, lParam);
}

LRESULT OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    List_TrackMouseMove(window);
    return PassOn<WM_MOUSEMOVE>(window, wParam, lParam);
}

LRESULT OnMouseHover(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListTarget target = List_Target(window)) target.entry->mouseTracked = 1;
    return PassOn<WM_MOUSEHOVER>(window, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, WPARAM wParam, LPARAM lParam) {
    List_MouseLeft(window);
    return PassOn<WM_MOUSELEAVE>(window, wParam, lParam);
}

LRESULT OnShowWindow(HWND window, WPARAM wParam, LPARAM lParam) {
    Scroll_SyncBars(window);
    return PassOn<WM_SHOWWINDOW>(window, wParam, lParam);
}

LRESULT OnPosChanging(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(window);
    return PassOn<WM_WINDOWPOSCHANGING>(window, wParam, lParam);
}

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (Translucent()) InvalidateRect(window, nullptr, TRUE);
    return PassOn<WM_MOVE>(window, wParam, lParam);
}

template <UINT Message> LRESULT OnGeometryChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    Scroll_SyncBars(window);
    if (ListTarget target = List_Target(window)) target.entry->dirty = 1;
    return PassOn<Message>(window, wParam, lParam);
}

LRESULT OnEraseBackground(HWND window, WPARAM wParam, LPARAM lParam) {
    if (!Translucent()) return PassOn<WM_ERASEBKGND>(window, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    const bool listBox = List_IsClass(window, L"ListBox");
    if (List_IsClass(window, L"SysTreeView32") || List_IsClass(window, L"SysListView32") ||
        (listBox && !(StyleOf(window) & kOwnerDrawn))) {
        SetBkMode(dc, TRANSPARENT);
        return 1;
    }
    if (listBox || List_IsClass(window, L"ComboLBox")) return PassOn<WM_ERASEBKGND>(window, wParam, lParam);
    // IP address and date pickers: their text goes transparent in the control's text colour.
    SetBkMode(dc, TRANSPARENT);
    return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(Prop_GetInt(window, SkinProp::kTextColour))));
}

template <int Focused, UINT Message> LRESULT OnFocus(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListTarget target = List_Target(window)) {
        target.entry->focused = Focused;
        List_DrawFrame(target.recordPosition, target.entryPosition);
    }
    return PassOn<Message>(window, wParam, lParam);
}

LRESULT OnSetText(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListTarget target = List_Target(window)) target.entry->dirty = 1;
    return PassOn<WM_SETTEXT>(window, wParam, lParam);
}

LRESULT OnNcPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    DefWindowProcW(window, WM_NCPAINT, wParam, lParam);
    ListTarget target = List_Target(window);
    if (!target) return 0;
    List_DrawFrame(target.recordPosition, target.entryPosition);
    if (Window_HasScrollBars(window)) List_PaintBothBars(window, *target.entry);
    return 0;
}

// Scrolling: the content must be drawn again, and the bar shows the position the control has moved to.
template <UINT Message> LRESULT OnScroll(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListTarget target = List_Target(window)) {
        target.entry->dirty = 1;
        if (Translucent()) InvalidateRect(window, nullptr, TRUE);
    }
    const LRESULT result = PassOn<Message>(window, wParam, lParam);
    if (ListTarget target = List_Target(window)) {
        if constexpr (Message == WM_VSCROLL) {
            List_PaintBar(window, *target.entry, SB_VERT, kScrollNone);
        } else if constexpr (Message == WM_HSCROLL) {
            List_PaintBar(window, *target.entry, SB_HORZ, kScrollNone);
        } else {
            List_PaintBothBars(window, *target.entry);
        }
    }
    return result;
}

bool IsArrowKey(WPARAM key) {
    return key >= VK_LEFT && key <= VK_DOWN;
}

// The bars are repainted after the control has handled the key, so that they show where it scrolled to.
LRESULT OnKeyDown(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListTarget target = List_Target(window)) {
        target.entry->dirty = 1;
        if (IsArrowKey(wParam)) target.entry->arrowKeyDown = 1;
    }
    const LRESULT result = PassOn<WM_KEYDOWN>(window, wParam, lParam);
    if (ListTarget target = List_Target(window); target && IsArrowKey(wParam))
        List_PaintBothBars(window, *target.entry);
    return result;
}

LRESULT OnKeyUp(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListTarget target = List_Target(window)) {
        target.entry->dirty = 1;
        target.entry->arrowKeyDown = 0;
    }
    return PassOn<WM_KEYUP>(window, wParam, lParam);
}

LRESULT OnArrowRepaint(HWND window, WPARAM wParam, LPARAM lParam) {
    ListTarget target = List_Target(window);
    if (target && Translucent() && target.entry->arrowKeyDown == 1) {
        target.entry->dirty = 1;
        InvalidateRect(window, nullptr, FALSE);
    }
    return PassOn<kListArrowRepaint>(window, wParam, lParam);
}

LRESULT OnNcButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListTarget target = List_Target(window)) {
        if (wParam == HTVSCROLL) List_PaintBar(window, *target.entry, SB_VERT, kScrollNone);
        if (wParam == HTHSCROLL) List_PaintBar(window, *target.entry, SB_HORZ, kScrollNone);
    }
    return PassOn<WM_NCLBUTTONDOWN>(window, wParam, lParam);
}

LRESULT OnNcMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListTarget target = List_Target(window)) {
        if (wParam == HTVSCROLL) List_PaintBar(window, *target.entry, SB_VERT, Scroll_HitTest(window, SB_VERT, lParam));
        if (wParam == HTHSCROLL) List_PaintBar(window, *target.entry, SB_HORZ, Scroll_HitTest(window, SB_HORZ, lParam));
    }
    return PassOn<WM_NCMOUSEMOVE>(window, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_MOUSEHOVER, OnMouseHover},
    {WM_MOUSELEAVE, OnMouseLeave},
    {WM_SHOWWINDOW, OnShowWindow},
    {WM_WINDOWPOSCHANGING, OnPosChanging},
    {WM_MOVE, OnMove},
    {WM_WINDOWPOSCHANGED, OnGeometryChanged<WM_WINDOWPOSCHANGED>},
    {WM_GETMINMAXINFO, OnGeometryChanged<WM_GETMINMAXINFO>},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_PAINT, List_Paint},
    {WM_SETFOCUS, OnFocus<1, WM_SETFOCUS>},
    {WM_KILLFOCUS, OnFocus<0, WM_KILLFOCUS>},
    {WM_SETTEXT, OnSetText},
    {WM_NCPAINT, OnNcPaint},
    {WM_VSCROLL, OnScroll<WM_VSCROLL>},
    {WM_HSCROLL, OnScroll<WM_HSCROLL>},
    {WM_MOUSEWHEEL, OnScroll<WM_MOUSEWHEEL>},
    {WM_KEYDOWN, OnKeyDown},
    {WM_KEYUP, OnKeyUp},
    {kListArrowRepaint, OnArrowRepaint},
    {WM_NCLBUTTONDOWN, OnNcButtonDown},
    {WM_NCMOUSEMOVE, OnNcMouseMove},
};

} // namespace

ListTarget List_Target(HWND window) {
    ListTarget target;
    ListEntry* entry = Skin_ControlEntry(window, &WindowSkinRecord::listControls);
    if (!entry) return target;
    target.recordPosition = static_cast<int>(Prop_GetInt(window, SkinProp::kOwnerId));
    target.entryPosition = static_cast<int>(Prop_GetInt(window, SkinProp::kListId));
    target.record = Skin_RecordAt(target.recordPosition);
    target.entry = entry;
    return target;
}

void List_PaintBar(HWND window, const ListEntry& entry, int direction, int part) {
    const LONG_PTR style = StyleOf(window);
    if (direction == SB_VERT && (style & WS_VSCROLL) && entry.verticalBar) Scroll_PaintBar(window, SB_VERT, part);
    if (direction == SB_HORZ && (style & WS_HSCROLL) && entry.horizontalBar) Scroll_PaintBar(window, SB_HORZ, part);
}

void List_PaintBothBars(HWND window, const ListEntry& entry) {
    List_PaintBar(window, entry, SB_VERT, kScrollNone);
    List_PaintBar(window, entry, SB_HORZ, kScrollNone);
}

LRESULT CALLBACK List_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!List_Target(window)) return Skin_PassOn(window, message, wParam, lParam);
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}
