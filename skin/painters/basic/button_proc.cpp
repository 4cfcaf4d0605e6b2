// The procedure shared by every skinned button: keeps the entry's text, focus and press state, paints check boxes
// and radio buttons, and repaints a button once when the mouse enters it and once when it leaves.
#include "skin/core/control_registration.h"
#include "skin/draw/geometry.h"
#include "skin/painters/basic/button_painter.h"
#include "toolkit/codepage.h"
#include "toolkit/dispatch.h"
#include "toolkit/gdi_handle.h"

namespace {

constexpr int kHoverKindButtons = 0;

ButtonEntry* Entry(HWND window) { return Skin_ControlEntry(window, &WindowSkinRecord::buttons); }
int Kind(HWND window) {
    const ButtonEntry* entry = Entry(window);
    return entry ? entry->kind : kButtonPush;
}

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    InvalidateRect(window, nullptr, TRUE);
    return Skin_PassOn(window, WM_MOVE, wParam, lParam);
}

LRESULT OnSetText(HWND window, WPARAM wParam, LPARAM lParam) {
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    Entry(window)->text = text ? Cp936_FromWide(text) : Text();
    return Skin_PassOn(window, WM_SETTEXT, wParam, lParam);
}

LRESULT OnSetFocus(HWND window, WPARAM wParam, LPARAM lParam) {
    Entry(window)->focused = 1;
    return Skin_PassOn(window, WM_SETFOCUS, wParam, lParam);
}

LRESULT OnKillFocus(HWND window, WPARAM wParam, LPARAM lParam) {
    Entry(window)->focused = 0;
    return Skin_PassOn(window, WM_KILLFOCUS, wParam, lParam);
}

LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    const int kind = Kind(window);
    if (kind != kButtonRadio && kind != kButtonCheck) return Skin_PassOn(window, WM_PAINT, wParam, lParam);
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    if (kind == kButtonRadio) Button_PaintRadio(window, 0);
    else Button_PaintCheck(window, 0);
    EndPaint(window, &paint);
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND window, WPARAM wParam, LPARAM) {
    const auto dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(Prop_GetInt(window, SkinProp::kTextColour))));
}

LRESULT OnNcPaint(HWND, WPARAM, LPARAM) { return 1; }

LRESULT OnWindowPosChanging(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(window);
    return Skin_PassOn(window, WM_WINDOWPOSCHANGING, wParam, lParam);
}

// BM_SETCHECK, a space key and a press: the system changes the check first, then the skin paints the result.
LRESULT CheckChanged(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int kind = Kind(window);
    if (kind != kButtonRadio && kind != kButtonCheck) return Skin_PassOn(window, message, wParam, lParam);
    Skin_PassOn(window, message, wParam, lParam);
    if (kind == kButtonRadio) Button_PaintRadio(window, ODS_SELECTED);
    else Button_PaintCheck(window, 0);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT OnSetCheck(HWND window, WPARAM wParam, LPARAM lParam) { return CheckChanged(window, BM_SETCHECK, wParam, lParam); }

LRESULT OnKeyDown(HWND window, WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_SPACE) return Skin_PassOn(window, WM_KEYDOWN, wParam, lParam);
    return CheckChanged(window, WM_KEYDOWN, wParam, lParam);
}

LRESULT OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    Entry(window)->pressed = 1;
    return CheckChanged(window, WM_LBUTTONDOWN, wParam, lParam);
}

// While the left button is held down on a push button, the system's attempt to un-highlight it as the mouse is
// dragged out is ignored: the button keeps its pressed state until the button comes up.
LRESULT OnSetState(HWND window, WPARAM wParam, LPARAM lParam) {
    if (wParam == 0 && Entry(window)->pressed == 1) return 0;
    return Skin_PassOn(window, BM_SETSTATE, wParam, lParam);
}

LRESULT OnDoubleClick(HWND, WPARAM, LPARAM) { return 0; }

LRESULT OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    Window_TrackMouse(window);
    if (WindowSkinRecord* record = Skin_ControlRecord(window)) {
        record->hoverItem = static_cast<int>(Prop_GetInt(window, SkinProp::kListId));
        if (record->hoverPainted != record->hoverItem || record->hoverKind != kHoverKindButtons) {
            Button_Repaint(window, 0, true);
            record = Skin_ControlRecord(window);
            if (record) {
                record->hoverPainted = record->hoverItem;
                record->hoverKind = kHoverKindButtons;
            }
        }
    }
    return Skin_PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnLButtonUp(HWND window, WPARAM wParam, LPARAM lParam) {
    Entry(window)->pressed = 0;
    if (WindowSkinRecord* record = Skin_ControlRecord(window)) record->hoverPainted = 0;
    return Skin_PassOn(window, WM_LBUTTONUP, wParam, lParam);
}

// Losing the mouse capture without the button coming up (another window took it) ends the press as well, so
// that the system can un-highlight the button.
LRESULT OnCaptureChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) != window) Entry(window)->pressed = 0;
    return Skin_PassOn(window, WM_CAPTURECHANGED, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Skin_ControlRecord(window)) record->hoverPainted = 0;
    Button_Repaint(window, Entry(window)->focused == 1 ? ODS_FOCUS : 0, false);
    return Skin_PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_MOVE, OnMove},
    {WM_SETTEXT, OnSetText},
    {WM_SETFOCUS, OnSetFocus},
    {WM_KILLFOCUS, OnKillFocus},
    {WM_PAINT, OnPaint},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_NCPAINT, OnNcPaint},
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
    {WM_LBUTTONDOWN, OnLButtonDown},
    {BM_SETCHECK, OnSetCheck},
    {WM_KEYDOWN, OnKeyDown},
    {BM_SETSTATE, OnSetState},
    {WM_LBUTTONDBLCLK, OnDoubleClick},
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_LBUTTONUP, OnLButtonUp},
    {WM_CAPTURECHANGED, OnCaptureChanged},
    {WM_MOUSELEAVE, OnMouseLeave},
};

}  // namespace

LRESULT CALLBACK Button_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Entry(window)) return Skin_PassOn(window, message, wParam, lParam);
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}

void Button_Repaint(HWND window, UINT itemState, bool hover) {
    const ButtonEntry* entry = Entry(window);
    if (!entry) return;
    const int kind = entry->kind;
    const UINT state = itemState | (hover ? ODS_HOTLIGHT : 0);
    if (kind == kButtonRadio) {
        Button_PaintRadio(window, state);
    } else if (kind == kButtonCheck) {
        Button_PaintCheck(window, state);
    } else {
        WindowDc dc(window);
        RECT area;
        GetClientRect(window, &area);
        if (dc.get()) Button_PaintPush(window, dc.get(), state, area);
    }
}
