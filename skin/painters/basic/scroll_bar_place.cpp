// Creating the companions and keeping them over the real scroll bars.
#include "skin/painters/basic/scroll_bar.h"

#include "skin/core/control_registration.h"
#include "skin/core/skin_registry.h"
#include "skin/painters/basic/scroll_bar_owner.h"

namespace {

constexpr DWORD kCompanionStyle = WS_CHILD | WS_CLIPCHILDREN | WS_DISABLED;

LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

// The real scroll bar's rectangle in the client coordinates of the control's parent, where the companion lives.
// Taking the parent's client origin (not its window corner) keeps the companion exactly over the bar in parents
// that have a border or caption of their own, such as a container.
bool BarRectInParent(HWND control, HWND parent, int direction, RECT& rect) {
    SCROLLBARINFO info;
    if (!Scroll_BarInfo(control, direction, info)) return false;
    rect = info.rcScrollBar;
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}

void Place(HWND control, HWND companion, int direction) {
    if (!companion) return;
    HWND parent = GetParent(control);
    RECT r;
    if (!parent || !BarRectInParent(control, parent, direction, r)) return;
    SetWindowPos(companion, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, 0);
}

void ShowOrHide(HWND companion, bool show) {
    if (companion) ShowWindow(companion, show ? SW_SHOWNA : SW_HIDE);
}

}  // namespace

HWND Scroll_CreateBar(HWND control, int direction, bool visible) {
    HWND parent = control ? GetParent(control) : nullptr;
    if (!parent) return nullptr;
    RECT r{0, 0, 10, 10};
    DWORD style = kCompanionStyle;
    if (visible) {
        style |= WS_VISIBLE;
        if (!BarRectInParent(control, parent, direction, r)) r = {0, 0, 10, 10};
    }
    HWND companion = CreateWindowExW(0, L"Static", L"", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                     parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!companion) return nullptr;
    SetPropW(companion, SkinProp::kScrollOwner, control);
    Prop_SetInt(companion, SkinProp::kOwnerId, Skin_FindOwnerRecord(companion));
    Skin_Subclass(companion, Scroll_BarWindowProc);
    SetWindowPos(companion, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, 0);
    return companion;
}

void Scroll_SyncBars(HWND control) {
    const ScrollBarSlot vertical = Scroll_FindSlot(control, SB_VERT);
    const ScrollBarSlot horizontal = Scroll_FindSlot(control, SB_HORZ);
    const LONG_PTR style = Style(control);
    if (Scroll_IsEditControl(control)) {
        // An edit box shows a companion while it has the scroll bar style and is itself marked visible.
        const bool shown = (style & WS_VISIBLE) != 0;
        ShowOrHide(vertical.bar, shown && (style & WS_VSCROLL));
        ShowOrHide(horizontal.bar, shown && (style & WS_HSCROLL));
    } else {
        // The list family keeps both companions; one whose scroll bar style is absent is left as it is.
        const bool shown = IsWindowVisible(control) != FALSE;
        if (style & WS_VSCROLL) ShowOrHide(vertical.bar, shown);
        if (style & WS_HSCROLL) ShowOrHide(horizontal.bar, shown);
    }
    // Placed whenever the control is marked visible: the scroll bar's rectangle is known even while the parent
    // itself is still hidden.
    if (!(style & WS_VISIBLE)) return;
    Place(control, vertical.bar, SB_VERT);
    Place(control, horizontal.bar, SB_HORZ);
}
